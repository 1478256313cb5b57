#include "INITGEN.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "platform/clock.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_SOUND.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>

namespace {
// The 5 x 7 digits of the tapes, top row first.
const char* const digit_rows[10][7] = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "..#.."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {".###.", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "....#", "...#.", "..#..", "..#..", "..#.."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", ".###."},
};

const int INK = 0;
const int BACKGROUND = 22;

void fill_tape(int* tape, int count)
{
    for (int i = 0; i < count; ++i) tape[i] = BACKGROUND;
}

void ink(int* tape, int height, int x, int y)
{
    tape[x * height + y] = INK;
}

// A label of one or two digits centred on column x, top row y.
void tape_label(int* tape, int width, int height, int x, int y, int value)
{
    if (value < 10) {
        init_tape(tape, width, height, x, y, value);
    } else {
        init_tape(tape, width, height, x - 3, y, value / 10);
        init_tape(tape, width, height, x + 3, y, value % 10);
    }
}

void fill_tapes()
{
    fill_tape(&ins.v_tape_col[0][0], 5 * 90);
    fill_tape(&ins.h_tape_col0[0][0], 200 * 12);
    fill_tape(&ins.h_tape_col1[0][0], 360 * 12);
    fill_tape(&ins.h_tape_col2[0][0], 360 * 12);

    for (int k = 0; k < 10; ++k) init_tape(&ins.v_tape_col[0][0], 5, 90, 2, 9 * k - 3, k);

    int* scale = &ins.h_tape_col0[0][0];
    for (int x = 0; x < 200; x += 10) {
        for (int y = 9; y <= 11; ++y) ink(scale, 12, x, y);
        if (x % 20 == 0) {
            init_tape(scale, 200, 12, x - 3, 1, (x / 2) / 10 % 10);
            init_tape(scale, 200, 12, x + 3, 1, (x / 2) % 10);
        } else {
            for (int y = 7; y <= 8; ++y) ink(scale, 12, x, y);
        }
    }

    int* hdg1 = &ins.h_tape_col1[0][0];
    int* hdg2 = &ins.h_tape_col2[0][0];
    for (int n = 0; n < 36; ++n) {
        int x = 10 * n;
        for (int y = 0; y <= 2; ++y) {
            ink(hdg1, 12, x, y);
            ink(hdg2, 12, x, y);
        }
        if (n % 3 == 0) {
            tape_label(hdg1, 360, 12, x, 4, n);
            tape_label(hdg2, 360, 12, x, 4, n == 0 ? 0 : 36 - n);
        } else {
            for (int y = 3; y <= 5; ++y) ink(hdg1, 12, x, y);
        }
    }
}

void fill_nav_pics()
{
    static const char* const ring[10] = {"1111221111", "1122222211", "1221111221", "1211111121", "2211111122",
                                         "2211111122", "1211111121", "1221111221", "1122222211", "1111221111"};
    static const char* const dotted[10] = {"1112121211", "1211212111", "1121111121", "2111221211", "1212112112",
                                           "2112112121", "1121221112", "1211111211", "1112121121", "1121212111"};
    static const char* const third[10] = {"1111111111", "1122111221", "1222222222", "1222111222", "1121111121",
                                          "1121111121", "1112111211", "1111222111", "1111222111", "1111111111"};
    init_nav_pic(1, ring);
    init_nav_pic(2, dotted);
    init_nav_pic(3, third);
}

void fill_stars()
{
    for (auto& s : star_xyz) {
        float e = fltrand(-20, 80) * con.degtorad;
        float a = fltrand(0, 360) * con.degtorad;
        s[0] = std::sin(a) * std::cos(e) * 1000;
        s[1] = std::sin(e) * 1000;
        s[2] = std::cos(a) * std::cos(e) * 1000;
    }
}

void set_defaults()
{
    ins.HUD_on = 1;
    ins.HOOP_on = 0;
    ins.map_mode = 1;
    ins.arg_mode = 1;
    ins.map_range = ins.arg_range = ins.rad_range = 30;
    ins.hud_brt = 1;
    msc.typestart = 7;
    set.cus_Y = 5000 * con.fttomtrs;
    set.cus_v = 200 * con.ktstomsc;
    env.i_aircraft = 89;
    env.j_aircraft = 79;
    copy_bounded(msc.apt_id_req, "KAAA", sizeof msc.apt_id_req);
    nav.radout = 2;
    atm.vis_mult = 1;
    rel.ins_fail_rat = rel.eq1_fail_rat = rel.eq2_fail_rat = 0;
    for (int i = 0; i < 32; ++i) {
        rel.fail_type[i] = 1;
        rel.fail_time_max[i] = 10;
    }
    msc.rtrat = 1;
    atm.rate_change = 0;
    scn.zoom = 1;
    env.apt_list_max = env.vor_list_max = env.ndb_list_max = -999;
    nav.tran1 = 1;
    nav.tran2 = 2;
    nav.tran3 = 0;
    nav.tran4 = 0;
}
} // namespace

