// Dial marks, faces, needles, lamps, tapes and handles of the panel.
#include "instrument_primitives.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/plane_record.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const float kFaceColourGlass = 38;

int face_colour()
{
    return pln.paneltype == 2 ? (int)kFaceColourGlass : 0;
}

int positive_mod(long v, int m)
{
    long r = v % m;
    return (int)(r < 0 ? r + m : r);
}
} // namespace

int dial_degree(float angle)
{
    if (!std::isfinite(angle)) return 0;
    if (angle >= 0 && angle <= 360) return (int)angle;
    return positive_mod((long)std::fmod(std::trunc((double)angle), 360.0), 360);
}

int wrap_degrees(double angle)
{
    if (!std::isfinite(angle)) return 0;
    return positive_mod((long)std::fmod(std::trunc(angle), 360.0), 360);
}

float dial_sin(float angle)
{
    return lookup_sin[dial_degree(angle)];
}

float dial_cos(float angle)
{
    return lookup_cos[dial_degree(angle)];
}

void init_tickmark(float x, float y, float r1, float r2, int angle, int color)
{
    float s = dial_sin((float)angle), c = dial_cos((float)angle);
    OGL_line(color, x + r1 * s, y + r1 * c, x + r2 * s, y + r2 * c);
}

void init_entick(float x, float y, int ctr, int val, int phi, int nummod)
{
    int dig = 1, shift_tape = 0, shift_dial = -2;
    if (val >= 100) {
        dig = 3;
        shift_tape = shift_dial = -8;
    } else if (val >= 10) {
        dig = 2;
        shift_tape = -4;
        shift_dial = -6;
    }
    int col = face_colour();
    bool labelled = nummod != 0 && ctr % nummod == 0;
    if (pln.tape == 1) {
        OGL_line(col, x - 4, y + phi, labelled ? x - 11 : x - 7, y + phi);
        if (labelled) OGL_number(col, x - 16 + shift_tape, y + phi - 3, (float)val, dig, 0, 6, 0);
        return;
    }
    phi = positive_mod(phi, 360);
    init_tickmark(x, y, 22, 23, phi, col);
    if (labelled)
        OGL_number(col, x + round(28 * lookup_sin[phi]) + shift_dial, y + round(28 * lookup_cos[phi]) - 4, (float)val,
                   dig, 0, 6, 0);
}

void tape_arc(const char* string, float x, float y, int d1, int d2, int del, int labelrat, float conv, int mod)
{
    int offset = pln.tape == 1 ? 0 : 180;
    if (del > 0 && labelrat != 0)
        for (int c = d1; c <= d2; c += del) init_entick(x, y, c, c / labelrat, round(c * conv + offset), mod);
    if (pln.tape == 1) OGL_line(0, x - 4, y, x - 4, y + 100);
    if (pln.tape == 1) OGL_string(face_colour(), x - 35, y + 2, string, 999, 6);
    else OGL_string(face_colour(), x + 6, y - 26, string, 999, 6);
}

void tape_arc_mark(int color, float x, float y, int r1, int r2, int a1, int a2, int offset)
{
    if (pln.tape == 1) {
        for (int a = a1; a <= a2; ++a) OGL_line(color, x - 8, y + a, x - 5, y + a);
        return;
    }
    OGL_arc(color, x, y, (float)r1, (float)r2, (float)(a1 + offset), (float)(a2 + offset));
}

float asi_angle(float v)
{
    // A speed below zero (rolling backwards) would make the power NaN.
    if (!std::isfinite(v)) v = 0;
    return (std::pow(fltmax2(v, 0), pln.ASpwr) - std::pow(fltmax2(pln.Vmin, 0), pln.ASpwr)) * ins.indtoASI;
}

