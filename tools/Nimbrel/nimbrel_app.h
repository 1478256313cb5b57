// The briefing tool's start-up and its own operation.
#pragma once

namespace nimbrel {

// Reads the current aircraft file and sets the cruise speed.
void prep_plane();
// Start-up after MACIBM_init: preferences, aircraft, airports, stations and
// the departure time. 0 when the program must end.
int nimbrel_start();

} // namespace nimbrel
