#include "runways.h"

#include "INITNAV.h"
#include "records/world_state.h"
#include "world_services.h"
#include "coordinates.h"
#include "region_lists.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/terrain_helpers.h"

#include <cmath>

namespace {
// Offset of the second end's lights in the point list.
const int END2 = 311;
// Hangars and the tower step back along the runway by this much (m).
const float BUILDING_STEP = 45;
// A building never steps further than this along a row of runways.
const int MAX_BUILDING_STEPS = 100;

float (*points(int a, int r))[3]
{
    return scn.rwayxyz[a][r];
}

// Runway frame to world: turned by the heading, moved to the reference point.
void to_world(float* p, float X, float Z, float Y, int h)
{
    float x = p[0], z = p[2];
    p[0] = X + rx3d(x, z, h);
    p[1] = Y + p[1];
    p[2] = Z + rz3d(x, z, h);
}

// A row of points from i1 at (x1, y, z1) to i2 at (x2, y, z2).
void row(int a, int r, int i1, int i2, float x1, float z1, float x2, float z2, float y)
{
    as_grnd_xy(a, r, i1, x1, y, z1);
    as_grnd_xy(a, r, i2, x2, y, z2);
    as_interp(a, r, i1, i2);
}

// Point i from corner c of mark m, at height y.
void at_corner(int a, int r, int i, int m, int c, float y)
{
    const float* k = scn.markxyz[a][r][m][c];
    as_grnd_xy(a, r, i, k[0], y, k[2]);
}

// A row from corner c1 of mark m1 to corner c2 of mark m2, 0.5 m up.
void corner_row(int a, int r, int i1, int m1, int c1, int i2, int m2, int c2)
{
    at_corner(a, r, i1, m1, c1, 0.5f);
    at_corner(a, r, i2, m2, c2, 0.5f);
    as_interp(a, r, i1, i2);
}

// 1 when (x, z) lies on the inner side of all four edges of the quad, at
// least -dis inside them (dis < 0 asks for a margin inside).
int in_quad(const float* c0, const float* c1, const float* c2, const float* c3, float x, float z, float dis)
{
    const float* c[5] = {c0, c1, c2, c3, c0};
    for (int e = 0; e < 4; ++e)
        if (!inside_cw_reg(c[e][0], c[e][2], c[e + 1][0], c[e + 1][2], x, z, dis)) return 0;
    return 1;
}

// The lights of one runway end, built in the first end's frame at offset os.
void end_lights(int a, int r, int e, float w, float sl)
{
    int os = e * END2;
    float sign = e == 0 ? -1.0f : 1.0f;
    int app = env.lgt_app[a][r][e];
    int gls = env.lgt_gls[a][r][e];

    row(a, r, os + 250, os + 259, -0.05f * w, sl + 500, -0.05f * w, sl + 50, 0);
    row(a, r, os + 260, os + 269, 0.05f * w, sl + 500, 0.05f * w, sl + 50, 0);

    // Cross-bars: three lights on from each row's base light, one row spacing apart.
    int base_l = os + (app == 5 ? 251 : 257);
    int base_r = os + (app == 5 ? 261 : 267);
    float (*p)[3] = points(a, r);
    float step = p[os + 260][0] - p[os + 250][0];
    for (int k = 1; k <= 3; ++k) {
        as_grnd_xy(a, r, os + 269 + k, p[base_l][0] + k * step, p[base_l][1], p[base_l][2]);
        as_grnd_xy(a, r, os + 272 + k, p[base_r][0] - k * step, p[base_r][1], p[base_r][2]);
    }

    if (gls == 2) {
        as_grnd_xy(a, r, os + 276, sign * 0.8f * w - 1, 1.5f, sl - 250);
        as_grnd_xy(a, r, os + 277, sign * 0.8f * w + 1, 1.5f, sl - 250);
        as_grnd_xy(a, r, os + 278, sign * 0.8f * w - 1, 1.5f, sl - 100);
        as_grnd_xy(a, r, os + 279, sign * 0.8f * w + 1, 1.5f, sl - 100);
    } else if (gls == 3) {
        const float dx[4] = {-6, -2, 2, 6};
        for (int k = 0; k < 4; ++k) as_grnd_xy(a, r, os + 276 + k, sign * w + dx[k], 1.5f, sl - 200);
    }

    // The sequenced flasher starts on the centre line beyond the end.
    as_grnd_xy(a, r, os + 280, 0, 0, sl + (app == 6 ? 500 : 1050));

    const float side[4] = {-0.35f, -0.25f, 0.25f, 0.35f};
    for (int k = 0; k < 4; ++k)
        row(a, r, os + 281 + 20 * k, os + 300 + 20 * k, side[k] * w, sl + 429, side[k] * w, sl + 50, 0);
    const float tdz[6] = {-0.2f, -0.16f, -0.12f, 0.12f, 0.16f, 0.2f};
    for (int k = 0; k < 6; ++k)
        row(a, r, os + 361 + 20 * k, os + 380 + 20 * k, tdz[k] * w, sl - 20, tdz[k] * w, sl - 400, 0);
    row(a, r, os + 481, os + 490, -0.05f * w, sl + 1000, -0.05f * w, sl + 550, 0);
    row(a, r, os + 491, os + 500, 0.05f * w, sl + 1000, 0.05f * w, sl + 550, 0);
}

// A threshold bar of 13 lights whose second and twelfth stand at the edges.
void threshold_bar(int a, int r, int first, float w, float z)
{
    as_grnd_xy(a, r, first + 1, -0.5f * w, 0.5f, z);
    as_grnd_xy(a, r, first + 11, 0.5f * w, 0.5f, z);
    as_interp(a, r, first + 1, first + 11);
    as_grnd_xy(a, r, first, -0.6f * w, 0.5f, z);
    as_grnd_xy(a, r, first + 12, 0.6f * w, 0.5f, z);
}

// in_runway for local airport a built from database airport w.
int in_runway_of(int a, int w, float x, float z, int r)
{
    for (int s = 0; s < 3; ++s) {
        if ((r >= 0 && s != r) || !rway_counts(w, s)) continue;
        float (*p)[3] = points(a, s);
        if (in_quad(p[0], p[env.rwaymax1[a][s]], p[env.twaymax2[a][s]], p[200], x, z, -25)) return 1;
    }
    return 0;
}

// Moves (x, z) by one step, then on while it stands on a runway.
void step_off_runways(int a, int w, float* x, float* z, float dx, float dz, int steps)
{
    for (int s = 0; s < steps; ++s) {
        *x += dx;
        *z += dz;
    }
    for (int n = 0; n < MAX_BUILDING_STEPS && in_runway_of(a, w, *x, *z, -1); ++n) {
        *x += dx;
        *z += dz;
    }
}

// Hangars and, where the airport has one, the tower beside its longest runway.
void place_buildings(int a, int w)
{
    int best = -1;
    for (int r = 0; r < 3; ++r)
        if (rway_counts(w, r) && (best < 0 || apt_len[w][r] > apt_len[w][best])) best = r;
    if (best < 0) return;

    int h = apt_hdng[w][best];
    float across = fltmax2(4.2f * apt_width[w][best], 80);
    float along = 0.35f * apt_len[w][best];
    float x = X_with_latlon(apt_lat[w][best], apt_lon[w][best]) + rx3d(across, along, h);
    float z = Z_with_lat(apt_lat[w][best]) + rz3d(across, along, h);
    // Back along the runway: from the first end toward the middle.
    float dx = rx3d(0, -BUILDING_STEP, h), dz = rz3d(0, -BUILDING_STEP, h);

    for (int k = 0; k < 4; ++k) {
        step_off_runways(a, w, &x, &z, dx, dz, 1);
        make_an_obs(x, z, 0, "", 97, 5 * a + k);
    }
    if (apt_twr[w]) {
        step_off_runways(a, w, &x, &z, dx, dz, 2);
        make_an_obs(x, z, 0, "", 1, 5 * a + 4);
    }
}
} // namespace

