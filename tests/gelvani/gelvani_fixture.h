// A scenery editor on a fresh program folder in a temporary directory: its
// "additional nav data" with the block folder of the square 33 N 119 W and a
// coastlines folder, the preferences beside it, alerts recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

class GelvaniFolder : public ::testing::Test {
protected:
    void SetUp() override;
    std::string dir;
    std::string nav_dir() const { return dir + "additional nav data/"; }
    std::string square_file() const { return nav_dir() + "+030-120/+033-119.env"; }
    static std::vector<std::string> alerts;
};

std::vector<unsigned char> read_bytes(const std::string& path);
void write_bytes(const std::string& path, const std::vector<unsigned char>& b);
std::string read_text(const std::string& path);
void write_text(const std::string& path, const std::string& s);
