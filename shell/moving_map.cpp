#include "moving_map.h"

#include "records/settings_and_recordings.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "toolkit/terrain_helpers.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
const float ZOOM_MAX = 50;
const int STRIP = 71;   // the buttons and fields right of the map

int is_plate()
{
    return msc.map_type == 998;
}

float scale()
{
    return (is_plate() ? con.mtrtoplt : con.mtrtonrt) * env.zoom_rat;
}

// The metres the map shows at a magnification of 1.
float span_x()
{
    return is_plate() ? con.plttomtr * 347 : env.dx;
}

float span_z()
{
    return is_plate() ? con.plttomtr * 303 : env.dz;
}

struct area {
    float x1, y1, x2, y2;
};

area map_area()
{
    if (is_plate()) return {7, 184, 354, 487};
    return {0, 0, mnw.dx - STRIP, mnw.dy};
}

void scissor_to(const area& a)
{
    glEnable(GL_SCISSOR_TEST);
    glScissor((GLint)((mnw.x + a.x1) * mnw.XRAT), (GLint)((mnw.y + a.y1) * mnw.YRAT),
              (GLsizei)((a.x2 - a.x1) * mnw.XRAT + 1), (GLsizei)((a.y2 - a.y1) * mnw.YRAT + 1));
}

void quad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    glVertex2f(x1 + mnw.x, y1 + mnw.y);
    glVertex2f(x2 + mnw.x, y2 + mnw.y);
    glVertex2f(x3 + mnw.x, y3 + mnw.y);
    glVertex2f(x4 + mnw.x, y4 + mnw.y);
}

void set_rgb(int c)
{
    glColor3f(col_rgb[c][0], col_rgb[c][1], col_rgb[c][2]);
}

float map_x_of(float lat, float lon)
{
    return pixelxfinder(X_with_latlon(lat, lon));
}

float map_y_of(float lat)
{
    return pixelyfinder(Z_with_lat(lat));
}

// A cell is open water when it and its four diagonal neighbours are water.
int open_water(int i, int j)
{
    if (i < 1 || j < 1 || i >= GRID_I - 2 || j >= GRID_J - 2) return 0;
    return on_water[i - 1][j - 1] && on_water[i + 1][j - 1] && on_water[i - 1][j + 1] && on_water[i + 1][j + 1];
}

void plot_terrain()
{
    int textured = msc.map_type == 403;
    float lo = env.min_h, hi = env.max_h;
    if (textured) {
        OGL_setstate(0, 1, 0, 0);
        glColor3f(1, 1, 1);
    } else {
        OGL_setstate(0, 0, 0, 0);
    }
    // One quad per cell between the grid points, wound clockwise on the
    // screen as the toolkit draws its faces.
    for (int i = 0; i < GRID_I - 1; ++i) {
        for (int j = 0; j < GRID_J - 1; ++j) {
            float x[2][2], y[2][2];
            for (int a = 0; a < 2; ++a)
                for (int b = 0; b < 2; ++b) {
                    x[a][b] = pixelxfinder(planexyz[i + a][j + b][0]);
                    y[a][b] = pixelyfinder(planexyz[i + a][j + b][2]);
                }
            if (textured) {
                const float(*st)[2][2] = planest[i][j];
                OGL_bindtex(planetex[i][j]);
                OGL_2dquad(st[0][0][0], st[0][0][1], st[0][1][0], st[0][1][1], st[1][1][0], st[1][1][1],
                           st[1][0][0], st[1][0][1], x[0][0], y[0][0], x[0][1], y[0][1], x[1][1], y[1][1], x[1][0],
                           y[1][0]);
                continue;
            }
            int water = on_water[i][j];
            if (msc.map_type == 404) {
                if (water) glColor3f(0, 0, 0);
                else {
                    float h = (planexyz[i][j][1] + planexyz[i + 1][j][1] + planexyz[i][j + 1][1] +
                               planexyz[i + 1][j + 1][1]) / 4;
                    float g = hi > lo ? interp(lo, 0.1f, hi, 0.5f, h) : 0.1f;
                    glColor3f(g, g, g);
                }
            } else if (msc.map_type == 402) {
                set_rgb(!water ? 6 : open_water(i, j) ? 7 : 19);
            } else if (msc.map_type == 998) {
                set_rgb(water ? 18 : 6);
            } else {
                set_rgb(water ? 18 : 6);
            }
            glBegin(GL_QUADS);
            quad(x[0][0], y[0][0], x[0][1], y[0][1], x[1][1], y[1][1], x[1][0], y[1][0]);
            glEnd();
        }
    }
    OGL_setstate(0, 0, 0, 0);
}

