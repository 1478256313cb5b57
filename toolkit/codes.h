// Small-integer packings shared by data files and screens, and the names of
// the position-keyed files (terrain squares, elevation tiles, coastlines).
#pragma once

// Runway lighting code: surface T (1..5 -> 27..31) * 10^6, then per end
// glide-slope, runway and approach lights as three digits (end 0 * 1000).
void code_to_lgts(int* typ, int* gls, int* rwy, int* app, int code);
int lgts_to_code(int typ, const int* gls, const int* rwy, const int* app);

void int_to_bol(int* b1, int* b2, int* b3, int* b4, int* b5, int code);
int bol_to_int(int b1, int b2, int b3, int b4, int b5);

// 0 blank, 1..10 the digits, 11..36 the letters.
char code_to_char(int icode);
int char_to_code(char ccode);

// Names are relative to "additional nav data"; folders are separated by "/".
void return_latlon_str_ENV(int lat_file, int lon_file, char* lookup_name, int new_format);
void return_latlon_str_USGS(int lat_file, int lon_file, char* lookup_name);
// One coastline file per square: "+033-119.cst".
void return_latlon_str_COAST(float lat_file, float lon_file, char* lookup_name);
