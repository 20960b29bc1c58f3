// The cradle firmware reader: the suffix with its CRC, the S-records, the image, bad input.

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "cradle/DfuFile.h"
#include "DfuTestFiles.h"

namespace feld {
namespace {

using test::s1;
using test::withSuffix;

DfuFileResult parse(const std::vector<std::uint8_t>& bytes, DfuImage& image)
{
    return ParseDfuBytes(bytes.data(), bytes.size(), &image);
}

TEST(DfuFile, CrcIsTheReflectedCrc32WithoutFinalInversion)
{
    const std::string check = "123456789";
    // The usual CRC-32 of these digits is 0xCBF43926; without the final inversion it is the complement.
    EXPECT_EQ(dfuSuffixCrc(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()), 0x340BC6D9u);
    // Continuing over a second piece gives the same as one pass.
    std::uint32_t part = dfuSuffixCrc(reinterpret_cast<const std::uint8_t*>(check.data()), 4);
    EXPECT_EQ(dfuSuffixCrc(reinterpret_cast<const std::uint8_t*>(check.data()) + 4, 5, part), 0x340BC6D9u);
}

TEST(DfuFile, ValidFileFillsTheImageAndGivesTheIds)
{
    std::string records = "S00F000068656C6C6F202020202000003C\r\n" + s1(0x1000, {0x01, 0x02, 0x03}) +
                          s1(0xC000, {0xAA, 0xBB}) + s1(0x1001, {0x22}) +  // later records overwrite earlier ones
                          "S5030003F9\r\nS9030000FC\r\n";
    auto bytes = withSuffix(records, 0xFE1D, 0x0C8D, 0x0123);
    DfuImage image;
    image.fill(0x00);
    DfuFileResult r = parse(bytes, image);
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(r.vendor, 0xFE1D);
    EXPECT_EQ(r.product, 0x0C8D);
    EXPECT_EQ(r.release, 0x0123);
    EXPECT_EQ(image[0x1000], 0x01);
    EXPECT_EQ(image[0x1001], 0x22);
    EXPECT_EQ(image[0x1002], 0x03);
    EXPECT_EQ(image[0xC000], 0xAA);
    EXPECT_EQ(image[0xC001], 0xBB);
    std::size_t other = 0;
    for (std::uint8_t b : image)
        other += b != 0xFF;
    EXPECT_EQ(other, 5u) << "every byte no record names stays 0xFF";
}

TEST(DfuFile, LineBreaksAndSpacesInsideRecordsDoNotMatter)
{
    std::string plain = s1(0x2000, {0x10, 0x20, 0x30, 0x40}) + "S9030000FC";
    std::string broken = "S1 07 20\r\n00 10 20\n30\r\n 40 38\nS9\r\n030000FC  \r\n";
    DfuImage a, b;
    ASSERT_TRUE(parse(withSuffix(plain, 1, 2, 3), a).ok());
    DfuFileResult r = parse(withSuffix(broken, 1, 2, 3), b);
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(a, b);
    EXPECT_EQ(b[0x2003], 0x40);
}

TEST(DfuFile, SuffixFaultsAreRefusedButStillReportTheIds)
{
    const auto good = withSuffix(s1(0x1000, {1}), 0x1111, 0x2222, 0x3333);
    struct Case {
        const char* what;
        std::size_t offsetFromEnd;
        std::uint8_t xorMask;
        const char* says;
    };
    const Case cases[] = {
        {"one bit of the content", good.size(), 0x04, "CRC mismatch"},
        {"one bit of the CRC", 1, 0x80, "CRC mismatch"},
        {"the signature", 8, 'U' ^ 'X', "no DFU suffix"},
        {"the suffix length", 5, 0x01, "suffix length"},
        {"the DFU release", 9, 0x02, "DFU release"},
        {"the vendor id (covered by the CRC)", 12, 0x01, "CRC mismatch"},
    };
    for (const Case& c : cases) {
        auto bytes = good;
        bytes[bytes.size() - c.offsetFromEnd] ^= c.xorMask;
        DfuImage image;
        DfuFileResult r = parse(bytes, image);
        EXPECT_EQ(r.code, kDfuFileBadSuffix) << c.what;
        EXPECT_NE(r.reason.find(c.says), std::string::npos) << c.what << ": " << r.reason;
        EXPECT_EQ(r.product, 0x2222) << c.what;
        EXPECT_EQ(image[0x1000], 0xFF) << c.what << ": a refused file puts nothing in the image";
    }
}

TEST(DfuFile, FilesShorterThanTheSuffixAreRefused)
{
    for (std::size_t size : {0, 1, 15}) {
        std::vector<std::uint8_t> bytes(size, 'S');
        DfuImage image;
        DfuFileResult r = parse(bytes, image);
        EXPECT_EQ(r.code, kDfuFileBadSuffix) << size;
        EXPECT_NE(r.reason.find("shorter"), std::string::npos) << r.reason;
    }
    // S-records with no suffix at all: their last bytes are text, named as a missing suffix.
    const std::string plain = s1(0x1000, {1, 2, 3});
    DfuImage bare;
    DfuFileResult r = parse(std::vector<std::uint8_t>(plain.begin(), plain.end()), bare);
    EXPECT_NE(r.reason.find("no DFU suffix at the end of the file"), std::string::npos) << r.reason;
    // Exactly a suffix: no records at all is a valid, empty image.
    DfuImage image;
    EXPECT_TRUE(parse(withSuffix("", 1, 2, 3), image).ok());
}

TEST(DfuFile, MalformedRecordsGiveTheirCodes)
{
    struct Case {
        const char* what;
        std::string records;
        std::uint32_t code;
    };
    const Case cases[] = {
        {"lower-case hex digit", "S1051000ab0044", kDfuFileBadRecord},
        {"lower-case digit in the count", "S1a51000AB0044", kDfuFileBadRecord},
        {"skipped record with a lower-case count", "S00a0000", kDfuFileBadRecord},
        {"skipped record longer than the file", "S0100000", kDfuFileBadRecord},
        {"record not starting with S", "S1041000AA41X1041001AA40", kDfuFileBadRecord},
        {"leading garbage", "\t" + s1(0x1000, {1}), kDfuFileBadRecord},
        {"S1 count above 35", "S124" "1000" + std::string(66, '0') + "00", kDfuFileBadRecord},
        {"S1 count leaving no address", "S1021000", kDfuFileBadRecord},
        {"truncated record", "S10710001122", kDfuFileBadRecord},
        {"truncated count", "S1", kDfuFileBadRecord},
        {"odd digit count", "S104100011A" "S9030000FC", kDfuFileBadRecord},
        {"unknown type S4", "S4030000FC", kDfuFileBadRecord},
        {"S1 below 0x1000", s1(0x0FFF, {1}), kDfuFileBadAddress},
        {"S1 at 0x0000", s1(0x0000, {1}), kDfuFileBadAddress},
        {"S1 running past 0xFFFF", s1(0xFFFE, {1, 2, 3}), kDfuFileBadAddress},
        {"S2 record", "S2050100000AF0", kDfuFileBadAddress},
        {"S3 record", "S306000100000AF0", kDfuFileBadAddress},
    };
    for (const Case& c : cases) {
        DfuImage image;
        DfuFileResult r = parse(withSuffix(c.records, 1, 2, 3), image);
        EXPECT_EQ(r.code, c.code) << c.what << ": " << r.reason;
        EXPECT_FALSE(r.reason.empty()) << c.what;
    }
}

TEST(DfuFile, HeaderCountAndStartRecordsMayUseLowerCaseHex)
{
    // They put nothing in the image, so lower-case digits there give no wrong byte; data records
    // stay strict (see the malformed cases).
    std::string records = std::string("S00F000068656c6c6f202020202000003c") + s1(0x9000, {0x5A}) + "S9030000fc";
    DfuImage image;
    DfuFileResult r = parse(withSuffix(records, 1, 2, 3), image);
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(image[0x9000], 0x5A);
}

TEST(DfuFile, ADamagedRecordOfAnyTypeIsRefusedWithItsLine)
{
    // One data byte changed after the file was made, the suffix CRC made anew over the change:
    // only the record's own checksum shows it.
    std::string damagedData = s1(0x9000, {0x11, 0x22, 0x33});
    damagedData[10] = '3';  // 0x22 becomes 0x32
    struct Case {
        const char* what;
        std::string record;
    };
    const Case cases[] = {
        {"a data byte of an S1 record", damagedData},
        {"the address of an S1 record", "S1049001AAC1\r\n"},
        {"an S0 header", "S00600004844521A\r\n"},
        {"an S0 header holding text", "S0080000fw-v1.0/beta\r\n"},
        {"an S5 count", "S5030004F9\r\n"},
        {"an S9 start address", "S9031000FC\r\n"},
        {"an S0 record too short for a checksum", "S000\r\n"},
    };
    for (const Case& c : cases) {
        const auto bytes = withSuffix(s1(0x8000, {1}) + c.record + "S9030000FC\r\n", 1, 2, 3);
        DfuImage image;
        DfuFileResult r = parse(bytes, image);
        EXPECT_EQ(r.code, kDfuFileBadRecord) << c.what << ": " << r.reason;
        EXPECT_NE(r.reason.find("(line 2)"), std::string::npos) << c.what << ": " << r.reason;
        EXPECT_EQ(image[0x8000], 0xFF) << c.what << ": a refused file puts nothing in the image";
    }
    DfuImage image;
    DfuFileResult r = parse(withSuffix(damagedData, 1, 2, 3), image);
    EXPECT_NE(r.reason.find("checksum 0x03 does not match the record's bytes, which give 0xF3"), std::string::npos) << r.reason;
}

TEST(DfuFile, RecordsAtTheEdgesOfTheImageAreAccepted)
{
    DfuImage image;
    DfuFileResult r = parse(withSuffix(s1(0x1000, {0x5A}) + s1(0xFFFE, {0x01, 0x02}) + "S70500000000FA" "S804000000FB", 1, 2, 3), image);
    ASSERT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(image[0x1000], 0x5A);
    EXPECT_EQ(image[0xFFFF], 0x02);
    // A single character left after the last record is not a record.
    EXPECT_TRUE(parse(withSuffix(s1(0x1000, {1}) + "S", 1, 2, 3), image).ok());
}

TEST(DfuFile, ReasonNamesTheLineOfTheFault)
{
    DfuImage image;
    DfuFileResult r = parse(withSuffix(s1(0x1000, {1}) + s1(0x1001, {2}) + "S1041002ab00\r\n", 1, 2, 3), image);
    EXPECT_EQ(r.code, kDfuFileBadRecord);
    EXPECT_NE(r.reason.find("line 3"), std::string::npos) << r.reason;
    EXPECT_NE(r.reason.find("'a'"), std::string::npos) << r.reason;
}

TEST(DfuFile, SuffixOnlyReadingIgnoresTheRecords)
{
    auto bytes = withSuffix("not records at all", 7, 8, 9);
    DfuFileResult r = ParseDfuBytes(bytes.data(), bytes.size(), nullptr);
    EXPECT_TRUE(r.ok()) << r.reason;
    EXPECT_EQ(r.vendor, 7);
    DfuImage image;
    EXPECT_EQ(parse(bytes, image).code, kDfuFileBadRecord);
}

TEST(DfuFile, LoadingFromDiskLeavesNoWorkFileAndRefusesUnreadableFiles)
{
    test::TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    test::WriteFile(dir / "good.dfu", withSuffix(s1(0x3000, {0x42}), 1, 2, 3));
    test::WriteFile(dir / "bad.dfu", withSuffix("S1xx", 1, 2, 3));
    DfuImage image;
    DfuFileResult good = LoadDfuFile((dir / "good.dfu").string(), &image);
    DfuFileResult bad = LoadDfuFile((dir / "bad.dfu").string(), &image);
    DfuFileResult missing = LoadDfuFile((dir / "missing.dfu").string(), &image);
    DfuFileResult folder = LoadDfuFile(dir.path().string(), &image);
    // A sparse file above the size limit is refused without being read into memory.
    {
        std::ofstream big(dir / "big.dfu", std::ios::binary);
    }
    std::filesystem::resize_file(dir / "big.dfu", kDfuFileMaxSize + 1);
    DfuFileResult big = LoadDfuFile((dir / "big.dfu").string(), &image);
    const bool workFileLeft = std::filesystem::exists(dir / "s19.tmp");
    std::filesystem::current_path(previous);

    EXPECT_TRUE(good.ok()) << good.reason;
    EXPECT_EQ(bad.code, kDfuFileBadRecord);
    EXPECT_EQ(missing.code, kDfuFileCannotOpen);
    EXPECT_EQ(folder.code, kDfuFileCannotOpen);
    EXPECT_EQ(big.code, kDfuFileCannotOpen);
    EXPECT_NE(big.reason.find("larger"), std::string::npos) << big.reason;
    EXPECT_FALSE(workFileLeft);
}

}  // namespace
}  // namespace feld