void plot_radar()
{
    const int W = 630, H = 420;
    float cx = env.dx / W, cz = env.dz / H;
    glBegin(GL_QUADS);
    for (int i = 0; i < W; ++i) {
        for (int j = 0; j < H; ++j) {
            int c = 70 + round((atm.rain_tstm - 1) * atm.wxr[i][j]);
            if (c <= 70) continue;
            set_rgb(intlim(c, 71, 74));
            float x1 = pixelxfinder(env.lox + i * cx), x2 = pixelxfinder(env.lox + (i + 1) * cx);
            float y1 = pixelyfinder(env.loz + j * cz), y2 = pixelyfinder(env.loz + (j + 1) * cz);
            quad(x1, y2, x1, y1, x2, y1, x2, y2);
        }
    }
    glEnd();
}

void plot_name(float x, float y, int n, int code, int color)
{
    if (code == 17) {
        OGL_string(color, x, y, nav_name[n], 999, 6);
        return;
    }
    // Airport names, a word to a line.
    char word[64];
    int len = 0;
    float line_y = y;
    for (const char* c = apt_name[n];; ++c) {
        int end = *c == 0 || *c == ' ' || *c == '-';
        if (!end && len < 63) word[len++] = *c;
        if (end && len > 0) {
            word[len] = 0;
            OGL_string(color, x, line_y, word, 999, 6);
            line_y -= 9;
            len = 0;
        }
        if (*c == 0) break;
    }
}

// The frequency boxes set so far in this drawing of the map: a later box
// takes a free place, so that the boxes of an airport's many landing systems
// stand apart rather than piling into one block.
const float BOX_W = 63, BOX_H = 20;
const int PLACED_CAP = 512;
float placed_x[PLACED_CAP], placed_y[PLACED_CAP];
int placed_n;

int box_is_free(float bx, float by)
{
    area m = map_area();
    if (bx < m.x1 || by < m.y1 || bx + BOX_W > m.x2 || by + BOX_H > m.y2) return 0;
    for (int k = 0; k < placed_n; ++k)
        if (bx < placed_x[k] + BOX_W + 2 && placed_x[k] < bx + BOX_W + 2 && by < placed_y[k] + BOX_H + 2 &&
            placed_y[k] < by + BOX_H + 2)
            return 0;
    return 1;
}

// The box's corner: up and right of the symbol when that is free, else the
// first free place of the other three corners, stepping outwards a box's
// height at a time; where nothing is free, the first place.
void place_freqbox(float x, float y, float lead, float* bx, float* by)
{
    const float sx[4] = {1, -1, 1, -1}, sy[4] = {1, 1, -1, -1};
    *bx = x + lead;
    *by = y + lead;
    for (int ring = 0; ring < 8; ++ring)
        for (int c = 0; c < 4; ++c) {
            float cx = sx[c] > 0 ? x + lead : x - lead - BOX_W;
            float step = lead + ring * (BOX_H + 3);
            float cy = sy[c] > 0 ? y + step : y - step - BOX_H;
            if (box_is_free(cx, cy)) {
                *bx = cx;
                *by = cy;
                ring = 8;
                break;
            }
        }
    if (placed_n < PLACED_CAP) {
        placed_x[placed_n] = *bx;
        placed_y[placed_n] = *by;
        ++placed_n;
    }
}

