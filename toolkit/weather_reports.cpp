// The real-weather line grammar. Reports are split into fixed tables; anything
// beyond them (fields, characters, parts of the main group) is dropped.
#include "weather_reports.h"

#include "HL_FUNCT.h"
#include "HL_TYPES.h"

#include <cstring>

namespace {

int all_digits(const char* s)
{
    return s[0] != 0 && str_is_int(s);
}

int is_digit(char c)
{
    return c >= '0' && c <= '9';
}

struct wx_code {
    const char* code;
    int kind, den;
};
const wx_code wx_codes[24] = {
    {"R-", 2, 1},    {"R", 2, 2},    {"R+", 2, 3},    {"RW-", 4, 1},   {"RW", 4, 2},   {"RW+", 4, 3},
    {"S-", 2, 1},    {"S", 2, 2},    {"S+", 2, 3},    {"SW-", 4, 1},   {"SW", 4, 2},   {"SW+", 4, 3},
    {"TRW-", 1, 1},  {"TRW", 1, 2},  {"TRW+", 1, 3},  {"R-F", 3, 1},   {"RF", 3, 2},   {"R+F", 3, 3},
    {"RW-F", 4, 1},  {"RWF", 4, 2},  {"RW+F", 4, 3},  {"TRW-F", 1, 1}, {"TRWF", 1, 2}, {"TRW+F", 1, 3},
};

// Splits at every blank (two in a row make an empty field); the line's end
// or a stray CR/LF ends the report.
int split_fields(const char* s, char (*field)[WXR_FIELD_LEN])
{
    int n = 0, len = 0;
    field[0][0] = 0;
    for (;; ++s) {
        char c = *s;
        if (c == 0 || c == '\r' || c == '\n') break;
        if (c == ' ') {
            if (n + 1 >= WXR_FIELDS) break;
            field[++n][0] = 0;
            len = 0;
            continue;
        }
        if (len < WXR_FIELD_LEN - 1) {
            field[n][len++] = c;
            field[n][len] = 0;
        }
    }
    return n + 1;
}

int count_slashes(const char* s)
{
    int n = 0;
    for (; *s; ++s) n += *s == '/';
    return n;
}

} // namespace

