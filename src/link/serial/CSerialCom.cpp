#include "link/serial/CSerialCom.h"

#include <QSerialPort>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "link/serial/UsbIdentity.h"

namespace feld {

namespace {

std::int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string baseName(const std::string& path)
{
    std::size_t cut = path.rfind('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

// The I/O thread runs a poll loop of its own over the port and a wake-up eventfd, and drives
// QSerialPort through its non-blocking calls. It needs no Qt event delivery, so it works the same
// with or without a QCoreApplication in the process (tests and benchmarks have none).
class IoThread : public QThread {
public:
    explicit IoThread(CSerialCom* owner) : owner_(owner) {}

protected:
    void run() override { owner_->IoLoop(); }

private:
    CSerialCom* owner_;
};

struct CSerialCom::Job {
    std::vector<WritePiece> pieces;
    std::vector<std::uint8_t> owned;  // a posted write's own copy of its bytes
    bool animate = false;
    bool posted = false;              // nobody waits for the result
    std::atomic<int> result{-1};
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

std::string CSerialCom::PathForPortNumber(int number)
{
    return "/dev/ttyS" + std::to_string(number > 0 ? number - 1 : 0);
}

std::string CSerialCom::DescribeOpenError(const std::string& path, int err)
{
    switch (err) {
    case 0:
        return {};
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "device missing: " + path + " does not exist (is the terminal connected and switched on?)";
    case EACCES:
    case EPERM: {
        std::string owner = "dialout";
        struct stat st;
        if (::stat(path.c_str(), &st) == 0) {
            if (const struct group* g = ::getgrgid(st.st_gid))
                owner = g->gr_name;
        }
        return "permission denied on " + path + ": add your user to the group that owns it (" + owner +
               "), e.g. \"sudo usermod -aG " + owner + " $USER\", then log in again";
    }
    case EBUSY:
        return "device busy: " + path + " is in use by another program";
    default:
        return "cannot open " + path + ": " + std::strerror(err);
    }
}

// ---- the I/O thread --------------------------------------------------------------------------

void CSerialCom::EnsureThread()
{
    if (thread_)
        return;
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    stop_.store(false);
    thread_ = new IoThread(this);
    thread_->setObjectName(QStringLiteral("serial-io"));
    thread_->start();
}

void CSerialCom::StopThread()
{
    if (!thread_)
        return;
    stop_.store(true);
    std::uint64_t one = 1;
    ssize_t r = ::write(wakeFd_, &one, sizeof one);
    (void)r;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    ::close(wakeFd_);
    wakeFd_ = -1;
}

void CSerialCom::Post(std::function<void()> fn)
{
    {
        std::lock_guard lock(jobsMutex_);
        jobs_.push_back(std::move(fn));
    }
    std::uint64_t one = 1;
    ssize_t r = ::write(wakeFd_, &one, sizeof one);
    (void)r;
}

void CSerialCom::RunInThread(const std::function<void()>& fn)
{
    if (!thread_)
        return;
    if (QThread::currentThread() == thread_) {
        fn();
        return;
    }
    auto done = std::make_shared<std::atomic<int>>(0);
    Post([&fn, done] {
        fn();
        done->store(1, std::memory_order_release);
        done->notify_all();
    });
    while (done->load(std::memory_order_acquire) == 0)
        done->wait(0, std::memory_order_acquire);
}

void CSerialCom::RunJobs()
{
    for (;;) {
        std::function<void()> fn;
        {
            std::lock_guard lock(jobsMutex_);
            if (jobs_.empty())
                return;
            fn = std::move(jobs_.front());
            jobs_.pop_front();
        }
        fn();
    }
}

void CSerialCom::IoLoop()
{
    while (!stop_.load()) {
        RunJobs();
        pollfd fds[2];
        fds[0] = {wakeFd_, POLLIN, 0};
        nfds_t n = 1;
        if (port_) {
            short events = POLLIN;
            if (job_ && port_->bytesToWrite() > 0)
                events |= POLLOUT;
            fds[1] = {static_cast<int>(port_->handle()), events, 0};
            n = 2;
        }
        int timeout = job_ ? 100 : -1;  // a pending write is watched for its time-out
        int r = ::poll(fds, n, timeout);
        if (r < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN) {
            std::uint64_t v;
            while (::read(wakeFd_, &v, sizeof v) > 0) {
            }
        }
        if (n == 2 && port_) {
            if (fds[1].revents & (POLLIN | POLLHUP | POLLERR))
                ReadAvailable((fds[1].revents & (POLLHUP | POLLERR)) != 0);
            if (port_ && (fds[1].revents & POLLOUT))
                port_->flush();
        }
        PumpJob();
    }
    RunJobs();
}

void CSerialCom::SetPortSerial() { info_.kind = DeviceKind::Com; }

int CSerialCom::SetPortUSB()
{
    if (!usbDevice_.empty()) {
        // A device path given for the USB terminal (tests, set-ups the ids do not cover).
        info_.kind = DeviceKind::UsbCom;
        usbName_ = baseName(usbDevice_);
        info_.devicePath = usbDevice_;
        return 1;
    }
    auto found = UsbIdentity::FindTerminal(usbIds_);
    if (!found) {
        SetError(usbIds_.empty() ? "no USB serial device found: connect the terminal's cradle and check its cable"
                                 : "no USB terminal found among the USB serial devices (none matches the configured ids)");
        return 0;
    }
    info_.kind = DeviceKind::UsbCom;
    info_.devicePath = found->path;
    usbName_ = found->name;
    if (auto release = UsbIdentity::ReleaseNumber(usbName_))
        cradleVersion_ = UsbIdentity::ReleaseToTenths(*release);
    return 1;
}

int CSerialCom::OpenConnection()
{
    if (open_.load())
        return 1;
    if (!info_.connectEnabled) {
        SetError("connecting is switched off in the port settings");
        return 0;
    }
    std::string path = info_.devicePath.empty() ? PathForPortNumber(info_.portNumber) : info_.devicePath;
    // Ask the system first: it tells missing, forbidden and busy apart better than the port class.
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SetError(DescribeOpenError(path, errno));
        return 0;
    }
    ::close(fd);
    info_.devicePath = path;
    EnsureThread();
    if (wakeFd_ < 0) {
        SetError(std::string("cannot start the port's I/O thread: ") + std::strerror(errno));
        return 0;
    }
    bool ok = false;
    RunInThread([this, &ok] { OpenInThread(ok); });
    return ok ? 1 : 0;
}

void CSerialCom::OpenInThread(bool& ok)
{
    auto* port = new QSerialPort;
    port->setPortName(QString::fromStdString(info_.devicePath));
    if (!port->open(QIODevice::ReadWrite)) {
        QSerialPort::SerialPortError e = port->error();
        std::string why = port->errorString().toStdString();
        if (e == QSerialPort::PermissionError)
            SetError("device busy: " + info_.devicePath + " is in use by another program (" + why + ")");
        else if (e == QSerialPort::DeviceNotFoundError)
            SetError(DescribeOpenError(info_.devicePath, ENOENT));
        else
            SetError("cannot open " + info_.devicePath + ": " + why);
        delete port;
        ok = false;
        return;
    }
    // A pseudo-terminal refuses some of these (no modem lines); that does not matter to it.
    port->setBaudRate(info_.baudRate > 0 ? info_.baudRate : 115200);
    port->setDataBits(info_.dataBits == 7   ? QSerialPort::Data7
                      : info_.dataBits == 6 ? QSerialPort::Data6
                      : info_.dataBits == 5 ? QSerialPort::Data5
                                            : QSerialPort::Data8);
    port->setParity(info_.parity == 1 ? QSerialPort::OddParity : info_.parity == 2 ? QSerialPort::EvenParity : QSerialPort::NoParity);
    port->setStopBits(info_.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->clearError();
    port_ = port;
    lineErrors_.store(0);
    SetError({});
    open_.store(true);
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
    if (job_)
        FinishJob(kWriteFailed);
    bool wasOpen = open_.exchange(false);
    if (port_) {
        QSerialPort* p = port_;
        port_ = nullptr;
        p->close();
        delete p;
    }
    if (wasOpen && receiveHook_)
        receiveHook_(nullptr, 0);  // a reader waiting for bytes looks again
}

void CSerialCom::ReadAvailable(bool hangup)
{
    // The descriptor is readable: let the port class take the bytes in, then hand them on.
    bool got = port_->waitForReadyRead(0);
    char buf[4096];
    for (;;) {
        qint64 n = port_->read(buf, sizeof buf);
        if (n <= 0)
            break;
        if (receiveHook_)
            receiveHook_(reinterpret_cast<const std::uint8_t*>(buf), static_cast<int>(n));
    }
    QSerialPort::SerialPortError e = port_->error();
    // A hang-up with nothing to read stays a hang-up: polling on would only spin.
    if (e == QSerialPort::ResourceError || (!got && hangup) ||
        (!got && e != QSerialPort::NoError && e != QSerialPort::TimeoutError)) {
        lineErrors_.store(static_cast<unsigned>(e));
        DeviceGone();
        return;
    }
    if (e != QSerialPort::NoError)
        port_->clearError();
}

void CSerialCom::DeviceGone()
{
    // Unplugged, or the other end of a pseudo-terminal closed.
    SetError("the device " + info_.devicePath + " went away");
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

int CSerialCom::WritePieces(const WritePiece* pieces, std::size_t count, bool animate)
{
    if (!open_.load() || !thread_)
        return kWriteFailed;
    auto job = std::make_shared<Job>();
    job->pieces.assign(pieces, pieces + count);
    job->animate = animate;
    Post([this, job] { StartJob(job); });
    int r;
    while ((r = job->result.load(std::memory_order_acquire)) < 0)
        job->result.wait(-1, std::memory_order_acquire);
    return r;
}

int CSerialCom::PostPieces(const WritePiece* pieces, std::size_t count, bool animate)
{
    if (!open_.load() || !thread_)
        return kWriteFailed;
    auto job = std::make_shared<Job>();
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i)
        total += pieces[i].size;
    job->owned.reserve(total);
    for (std::size_t i = 0; i < count; ++i)
        job->owned.insert(job->owned.end(), pieces[i].data, pieces[i].data + pieces[i].size);
    job->pieces.push_back({job->owned.data(), job->owned.size()});
    job->animate = animate;
    job->posted = true;
    Post([this, job] { StartJob(job); });
    return kWriteOk;
}

void CSerialCom::StartJob(const std::shared_ptr<Job>& job)
{
    if (!port_ || !open_.load()) {
        job->result.store(kWriteFailed, std::memory_order_release);
        job->result.notify_all();
        return;
    }
    for (const WritePiece& p : job->pieces) {
        if (p.size == 0)
            continue;
        if (port_->write(reinterpret_cast<const char*>(p.data), static_cast<qint64>(p.size)) != static_cast<qint64>(p.size)) {
            job->result.store(kWriteFailed, std::memory_order_release);
            job->result.notify_all();
            return;
        }
    }
    // Bytes go out in the order they were handed over: a write that follows a posted one still
    // going out is done when both are.
    if (!job_ || !job->posted) {
        job_ = job;
        TimeOut_Request();
        activityCount_ = 0;
        nextActivityMs_ = nowMs() + 100;
        lastLeft_ = -1;
    }
    port_->flush();
    PumpJob();
}

void CSerialCom::PumpJob()
{
    if (!job_)
        return;
    if (!port_) {
        FinishJob(kWriteFailed);
        return;
    }
    qint64 left = port_->bytesToWrite();
    if (left == 0) {
        FinishJob(kWriteOk);
        return;
    }
    if (left != lastLeft_) {
        lastLeft_ = left;
        TimeOut_Request();  // progress: the time-out starts again
    }
    if (IsTimeOut()) {
        port_->clear(QSerialPort::Output);
        FinishJob(kWriteTimedOut);
        return;
    }
    if (job_->animate && activityHook_ && nowMs() >= nextActivityMs_) {
        // A slow write: cycle the busy icon through its four frames.
        activityCount_ = activityCount_ % 4 + 1;
        activityHook_(activityCount_);
        activityShown_ = true;
        nextActivityMs_ = nowMs() + 100;
    }
}

void CSerialCom::FinishJob(int result)
{
    std::shared_ptr<Job> job = std::move(job_);
    job_.reset();
    if (activityShown_ && activityHook_) {
        activityShown_ = false;
        activityHook_(0);
    }
    if (job) {
        job->result.store(result, std::memory_order_release);
        job->result.notify_all();
    }
}

void CSerialCom::Purge()
{
    RunInThread([this] {
        if (port_)
            port_->clear(QSerialPort::AllDirections);
    });
}

int CSerialCom::IsConnectToUSB() { return info_.kind != DeviceKind::Com && open_.load() ? 1 : 0; }

}  // namespace feld
