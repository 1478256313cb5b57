// Instrument landing systems made from the runway geometry of the bundled
// database, where the public source has none: per chosen runway end a
// localizer, a glide slope and an outer and a middle marker, placed as a real
// installation stands, on frequencies of the ILS channel plan.
#pragma once

#include <set>
#include <string>
#include <vector>

// A runway as the database holds it.
struct ils_runway {
    double lat, lon;          // reference point, the runway's middle, degrees
    int hdng;                 // true heading from the first end, whole degrees
    double length_ft;
    int num;                  // designator of the first end
    char side;                // 'L', 'C', 'R' or 'x'
    double displaced_ft[2];   // landing threshold displacement of the first and second end
};

// Where one end's installation stands; end 0 is the approach to the first
// end (course hdng), end 1 the approach to the second.
struct ils_geometry {
    int course;               // localizer course, degrees true
    double loc_lat, loc_lon;  // on the centre line beyond the far end
    double gs_lat, gs_lon;    // past the landing threshold, beside the centre line
    double om_lat, om_lon;    // outer marker on the extended centre line
    double mm_lat, mm_lon;    // middle marker
};

const double LOC_BEYOND_FT = 1000;     // localizer past the far end
const double GS_PAST_FT = 1000;        // glide slope past the landing threshold
const double GS_ASIDE_FT = 400;        // and to the left of the centre line
const double OM_BEFORE_NM = 5;         // outer marker before the threshold
const double MM_BEFORE_FT = 3500;      // middle marker before the threshold
const double LOC_SEPARATION_NM = 150;  // no two localizers nearer share a frequency

ils_geometry ils_end_geometry(const ils_runway& r, int end);

// The designator of an end ("07L", "25R", "18").
std::string ils_end_name(const ils_runway& r, int end);

// One runway end asking for an ILS.
struct ils_site {
    std::string apt_id, apt_name;
    double elev_ft;   // the airport's: the runway lies flat at it
    ils_runway runway;
    int end;
};

// A navaid line of "nav_dat".
struct navaid_line {
    int type;   // 2 NDB, 3 VOR, 4 localizer, 6 glide slope, 7 outer and 8 middle marker
    double lat, lon, elev_ft;
    int f12;    // an NDB's in kHz, else in units of 10 kHz
    int hdng;   // course, degrees true
    std::string id, name;
};

// The channel plan: 108.10 to 111.95 MHz, odd tenths and their +50 kHz.
std::vector<int> ils_channels();

// Makes the installations of the sites in their order, so the earlier keep a
// channel where the later find none: a site without a free channel within the
// separation, or without an identifier or name left, gets no ILS; nor does
// any once `room` navaids have been made. taken_ids and taken_names hold those
// already in the database and grow with what is made. Appends the navaids to
// out; returns per site 1 when it got an ILS.
std::vector<int> make_ils(const std::vector<ils_site>& sites, std::set<std::string>* taken_ids,
                          std::set<std::string>* taken_names, int room, std::vector<navaid_line>* out);
