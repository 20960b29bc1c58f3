// The PC tree's places where the system says nothing about removable media: the mounted file
// systems as Qt reports them, of unknown kind unless their file system tells.
#include <QDir>
#include <QStorageInfo>

#include "explorer/PcListing.h"

namespace feld {

std::vector<MountFacts> ReadMounts()
{
    std::vector<MountFacts> out;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid())
            out.push_back({volume.rootPath().toStdString(), volume.fileSystemType().toStdString(),
                           volume.name().toStdString(), -1});
    return out;
}

std::vector<PcPlace> PcPlaces() { return ChoosePlaces(ReadMounts(), QDir::homePath().toStdString()); }

}  // namespace feld