namespace {
void asi_spacing(int v, int* tick, int* label)
{
    if (pln.AStype == 2) {
        *tick = v <= 200 ? 5 : 10;
        *label = v <= 200 ? 20 : 50;
        return;
    }
    float span = pln.Vmax - pln.Vmin;
    if (span < 150) *tick = 5, *label = 10;
    else if (span < 300) *tick = 5, *label = 20;
    else if (span < 500) *tick = 10, *label = 40;
    else if (span < 600) *tick = 15, *label = 60;
    else *tick = 25, *label = 75;
}
} // namespace

void init_asi()
{
    float x = ins.x_loc[1], y = ins.y_loc[1];
    if (pln.entype != 4 && pln.entype != 5) {
        if (!pln.is_heli) {
            OGL_arc(0, x, y, 36, 38, (int)asi_angle(pln.Vso), (int)asi_angle(pln.Vfe));
            OGL_arc(7, x, y, 38, 40, (int)asi_angle(pln.Vs), (int)asi_angle(pln.Vno));
            OGL_arc(9, x, y, 38, 40, (int)asi_angle(pln.Vno), (int)asi_angle(pln.Vne));
        }
        OGL_arc(8, x, y, 38, 44, (int)(asi_angle(pln.Vne) - 3), (int)(asi_angle(pln.Vne) + 3));
    }
    if (!std::isfinite(pln.Vmin) || !std::isfinite(pln.Vmax) || pln.Vmax - pln.Vmin > 5000) return;
    for (int v = (int)pln.Vmin; v <= pln.Vmax; ++v) {
        int tick, label;
        asi_spacing(v, &tick, &label);
        if (v % tick != 0) continue;
        int a = dial_degree((float)round(asi_angle((float)v)));
        init_tickmark(x, y, 38, 42, a, 0);
        if (v > pln.Vmin && v % label == 0)
            OGL_number(0, x + (int)(50 * lookup_sin[a]) - 9 + (v < 100 ? 3 : 0), y + (int)(50 * lookup_cos[a]) - 3,
                       (float)v, v < 100 ? 2 : 3, 0, 6, 0);
    }
}

int vvi_face_angle(int c)
{
    float full = pln.VVItype == 2 ? 50.0f : 20.0f;
    return positive_mod(round(interp(-full, -160, full, 160, (float)c) - 90), 360);
}

void init_vvi()
{
    float x = ins.x_loc[7], y = ins.y_loc[7];
    bool wide = pln.VVItype == 2;
    int full = wide ? 50 : 20, small = wide ? 2 : 1, small_below = wide ? 50 : 10, big = wide ? 10 : 5;
    for (int c = -full; c <= full; ++c) {
        int a = vvi_face_angle(c);
        if (c % big == 0) {
            init_tickmark(x, y, 38, 43, a, 0);
            int n = c < 0 ? -c : c;
            OGL_number(0, x + 50 * lookup_sin[a] - 4, y + 50 * lookup_cos[a] - 3, (float)n, n < 10 ? 1 : 2, 0, 6, 0);
        } else if (c % small == 0 && (c < 0 ? -c : c) < small_below) {
            init_tickmark(x, y, 38, 40, a, 0);
        }
    }
}

namespace {
void slot(float x, float y, float h)
{
    OGL_line(22, x, y, x + 2, y);
    OGL_line(22, x, y, x, y + h);
    OGL_line(18, x, y + h, x + 2, y + h);
    OGL_line(18, x + 2, y, x + 2, y + h);
}
} // namespace

