// Airspeed, attitude, altimeter, turn and slip, HSI and vertical speed: the
// moving parts over the panel backdrop, round-dial and glass forms.
#include "flight_instruments.h"

#include "P_UPDATE.h"
#include "records/cockpit_state.h"
#include "instrument_primitives.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <cmath>

namespace {
bool glass()
{
    return pln.paneltype == 2;
}

float dial_unit(float knots)
{
    return pln.asi_units == 2 ? knots : knots * con.nm_to_sm;
}
} // namespace

int airspeed_needle(float v)
{
    return intlim(flt_to_int(asi_angle(v)), 0, 330);
}

int mmo_needle(float a, float crtsig)
{
    float vmmo = fltlim(pln.Mmo * a * std::sqrt(fltmax2(crtsig, 0)) * con.msctokts, 0, pln.Vne);
    return intlim(wrap_degrees(asi_angle(dial_unit(vmmo))), 0, 350);
}

float turn_rate_step(float ts, float R, float prd)
{
    return closer_assymp(ts, fltlim(10 * R, -55, 55), prd);
}

float slip_target(float fside, float fnrml)
{
    if (!std::isfinite(fnrml)) fnrml = 0;
    if (fnrml > -0.1f && fnrml < 0.1f) fnrml = fnrml < 0 ? -0.1f : 0.1f;
    return fltlim(4 * std::atan(fside / fnrml) * con.radtodeg, -15, 15);
}

float ah_inverse_slope(int r)
{
    r = wrap_degrees(r);
    float s = lookup_sin[r], c = lookup_cos[r];
    if (std::fabs(s) < 1e-6f) return c >= 0 ? 999.0f : -999.0f;
    return fltlim(c / s, -999, 999);
}

void ah_colours(int r, int glass_panel, int out[4])
{
    r = wrap_degrees(r);
    bool inverted = r >= 90 && r <= 269;
    int sky = glass_panel ? 53 : 35, ground = glass_panel ? 54 : 37;
    out[0] = inverted ? ground : sky;
    out[1] = inverted ? sky : ground;
    out[2] = inverted ? 36 : 34;
    out[3] = inverted ? 34 : 36;
}

int alt_dial(float feet)
{
    if (!std::isfinite(feet)) feet = 0;
    double f = std::fmod((double)feet, 1000000.0);
    if (f < 0) f += 1000000.0;
    return (int)(0.36 * f);
}

int alt_long_needle(int n_dat)
{
    return n_dat % 360;
}

int alt_short_needle(int n_dat)
{
    return n_dat / 10 % 360;
}

float alt_counter(int n_dat)
{
    return n_dat / 36.0f;
}

float dme_distance_nm(int w)
{
    w = intlim(w, 0, 1);
    bool gs = nav.ilsgs[w] == 3;
    float sx = gs ? nav.gsX[w] : nav.vorX[w], sy = gs ? nav.gsY[w] : nav.vorY[w], sz = gs ? nav.gsZ[w] : nav.vorZ[w];
    return pythag3((float)(sx - flt.X), (float)(sy - flt.Y), (float)(sz - flt.Z)) * con.mtrstonm;
}

void strip_points(const int (*strip)[12], int len, int offset, int half, float x, float ytop)
{
    glBegin(GL_POINTS);
    for (int w = -half; w <= half; ++w) {
        int col = ((offset + w) % len + len) % len;
        for (int h = 0; h < 12; ++h) {
            int c = strip[col][h];
            if (c < 0 || c > 79) continue;
            glColor3fv(col_rgb[c]);
            glVertex2f(mnw.x + x + w + 0.5f, mnw.y + ytop - h);
        }
    }
    glEnd();
}

// ---------------------------------------------------------------------------

namespace {
int n_ang_v = 0, n_dig_v = 0;

void airspeed_round(float x, float y)
{
    if (rel.ss_asi) {
        n_ang_v = airspeed_needle(dial_unit(flt.vind));
        n_dig_v = round(flt.vind);
    }
    if (pln.AStype == 3) strip_points(ins.h_tape_col0, 200, ((n_dig_v % 100 + 100) % 100) * 2, 15, x, y - 17.5f);
    plot_needle(x, y, (float)n_ang_v, 0, 35, 0, 10);
    if (pln.entype == 4 || pln.entype == 5) plot_needle(x, y, (float)mmo_needle(atm.a, atm.crtsig), 15, 35, 8, 10);
}

void airspeed_glass(float x, float y)
{
    int n = intmax2(round(flt.vind), 0);
    const struct {
        float v;
        int colour;
        float dx;
    } bugs[4] = {{pln.Vso, 38, 20}, {pln.Vs, 47, 20}, {pln.Vno, 41, 20}, {pln.Vne, 44, 19}};
    for (const auto& b : bugs) plot_tape_bug(b.colour, x + b.dx, y, 51, (b.v - n) * 2);
    plot_glass_tape(38, x, x + 20, y, 51, 5, (float)n, 5, 10, 2, 27);
    OGL_number(47, x, y - 3, (float)intlim(n, 0, 999), 3, 0, 6, 0);
    OGL_number(43, x + 9, y - 61, flt.machno, 3, 2, 6, 0);
}
} // namespace

