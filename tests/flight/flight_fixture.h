// A small world and aircraft for the flight core: a flat 3 x 2-degree window
// with its south-west corner at 34 N, 118 W, a light single-engine aircraft
// already in SI as after loading, a standard atmosphere table, and alerts
// caught instead of waiting for a person.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

class FlightTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// The text of every alert since the test began, its lines joined by "\n\n".
extern std::vector<std::string> flight_alerts;
std::string alert_text(const std::vector<std::string>& lines);

// Clears every record the flight core touches and fills constants and tables.
void clear_flight_world();
// The window at (34 N, 118 W): grid points 1/177 of 3 degrees of longitude
// and 1/158 of 2 degrees of latitude apart, all at height h.
void fixture_world(float h);
// The test aircraft (numbers in pln as the loader leaves them).
void fixture_aircraft();
// The bundled trainer as the simulator loads it (read once, then copied).
void load_trainer();
// The density table of the start-up and a standard day.
void fixture_atmosphere();
// Runs n flight steps while the real clock advances `ratio` frame periods
// per frame.
void fly_frames(int n, float ratio = 1);
