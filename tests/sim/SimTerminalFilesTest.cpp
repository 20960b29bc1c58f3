// The terminal's drives and commands: files stored, listed, fetched, refused.

#include <sys/stat.h>

#include "SimHarness.h"

namespace feld::sim::test {

namespace fs = std::filesystem;

class SimFiles : public SimRig {
protected:
    std::vector<wire::DirEntry> list(const std::string& folder)
    {
        Bytes a;
        EXPECT_EQ(pc_->command(wire::kOpList, folder, a), 1);
        return wire::decodeDirectory(a.data(), a.size());
    }
    wire::DiskInfo diskInfo()
    {
        Bytes a;
        EXPECT_EQ(pc_->command(wire::kOpDiskInfo, "", a), 1);
        auto d = wire::parseDiskInfoReply(a.data(), a.size());
        return d ? *d : wire::DiskInfo{};
    }
};

TEST_F(SimFiles, StoredListedAndFetchedAtEachFirmware)
{
    for (int fw : {199, 200, 201}) {
        SCOPED_TRACE(fw);
        TearDown();
        SimConfig c;
        c.firmware = fw;
        start(c);
        for (std::size_t size : {0u, 1u, 511u, 512u, 513u}) {
            std::string name = "F" + std::to_string(size) + ".TXT";
            Bytes body = Pattern(size, static_cast<unsigned>(size + fw));
            ASSERT_EQ(pc_->send(wire::kFile, filePayload(name, body)), 1);
            Bytes got;
            int code = 0;
            ASSERT_EQ(pc_->command(wire::kOpGetFile, "c:\\DATA\\" + name, got, &code), 1);
            EXPECT_EQ(code, wire::kFile);
            auto h = wire::parseFileHeader(got.data(), got.size());
            ASSERT_TRUE(h);
            EXPECT_EQ(h->sizeField, size);
            EXPECT_EQ(h->name, name);
            EXPECT_EQ(Bytes(got.begin() + 32, got.end()), body);
        }
        auto entries = list("C:\\Data");
        ASSERT_EQ(entries.size(), 5u);
        EXPECT_EQ(entries[0].name, "F0.TXT");
        EXPECT_EQ(entries[4].name, "F513.TXT");
        EXPECT_EQ(entries[4].size, 513u);
        EXPECT_EQ(entries[4].attribute, wire::kAttrFile);
        // The date and time words sent (21 3A, AF 6D) are read in this firmware's encoding, kept as
        // the file's time and listed again in the same encoding.
        EXPECT_EQ(entries[0].date, (wire::Word{0x21, 0x3A}));
        EXPECT_EQ(entries[0].time, (wire::Word{0xAF, 0x6D}));
        auto folders = list("c:\\");
        ASSERT_EQ(folders.size(), 1u);
        EXPECT_EQ(folders[0].name, "Data");
        EXPECT_EQ(folders[0].attribute, wire::kAttrFolder);
    }
    // The terminal itself lists its drives.
    auto drives = list("PDT");
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].name, "C:\\");
    EXPECT_EQ(drives[1].attribute, wire::kAttrDrive);
    // 21 3A read at firmware 199 is 2004-09-26.
    EXPECT_GE(logCount({"\"when\":\"2004-09-26T"}), 1);
    EXPECT_GE(logCount({"\"when\":\"2009-01-01T13:45:30\""}), 1);
}

TEST_F(SimFiles, PathFilesOnlyFromFirmware201)
{
    SimConfig c;
    c.firmware = 200;
    start(c);
    EXPECT_EQ(pc_->send(wire::kPathFile, pathPayload("C:\\Data\\A.TXT", {1, 2, 3})), 0);
    EXPECT_EQ(logCount({"\"refused\"", "code 8"}), 1);
    TearDown();
    start();
    Bytes body = Pattern(3000, 9);
    ASSERT_EQ(pc_->send(wire::kPathFile, pathPayload("d:\\New\\Deep\\A.TXT", body)), 1);
    EXPECT_EQ(readHost("D/New/Deep/A.TXT"), body);
    // The folders are found again whatever the letter case.
    EXPECT_EQ(pc_->send(wire::kPathFile, pathPayload("D:\\NEW\\deep\\A.TXT", body)), 6);
    EXPECT_EQ(pc_->send(wire::kPathFile, pathPayload("D:\\NEW\\deep\\A.TXT", {7}, 1)), 1);
    EXPECT_EQ(readHost("D/New/Deep/A.TXT"), Bytes{7});
}

