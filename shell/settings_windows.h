// The simulator's settings windows 1-25: per-frame handlers, their shared
// slider and layout helpers.
#pragma once

void manage_id_();   // 1 airport by identifier
void manage_nam();   // 2 airport by name
void manage_wrl();   // 4 world map
void manage_lat();   // 5 latitude and longitude
void manage_whr();   // 6 where am I
void manage_dat();   // 7 data output
void manage_ser();   // 8 serial output
void manage_tim();   // 9 time of day
void manage_ogl();   // 10 rendering options
void manage_spa();   // 11 weather: space
void manage_atm();   // 12 weather: atmosphere
void manage_gnd();   // 13 weather: ground
void manage_wat();   // 14 water
void manage_flt();   // 15 joystick and flight mode
void manage_wgt();   // 16 weights and fuel
void manage_rel();   // 17 realistic reliability
void manage_ins();   // 18 instrument reliability
void manage_eqp();   // 19 equipment reliability
void manage_snd();   // 20 sound
void manage_wrn();   // 21 warnings
void manage_iso();   // 23 isometric region
void manage_pln();   // 25 flight plan

// Slider over *data from data1 at the track's start to data2 at its end:
// dir 0 vertical (54 long, from y up), 1 horizontal (156 long, from x),
// 2 horizontal centred on x (78 each way). 1 in a frame where dragging set it.
int util_scale(float x, float y, int dir, float data1, float data2, float* data);
// Row y of data channel i in window 7: one blank row between groups.
int util_yval(int i);
// One failure row of the reliability windows for item c of the page that
// starts at c_os; reset when the page's slider moved this frame, to frat.
void util_setfailsit(int c, int c_os, float x_os, float y_top, int reset, float frat);
// Isometric projection of a world point (m) into window units.
void util_isomize(const float* point, float* x, float* y, float scale);

// What the windows show, apart for their callers and tests.
// Compass word of a bearing in whole degrees 0..359.
const char* compass_word(int bearing);
// Window 6's sentence: distance and direction from the selected airport.
void where_am_i_text(char* out, int dim);
// Window 12's read-outs.
const char* visibility_words(float nm);
const char* level_words(float level);      // precipitation, turbulence
const char* burst_words(float level);
const char* trend_words(float rate);
// Window 12's cloud heights (feet) after an edit: which = 0 tops, 1 bases
// MSL, 2 bases AGL changed; keeps the tops 1000 ft above the bases.
void couple_cloud_heights(int which, float fieldh, float* tops, float* base_msl, float* base_agl);
// Window 13's choice 1..3 for a friction ratio, the nearest one.
int friction_choice(float fric);
// Window 7's caps: clears the lowest-numbered boxes beyond 4 graph and 10
// cockpit channels.
void cap_data_channels();
// Window 10: writes "VidRes.prf" with the chosen width and height.
void write_resolution_file(int xres, int yres);
// Window 16: whole-aircraft fuel flow (kg/h) at the reference setting, and
// the endurance in hours (0 when nothing burns fuel).
float reference_fuel_flow();
float endurance_hours();

// Module state kept between openings.
extern int button_sel;
extern int new_XRES, new_YRES;
extern float nz_ptch_display, nz_roll_display;
