// Changing one value of an INI settings file: every other byte stays, and what is written is what
// QSettings itself would write for that key and value.

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <unistd.h>

#include <filesystem>

#include "session/ConfigIni.h"
#include "support/TestFiles.h"

namespace feld {
namespace {

namespace fs = std::filesystem;

struct EditCase {
    const char* what;
    std::string before;
    std::vector<ini::Assignment> set;
    std::string after;
};

TEST(ConfigIniTest, ChangesOnlyTheValuesSet)
{
    const EditCase cases[] = {
        {"spacing and a comment after the value stay",
         "; mine\n[FeldSpan]\n  Settings\\Baudrate =  9600   ; slow line\nunknown=\"a, b\"\n",
         {{"FeldSpan/Settings/Baudrate", "38400"}},
         "; mine\n[FeldSpan]\n  Settings\\Baudrate =  38400   ; slow line\nunknown=\"a, b\"\n"},
        {"another spelling of the key is the key", "[feldspan/SETTINGS]\nbaudrate=9600\n",
         {{"FeldSpan/Settings/Baudrate", "4800"}}, "[feldspan/SETTINGS]\nbaudrate=4800\n"},
        {"every copy of the key changes, so none shadows the new value",
         "[FeldSpan]\nSettings\\Baudrate=9600\n[FeldSpan]\nsettings\\baudrate=19200\n",
         {{"FeldSpan/Settings/Baudrate", "4800"}}, "[FeldSpan]\nSettings\\Baudrate=4800\n[FeldSpan]\nsettings\\baudrate=4800\n"},
        {"a missing key goes after its group's last entry",
         "[FeldSpan]\nSettings\\Baudrate=9600\n# hash note\n\n[PATH]\nLANGUAGE=3\n",
         {{"FeldSpan/Standby/Type", "1"}, {"FeldSpan/Standby/string1", "@a;b"}},
         "[FeldSpan]\nSettings\\Baudrate=9600\nStandby\\Type=1\nStandby\\string1=\"@@a;b\"\n# hash note\n\n[PATH]\nLANGUAGE=3\n"},
        {"added lines take the file's own line ends; a missing group comes at the end",
         "[FeldSpan]\r\nSettings\\Baudrate=9600\r\n[Other]\r\nx=1",
         {{"FeldSpan/Settings/Dump", "1"}, {"PATH/LANGUAGE", "3"}},
         "[FeldSpan]\r\nSettings\\Baudrate=9600\r\nSettings\\Dump=1\r\n[Other]\r\nx=1\r\n\r\n[PATH]\r\nLANGUAGE=3\r\n"},
        {"a value over several lines is replaced whole",
         "[FeldSpan]\nStandby\\string1=a\\\n  b\nStandby\\string2=\"x\ny\"\nnext=1\n",
         {{"FeldSpan/Standby/string1", "c"}, {"FeldSpan/Standby/string2", "d"}},
         "[FeldSpan]\nStandby\\string1=c\nStandby\\string2=d\nnext=1\n"},
        {"an empty file, or one with only its byte-order mark", "\xEF\xBB\xBF", {{"PATH/LANGUAGE", "3"}},
         "\xEF\xBB\xBF[PATH]\nLANGUAGE=3\n"},
    };
    for (const EditCase& c : cases) {
        ini::EditResult r = ini::setValues(c.before, c.set);
        EXPECT_TRUE(r.parsed) << c.what << ": " << r.reason;
        EXPECT_EQ(r.text, c.after) << c.what;
    }

    // What cannot be parsed is not touched, and the message says where.
    const std::pair<std::string, std::string> broken[] = {
        {"[FeldSpan\nx=1\n", "line 1: the section header \"[FeldSpan\" has no closing \"]\""},
        {"[A]\r\nx=1\r\n\r\njunk here\r\n", "line 4: \"junk here\" is neither a KEY=VALUE line, a [section] nor a comment"},
        // Anything added at the end would become part of this value.
        {"[A]\ny=\"open\n", "line 2: \"y=\"open?\" runs to the end of the file (a quote not closed, or a backslash at "
                            "the end of the last line)"},
    };
    for (const auto& [text, reason] : broken) {
        ini::EditResult r = ini::setValues(text, {{"A/x", "2"}});
        EXPECT_FALSE(r.parsed) << text;
        EXPECT_EQ(r.reason, reason);
    }
}

TEST(ConfigIniTest, WritesKeysAndValuesAsQSettingsDoes)
{
    test::TempDir dir;
    const std::string values[] = {"plain",           "C:\\Data\\\xC3\xA4 \xF0\x9F\x98\x80 x", " lead,trail ",
                                  "x\x01" "1\x7F\"q\"\t;", "@at",  "",
                                  std::string("a\0b", 3), "=",  "tab\tend\\"};
    const std::string keys[] = {"plain", "a b", "c%d", "\xC3\x84", "\xF0\x9F\x98\x80"};
    int n = 0;
    for (const std::string& key : keys) {
        for (const std::string& value : values) {
            const std::string file = (dir / ("q" + std::to_string(n++) + ".ini")).string();
            {
                QSettings qs(QString::fromStdString(file), QSettings::IniFormat);
                qs.setValue(QStringLiteral("G/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())),
                            QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
            }
            // QSettings ends its lines with CR LF on Windows; ours end with LF everywhere, which it reads.
            std::string written = test::ReadText(file);
            std::erase(written, '\r');
            EXPECT_EQ(written, "[G]\n" + ini::escapedKey(key) + "=" + ini::escapedValue(value) + "\n")
                << "key " << key << " value " << value;
            EXPECT_EQ(ini::setValues("", {{"G/" + key, value}}).text, written);
        }
    }
}

}  // namespace
}  // namespace feld
