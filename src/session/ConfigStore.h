#pragma once
// The settings store under Config: QSettings on the user's own store ("TOLVERANET SOFTWARE" /
// "FeldBuilder") or on an INI file given instead, read without regard to the case of a key, and
// changed through one write path that touches only the values it sets.

#include <QSettings>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace feld {

// settingsFile empty: the user's own store; otherwise that INI file.
std::unique_ptr<QSettings> openStore(const std::string& settingsFile);
// Where the store lives, for messages.
std::string storeLocation(const std::string& settingsFile);

// Reads keys without regard to case, as the registry does: a file written elsewhere may spell
// a group "Path" where we spell it "PATH".
class StoreReader {
public:
    explicit StoreReader(QSettings& store);
    // The stored text of a key (a list joined with commas); nothing when the key is absent.
    std::optional<std::string> text(const std::string& key) const;

private:
    QSettings& store_;
    std::map<std::string, QString> lower_;
};

// One key's stored text, read afresh from the store.
std::optional<std::string> readStoredText(const std::string& settingsFile, const std::string& key);

enum class StoreWrite {
    Ok,
    NotSettings,  // the store holds something that is not a settings file: left as it is (why: the line)
    Failed,       // the store could not be written: left as it was
};

// Sets each full key ("FeldSpan/Settings/Baudrate") to its text, changing nothing else in the store:
// in an INI file (--settings, and the user's own store on Linux) only the lines holding those keys
// change, or a line is added in the key's group (see ConfigIni.h), and the file is replaced
// safely. Nothing is written when every key already holds its text. On failure `why` says why.
StoreWrite writeStore(const std::string& settingsFile, const std::vector<std::pair<std::string, std::string>>& values,
                      std::string& why);

}  // namespace feld