void decode_wxr(const char* wxr_str, float z_report, float* z_time, int* cld_type, float* cld_base, float* cld_tops,
                float* vis, int* obs_vis, int* obs_den, float* temp, float* dewp, float* wnd_dir, float* wnd_spd,
                float* wnd_gus, float* baro)
{
    static char field[WXR_FIELDS][WXR_FIELD_LEN];
    int n = split_fields(wxr_str, field);
    for (int i = n; i < WXR_FIELDS; ++i) field[i][0] = 0;

    int tf = n > 1 && strlen(field[1]) == 4 ? 1 : 0;   // the time field, or where it would be
    int main_f = 0, slashes = 0;
    for (int i = 0; i < n; ++i) {
        int c = count_slashes(field[i]);
        if (c >= 3) {
            main_f = i;
            slashes = c;
            break;
        }
    }
    if (main_f == 0) slashes = count_slashes(field[0]);

    if (tf == 1 && is_digit(field[1][0]) && is_digit(field[1][1]) && is_digit(field[1][2]) && is_digit(field[1][3]))
        *z_time = (float)(char_to_int(field[1][0]) * 10 + char_to_int(field[1][1])) * 3600 +
                  (float)(char_to_int(field[1][2]) * 10 + char_to_int(field[1][3])) * 60;

    if (main_f > tf + 1) {
        if (strcmp(field[tf + 1], "CLR") == 0) {
            *cld_type = 0;
        } else {
            int data = 0, layer = 0, lo = 0, hi = 0;
            for (int h = tf + 1; h < main_f - 2; h += 2) {
                const char* cover = field[h + 1];
                int height = str_to_int(field[h]);
                int known = !strcmp(cover, "SCT") || !strcmp(cover, "BKN") || !strcmp(cover, "OVC");
                if (!known || height <= 0) continue;
                data = 1;
                if (strcmp(cover, "SCT") == 0) continue;
                if (!layer || height < lo) lo = height;
                if (!layer || height > hi) hi = height;
                layer = 1;
            }
            if (data) *cld_type = 0;
            if (layer) {
                *cld_type = 1;
                *cld_base = lo * 100 * con.fttomtrs + z_report;
                *cld_tops = hi * 100 * con.fttomtrs + z_report;
            }
        }

        // Later readings overwrite earlier ones: "1 1/2" ends as one and a half.
        float miles = -1;
        int f1 = main_f - 1, f2 = main_f - 2, f3 = main_f - 3;
        if (f1 > tf && all_digits(field[f1])) miles = (float)str_to_int(field[f1]);
        if (f2 > tf && all_digits(field[f2])) miles = (float)str_to_int(field[f2]);
        if (f1 > tf && str_is_frac(field[f1]))
            miles = str_to_frac(field[f1]) + (f2 > tf && all_digits(field[f2]) ? str_to_int(field[f2]) : 0);
        if (f2 > tf && str_is_frac(field[f2]))
            miles = str_to_frac(field[f2]) + (f3 > tf && all_digits(field[f3]) ? str_to_int(field[f3]) : 0);
        if (miles >= 0) *vis = miles * con.nmtomtrs;

        if (main_f > tf + 3 && !all_digits(field[f1])) {
            for (const wx_code& w : wx_codes) {
                if (strcmp(field[f1], w.code) == 0) {
                    *obs_vis = w.kind;
                    *obs_den = w.den;
                    break;
                }
            }
        }
    }

    if (*obs_vis >= 2 && *obs_vis <= 4) *cld_tops += *obs_den * 1000 * con.fttomtrs;
    if (*obs_vis == 1) *cld_tops += *obs_den * 10000 * con.fttomtrs;

    // The main group's parts; a leading part is skipped with four slashes or more.
    char part[WXR_PARTS][WXR_FIELD_LEN] = {};
    int np = 0, len = 0;
    for (const char* s = field[main_f]; *s; ++s) {
        if (*s == '/') {
            if (++np >= WXR_PARTS) break;
            len = 0;
            continue;
        }
        if (len < WXR_FIELD_LEN - 1) part[np][len++] = *s;
    }
    const char(*p)[WXR_FIELD_LEN] = slashes >= 4 ? part + 1 : part;

    int t = str_to_int(p[0]);
    if (t > 0) *temp = (float)t;
    int d = str_to_int(p[1]);
    if (d > 0) *dewp = (float)d;

    const char* alt = p[3];
    if (str_to_int(alt) > 0 && strlen(alt) >= 3) {
        float b = char_to_int(alt[0]) + 0.1f * char_to_int(alt[1]) + 0.01f * char_to_int(alt[2]);
        *baro = b + (b < 5 ? 30 : 20);
    }

    const char* w = p[2];
    size_t wl = strlen(w);
    if ((wl == 4 || wl == 7) && is_digit(w[2]) && is_digit(w[3])) {
        int vr = w[0] == 'V' && w[1] == 'R';
        if (vr || (is_digit(w[0]) && is_digit(w[1]))) {
            *wnd_dir = vr ? (float)(10 * intrand(0, 35)) : (float)(100 * char_to_int(w[0]) + 10 * char_to_int(w[1]));
            int spd = 10 * char_to_int(w[2]) + char_to_int(w[3]);
            *wnd_spd = (float)spd;
            if (wl == 7 && w[4] == 'G' && is_digit(w[5]) && is_digit(w[6]))
                *wnd_gus = (float)(10 * char_to_int(w[5]) + char_to_int(w[6]) - spd);
            else
                *wnd_gus = 0;
        }
    }
}