void update_airspeed()
{
    float x = ins.x_loc[1], y = ins.y_loc[1];
    if (glass()) airspeed_glass(x, y);
    else airspeed_round(x, y);
}

namespace {
float ts = 0, slip = 0;
}

void update_turnslip()
{
    float x = ins.x_loc[5], y = ins.y_loc[5];
    if (rel.ss_tsi) ts = turn_rate_step(ts, flt.R, msc.prd);
    int n = wrap_degrees(round(ts));
    plot_needle(x, y + 1, (float)(n + 270), 0, 31, 0, 10);
    plot_needle(x, y - 1, (float)n, 0, 15, 0, 10);
    plot_needle(x, y, (float)(n + 90), 0, 31, 0, 10);
    // The ball hangs on the forces alone: it works with the turn needle failed.
    float fn = flt.fnrmlprop + flt.fnrmlaero + flt.fnrmlgear;
    float fs = flt.fsideprop + flt.fsideaero + flt.fsidegear;
    slip = closer_assymp(slip, slip_target(fs, fn), 0.5f * msc.prd);
    if (!std::isfinite(slip)) slip = 0;
    OGL_fillrect(0, (float)(flt_to_int(x - round(slip)) - 1), y - 46, 3, 6);
}

// ---------------------------------------------------------------------------

namespace {
const int o_the = 0, o_phi = 0;   // what a failed attitude indicator shows

void ah_fill(float cx, float cy, int r, float t, int first, int second, int full)
{
    bool slope_down = (r >= 90 && r <= 179) || (r >= 270 && r <= 359);
    OGL_setcolor(first);
    glBegin(GL_LINES);
    plot_ahregion(cx, cy, slope_down, !slope_down, t, full);
    glEnd();
    OGL_setcolor(second);
    glBegin(GL_LINES);
    plot_ahregion(cx, cy, !slope_down, slope_down, t, full);
    glEnd();
}

void ah_ladder(float x, float y, int p, int r, int colour)
{
    float s = lookup_sin[r], c = lookup_cos[r], lim = pln.ah_semidim_flt - 12;
    for (int k = -30; k <= 30; k += 5) {
        if (k == 0) continue;
        int len = k % 10 == 0 ? 14 : 7;
        float mx = x + (p + 1.5f * k) * s, my = y - (p + 1.5f * k) * c;
        int dx = round(len * c), dy = round(len * s);
        float x1 = mx - dx, y1 = my - dy, x2 = mx + dx, y2 = my + dy;
        auto inside = [&](float px, float py) { return std::fabs(px - x) <= lim && std::fabs(py - y) <= lim; };
        if (inside(x1, y1) && inside(x2, y2)) OGL_line(colour, x1, y1, x2, y2);
    }
}

void ah_roll_marks(float x, float y, int r, int colour)
{
    for (int k = -60; k <= 60; k += 10) {
        float r2 = k % 30 == 0 ? 56.0f : 52.0f;
        float s = dial_sin((float)(r + k)), c = dial_cos((float)(r + k));
        OGL_line(colour, x - 49 * s, y + 49 * c, x - r2 * s, y + r2 * c);
    }
}

void ah_glass_scale(float x, float y, int r, int b)
{
    float zero = x - (r > 180 ? r - 360 : r);
    const int marks[9] = {-45, -30, -20, -10, 0, 10, 20, 30, 45};
    for (int m : marks) {
        float mx = zero + m;
        if (std::fabs(mx - x) > pln.ah_semidim_flt) continue;
        bool big = m == 0 || m == 30 || m == -30 || m == 45 || m == -45;
        OGL_line(38, mx, y + (big ? 45 : 47), mx, y + 50);
    }
    OGL_line(38, x + b - 2, y + 45, x + b + 2, y + 45);
    OGL_line(38, x + b - 2, y + 46, x + b + 2, y + 46);
}

void ah_symbol_round(float x, float y)
{
    glLineWidth(3);
    OGL_line(9, x - 5, y + 43, x, y + 48);
    OGL_line(9, x, y + 48, x + 5, y + 43);
    OGL_line(9, x - 25, y, x - 5, y);
    OGL_line(9, x - 5, y, x, y - 5);
    OGL_line(9, x, y - 5, x + 5, y);
    OGL_line(9, x + 5, y, x + 25, y);
    glLineWidth(1);
}

void ah_symbol_glass(float x, float y)
{
    OGL_line(38, x - 7, y + 37, x, y + 44);
    OGL_line(38, x, y + 44, x + 7, y + 37);
    OGL_fillrect(41, x - 25, y - 1, 18, 3);
    OGL_fillrect(41, x + 8, y - 1, 18, 3);
    OGL_fillrect(41, x - 10, y - 5, 3, 4);
    OGL_fillrect(41, x + 8, y - 5, 3, 4);
    OGL_fillrect(41, x - 2, y - 2, 5, 5);
    OGL_fillrect(29, x - 1, y - 1, 3, 3);
    OGL_line(29, x - 24, y, x - 9, y);
    OGL_line(29, x - 9, y, x - 9, y - 4);
    OGL_line(29, x + 9, y - 4, x + 9, y);
    OGL_line(29, x + 9, y, x + 24, y);
}
} // namespace

