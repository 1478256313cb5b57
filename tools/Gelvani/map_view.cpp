// The map: cells coloured by elevation and water (or their textures), the
// control point, the obstacles and the coastline, clipped to the map area.
#include "map_view.h"

#include "gelvani_records.h"
#include "map_edit.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"

#include <GL/gl.h>
#include <cmath>

namespace gelvani {

float flt_plotx[60][80];
float flt_ploty[60][80];

namespace {
const float MAP_X = 168, MAP_Y = 5, MAP_W = 627, MAP_H = 550;

int in_map(float x, float y)
{
    return x >= MAP_X && x <= MAP_X + MAP_W && y >= MAP_Y && y <= MAP_Y + MAP_H;
}

void quad(int i, int j, int di, int dj)
{
    OGL_2dquad(planest[i][j][0][0][0], planest[i][j][0][0][1], planest[i][j][0][1][0], planest[i][j][0][1][1],
               planest[i][j][1][1][0], planest[i][j][1][1][1], planest[i][j][1][0][0], planest[i][j][1][0][1],
               flt_plotx[i][j], flt_ploty[i][j], flt_plotx[i][j + dj], flt_ploty[i][j + dj],
               flt_plotx[i + di][j + dj], flt_ploty[i + di][j + dj], flt_plotx[i + di][j], flt_ploty[i + di][j]);
}

void obstacle_symbol(int type, float x, float y, int c)
{
    switch (type) {
    case 2: OGL_framerect(c, x - 2, y, 5, 5); break;
    case 3:
        OGL_line(c, x - 2, y, x, y + 5);
        OGL_line(c, x + 2, y, x, y + 5);
        break;
    case 4:
        OGL_line(c, x - 4, y + 5, x + 4, y + 5);
        OGL_line(c, x - 2, y, x - 2, y + 5);
        OGL_line(c, x + 2, y, x + 2, y + 5);
        break;
    case 5:
        OGL_line(c, x - 3, y + 5, x + 3, y + 5);
        OGL_line(c, x - 3, y, x + 3, y);
        OGL_line(c, x - 3, y + 5, x - 1, y + 3);
        OGL_line(c, x - 1, y + 3, x - 3, y);
        OGL_line(c, x + 3, y + 5, x + 1, y + 3);
        OGL_line(c, x + 1, y + 3, x + 3, y);
        break;
    case 6: OGL_framerect(c, x, y, 2, 5); break;
    case 8:
        OGL_line(c, x - 2, y, x + 2, y + 5);
        OGL_line(c, x + 3, y, x - 1, y + 5);
        break;
    default: break;
    }
}

// Runways of airports within 0.1 degree of the square: filled quadrilaterals
// along the true heading, from half a width left of the centre line to four
// and a half widths right of it.
void plot_runways()
{
    const float f = 2.7429805e-6f;  // degrees per foot
    for (int a = 0; a <= msc.aptmax && a < APT_SLOTS; ++a) {
        if (apt_lat[a][0] < msc.map_latfile - 0.1f || apt_lat[a][0] > msc.map_latfile + 1.1f ||
            apt_lon[a][0] < msc.map_lonfile - 0.1f || apt_lon[a][0] > msc.map_lonfile + 1.1f)
            continue;
        for (int r = 0; r < 3; ++r) {
            if (apt_len[a][r] <= 0) continue;
            int h = ((apt_hdng[a][r] % 360) + 360) % 360;
            float s = lookup_sin[h], c = lookup_cos[h];
            float lat0 = apt_lat[a][r], lon0 = apt_lon[a][r];
            float coslat = std::cos(lat0 * con.degtorad);
            float half = apt_len[a][r] / 2.0f, w = (float)apt_width[a][r];
            // Wound clockwise on the screen, as the toolkit draws its quads.
            float ahead[4] = {-half, half, half, -half}, right[4] = {-0.5f * w, -0.5f * w, 4.5f * w, 4.5f * w};
            float x[4], y[4];
            for (int k = 0; k < 4; ++k) {
                float lat = lat0 + (ahead[k] * c - right[k] * s) * f;
                float lon = lon0 + (ahead[k] * s + right[k] * c) * f / coslat;
                x[k] = (float)(int)ret_x(lon);
                y[k] = (float)(int)ret_y(lat);
            }
            OGL_setcolor(9);
            OGL_2dquad(0, 0, 0, 0, 0, 0, 0, 0, x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3]);
        }
    }
}

// The blocks of the warp resolution: south-west point and extent in grid steps.
template <typename F> void each_block(F f)
{
    const float bi = dfi(), bj = dfj();
    for (float fi = 0; fi < GRID_I - 1; fi += bi)
        for (float fj = 0; fj < GRID_J - 1; fj += bj) {
            int i = round(fi), j = round(fj);
            if (i >= GRID_I - 1 || j >= GRID_J - 1) continue;
            f(i, j, intlim(round(fi + bi), i + 1, GRID_I - 1) - i, intlim(round(fj + bj), j + 1, GRID_J - 1) - j);
        }
}

int pulse = 0;
} // namespace

