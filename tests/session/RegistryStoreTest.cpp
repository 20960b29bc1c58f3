// The user's own settings on Windows: the registry below HKCU\Software\TOLVERANET SOFTWARE\FeldBuilder,
// numbers as DWORDs and texts as strings, as the profile functions kept them. The tests run only
// where that key is not there yet (a fresh test prefix), and take it away again.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "base/Ui.h"
#include "session/Config.h"
#include "support/RecorderUi.h"

namespace feld {
namespace {

const wchar_t* const kVendorKey = L"Software\\TOLVERANET SOFTWARE\\FeldBuilder";

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, kVendorKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            ::RegCloseKey(key);
            GTEST_SKIP() << "this user has settings of the program's own; they are left alone";
        }
        owned_ = true;
    }
    void TearDown() override
    {
        if (owned_)
            ::RegDeleteTreeW(HKEY_CURRENT_USER, kVendorKey);
    }

    // The type of a value below the vendor key, and the DWORD or string it holds.
    static DWORD type(const std::wstring& subKey, const wchar_t* name)
    {
        DWORD t = 0;
        if (::RegGetValueW(HKEY_CURRENT_USER, (std::wstring(kVendorKey) + L"\\" + subKey).c_str(), name, RRF_RT_ANY |
                           RRF_NOEXPAND, &t, nullptr, nullptr) != ERROR_SUCCESS)
            return REG_NONE;
        return t;
    }
    static DWORD dword(const std::wstring& subKey, const wchar_t* name)
    {
        DWORD v = 0, size = sizeof v;
        ::RegGetValueW(HKEY_CURRENT_USER, (std::wstring(kVendorKey) + L"\\" + subKey).c_str(), name, RRF_RT_REG_DWORD,
                       nullptr, &v, &size);
        return v;
    }
    static void put(const std::wstring& subKey, const wchar_t* name, DWORD t, const void* data, DWORD size)
    {
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kVendorKey) + L"\\" + subKey).c_str(), name, t, data, size),
                  ERROR_SUCCESS);
    }
    static void putText(const std::wstring& subKey, const wchar_t* name, const std::wstring& text)
    {
        put(subKey, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    bool owned_ = false;
};

TEST_F(RegistryStoreTest, NothingStoredGivesTheDefaultsAndTheCompanionsFolders)
{
    Config c;
    EXPECT_TRUE(c.load().empty());
    EXPECT_EQ(c.mainPath, "C:\\Program Files\\TOLVERA\\FeldBuilder\\");
    EXPECT_EQ(c.projectPath, "C:\\My Documents\\TOLVERA\\FeldBuilder\\");
    EXPECT_EQ(c.standby.savePath, "C:\\My Documents\\TOLVERA\\FeldBuilder\\Data");
    EXPECT_FALSE(c.pathsFound);
    EXPECT_EQ(c.port.baudrate, 115200);
    EXPECT_EQ(c.languageCode, 0);
}

TEST_F(RegistryStoreTest, NumbersAreWrittenAsDwordsAndTextsAsStringsWhereTheOriginalKeptThem)
{
    putText(L"FeldSpan\\PATH", L"MAINPATH", L"D:\\Tools\\FeldBuilder");
    const DWORD language = 3;
    put(L"PATH", L"LANGUAGE", REG_DWORD, &language, sizeof language);
    Config c;
    ASSERT_TRUE(c.load().empty());
    EXPECT_EQ(c.mainPath, "D:\\Tools\\FeldBuilder\\");
    EXPECT_EQ(c.languageCode, 3);
    c.port.baudrate = 9600;
    c.standby.fixTime[0] = -5;
    c.standby.fileName[0] = "C:\\Data\\收集.txt";
    std::string error;
    ASSERT_TRUE(c.save(&error)) << error;
    test::RecorderUi ui;
    ASSERT_TRUE(c.startUp(ui, StartUpWrites::Version, ProjectFolders::Leave));

    EXPECT_EQ(type(L"FeldSpan\\Settings", L"Baudrate"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword(L"FeldSpan\\Settings", L"Baudrate"), 9600u);
    EXPECT_EQ(type(L"FeldSpan\\Standby", L"FixTime1"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword(L"FeldSpan\\Standby", L"FixTime1"), 0xFFFFFFFBu);
    EXPECT_EQ(type(L"FeldSpan\\Standby", L"string1"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(type(L"FeldSpan\\PATH", L"VERSION"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword(L"FeldSpan\\PATH", L"VERSION"), 1300u);
    EXPECT_EQ(type(L"FeldSpan\\PATH", L"VERSIONEX"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(type(L"FeldSpan\\Settings", L"Dump"), static_cast<DWORD>(REG_NONE));  // never written

    Config back;
    ASSERT_TRUE(back.load().empty());
    EXPECT_EQ(back.port.baudrate, 9600);
    EXPECT_EQ(back.standby.fixTime[0], -5);
    EXPECT_EQ(back.standby.fileName[0], "C:\\Data\\收集.txt");
}

TEST_F(RegistryStoreTest, GarbledValuesGiveTheirDefaultsAndANumberStoredAsTextIsPutRight)
{
    putText(L"FeldSpan\\Settings", L"Baudrate", L"9600");
    putText(L"FeldSpan\\Settings", L"Databits", L"eight");
    const unsigned char bytes[] = {0xFF, 0x00, 0x13};
    put(L"FeldSpan\\Settings", L"Parity", REG_BINARY, bytes, sizeof bytes);
    const DWORD huge = 0xFFFFFFFF;
    put(L"FeldSpan\\Settings", L"SerialPort", REG_DWORD, &huge, sizeof huge);
    Config c;
    const std::vector<std::string> problems = c.load();
    EXPECT_EQ(c.port.baudrate, 9600);  // a number stored as text still reads
    EXPECT_EQ(c.port.databits, 8);
    EXPECT_EQ(c.port.parity, 0);
    EXPECT_EQ(c.port.serialPort, 1);
    for (const char* key : {"Databits", "Parity", "SerialPort"})
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(),
                                [&](const std::string& p) { return p.find(std::string("Settings/") + key) != std::string::npos; }))
            << key << " in " << ::testing::PrintToString(problems);
    std::string error;
    ASSERT_TRUE(c.save(&error)) << error;
    EXPECT_EQ(type(L"FeldSpan\\Settings", L"Baudrate"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(dword(L"FeldSpan\\Settings", L"Baudrate"), 9600u);
}

}  // namespace
}  // namespace feld