void update_arthoriz()
{
    float x = ins.x_loc[2], y = ins.y_loc[2];
    int p = o_the, r = o_phi;
    if (rel.ss_ahz) {
        p = round(1.5f * ins.the180);
        r = wrap_degrees(round(ins.phi180));
    }
    int b = flt.v < 1 ? 0 : intlim(round(-5 * flt.Beta), -40, 40);
    float cx = x + p * lookup_sin[r], cy = y - p * lookup_cos[r];
    float t = ah_inverse_slope(r);
    int col[4];
    ah_colours(r, glass(), col);
    int line = glass() ? 38 : 6;
    ah_fill(cx, cy, r, t, col[0], col[1], 1);
    ah_ladder(x, y, p, r, line);
    if (glass()) {
        ah_glass_scale(x, y, r, b);
    } else {
        // The ring turns with the roll only.
        ah_fill(x, y, r, t, col[2], col[3], 0);
        ah_roll_marks(x, y, r, line);
    }
    float ys = y + set.ah_bar_adjust;
    if (glass()) ah_symbol_glass(x, ys);
    else ah_symbol_round(x, ys);
    if (glass() && atm.inshear && msc.warn_bb && pln.bitchinbettyEQ) OGL_string(41, x - 32, y + 20, "WIND SHEAR!", 999, 6);
}

// ---------------------------------------------------------------------------

namespace {
int n_dat = 0;

void alt_round(float x, float y)
{
    if (rel.ss_alt) n_dat = alt_dial(flt.hind * con.mtrstoft);
    plot_vtape(x + 10, y - 5, pln.us_alt ? ins.baro * 100 : ins.baro * 33.85695187f);
    plot_vtape(x - 16, y - 21, alt_counter(n_dat));
    plot_needle(x, y, (float)alt_long_needle(n_dat), 0, 36, 0, 10);
    plot_needle(x, y, (float)alt_short_needle(n_dat), 0, 25, 0, 10);
}

void alt_glass(float x, float y)
{
    float feet = fltlim(flt.hind * con.mtrstoft, -1e6f, 1e7f);
    float t = (float)flt_to_int(0.1f * feet);
    float a = fltnear(feet, 10);
    float above = (float)((flt.Y - env.localh_cg) * con.mtrstoft);
    plot_tape_bug(44, x - 8, y, 51, (float)-flt_to_int(0.1f * (above - ins.radalt_ft)));
    plot_glass_tape(38, x, x - 8, y, 51, 999, t, 10, 100, 1, 27);
    OGL_number(38, x, y + 42, a + 500, 5, 0, 6, 0);
    OGL_number(47, x, y - 3, a, 5, 0, 6, 0);
    OGL_number(38, x, y - 48, fltmax2(a - 500, 0), 5, 0, 6, 0);
    if (pln.us_alt) OGL_number(43, x + 4, y - 61, ins.baro, 4, 2, 6, 0);
    else OGL_number(43, x + 4, y - 61, ins.baro * 1013 / 29.92f, 4, 0, 6, 0);
}
} // namespace

void update_alt()
{
    float x = ins.x_loc[3], y = ins.y_loc[3];
    if (glass()) alt_glass(x, y);
    else alt_round(x, y);
}

namespace {
float vvi = 0;
}

void update_vvi()
{
    float x = ins.x_loc[7], y = ins.y_loc[7];
    int travel = glass() ? 90 : 160;
    if (rel.ss_vvi) vvi = closer_assymp(vvi, ins.msctoVVI * (float)flt.vY, msc.prd);
    if (!std::isfinite(vvi)) vvi = 0;
    int a = intlim(round(vvi) - 90, -travel - 90, travel - 90);
    if (glass()) plot_needle(x, y, (float)a, 0, 23, 38, 9);
    else plot_needle(x, y, (float)a, 0, 36, 0, 10);
}