TEST_F(SimFiles, UnformattedFullAndExistingGiveTheirStatuses)
{
    SimConfig c;
    c.cUnformatted = true;
    c.dSize = 1000;
    start(c);
    auto d = diskInfo();
    EXPECT_LT(d.cFree, 0);
    EXPECT_EQ(d.dTotal, 1000);
    EXPECT_EQ(d.dFree, 1000);
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("A.TXT", {1})), 4);
    EXPECT_EQ(pc_->commandStatus(wire::kOpFormat, "C:\\"), 1);
    EXPECT_EQ(diskInfo().cFree, d.cTotal);
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("A.TXT", {1})), 1);
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("A.TXT", {2})), 6);
    EXPECT_EQ(readHost("C/Data/A.TXT"), Bytes{1});

    // D: holds 1000 bytes: 600 fit, 600 more do not; replacing the 600 with 900 does.
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("P.ABP", Bytes(600), wire::kTypeProgram)), 1);
    EXPECT_EQ(diskInfo().dFree, 400);
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("L.DBF", Bytes(600), wire::kTypeLookup)), 5);
    EXPECT_FALSE(fs::exists(hostFile("D/Lookup/L.DBF")));
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("P.ABP", Bytes(900), wire::kTypeProgram, 1)), 1);
    EXPECT_EQ(diskInfo().dFree, 100);

    // Formatting D: empties it; deleting works on files only.
    EXPECT_EQ(pc_->commandStatus(wire::kOpDelete, "D:\\Program\\NONE.ABP"), 0);
    EXPECT_EQ(pc_->commandStatus(wire::kOpDelete, "c:\\data\\a.txt"), 1);
    EXPECT_FALSE(fs::exists(hostFile("C/Data/A.TXT")));
    EXPECT_EQ(pc_->commandStatus(wire::kOpFormat, "D:\\"), 1);
    EXPECT_EQ(list("D:\\").size(), 0u);
    EXPECT_EQ(pc_->commandStatus(wire::kOpFormat, "C:\\Data"), 0);
}

TEST_F(SimFiles, FlashWriterAskedForWithTheModel)
{
    SimConfig c;
    c.needFlashWriter = true;
    c.modelNumber = 9067;
    start(c);
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("A.TXT", {1})), 3);
    const Bytes& r = pc_->lastRaw_;
    ASSERT_EQ(r.size(), 12u);
    EXPECT_EQ(wire::replyModelClass(r.data()), 191);
    EXPECT_EQ(wire::replyModelNumber(r.data()), 9067);
    EXPECT_EQ(r[7], 0x0D);
    EXPECT_EQ(r[8], 0x0A);
    EXPECT_TRUE(wire::parseReply(r.data()));  // the sum holds

    // Op 17 wants it too, whatever the option.
    EXPECT_EQ(pc_->commandStatus(wire::kOpFirmware, ""), 1003);
    // The flash writer arrives as a program file named ROMWrite.abp and goes to C:\Program.
    auto writer = filePayload(term::kFlashWriterTerminalName, {9, 9}, wire::kTypeProgram, 1);
    ASSERT_EQ(pc_->send(wire::kFile, writer), 1);
    EXPECT_EQ(readHost("C/Program/ROMWrite.abp"), (Bytes{9, 9}));
    EXPECT_EQ(pc_->send(wire::kFile, filePayload("A.TXT", {1})), 1);

    // A kernel image stays in memory with its checks logged; op 17 is then taken.
    Bytes image = Pattern(1000, 11);
    auto body = wire::makeKernelBody(image.data(), image.size());
    ASSERT_EQ(pc_->send(wire::kFile, filePayload("KERNEL.BIN", body, wire::kTypeKernel, 1)), 1);
    EXPECT_EQ(terminal_->kernelImage(), body);
    EXPECT_EQ(logCount({"\"stored\"", "\"type\":4", "\"size_field\":1008", "\"kernel_sum_ok\":true"}), 1);
    EXPECT_EQ(pc_->commandStatus(wire::kOpFirmware, ""), 1);
    EXPECT_EQ(logCount({"\"firmware-update\"", "\"kernel_length\":1000"}), 1);
    // A header announcing a huge image is refused before anything is kept.
    auto huge = filePayload("BIG.BIN", Bytes(480), wire::kTypeKernel, 1);
    wire::put32(huge.data() + 14, 0x7FFFFFF0u);
    pc_->write(wire::makeHeader(wire::kFile, 32 + 0x7FFFFFF0u));
    ASSERT_EQ(pc_->readReply().status, 1);
    pc_->write(wire::makeDataFrame(0, huge.data(), huge.size()));
    EXPECT_EQ(pc_->readReply().status, 5);
    EXPECT_EQ(terminal_->kernelImage(), body);

    Bytes a;
    ASSERT_EQ(pc_->command(wire::kOpModel, "", a), 1);
    auto m = wire::parseModelInfoReply(a.data(), a.size());
    ASSERT_TRUE(m);
    EXPECT_EQ(m->modelClass, 191);
    EXPECT_EQ(m->modelNumber, 9067);
}

