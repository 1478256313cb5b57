// The navigation database: the world's airports, navaids and fixes, read once
// at start-up from "additional nav data" and indexed by everything else.
#pragma once

// Capacities of the database arrays.
const int APT_CAP = 15000;   // airports, three runways each
const int NAV_CAP = 20000;   // navaids, the carrier's two beacons included
const int NAV_READ_CAP = 19997;   // navaids read from the file
const int FIX_CAP = 34000;   // fixes, the end mark's slot included

// Airports: runway reference point (degrees), number (0 = no runway), side
// letter, heading (whole degrees true), length and width (metres), light code;
// elevation (metres), tower flag, 4-character identifier, name.
extern float apt_lat[APT_CAP][3], apt_lon[APT_CAP][3];
extern int apt_num[APT_CAP][3];
extern char apt_lr[APT_CAP][3];
extern int apt_hdng[APT_CAP][3];
extern int apt_len[APT_CAP][3], apt_width[APT_CAP][3];
extern int apt_lite[APT_CAP][3];
extern float apt_h[APT_CAP];
extern int apt_twr[APT_CAP];
extern char apt_id[APT_CAP][5];
extern char apt_name[APT_CAP][40];

// Navaids: type code as written in the file, position (degrees), elevation
// (metres), frequency (NDB kHz, else units of 10 kHz), heading (whole
// degrees), identifier, name.
extern int nav_type[NAV_CAP];
extern float nav_lat[NAV_CAP], nav_lon[NAV_CAP];
extern float nav_h[NAV_CAP];
extern int nav_f12[NAV_CAP];
extern int nav_hdng[NAV_CAP];
extern char nav_id[NAV_CAP][5];
extern char nav_name[NAV_CAP][40];

// Fixes: position (degrees; -999 in unused slots, 99 in the slot after the
// last fix) and five-character name.
extern float fix_lat[FIX_CAP], fix_lon[FIX_CAP];
extern char fix_name[FIX_CAP][6];

// Loads "apt_dat", "nav_dat" and "fix_dat" and sets env.aptmax and
// env.navmax. Every failure ends the program.
void init_country_data();
// Opens one of the three files on inf1, checks its header and skips the line
// after it.
void open_apt_nav_dat(const char* name);

// Type 1 looks up an airport, any other type a navaid of that nav_type; 1
// with *out_index set when found, else 0 and *out_index untouched.
int get_index_from_id(const char* id, int type, int* out_index);
