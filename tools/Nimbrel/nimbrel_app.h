// The briefing tool's start-up and its own operation.
#pragma once

namespace nimbrel {

// Reads the aircraft file named, keeping the one there is when it cannot be
// read, and sets the cruise speed.
void prep_plane(const char* file, const char* path);
// Start-up after MACIBM_init: preferences, aircraft, airports, stations and
// the departure time. 0 when the program must end.
int nimbrel_start();

} // namespace nimbrel
