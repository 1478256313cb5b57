// Taxiway pavement, runways with their markings and numbers, windsocks and
// the runway, approach, glide-slope and beacon lights. Drawing a pavement or
// runway quad under the aircraft tells the next flight step what it rolls on.
#include "scene_drawing.h"

#include "INITNAV.h"
#include "runways.h"
#include "scene_drawing_rules.h"
#include "scene_range.h"
#include "weather_field.h"
#include "records/world_state.h"
#include "world_services.h"
#include "records/flight_state.h"
#include "region_lists.h"
#include "toolkit/DRPLANE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const int END2 = 311;

// The windsock's two rings in its own frame: the mouth, then the tail.
const float sock_geo[8][3] = {{0, 0.6f, 0.5f}, {0.6f, 0, 0.5f}, {0, -0.6f, 0.5f}, {-0.6f, 0, 0.5f},
                              {0, 0.2f, 2.5f}, {0.2f, 0, 2.5f}, {0, -0.2f, 2.5f}, {-0.2f, 0, 2.5f}};

bool valid(int a, int r)
{
    return a >= 0 && a < APT_REG_CAP && r >= 0 && r < 3;
}

// A point of the list that runway set-up cleared (it stood on other pavement).
bool cleared(const float* p)
{
    return p[0] == 0 && p[2] == 0;
}

// The point f of the way from the start edge's corner cs to the far edge's corner cf.
void along(const float (*q)[3], int cs, int cf, float f, float h, float* out)
{
    out[0] = q[cs][0] + f * (q[cf][0] - q[cs][0]);
    out[1] = h;
    out[2] = q[cs][2] + f * (q[cf][2] - q[cs][2]);
}

void mid(const float* a, const float* b, float* out)
{
    for (int k = 0; k < 3; ++k) out[k] = 0.5f * (a[k] + b[k]);
}

// One marking quad from the corner-3 side (a at the start, b at the end) to
// the corner-2 side (c at the end, d at the start).
void segment_quad(int tex, const float* a, const float* b, const float* c, const float* d, float lo, float hi)
{
    OGL_bindtex(tex);
    glBegin(GL_QUADS);
    glTexCoord2f(lo, lo);
    glVertex3fv(a);
    glTexCoord2f(lo, hi);
    glVertex3fv(b);
    glTexCoord2f(hi, hi);
    glVertex3fv(c);
    glTexCoord2f(hi, lo);
    glVertex3fv(d);
    glEnd();
}

void light(const float* p)
{
    if (!cleared(p)) glVertex3fv(p);
}

void light_run(const float (*p)[3], int i1, int i2)
{
    for (int i = intmax2(i1, 0); i <= intmin2(i2, 812); ++i) light(p[i]);
}

// The least point size the GL draws.
float least_point_size()
{
    static float least = -1;
    if (least < 0) {
        float range[2] = {1, 1};
        glGetFloatv(GL_POINT_SIZE_RANGE, range);
        least = range[0] > 0 ? range[0] : 1;
    }
    return least;
}

void plot_beacon(int a, int w)
{
    int r = first_rway(w);
    if (r < 0) return;
    float intens = beacon_intensity(a + scn.rb_cycle);
    float size = beacon_point_size(intens, least_point_size());
    if (size == 0) return;
    float g = std::fabs(intens);
    const float* p = scn.rwayxyz[a][r][812];
    int fog = o_fog, tex = o_tex, lit = o_lit, dep = o_dep;
    heavy_light(p[0], p[1], p[2], intens >= 0 ? g : 0, g, intens >= 0 ? g : 0, size);
    OGL_setstate(fog, tex, lit, dep);
}

void plot_glide_slope(int a, int w, int r, int os, int code)
{
    const float (*p)[3] = scn.rwayxyz[a][r];
    const float* g = p[os + 276];
    float dxz = std::hypot(con.VIEW_xyz[0] - g[0], con.VIEW_xyz[2] - g[2]);
    float gs = glide_path_angle(con.VIEW_xyz[1] - apt_h[w], dxz);
    int red[4];
    glide_slope_reds(code, gs, red);
    glPointSize(2);
    glBegin(GL_POINTS);
    for (int k = 0; k < 4; ++k) {
        if (red[k]) glColor3f(1, 0.2f, 0.2f);
        else glColor3f(1, 1, 1);
        light(p[os + 276 + k]);
    }
    glEnd();
    glPointSize(1);
}

