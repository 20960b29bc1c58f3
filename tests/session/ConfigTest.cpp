#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "session/Config.h"
#include "support/RecorderUi.h"

namespace feld {
namespace {

namespace fs = std::filesystem;

const char* const kInstallMessage =
    "The installation has not been completed. To avoid any unknown error caused, please re-install FeldSpan.";

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("feldspan-config-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "project");
        fs::create_directories(dir_ / "data");
        ini_ = (dir_ / "settings.ini").string();
        if (const char* d = std::getenv("FELDSPAN_DATA_DIR"))
            savedDataDir_ = d;
        setenv("FELDSPAN_DATA_DIR", (dir_ / "data").c_str(), 1);
    }
    void TearDown() override
    {
        if (savedDataDir_)
            setenv("FELDSPAN_DATA_DIR", savedDataDir_->c_str(), 1);
        else
            unsetenv("FELDSPAN_DATA_DIR");
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    void writeFile(const fs::path& p, const std::string& content) { std::ofstream(p, std::ios::binary) << content; }
    std::string readFile(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    // An INI file whose paths point into the test's own folder.
    void writeIniWithPaths(const std::string& more = {})
    {
        writeFile(ini_, "[FeldSpan]\nPATH\\MAINPATH=" + (dir_ / "data").string() + "\nPATH\\PROJECTPATH=" +
                            (dir_ / "project").string() + "\n" + more);
    }
    Config loaded()
    {
        Config c(ini_);
        c.load();
        return c;
    }
    // Everything in the test's folder (and below), by name.
    std::vector<std::string> names()
    {
        std::vector<std::string> out;
        for (const auto& e : fs::recursive_directory_iterator(dir_))
            out.push_back(e.path().lexically_relative(dir_).string());
        std::sort(out.begin(), out.end());
        return out;
    }
    struct Saved {
        bool ok = false;
        std::string error;
    };
    // c.save() in a child process, with files limited to `fileLimit` bytes (a full disk) or as an
    // unprivileged user (root writes into any folder), so the limit stays with the child.
    Saved saveInChild(const Config& c, rlim_t fileLimit, bool unprivileged)
    {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return {false, "no pipe"};
        pid_t pid = ::fork();
        if (pid == 0) {
            ::close(pipeFds[0]);
            if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(3);
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{fileLimit, fileLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::string error;
            bool ok = c.save(&error);
            [[maybe_unused]] ssize_t n = ::write(pipeFds[1], error.data(), error.size());
            ::_exit(ok ? 0 : 1);
        }
        ::close(pipeFds[1]);
        Saved r;
        char buf[512];
        for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;)
            r.error.append(buf, static_cast<std::size_t>(n));
        ::close(pipeFds[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        return r;
    }
    int installMessages(const test::RecorderUi& ui)
    {
        int n = 0;
        for (const auto& t : ui.shownTexts())
            n += t == kInstallMessage;
        return n;
    }

    fs::path dir_;
    std::string ini_;
    std::optional<std::string> savedDataDir_;
};

TEST_F(ConfigTest, MissingStoreGivesTheDefaultsOfTheTable)
{
    Config c = loaded();
    EXPECT_EQ(c.port.portChoice, 1);
    EXPECT_EQ(c.port.serialPort, 1);
    EXPECT_EQ(c.port.selPort, 1);
    EXPECT_EQ(c.port.baudrate, 115200);
    EXPECT_EQ(c.port.databits, 8);
    EXPECT_EQ(c.port.stopbits, 1);
    EXPECT_EQ(c.port.parity, 0);
    EXPECT_EQ(c.id, 0);
    EXPECT_EQ(c.carriageReturn, 1);
    EXPECT_EQ(c.lineFeed, 1);
    EXPECT_EQ(c.deleteAfterReceive, 0);
    EXPECT_EQ(c.dump, 0);
    EXPECT_EQ(c.standby.type, 0);
    EXPECT_EQ(c.standby.timeInterval, 10);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c.standby.fixTimeEnable[i], 0);
        EXPECT_EQ(c.standby.fixTime[i], 0);
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(c.standby.fileEnable[i], 0);
        EXPECT_EQ(c.standby.fileName[i], "");
    }
    EXPECT_EQ(c.languageCode, 0);
    EXPECT_EQ(c.mainPath, (dir_ / "data").string() + "/");
    EXPECT_EQ(c.projectPath, Config::defaultProjectPath());
    EXPECT_EQ(c.projectPath.back(), '/');
    EXPECT_EQ(c.standby.savePath, c.projectPath + "Data");
    EXPECT_EQ(c.standby.savePath1, c.projectPath + "Data");
    EXPECT_EQ(c.transferTempFile, c.projectPath + "FSSPAN.tmp");
    EXPECT_EQ(Config::serialDevicePath(c.port), "/dev/ttyS0");
    EXPECT_TRUE(c.newerSystem);
    EXPECT_FALSE(c.is64Bit);
    // Loading creates nothing: not even the store.
    EXPECT_FALSE(fs::exists(ini_));
}

TEST_F(ConfigTest, DefaultPathsCountAsFoundOnlyWhenTheDataFolderExists)
{
    EXPECT_TRUE(loaded().pathsFound);
    setenv("FELDSPAN_DATA_DIR", (dir_ / "not-installed").c_str(), 1);
    EXPECT_FALSE(loaded().pathsFound);
    // Stored paths are found whatever the data folder.
    writeIniWithPaths();
    EXPECT_TRUE(loaded().pathsFound);
}

TEST_F(ConfigTest, PathsGetOneTrailingSeparator)
{
    writeFile(ini_, "[FeldSpan]\nPATH\\MAINPATH=/opt/feld/\nPATH\\PROJECTPATH=/home/u/proj\n");
    Config c = loaded();
    EXPECT_EQ(c.mainPath, "/opt/feld/");
    EXPECT_EQ(c.projectPath, "/home/u/proj/");
    EXPECT_EQ(c.transferTempFile, "/home/u/proj/FSSPAN.tmp");
    EXPECT_EQ(c.standby.savePath, "/home/u/proj/Data");
}

TEST_F(ConfigTest, UnparsableOrOutOfRangeValuesTakeTheirDefaultsAndAreReported)
{
    writeIniWithPaths("Settings\\Baudrate=fast\nSettings\\Databits=7\nSettings\\Parity=2x\n"
                      "Settings\\Stopbits=99999999999\nSettings\\UsbIds=zz:1\n"
                      "Standby\\TimeInterval=\nStandby\\FixTime1=4294967296\nStandby\\FixTime2=-5\n"
                      "Settings\\SerialPort=257\nSettings\\Dump=2\nStandby\\Type=-1\n"
                      "[PATH]\nLANGUAGE=english\n");
    const std::string before = readFile(ini_);
    Config c(ini_);
    const std::vector<std::string> problems = c.load();
    // Each bad value once, with its key and the default used; the good ones say nothing.
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Settings/SerialPort", "1"}, {"Settings/UsbIds", "(none)"}, {"Settings/Baudrate", "115200"},
        {"Settings/Stopbits", "1"},   {"Settings/Parity", "0"},      {"Settings/Dump", "0"},
        {"Standby/Type", "0"},        {"Standby/TimeInterval", "10"}, {"Standby/FixTime1", "0"},
        {"PATH/LANGUAGE", "0"}};
    ASSERT_EQ(problems.size(), expected.size()) << ::testing::PrintToString(problems);
    for (const auto& [key, def] : expected) {
        auto hit = std::find_if(problems.begin(), problems.end(), [&](const std::string& p) {
            return p.find(key + " in " + ini_) != std::string::npos && p.find("using the default " + def) != std::string::npos;
        });
        EXPECT_NE(hit, problems.end()) << key << " in " << ::testing::PrintToString(problems);
    }
    EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [](const std::string& p) {
        return p.rfind("bad value \"fast\" for FeldSpan/Settings/Baudrate", 0) == 0;
    })) << ::testing::PrintToString(problems);
    EXPECT_EQ(readFile(ini_), before);
    EXPECT_EQ(c.port.baudrate, 115200);
    EXPECT_EQ(c.port.databits, 7);
    EXPECT_EQ(c.port.parity, 0);
    EXPECT_EQ(c.port.stopbits, 1);
    EXPECT_TRUE(c.port.usbIds.empty());
    EXPECT_EQ(c.standby.timeInterval, 10);
    EXPECT_EQ(c.standby.fixTime[0], 0);
    EXPECT_EQ(c.standby.fixTime[1], -5);
    EXPECT_EQ(c.languageCode, 0);
}