// The terminal keeps upper-case 8.3 names only: a name or path it cannot hold is refused with
// status 10 and the rule named in the log; nothing outside the drive folders is ever reached.
TEST_F(SimFiles, NamesAndPathsTheTerminalCannotHoldAreRefusedWith10)
{
    start();
    fs::create_directories(hostFile("C/Data"));
    fs::create_symlink(dir_, hostFile("C/Data/OUT"));
    {
        std::ofstream(dir_ + "/SECRET.TXT") << "x";
    }
    const Bytes body{1, 2, 3};
    const int kName = -3, kPath = -8;  // a code-3 file name, a code-8 path; else a command's op
    const struct {
        int what;
        const char* text;
        const char* rule;
    } refused[] = {
        {kName, "data1.txt", "not an upper-case 8.3 name"},
        {kName, "Data1.TXT", "not an upper-case 8.3 name"},
        {kName, "romwrite.abp", "not an upper-case 8.3 name"},
        {kName, "LONGNAME9.TX", "the base is not 1-8 characters"},
        {kName, "A.TXTX", "the extension is not 1-3 characters"},
        {kName, "A B.TXT", "a character a short name cannot hold"},
        {kName, "A\\B.TXT", "a character a short name cannot hold"},
        {kName, "../X.TXT", "more than one '.'"},
        {kName, ".", "the base is not 1-8 characters"},
        {kName, "", "empty name"},
        {kPath, "C:\\Data\\a.txt", "not an upper-case 8.3 name"},
        {kPath, "C:\\..\\..\\X.TXT", "path has a '..' component"},
        {kPath, "C:\\Data\\.\\X.TXT", "path has a '.' component"},
        {kPath, "C:\\Data\\\\X.TXT", "path has an empty component"},
        {kPath, "C:/X.TXT", "path has a '/'"},
        {kPath, "E:\\X.TXT", "drive is not C: or D:"},
        {kPath, "X.TXT", "path does not start with a drive"},
        {kPath, "C:\\LONGNAME1\\X.TXT", "path component LONGNAME1: not an 8.3 name"},
        {kPath, "C:\\Data\\OUT\\X.TXT", "path goes through a link"},
        {kPath, "C:\\", "path names no file"},
        {wire::kOpGetFile, "C:\\Data\\..\\..\\..\\SECRET.TXT", "path has a '..' component"},
        {wire::kOpGetFile, "C:\\Data\\OUT\\SECRET.TXT", "path goes through a link"},
        {wire::kOpDelete, "C:\\..\\SECRET.TXT", "path has a '..' component"},
        {wire::kOpList, "C:\\..", "path has a '..' component"},
        {wire::kOpList, "C:\\Data\\OUT", "path goes through a link"},
        {wire::kOpFormat, "E:\\", "drive is not C: or D:"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.text);
        int before = logCount({"\"refused\"", "\"status\":10", c.rule});
        int st = c.what == kName   ? pc_->send(wire::kFile, filePayload(c.text, body))
                 : c.what == kPath ? pc_->send(wire::kPathFile, pathPayload(c.text, body, 1))
                                   : pc_->send(wire::kCommand, wire::makeCommand(static_cast<std::uint8_t>(c.what), c.text));
        EXPECT_EQ(st, 10);
        EXPECT_EQ(logCount({"\"refused\"", "\"status\":10", c.rule}), before + 1);
    }
    // The flash writer's own name is taken as the PC sends it; existing folders are found whatever
    // the letter case, and so are files.
    EXPECT_EQ(pc_->send(wire::kPathFile, pathPayload("C:\\Program\\ROMWrite.abp", body)), 1);
    EXPECT_EQ(readHost("C/Program/ROMWrite.abp"), body);
    EXPECT_EQ(pc_->send(wire::kPathFile, pathPayload("c:\\DATA\\NEW.TXT", body)), 1);
    Bytes got;
    ASSERT_EQ(pc_->command(wire::kOpGetFile, "c:\\data\\new.txt", got), 1);
    EXPECT_EQ(Bytes(got.begin() + 32, got.end()), body);

    // The link itself is not listed: it is nothing a terminal could hold.
    auto names = list("C:\\Data");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].name, "NEW.TXT");
    EXPECT_TRUE(fs::exists(dir_ + "/SECRET.TXT"));
    // Nothing was written outside the drive folders.
    for (const auto& e : fs::directory_iterator(dir_))
        EXPECT_TRUE(e.path().filename() == "root" || e.path().filename() == "SECRET.TXT") << e.path();
}

