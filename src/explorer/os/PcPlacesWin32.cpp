// The PC tree's places on Windows: the drive letters and their drive types.
#include <windows.h>

#include "base/os/Utf16Win32.h"
#include "explorer/PcListing.h"

namespace feld {

namespace {

std::vector<DriveFacts> readDrives()
{
    std::vector<DriveFacts> out;
    wchar_t buf[4 * 26 + 2] = {};
    const DWORD n = ::GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buf)), buf);
    if (n == 0 || n >= std::size(buf))
        return out;
    // "A:\", "C:\", ... each ended by a null, the list by another.
    for (const wchar_t* p = buf; *p; p += std::wcslen(p) + 1) {
        if (p[0] < L'A' || p[0] > L'Z' || p[1] != L':')
            continue;
        out.push_back({static_cast<char>(p[0]), ::GetDriveTypeW(p)});
    }
    return out;
}

}  // namespace

// Each drive letter as a mount: its root, its file system's name and label where the volume
// answers (an empty CD-ROM drive or card reader does not, and is not waited for).
std::vector<MountFacts> ReadMounts()
{
    std::vector<MountFacts> out;
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (const DriveFacts& d : readDrives()) {
        MountFacts m;
        m.root = std::string(1, d.letter) + ":\\";
        wchar_t label[MAX_PATH + 1] = {}, fs[MAX_PATH + 1] = {};
        const std::wstring root = os::Utf16(m.root);
        if (::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, fs, MAX_PATH + 1)) {
            m.label = os::Utf8(label);
            m.fsType = os::Utf8(fs);
        }
        m.removable = d.type == DRIVE_REMOVABLE ? 1 : d.type == DRIVE_FIXED ? 0 : -1;
        out.push_back(std::move(m));
    }
    ::SetErrorMode(oldMode);
    return out;
}

std::vector<PcPlace> PcPlaces() { return ChooseDrivePlaces(readDrives()); }

}  // namespace feld
