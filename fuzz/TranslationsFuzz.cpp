// A language file as a user may drop it into the language folder: any bytes under a .qm name.
// Loading never crashes and a text taken from it, used as a format with the arguments the program
// passes, never reads past what it was given.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "base/Texts.h"
#include "session/Translations.h"

namespace {

std::string scratchFile()
{
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/feldspan-fuzz-" + std::to_string(getpid()) + ".qm";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace feld;
    static const std::string path = scratchFile();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        __builtin_trap();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        __builtin_trap();
    std::fclose(f);
    auto source = QtTextSource::load(path);
    if (!source)
        return 0;
    // Texts the program formats with numbers and names, and a few keys of each kind.
    for (int id : {txt::kConnectFailed, txt::kCopied, txt::kDateTime})
        if (auto t = source->byId(id))
            (void)formatText(*t, {42, "C:\\DATA\\X.DAT", 3.5, -1});
    for (const char* key : {"menu.file", "link.refused", "cradle.file.short"})
        if (auto t = source->byKey(key))
            (void)formatText(*t, {"a", 7u, 1234567890123LL});
    return 0;
}
