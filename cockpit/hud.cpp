// Flat head-up display (tapes, boresight, flight-path box, ILS bars) and the
// 3-D one (terrain wire-frame, runway outlines and approach hoops).
#include "hud.h"

#include "records/cockpit_state.h"
#include "instrument_primitives.h"
#include "records/flight_state.h"
#include "world/region_lists.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const float UNITS_PER_DEGREE = 9.41f;
const float HOOP_RANGE_NM = 15;
}

float hud_view_offset(int view_type)
{
    return view_type == 501 ? -4.0f : view_type == 502 ? -8.0f : 0.0f;
}

void hud_flight_path(float alpha, float beta, int view_type, float* x, float* y)
{
    float os = hud_view_offset(view_type);
    *x = fltlim(con.cntrx - UNITS_PER_DEGREE * beta, con.HUD_lft + 2, con.HUD_rgt - 2);
    *y = fltlim(con.cntry - UNITS_PER_DEGREE * (alpha + os), con.HUD_bot + 2, con.HUD_top - 2);
}

void plot_nrml_hud()
{
    const int c = ins.hud_brt != 0 ? 47 : 49;
    const float lft = con.HUD_lft, rgt = con.HUD_rgt, top = con.HUD_top, bot = con.HUD_bot;
    const float cx = con.cntrx, cy = con.cntry;
    float dx = (float)flt_to_int((rgt - lft) / 2 - 30), dy = (float)flt_to_int((top - bot) / 2 - 1);
    float hundreds = flt.hind * con.mtrstoft * 0.01f;
    plot_glass_tape(c, lft + 3, lft + 24, cy, dy, -999, flt.vind, 5, 10, 2, 27);
    plot_glass_tape(c, rgt - 20, rgt - 27, cy, dy, -999, hundreds, 1, 5, 10, 27);
    plot_glass_tape(c, top - 9, top - 16, cx, dx, -999, flt.magpsi, 5, 10, 5, 26);
    OGL_number(c, lft + 35, cy - 3, flt.vind, 3, 0, 6, 0);
    OGL_number(c, rgt - 57, cy - 3, hundreds, 4, 0, 6, 0);
    OGL_number(c, cx - 8, top - 32, flt.magpsi, 3, 0, 6, 0);
    // Chevrons at the tapes.
    OGL_line(c, lft + 33, cy - 5, lft + 28, cy);
    OGL_line(c, lft + 28, cy, lft + 33, cy + 5);
    OGL_line(c, rgt - 34, cy - 5, rgt - 29, cy);
    OGL_line(c, rgt - 29, cy, rgt - 34, cy + 5);
    OGL_line(c, cx - 5, top - 23, cx, top - 18);
    OGL_line(c, cx, top - 18, cx + 5, top - 23);
    // Boresight: the looking-down views see it above the centre.
    float by = cy - UNITS_PER_DEGREE * hud_view_offset(set.view_type);
    OGL_line(c, cx - 10, by, cx + 10, by);
    OGL_line(c, cx, by - 10, cx, by + 10);
    float fx, fy;
    hud_flight_path(flt.Alpha, flt.Beta, set.view_type, &fx, &fy);
    OGL_framerect(c, fx - 2, fy - 2, 4, 4);
    if (nav.goodnav[1] && pln.HUDtype != 3) {
        float h = (float)round(10 * nav.hdef[1]), v = (float)round(10 * nav.vdef[1]);
        OGL_line(c, cx + h, cy - 50, cx + h, cy + 50);
        OGL_line(c, cx - 50, cy - v, cx + 50, cy - v);
    }
}

float hoop_distance(int k)
{
    return 6000 * std::pow((k + 2) / 9.0f, 1.5f);
}

void hoop_centre(int k, const float end[3], int h, float out[3])
{
    float s = hoop_distance(k);
    out[0] = end[0] - s * dial_sin((float)h);
    out[1] = end[1] + s * lookup_sin[3];
    out[2] = end[2] + s * dial_cos((float)h);
}

