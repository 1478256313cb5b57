// Menu and key commands without a screen: what the commands ask of the other
// modules (start placement, windows, panel clicks, choosers, files) is
// recorded through the linker's --wrap instead of being carried out, and a
// small world of three airports and four navaids stands in for the database.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// One request that left the menus or the keys.
struct request {
    char kind;   // 's' set_fltvars, 'w' window, 'c' panel click, 'a' ATC pick, 'p' load_plane,
                 // 'r' load_region, 'o' open chooser, 'v' save chooser, 'g' grab_prefs,
                 // 'd' dump_prefs, 'b' sound
    float a, b;
    bool operator==(const request& o) const { return kind == o.kind && a == o.a && b == o.b; }
};
std::ostream& operator<<(std::ostream& os, const request& r);

extern std::vector<request> requests;
// The texts of every notice, its lines joined by "|".
extern std::vector<std::string> notices;
// What the wrapped choosers and the situation reader answer.
extern int chooser_answer;
extern int grab_answer;
// What the wrapped aircraft loader answers: 1 when it refuses a damaged file.
extern int refuse_plane;
// Set: panel clicks are recorded and also carried out by the real panel.
extern int clicks_reach_panel;
// The path handed to the last dump_prefs.
extern std::string dumped_path;

// Requests of one kind, by their first value.
std::vector<float> requested(char kind);

// Airports: 0 "Alpha Field Municipal Airport" with runways 09L/27R and 09R/27L,
// 1 outside the region, 2 "Rooftop" with a 100 m pad 04; navaids: 0 VOR
// "Alpha VOR", 1 NDB "Beta NDB", 2 a VOR outside, 3 a localizer.
void fixture_region();

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override;
};
