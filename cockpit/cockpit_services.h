// What the simulator asks of the cockpit and ATC.
#pragma once

void speakstring(const char* text);
// Starts a controller's phrase in `string` with a call sign: the player's
// (us 1) or another aircraft's (us 0).
void start_command_string(char* string, int us);
void manage_das(float x, float y);
// The pilot's ATC request menu; 1 takes the highlighted entry.
void plot_atc_options(int is_clicked);
void NAVinc(int* in, int inc);
void COMinc(int* in, int inc);
void ADFinc(int* in, int inc);
void XPNinc(int* in, int inc);

// Morse schedule: 24 slots of kind (2 gap, 3 dot, 4 dash) and start time.
const int MORSE_SLOTS = 24;

// Retunes receiver w: 0, 1 NAV, 4 ADF, 5 GPS.
void setnav(int w);
// 1 (and *minrange = the range) when navaid n is on f12 and strictly nearer
// than both limits; the range is in plain degrees of latitude and longitude.
int check_nav(int n, int f12, float* minrange, float max_usable_range);

// One element at slot n: a dot (0.3 s), a dash (0.5 s) or the gap after a
// letter (1 s); the next slot starts that much later.
void add_dot(int* type_snd, float* time_snd, int n);
void add_das(int* type_snd, float* time_snd, int n);
void add_qui(int* type_snd, float* time_snd, int n);
void build_morse_id(char letter, int* type_snd, float* time_snd, int* n);
