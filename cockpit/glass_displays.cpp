// Electronic map, moving map and weather radar: the surroundings of the
// aircraft at a chosen range, with the radar picture, airports, beacons,
// traffic, heading scale and the aircraft symbol.
#include "glass_displays.h"

#include "P_UPDATE.h"
#include "records/cockpit_state.h"
#include "instrument_primitives.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/terrain_helpers.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <cmath>

unsigned char radar_rgb[RADAR_SIDE * RADAR_SIDE * 3];

namespace {
const int RADAR_TEXTURE = 83;
unsigned char rad_col[5][3];
bool palette_filled = false;
bool radar_loaded = false;   // texture 83 holds a picture

void fill_palette()
{
    if (palette_filled) return;
    for (int c = 0; c < 5; ++c)
        for (int k = 0; k < 3; ++k) rad_col[c][k] = (unsigned char)round(col_rgb[70 + c][k] * 255);
    palette_filled = true;
}

void load_radar_texture()
{
    OGL_bindtex(RADAR_TEXTURE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, RADAR_SIDE, RADAR_SIDE, 0, GL_RGB, GL_UNSIGNED_BYTE, radar_rgb);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    radar_loaded = true;
}

void draw_radar(const glass_view* v)
{
    if (!radar_loaded) return;
    glColor3f(1, 1, 1);
    OGL_setstate(o_fog, 1, o_lit, o_dep);
    OGL_bindtex(RADAR_TEXTURE);
    float l = (float)v->left, b = (float)v->bot, r = l + v->w, t = b + v->h;
    OGL_2dquad(0, 0, 0, 1, 1, 1, 1, 0, l, b, l, t, r, t, r, b);
    OGL_setstate(o_fog, 0, o_lit, o_dep);
}
} // namespace

void glass_view_for(int type, glass_view* v)
{
    float x9 = ins.x_loc[9], y9 = ins.y_loc[9], x4 = ins.x_loc[4], y4 = ins.y_loc[4];
    int mode = 1;
    float range = ins.rad_range;
    if (type == 23) {
        *v = {flt_to_int(x9 + 199), flt_to_int(y9 + 48), 182, 224, 0, 0, 0, 0, 0};
        mode = ins.map_mode;
        range = ins.map_range;
    } else if (type == 24) {
        *v = {flt_to_int(x4 - 40), flt_to_int(y4 - 40), 63, 80, 0, 0, 0, 0, 0};
        mode = ins.arg_mode;
        range = ins.arg_range;
    } else {
        *v = {flt_to_int(x4 - 43), flt_to_int(y4 - 31), 86, 90, 0, 0, 0, 0, 0};
    }
    v->xa = (float)(v->left + v->w / 2);
    v->ya = (float)(v->bot + (mode == 1 ? v->h / 4 : v->h / 2));
    int psi = wrap_degrees(flt.psi);
    v->map_hdg = mode == 2 ? 0 : psi;
    v->sym_hdg = mode == 2 ? psi : 0;
    float ahead = v->bot + v->h - v->ya;
    v->scale = range > 0 ? ahead / (range * con.nmtomtrs) : 0;
    if (!std::isfinite(v->scale)) v->scale = 0;
}

void glass_project(const glass_view* v, float dx, float dz, float* px, float* py)
{
    int h = 360 - v->map_hdg;
    *px = v->xa + rx3d(dx, dz, h) * v->scale;
    *py = v->ya - rz3d(dx, dz, h) * v->scale;
}

int radar_index(float wxr, float rain_tstm)
{
    return intlim(flt_to_int(wxr * (rain_tstm - 0.5f)), 0, 4);
}

void build_radar_picture(const glass_view* v)
{
    fill_palette();
    float gx0 = (float)(flt.X - env.lox), gz0 = (float)(flt.Z - env.loz);
    float per_x = env.dx > 0 ? 631 / env.dx : 0, per_z = env.dz > 0 ? 421 / env.dz : 0;
    for (int j = 0; j < RADAR_SIDE; ++j) {
        for (int i = 0; i < RADAR_SIDE; ++i) {
            unsigned char* out = &radar_rgb[(j * RADAR_SIDE + i) * 3];
            out[0] = out[1] = out[2] = 0;
            if (!(v->scale > 0)) continue;
            float sx = (v->left + (i + 0.5f) * v->w / RADAR_SIDE - v->xa) / v->scale;
            float sy = (v->bot + (j + 0.5f) * v->h / RADAR_SIDE - v->ya) / v->scale;
            float dx = rx3d(sx, -sy, v->map_hdg), dz = rz3d(sx, -sy, v->map_hdg);
            float gx = (gx0 + dx) * per_x, gz = (gz0 + dz) * per_z;
            // Beyond the loaded window there is no weather to sample.
            if (!(gx >= 0 && gx < 631 && gz >= 0 && gz < 421)) continue;
            const unsigned char* c = rad_col[radar_index(atm.wxr[(int)gx][(int)gz], atm.rain_tstm)];
            out[0] = c[0];
            out[1] = c[1];
            out[2] = c[2];
        }
    }
}

void hs_plot_nav(int type, int n, float x, float y)
{
    if (type < 0 || type > 3) return;
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j)
            if (ins.nav_pic[type][i][j]) glVertex2f(mnw.x + x + i, mnw.y + y + j);
    if (type != 1 || n < 0 || n >= APT_CAP) return;
    for (int c = 0; c < 4; ++c) OGL_char(mnw.x + x - 6 + 6 * c, mnw.y + y - 9, apt_id[n][c]);
}

