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

float star_xyz[2000][3];
float carr_pxyz[52][2][3];
float frig_pxyz[41][2][3];
float oilr_pxyz[16][2][3];
float carr_lxyz[75][3];
float vasi_x = -35, vasi_y = 23, vasi_z = 76;

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

// Outline point i of a shape: its lower and upper vertex above (x, z).
void column(float (*shape)[2][3], int i, float x, float z, float ylo, float yhi)
{
    load_geo(x, ylo, z, shape[i][0]);
    load_geo(x, yhi, z, shape[i][1]);
}

// n outline points from index first, all with the same lower and upper heights.
void columns(float (*shape)[2][3], int first, const float (*pts)[2], int n, float ylo, float yhi)
{
    for (int k = 0; k < n; ++k) column(shape, first + k, pts[k][0], pts[k][1], ylo, yhi);
}

// The ships face north (z negative); their outlines run clockwise seen from above.
void fill_carrier()
{
    // 0..6 the hull from below the waterline, 7..11 the gallery under the flight deck.
    static const float hull[7][2] = {{0, -158}, {16, -110}, {24, -20}, {22, 150}, {-22, 150}, {-24, -20}, {-16, -110}};
    static const float gallery[5][2] = {{0, -150}, {28, -60}, {28, 158}, {-15, 158}, {-24, -60}};
    columns(carr_pxyz, 0, hull, 7, -3, 16);
    columns(carr_pxyz, 7, gallery, 5, 16, 19);
    // 12..23 the flight deck's edge: the axial deck 12..17, the angled deck 18, 19, 20, 13 on
    // its port side (18 is 12 itself) and the sponson 16, 22, 23, 21 under the island.
    static const float deck[12][2] = {{-16, 165}, {-24, -110}, {-12, -160}, {12, -160}, {30, -90}, {30, 165},
                                      {-16, 165}, {-40, 100}, {-46, -70}, {30, 50},   {38, -80}, {38, 40}};
    columns(carr_pxyz, 12, deck, 12, CARRIER_DECK_H - 2, CARRIER_DECK_H);
    // The island: seven levels of four corners from point 24 on, the last two its mast post.
    static const float level[7][3] = {{0, 6, 10}, {3.51f, 6, 10}, {5.97f, 8, 12}, {13.71f, 8, 12},
                                      {15, 6, 10}, {15, 0.4f, 0.4f}, {30, 0.4f, 0.4f}};
    for (int L = 0; L < 7; ++L) {
        float a = level[L][0], w = level[L][1], l = level[L][2];
        float corner[4][2] = {{28 - w, 11 - l}, {28 + w, 11 - l}, {28 + w, 11 + l}, {28 - w, 11 + l}};
        columns(carr_pxyz, 24 + 4 * L, corner, 4, CARRIER_DECK_H + a, CARRIER_DECK_H + a);
    }

    auto row = [](int first, int last, float x1, float z1, float x2, float z2) {
        for (int k = first; k <= last; ++k) {
            float f = (float)(k - first) / (float)(last - first);
            load_geo(x1 + (x2 - x1) * f, CARRIER_DECK_H, z1 + (z2 - z1) * f, carr_lxyz[k]);
        }
    };
    row(0, 19, -10.5f, 158.73f, -35, -46);
    row(20, 40, 1.25f, 156.835f, -26.695f, -58.5f);
    row(41, 62, 13, 154.94f, -18.39f, -71);
    for (int k = 63; k <= 69; ++k) load_geo(vasi_x + (k - 66) * 1.5f, vasi_y, vasi_z, carr_lxyz[k]);
    for (int k = 70; k <= 74; ++k) load_geo(vasi_x, vasi_y + (k - 72) * 1.5f, vasi_z, carr_lxyz[k]);
}

void fill_frigate()
{
    // 0..12 the deck outline from the bow round the stern: the flight deck 2, 3, 9, 10 aft.
    // Points 3 and 4, 8 and 9, 11 and 12 coincide so that the deck pieces meet without gaps.
    static const float deck[13][2] = {{0, -65}, {9, -35}, {13, 40}, {13, 68},  {13, 68},  {7, 76},  {0, 78},
                                      {-7, 76}, {-13, 68}, {-13, 68}, {-13, 40}, {-9, -35}, {-9, -35}};
    for (int k = 0; k < 13; ++k) {
        // The hull narrows below the deck.
        load_geo(deck[k][0] * 0.8f, -2, deck[k][1] * 0.97f, frig_pxyz[k][0]);
        load_geo(deck[k][0], FRIGATE_DECK_H, deck[k][1], frig_pxyz[k][1]);
    }
    // 13..16 the superstructure ahead of the flight deck; 17..19 the mast and its yards.
    static const float block[4][2] = {{-8, 0}, {8, 0}, {8, 38}, {-8, 38}};
    columns(frig_pxyz, 13, block, 4, FRIGATE_DECK_H, FRIGATE_DECK_H + 9);
    const float top = FRIGATE_DECK_H + 9;
    load_geo(0, top, 10, frig_pxyz[17][0]);
    load_geo(0, top + 18, 10, frig_pxyz[17][1]);
    load_geo(-5, top + 14, 10, frig_pxyz[18][0]);
    load_geo(5, top + 14, 10, frig_pxyz[18][1]);
    load_geo(-4, top + 9, 10, frig_pxyz[19][0]);
    load_geo(4, top + 9, 10, frig_pxyz[19][1]);
}

void fill_oil_rig()
{
    struct slab { float corner[4][2]; float lo, hi; };
    static const slab slabs[4] = {
        {{{-20, 60}, {20, 60}, {20, 100}, {-20, 100}}, 60, 62},
        {{{-5, 85}, {-60, -60}, {60, -60}, {5, 85}}, 45, 55},
        {{{-15, -15}, {15, -15}, {15, 15}, {-15, 15}}, 55, 58},
        {{{-10, 5}, {-10, -10}, {5, -10}, {5, 5}}, 58, 61},
    };
    for (int s = 0; s < 4; ++s)
        for (int c = 0; c < 4; ++c)
            load_geo(slabs[s].corner[c][0], slabs[s].hi, slabs[s].corner[c][1], oilr_pxyz[4 * s + c][1]);
    for (int s = 0; s < 4; ++s)
        for (int c = 0; c < 4; ++c)
            load_geo(slabs[s].corner[c][0], slabs[s].lo, slabs[s].corner[c][1], oilr_pxyz[4 * s + c][0]);
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

void load_geo(float x, float y, float z, float* destination)
{
    destination[0] = x;
    destination[1] = y;
    destination[2] = z;
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

void fill_ship_shapes()
{
    fill_carrier();
    fill_frigate();
    fill_oil_rig();
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