void init_handle(int p)
{
    if (p == 6) slot(oseng + 664, 72, 63);
    else if (p == 7) OGL_texbmp(BMP_TO_CANVAS, (int)(oseng + 692), 78, pln.autosbrkEQ ? "b_sbrka" : "b_sbrkm");
    else if (p == 8) OGL_texbmp(BMP_TO_CANVAS, (int)(oseng + 782), 72, "b_trim");
    else if (p == 9) OGL_texbmp(BMP_TO_CANVAS, (int)(oseng + 736), 72, "b_swee");
    else if (p == 10) OGL_texbmp(BMP_TO_CANVAS, (int)(oseng + 730), 72, "b_vect");
    else if (p >= 11 && p <= 14) slot(thro_x[p - 11] + 5.5f + oseng, 3, 63);
    else if (p >= 15 && p <= 18) slot(prop_x[p - 15] + 3.5f + oseng, 3, 63);
    else if (p >= 19 && p <= 22) slot(mixt_x[p - 19] + 3.5f + oseng, 3, 63);
    else if (p == 23) slot(oseng + 791, 3, 62);
}

void plot_needle(float x, float y, float angle, float l1, float l2, int color, int type)
{
    if (!std::isfinite(angle)) return;
    int a = dial_degree(angle);
    float s = lookup_sin[a], c = lookup_cos[a];
    if (type == 11) {
        float ox = 2 * c, oy = -2 * s;
        OGL_line(color, x + l1 * s + ox, y + l1 * c + oy, x + l2 * s + ox, y + l2 * c + oy);
        OGL_line(color, x + l1 * s - ox, y + l1 * c - oy, x + l2 * s - ox, y + l2 * c - oy);
        return;
    }
    if (type == 10) glLineWidth(2);
    OGL_line(color, x + l1 * s, y + l1 * c, x + l2 * s, y + l2 * c);
    if (type == 10) glLineWidth(1);
}

void plot_pointer(float x, float y, int color)
{
    OGL_line(color, x, y, x + 2, y - 5);
    OGL_line(color, x + 2, y - 5, x - 2, y - 5);
    OGL_line(color, x - 2, y - 5, x, y);
}

void plot_gs(float x, float y)
{
    const int round_cols[3] = {3, 9, 15};
    for (int k = 0; k < 3; ++k) {
        float row = y + 1 - k;
        if ((int)row == pln.gsy1 || (int)row == pln.gsy2) continue;
        OGL_line(pln.paneltype == 2 ? 41 : round_cols[k], x, row, x + pln.gsw, row);
    }
}

void plot_efis_light(float x, float y, int on)
{
    int light = on ? 46 : 50, medium = on ? 49 : 51, dark = on ? 50 : 52;
    OGL_fillrect(medium, x, y, 4, 3);
    OGL_line(light, x + 1, y + 1, x + 2, y + 1);
    OGL_line(dark, x, y + 3, x + 4, y + 3);
    OGL_line(dark, x + 4, y + 3, x + 4, y);
}

void plot_argus_button(float x, float y, int en)
{
    if (en < 14 || en > 19) return;
    static const char* const names[3] = {"DP", "EN", "AR"};
    bool on = (en - 14) % 2 == 0;
    OGL_fillrect(on ? 49 : 29, x + 1, y + 1, 13, 12);
    OGL_string(on ? 46 : 49, x + 3, y + 3, names[(en - 14) / 2], 999, 6);
}

void plot_marker(float x, float y, int en)
{
    static const int cols[6][3] = {{10, 16, 29}, {63, 66, 69}, {9, 15, 29}, {62, 65, 68}, {12, 18, 22}, {61, 64, 67}};
    static const char* const labels[3] = {"OM", "MM", "IM"};
    if (en < 8 || en > 13) return;
    const int* c = cols[en - 8];
    OGL_fillrect(c[1], x + 1, y + 1, 13, 9);
    OGL_line(c[0], x, y + 10, x + 14, y + 10);
    OGL_line(c[0], x, y, x, y + 10);
    OGL_line(c[2], x, y, x + 14, y);
    OGL_line(c[2], x + 14, y, x + 14, y + 10);
    if ((en - 8) % 2 == 0) OGL_string(c[2], x + 2, y + 2, labels[(en - 8) / 2], 999, 6);
}

