// Test support: a flat sea window with the ship shapes filled and the aircraft placed.
#pragma once

#include <vector>

// Clears the records, fills the tables and a flat window at sea level; 100 navaids read.
void ship_world();
// The user's aircraft at (x, y, z), world metres.
void place_aircraft(double x, double y, double z);
// The contact outputs back to what the scene frame leaves at the start of a frame.
void reset_contact();

// An outline's points relative to its vessel, (x, z) pairs in order, closed.
struct outline_pts {
    const char* name;
    std::vector<std::vector<float>> xz;
};
// The outer edges of each vessel's decks.
outline_pts carrier_outline();
outline_pts frigate_outline();
outline_pts rig_outline();
