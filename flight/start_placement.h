// Placing the aircraft: where every flight begins.
#pragma once

// Start types: 9 the chosen airport and runway by msc.typestart (7 take-off,
// 8 VFR final, 9 ILS final); 10, 11 the custom position in set.cus_*; 12, 13,
// 14 final to the nearest grass, dirt or gravel runway; 15 a building-top
// helipad; 16 the carrier; 17 the oil rig; 18 the frigate; 19 formation behind
// the nearest other aircraft; 20 the forest fire; 21 the carrier's catapult;
// 22 a seaplane take-off on open water. A start whose target is not there
// leaves the flight as it was and says so.
void set_fltvars(int type_start);

// A start in the air over a place or a navaid: its speed as a multiple of the
// stall speed, and its height over the ground or the station, m.
const float AIR_START_SPEED = 1.5f;
const float AIR_START_HEIGHT = 1000;
