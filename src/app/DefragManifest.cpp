#include "app/DefragManifest.h"

#include <charconv>

#include "base/AsciiCase.h"
#include "link/wire/TermCodec.h"
#include "link/wire/TermNames.h"

namespace feld {

namespace {

// The first line says what the file is, so that no other file is ever taken for the list.
constexpr const char* kMagic = "FeldSpan D: copies 1";


template <typename T>
bool number(const std::string& text, T& out)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

const DefragFolder kDefragFolders[3] = {
    {"D:\\Fonts", "d:\\fonts", "FSFonts"},
    {"D:\\Lookup", "d:\\lookup", "FSLook"},
    {"D:\\Program", "d:\\program", "FSPro"},
};

const DefragFolder* defragFolderOf(const std::string& terminalPath)
{
    for (const auto& f : kDefragFolders)
        if (startsWithNoCase(terminalPath, std::string(f.terminal) + "\\"))
            return &f;
    return nullptr;
}

std::string defragCopyName(const std::string& terminalPath)
{
    const DefragFolder* folder = defragFolderOf(terminalPath);
    if (!folder)
        return {};
    std::string name = terminalPath.substr(std::string(folder->terminal).size() + 1);
    if (!wire::isSafeTerminalName(name) || !wire::lookupNameProblem(name).empty())
        return {};
    return name;
}

std::string encodeDefragManifest(const std::vector<DefragCopy>& copies)
{
    std::string out = std::string(kMagic) + "\n";
    for (const auto& c : copies)
        out += c.terminalPath + "\t" + std::to_string(c.size) + "\t" + std::to_string(c.modified) + "\n";
    return out;
}

bool parseDefragManifest(const std::string& text, std::vector<DefragCopy>& copies, std::string& why)
{
    copies.clear();
    std::size_t at = 0;
    int lineNo = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lineNo == 1) {
            if (line != kMagic) {
                why = "not a list of defragmentation copies";
                return false;
            }
            continue;
        }
        if (line.empty())
            continue;
        DefragCopy c;
        std::size_t t1 = line.find('\t'), t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
        if (t2 == std::string::npos) {
            why = "line " + std::to_string(lineNo) + ": not PATH<tab>SIZE<tab>DATE";
            return false;
        }
        c.terminalPath = line.substr(0, t1);
        if (!number(line.substr(t1 + 1, t2 - t1 - 1), c.size) || !number(line.substr(t2 + 1), c.modified)) {
            why = "line " + std::to_string(lineNo) + ": the size or the date is not a number";
            return false;
        }
        if (defragCopyName(c.terminalPath).empty()) {
            why = "line " + std::to_string(lineNo) + ": " + c.terminalPath + " is no file of D:\\Fonts, D:\\Lookup or D:\\Program";
            return false;
        }
        copies.push_back(c);
    }
    if (lineNo == 0) {
        why = "the file is empty";
        return false;
    }
    return true;
}

}  // namespace feld
