// Spoken air traffic control: phrase builders, the active runway and ATIS,
// the flight-plan phases, the controller's replies, traffic and carrier calls
// and the request menu. Every builder appends within a 400-character buffer.
#pragma once

// handle_plan, controller_respond, LSO_respond and reset_atc_dialogue are
// declared where the flight step calls them.
#include "flight/cockpit_calls.h"

// Phrase builders: spoken forms appended at the end of `string`.
void get_phonetic(char w, char* phonetic);
// A whole number as plain digits ("3000").
void app_int(char* string, int n);
void app_freq(char* string, int f1, int f2);
void app_squawk(char* string);
void app_heading_string(char* string, int h, int hownear);
void app_turn_string(char* string, int h, int hownear);
void app_altimeter_string(char* string, float baro);
void app_wind_string(char* string, int wnd_dir, int wnd_spd, int shr_dir, int shr_spd);
void app_rand_plane(char* string, float z);
// A random frequency of 118.00..134.95 MHz and a ground frequency 121.x0.
void app_rand_freq(char* string);
void app_ground_freq(char* string);

// The runway in use at an airport, its spoken designation, and the ATIS text
// (flag 1 lets "WORLD.RWK" override the current weather).
void get_active_rway(int apt_to_check, int* rway, int* direction, int* ils_loc_found, int* ILS_to_use);
void app_current_rway_string(char* string, int apt);
void get_ATIS(int n, char info, char* atis_str, int flag);

// Heading and altitude instructions.
int vector_me(int hdg_des, int hdg_near, int alt_des, int alt_near, int force_message, char* string);
// Other traffic on the frequency and the carrier's landing signal officer.
int make_random_call(int can_be_us, int can_change_frq);
void reset_LSO();

// Which airports and navaids the request menu's pick lists offer.
int use_apt(int n);
int use_nav(int n);
