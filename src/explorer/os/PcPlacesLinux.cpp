// The PC tree's places on Linux: the mounted file systems as Qt reports them, each with its block
// device's removable flag from /sys.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "explorer/PcListing.h"

namespace feld {

namespace {

// /sys/class/block/<name>/removable of the disk a device belongs to: a partition's flag is its
// disk's. -1 when there is no such device (a loop file, a fuse mount).
int removableFlag(const QByteArray& device)
{
    const QString dev = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath();  // /dev/mapper/x -> /dev/dm-0
    if (!dev.startsWith(QLatin1String("/dev/")))
        return -1;
    QString block = QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(dev).fileName()).canonicalFilePath();
    if (block.isEmpty())
        return -1;
    if (QFile::exists(block + QStringLiteral("/partition")))
        block = QFileInfo(block).path();
    QFile flag(block + QStringLiteral("/removable"));
    if (!flag.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray value = flag.read(4).trimmed();
    return value == "1" ? 1 : value == "0" ? 0 : -1;
}

}  // namespace

std::vector<MountFacts> ReadMounts()
{
    std::vector<MountFacts> out;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        MountFacts m;
        m.root = volume.rootPath().toStdString();
        m.fsType = volume.fileSystemType().toStdString();
        m.label = volume.name().toStdString();
        m.removable = removableFlag(volume.device());
        out.push_back(std::move(m));
    }
    return out;
}

std::vector<PcPlace> PcPlaces() { return ChoosePlaces(ReadMounts(), QDir::homePath().toStdString()); }

}  // namespace feld
