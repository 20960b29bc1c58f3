#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

#include "link/wire/Frames.h"
#include "link/wire/TermCodec.h"

using namespace feld::wire;

namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> l)
{
    std::vector<std::uint8_t> v;
    for (int b : l)
        v.push_back(static_cast<std::uint8_t>(b));
    return v;
}

}  // namespace

TEST(TermCodecCommand, PacketBytesAndParse)
{
    EXPECT_EQ(makeCommand(kOpDiskInfo, ""), bytes({0x05, 0x0D, 0x0A}));
    EXPECT_EQ(makeCommand(kOpList, "C:\\"), bytes({0x00, 'C', ':', '\\', 0x0D, 0x0A}));

    auto p = makeCommand(kOpGetFile, "C:\\Data\\DATA1.TXT");
    auto c = parseCommand(p.data(), p.size());
    ASSERT_TRUE(c);
    EXPECT_EQ(c->op, kOpGetFile);
    EXPECT_EQ(c->argument, "C:\\Data\\DATA1.TXT");

    // No CR LF, or too short to hold one: not a command.
    auto bad = bytes({0x01, 'A', 0x0D});
    EXPECT_FALSE(parseCommand(bad.data(), bad.size()));
    EXPECT_FALSE(parseCommand(bad.data(), 2));
    EXPECT_FALSE(parseCommand(nullptr, 0));
}

TEST(TermCodecReplyData, StatusDiskInfoAndModel)
{
    auto s = makeStatusReply(6);
    EXPECT_EQ(s, bytes({106}));
    EXPECT_EQ(replyDataStatus(s.data(), s.size()), 6);
    EXPECT_FALSE(replyDataStatus(s.data(), 0));

    DiskInfo info{201, 4'000'000, 3'500'000, 2'000'000, -1};
    auto r = makeDiskInfoReply(1, info);
    ASSERT_EQ(r.size(), kDiskInfoReplySize);
    EXPECT_EQ(r[0], 101);
    EXPECT_EQ(r[1], 201);  // version, little-endian
    EXPECT_EQ(r[17], 0xFF);
    auto back = parseDiskInfoReply(r.data(), r.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->firmware, 201);
    EXPECT_EQ(back->cTotal, 4'000'000);
    EXPECT_EQ(back->cFree, 3'500'000);
    EXPECT_EQ(back->dTotal, 2'000'000);
    EXPECT_EQ(back->dFree, -1);  // D: unformatted stays negative
    EXPECT_FALSE(parseDiskInfoReply(r.data(), r.size() - 1));

    auto m = makeModelInfoReply(1, {191, -2});
    EXPECT_EQ(m, bytes({101, 191, 0, 0xFE, 0xFF}));
    auto mi = parseModelInfoReply(m.data(), m.size());
    ASSERT_TRUE(mi);
    EXPECT_EQ(mi->modelClass, 191);
    EXPECT_EQ(mi->modelNumber, -2);
    auto m9067 = makeModelInfoReply(1, {191, 9067});
    EXPECT_EQ(parseModelInfoReply(m9067.data(), m9067.size())->modelNumber, 9067);
    EXPECT_FALSE(parseModelInfoReply(m.data(), 4));
}

TEST(TermCodecDates, SameBytesReadPerFirmware)
{
    const std::uint8_t date[2] = {0x21, 0x3A};
    const std::uint8_t time[2] = {0, 0};
    auto at200 = decodeDateTime(date, time, 200);
    EXPECT_EQ(at200.year, 2009);
    EXPECT_EQ(at200.month, 1);
    EXPECT_EQ(at200.day, 1);
    auto at199 = decodeDateTime(date, time, 199);
    EXPECT_EQ(at199.year, 2004);
    EXPECT_EQ(at199.month, 9);
    EXPECT_EQ(at199.day, 26);
}

