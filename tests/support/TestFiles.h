#pragma once
// Small file helpers shared by the tests that move files to and from the terminal.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
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
        // A name nobody else has: create_directory makes it only when it is new.
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            auto candidate = std::filesystem::temp_directory_path() / ("feldspan-test-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec))
                path_ = candidate;
        }
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    // `name` is UTF-8, on every system.
    std::filesystem::path operator/(const std::string& name) const { return path_ / std::u8string(name.begin(), name.end()); }

private:
    std::filesystem::path path_;
};

}  // namespace feld::test
