// The flight step: one frame of the simulated flight.
#pragma once

// Controls, masses, ground effect, terrain, atmosphere, engines, traffic,
// serial output, the event and second ticks, the frame-period adaptation, the
// clocks, two half-steps of force build-up and integration, and the crash
// test with its restart.
void update_flight();
// The weight, air data, position and heading of an aircraft just placed, as
// its first flight step would give them, without moving it: a start while
// paused shows on the panel at once.
void show_placed_flight();

// Deck pitch (the_dot_now) or roll (phi_dot_now) of ship en (18 the frigate,
// 16 the carrier) at msc.init_time into *the or *phi, degrees; returns its
// rate, degrees/s.
float the_dot_now(float* the, int en);
float phi_dot_now(float* phi, int en);

// Universal time of day from local time at longitude lon, and back: seconds,
// 0..86400, one time-zone rule both ways.
float zulu_with_locl(float locl, float lon);
float locl_with_zulu(float zulu, float lon);

// 1 when the aircraft as it now stands has crashed: on the ground with a sink
// rate above 25 m/s, or pitch or bank past 120 degrees (45 for a helicopter);
// or, anywhere, a position, speed, attitude or rate that is NaN or infinite.
int crashed();