int rway_counts(int apt_wrl, int r)
{
    return apt_wrl >= 0 && apt_wrl < APT_CAP && r >= 0 && r < 3 && apt_len[apt_wrl][r] > 1 &&
           apt_width[apt_wrl][r] >= 1;
}

int first_rway(int apt_wrl)
{
    for (int r = 0; r < 3; ++r)
        if (rway_counts(apt_wrl, r)) return r;
    return -1;
}

void as_grnd_xy(int a, int r, int i, float x, float y, float z)
{
    float* p = scn.rwayxyz[a][r][i];
    p[0] = x;
    p[1] = y;
    p[2] = z;
}

void as_interp(int a, int r, int i1, int i2)
{
    float (*p)[3] = points(a, r);
    for (int i = i1 + 1; i < i2; ++i) {
        float f = (float)(i - i1) / (i2 - i1);
        for (int c = 0; c < 3; ++c) p[i][c] = p[i1][c] + f * (p[i2][c] - p[i1][c]);
    }
}

void as_edge(int a, int r, int m, int i0, int i1, int i2, int i3)
{
    const int idx[4] = {i0, i1, i2, i3};
    for (int c = 0; c < 4; ++c) at_corner(a, r, idx[c], m, c, 0);
}

void as_mark_xy(int a, int r, int m, float x0, float x1, float z0, float z1, float w, float l)
{
    const float xs[4] = {x0, x1, x1, x0};
    const float zs[4] = {z0, z0, z1, z1};
    for (int c = 0; c < 4; ++c) {
        float* k = scn.markxyz[a][r][m][c];
        k[0] = xs[c] * w;
        k[1] = 0;
        k[2] = zs[c] * l;
    }
}