void plot_freqbox(float x, float y, int n, int typenav, int color)
{
    const int BOX = 6;
    float lead = typenav == 2 ? 12 : typenav == 3 ? 18 : 24;
    float bx, by;
    place_freqbox(x, y, lead, &bx, &by);
    // The leader runs to the box's corner nearest the symbol.
    OGL_line(color, x, y, bx < x ? bx + BOX_W : bx, by < y ? by + BOX_H : by);
    OGL_fillrect(BOX, bx, by, BOX_W, BOX_H);
    OGL_framerect(color, bx, by, BOX_W, BOX_H);
    // Where the symbols are the box's own grey (the radar map), its text is black.
    int text = color == BOX ? 29 : color;
    // The name as far as the box holds it (a landing system's name runs on
    // with the airport's).
    char name[11];
    copy_bounded(name, nav_name[n], sizeof name);
    OGL_string(text, bx + 3, by + 11, name, 999, 6);
    char f[16];
    if (typenav == 2) std::snprintf(f, sizeof f, "%d", nav_f12[n]);
    else std::snprintf(f, sizeof f, "%d.%02d", nav_f12[n] / 100, nav_f12[n] % 100);
    OGL_string(text, bx + 3, by + 2, f, 999, 6);
}

void plot_navaid(float x, float y, int n, int color)
{
    int type = nav_type[n];
    if (type == 2) {
        OGL_framecircle(color, x, y, 3);
        OGL_framecircle(color, x, y, 6);
    } else if (type == 3) {
        // A hexagon of short strokes.
        for (int k = 0; k < 6; ++k) {
            int h1 = 60 * k, h2 = 60 * (k + 1);
            OGL_line(color, x + rx2d(0, 7, h1), y + ry2d(0, 7, h1), x + rx2d(0, 7, h2), y + ry2d(0, 7, h2));
        }
        if (is_plate()) OGL_framecircle(color, x, y, 30);
    } else {
        // The directional aids lie along their course, drawn back from the station.
        int h = intwrap(nav_hdng[n] + 180, 0, 360);
        float len = type <= 6 ? 40 : 10;
        OGL_line(color, x, y, x + rx2d(0, len, h), y + ry2d(0, len, h));
        OGL_framecircle(color, x, y, 2);
        if (type >= 7) return;
    }
    plot_freqbox(x, y, n, type, color);
}

void plot_fixes(int color)
{
    if (env.zoom_rat <= 1.1f) return;
    for (int f = 0; f < FIX_CAP; ++f) {
        if (fix_lat[f] == 99) break;
        float lat = fix_lat[f], lon = fix_lon[f];
        if (lat < env.lat_sou || lat > env.lat_sou + 2 || lon < env.lon_wes || lon > env.lon_wes + 3) continue;
        float x = map_x_of(lat, lon), y = map_y_of(lat);
        OGL_line(color, x - 4, y - 3, x + 4, y - 3);
        OGL_line(color, x + 4, y - 3, x, y + 3);
        OGL_line(color, x, y + 3, x - 4, y - 3);
        if (env.zoom_rat > 4) OGL_string(color, x + 6, y - 3, fix_name[f], 999, 6);
    }
}

void plot_objects(int color)
{
    if (msc.map_type == 402) return;
    for (int o = 0; o < OBJ_CAP; ++o) {
        int t = obj_type[o];
        if (!((t >= 2 && t <= 96) || t > 100)) continue;
        float x = pixelxfinder(obj_xyz[o][0][0][0]), y = pixelyfinder(obj_xyz[o][0][0][2]);
        OGL_line(color, x - 2, y - 3, x + 2, y + 3);
        OGL_line(color, x - 2, y + 3, x + 2, y - 3);
    }
}