void assign_hr(int row, float kft, float slug_ft3)
{
    atm.hr[row][0] = kft * con.fttomtrs * 1000;
    atm.hr[row][1] = slug_ft3 * con.endtomed;
}

void init_tape(int* tape, int width, int height, int centre, int top, int digit)
{
    if (digit < 0 || digit > 9) return;
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 5; ++c) {
            int x = ((centre - 2 + c) % width + width) % width;
            int y = ((top + r) % height + height) % height;
            tape[x * height + y] = digit_rows[digit][r][c] == '#' ? INK : BACKGROUND;
        }
    }
}

void init_nav_pic_line(int symbol, int y, const char* row)
{
    for (int x = 0; x < 10; ++x) {
        int digit = row[x] >= '0' && row[x] <= '9' ? row[x] - '0' : 0;
        ins.nav_pic[symbol][x][y] = digit >= 1.5 ? 1 : 0;
    }
}

void init_nav_pic(int symbol, const char* const rows[10])
{
    for (int y = 0; y < 10; ++y) init_nav_pic_line(symbol, y, rows[y]);
}

void rway_to_cs(int number, char suffix, int helipad, char* output)
{
    C_to_C(helipad ? "Pad " : "Rwy ", output);
    int n = (int)strlen(output);
    output[n++] = int_to_char(number / 10 % 10);
    output[n++] = int_to_char(number % 10);
    if (suffix != 'x') output[n++] = suffix;
    output[n] = 0;
}

void init_density_table()
{
    static const float density[22][2] = {
        {0, 0.0023769f}, {10, 0.001756f}, {20, 0.001267f}, {30, 0.0008907f}, {40, 0.0005873f},
        {50, 0.0003639f}, {60, 0.0002256f}, {70, 0.0001399f}, {80, 0.00008594f}, {90, 0.00005253f},
        {100, 0.00003211f}, {110, 0.00002001f}, {120, 0.0000127f}, {130, 0.00000819f}, {140, 0.000005364f},
        {150, 0.000003564f}, {160, 0.000002433f}, {170, 0.000001693f}, {180, 0.0000012f}, {190, 0.0000008589f},
        {200, 0.0000006061f}, {259, 0},
    };
    for (int i = 0; i < 22; ++i) assign_hr(i, density[i][0], density[i][1]);
}

void initgen()
{
    toolkit_srand((unsigned int)(plat_clock_ms() % 32000));

    msc.sound_avail = init_sound();
    if (!msc.sound_avail)
        MACIBM_alert("Sound init failure!", "Sound will not be available, but you can still fly.",
                     "Pretend you are wearing ANR headsets!", "", 0);
    msc.speech_avail = initspeechsynth();

    init_density_table();

    fill_tapes();
    fill_nav_pics();
    fill_stars();
    fill_ship_shapes();
    memset(&grf, 0, sizeof grf);
    set_defaults();

    trk.open("Korvan.out", std::ios::out | std::ios::trunc);
    trk.setf(std::ios::fixed, std::ios::floatfield);
}
