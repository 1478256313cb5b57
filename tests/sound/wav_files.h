// Small WAV files made on the spot, good and damaged.
#pragma once

#include "tests/support/scratch_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace wav {
inline std::string u32(uint32_t v)
{
    std::string s(4, 0);
    for (int i = 0; i < 4; ++i) s[i] = (char)(v >> (8 * i));
    return s;
}

inline std::string u16(uint16_t v)
{
    return std::string{(char)v, (char)(v >> 8)};
}

inline std::string chunk(const std::string& id, const std::string& body)
{
    return id + u32((uint32_t)body.size()) + body;
}

// The 16 bytes every PCM format record has.
inline std::string format(int tag, int channels, int rate, int bits)
{
    int align = channels * bits / 8;
    return u16((uint16_t)tag) + u16((uint16_t)channels) + u32((uint32_t)rate) + u32((uint32_t)(rate * align)) +
           u16((uint16_t)align) + u16((uint16_t)bits);
}

inline std::string riff(const std::string& chunks)
{
    return "RIFF" + u32((uint32_t)(4 + chunks.size())) + "WAVE" + chunks;
}

// Mono 16-bit sine samples.
inline std::string tone(int rate, double hz, double seconds, double amplitude)
{
    std::string s;
    int n = (int)(rate * seconds);
    for (int i = 0; i < n; ++i)
        s += u16((uint16_t)(int16_t)std::lround(amplitude * std::sin(2 * M_PI * hz * i / rate)));
    return s;
}

// A playable mono file at `rate` Hz.
inline std::string pcm_file(int rate)
{
    return riff(chunk("fmt ", format(1, 1, rate, 16)) + chunk("data", tone(rate, 440, 0.05, 8000)));
}

inline void write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder of this process and test under the test temp folder, with a trailing "/".
inline std::string folder(const std::string& name)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test_name = test ? test->name() : "";
    for (char& c : test_name)
        if (c == '/') c = '_';
    std::string dir = ::testing::TempDir() + name + "_" + test_name + "_" + std::to_string(getpid()) + "/";
    std::string clear = "rm -rf '" + dir + "'";
    if (system(clear.c_str()) != 0) return dir;
    mkdir(dir.c_str(), 0755);
    remove_at_exit(dir);
    return dir;
}
} // namespace wav