void plot_ships()
{
    for (int i = 0; i < GRID_I - 1; ++i)
        for (int j = 0; j < GRID_J - 1; ++j) {
            const char* s = frig_on_poly[i][j] ? "F" : carr_on_poly[i][j] ? "C" : oilr_on_poly[i][j] ? "O" : nullptr;
            if (!s) continue;
            float x = pixelxfinder((planexyz[i][j][0] + planexyz[i + 1][j + 1][0]) / 2);
            float y = pixelyfinder((planexyz[i][j][2] + planexyz[i + 1][j + 1][2]) / 2);
            plot_icon(x, y, 18, s);
        }
    for (int k = 0; k < 10; ++k)
        if (scn.fire_on[k]) {
            plot_icon(pixelxfinder(scn.firexyz[0][0]), pixelyfinder(scn.firexyz[0][2]), 8, "F");
            break;
        }
}

// The runway's corners in metres about the airport's first runway point;
// never narrower than min_width metres, so that it shows at any scale.
void runway_corners(int n, int k, float* cx, float* cz, float min_width = 0)
{
    float x0 = X_with_latlon(apt_lat[n][0], apt_lon[n][0]), z0 = Z_with_lat(apt_lat[n][0]);
    float x = X_with_latlon(apt_lat[n][k], apt_lon[n][k]) - x0, z = Z_with_lat(apt_lat[n][k]) - z0;
    int h = intwrap(apt_hdng[n][k], 0, 360);
    float l = apt_len[n][k] * 0.5f, w = fltmax2(apt_width[n][k], min_width) * 0.5f;
    float along_x = lookup_sin[h], along_z = -lookup_cos[h];
    float across_x = lookup_cos[h], across_z = lookup_sin[h];
    float sx[4] = {l, l, -l, -l}, sw[4] = {-w, w, w, -w};
    for (int c = 0; c < 4; ++c) {
        cx[c] = x + along_x * sx[c] + across_x * sw[c];
        cz[c] = z + along_z * sx[c] + across_z * sw[c];
    }
}

void plot_runways(float x, float y, int n, int is_plan, int color)
{
    // The small picture fits the runways into 129 x 102.
    float k_plan = 1;
    if (is_plan) {
        float ext_x = 1, ext_z = 1;
        for (int k = 0; k < 3; ++k) {
            if (apt_len[n][k] <= 0) continue;
            float cx[4], cz[4];
            runway_corners(n, k, cx, cz);
            for (int c = 0; c < 4; ++c) {
                ext_x = fltmax2(ext_x, std::fabs(cx[c]));
                ext_z = fltmax2(ext_z, std::fabs(cz[c]));
            }
        }
        k_plan = fltmin2(64.5f / ext_x, 51 / ext_z);
    }
    float k = is_plan ? k_plan : scale();
    set_rgb(color);
    glBegin(GL_QUADS);
    for (int r = 0; r < 3; ++r) {
        if (apt_len[n][r] <= 0) continue;
        float cx[4], cz[4];
        runway_corners(n, r, cx, cz, 1 / k);
        float px[4], py[4];
        for (int c = 0; c < 4; ++c) {
            px[c] = x + cx[c] * k;
            py[c] = y - cz[c] * k;
        }
        quad(px[0], py[0], px[1], py[1], px[2], py[2], px[3], py[3]);
        quad(px[3], py[3], px[2], py[2], px[1], py[1], px[0], py[0]);
    }
    glEnd();
}

void plot_apt(float x, float y, int n, int is_plan, int color)
{
    int runways = is_plan || (is_plate() && env.zoom_rat >= 1) || (!is_plate() && env.zoom_rat > 3);
    if (runways) {
        plot_runways(x, y, n, is_plan, color);
    } else {
        OGL_framecircle(color, x, y, 2);
        OGL_framecircle(color, x, y, 4);
        OGL_line(color, x, y + 4, x, y + 7);
        OGL_line(color, x, y - 4, x, y - 7);
        OGL_line(color, x + 4, y, x + 7, y);
        OGL_line(color, x - 4, y, x - 7, y);
    }
    if (!is_plan) plot_name(x + 8, y + 2, n, 16, color);
}