void plot_dg(float x, float y, int n_hdg, int rad)
{
    float r = rad * 1.41421356f;
    int base = 360 - n_hdg;
    float px[4], py[4];
    const int corner[4] = {-135, -45, 45, 135};
    for (int k = 0; k < 4; ++k) {
        int a = dial_degree((float)(base + corner[k]));
        px[k] = x + r * lookup_sin[a];
        py[k] = y + r * lookup_cos[a];
    }
    if (pln.paneltype == 2) glColor3f(1, 1, 1);
    else glColor3f(ins.r_rat, ins.g_rat, ins.b_rat);
    OGL_setstate(o_fog, 1, o_lit, o_dep);
    OGL_bindtex(81);
    glEnable(GL_ALPHA_TEST);
    OGL_2dquad(0, 0, 0, 1, 1, 1, 1, 0, px[0], py[0], px[1], py[1], px[2], py[2], px[3], py[3]);
    glDisable(GL_ALPHA_TEST);
    OGL_setstate(o_fog, 0, o_lit, o_dep);
}

void plot_hline(int ctr, float cx, float cy, const float* xlft, const float* xrgt, float tanphi_inv, int online1,
                int online2)
{
    if (ctr < 0 || ctr >= 118) return;
    float y = ins.y_loc[2] - pln.ah_semidim_int + ctr;
    float xline = cx + (y - cy) * tanphi_inv;
    float x1, x2;
    if (online1) {
        if (!(xrgt[ctr] > xline)) return;
        x1 = fltmax2(xlft[ctr], xline);
        x2 = xrgt[ctr];
    } else if (online2) {
        if (!(xlft[ctr] < xline)) return;
        x1 = xlft[ctr];
        x2 = fltmin2(xrgt[ctr], xline);
    } else {
        return;
    }
    glVertex2f(mnw.x + x1 + 0.5f, mnw.y + y + 0.5f);
    glVertex2f(mnw.x + x2 + 1.5f, mnw.y + y + 0.5f);
}

void plot_ahregion(float cx, float cy, int online1, int online2, float tanphi_inv, int full)
{
    if (full) {
        for (int i = pln.ah_bot_prim; i <= pln.ah_top_prim; ++i)
            plot_hline(i, cx, cy, pln.ahx1_prim, pln.ahx2_prim, tanphi_inv, online1, online2);
        return;
    }
    for (int i = pln.ah_bot_roll; i < pln.ah_bot_prim; ++i)
        plot_hline(i, cx, cy, pln.ahx1_roll, pln.ahx2_roll, tanphi_inv, online1, online2);
    for (int i = pln.ah_top_prim + 1; i <= pln.ah_top_roll; ++i)
        plot_hline(i, cx, cy, pln.ahx1_roll, pln.ahx2_roll, tanphi_inv, online1, online2);
    for (int i = pln.ah_bot_prim; i <= pln.ah_top_prim; ++i) {
        plot_hline(i, cx, cy, pln.ahx1_roll, pln.ahx1_prim, tanphi_inv, online1, online2);
        plot_hline(i, cx, cy, pln.ahx2_prim, pln.ahx2_roll, tanphi_inv, online1, online2);
    }
}

void vtape_rows(float fnum, int first_row[4])
{
    if (!std::isfinite(fnum) || std::fabs(fnum) > 1e9f) fnum = 0;
    int n = (int)fnum;
    float f[4];
    int f0 = n / 1000, f1 = (n - 1000 * f0) / 100, f2 = (n - 1000 * f0 - 100 * f1) / 10;
    f[0] = (float)f0;
    f[1] = (float)f1;
    f[2] = (float)f2;
    f[3] = fnum - 1000.0f * f0 - 100.0f * f1 - 10.0f * f2;
    if (f[3] > 9) f[2] += f[3] - 9;
    if (f[2] > 9) f[1] += f[2] - 9;
    if (f[1] > 9) f[0] += f[1] - 9;
    for (int d = 0; d < 4; ++d) first_row[d] = positive_mod(round(9 * f[d] - 4), 90);
}

