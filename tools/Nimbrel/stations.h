// Loading the real-weather stations and the figures taken from them and from
// the aircraft: cruise speed and departure time.
#pragma once

#include <cstdio>

namespace nimbrel {

// The simulator's report decoder with the wind and the gust excess stored in
// m/s (kept unrounded so that knots come back exactly) and the time as hhmm.
// Returns the report time in seconds, -99 when it has none.
float decode_station(const char* text, int slot);

// Reads station lines from f into the table, keeping those whose id matches
// an airport (the first in database order). Sets bri.dep_ztime to the last
// report time in seconds (untouched when none has a time). 0 when the table
// overflows (the caller ends the program), else 1.
int load_stations(std::FILE* f);

// hhmm twenty minutes after the last report (seconds, negative for none);
// past midnight it runs on into the next day.
float departure_ztime(float last_report_sec);

// kt, from the never-exceed-in-rough-air speed by engine type.
float cruise_speed(float Vno, int entype);

} // namespace nimbrel
