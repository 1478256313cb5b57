// The simulator's per-frame dispatcher, what closing a window applies, the
// starts at a chosen airport, and the replay of the recorded flight path.
#pragma once

// The open settings window's handler, or the panel clicks, the flight step
// or the replay, then the scene (the toolkit calls both once a frame).
void APPLICATION_update();
void process_zap(int window);

// Starts at the airport with this identifier (4 significant characters) on
// runway choice `runway` (2k runway k, 2k + 1 its reciprocal end).
void gotofield(const char* id, int runway);
// After a latitude and longitude were chosen (env.lat_sou, env.lon_wes set):
// starts at the airport nearest the region's centre.
void set_up_env_with_request_latlon();

// Replay: entering (only while flying) pauses on the newest recorded sample
// and keeps the flight's position, velocity and attitude; leaving (only while
// replaying) flies on from them.
void enter_replay();
void leave_replay();
// One frame of replay by set.replay_mode (1 fast reverse .. 5 fast forward).
void replay_step();
