// Shared set-up of the ATC tests: the phrases handed to the speech engine, a
// scripted sequence of random draws, the menu's drawing, and a small world of
// two towered airports with an ILS, its glide slope and a VOR.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

// Phrases given to the speech engine, oldest first.
extern std::vector<std::string> spoken;
// Draws of intrand and fltrand, taken in order; once they run out intrand
// gives its minimum and fltrand its maximum (no rare events).
extern std::deque<int> int_draws;
extern std::deque<float> flt_draws;
// Texts and frames drawn, and menu windows opened.
struct drawn_text {
    int colour;
    float x, y;
    std::string text;
    float width, pitch;
};
struct drawn_frame {
    int colour;
    float x, y, dx, dy;
};
extern std::vector<drawn_text> texts;
extern std::vector<drawn_frame> frames;
extern std::vector<int> windows_opened;

// The call sign of the fixture's aircraft.
extern const std::string CALL;

// Fixture database: airport 0 "KDEP" Departure Field at 40.5 N 99 W, 300 m,
// runway 9 (heading 90, 2000 m); airport 1 "KARR" Arrival Field at 41.5 N
// 98 W, 200 m, runway 27L (heading 270, 2500 m); navaid 0 the ILS "Arrival
// ILS" (course 270) at the west end of 27L, 1 its glide slope, 2 the VOR
// "Plains VOR". The window's south-west corner is 40 N 100 W.
struct AtcWorld : ::testing::Test {
    void SetUp() override;
    void TearDown() override;
    // World position of an airport's first runway or of a navaid.
    static float apt_x(int a);
    static float apt_z(int a);
    static float nav_x(int n);
    static float nav_z(int n);
};