TEST_F(ConfigTest, GarbageOrUnreadableStoreGivesDefaults)
{
    std::string junk;
    for (int i = 0; i < 5000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    writeFile(ini_, junk);
    Config c = loaded();
    EXPECT_EQ(c.port.baudrate, 115200);
    EXPECT_EQ(c.standby.timeInterval, 10);

    // A folder where the file should be: nothing to read, and saving says why it fails.
    Config d((dir_ / "project").string());
    d.load();
    EXPECT_EQ(d.port.databits, 8);
    std::string error;
    EXPECT_FALSE(d.save(&error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}

TEST_F(ConfigTest, KeysAreFoundWhateverTheirCase)
{
    // A store written on Windows may spell the section "Path" where we write "PATH".
    writeFile(ini_, "[FeldSpan]\nPath\\MainPath=/opt/x\nsettings\\BAUDRATE=9600\n[path]\nlanguage=3\n");
    Config c = loaded();
    EXPECT_EQ(c.mainPath, "/opt/x/");
    EXPECT_EQ(c.port.baudrate, 9600);
    EXPECT_EQ(c.languageCode, 3);
}

TEST_F(ConfigTest, SaveWritesEverythingButDumpAndReadsBack)
{
    writeIniWithPaths("Settings\\Dump=1\n");
    Config c = loaded();
    EXPECT_EQ(c.dump, 1);
    c.standby.fixTimeEnable[2] = 1;
    c.standby.fixTime[2] = 1733660000;
    c.standby.fileEnable[9] = 1;
    c.standby.fileName[9] = "C:\\Data\\DATA10.TXT";
    c.standby.savePath = "/srv/collect";
    c.port.baudrate = 38400;
    c.port.serialDevice = "/dev/ttyUSB3";
    c.port.usbIds = {{0x0403, 0x6001}, {0x1a86, 0x7523}};
    c.deleteAfterReceive = 1;
    c.id = 77;
    c.dump = 0;  // the menu never changes it; even if something did, it is not written
    std::string error;
    ASSERT_TRUE(c.save(&error)) << error;

    Config back = loaded();
    EXPECT_EQ(back.standby, c.standby);
    EXPECT_EQ(back.port, c.port);
    EXPECT_EQ(back.deleteAfterReceive, 1);
    EXPECT_EQ(back.id, 77);
    EXPECT_EQ(back.dump, 1);
    EXPECT_EQ(Config::serialDevicePath(back.port), "/dev/ttyUSB3");
    // FixTime3Enable is the key the third flag lives under.
    EXPECT_NE(readFile(ini_).find("FixTime3Enable=1"), std::string::npos);
}

TEST_F(ConfigTest, AFailedWriteLeavesTheOldFileAsItWasAndNothingBeside)
{
    writeIniWithPaths("Settings\\Baudrate=9600\n");
    const std::string before = readFile(ini_);
    const auto namesBefore = names();
    Config c = loaded();
    c.port.baudrate = 38400;
    c.standby.fileName[0] = std::string(20000, 'x');  // more than the disk below takes

    // A folder that cannot take a new file, beside a settings file that could be written in place.
    fs::permissions(ini_, fs::perms::all & ~fs::perms::others_exec & ~fs::perms::group_exec & ~fs::perms::owner_exec);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec | fs::perms::group_read | fs::perms::group_exec);
    Saved readOnly = saveInChild(c, RLIM_INFINITY, true);
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_FALSE(readOnly.ok);
    EXPECT_NE(readOnly.error.find("cannot write the settings to " + ini_), std::string::npos) << readOnly.error;
    EXPECT_NE(readOnly.error.find("ermission denied"), std::string::npos) << readOnly.error;
    EXPECT_TRUE(readFile(ini_) == before) << "the old settings file changed";
    EXPECT_EQ(names(), namesBefore);

    // A disk that fills half way through the new file.
    Saved full = saveInChild(c, 8192, false);
    EXPECT_FALSE(full.ok);
    EXPECT_NE(full.error.find("cannot write the settings to " + ini_), std::string::npos) << full.error;
    EXPECT_TRUE(readFile(ini_) == before) << "the old settings file changed";
    EXPECT_EQ(names(), namesBefore);

    // With room, the same save goes through.
    ASSERT_TRUE(c.save());
    EXPECT_EQ(loaded().standby.fileName[0], c.standby.fileName[0]);
    EXPECT_EQ(names(), namesBefore);
}

TEST_F(ConfigTest, ALinkedSettingsFileIsReplacedWhereItLives)
{
    fs::create_directories(dir_ / "real");
    const fs::path real = dir_ / "real" / "feld.ini";
    writeFile(real, "[FeldSpan]\nSettings\\Baudrate=9600\n");
    fs::create_symlink("real/feld.ini", ini_);
    Config c = loaded();
    EXPECT_EQ(c.port.baudrate, 9600);
    c.port.baudrate = 38400;
    ASSERT_TRUE(c.save());
    EXPECT_TRUE(fs::is_symlink(ini_));
    EXPECT_NE(readFile(real).find("Baudrate=38400"), std::string::npos);
    EXPECT_EQ(names(), (std::vector<std::string>{"data", "project", "real", "real/feld.ini", "settings.ini"}));
}

TEST_F(ConfigTest, StartUpWritesTheVersionOnlyWhenAskedAndChecksTheInstallation)
{
    writeIniWithPaths("; the user's own note\n");
    const std::string before = readFile(ini_);
    {
        Config c(ini_);
        test::RecorderUi ui;
        EXPECT_TRUE(c.startUp(ui, StartUpWrites::Nothing));
        EXPECT_EQ(readFile(ini_), before);
    }
    Config c(ini_);
    test::RecorderUi ui;
    EXPECT_TRUE(c.startUp(ui, StartUpWrites::Version));
    EXPECT_EQ(installMessages(ui), 0);
    EXPECT_EQ(*c.value("FeldSpan/PATH/VERSION"), "1300");
    EXPECT_EQ(*c.value("FeldSpan/PATH/VERSIONEX"), "A");
    std::string text = readFile(ini_);
    // Added after the group's last entry; the note stays where it was.
    std::string expected = before;
    expected.insert(expected.find("; the user's"), "PATH\\VERSION=1300\nPATH\\VERSIONEX=A\n");
    EXPECT_EQ(text, expected);
    EXPECT_FALSE(c.builderIniFound);
    EXPECT_EQ(c.handedOverProject, "");
    // Nothing but the default folder for received data is left in the project folder.
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(dir_ / "project"))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"Data"});
}