float ret_x(float lon)
{
    return (lon - msc.map_os_lon - msc.map_lonfile) * msc.map_zoom * MAP_W + MAP_X;
}

float ret_y(float lat)
{
    return (lat - msc.map_os_lat - msc.map_latfile) * msc.map_zoom * MAP_H + MAP_Y;
}

float ret_lon(float x)
{
    return (x - MAP_X) / (msc.map_zoom * MAP_W) + msc.map_os_lon + msc.map_lonfile;
}

float ret_lat(float y)
{
    return (y - MAP_Y) / (msc.map_zoom * MAP_H) + msc.map_os_lat + msc.map_latfile;
}

void plot_terrain()
{
    float lo = planez[0][0], hi = planez[0][0];
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            flt_plotx[i][j] = ret_x(planelon[i][j]);
            flt_ploty[i][j] = ret_y(planelat[i][j]);
            lo = std::fmin(lo, planez[i][j]);
            hi = std::fmax(hi, planez[i][j]);
        }
    lo -= 1;
    hi += 1;

    // The scissor box is in pixels: the drawing space scaled into the window's viewport.
    GLint view[4];
    glGetIntegerv(GL_VIEWPORT, view);
    glEnable(GL_SCISSOR_TEST);
    glScissor(view[0] + (int)((MAP_X + mnw.x) * mnw.XRAT), view[1] + (int)((MAP_Y + mnw.y) * mnw.YRAT),
              (int)(MAP_W * mnw.XRAT), (int)(MAP_H * mnw.YRAT));
    if (msc.draw_tex) OGL_setstate(0, 1, 0, 0);
    else OGL_setstate(0, 0, 0, 0);
    // One quadrilateral per block of the warp resolution, coloured by its south-west cell.
    each_block([&](int i, int j, int di, int dj) {
        if (msc.draw_tex) {
            glColor3f(1, 1, 1);
            OGL_bindtex((int)planetex[i][j]);
        } else if (on_water[i][j]) {
            int sloped = std::fabs(planez[i][j] - planez[i + 1][j + 1]) >= 0.5f ||
                         std::fabs(planez[i + 1][j] - planez[i][j + 1]) >= 0.5f;
            if (sloped) glColor3f(0.2f, 0.2f, 1.0f);
            else glColor3f(0.1f, 0.1f, 0.5f);
        } else {
            float mean = (planez[i][j] + planez[i + 1][j] + planez[i][j + 1] + planez[i + 1][j + 1]) / 4;
            float r = (mean - lo) / (hi - lo);
            glColor3f(0.2f * r, 0.8f * r, 0.2f * r);
        }
        quad(i, j, di, dj);
    });
    OGL_setstate(0, 0, 0, 0);
    if (msc.map_zoom > 2)
        each_block([](int i, int j, int di, int dj) {
            OGL_line(18, flt_plotx[i][j + dj], flt_ploty[i][j + dj], flt_plotx[i][j], flt_ploty[i][j]);
            OGL_line(18, flt_plotx[i][j], flt_ploty[i][j], flt_plotx[i + di][j], flt_ploty[i + di][j]);
        });

    plot_runways();

    float cx = flt_plotx[msc.map_ic_elev][msc.map_jc_elev], cy = flt_ploty[msc.map_ic_elev][msc.map_jc_elev];
    if (in_map(cx, cy)) OGL_framerect(8, cx - 4, cy - 4, 8, 8);

    pulse = msc.edit_mode == EDIT_TERRAIN ? 0 : (pulse >= 37 ? 0 : pulse + 1);
    for (int k = 0; k < OBJ_SLOTS; ++k) {
        if (obj_type[k] < 1 || obj_type[k] > 8) continue;
        if (obj_lat[k] < msc.map_latfile || obj_lat[k] > msc.map_latfile + 1 || obj_lon[k] < msc.map_lonfile ||
            obj_lon[k] > msc.map_lonfile + 1)
            continue;
        float x = ret_x(obj_lon[k]), y = ret_y(obj_lat[k]);
        if (in_map(x, y)) obstacle_symbol(obj_type[k], x, y, k == msc.obj_index ? pulse : 0);
    }

    OGL_setcolor(0);
    glPointSize(msc.map_zoom);
    glBegin(GL_POINTS);
    for (int k = 0; k < msc.map_coast_i; ++k) glVertex2f(ret_x(coast_lon[k]) + mnw.x, ret_y(coast_lat[k]) + mnw.y);
    glEnd();
    glPointSize(1);
    glDisable(GL_SCISSOR_TEST);
}

} // namespace gelvani