TEST(TermCodecDates, EncodingsRoundTripAndByteOrder)
{
    TermDateTime t{2009, 1, 1, 13, 45, 30};
    Word d200 = encodeDate(t, 200), t200 = encodeTime(t, 200);
    EXPECT_EQ(d200, (Word{0x21, 0x3A}));
    // 13:45:30 -> 13 << 11 | 45 << 5 | 15 = 0x6DAF
    EXPECT_EQ(t200, (Word{0xAF, 0x6D}));
    Word t199 = encodeTime(t, 199);
    EXPECT_EQ(t199, (Word{0x6D, 0xAF}));  // same value, high byte first

    TermDateTime sept{2004, 9, 26, 0, 0, 0};
    EXPECT_EQ(encodeDate(sept, 199), (Word{0x21, 0x3A}));

    for (int fw : {199, 200, 201}) {
        TermDateTime u{2023, 12, 31, 23, 59, 58};
        Word dw = encodeDate(u, fw), tw = encodeTime(u, fw);
        auto back = decodeDateTime(dw.data(), tw.data(), fw);
        EXPECT_EQ(back.year, 2023) << fw;
        EXPECT_EQ(back.month, 12);
        EXPECT_EQ(back.day, 31);
        EXPECT_EQ(back.hour, 23);
        EXPECT_EQ(back.minute, 59);
        EXPECT_EQ(back.second, 58);
    }
    // Below 200 the year wraps every 32 years; the FAT date holds 1980 to 2107.
    TermDateTime y2033{2033, 2, 3};
    Word w = encodeDate(y2033, 199);
    EXPECT_EQ(decodeDateTime(w.data(), w.data(), 199).year, 2001);
    TermDateTime y1970{1970, 5, 6};
    w = encodeDate(y1970, 200);
    EXPECT_EQ(decodeDateTime(w.data(), w.data(), 200).year, 1980);
}

TEST(TermCodecFileHeader, NamesOfTwelveAndThirteenBytes)
{
    FileHeader h;
    h.type = kTypeData;
    h.name = "ABCDEFGH.TXT";  // 12 bytes: fills the field, no terminator
    h.sizeField = 0x01020304;
    h.date = {0x21, 0x3A};
    h.time = {0xAF, 0x6D};
    h.overwrite = 1;
    auto b = makeFileHeader(h);
    ASSERT_TRUE(b);
    EXPECT_EQ((*b)[0], 1);
    EXPECT_EQ((*b)[1], 5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b->data() + 2), 12), "ABCDEFGH.TXT");
    EXPECT_EQ((*b)[14], 0x04);
    EXPECT_EQ((*b)[17], 0x01);
    EXPECT_EQ((*b)[18], 0x21);
    EXPECT_EQ((*b)[20], 0xAF);
    EXPECT_EQ((*b)[22], 1);
    for (std::size_t i = 23; i < 32; ++i)
        EXPECT_EQ((*b)[i], 0) << i;

    auto back = parseFileHeader(b->data(), b->size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, "ABCDEFGH.TXT");
    EXPECT_EQ(back->sizeField, 0x01020304u);
    EXPECT_EQ(back->date, h.date);
    EXPECT_EQ(back->time, h.time);
    EXPECT_EQ(back->overwrite, 1);

    h.name = "ABCDEFGHI.TXT";  // 13 bytes
    EXPECT_FALSE(makeFileHeader(h));

    h.name = "A.B";
    b = makeFileHeader(h);
    ASSERT_TRUE(b);
    EXPECT_EQ((*b)[5], 0);  // NUL-terminated
    EXPECT_EQ(parseFileHeader(b->data(), b->size())->name, "A.B");
    EXPECT_FALSE(parseFileHeader(b->data(), 31));
}

TEST(TermCodecFileHeader, TypeFromFolder)
{
    EXPECT_EQ(fileTypeFor("d:\\program"), kTypeProgram);
    EXPECT_EQ(fileTypeFor("d:\\lookup"), kTypeLookup);
    EXPECT_EQ(fileTypeFor("d:\\fonts"), kTypeFont);
    EXPECT_EQ(fileTypeFor("c:\\data"), kTypeData);
    EXPECT_EQ(fileTypeFor("D:\\Program"), kTypeData);  // the folder search keeps case
    EXPECT_EQ(sizeFieldFor(1000, true), 1008u);
    EXPECT_EQ(sizeFieldFor(1000, false), 1000u);
}

