// Phrase builders: each appends the spoken form of one piece of a controller's
// phrase. Digits are separated by blanks so that the speech engine reads them
// one by one; letters are spelled in the phonetic alphabet. app_C keeps every
// phrase within its 400-character buffer.
#include "atc.h"
#include "records/cockpit_state.h"
#include "cockpit_services.h"

#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/plane_record.h"

#include <cstdio>
#include <cstring>

namespace {
const char* const PHONETIC_DIGITS[10] = {"zero", "one", "two", "three", "four",
                                         "five", "six", "seven", "eight", "niner"};
const char* const PHONETIC_LETTERS[26] = {"alpha",  "bravo",   "charlie", "delta",  "echo",    "foxtrot", "golf",
                                          "hotel",  "india",   "juliet",  "kilo",   "leema",   "mike",    "november",
                                          "oscar",  "papa",    "quebec",  "romeo",  "sierra",  "tango",   "uniform",
                                          "victor", "whiskey", "x ray",   "yankee", "zooloo"};
const char* const PLANE_TYPES[26] = {
    "Cessna 152",     "Cessna 172",     "Piper Warrior",  "Piper Archer",    "Piper Arrow",   "Beech Duke",
    "Tobago",         "Trinidad",       "Mooney",         "Glasair",         "Lancair",      "Beech Duchess",
    "Beech Baron",    "Cessna 310",     "Cessna 414",     "Pilatus PC 12",   "Beech Starship", "Piaggio Avanti",
    "Lear 35",        "Lear 55",        "Cessna Citation", "Boeing 727",     "Boeing 737",   "Boeing 757",
    "Boeing 767",     "Airbus A-300"};

// The phonetic word of c and a blank after it.
void app_phonetic_word(char* string, char c)
{
    char word[16];
    get_phonetic(c, word);
    app_C(string, word);
    app_C(string, " ");
}

// The last n digits of value, separated by single blanks.
void app_digits(char* string, int value, int n)
{
    if (value < 0) value = -value;
    char digits[16];
    for (int i = n - 1; i >= 0; --i, value /= 10) digits[i] = (char)('0' + value % 10);
    char out[32];
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (i) out[k++] = ' ';
        out[k++] = digits[i];
    }
    out[k] = 0;
    app_C(string, out);
}
} // namespace

void app_int(char* string, int n)
{
    char num[16];
    int_to_str(n, num);
    app_C(string, num);
}

void get_phonetic(char w, char* phonetic)
{
    phonetic[0] = 0;
    if (w >= '0' && w <= '9') strcpy(phonetic, PHONETIC_DIGITS[w - '0']);
    if (w >= 'A' && w <= 'Z') strcpy(phonetic, PHONETIC_LETTERS[w - 'A']);
}

void start_command_string(char* string, int us)
{
    string[0] = 0;
    if (us) {
        app_C(string, pln.C_name);
        app_C(string, " ");
        for (int i = 0; i < 400 && pln.tailnum[i]; ++i) app_phonetic_word(string, pln.tailnum[i]);
        return;
    }
    app_phonetic_word(string, 'N');
    for (int i = 0; i < 3; ++i) app_phonetic_word(string, code_to_char(intrand(1, 10)));
    app_phonetic_word(string, code_to_char(intrand(1, 36)));
    app_phonetic_word(string, code_to_char(intrand(11, 36)));
}

void app_freq(char* string, int f1, int f2)
{
    app_digits(string, f1, 3);
    app_C(string, " point ");
    app_digits(string, f2, 2);
}

void app_rand_freq(char* string)
{
    int f1 = intrand(118, 134);
    app_freq(string, f1, intrand(0, 19) * 5);
}

void app_ground_freq(char* string)
{
    app_freq(string, 121, intrand(0, 9) * 10);
}

void app_squawk(char* string)
{
    for (int i = 0; i < 4; ++i) {
        if (i) app_C(string, " ");
        app_digits(string, intrand(0, 7), 1);
    }
}

void app_heading_string(char* string, int h, int hownear)
{
    h = intnear(intwrap(h, 0, 359), hownear);
    if (h == 0) h = 360;
    app_digits(string, h, 3);
}

void app_turn_string(char* string, int h, int hownear)
{
    int diff = intwrap((int)((float)h - flt.magpsi), -179, 180);
    app_C(string, diff > 0 ? "turn right heading " : "turn left heading ");
    app_heading_string(string, h, hownear);
}

void app_altimeter_string(char* string, float baro)
{
    char num[32];
    if (pln.us_alt) {
        int hundredths = round(baro * 100);
        snprintf(num, sizeof num, "altimeter %d.%02d", hundredths / 100, hundredths % 100);
    } else {
        snprintf(num, sizeof num, "area QNH %d", round(baro * 1013 / 29.92f));
    }
    app_C(string, num);
}

void app_wind_string(char* string, int wnd_dir, int wnd_spd, int shr_dir, int shr_spd)
{
    if (wnd_spd + shr_spd < 1) {
        app_C(string, "Wind is calm");
        return;
    }
    if (wnd_spd + shr_spd < 5) {
        app_C(string, "Wind is light and variable");
        return;
    }
    if (shr_spd > 5) app_C(string, "Wind shear alert. ");
    app_C(string, "Wind is ");
    app_heading_string(string, wnd_dir, 10);
    app_C(string, " at ");
    app_int(string, wnd_spd);
    if (shr_dir > 10) {
        app_C(string, " variable ");
        app_heading_string(string, wnd_dir - shr_dir, 10);
        app_C(string, " to ");
        app_heading_string(string, wnd_dir + shr_dir, 10);
    }
    if (shr_spd > 5) {
        app_C(string, " gust ");
        app_int(string, wnd_spd + shr_spd);
    }
}

void app_rand_plane(char* string, float z)
{
    int i = z < 10000 ? intrand(0, 17) : intrand(11, 25);
    if (i >= 0 && i <= 25) app_C(string, PLANE_TYPES[i]);
}