void setuprunway(int a, int r, float X, float Z, float Y, float l, float w, int h, int code)
{
    float sl = l / 2;
    float lft = l * con.mtrstoft, wft = w * con.mtrstoft;

    int typ;
    code_to_lgts(&typ, env.lgt_gls[a][r], env.lgt_rwy[a][r], env.lgt_app[a][r], code);
    env.rwy_typ[a][r] = typ;
    env.tway[a][r] = lft * wft / 100 > 2500 && (typ == 27 || typ == 28);

    float spacing = lft < 500 ? 10 : 200;
    float caution = lft < 500 ? 20 : 2000;
    int n = intlim(round(lft / spacing), 10, 49);
    env.rwaymax1[a][r] = n;
    env.rwaymax2[a][r] = n + 50;
    env.twaymax1[a][r] = n + 150;
    env.twaymax2[a][r] = n + 200;
    int c = (int)(fltmin2((float)(int)(lft / 2), (float)(int)caution) / spacing);
    env.amber1[a][r] = c;
    env.amber2[a][r] = n - c;
    env.amber3[a][r] = n + 50 - c;
    env.amber4[a][r] = c + 50;

    const float quad[6][4] = {{-0.5f, 0.5f, -0.5f, 0.5f}, {2.0f, 2.5f, -0.5f, 0.5f}, {0.5f, 2.0f, 0.47f, 0.5f},
                              {0.5f, 2.0f, -0.01f, 0.01f}, {0.5f, 2.0f, -0.5f, -0.47f}, {2.5f, 4.5f, 0.1f, 0.4f}};
    for (int m = 0; m < 6; ++m) as_mark_xy(a, r, m, quad[m][0], quad[m][1], quad[m][2], quad[m][3], w, l);

    for (int s = 0; s < 2; ++s) {
        scn.sockinit[a][r][s] = 1;
        scn.sockxyz[a][r][s][0] = 0.52f * w;
        scn.sockxyz[a][r][s][1] = 5;
        scn.sockxyz[a][r][s][2] = (s == 0 ? -0.469f : 0.469f) * l;
    }

    row(a, r, 0, n, -w / 2 - 1, sl, -w / 2 - 1, -sl, 0.5f);
    row(a, r, 50, n + 50, w / 2 + 1, sl, w / 2 + 1, -sl, 0.5f);

    int rcls = n + 100;
    env.RCLSmax[a][r] = rcls;
    row(a, r, 100, rcls, 0, sl - 30, 0, -sl + 30, 0);
    int half = (int)lft / 2, quarter = (int)lft / 4;
    c = intmin2(half, 3000) / 200;
    env.altred1[a][r] = rcls - c;
    env.altred2[a][r] = c + 100;
    c = intmin2(quarter, 1500) / 200;
    env.red1[a][r] = rcls - c;
    env.red2[a][r] = c + 100;

    for (int k = 0; k < 3; ++k) {
        int b = 527 + 8 * k;
        as_edge(a, r, 2 + k, b, b + 3, b + 4, b + 7);
        as_interp(a, r, b, b + 3);
        as_interp(a, r, b + 4, b + 7);
    }
    as_edge(a, r, 5, 551, 555, 556, 560);
    as_interp(a, r, 551, 555);
    as_interp(a, r, 556, 560);

    corner_row(a, r, 150, 1, 3, n + 150, 1, 0);
    int k = n;
    int t4 = 200 + round(0.1f * k);
    int t6 = t4 + 1 + round(0.3f * k);
    corner_row(a, r, 200, 1, 2, t4, 5, 3);
    corner_row(a, r, t4 + 1, 5, 2, t6, 5, 1);
    corner_row(a, r, t6 + 1, 5, 0, n + 200, 1, 1);

    for (int e = 0; e < 2; ++e) end_lights(a, r, e, w, sl);
    threshold_bar(a, r, 501, w, sl + 2);
    threshold_bar(a, r, 514, w, -sl - 2);

    as_grnd_xy(a, r, 812, -w, 27, 0);
    float (*p)[3] = points(a, r);
    for (int i = 561; i <= 811; ++i) {
        p[i][0] = -p[i][0];
        p[i][2] = -p[i][2];
    }

    for (int m = 0; m < 6; ++m)
        for (int cn = 0; cn < 4; ++cn) to_world(scn.markxyz[a][r][m][cn], X, Z, Y, h);
    for (int i = 0; i <= 812; ++i) to_world(p[i], X, Z, Y, h);
    for (int s = 0; s < 2; ++s) to_world(scn.sockxyz[a][r][s], X, Z, Y, h);

    for (int e = 0; e < 2; ++e) {
        float d = sl + (env.lgt_app[a][r][e] == 6 ? 500 : 1050);
        float along = e == 0 ? d : -d;
        scn.rabbitsX[a][r][e] = X + rx3d(0, along, h);
        scn.rabbitsY[a][r][e] = Y;
        scn.rabbitsZ[a][r][e] = Z + rz3d(0, along, h);
        int os = e * END2;
        scn.rabbitdX[a][r][e] = p[os + 251][0] - p[os + 250][0];
        scn.rabbitdZ[a][r][e] = p[os + 251][2] - p[os + 250][2];
    }
}