TEST(TermCodecPathHeader, BuildAndParse)
{
    PathFileHeader h;
    h.sizeField = 300000;
    h.date = {0x21, 0x3A};
    h.time = {1, 2};
    h.overwrite = 1;
    h.path = "c:\\data\\DATA1.TXT";
    auto b = makePathFileHeader(h);
    ASSERT_TRUE(b);
    ASSERT_EQ(b->size(), 32 + h.path.size());
    EXPECT_EQ((*b)[0], 1);
    EXPECT_EQ((*b)[5], 0x21);
    EXPECT_EQ((*b)[7], 1);
    EXPECT_EQ((*b)[9], 1);
    EXPECT_EQ((*b)[30], h.path.size());
    EXPECT_EQ((*b)[31], 0);
    for (std::size_t i = 10; i < 30; ++i)
        EXPECT_EQ((*b)[i], 0) << i;

    // The header arrives followed by file bytes; the parser reports where they start.
    std::vector<std::uint8_t> payload = *b;
    payload.push_back('x');
    std::size_t len = 0;
    auto back = parsePathFileHeader(payload.data(), payload.size(), &len);
    ASSERT_TRUE(back);
    EXPECT_EQ(len, b->size());
    EXPECT_EQ(back->path, h.path);
    EXPECT_EQ(back->sizeField, 300000u);
    EXPECT_EQ(back->overwrite, 1);

    // A path length that runs past the bytes received is refused.
    EXPECT_FALSE(parsePathFileHeader(b->data(), b->size() - 1));
    (*b)[31] = 0xFF;
    EXPECT_FALSE(parsePathFileHeader(b->data(), b->size()));
}

TEST(TermCodecKernel, ThousandByteImage)
{
    std::vector<std::uint8_t> file(1000);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i * 7 + 3);
    std::uint32_t expected = 0;
    for (std::size_t i = 0; i < 1000; i += 4)
        expected += file[i] | (file[i + 1] << 8) | (file[i + 2] << 16) | (std::uint32_t(file[i + 3]) << 24);

    auto body = makeKernelBody(file.data(), file.size());
    ASSERT_EQ(body.size(), 1008u);
    EXPECT_EQ(body[0] | (body[1] << 8), 1008);
    EXPECT_EQ(body[2], 0);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), body.begin() + 4));
    std::uint32_t carried = body[1004] | (body[1005] << 8) | (body[1006] << 16) | (std::uint32_t(body[1007]) << 24);
    EXPECT_EQ(carried, expected);

    auto c = checkKernelBody(body.data(), body.size());
    EXPECT_TRUE(c.lengthOk);
    EXPECT_TRUE(c.sumOk);
    EXPECT_EQ(c.fileLength, 1000u);
    body[500] ^= 1;
    EXPECT_FALSE(checkKernelBody(body.data(), body.size()).sumOk);
    EXPECT_FALSE(checkKernelBody(body.data(), body.size() - 1).lengthOk);
    EXPECT_FALSE(checkKernelBody(body.data(), 7).sumOk);
}

TEST(TermCodecKernel, ImagesThatAreNotWholeWordsCannotBeSentIntact)
{
    // The terminal reads the sum at 4 + (N rounded down to words): inside a 1,003-byte image.
    std::vector<std::uint8_t> file(1003, 0xAB);
    EXPECT_TRUE(makeKernelBody(file.data(), file.size()).empty());
    std::vector<std::uint8_t> body(4 + 1003 + 4, 0);
    put32(body.data(), 1011);
    put32(body.data() + 4 + 1000, kernelWordSum(file.data(), 1003));
    EXPECT_EQ(checkKernelBody(body.data(), body.size()).carriedSum, kernelWordSum(file.data(), 1003));
}