// The first glide slope within 3 nm of the airport, or -1.
int plate_glide_slope(int a)
{
    float x = X_with_latlon(apt_lat[a][0], apt_lon[a][0]), z = Z_with_lat(apt_lat[a][0]);
    for (int n = 0; n <= intlim(env.navmax, -1, NAV_CAP - 1); ++n) {
        if (nav_type[n] != 6) continue;
        float d = pythag(X_with_latlon(nav_lat[n], nav_lon[n]) - x, Z_with_lat(nav_lat[n]) - z);
        if (d < 3 * con.nmtomtrs) return n;
    }
    return -1;
}

// The approach seen from the side in the strip below the diagram (x 7..226,
// y 40..165, a dark well, clear of the airport's small picture to its right):
// distance out from the glide slope to the right, height up.
void plot_profile(int a)
{
    const float X1 = 7, X2 = 226, Y1 = 40, Y2 = 165;
    scissor_to({X1, Y1, X2, Y2});
    float range = env.os_X_gs > 0 ? env.os_X_gs : 10 * con.nmtomtrs;
    float k = (X2 - X1) / range;        // pixels per metre out
    float kh = 7 * k;                    // heights magnified 7 times
    int gs = plate_glide_slope(a);
    float base_h = apt_h[a];
    if (gs >= 0) {
        float top = range * std::tan(3 * con.degtorad);
        OGL_line(47, X1, Y1, X2, Y1 + top * kh);
    }
    // Height ticks: the smallest step in feet that keeps them 12 pixels apart.
    static const float steps[6] = {100, 200, 500, 1000, 2000, 5000};
    float step = 5000;
    for (float s : steps)
        if (s * con.fttomtrs * kh >= 12) {
            step = s;
            break;
        }
    for (int t = 1; t < 20; ++t) {
        float y = Y1 + t * step * con.fttomtrs * kh;
        if (y > Y2) break;
        OGL_line(6, X1, y, X1 + 4, y);
        OGL_number(6, X1 + 6, y - 3, t * step, 5, 0, 6, 0);
    }
    // The path along the runway's course.
    float ax = gs >= 0 ? X_with_latlon(nav_lat[gs], nav_lon[gs]) : X_with_latlon(apt_lat[a][0], apt_lon[a][0]);
    float az = gs >= 0 ? Z_with_lat(nav_lat[gs]) : Z_with_lat(apt_lat[a][0]);
    int h = intwrap(apt_hdng[a][0], 0, 360);
    float ux = -lookup_sin[h], uz = lookup_cos[h];   // out along the approach
    int first = 1;
    for (int c = 0; c < PATH_SAMPLES; ++c) {
        const float* s = pat.xyztppt[c];
        float out = (s[0] - ax) * ux + (s[2] - az) * uz;
        plot_path(first, X1 + out * k, Y1 + (s[1] - base_h) * kh, c);
        first = 0;
    }
    glDisable(GL_SCISSOR_TEST);
}

void plot_plate_head(int a)
{
    int ft = round(apt_h[a] * con.mtrstoft);
    int extra = (ft > 9 || ft < -9) + (ft > 99 || ft < -99) + (ft > 999 || ft < -999) + (ft > 9999 || ft < -9999);
    OGL_number(29, 306 - 6.0f * extra, 174, (float)ft, 1 + extra, 0, 6, ft < 0);
    plot_apt(297, 100, a, 1, 29);
}

struct symbol_colours {
    int apt, nav, obj;
};

symbol_colours colours_of(int type)
{
    switch (type) {
    case 402: return {16, 29, 29};
    case 403: return {0, 12, 6};
    case 404: return {0, 6, 12};
    case 998: return {29, 29, 29};
    default: return {47, 47, 47};
    }
}

int in_box(float x1, float y1, float x2, float y2)
{
    return fltbox(mnw.mx, mnw.my, x1, y1, x2, y2);
}

// A field in display units over a record value in SI units.
void unit_field(float x, float y, float* si, float factor, int dig, float lo, float hi, const char* help)
{
    float shown = *si * factor;
    float before = shown;
    instdbtn_range(47, x, y, &shown, dig, 0, lo, hi, help);
    if (shown != before) *si = shown / factor;
}
} // namespace

