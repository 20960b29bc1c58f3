#include "session/ReceiveJob.h"

#include <QCryptographicHash>

#include <cstring>
#include <string_view>

#include "base/LineEnds.h"
#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/PcPath.h"
#include "base/SafeFile.h"
#include "base/Texts.h"
#include "link/PdtLink.h"
#include "link/TransferEngine.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"
#include "link/wire/TermStatus.h"

namespace feld {

namespace {

// A PC file appended to is read whole; no terminal drive holds more than this, nor a sane data file.
constexpr std::uint64_t kMaxAppendedFile = 0x7FFFFFFFull;

std::string hashOf(std::string_view bytes)
{
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// What the PC file holds of a terminal file the terminal kept: its first `size` bytes, whose hash
// is `hash`, went into the PC file, which was `pcSize` bytes long then.
struct KeptMemory {
    std::uint64_t size = 0;
    std::uint64_t pcSize = 0;
    std::string hash;
    bool valid = false;
};

std::string memoryPath(const std::string& destination)
{
    const std::size_t cut = destination.rfind('/');
    const std::string folder = cut == std::string::npos ? std::string() : destination.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? destination : destination.substr(cut + 1);
    return folder + "." + name + ".kept";
}

KeptMemory readMemory(const std::string& path)
{
    KeptMemory m;
    LocalFile file;
    std::string ignored;
    if (!IsRegularFile(path, false) || !ReadLocalFile(path, 256, file, ignored))
        return m;
    const std::string text(file.bytes.begin(), file.bytes.end());
    char hash[65] = {};
    unsigned long long size = 0, pcSize = 0;
    if (std::sscanf(text.c_str(), "%llu %llu %64s", &size, &pcSize, hash) == 3 && std::strlen(hash) == 64) {
        m.size = size;
        m.pcSize = pcSize;
        m.hash = hash;
        m.valid = true;
    }
    return m;
}

bool writeMemory(const std::string& path, std::string_view raw, std::uint64_t pcSize, std::string& why)
{
    SafeFileWriter out;
    const std::string text = std::to_string(raw.size()) + " " + std::to_string(pcSize) + " " + hashOf(raw) + "\n";
    if (out.Open(path, LinkAtTarget::Refuse) && out.Write(text.data(), text.size()) && out.Commit())
        return true;
    why = out.Error();
    return false;
}

void forgetMemory(const std::string& path)
{
    if (IsRegularFile(path, false))
        RemoveFile(path);
}

// Why a fetch failed, in words: the line's fault, the terminal's refusal, or no such file.
std::string fetchProblem(const PdtLink& link, const std::string& source, term::Result r)
{
    const std::string what = formatText(tk("receive.notFetched", "%s was not received"), {source});
    if (!link.LastFailure().empty())
        return formatText(tk("term.refusedBecause", "%s: %s"), {what, link.LastFailure()});
    if (r == term::kFailed && link.LastAnswerStatus() == 0)
        return formatText(tk("term.refusedBecause", "%s: %s"),
                          {what, tk("receive.noSuchFile", "the terminal has no such file")});
    return term::explained(what, r);
}

}  // namespace

std::string ReceiveDestination(const std::string& saveFolder, const std::string& name)
{
    return PcJoin(saveFolder, name);
}

std::string CollectionEntryProblem(const std::string& entry)
{
    std::string path;
    if (std::string why = wire::dataFilePath(entry, path); !why.empty())
        return formatText(tk("resident.badEntry", "collection entry '%s' names no terminal file (%s); write it as DATA1.TXT or C:\\Data\\DATA1.TXT"),
                          {entry, why});
    return {};
}

ReceiveOutcome ReceiveFile(PdtLink& link, const ReceiveOrder& order)
{
    ReceiveOutcome outcome;
    auto failed = [&](const std::string& why) {
        outcome.why = why;
        return outcome;
    };

    // Everything the PC side needs is checked before the terminal is spoken to: the destination can
    // be written, and what it holds can be read when it is appended to.
    SafeFileWriter out;
    if (!out.Open(order.destination, order.inSaveFolder ? LinkAtTarget::Refuse : LinkAtTarget::Follow))
        return failed(out.Error());
    std::string old;
    if (order.append && !out.WritesThrough()) {
        const PathStatus st = StatPath(out.Target(), true);
        if (st.kind != PathKind::Missing && st.kind != PathKind::Unknown) {
            LocalFile existing;
            std::string why;
            if (!ReadLocalFile(out.Target(), kMaxAppendedFile, existing, why))
                return failed(formatText(tk("receive.oldUnreadable", "%s cannot be read, so nothing is added to it: %s"),
                                         {out.Target(), why}));
            old.assign(existing.bytes.begin(), existing.bytes.end());
        } else if (st.kind == PathKind::Unknown) {
            return failed(out.Target() + ": " + st.error);
        }
    }
    const std::string memory = memoryPath(out.Target());
    const KeptMemory kept = order.inSaveFolder ? readMemory(memory) : KeptMemory{};

    BufferSink sink;
    if (const term::Result r = link.GetFile(order.source, sink, order.showProgress); !r.ok())
        return failed(fetchProblem(link, order.source, r));
    const std::string_view raw(reinterpret_cast<const char*>(sink.bytes.data()), sink.bytes.size());

    // Records this PC file already holds from a file the terminal kept are not added again: when the
    // terminal's file still begins with them, only what follows them is new.
    std::size_t from = 0;
    if (order.append && kept.valid && old.size() >= kept.pcSize && raw.size() >= kept.size &&
        hashOf(raw.substr(0, kept.size)) == kept.hash)
        from = static_cast<std::size_t>(kept.size);
    const std::string data = FilterLineEnds(raw.substr(from), order.keepCr, order.keepLf);
    if ((!old.empty() && !out.Write(old.data(), old.size())) || (!data.empty() && !out.Write(data.data(), data.size())) ||
        !out.Commit())
        return failed(out.Error());
    outcome.stored = true;
    const std::uint64_t pcSize = old.size() + data.size();

    if (!order.deleteAfter) {
        // An append that used the memory holds the terminal's whole file now; a replacement holds
        // it alone, so what was remembered no longer describes the PC file.
        if (order.inSaveFolder && kept.valid) {
            std::string ignored;
            if (!(order.append && from > 0 && writeMemory(memory, raw, pcSize, ignored)))
                forgetMemory(memory);
        }
        return outcome;
    }
    // Remembered before the delete is asked for, so that a refusal, or the end of the program in
    // between, cannot make the next pass add these records again.
    std::string memoryWhy;
    const bool remembered = !order.inSaveFolder || writeMemory(memory, raw, pcSize, memoryWhy);
    if (const term::Result r = link.RunCommand(wire::kOpDelete, order.source); !r.ok()) {
        outcome.kept = true;
        outcome.refusal = r;
        outcome.why = term::explained(formatText(tk("receive.kept", "received; the terminal kept %s"), {order.source}), r);
        if (!remembered)
            outcome.why += " (" + memoryWhy + ")";
        return outcome;
    }
    if (order.inSaveFolder)
        forgetMemory(memory);
    return outcome;
}

}  // namespace feld
