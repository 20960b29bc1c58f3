// The rules of advanced mode's two trees that need no window: which PC files are shown, what kind a
// mounted place is, what a terminal listing entry becomes, and how the shared list of chosen files
// behaves as both trees fill and empty it.

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "explorer/PcListing.h"
#include "explorer/TerminalListing.h"
#include "explorer/TransferList.h"

namespace feld::test {
namespace {

TEST(PcListingRules, ShowsOnlyNamesTheTerminalCanHold)
{
    const struct {
        const char* name;
        bool shown;
    } cases[] = {
        {"ABCDEFGHIJ.T", true},    {"DATA1.TXT", true},   {"thumbs.db", true}, {"a.b.c", true},
        {"ABCDEFGHIJ.TXT", false},  // 13 characters
        {"README", false},         {"A.HTML", false},     {"NAME.", false},    {"Thumbs.db", false},
        {".hidden.t", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShownInPcListing(c.name), c.shown) << c.name;
}

TEST(PcListingRules, PlacesAndTheirKinds)
{
    const std::vector<MountFacts> mounts = {
        {"/", "ext4", "", 0},
        {"/boot", "ext4", "", 0},             // a system mount: no place
        {"/media/anna/STICK", "vfat", "STICK", 1},
        {"/media/anna/DISC", "iso9660", "DISC", 1},
        {"/mnt/share", "nfs4", "", -1},       // network: left out
        {"/mnt/scratch", "tmpfs", "", -1},    // memory: left out
        {"/mnt/backup", "ext4", "Backup", 0},
        {"/run/media/anna/odd", "fuse.exotic", "", -1},
    };
    const auto places = ChoosePlaces(mounts, "/home/anna");
    ASSERT_EQ(places.size(), 6u);
    EXPECT_EQ(places[0].path, "/");
    EXPECT_EQ(places[0].kind, kNodeFixed);
    EXPECT_EQ(places[1].path, "/home/anna");
    // Sorted by label after the two fixed places.
    EXPECT_EQ(places[2].label, "Backup");
    EXPECT_EQ(places[2].kind, kNodeFixed);
    EXPECT_EQ(places[3].kind, kNodeCdRom);
    EXPECT_EQ(places[4].path, "/media/anna/STICK");
    EXPECT_EQ(places[4].kind, kNodeRemovable);
    EXPECT_EQ(places[5].label, "odd");
    EXPECT_EQ(places[5].kind, kNodeTerminal);  // another kind
    // The system's own disk opens whatever holds it.
    EXPECT_EQ(ChoosePlaces({{"/", "overlay", "", -1}}, "/")[0].kind, kNodeFixed);
    // A home folder on a network file system is no place either.
    const auto networkHome = ChoosePlaces({{"/", "ext4", "", 0}, {"/home", "nfs", "", -1}}, "/home/anna");
    ASSERT_EQ(networkHome.size(), 1u);
    EXPECT_EQ(networkHome[0].path, "/");
}

TEST(PcListingRules, DriveLettersAndTheirKinds)
{
    // Given out of order: D: a CD-ROM, A: removable, Z: network, R: a RAM disk, C: fixed, X: unknown.
    const auto places = ChooseDrivePlaces({{'D', 5}, {'A', 2}, {'Z', 4}, {'R', 6}, {'C', 3}, {'X', 1}});
    ASSERT_EQ(places.size(), 4u);
    const struct {
        const char* root;
        int kind;
    } expected[] = {{"A:\\", kNodeRemovable}, {"C:\\", kNodeFixed}, {"D:\\", kNodeCdRom}, {"X:\\", kNodeTerminal}};
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].label, expected[i].root);
        EXPECT_EQ(places[i].path, expected[i].root);
        EXPECT_EQ(places[i].kind, expected[i].kind) << expected[i].root;
    }
}

std::array<std::uint8_t, 28> Entry(const char* name, const char* ext, std::uint8_t attribute)
{
    std::array<std::uint8_t, 28> e{};
    std::memcpy(e.data(), name, std::min<std::size_t>(std::strlen(name), 8));
    std::memcpy(e.data() + 8, ext, std::min<std::size_t>(std::strlen(ext), 3));
    e[11] = attribute;
    return e;
}

