#include "star_and_ship_shapes.h"

float star_xyz[2000][3];
float carr_pxyz[52][2][3];
float frig_pxyz[41][2][3];
float oilr_pxyz[16][2][3];
float carr_lxyz[75][3];
float vasi_x = -35, vasi_y = 23, vasi_z = 76;

namespace {
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
} // namespace

void load_geo(float x, float y, float z, float* destination)
{
    destination[0] = x;
    destination[1] = y;
    destination[2] = z;
}

void fill_ship_shapes()
{
    fill_carrier();
    fill_frigate();
    fill_oil_rig();
}