// ---------------------------------------------------------------------------

namespace {
int hsi_hdg = 0;

// The point at radius r on the card for a card angle a, drawn mirrored as
// the HSI draws its bug and arrow.
void card_point(float x, float y, int a, float r, float* px, float* py)
{
    *px = x - flt_to_int(r * dial_sin((float)a));
    *py = y + flt_to_int(r * dial_cos((float)a));
}

void hsi_bug(float x, float y)
{
    double d = std::trunc((double)ins.psimag - env.mvar) - nav.hdsel;
    if (!std::isfinite(d)) return;
    int a = wrap_degrees(d);
    float px, py;
    card_point(x, y, a, 50, &px, &py);
    plot_needle(px, py, (float)(180 - a + 30), 0, 10, 32, 10);
    plot_needle(px, py, (float)(180 - a - 30), 0, 10, 32, 10);
}

void hsi_course(float x, float y, int a, int idef, int colour)
{
    float hx, hy, b1x, b1y, b2x, b2y;
    card_point(x, y, a, 40, &hx, &hy);
    card_point(x, y, a + 8, 32, &b1x, &b1y);
    card_point(x, y, a - 8, 32, &b2x, &b2y);
    OGL_line(colour, hx, hy, b1x, b1y);
    OGL_line(colour, hx, hy, b2x, b2y);
    float s = dial_sin((float)a), c = dial_cos((float)a);
    OGL_line(colour, x + flt_to_int(40 * s), y - flt_to_int(40 * c), x + flt_to_int(32 * s), y - flt_to_int(32 * c));
    // Deviation dots at 5 units a dot, then the bar.
    OGL_framerect(colour, x - 3, y - 3, 6, 6);
    for (int k = 1; k <= 4; ++k)
        for (int sgn = -1; sgn <= 1; sgn += 2)
            OGL_framerect(colour, x + sgn * 5 * k * c - 1, y + sgn * 5 * k * s - 1, 2, 2);
    int t1 = flt_to_int(30 * s), t2 = flt_to_int(30 * c), t3 = flt_to_int(idef * s), t4 = flt_to_int(idef * c);
    OGL_line(colour, x + t1 + t4, y - t2 + t3, x - t1 + t4, y + t2 + t3);
    // To/from arrow.
    int f = nav.ntf[1] == 1 ? 1 : nav.ntf[1] == 2 ? -1 : 0;
    const int ds[3][2] = {{10, 3}, {15, 10}, {20, 3}};
    float px[3], py[3];
    for (int k = 0; k < 3; ++k) {
        px[k] = x + round(ds[k][0] * c - ds[k][1] * f * s);
        py[k] = y + round(ds[k][0] * s + ds[k][1] * f * c);
    }
    OGL_line(colour, px[0], py[0], px[1], py[1]);
    OGL_line(colour, px[1], py[1], px[2], py[2]);
}

void hsi_glass_text(float x, float y)
{
    OGL_number(38, x - 32, y + 54, (float)hsi_hdg, 3, 0, 6, 0);
    OGL_number(41, x + 17, y + 54, (float)wrap_degrees(nav.obs[1]), 3, 0, 6, 0);
    OGL_string(46, x - 82, y - 50, "DME", 999, 6);
    float d = dme_distance_nm(1);
    if (!nav.goodnav[1] || !(d <= 99)) OGL_string(46, x - 60, y - 50, "---", 999, 6);
    else OGL_number(46, x - 60, y - 50, d, 3, 1, 6, 0);
}
} // namespace

void update_HSI(int idef, int del)
{
    float x = ins.x_loc[6], y = ins.y_loc[6];
    plot_gs((float)pln.gsx1, (float)(pln.gsyc + del));
    plot_gs((float)pln.gsx2, (float)(pln.gsyc + del));
    if (rel.ss_dgy && std::isfinite(ins.psimag)) hsi_hdg = flt_to_int(ins.psimag);
    plot_dg(x, y, hsi_hdg, 52);
    int mark = glass() ? 41 : 9;
    hsi_bug(x, y);
    double ca = std::trunc((double)ins.psimag + 360 - nav.obs[1]);
    if (std::isfinite(ca)) hsi_course(x, y, wrap_degrees(ca), idef, mark);
    if (glass()) {
        for (int k = 0; k < 3; ++k) OGL_line(43, x - 3, y + 52 + k, x + 4, y + 52 + k);
        OGL_line(38, x, y + 52, x, y + 55);
        hsi_glass_text(x, y);
    } else {
        for (int k = -1; k <= 1; ++k) OGL_line(mark, x + k, y + 43, x + k, y + 51);
    }
}
