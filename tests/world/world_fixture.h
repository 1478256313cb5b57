// A scratch program folder with terrain squares written through the toolkit's
// one .env writer, and the world records cleared as at start-up.
#pragma once

#include "toolkit/env_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// Custom-object textures asked for so far (OGL_texbmp is wrapped).
extern int texbmp_calls;

// A regular square: every point at h, water or land.
void regular_square(env_grid* g, int lat, int lon, float h, int water);
// The file's bytes.
std::string file_bytes(const std::string& path);

class WorldFolder : public ::testing::Test {
protected:
    std::filesystem::path dir;
    void SetUp() override;
    void TearDown() override;
    // "additional nav data/<block>/<square>.env" of this folder.
    std::string square_path(int lat, int lon) const;
    void write_square(int lat, int lon, const env_grid& g, const std::vector<env_obstacle>& obs = {}) const;
    // A text file under "additional nav data".
    void put(const std::string& name, const std::string& text) const;
    // One airport at (lat, lon) with one runway; returns its index.
    int add_airport(float lat, float lon, float h, int hdng, int len, int width);
};