float pixelxfinder(float simx)
{
    return (simx - env.os_X_plan) * scale() + (is_plate() ? 7 : 0);
}

float pixelyfinder(float simz)
{
    return (env.os_Z_plan - simz) * scale() + (is_plate() ? 184 : 0);
}

void map_zoom_in()
{
    if (env.zoom_rat >= ZOOM_MAX) return;
    env.zoom_rat *= 1.5f;
    env.os_X_plan += 0.25f * span_x() / env.zoom_rat;
    env.os_Z_plan -= 0.25f * span_z() / env.zoom_rat;
}

void map_zoom_out()
{
    if (env.zoom_rat <= 1) return;
    env.os_X_plan -= 0.25f * span_x() / env.zoom_rat;
    env.os_Z_plan += 0.25f * span_z() / env.zoom_rat;
    env.zoom_rat /= 1.5f;
    if (env.zoom_rat < 1) env.zoom_rat = 1;
}

void map_pan(int dx, int dy)
{
    env.os_X_plan += dx * 0.2f * span_x() / env.zoom_rat;
    env.os_Z_plan -= dy * 0.2f * span_z() / env.zoom_rat;
}

void map_centre_on_aircraft()
{
    env.os_X_plan = (float)flt.X - 0.5f * span_x() / env.zoom_rat;
    env.os_Z_plan = (float)flt.Z + 0.5f * span_z() / env.zoom_rat;
}

void map_hold_in_window()
{
    float wide = span_x() / env.zoom_rat, high = span_z() / env.zoom_rat;
    if (env.os_X_plan < env.lox) env.os_X_plan = env.lox;
    if (env.os_Z_plan > env.hiz) env.os_Z_plan = env.hiz;
    if (env.os_X_plan + wide > env.hix) env.os_X_plan = env.hix - wide;
    if (env.os_Z_plan - high < env.loz) env.os_Z_plan = env.loz + high;
}

void map_world_at(float x, float y, float* simx, float* simz)
{
    *simx = interp(pixelxfinder(env.lox), env.lox, pixelxfinder(env.hix), env.hix, x);
    *simz = interp(pixelyfinder(env.hiz), env.hiz, pixelyfinder(env.loz), env.loz, y);
}

void plot_path(int first, float x1, float y1, int c)
{
    static float old_x = 0, old_y = 0;
    static int colour = 8;
    colour = colour == 8 ? 9 : 8;
    int before = intwrap(c - 1, 0, PATH_SAMPLES - 1);
    if (!first && pat.inited[before] && pat.inited[c]) {
        OGL_line(colour, old_x, old_y, x1, y1);
        int steep = std::fabs(y1 - old_y) > std::fabs(x1 - old_x);
        float ox = steep ? 1 : 0, oy = steep ? 0 : 1;
        OGL_line(colour, old_x + ox, old_y + oy, x1 + ox, y1 + oy);
    }
    old_x = x1;
    old_y = y1;
}

void flashplane(float x, float y, float h)
{
    static int colour = 8;
    colour = colour == 8 ? 9 : 8;
    int hd = intwrap(round(h), 0, 360);
    auto seg = [&](float x1, float y1, float x2, float y2) {
        OGL_line(colour, x + rx2d(x1, y1, hd), y + ry2d(x1, y1, hd), x + rx2d(x2, y2, hd), y + ry2d(x2, y2, hd));
    };
    if (!pln.is_heli) {
        seg(0, 10, 0, -9);      // fuselage
        seg(-10, 1, 10, 1);     // wings
        seg(-10, 1, 0, 5);
        seg(10, 1, 0, 5);
        seg(-4, -8, 4, -8);     // tail
    } else {
        seg(0, 6, 0, -10);      // body and boom
        seg(-3, 6, 3, 6);
        seg(-3, 6, -3, 0);
        seg(3, 6, 3, 0);
        seg(-3, 0, 3, 0);
        seg(-10, 10, 10, -6);   // rotor
        seg(-10, -6, 10, 10);
        seg(-3, -10, 3, -10);   // tail rotor
    }
}

