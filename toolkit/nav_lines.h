// One airport line of "apt_dat" and one navaid line of "nav_dat".
//
// The writers put one line on `ouf` (opened with ouf_open); the readers take
// the rest of a line from the input stream after the caller has read the
// record type with intscanNOSN. Runway arguments point to three values each.
#pragma once

void dump_apt_line(const float* apt_lat, const float* apt_lon, const int* apt_num, const char* apt_lr,
                   const int* apt_hdng, const int* apt_len, const int* apt_width, const int* apt_lite,
                   float apt_h, int apt_twr, const char* apt_id, const char* apt_name);
// apt_id receives at most 4 characters (char[5]), apt_name at most 38 (char[40]).
void scan_apt_line(float* apt_lat, float* apt_lon, int* apt_num, char* apt_lr, int* apt_hdng, int* apt_len,
                   int* apt_width, int* apt_lite, float* apt_h, int* apt_twr, char* apt_id, char* apt_name);

// nav_f12: kind 2 (NDB) the frequency in kHz, else in units of 10 kHz.
void dump_nav_line(int nav_type, float nav_lat, float nav_lon, float nav_h, int nav_f12, int nav_hdng,
                   const char* nav_id, const char* nav_name);
void scan_nav_line(int nav_type, float* nav_lat, float* nav_lon, float* nav_h, int* nav_f12, int* nav_hdng,
                   char* nav_id, char* nav_name);
