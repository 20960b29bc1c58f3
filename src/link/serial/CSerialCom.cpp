#include "link/serial/CSerialCom.h"

#include <QThread>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "base/OsWait.h"
#include "base/Texts.h"
#include "link/serial/PortIo.h"
#include "link/serial/UsbIdentity.h"

namespace feld {

namespace {

// While the link waits for the rest of a frame on a paced line, the reader thread sleeps instead of
// waking for every few bytes; not for less than this (a reply's few bytes are not worth it) ...
constexpr std::int64_t kMinGatherNs = 2'000'000;
// ... and it wakes while the last few bytes are still on their way, so that their arrival (not a
// timer, which may fire late) wakes it for the rest.
constexpr std::size_t kGatherSpareBytes = 8;
// ... and not for longer than this in one go (a slow line's long frame takes several).
constexpr std::int64_t kMaxGatherNs = 250'000'000;
// A write that has to wait is watched this often for its time-out and the activity icon.
constexpr std::int64_t kWatchNs = 100'000'000;

std::int64_t nowMs() { return os::monotonicNs() / 1'000'000; }

std::string baseName(const std::string& path)
{
    std::size_t cut = path.rfind('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// One character's time on the line: start bit, data bits, parity bit, stop bits.
std::int64_t characterNs(const TtyInfo& info)
{
    if (info.baudRate <= 0)
        return 0;
    int bits = 1 + (info.dataBits >= 5 && info.dataBits <= 8 ? info.dataBits : 8) + (info.parity == 1 || info.parity == 2 ? 1 : 0) +
               (info.stopBits == 2 ? 2 : 1);
    return std::int64_t(bits) * 1'000'000'000 / info.baudRate;
}

}  // namespace

// The I/O thread runs a wait loop of its own over the port and a wake-up event. It needs no Qt event
// delivery, so it works the same with or without a QCoreApplication in the process.
class IoThread : public QThread {
public:
    explicit IoThread(CSerialCom* owner) : owner_(owner) {}

protected:
    void run() override
    {
        owner_->IoLoop();
        // Qt's wait for the thread's end is invisible to thread checkers; this store, read after
        // the wait, shows them that the loop's last writes come before what the owner does next.
        owner_->loopEnded_.store(true, std::memory_order_release);
    }

private:
    CSerialCom* owner_;
};

// A result one thread settles and another waits for. A lock and a condition variable, not
// std::atomic's wait: the MinGW runtime's atomic wait checks the value before it takes its lock,
// so a notify that falls between the two is lost and the waiter sleeps for good (a close of the
// port under Windows that never returned).
namespace {

class Outcome {
public:
    explicit Outcome(int pending) : pending_(pending), value_(pending) {}

    void Set(int v)
    {
        {
            std::lock_guard lock(mutex_);
            value_ = v;
        }
        settled_.notify_all();
    }

    int Wait()
    {
        std::unique_lock lock(mutex_);
        settled_.wait(lock, [this] { return value_ != pending_; });
        return value_;
    }

private:
    const int pending_;
    std::mutex mutex_;
    std::condition_variable settled_;
    int value_;
};

}  // namespace

// Bytes the driver did not take at once, in the order they were handed over.
struct CSerialCom::Job {
    std::vector<std::uint8_t> bytes;
    std::size_t done = 0;
    bool waited = false;   // a writer waits for the result
    bool animate = false;
    Outcome result{-1};

    void Finish(int r) { result.Set(r); }
};

// Work for the I/O thread; `failed` when the thread ended before running it.
struct CSerialCom::Task {
    std::function<void()> run;
    Outcome state{0};  // 0 queued, 1 ran, 2 failed

    void Settle(int s) { state.Set(s); }
};

CSerialCom::CSerialCom(const PortSettings& s)
{
    info_.kind = DeviceKind::Com;
    info_.portNumber = s.serialPort;
    info_.devicePath = s.serialDevice;
    info_.connectEnabled = s.connectEnabled ? 1 : 0;
    info_.reportLineErrors = s.reportLineErrors ? 1 : 0;
    info_.dataBits = s.databits;
    info_.parity = s.parity;
    info_.stopBits = s.stopbits;
    info_.baudRate = s.baudrate;
    info_.selPort = s.selPort;
    usbIds_ = s.usbIds;
    usbDevice_ = s.usbDevice;
}

CSerialCom::~CSerialCom()
{
    CloseConnection();
    StopThread();
}

void CSerialCom::SetReceiveHook(ReceiveHook hook) { receiveHook_ = std::move(hook); }
void CSerialCom::SetActivityHook(ActivityHook hook) { activityHook_ = std::move(hook); }
void CSerialCom::SetGatherHint(GatherHint hint) { gatherHint_ = std::move(hint); }

void CSerialCom::SetError(std::string text)
{
    std::lock_guard lock(errorMutex_);
    lastError_ = std::move(text);
}

std::string CSerialCom::LastError() const
{
    std::lock_guard lock(errorMutex_);
    return lastError_;
}

std::string CSerialCom::OpenNote() const
{
    std::lock_guard lock(errorMutex_);
    return openNote_;
}

std::string CSerialCom::ShownDevice(const std::string& path)
{
    const std::string device = portio::canonicalDevicePath(path);
    return device == path ? path : path + " (" + device + ")";
}

// ---- the I/O thread --------------------------------------------------------------------------

bool CSerialCom::EnsureThread()
{
    bool dead;
    {
        std::lock_guard lock(tasksMutex_);
        dead = dead_;
    }
    if (thread_ && dead) {
        // The old loop ended by itself: opening again starts a new one.
        JoinThread();
        breakErr_.store(0);
        std::lock_guard lock(tasksMutex_);
        dead_ = false;
    }
    if (thread_)
        return true;
    wake_ = std::make_unique<os::WakeEvent>();
    if (!wake_->valid()) {
        SetError(formatText(tk("link.noIoThread", "cannot start the port's I/O thread: %s"), {wake_->error()}));
        wake_.reset();
        return false;
    }
    stop_.store(false);
    loopEnded_.store(false);
    thread_ = new IoThread(this);
    thread_->setObjectName(QStringLiteral("serial-io"));
    thread_->start();
    return true;
}

void CSerialCom::StopThread()
{
    if (!thread_)
        return;
    stop_.store(true);
    wake_->signal();
    JoinThread();
}

void CSerialCom::JoinThread()
{
    thread_->wait();
    (void)loopEnded_.load(std::memory_order_acquire);
    delete thread_;
    thread_ = nullptr;
    wake_.reset();
}

bool CSerialCom::RunInThread(const std::function<void()>& fn)
{
    if (!thread_)
        return false;
    if (QThread::currentThread() == thread_) {
        fn();
        return true;
    }
    auto task = std::make_shared<Task>();
    task->run = fn;
    {
        std::lock_guard lock(tasksMutex_);
        if (dead_)
            return false;
        tasks_.push_back(task);
    }
    wake_->signal();
    return task->state.Wait() == 1;
}

void CSerialCom::RunTasks()
{
    for (;;) {
        std::shared_ptr<Task> task;
        {
            std::lock_guard lock(tasksMutex_);
            if (tasks_.empty())
                return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task->run();
        task->Settle(1);
    }
}

void CSerialCom::BreakIoLoop(int err)
{
    breakErr_.store(err == 0 ? portio::ioFailure() : err);
    if (wake_)
        wake_->signal();
}

void CSerialCom::IoLoop()
{
    while (!stop_.load()) {
        RunTasks();
        if (int err = breakErr_.load()) {
            Die(formatText(tk("link.waitFailed", "its wait failed: %s"), {portio::errorText(err)}));
            return;
        }
        const std::int64_t now = os::monotonicNs();
        bool wantRead = false, wantWrite = false;
        std::int64_t timeout = -1;
        if (line_.isOpen()) {  // the line opens and closes only in this thread
            if (gatherUntilNs_ > now)
                timeout = gatherUntilNs_ - now;  // the rest of the frame is still on its way
            else
                wantRead = true;
            if (jobCount_.load() > 0) {
                wantWrite = true;
                timeout = timeout < 0 ? kWatchNs : std::min(timeout, kWatchNs);
            }
        }
        portio::WaitResult r = line_.wait(wantRead, wantWrite, *wake_, timeout);
        if (!r.ok) {
            Die(formatText(tk("link.waitFailed", "its wait failed: %s"), {portio::errorText(r.err)}));
            return;
        }
        if (r.woken)
            wake_->drain();
        if (!line_.isOpen())
            continue;
        if (r.readable)
            ReadInput(r.hangup);
        if (line_.isOpen() && r.writable)
            FlushOutput();
        if (line_.isOpen())
            WatchOutput();
    }
    RunTasks();
}

void CSerialCom::Die(const std::string& why)
{
    // Nothing will run in this thread any more: every request, queued or later, fails at once.
    SetError(formatText(tk("link.ioThreadStopped", "the port's I/O thread stopped (%s)"), {why}));
    CloseInThread();
    std::deque<std::shared_ptr<Task>> orphans;
    {
        std::lock_guard lock(tasksMutex_);
        dead_ = true;
        orphans.swap(tasks_);
    }
    for (auto& t : orphans)
        t->Settle(2);
    if (receiveHook_)
        receiveHook_(nullptr, 0);
}

void CSerialCom::SetPortSerial() { info_.kind = DeviceKind::Com; }

int CSerialCom::SetPortUSB()
{
    usbComNumber_ = 0;
    cradleVersion_ = 0;
    if (!usbDevice_.empty()) {
        // A device path given for the USB terminal (tests, set-ups the ids do not cover). When it
        // is one of the USB serial ports it gets that port's number, and opens as the USB terminal
        // does; any other device (a pseudo-terminal) keeps the line values it was given.
        info_.kind = DeviceKind::UsbCom;
        usbName_ = baseName(usbDevice_);
        info_.devicePath = usbDevice_;
        const TerminalChoice known = UsbIdentity::Identify(UsbIdentity::List(), usbDevice_);
        if (known.port) {
            usbComNumber_ = known.number;
            usbName_ = known.port->name;
            if (auto release = UsbIdentity::ReleaseNumber(usbName_))
                cradleVersion_ = UsbIdentity::ReleaseToTenths(*release);
        }
        return 1;
    }
    const TerminalChoice choice = UsbIdentity::FindTerminal(usbIds_);
    if (!choice.port) {
        SetError(choice.why);
        return 0;
    }
    const UsbSerialPort* found = &*choice.port;
    info_.kind = DeviceKind::UsbCom;
    info_.devicePath = found->path;
    usbName_ = found->name;
    usbComNumber_ = choice.number;
    if (auto release = UsbIdentity::ReleaseNumber(usbName_))
        cradleVersion_ = UsbIdentity::ReleaseToTenths(*release);
    return 1;
}

int CSerialCom::OpenConnection()
{
    if (open_.load())
        return 1;
    if (!info_.connectEnabled) {
        SetError(tk("link.connectOff", "connecting is switched off in the port settings"));
        return 0;
    }
    std::string path = info_.devicePath.empty() ? PathForPortNumber(info_.portNumber) : info_.devicePath;
    // Ask the system first: it tells missing, forbidden and busy apart better than the port class.
    if (int err = portio::probeOpen(path)) {
        SetError(DescribeOpenError(path, err));
        return 0;
    }
    info_.devicePath = path;
    if (!EnsureThread())
        return 0;
    bool ok = false;
    const TtyInfo copy = info_;  // the I/O thread never reads the record the link edits
    if (!RunInThread([this, &copy, &ok] { OpenInThread(copy, ok); }))
        return 0;
    return ok ? 1 : 0;
}

void CSerialCom::OpenInThread(const TtyInfo& info, bool& ok)
{
    // One device, one lock: the port class locks the name it opens, so a link such as
    // /dev/serial/by-id/... and the device it points to would each get a lock of their own and
    // two programs could share the line. It opens the device's own name; messages keep the user's.
    const std::string device = portio::canonicalDevicePath(info.devicePath);
    const std::string shown = ShownDevice(info.devicePath);
    portio::OpenResult opened = line_.open(device, info);
    if (!opened.ok) {
        if (opened.busy)
            SetError(formatText(tk("link.deviceBusyWhy", "device busy: %s is in use by another program (%s)"), {shown, opened.why}));
        else if (opened.err != 0)
            SetError(DescribeOpenError(info.devicePath, opened.err));
        else
            SetError(formatText(tk("link.cannotOpen", "cannot open %s: %s"), {shown, opened.why}));
        ok = false;
        return;
    }
    std::string note = std::move(opened.note);
    byteNs_ = characterNs(info);
    paced_ = false;
    gathered_ = false;
    lastReadNs_ = 0;
    shortfallAfterLast_ = 0;
    gatherUntilNs_ = 0;
    lineErrors_.store(0);
    {
        std::lock_guard lock(errorMutex_);
        lastError_.clear();
        openNote_ = std::move(note);
    }
    {
        std::lock_guard lock(outMutex_);
        ioPath_ = info.devicePath;
        open_.store(true);
    }
    ok = true;
}

void CSerialCom::CloseConnection()
{
    if (!thread_)
        return;
    RunInThread([this] { CloseInThread(); });
}

void CSerialCom::CloseInThread()
{
    bool wasOpen;
    {
        // No writer is inside a write once open_ is false: they take the same lock.
        std::lock_guard lock(outMutex_);
        FailJobsLocked(kWriteFailed);
        wasOpen = open_.exchange(false);
    }
    if (activityShown_ && activityHook_) {
        activityShown_ = false;
        activityHook_(0);
    }
    line_.close();
    gatherUntilNs_ = 0;
    if (wasOpen && receiveHook_)
        receiveHook_(nullptr, 0);  // a reader waiting for bytes looks again
}

void CSerialCom::ReadInput(bool hangup)
{
    const std::size_t shortfallBefore = shortfallAfterLast_;
    std::uint8_t buf[4096];
    std::size_t total = 0;
    for (;;) {
        portio::IoResult r = line_.read(buf, sizeof buf);
        if (r.bytes > 0) {
            if (receiveHook_)
                receiveHook_(buf, static_cast<int>(r.bytes));
            total += r.bytes;
            if (r.bytes == sizeof buf)
                continue;
            break;
        }
        if (r.err != 0) {
            lineErrors_.store(r.line);
            DeviceGone(portio::errorText(r.err));
            return;
        }
        if (r.end || (total == 0 && hangup)) {
            // Unplugged, or the other end of a pseudo-terminal closed: reading on would only spin.
            DeviceGone(tk("link.hungUp", "it hung up"));
            return;
        }
        break;
    }
    if (total == 0 || byteNs_ == 0)
        return;
    const std::int64_t now = os::monotonicNs();
    if (shortfallBefore > 0 && lastReadNs_ > 0) {
        // The link was already waiting for these bytes, so the time since the last read is how long
        // the line took to bring them. A line that brought them in well under their time on the
        // wire is not paced (a pseudo-terminal, or USB with no real line behind it).
        paced_ = (now - lastReadNs_) * 5 >= std::int64_t(total) * byteNs_ * 3;
    }
    lastReadNs_ = now;
    shortfallAfterLast_ = gatherHint_ ? gatherHint_() : 0;
    // One sleep per frame: a line that hands bytes over in bursts (a UART's FIFO, an adapter's
    // packets) may already hold bytes that came in before this read, so a second sleep reckoned
    // from now could end after the frame was complete. The rest of the frame wakes the thread.
    const bool afterSleep = gathered_;
    gathered_ = false;
    if (paced_ && !afterSleep && shortfallAfterLast_ > kGatherSpareBytes) {
        std::int64_t ns = std::int64_t(shortfallAfterLast_ - kGatherSpareBytes) * byteNs_;
        if (ns >= kMinGatherNs) {
            gatherUntilNs_ = now + std::min(ns, kMaxGatherNs);
            gathered_ = true;
        }
    }
    if (shortfallAfterLast_ == 0)
        gathered_ = false;
}

void CSerialCom::DeviceGone(const std::string& why)
{
    SetError(formatText(tk("link.deviceGone", "the device %s went away (%s)"), {ioPath_, why}));
    CloseInThread();
}

// ---- writes ----------------------------------------------------------------------------------

void CSerialCom::TimeOut_Request() { timeoutAt_.store(nowMs() + kWriteTimeoutMs); }
bool CSerialCom::IsTimeOut() const { return nowMs() >= timeoutAt_.load(); }

int CSerialCom::WriteCommBlock_USB(const char* data, unsigned long count)
{
    WritePiece p{reinterpret_cast<const std::uint8_t*>(data), count};
    return WritePieces(&p, 1, false);
}

// Writes what the driver takes at once; queues the rest for the I/O thread. The link's replies go
// out here, on the link's own thread, the moment they are made.
int CSerialCom::Queue(const WritePiece* pieces, std::size_t count, bool waited, bool animate, std::shared_ptr<Job>& job)
{
    if (!open_.load())
        return kWriteFailed;
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i)
        total += pieces[i].size;
    std::size_t written = 0;
    while (jobs_.empty() && written < total) {
        portio::IoResult r = line_.write(pieces, count, written);
        if (r.err != 0) {
            lineErrors_.store(r.line);
            SetError(formatText(tk("link.cannotWrite", "cannot write to %s: %s"), {ioPath_, portio::errorText(r.err)}));
            return kWriteFailed;
        }
        if (r.bytes == 0)
            break;  // the driver's buffer is full: the I/O thread writes the rest as it drains
        written += r.bytes;
    }
    if (written == total)
        return kWriteOk;
    job = std::make_shared<Job>();
    job->bytes.reserve(total - written);
    std::size_t skip = written;
    for (std::size_t i = 0; i < count; ++i) {
        const WritePiece& p = pieces[i];
        std::size_t from = std::min(skip, p.size);
        skip -= from;
        job->bytes.insert(job->bytes.end(), p.data + from, p.data + p.size);
    }
    job->waited = waited;
    job->animate = animate;
    if (jobs_.empty())
        TimeOut_Request();
    jobs_.push_back(job);
    jobCount_.store(jobs_.size());
    return kWriteOk;
}

int CSerialCom::WritePieces(const WritePiece* pieces, std::size_t count, bool animate)
{
    std::shared_ptr<Job> job;
    {
        std::lock_guard lock(outMutex_);
        int r = Queue(pieces, count, true, animate, job);
        if (r != kWriteOk || !job)
            return r;
    }
    wake_->signal();
    return job->result.Wait();
}

int CSerialCom::PostPieces(const WritePiece* pieces, std::size_t count, bool animate)
{
    std::shared_ptr<Job> job;
    int r;
    {
        std::lock_guard lock(outMutex_);
        r = Queue(pieces, count, false, animate, job);
    }
    if (job)
        wake_->signal();
    return r;
}

void CSerialCom::FailJobsLocked(int result)
{
    for (auto& j : jobs_)
        j->Finish(result);
    jobs_.clear();
    jobCount_.store(0);
}

void CSerialCom::FlushOutput()
{
    std::lock_guard lock(outMutex_);
    while (!jobs_.empty() && open_.load()) {
        Job& j = *jobs_.front();
        WritePiece rest{j.bytes.data(), j.bytes.size()};
        portio::IoResult r = line_.write(&rest, 1, j.done);
        if (r.err != 0) {
            lineErrors_.store(r.line);
            SetError(formatText(tk("link.cannotWrite", "cannot write to %s: %s"), {ioPath_, portio::errorText(r.err)}));
            FailJobsLocked(kWriteFailed);
            return;
        }
        if (r.bytes == 0)
            return;
        TimeOut_Request();  // progress: the time-out starts again
        j.done += r.bytes;
        if (j.done < j.bytes.size())
            return;
        jobs_.front()->Finish(kWriteOk);
        jobs_.pop_front();
        jobCount_.store(jobs_.size());
    }
}

void CSerialCom::WatchOutput()
{
    bool animate = false;
    {
        std::lock_guard lock(outMutex_);
        if (jobs_.empty()) {
            if (activityShown_ && activityHook_) {
                activityShown_ = false;
                activityHook_(0);
            }
            return;
        }
        if (IsTimeOut()) {
            // Nothing went out for the whole time-out: what is left is thrown away.
            if (open_.load())
                line_.discard(false, true);
            for (auto& j : jobs_)
                j->Finish(j->waited ? kWriteTimedOut : kWriteFailed);
            jobs_.clear();
            jobCount_.store(0);
        } else {
            animate = jobs_.front()->waited && jobs_.front()->animate;
        }
    }
    if (animate && activityHook_ && nowMs() >= nextActivityMs_) {
        // A slow write: cycle the busy icon through its four frames.
        activityCount_ = activityCount_ % 4 + 1;
        activityHook_(activityCount_);
        activityShown_ = true;
        nextActivityMs_ = nowMs() + 100;
    }
}

void CSerialCom::Purge()
{
    std::lock_guard lock(outMutex_);
    if (open_.load())
        line_.discard(true, true);
    FailJobsLocked(kWriteFailed);
}

int CSerialCom::IsConnectToUSB() { return info_.kind != DeviceKind::Com && open_.load() ? 1 : 0; }

}  // namespace feld
