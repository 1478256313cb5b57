// A small airport table and station loading from text, for the briefing tests.
#pragma once

#include "nimbrel_records.h"
#include "stations.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstdio>
#include <cstring>
#include <string>

inline void set_airport(int a, const char* id, const char* name, float lat, float lon)
{
    using namespace nimbrel;
    strcpy(apt_id[a], id);
    strcpy(apt_name[a], name);
    apt_lat[a][0] = lat;
    apt_lon[a][0] = lon;
}

// Four real airports, west coast.
inline void west_coast_airports()
{
    fill_constants();
    nimbrel::apt_apt_max = 4;
    set_airport(0, "KLAX", "Los Angeles Intl", 33.94f, -118.41f);
    set_airport(1, "KSFO", "San Francisco Intl", 37.62f, -122.37f);
    set_airport(2, "KOAK", "Metropolitan Oakland Intl", 37.72f, -122.22f);
    set_airport(3, "KSJC", "San Jose Intl", 37.36f, -121.93f);
}

inline int load_text(const std::string& text)
{
    std::FILE* f = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    int ok = nimbrel::load_stations(f);
    std::fclose(f);
    return ok;
}
