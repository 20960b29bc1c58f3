#include "session/ConfigStore.h"

#include <QStringList>
#include <QVariant>

namespace feld {
namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& v) { return v.toStdString(); }

std::string statusText(QSettings::Status st)
{
    switch (st) {
    case QSettings::AccessError: return "the file cannot be written (check its permissions and the free space)";
    case QSettings::FormatError: return "the file is not a valid settings file";
    default: return "unknown error";
    }
}

}  // namespace

std::unique_ptr<QSettings> openStore(const std::string& file)
{
    if (file.empty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("TOLVERANET SOFTWARE"), QStringLiteral("FeldBuilder"));
    return std::make_unique<QSettings>(q(file), QSettings::IniFormat);
}

std::string storeLocation(const std::string& settingsFile)
{
    if (!settingsFile.empty())
        return settingsFile;
    return s(openStore({})->fileName());
}

StoreReader::StoreReader(QSettings& store) : store_(store)
{
    for (const QString& k : store.allKeys())
        lower_.emplace(k.toLower().toStdString(), k);
}

std::optional<std::string> StoreReader::text(const std::string& key) const
{
    QString k = q(key);
    if (!store_.contains(k)) {
        auto it = lower_.find(k.toLower().toStdString());
        if (it == lower_.end())
            return std::nullopt;
        k = it->second;
    }
    QVariant v = store_.value(k);
    if (v.typeId() == QMetaType::QStringList)
        return s(v.toStringList().join(QLatin1Char(',')));
    if (!v.canConvert<QString>())
        return std::string();
    return s(v.toString());
}

std::optional<std::string> readStoredText(const std::string& settingsFile, const std::string& key)
{
    auto store = openStore(settingsFile);
    return StoreReader(*store).text(key);
}

StoreWrite writeStore(const std::string& settingsFile, const std::function<void(QSettings&)>& change, std::string& why)
{
    auto store = openStore(settingsFile);
    if (store->status() == QSettings::FormatError) {
        why = statusText(QSettings::FormatError);
        return StoreWrite::NotSettings;
    }
    change(*store);
    store->sync();
    if (store->status() != QSettings::NoError) {
        why = statusText(store->status());
        return StoreWrite::Failed;
    }
    return StoreWrite::Ok;
}

}  // namespace feld