TEST(TerminalListingRules, EntriesBecomeNodesOrAreHidden)
{
    std::vector<std::uint8_t> data;
    for (const auto& e : {Entry("C:\\", "", 0x00), Entry("DATA", "", 0x10), Entry("DATA1", "TXT", 0x20),
                          Entry("README", "", 0x20), Entry("ABCDEFGH", "DBF", 0x20), Entry("LOCKED", "TXT", 0x21),
                          Entry("SECRET", "", 0x02), Entry("..", "", 0x10), Entry("A/B", "TXT", 0x20)})
        data.insert(data.end(), e.begin(), e.end());
    const auto nodes = TerminalNodesOf(data.data(), static_cast<int>(data.size() / 28));
    ASSERT_EQ(nodes.size(), 5u);
    EXPECT_EQ(nodes[0].text, "C:\\");
    EXPECT_EQ(nodes[0].kind, kNodeFixed);
    EXPECT_EQ(nodes[1].text, "DATA");
    EXPECT_EQ(nodes[1].kind, kNodeFolder);
    EXPECT_EQ(nodes[2].text, "DATA1.TXT");
    EXPECT_EQ(nodes[2].kind, kNodeFile);
    EXPECT_EQ(nodes[3].text, "README.");  // the extension bytes all zero
    EXPECT_EQ(nodes[4].text, "ABCDEFGH.DBF");
    // The count is the terminal's signed 16-bit number: 0xFFFF is none.
    EXPECT_TRUE(TerminalNodesOf(data.data(), 0xFFFF).empty());

    EXPECT_EQ(TerminalChildPath("C:\\", "DATA"), "C:\\DATA");
    EXPECT_EQ(TerminalChildPath("C:\\DATA", "DATA1.TXT"), "C:\\DATA\\DATA1.TXT");
    EXPECT_EQ(TerminalChildPath("", "D:\\"), "D:\\");
    EXPECT_EQ(TerminalParentPath("C:\\DATA"), "C:\\");
    EXPECT_EQ(TerminalParentPath("C:\\DATA\\DATA1.TXT"), "C:\\DATA");
    EXPECT_EQ(TerminalParentPath("C:\\"), "");
}

class TransferListRules : public ::testing::Test {
protected:
    TransferList list;
    std::vector<std::string> unmarked;
    TransferList::Unmark unmark = [this](const TransferEntry& e) { unmarked.push_back(e.path); };
    int a = 0, b = 0, c = 0;  // nodes
};

TEST_F(TransferListRules, ChooseCutCopyAndTheOtherTree)
{
    list.ChooseFile(TreeSide::Pc, &a, "/home/anna/A.TXT", 1, unmark);
    list.ChooseFile(TreeSide::Pc, &b, "/home/anna/B.TXT", 1, unmark);
    list.ChooseFile(TreeSide::Pc, &a, "/home/anna/A.TXT", 1, unmark);  // listed once
    ASSERT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.Drag().armed);
    EXPECT_EQ(list.Source(), TreeSide::Pc);
    EXPECT_EQ(list.Entries()[1].folder, "/home/anna/");
    EXPECT_EQ(list.Entries()[1].move, 1);

    list.Copy(TreeSide::Pc);
    EXPECT_EQ(list.PasteCount(), 2);
    EXPECT_EQ(list.Entries()[0].move, 0);
    list.Cut(TreeSide::Pc);
    EXPECT_EQ(list.Entries()[1].move, 1);

    // A terminal file empties the list first, each PC entry unmarked in its own tree.
    list.ChooseFile(TreeSide::Terminal, &c, "C:\\DATA\\LOG.TXT", 0, unmark);
    EXPECT_EQ(unmarked, (std::vector<std::string>{"/home/anna/A.TXT", "/home/anna/B.TXT"}));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Source(), TreeSide::Terminal);
    EXPECT_EQ(list.Entries()[0].folder, "C:\\DATA\\");
    EXPECT_EQ(list.Entries()[0].move, 0);
    EXPECT_TRUE(list.EntriesOf(TreeSide::Pc).empty());
    EXPECT_EQ(list.PasteCount(), 2) << "choosing files leaves the paste count";
}

TEST_F(TransferListRules, ResetKeepsTheSourceAndNodesComeAndGo)
{
    list.ChooseFile(TreeSide::Pc, &a, "/p/A.TXT", 1, unmark);
    list.ResetTo(TreeSide::Terminal, &b, "C:\\B.TXT", unmark);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Entries()[0].move, 0);
    EXPECT_EQ(list.Source(), TreeSide::Pc) << "a right click leaves the source";
    EXPECT_TRUE(list.SourceEntries().empty()) << "a paste takes only entries of the source tree";

    // A re-listed folder: the entry loses its old node and finds the new one by its path.
    list.ForgetNode(&b);
    EXPECT_FALSE(list.Contains(&b));
    list.RebindNode(TreeSide::Pc, "C:\\B.TXT", &c);
    EXPECT_FALSE(list.Contains(&c)) << "only a node of the entry's own tree";
    list.RebindNode(TreeSide::Terminal, "C:\\B.TXT", &c);
    EXPECT_TRUE(list.Contains(&c));
    list.Empty(unmark);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace feld::test