void plot_icon(float x, float y, int col, const char* str)
{
    OGL_framerect(col, x - 5, y - 6, 10, 12);
    OGL_string(col, x - 2, y - 3, str, 999, 6);
}

void plot_map()
{
    int a = intlim(msc.plate_index, 0, APT_CAP - 1);
    if (is_plate()) plot_plate_head(a);
    area m = map_area();
    scissor_to(m);
    plot_terrain();
    if (msc.map_type == 404) plot_radar();
    symbol_colours sc = colours_of(msc.map_type);
    plot_ships();
    plot_objects(sc.obj);
    plot_fixes(sc.nav);
    for (int n = 0; n <= intlim(env.aptmax, -1, APT_CAP - 1); ++n)
        if (apt_inreg[n]) plot_apt(map_x_of(apt_lat[n][0], apt_lon[n][0]), map_y_of(apt_lat[n][0]), n, 0, sc.apt);
    int top_type = is_plate() ? 9 : 3;
    placed_n = 0;
    for (int n = 0; n <= intlim(env.navmax, -1, NAV_CAP - 1); ++n)
        if (nav_inreg[n] && nav_type[n] >= 2 && nav_type[n] <= top_type)
            plot_navaid(map_x_of(nav_lat[n], nav_lon[n]), map_y_of(nav_lat[n]), n, sc.nav);
    int first = 1;
    for (int c = 0; c < PATH_SAMPLES; ++c) {
        plot_path(first, pixelxfinder(pat.xyztppt[c][0]), pixelyfinder(pat.xyztppt[c][2]), c);
        first = 0;
    }
    flashplane(pixelxfinder((float)flt.X), pixelyfinder((float)flt.Z), (float)round(flt.psi));
    glDisable(GL_SCISSOR_TEST);
    if (is_plate()) plot_profile(a);
}

void manage_map()
{
    float w = mnw.dx;
    instdbtn_range(47, w - 51, 432, &set.cus_psi, 3, 0, 0, 360,
                   "This is the heading that the aircraft will be placed at if you click on the map.");
    unit_field(w - 66, 370, &set.cus_Y, con.mtrstoft, 6, 0, 999999,
               "This is the altitude that the aircraft will be placed at if you click on the map.");
    unit_field(w - 61, 308, &set.cus_v, con.msctokts, 5, 0, 99999,
               "This is the true groundspeed that the aircraft will be placed at if you click on the map.");

    area m = map_area();
    if (mnw.mouse_clicked) {
        if (in_box(w - 71, 210, w, 230)) map_zoom_in();
        else if (in_box(w - 71, 190, w, 210)) map_zoom_out();
        else if (in_box(w - 44, 164, w - 24, 184)) map_pan(0, 1);
        else if (in_box(w - 44, 128, w - 24, 148)) map_pan(0, -1);
        else if (in_box(w - 62, 146, w - 42, 166)) map_pan(-1, 0);
        else if (in_box(w - 26, 146, w - 6, 166)) map_pan(1, 0);
        else if (in_box(w - 71, 79, w, 124)) map_centre_on_aircraft();
    }
    map_hold_in_window();
    if (is_plate() && mnw.mouse_clicked) {
        if (env.os_X_gs <= 0) env.os_X_gs = 10 * con.nmtomtrs;
        if (in_box(w - 142, 14, w - 72, 34)) env.os_X_gs *= 0.5f;
        else if (in_box(w - 71, 14, w, 34)) env.os_X_gs *= 1.5f;
    }
    if (mnw.mouse_clicked && in_box(m.x1, m.y1, m.x2, m.y2)) {
        map_world_at(mnw.mx, mnw.my, &set.cus_X, &set.cus_Z);
        set_fltvars(11);
        MACIBM_startwind(0);
        return;
    }
    plot_map();
}
