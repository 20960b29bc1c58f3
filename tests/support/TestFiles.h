#pragma once
// Small file helpers shared by the tests that move files to and from the terminal.

#include <cstddef>
#include <cstdint>
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

// Bytes that differ from block to block, so a frame in the wrong place shows up.
inline std::vector<std::uint8_t> Pattern(std::size_t n, unsigned seed = 7)
{
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>((i * 167 + seed + (i >> 10)) & 0xFF);
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

}  // namespace feld::test