void plot_one_rway_lights(int a, int w, int r)
{
    int straightin = straight_in(scn.psi, apt_hdng[w][r]);
    int end = !straightin;
    int os = END2 * end;
    int gls = env.lgt_gls[a][r][end];
    rway_light_plan plan =
        plan_rway_lights(scn.rway_lites_on, env.tway[a][r], env.lgt_rwy[a][r][end], env.lgt_app[a][r][end], gls);
    if (plan.glide_slope) plot_glide_slope(a, w, r, os, gls);

    const float (*p)[3] = scn.rwayxyz[a][r];
    glBegin(GL_POINTS);
    if (plan.taxiway) {
        glColor3f(0.2f, 0.2f, 0.6f);
        light_run(p, 150, env.twaymax1[a][r]);
        light_run(p, 200, env.twaymax2[a][r]);
        light_run(p, 527, 560);
    }
    if (plan.edge) {
        int a1 = env.amber1[a][r], a2 = env.amber2[a][r], a3 = env.amber3[a][r], a4 = env.amber4[a][r];
        for (int row = 0; row < 2; ++row) {
            int last = row == 0 ? env.rwaymax1[a][r] : env.rwaymax2[a][r];
            for (int i = 50 * row; i <= intmin2(last, 50 * row + 49); ++i) {
                if (edge_amber(i, straightin, a1, a2, a3, a4)) glColor3f(0.6f, 0.4f, 0);
                else glColor3f(0.6f, 0.6f, 0.4f);
                light(p[i]);
            }
        }
    }
    if (plan.threshold)
        for (int i = 501; i <= 526; ++i) {
            int bar = (i >= 504 && i <= 510) || (i >= 517 && i <= 523);
            if (bar && !plan.threshold_bars) continue;
            if (threshold_green(i, straightin)) glColor3f(0.2f, 0.6f, 0.2f);
            else glColor3f(0.8f, 0, 0);
            light(p[i]);
        }
    if (plan.centreline)
        for (int i = 100; i <= intmin2(env.RCLSmax[a][r], 149); ++i) {
            if (centreline_red(i, straightin, env.altred1[a][r], env.red1[a][r], env.altred2[a][r], env.red2[a][r]))
                glColor3f(0.8f, 0, 0);
            else glColor3f(0.6f, 0.6f, 0.3f);
            light(p[i]);
        }
    glColor3f(0.6f, 0.6f, 0.3f);
    if (plan.touchdown) light_run(p, os + 361, os + 480);
    if (plan.approach) light_run(p, os + 250, os + 275);
    if (plan.approach_far) light_run(p, os + 481, os + 500);
    if (plan.approach_red) {
        glColor3f(0.8f, 0, 0);
        light_run(p, os + 281, os + 360);
    }
    glEnd();

    if (plan.strobe) {
        glPointSize(2);
        glColor3f(1, 1, 1);
        glBegin(GL_POINTS);
        light(p[os + 280]);
        glEnd();
        glPointSize(1);
    }
}
} // namespace

void plot_pavement(int a, int r, int m, float ar, int t)
{
    if (!valid(a, r) || m < 0 || m > 5) return;
    const float (*q)[3] = scn.markxyz[a][r][m];
    if (in_quad_xz(q, (float)flt.X, (float)flt.Z)) mark_surface(env.rwy_typ[a][r], q[0][1]);
    OGL_bindtex(t);
    glBegin(GL_QUADS);
    glTexCoord2f(ar, 0);
    glVertex3fv(q[0]);
    glTexCoord2f(ar, 1);
    glVertex3fv(q[1]);
    glTexCoord2f(0, 1);
    glVertex3fv(q[2]);
    glTexCoord2f(0, 0);
    glVertex3fv(q[3]);
    glEnd();
}

