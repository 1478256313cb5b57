// Numeric and string helpers shared by every program.
// Edge rules the callers rely on: inclusive bounds, one-step wraps, round
// half away from zero, every other float-to-int conversion truncates. Every
// float-to-int helper is total: NaN gives 0, values beyond the int range are
// limited to it; fltlim takes NaN as 0.
#pragma once

#include <cmath>

// The toolkit's generator: s = s * 1103515245 + 12345, draws bits 16..30.
void toolkit_srand(unsigned int seed);
int toolkit_rand();            // 0..32767

int intrand(int min, int max);
float fltrand(float min, float max);
int intrange(int x, int x1, int x2);
int fltrange(float x, float x1, float x2);
int fltbox(float x, float y, float x1, float y1, float x2, float y2);

// Inline: the flight step limits every element's values with these.
inline int intlim(int in, int min, int max)
{
    if (in < min) return min;
    if (in > max) return max;
    return in;
}
inline float fltlim(float in, float min, float max)
{
    if (in != in) in = 0;
    if (in < min) return min;
    if (in > max) return max;
    return in;
}
int intwrap(int in, int min, int max);
float fltwrap(float in, float min, float max);
// Half away from zero. Takes a float so that it never meets the C library's
// round(double); a double argument would pick that one, which agrees.
int round(float in);
// Truncates toward zero; NaN gives 0, beyond the int range the nearest end.
int flt_to_int(double in);
float fltnear(float in, float nearest);
int intnear(int in, int nearest);
float fallout(float in, float lo, float hi);
float closer_assymp(float nowval, float termval, float speedrat);

inline int intmin2(int x1, int x2) { return x1 < x2 ? x1 : x2; }
inline int intmax2(int x1, int x2) { return x1 > x2 ? x1 : x2; }
int intmin3(int x1, int x2, int x3);
int intmax3(int x1, int x2, int x3);
// Inline: the ground search runs these for every contact point.
inline float fltmin2(float x1, float x2) { return x1 < x2 ? x1 : x2; }
inline float fltmax2(float x1, float x2) { return x1 > x2 ? x1 : x2; }
inline float fltmin3(float x1, float x2, float x3) { return fltmin2(fltmin2(x1, x2), x3); }
inline float fltmax3(float x1, float x2, float x3) { return fltmax2(fltmax2(x1, x2), x3); }
float fltmin4(float x1, float x2, float x3, float x4);
float fltmax4(float x1, float x2, float x3, float x4);

float sqr(float in);
float signsqr(float in);
float signsqrt(float in);
float pythag(float p, float q);
float pythag3(float p, float q, float r);
inline float interp(float x1, float y1, float x2, float y2, float x)
{
    return (float)((double)y1 + ((double)y2 - y1) / ((double)x2 - x1) * ((double)x - x1));
}

void flt_switch(float* a, float* b);
void chr_switch(char* a, char* b);
void bol_switch(int* a, int* b);
void str_switch(char* a, char* b);

void C_to_C(const char* C1, char* C2);
void C_plus_C(const char* C1, const char* C2, char* C3);
void app_C(char* C1, const char* C2);
int str_is_int(const char* str);
int str_is_frac(const char* str);
int str_to_int(const char* str);
float str_to_frac(const char* str);
void int_to_str(int input, char* C_string);
int char_to_int(char input);
char int_to_char(int input);
void sec_to_hrs_min(float sec, int* hrs, int* min);