namespace {
struct box {
    float l, b, r, t;
    bool holds(float x, float y) const { return x >= l && x <= r && y >= b && y <= t; }
};

void lights_and_buttons(int type)
{
    if (type == 23) {
        float x = ins.x_loc[9], y = ins.y_loc[9] + 26;
        plot_efis_light(x + 272, y, ins.map_mode == 1);
        plot_efis_light(x + 302, y, ins.map_mode == 2);
        plot_efis_light(x + 332, y, ins.EFIS_wxr != 0);
        plot_efis_light(x + 362, y, ins.EFIS_tcas != 0);
    } else if (type == 24) {
        float x = ins.x_loc[4] + 31, y = ins.y_loc[4];
        plot_argus_button(x, y + 22, ins.arg_mode == 0 ? 14 : 15);
        plot_argus_button(x, y + 7, ins.arg_mode == 1 ? 16 : 17);
        plot_argus_button(x, y - 8, ins.arg_mode == 2 ? 18 : 19);
    }
}

void places(const glass_view* v, const box& in, int colour)
{
    OGL_setcolor(colour);
    glBegin(GL_POINTS);
    for (int n = 0; n <= env.aptmax && n < APT_CAP; ++n) {
        if (!apt_inreg[n]) continue;
        float px, py;
        glass_project(v, (float)(X_with_latlon(apt_lat[n][0], apt_lon[n][0]) - flt.X),
                      (float)(Z_with_lat(apt_lat[n][0]) - flt.Z), &px, &py);
        if (in.holds(px, py)) hs_plot_nav(1, n, px - 4, py - 4);
    }
    for (int n = 0; n <= env.navmax && n < NAV_CAP; ++n) {
        if (!nav_inreg[n] || (nav_type[n] != 2 && nav_type[n] != 3)) continue;
        float px, py;
        glass_project(v, (float)(X_with_latlon(nav_lat[n], nav_lon[n]) - flt.X), (float)(Z_with_lat(nav_lat[n]) - flt.Z),
                      &px, &py);
        if (in.holds(px, py)) hs_plot_nav(nav_type[n], n, px - 4, py - 4);
    }
    glEnd();
}

void traffic(const glass_view* v, const box& in)
{
    for (int k = 0; k < 10; ++k) {
        float dx = (float)(traf_xyzvh[k][0] - flt.X), dz = (float)(traf_xyzvh[k][2] - flt.Z);
        float px, py;
        glass_project(v, dx, dz, &px, &py);
        if (!in.holds(px, py)) continue;
        float above_ft = (float)((traf_xyzvh[k][1] - flt.Y) * con.mtrstoft);
        float nm = pythag(dx, dz) * con.mtrstonm;
        int c = 38;
        if (std::fabs(above_ft) <= 2000) c = nm < 5 ? 44 : nm < 10 ? 41 : 38;
        OGL_framerect(c, px - 2, py - 2, 5, 5);
        if (c != 38) OGL_number(c, px - 8, py - 10, (float)round(above_ft / 100), 3, 0, 6, 1);
    }
}

void aircraft_symbol(const glass_view* v, int colour)
{
    auto P = [v](float a, float b, float* x, float* y) {
        *x = v->xa + rx2d(a, b, v->sym_hdg);
        *y = v->ya + ry2d(a, b, v->sym_hdg);
    };
    const float seg[5][4] = {{0, 6, 0, -6}, {0, 0, -8, -4}, {0, 0, 8, -4}, {0, -6, -4, -8}, {0, -6, 4, -8}};
    for (const auto& s : seg) {
        float x1, y1, x2, y2;
        P(s[0], s[1], &x1, &y1);
        P(s[2], s[3], &x2, &y2);
        OGL_line(colour, x1, y1, x2, y2);
    }
}
} // namespace

void update_glass(int type)
{
    if (type != 23 && type != 24 && type != 25) return;
    lights_and_buttons(type);
    glass_view v;
    glass_view_for(type, &v);
    bool radar = type == 25 || (type == 23 && ins.EFIS_wxr);
    if (radar && atm.rain_tstm > 1.01f) {
        if (msc.cntr % 10 == 0) {
            build_radar_picture(&v);
            load_radar_texture();
        }
        draw_radar(&v);
    }
    int colour = type == 24 ? 47 : 38, symbol = type == 24 ? 47 : 41;
    box in = {(float)v.left + 10, (float)v.bot + 13, (float)(v.left + v.w - 11), (float)(v.bot + v.h - 5)};
    if (v.scale > 0 && type != 25) places(&v, in, colour);
    in = {in.l + 1, in.b + 1, in.r - 1, in.t - 1};
    int mode = type == 23 ? ins.map_mode : type == 24 ? ins.arg_mode : 1;
    float centre = (float)(v.left + v.w / 2);
    if (type == 23 && (mode == 0 || mode == 1)) {
        OGL_fillrect(colour, centre - 1, in.t - 3, 5, 3);
        plot_glass_tape(colour, in.t - 13, in.t - 5, centre, (float)(v.w / 2 - 1), -999, flt.magpsi, 5, 10, 5, 26);
    }
    float range = type == 23 ? ins.map_range : type == 24 ? ins.arg_range : ins.rad_range;
    float ry = type == 23 ? in.t - 22 : in.t - 9;
    OGL_number(colour, in.l + 2, ry, (float)flt_to_int(range), 2, 0, 6, 0);
    OGL_string(colour, in.l + 17, ry, "nm", 999, 6);
    if (type == 23 && ins.EFIS_tcas && v.scale > 0) traffic(&v, in);
    if (in.holds(v.xa, v.ya)) aircraft_symbol(&v, symbol);
}