void plot_runway(int a, int w, int r, float ar)
{
    if (!valid(a, r) || !rway_counts(w, r)) return;
    int smax = intmax2(round(ar), 1);
    int smid = smax / 2;
    float h = apt_h[w];
    int surf = env.rwy_typ[a][r];
    int cls = runway_class(apt_len[w][r], surf);
    const float (*q)[3] = scn.markxyz[a][r][0];
    if (in_quad_xz(q, (float)flt.X, (float)flt.Z)) mark_surface(surf, h);

    int s_first, s_last;
    runway_segments(cls, smax, &s_first, &s_last);
    for (int s = s_first; s <= s_last; ++s) {
        float f1 = (float)s / smax, f2 = (float)(s + 1) / smax;
        float a3[3], b3[3], b2[3], a2[3];
        along(q, 3, 0, f1, h, a3);
        along(q, 3, 0, f2, h, b3);
        along(q, 2, 1, f2, h, b2);
        along(q, 2, 1, f1, h, a2);
        float lo = s < smid ? 0.0f : 1.0f, hi = 1 - lo;
        int far_end;
        int marking = segment_marking(cls, s, smax, &far_end);
        if (marking == MARK_NUMBERS) {
            float am[3], bm[3];
            mid(a3, a2, am);
            mid(b3, b2, bm);
            int tex3, tex2;
            number_textures(apt_num[w][r], far_end, &tex3, &tex2);
            segment_quad(tex3, a3, b3, bm, am, lo, hi);
            segment_quad(tex2, am, bm, b2, a2, lo, hi);
        } else {
            segment_quad(marking_texture(marking, surf), a3, b3, b2, a2, lo, hi);
        }
    }
}

void plot_windsock(int a, int r, int s)
{
    if (!valid(a, r) || s < 0 || s > 1) return;
    const float* p = scn.sockxyz[a][r][s];
    int fog = o_fog, tex = o_tex, lit = o_lit, dep = o_dep;
    glPushMatrix();
    glTranslatef(p[0], p[1], p[2]);
    OGL_setstate(fog, 0, 0, dep);
    glColor3f(0.3f * ogl_brat_ter, 0.3f * ogl_brat_ter, 0.3f * ogl_brat_ter);
    glBegin(GL_LINES);
    glVertex3f(0, -5, 0);
    glVertex3f(0, 0, 0);
    glEnd();
    OGL_setstate(fog, tex, lit, dep);

    glColor3f(1, 1, 1);
    float windv = std::sqrt(atm.wind_X * atm.wind_X + atm.wind_Y * atm.wind_Y + atm.wind_Z * atm.wind_Z);
    float osc = std::sin(2 * msc.elap_time) * windv * 0.5f;
    glRotatef(std::atan2(atm.wind_X, atm.wind_Z) * 57.29578f + osc, 0, 1, 0);
    glRotatef(fltlim(-90 + 9 * windv, -90, 0) + osc, -1, 0, 0);
    glRotatef(5 * osc, 0, 0, 1);
    OGL_bindtex(78);
    static const int quads[4][4] = {{0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    static const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    glBegin(GL_QUADS);
    for (const auto& qd : quads)
        for (int k = 0; k < 4; ++k) {
            glTexCoord2fv(st[k]);
            glVertex3fv(sock_geo[qd[k]]);
        }
    glEnd();
    glPopMatrix();
}

void plot_rway_lights()
{
    for (int a = 0; a <= intmin2(env.apt_list_max, APT_REG_CAP - 1); ++a) {
        if (!apt_inrange[a]) continue;
        int w = apt_to_index[a];
        if (w < 0 || w >= APT_CAP) continue;
        plot_beacon(a, w);
        for (int r = 0; r <= intmin2(env.rwaymax[a], 2); ++r)
            if (rway_counts(w, r)) plot_one_rway_lights(a, w, r);
    }
}

void move_rabbits(int reset)
{
    for (int a = 0; a <= intmin2(env.apt_list_max, APT_REG_CAP - 1); ++a)
        for (int r = 0; r <= intmin2(env.rwaymax[a], 2); ++r)
            for (int e = 0; e < 2; ++e) {
                float* p = scn.rwayxyz[a][r][END2 * e + 280];
                if (reset) {
                    p[0] = scn.rabbitsX[a][r][e];
                    p[1] = scn.rabbitsY[a][r][e];
                    p[2] = scn.rabbitsZ[a][r][e];
                } else {
                    p[0] += scn.rabbitdX[a][r][e];
                    p[2] += scn.rabbitdZ[a][r][e];
                }
            }
}