TEST_F(SimFiles, HostileNamesOnlyWhenAskedFor)
{
    SimConfig c;
    c.hostileNames = true;
    start(c);
    auto e = list("C:\\");
    std::vector<std::string> names;
    for (const auto& d : e)
        names.push_back(d.name);
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "../EVIL.TXT", "..\\EVIL.TXT"}));
    for (const auto& d : e)
        EXPECT_FALSE(wire::isSafeTerminalName(d.name)) << d.name;
    Bytes a;
    int code = 0;
    ASSERT_EQ(pc_->command(wire::kOpGetFile, "C:\\../EVIL.TXT", a, &code), 1);
    EXPECT_EQ(code, wire::kFile);
    EXPECT_EQ(Bytes(a.begin() + 32, a.end()), (Bytes{'E', 'V', 'I', 'L'}));
    EXPECT_EQ(list("").size(), 2u);  // the drive list stays as it is
}

TEST_F(SimFiles, DrivesAndEmptyFoldersListed)
{
    SimConfig c;
    c.cSize = 5000;
    start(c);
    auto drives = list("");
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].name, "C:\\");
    EXPECT_EQ(drives[0].attribute, wire::kAttrDrive);
    EXPECT_EQ(drives[0].size, 5000u);
    EXPECT_EQ(drives[1].name, "D:\\");
    fs::create_directories(hostFile("C/Empty"));
    EXPECT_EQ(list("C:\\EMPTY\\").size(), 0u);
    Bytes missing;  // a folder that is not there is answered with status 0, not an empty list
    EXPECT_EQ(pc_->command(wire::kOpList, "C:\\Missing", missing), 1);
    EXPECT_EQ(missing, Bytes{100});
    // Files the terminal could not hold are not part of its drive.
    std::ofstream(hostFile("C/Empty/a-long-name.text")) << "x";
    std::ofstream(hostFile("C/Empty/OK.TXT")) << "x";
    auto e = list("C:\\Empty\\*.*");
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].name, "OK.TXT");
}

}  // namespace feld::sim::test