TEST_F(ConfigTest, InstallationMessageWhenPathsAreMissingAndAFolderMessageWhenItIsNotWritable)
{
    // Defaulted paths with no installed data folder: the message, once; start-up goes on.
    setenv("FELDSPAN_DATA_DIR", (dir_ / "not-installed").c_str(), 1);
    writeFile(ini_, "[FeldSpan]\nPATH\\PROJECTPATH=" + (dir_ / "project").string() + "\n");
    {
        Config c(ini_);
        test::RecorderUi ui;
        c.startUp(ui, StartUpWrites::Nothing);
        EXPECT_EQ(installMessages(ui), 1);
    }
    // A project "folder" that cannot take the probe is named as such, not as a broken installation.
    writeFile(dir_ / "plainfile", "x");
    writeFile(ini_, "[FeldSpan]\nPATH\\MAINPATH=/x\nPATH\\PROJECTPATH=" + (dir_ / "plainfile").string() + "\n");
    {
        Config c(ini_);
        test::RecorderUi ui;
        c.startUp(ui, StartUpWrites::Nothing);
        EXPECT_EQ(installMessages(ui), 0);
        ASSERT_EQ(ui.shownTexts().size(), 1u);
        EXPECT_NE(ui.shownTexts()[0].find((dir_ / "plainfile").string() + "/ cannot be written to"), std::string::npos)
            << ui.shownTexts()[0];
        EXPECT_EQ(ui.eventsOf("message").at(0).value, static_cast<int>(Icon::Warning));
    }
}