namespace {
void colour(int c)
{
    glColor3fv(col_rgb[c]);
}

void terrain_wire(int near_c, int far_c)
{
    int ia = env.i_aircraft, ja = env.j_aircraft;
    int i1 = intlim(ia - 10, 0, GRID_I - 2), i2 = intlim(ia + 10, 0, GRID_I - 2);
    int j1 = intlim(ja - 10, 0, GRID_J - 2), j2 = intlim(ja + 10, 0, GRID_J - 2);
    for (int i = i1; i < i2; ++i) {
        for (int j = j1; j < j2; ++j) {
            colour(std::abs(i - ia) < 10 && std::abs(j - ja) < 10 ? near_c : far_c);
            const float* p = planexyz[i][j];
            const float* pj = planexyz[i][j + 1];
            const float* pi = planexyz[i + 1][j];
            OGL_3dline(p[0], p[1], p[2], pj[0], pj[1], pj[2]);
            OGL_3dline(p[0], p[1], p[2], pi[0], pi[1], pi[2]);
        }
    }
}

void hoops(const float end[3], int h, int c)
{
    colour(c);
    for (int k = 0; k < 8; ++k) {
        float m[3];
        hoop_centre(k, end, h, m);
        float q = 0.02f * hoop_distance(k), a = q * dial_cos((float)h), b = q * dial_sin((float)h);
        OGL_3dline(m[0] - a, m[1] + q, m[2] - b, m[0] - a, m[1] - q, m[2] - b);
        OGL_3dline(m[0] + a, m[1] + q, m[2] + b, m[0] + a, m[1] - q, m[2] + b);
        OGL_3dline(m[0] - a, m[1] - q, m[2] - b, m[0] + a, m[1] - q, m[2] + b);
    }
}

void runways(int outline_c, int hoop_c)
{
    int last = intlim(env.apt_list_max, -1, APT_REG_CAP - 1);
    for (int a = 0; a <= last; ++a) {
        int w = apt_to_index[a];
        if (w < 0 || w >= APT_CAP) continue;
        int rlast = intlim(env.rwaymax[a], -1, 2);
        for (int r = 0; r <= rlast; ++r) {
            if (apt_len[w][r] <= 1) continue;   // no runway in this slot
            const float(*q)[3] = scn.markxyz[a][r][0];
            colour(outline_c);
            for (int k = 0; k < 4; ++k) {
                const float* p1 = q[k];
                const float* p2 = q[(k + 1) % 4];
                OGL_3dline(p1[0], p1[1], p1[2], p2[0], p2[1], p2[2]);
            }
            float end[3];
            for (int k = 0; k < 3; ++k) end[k] = (q[2][k] + q[3][k]) / 2;
            float d = pythag(end[0] - con.VIEW_xyz[0], end[2] - con.VIEW_xyz[2]) * con.mtrstonm;
            if (d < HOOP_RANGE_NM) hoops(end, apt_hdng[w][r], hoop_c);
        }
    }
}
} // namespace

void plot_cool_hud()
{
    const bool bright = ins.hud_brt != 0;
    const int c1 = bright ? 46 : 48, c2 = bright ? 48 : 49, c3 = bright ? 49 : 50;
    glEnable(GL_SCISSOR_TEST);
    glScissor(flt_to_int(con.HUD_lft * mnw.XRAT), flt_to_int(con.HUD_bot * mnw.YRAT),
              flt_to_int((con.HUD_rgt - con.HUD_lft - 1) * mnw.XRAT), flt_to_int((con.HUD_top - con.HUD_bot - 1) * mnw.YRAT));
    glBegin(GL_LINES);
    terrain_wire(c2, c3);
    runways(c1, c3);
    glEnd();
    glDisable(GL_SCISSOR_TEST);
}
