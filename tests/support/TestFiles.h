#pragma once
// Small file helpers shared by the tests that move files to and from the terminal.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace feld::test {

inline void WriteFile(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline std::string ReadText(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Bytes that differ from block to block, so a frame in the wrong place shows up: a linear
// congruential sequence, which repeats no stretch of a test file's length; each seed gives others.
inline std::vector<std::uint8_t> Pattern(std::size_t n, unsigned seed = 7)
{
    std::vector<std::uint8_t> v(n);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& b : v) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return v;
}

// The running test's name as one path part ("Case/0" of a parameterised test becomes "Case_0").
inline std::string SafeTestName()
{
    std::string n = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : n)
        if (c == '/')
            c = '_';
    return n;
}

// A fresh folder removed with the object.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "feldspan-test-XXXXXX").string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (const char* made = mkdtemp(buf.data()))
            path_ = made;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace feld::test
