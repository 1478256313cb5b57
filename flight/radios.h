// The radios' tuning steps and the navigation receivers, which the flight
// step's second tick retunes.
#pragma once

void NAVinc(int* in, int inc);
void COMinc(int* in, int inc);
void ADFinc(int* in, int inc);
void XPNinc(int* in, int inc);

// Retunes receiver w: 0, 1 NAV, 4 ADF, 5 GPS.
void setnav(int w);
// 1 (and *minrange = the range) when navaid n is on f12 and strictly nearer
// than both limits; the range is in plain degrees of latitude and longitude.
int check_nav(int n, int f12, float* minrange, float max_usable_range);
