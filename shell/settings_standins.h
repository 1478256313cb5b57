// Services the settings windows call that belong to the moving map and to
// ATC; weak stand-ins in settings_standins.cpp hold their place until those land.
#pragma once

// One step of the path trail: a line from the previous point to (x1, y1)
// when samples c - 1 and c are both recorded; first starts a new trail.
void plot_path(int first, float x1, float y1, int c);
// The aircraft icon at (x, y) pointing along heading h.
void flashplane(float x, float y, float h);
// The airport's ATIS broadcast into text (400 characters).
void get_ATIS(int airport, int kind, char* text, int flag);
// The joystick window's captions of its 22 buttons (x 198, y 469 - 20 n)
// and of the 31 functions (x 280, y 474 - 15 k), until its frame carries them.
void draw_joystick_captions();
