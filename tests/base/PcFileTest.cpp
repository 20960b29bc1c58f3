// Files on the PC: a safe replacement and a whole read by a name that is not ASCII, what a failed
// or discarded write leaves, and what is refused (a folder, a file too big, a link in a save folder).

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "base/LocalFile.h"
#include "base/PcFiles.h"
#include "base/PcPath.h"
#include "base/SafeFile.h"
#include "support/TestFiles.h"

namespace feld::test {
namespace {

namespace fs = std::filesystem;

// The names in the folder: a temporary left behind shows up here.
std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(FsString(e.path().filename()));
    return out;
}

bool Replace(const std::string& path, const std::string& text, LinkAtTarget links = LinkAtTarget::Follow)
{
    SafeFileWriter w;
    return w.Open(path, links) && w.Write(text.data(), text.size()) && w.Commit();
}

TEST(PcFiles, ReplacesAndReadsAFileWithChineseAndPolishInItsName)
{
    TempDir dir;
    const std::string name = "數據資料-zażółć.txt";
    const std::string path = FsString(dir / name);
    ASSERT_TRUE(Replace(path, "first")) << path;
    ASSERT_TRUE(Replace(path, "second, longer"));

    // A write that is thrown away leaves the file as it was and no temporary.
    {
        SafeFileWriter w;
        ASSERT_TRUE(w.Open(path));
        ASSERT_TRUE(w.Write("lost", 4));
        EXPECT_FALSE(w.TempPath().empty());
    }
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{name});
    EXPECT_TRUE(IsRegularFile(path, true));

    LocalFile file;
    std::string why;
    ASSERT_TRUE(ReadLocalFile(path, 1024, file, why)) << why;
    EXPECT_EQ(std::string(file.bytes.begin(), file.bytes.end()), "second, longer");
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    EXPECT_LE(std::abs(file.modified - now), 60) << file.modified;

    // Copied whole to another such name.
    const std::string copy = FsString(dir / "副本-łódź.txt");
    ASSERT_TRUE(CopyLocalFile(path, copy, why)) << why;
    EXPECT_EQ(ReadText(FsPath(copy)), "second, longer");
    EXPECT_TRUE(RemoveFile(copy));
    EXPECT_EQ(StatPath(copy, false).kind, PathKind::Missing);
}

TEST(PcFiles, RefusesFoldersFilesTooBigAndAMissingFolder)
{
    TempDir dir;
    LocalFile file;
    std::string why;
    EXPECT_FALSE(ReadLocalFile(FsString(dir.path()), 1024, file, why));
    EXPECT_NE(why.find("folder"), std::string::npos) << why;
    EXPECT_NE(CopyableFileProblem(FsString(dir.path())), "");

    const std::string big = FsString(dir / "BIG.TXT");
    ASSERT_TRUE(Replace(big, std::string(100, 'x')));
    EXPECT_FALSE(ReadLocalFile(big, 99, file, why));
    EXPECT_NE(why.find("too big"), std::string::npos) << why;
    EXPECT_EQ(CopyableFileProblem(big), "");

    SafeFileWriter w;
    EXPECT_FALSE(w.Open(FsString(dir.path())));  // a folder is never replaced
    EXPECT_FALSE(w.Open(FsString(dir / "no-such-folder" / "A.TXT")));
    EXPECT_FALSE(w.Error().empty());
    EXPECT_TRUE(IsDirectory(FsString(dir.path())));
    EXPECT_EQ(FolderWriteProblem(FsString(dir.path())), "");
    EXPECT_NE(FolderWriteProblem(FsString(dir / "no-such-folder")), "");
}

TEST(PcFiles, ALinkInASaveFolderIsRefusedAndAFollowedOneReplacesItsFile)
{
    TempDir dir;
    const fs::path real = dir / "REAL.TXT";
    const fs::path link = dir / "LINK.TXT";
    ASSERT_TRUE(Replace(FsString(real), "kept"));
    std::error_code ec;
    fs::create_symlink(real, link, ec);
    if (ec)
        GTEST_SKIP() << "this system makes no symbolic links here: " << ec.message();
    EXPECT_TRUE(IsLink(FsString(link)));
    EXPECT_FALSE(Replace(FsString(link), "through", LinkAtTarget::Refuse));
    EXPECT_EQ(ReadText(real), "kept");
    ASSERT_TRUE(Replace(FsString(link), "followed"));
    EXPECT_TRUE(IsLink(FsString(link)));
    EXPECT_EQ(ReadText(real), "followed");
}

// A received file's place: one separator between folder and name whatever the folder ends with,
// and on Windows the backslash throughout what a message shows.
TEST(PcPath, JoinsAFolderAndANameWithOneSeparator)
{
#ifdef _WIN32
    EXPECT_EQ(PcJoin("Z:\\tmp\\save\\", "F.DAT"), "Z:\\tmp\\save\\F.DAT");
    EXPECT_EQ(PcJoin("C:\\Data/", "F.DAT"), "C:\\Data\\F.DAT");
    EXPECT_EQ(PcJoin("C:\\", "F.DAT"), "C:\\F.DAT");
    EXPECT_TRUE(IsPcSeparator('\\'));
#else
    EXPECT_EQ(PcJoin("/tmp/save//", "F.DAT"), "/tmp/save/F.DAT");
    EXPECT_EQ(PcJoin("/", "F.DAT"), "/F.DAT");
    EXPECT_FALSE(IsPcSeparator('\\'));
#endif
    EXPECT_EQ(PcFileName(PcJoin("save", "F.DAT")), "F.DAT");
}

}  // namespace
}  // namespace feld::test
