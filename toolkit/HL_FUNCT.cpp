#include "HL_FUNCT.h"

#include "HL_TYPES.h"

#include <cstring>

namespace {
unsigned int rand_state = 1;
const int TEXT_DIM = 400;
} // namespace

void toolkit_srand(unsigned int seed)
{
    rand_state = seed;
}

int toolkit_rand()
{
    rand_state = rand_state * 1103515245u + 12345u;
    return (int)((rand_state >> 16) & 32767u);
}

int intrand(int min, int max)
{
    int r = toolkit_rand();
    int v = min + (int)((double)r * (double)(max - min + 1) / 32767.0);
    return v > max ? max : v;
}

float fltrand(float min, float max)
{
    int r = toolkit_rand();
    return (float)((double)min + ((double)max - (double)min) / 32767.0 * r);
}

int intrange(int x, int x1, int x2)
{
    return x >= x1 && x <= x2;
}

int fltrange(float x, float x1, float x2)
{
    return x >= x1 && x <= x2;
}

int fltbox(float x, float y, float x1, float y1, float x2, float y2)
{
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

int intwrap(int in, int min, int max)
{
    if (in < min) return in + (max - min + 1);
    if (in > max) return in - (max - min + 1);
    return in;
}

float fltwrap(float in, float min, float max)
{
    if (in < min) return (float)((double)in + ((double)max - min));
    if (in > max) return (float)((double)in - ((double)max - min));
    return in;
}

int flt_to_int(double in)
{
    if (in != in) return 0;
    if (in >= 2147483647.0) return 2147483647;
    if (in <= -2147483648.0) return -2147483647 - 1;
    return (int)in;
}

int round(float in)
{
    double d = in;
    return flt_to_int(d >= 0 ? d + 0.5 : d - 0.5);
}

float fltnear(float in, float nearest)
{
    float q = (float)((double)in / nearest);
    return (float)((double)round(q) * nearest);
}

int intnear(int in, int nearest)
{
    return flt_to_int(fltnear((float)in, (float)nearest));
}

float fallout(float in, float lo, float hi)
{
    if (in < lo || in > hi) return in;
    return ((double)lo + hi) / 2 > in ? lo : hi;
}

float closer_assymp(float nowval, float termval, float speedrat)
{
    return (float)((double)nowval * (1.0 - speedrat) + (double)termval * speedrat);
}

int intmin3(int x1, int x2, int x3) { return intmin2(intmin2(x1, x2), x3); }
int intmax3(int x1, int x2, int x3) { return intmax2(intmax2(x1, x2), x3); }
float fltmin4(float x1, float x2, float x3, float x4) { return fltmin2(fltmin2(x1, x2), fltmin2(x3, x4)); }
float fltmax4(float x1, float x2, float x3, float x4) { return fltmax2(fltmax2(x1, x2), fltmax2(x3, x4)); }

float sqr(float in) { return in * in; }
float signsqr(float in) { return in > 0 ? in * in : -(in * in); }
float signsqrt(float in) { return in > 0 ? (float)std::sqrt((double)in) : (float)-std::sqrt(-(double)in); }
float pythag(float p, float q) { return (float)std::sqrt((double)p * p + (double)q * q); }
float pythag3(float p, float q, float r) { return (float)std::sqrt((double)p * p + (double)q * q + (double)r * r); }

void flt_switch(float* a, float* b)
{
    float t = *a;
    *a = *b;
    *b = t;
}

void chr_switch(char* a, char* b)
{
    char t = *a;
    *a = *b;
    *b = t;
}

void bol_switch(int* a, int* b)
{
    int t = *a;
    *a = *b;
    *b = t;
}

void str_switch(char* a, char* b)
{
    C_to_C(a, C_s);
    C_to_C(b, a);
    C_to_C(C_s, b);
}

void C_to_C(const char* C1, char* C2)
{
    if (!C1 || !C2) return;
    copy_bounded(C2, C1, TEXT_DIM);
}

void C_plus_C(const char* C1, const char* C2, char* C3)
{
    if (!C3) return;
    char tmp[TEXT_DIM];
    copy_bounded(tmp, C1, TEXT_DIM);
    app_C(tmp, C2);
    memcpy(C3, tmp, strlen(tmp) + 1);
}

void app_C(char* C1, const char* C2)
{
    if (!C1 || !C2) return;
    size_t n = strnlen(C1, TEXT_DIM - 1);
    copy_bounded(C1 + n, C2, TEXT_DIM - (int)n);
}

int str_is_int(const char* str)
{
    for (; *str; ++str)
        if (*str < '0' || *str > '9') return 0;
    return 1;
}

int str_is_frac(const char* str)
{
    return strlen(str) == 3 && str[1] == '/' && char_to_int(str[0]) > 0 && char_to_int(str[2]) > 0;
}

int str_to_int(const char* str)
{
    if (!str_is_int(str)) return -1;
    size_t n = strlen(str);
    if (n < 1 || n > 4) return -1;
    int v = 0;
    for (size_t i = 0; i < n; ++i) v = v * 10 + char_to_int(str[i]);
    return v;
}

float str_to_frac(const char* str)
{
    if (strlen(str) != 3) return -1.0f;
    return (float)char_to_int(str[0]) / (float)char_to_int(str[2]);
}

void int_to_str(int input, char* C_string)
{
    long long mag = input < 0 ? -(long long)input : input;
    int tt = (int)(mag / 10000);
    long long rest = mag - (long long)tt * 10000;
    int th = (int)(rest / 1000);
    rest -= th * 1000;
    int hu = (int)(rest / 100);
    rest -= hu * 100;
    int te = (int)(rest / 10);
    int un = (int)(rest - te * 10);
    int n = 0;
    if (input < 0) C_string[n++] = '-';
    if (mag > 9999) C_string[n++] = int_to_char(tt);
    if (mag > 999) C_string[n++] = int_to_char(th);
    if (mag > 99) C_string[n++] = int_to_char(hu);
    if (mag > 9) C_string[n++] = int_to_char(te);
    C_string[n++] = int_to_char(un);
    C_string[n] = 0;
}

int char_to_int(char input)
{
    if (input >= '0' && input <= '9') return input - '0';
    if (input == '+') return 1;
    if (input == '-') return -1;
    return 0;
}

char int_to_char(int input)
{
    return input >= 1 && input <= 9 ? (char)('0' + input) : '0';
}

void sec_to_hrs_min(float sec, int* hrs, int* min)
{
    int n = flt_to_int(sec);
    *hrs = n / 3600;
    *min = n / 60 - 60 * *hrs;
}