void plot_vtape(float x, float y, float fnum)
{
    int first[4];
    vtape_rows(fnum, first);
    glBegin(GL_POINTS);
    for (int d = 0; d < 4; ++d) {
        for (int h = 0; h < 9; ++h) {
            int row = (first[d] + h) % 90;
            for (int c = 0; c < 5; ++c) {
                int col = ins.v_tape_col[c][row];
                if (col < 0 || col > 79) continue;
                const float* rgb = col_rgb[col];
                glColor3f(rgb[0], rgb[1], rgb[2]);
                glVertex2f(mnw.x + x + 6 * d + c + 0.5f, mnw.y + y + 8.5f - h);
            }
        }
    }
    glEnd();
}

void plot_tape_bug(int color, float x, float yctr, float dely, float dat)
{
    if (!std::isfinite(dat)) return;
    int t = (int)fltlim(dat, -1e6f, 1e6f);
    if (t < (int)(-dely + 2) || t > (int)(dely - 2)) return;
    glLineWidth(5);
    OGL_line(color, x, yctr + dat, x + 3, yctr + dat);
    glLineWidth(1);
}

void plot_glass_tape(int color, float x1, float x2, float yctr, float dely, float delyexc, float input, float modline,
                     int modnum, float pixrat, int dir)
{
    if (!std::isfinite(input) || modline <= 0 || pixrat <= 0) return;
    float lo = fltnear(input - (dely + 15) / pixrat, modline);
    float hi = fltnear(input + (dely + 15) / pixrat, modline);
    bool vertical = dir == 27;
    if (vertical && lo < 0) lo = 0;
    glEnable(GL_SCISSOR_TEST);
    if (vertical)
        glScissor((GLint)((mnw.x + x2 - 25) * mnw.XRAT), (GLint)((mnw.y + yctr - dely) * mnw.YRAT),
                  (GLsizei)(50 * mnw.XRAT), (GLsizei)(2 * dely * mnw.YRAT));
    else
        glScissor((GLint)((mnw.x + yctr - dely) * mnw.XRAT), (GLint)((mnw.y + x2 - 25) * mnw.YRAT),
                  (GLsizei)(2 * dely * mnw.XRAT), (GLsizei)(50 * mnw.YRAT));
    int steps = (int)((hi - lo) / modline + 0.5f);
    for (int k = 0; k <= steps && k < 1000; ++k) {
        float v = lo + k * modline;
        float p = yctr + (v - input) * pixrat;
        if (vertical) OGL_line(color, x2, p, x2 + 3, p);
        else OGL_line(color, p, x2, p, x2 + 3);
        int whole = round(std::fabs(v));
        if (modnum != 0 && whole % modnum == 0 && (p < yctr - delyexc - 3 || p > yctr + delyexc + 3)) {
            if (vertical) OGL_number(color, x1, p - 3, v, 3, 0, 6, 0);
            else OGL_number(color, p - 8, x1, fltwrap(v, 0, 360), 3, 0, 6, 0);
        }
    }
    glDisable(GL_SCISSOR_TEST);
}

void handle_tex(int t, float dx, float dy, float st[4])
{
    st[0] = (t % 4) * 0.25f;
    st[1] = (t / 4) * 0.25f;
    st[2] = st[0] + dx / 128;
    st[3] = st[1] + dy / 128;
}

void plot_handle(float x, float y, float dx, float dy, int t)
{
    float st[4];
    handle_tex(t, dx, dy, st);
    x += mnw.x;
    y += mnw.y;
    glTexCoord2f(st[0], st[1]);
    glVertex2f(x, y);
    glTexCoord2f(st[0], st[3]);
    glVertex2f(x, y + dy);
    glTexCoord2f(st[2], st[3]);
    glVertex2f(x + dx, y + dy);
    glTexCoord2f(st[2], st[1]);
    glVertex2f(x + dx, y);
}
