// Morse identifiers as a timed schedule, which the flight step's event tick
// plays.
#pragma once

// Morse schedule: 24 slots of kind (2 gap, 3 dot, 4 dash) and start time.
const int MORSE_SLOTS = 24;

// One element at slot n: a dot (0.3 s), a dash (0.5 s) or the gap after a
// letter (1 s); the next slot starts that much later.
void add_dot(int* type_snd, float* time_snd, int n);
void add_das(int* type_snd, float* time_snd, int n);
void add_qui(int* type_snd, float* time_snd, int n);
void build_morse_id(char letter, int* type_snd, float* time_snd, int* n);
