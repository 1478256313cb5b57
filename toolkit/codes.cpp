#include "toolkit/codes.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

void code_to_lgts(int* typ, int* gls, int* rwy, int* app, int code)
{
    *typ = 27;
    if (code >= 1000000) {
        int t = code / 1000000;
        if (t >= 1 && t <= 5) *typ = 26 + t;
        code %= 1000000;
    }
    if (code < 0) code = 0;
    int group[2] = {code / 1000, code % 1000};
    for (int k = 0; k < 2; ++k) {
        int v = group[k];
        gls[k] = rwy[k] = app[k] = 1;
        // The cascade also takes apart digits above their range.
        for (int g = 3; g >= 1; --g)
            if (v >= 100 * g) { gls[k] = g; v -= 100 * g; }
        for (int r = 5; r >= 1; --r)
            if (v >= 10 * r) { rwy[k] = r; v -= 10 * r; }
        for (int a = 6; a >= 1; --a)
            if (v >= a) { app[k] = a; v -= a; }
    }
}

int lgts_to_code(int typ, const int* gls, const int* rwy, const int* app)
{
    int code = 0;
    if (typ >= 27 && typ <= 31) code += (typ - 26) * 1000000;
    const int weight[2] = {1000, 1};
    for (int k = 0; k < 2; ++k) {
        if (gls[k] >= 1 && gls[k] <= 3) code += gls[k] * 100 * weight[k];
        if (rwy[k] >= 1 && rwy[k] <= 5) code += rwy[k] * 10 * weight[k];
        if (app[k] >= 1 && app[k] <= 6) code += app[k] * weight[k];
    }
    return code;
}

void int_to_bol(int* b1, int* b2, int* b3, int* b4, int* b5, int code)
{
    int* flag[5] = {b5, b4, b3, b2, b1};
    const int value[5] = {16, 8, 4, 2, 1};
    for (int i = 0; i < 5; ++i) *flag[i] = 0;
    for (int i = 0; i < 5; ++i)
        if (code >= value[i]) { *flag[i] = 1; code -= value[i]; }
}

int bol_to_int(int b1, int b2, int b3, int b4, int b5)
{
    return (b1 != 0) + 2 * (b2 != 0) + 4 * (b3 != 0) + 8 * (b4 != 0) + 16 * (b5 != 0);
}

char code_to_char(int icode)
{
    if (icode == 0) return ' ';
    if (icode >= 1 && icode <= 10) return static_cast<char>('0' + icode - 1);
    if (icode >= 11 && icode <= 36) return static_cast<char>('A' + icode - 11);
    return '0';
}

int char_to_code(char ccode)
{
    if (ccode == ' ') return 0;
    if (ccode >= '0' && ccode <= '9') return ccode - '0' + 1;
    if (ccode >= 'A' && ccode <= 'Z') return ccode - 'A' + 11;
    return 1;
}

namespace {

// Sign, then three digits of the magnitude: 40 -> "+040", -1 -> "-001".
void signed3(char* out, int sign_of, int value)
{
    std::snprintf(out, 5, "%c%03d", sign_of < 0 ? '-' : '+', std::abs(value) % 1000);
}

int block_of(int deg, int offset)
{
    return (deg + offset) / 10 * 10 - offset;
}

}  // namespace

void return_latlon_str_ENV(int lat_file, int lon_file, char* lookup_name, int new_format)
{
    char lat[5], lon[5];
    signed3(lat, lat_file, lat_file);
    signed3(lon, lon_file, lon_file);
    if (new_format) {
        int lat_fldr = block_of(lat_file, 60);
        int lon_fldr = block_of(lon_file, 180);
        char flat[5], flon[5];
        signed3(flat, lat_fldr, lat_fldr);
        signed3(flon, lon_fldr, lon_fldr);
        std::snprintf(lookup_name, 22, "%s%s/%s%s.env", flat, flon, lat, lon);
    } else {
        std::snprintf(lookup_name, 28, "United States/%s%s.env", lat, lon);
    }
}

void return_latlon_str_USGS(int lat_file, int lon_file, char* lookup_name)
{
    std::snprintf(lookup_name, 12, "%c%03d%c%02d.DEM", lon_file > 0 ? 'E' : 'W',
                  std::abs(lon_file) % 1000, lat_file > 0 ? 'N' : 'S', std::abs(lat_file) % 100);
}

// One file per square, named by the square's whole degrees (the scenery
// editor passes its south-west corner).
void return_latlon_str_COAST(float lat_file, float lon_file, char* lookup_name)
{
    // Out-of-range positions (NaN included) name 0, 0.
    if (!(std::fabs(lat_file) <= 90.0f)) lat_file = 0.0f;
    if (!(std::fabs(lon_file) <= 180.0f)) lon_file = 0.0f;
    char lat[5], lon[5];
    signed3(lat, lat_file < 0.0f ? -1 : 1, static_cast<int>(lat_file));
    signed3(lon, lon_file < 0.0f ? -1 : 1, static_cast<int>(lon_file));
    std::snprintf(lookup_name, 13, "%s%s.cst", lat, lon);
}