void sub_clear_region(int a, int rway, float corners[4][3], int i1, int i2)
{
    float (*p)[3] = points(a, rway);
    for (int i = i1; i <= i2; ++i) {
        if (in_quad(corners[0], corners[1], corners[2], corners[3], p[i][0], p[i][2], 0)) {
            p[i][0] = 0;
            p[i][2] = 0;
        }
    }
}

void clear_region(int a, int blockee, int blocker, int m)
{
    float (*quad)[3] = scn.markxyz[a][blocker][m];
    sub_clear_region(a, blockee, quad, 1, env.rwaymax1[a][blockee] - 1);
    sub_clear_region(a, blockee, quad, 51, env.rwaymax2[a][blockee] - 1);
    sub_clear_region(a, blockee, quad, 151, env.twaymax1[a][blockee] - 1);
    sub_clear_region(a, blockee, quad, 201, env.twaymax2[a][blockee] - 1);
    sub_clear_region(a, blockee, quad, 250, 360);
    sub_clear_region(a, blockee, quad, 481, 526);
}

int in_runway(int a, float x, float z, int r)
{
    return a >= 0 && a < APT_REG_CAP && in_runway_of(a, apt_to_index[a], x, z, r);
}

void build_apt(int a, int w)
{
    if (a < 0 || a >= APT_REG_CAP || w < 0 || w >= APT_CAP) return;
    for (int k = 0; k < 5; ++k) obj_type[5 * a + k] = 0;

    env.rwaymax[a] = -1;
    for (int r = 0; r < 3; ++r) {
        scn.sockinit[a][r][0] = scn.sockinit[a][r][1] = 0;
        if (rway_counts(w, r)) env.rwaymax[a] = r;
    }

    for (int r = 0; r < 3; ++r) {
        if (!rway_counts(w, r)) continue;
        setuprunway(a, r, X_with_latlon(apt_lat[w][r], apt_lon[w][r]), Z_with_lat(apt_lat[w][r]), apt_h[w],
                    (float)apt_len[w][r], (float)apt_width[w][r], apt_hdng[w][r], apt_lite[w][r]);
        for (int m = 2; m <= 4; ++m) clear_region(a, r, r, m);
    }

    for (int blockee = 0; blockee < 3; ++blockee)
        for (int blocker = 0; blocker < 3; ++blocker)
            if (blockee != blocker && rway_counts(w, blockee) && rway_counts(w, blocker)) {
                clear_region(a, blockee, blocker, 0);
                clear_region(a, blockee, blocker, 1);
            }

    place_buildings(a, w);

    for (int r = 0; r < 3; ++r)
        for (int s = 0; s < 3; ++s)
            if (s != r && rway_counts(w, r) && rway_counts(w, s))
                for (int e = 0; e < 2; ++e)
                    if (in_runway_of(a, w, scn.sockxyz[a][r][e][0], scn.sockxyz[a][r][e][2], s)) scn.sockinit[a][r][e] = 0;
}