TEST(TermCodecDirEntry, EncodeDecodeAndDisplayNames)
{
    DirEntry e;
    e.name = "DATA1.TXT";
    e.attribute = kAttrFile;
    e.time = {0xAF, 0x6D};
    e.date = {0x21, 0x3A};
    e.size = 123456;
    auto b = encodeDirEntry(e);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), 5), "DATA1");
    EXPECT_EQ(b[5], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data() + 8), 3), "TXT");
    EXPECT_EQ(b[11], 0x20);
    EXPECT_EQ(b[12], 0xAF);
    EXPECT_EQ(b[14], 0x21);
    EXPECT_EQ(b[20] | (b[21] << 8) | (b[22] << 16), 123456);
    auto d = decodeDirEntry(b.data());
    EXPECT_EQ(d.name, "DATA1.TXT");
    EXPECT_EQ(d.size, 123456u);
    EXPECT_EQ(d.time, e.time);
    EXPECT_EQ(d.date, e.date);

    // Eight name characters in full run straight into the extension field.
    std::array<std::uint8_t, kDirEntrySize> raw{};
    std::memcpy(raw.data(), "ABCDEFGHTXT", 11);
    EXPECT_EQ(dirEntryDisplayName(raw.data()), "ABCDEFGH.TXT");
    // Shorter names end at the first zero byte, whatever follows it; space padding is trimmed.
    std::memcpy(raw.data(), "AB\0XYZ\0\0", 8);
    EXPECT_EQ(dirEntryDisplayName(raw.data()), "AB.TXT");
    std::memcpy(raw.data(), "AB      T  ", 11);
    EXPECT_EQ(dirEntryDisplayName(raw.data()), "AB.T");
    // No extension: no dot.
    EXPECT_EQ(decodeDirEntry(encodeDirEntry({"DATA", kAttrFolder}).data()).name, "DATA");
    EXPECT_EQ(decodeDirEntry(encodeDirEntry({"C:\\", kAttrDrive}).data()).name, "C:\\");
}

TEST(TermCodecDirEntry, DirectoryRecordsRoundedUp)
{
    std::vector<std::uint8_t> data;
    for (const char* n : {"A.TXT", "B.TXT"}) {
        auto b = encodeDirEntry({n, kAttrFile});
        data.insert(data.end(), b.begin(), b.end());
    }
    EXPECT_EQ(decodeDirectory(data.data(), 0).size(), 0u);
    auto all = decodeDirectory(data.data(), data.size());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].name, "B.TXT");
    // A short last record counts as one and is read as zero-padded.
    auto cut = decodeDirectory(data.data(), 28 + 3);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[1].name, "B");
    EXPECT_EQ(cut[1].size, 0u);
}

TEST(TermCodecNames, EightThreeSplit)
{
    std::string b, e;
    EXPECT_TRUE(splitName83("DATA1.TXT", &b, &e));
    EXPECT_EQ(b, "DATA1");
    EXPECT_EQ(e, "TXT");
    EXPECT_TRUE(splitName83("ROMWrite.abp", &b, &e));
    EXPECT_TRUE(splitName83("NOEXT", &b, &e));
    EXPECT_EQ(e, "");
    for (const char* bad : {"", ".TXT", "ABCDEFGHI.TXT", "A.TEXT", "A.B.C", "A.", "A/B.TXT", "A\\B", "..", ".",
                            "A B.TXT", "A:B"})
        EXPECT_FALSE(splitName83(bad, nullptr, nullptr)) << bad;
}

TEST(TermCodecNames, UnsafeTerminalNames)
{
    for (const char* ok : {"DATA1.TXT", "A", "A..B", ".hidden", "NOEXT"})
        EXPECT_TRUE(isSafeTerminalName(ok)) << ok;
    for (const char* bad : {"", ".", "..", "...", " ", "../etc", "a/b", "..\\x", "C:\\", "C:x", "a\nb"})
        EXPECT_FALSE(isSafeTerminalName(bad)) << bad;
    EXPECT_FALSE(isSafeTerminalName(std::string_view("a\0b", 3)));
}