TEST_F(ConfigTest, StartUpLeavesAnotherCopysTemporaryFileAlone)
{
    writeIniWithPaths();
    writeFile(dir_ / "project" / "FSSPAN.tmp", "half a transfer");
    Config c(ini_);
    test::RecorderUi ui;
    c.startUp(ui, StartUpWrites::Nothing);
    EXPECT_EQ(installMessages(ui), 0);
    EXPECT_EQ(readFile(dir_ / "project" / "FSSPAN.tmp"), "half a transfer");
}

TEST_F(ConfigTest, StartUpCreatesAMissingProjectFolder)
{
    writeFile(ini_, "[FeldSpan]\nPATH\\MAINPATH=/x\nPATH\\PROJECTPATH=" + (dir_ / "new" / "proj").string() + "\n");
    Config c(ini_);
    test::RecorderUi ui;
    c.startUp(ui, StartUpWrites::Nothing);
    EXPECT_TRUE(fs::is_directory(dir_ / "new" / "proj"));
    EXPECT_EQ(installMessages(ui), 0);
}

TEST_F(ConfigTest, BuilderIniHandsOverTheProject)
{
    writeIniWithPaths();
    auto run = [&](const std::string& content) {
        writeFile(dir_ / "project" / "Builder.ini", content);
        Config c(ini_);
        test::RecorderUi ui;
        c.startUp(ui, StartUpWrites::Nothing);
        return c;
    };
    Config c = run("[General]\r\n[FeldBuilder]=/home/u/p/Shop.ini\r\nOther=1\r\n[FeldBuilder]=second\r\n");
    EXPECT_TRUE(c.builderIniFound);
    EXPECT_EQ(c.handedOverProject, "/home/u/p/Shop.ini");

    c = run("nothing to see\r\n");
    EXPECT_TRUE(c.builderIniFound);  // still project mode
    EXPECT_EQ(c.handedOverProject, "");

    c = run("[FeldBuilder]=/home/u/p/NoLineEnd.ini");
    EXPECT_EQ(c.handedOverProject, "/home/u/p/NoLineEnd.ini");

    // Only CR LF ends the value; a bare LF belongs to it.
    c = run("[FeldBuilder]=a\nb\r\n");
    EXPECT_EQ(c.handedOverProject, "a\nb");

    c = run(std::string("[FeldBuilder]=bin\0ary\r\n", 20));
    EXPECT_EQ(c.handedOverProject, "bin");

    // Written by hand: the key in another letter case, blanks around "=", read as an INI reader would.
    c = run("[General]\r\n  [feldbuilder] = /home/u/p/Hand.ini \r\n");
    EXPECT_EQ(c.handedOverProject, "/home/u/p/Hand.ini");

    c = run("");
    EXPECT_TRUE(c.builderIniFound);
    EXPECT_EQ(c.handedOverProject, "");
}

