// Which terminal entries show a PC file exactly as a send would store it: only those are skipped
// by a send of changed files, and anything doubtful goes again.

#include <gtest/gtest.h>

#include <ctime>

#include "link/FolderListing.h"

namespace feld::test {
namespace {

// A local calendar time as Unix seconds.
std::int64_t localTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

TEST(SameOnTerminal, OnlyTheSameNameSizeAndWordsAreTheSame)
{
    const std::int64_t sent = localTime(2026, 12, 9, 14, 30, 41);  // an odd second: the words keep 40
    LocalFile file{"/pc/LOOK01.DBF", std::vector<std::uint8_t>(1234, 7), sent};
    for (int firmware : {150, 200, 201}) {
        SCOPED_TRACE(firmware);
        // What the terminal lists for the file as it was sent.
        auto listed = [&](std::int64_t when) {
            const wire::TermDateTime t = wire::termDateTimeFromUnix(when);
            wire::DirEntry e{"LOOK01.DBF", wire::kAttrFile, wire::encodeTime(t, firmware), wire::encodeDate(t, firmware), 1234};
            return e;
        };
        EXPECT_TRUE(SameOnTerminal(listed(sent), "LOOK01.DBF", file, firmware));
        EXPECT_TRUE(SameOnTerminal(listed(sent - 1), "LOOK01.DBF", file, firmware)) << "the same 2-second step";

        struct Case {
            const char* what;
            wire::DirEntry entry;
        };
        wire::DirEntry otherCase = listed(sent), otherSize = listed(sent), folder = listed(sent), dateZero = listed(sent),
                       badMonth = listed(sent);
        otherCase.name = "look01.dbf";
        otherSize.size = 1235;
        folder.attribute = wire::kAttrFolder;
        dateZero.date = {0, 0};
        dateZero.time = {0, 0};
        // 2026, month 0, day 9, in each encoding.
        const std::uint16_t month0 = firmware >= 200 ? ((2026 - 1980) << 9) | 9 : (26 << 11) | 9;
        badMonth.date = firmware >= 200 ? wire::Word{std::uint8_t(month0), std::uint8_t(month0 >> 8)}
                                        : wire::Word{std::uint8_t(month0 >> 8), std::uint8_t(month0)};
        const Case different[] = {
            {"two seconds later", listed(sent + 2)},
            {"a day earlier", listed(sent - 86400)},
            {"another size", otherSize},
            {"another letter case", otherCase},
            {"a folder", folder},
            {"date and time 0", dateZero},
            {"month 0", badMonth},
        };
        for (const Case& c : different)
            EXPECT_FALSE(SameOnTerminal(c.entry, "LOOK01.DBF", file, firmware)) << c.what;
    }
}

TEST(SameOnTerminal, APcTimeTheWordsCannotHoldIsNeverTheSame)
{
    // Each PC time is stored clamped or wrapped, so a terminal file of another time would match.
    struct Case {
        int firmware;
        std::int64_t when;
    };
    const Case cases[] = {
        {201, localTime(1979, 6, 1, 12, 0, 0)},  // before the FAT date's first year
        {150, localTime(1999, 6, 1, 12, 0, 0)},  // before the old date's first year
        {150, localTime(2035, 6, 1, 12, 0, 0)},  // wraps onto 2003
    };
    for (const Case& c : cases) {
        LocalFile file{"/pc/A.TXT", std::vector<std::uint8_t>(10, 1), c.when};
        const wire::TermDateTime t = wire::termDateTimeFromUnix(c.when);
        wire::DirEntry e{"A.TXT", wire::kAttrFile, wire::encodeTime(t, c.firmware), wire::encodeDate(t, c.firmware), 10};
        EXPECT_FALSE(SameOnTerminal(e, "A.TXT", file, c.firmware)) << c.firmware << " " << t.year;
    }
    // The last year the FAT words hold is still a year like any other.
    const std::int64_t late = localTime(2107, 6, 1, 12, 0, 0);
    LocalFile file{"/pc/A.TXT", std::vector<std::uint8_t>(10, 1), late};
    const wire::TermDateTime t = wire::termDateTimeFromUnix(late);
    if (t.year == 2107) {  // a 32-bit time_t cannot say 2107
        wire::DirEntry e{"A.TXT", wire::kAttrFile, wire::encodeTime(t, 201), wire::encodeDate(t, 201), 10};
        EXPECT_TRUE(SameOnTerminal(e, "A.TXT", file, 201));
    }
}

TEST(UnconfirmedSend, NamesAFileThatIsMissingOrOfAnotherSize)
{
    FolderListing listing;
    listing.state = FolderListing::State::Listed;
    listing.folder = "d:\\lookup";
    listing.entries = {{"ITEMS.DBF", wire::kAttrFile, {}, {}, 100}, {"PRICES", wire::kAttrFolder, {}, {}, 0}};
    EXPECT_EQ(UnconfirmedSend(listing, "d:\\lookup\\ITEMS.DBF", "ITEMS.DBF", 100), "");
    EXPECT_EQ(UnconfirmedSend(listing, "d:\\lookup\\items.dbf", "items.dbf", 100), "") << "the terminal's names ignore case";
    EXPECT_EQ(UnconfirmedSend(listing, "d:\\lookup\\ITEMS.DBF", "ITEMS.DBF", 101),
              "sent but of another size on the terminal: d:\\lookup\\ITEMS.DBF (100 bytes there, 101 sent)");
    EXPECT_EQ(UnconfirmedSend(listing, "d:\\lookup\\PRICES", "PRICES", 0), "sent but not found on the terminal: d:\\lookup\\PRICES")
        << "a folder of that name is no file";
    listing.state = FolderListing::State::Missing;
    listing.entries.clear();
    EXPECT_EQ(UnconfirmedSend(listing, "d:\\lookup\\ITEMS.DBF", "ITEMS.DBF", 100), "sent but not found on the terminal: d:\\lookup\\ITEMS.DBF");
    listing.state = FolderListing::State::Failed;
    listing.why = "no answer";
    EXPECT_NE(UnconfirmedSend(listing, "d:\\lookup\\ITEMS.DBF", "ITEMS.DBF", 100).find("not confirmed"), std::string::npos);
}

}  // namespace
}  // namespace feld::test