TEST_F(ConfigTest, HugeBuilderIniIsReadOnlyInPart)
{
    // 8 MiB of text with no line end: the key near the start is found, the value ends where
    // reading stopped, and the far key is never seen.
    std::string big = "[FeldBuilder]=";
    big.append(8 * 1024 * 1024, 'x');
    EXPECT_EQ(Config::handedOverProjectFrom(big).size(), big.size() - 14);
    std::string far(3 * 1024 * 1024, 'y');
    far += "[FeldBuilder]=/late.ini\r\n";
    writeFile(dir_ / "big.ini", far);
    auto data = Config::readFileBounded((dir_ / "big.ini").string(), 1024 * 1024);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size(), 1024u * 1024u);
    EXPECT_EQ(Config::handedOverProjectFrom(*data), "");
    EXPECT_FALSE(Config::readFileBounded((dir_ / "absent.ini").string(), 10));
    EXPECT_FALSE(Config::readFileBounded(dir_.string(), 10));
    // A FIFO would block the start for ever.
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(Config::readFileBounded((dir_ / "fifo").string(), 10));
}

TEST_F(ConfigTest, SingleValuesByKey)
{
    writeIniWithPaths();
    Config c = loaded();
    EXPECT_EQ(Config::canonicalKey("feldspan/settings/baudrate"), "FeldSpan/Settings/Baudrate");
    EXPECT_EQ(Config::canonicalKey("path/language"), "PATH/LANGUAGE");
    EXPECT_FALSE(Config::canonicalKey("FeldSpan/Settings/Nothing"));

    std::string error;
    EXPECT_FALSE(c.setValue("FeldSpan/Settings/Baudrate", "9600 baud", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(c.port.baudrate, 115200);
    EXPECT_FALSE(c.setValue("FeldSpan/Standby/FixTime1", "2147483648", &error));
    EXPECT_FALSE(c.setValue("FeldSpan/PATH/VERSION", "1400", &error));
    EXPECT_FALSE(c.setValue("FeldSpan/Settings/UsbIds", "0403", &error));

    ASSERT_TRUE(c.setValue("FeldSpan/Settings/Baudrate", "9600", &error));
    ASSERT_TRUE(c.storeValue("FeldSpan/Settings/Baudrate", &error)) << error;
    ASSERT_TRUE(c.setValue("FeldSpan/Settings/Dump", "1", &error));
    ASSERT_TRUE(c.storeValue("FeldSpan/Settings/Dump", &error)) << error;
    ASSERT_TRUE(c.setValue("FeldSpan/PATH/PROJECTPATH", "/srv/proj", &error));
    EXPECT_EQ(c.transferTempFile, "/srv/proj/FSSPAN.tmp");

    Config back = loaded();
    EXPECT_EQ(back.port.baudrate, 9600);
    EXPECT_EQ(back.dump, 1);
    EXPECT_EQ(back.projectPath, (dir_ / "project").string() + "/");  // not stored: memory only

    // Every listed key reads back through value().
    for (const auto& [key, value] : back.entries())
        EXPECT_EQ(back.value(key), value) << key;
}

}  // namespace
}  // namespace feld
