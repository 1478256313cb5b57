// The terrain screen, once a frame in the terrain mode.
#include "map_edit.h"

#include "edit_screens.h"

#include "gelvani_program.h"
#include "gelvani_records.h"
#include "map_view.h"
#include "terrain_square.h"
#include "tool_helpers.h"

#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>

namespace gelvani {

namespace {
const int IMAX = GRID_I - 1, JMAX = GRID_J - 1;

// Strictly on the inner side of an edge taken clockwise on the screen (y up).
int right_of(float x1, float y1, float x2, float y2, float x, float y)
{
    return (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1) < 0;
}

float lerp_at(float v1, float v2, int k1, int k2, int k)
{
    return k2 == k1 ? v1 : v1 + (v2 - v1) * (float)(k - k1) / (float)(k2 - k1);
}

// Latitude, longitude or elevation of point (i, j).
float& value_of(int mode, int which, int i, int j)
{
    if (mode == 4) return planez[i][j];
    return which == 0 ? planelat[i][j] : planelon[i][j];
}

void square_entries()
{
    float lat = (float)round(msc.map_latfile), lon = (float)round(msc.map_lonfile);
    instdbtn_range(7, 60, 524, &lat, 2, 0, -90, 89,
                   "This is the latitude of the lower-left (south-west) corner of the env file currently displayed.");
    instdbtn_range(7, 50, 479, &lon, 3, 0, -180, 179,
                   "This is the longitude of the lower-left (south-west) corner of the env file currently displayed.");
    if (lat == round(msc.map_latfile) && lon == round(msc.map_lonfile)) return;
    if (!handle_save(EDIT_TERRAIN, msc.map_dirty)) return;
    msc.map_latfile = lat;
    msc.map_lonfile = lon;
    read_terrain();
}

} // namespace

int in_map_area(float x, float y)
{
    return fltbox(x, y, 168, 5, 795, 555);
}

void map_view_buttons()
{
    if (mnw.mouse_clicked) {
        float mx = mnw.mx, my = mnw.my;
        if (fltbox(mx, my, 106, 537, 156, 553)) {
            msc.map_zoom *= 1.2f;
            msc.map_os_lat += 0.09f / msc.map_zoom;
            msc.map_os_lon += 0.09f / msc.map_zoom;
        } else if (fltbox(mx, my, 106, 520, 156, 536)) {
            msc.map_zoom /= 1.2f;
            msc.map_os_lat -= 0.09f / msc.map_zoom;
            msc.map_os_lon -= 0.09f / msc.map_zoom;
        } else if (fltbox(mx, my, 122, 495, 141, 513)) {
            msc.map_os_lat += 0.1f / msc.map_zoom;
        } else if (fltbox(mx, my, 104, 476, 122, 495)) {
            msc.map_os_lon -= 0.1f / msc.map_zoom;
        } else if (fltbox(mx, my, 141, 476, 159, 495)) {
            msc.map_os_lon += 0.1f / msc.map_zoom;
        } else if (fltbox(mx, my, 122, 458, 141, 476)) {
            msc.map_os_lat -= 0.1f / msc.map_zoom;
        }
    }
    // Back at the whole square the view is the whole square again.
    if (msc.map_zoom <= 1.0001f) msc.map_os_lat = msc.map_os_lon = 0;
    msc.map_zoom = fltlim(msc.map_zoom, 1, 20);
    msc.map_os_lat = fltlim(msc.map_os_lat, -0.9f, 0.9f);
    msc.map_os_lon = fltlim(msc.map_os_lon, -0.9f, 0.9f);
}

namespace {
void tool_buttons()
{
    inonebool(10, 435, &msc.map_mode, 0);
    inonebool(10, 366, &msc.map_mode, 1);
    inonebool(10, 274, &msc.map_mode, 2);
    const int res[5] = {4, 5, 16, 32, 99};
    for (int k = 0; k < 5; ++k) inonebool(10, 128 - 15 * k, &msc.map_res, res[k]);
}

void elevation_entry()
{
    int ic = msc.map_ic_elev, jc = msc.map_jc_elev;
    float ft = (float)round(planez[ic][jc] * con.mtrstoft);
    if (instdbtn(7, 57, 310, &ft, 5, 0, 1, "This is the elevation of this point above sea level, in feet.")) {
        planez[ic][jc] = ft * con.fttomtrs;
        msc.map_dirty = 1;
    }
}
} // namespace

float dfi()
{
    return msc.map_res == 99 || msc.map_res <= 0 ? 1.0f : 59.0f / (float)msc.map_res;
}

float dfj()
{
    return msc.map_res == 99 || msc.map_res <= 0 ? 1.0f : 79.0f / (float)msc.map_res;
}

int nearest_node(float x, float y, int* ic, int* jc, int* i1, int* j1, int* i2, int* j2)
{
    const float di = dfi(), dj = dfj();
    float best = 9999;
    int found = 0;
    for (float fi = 0; fi < 59; fi += di)
        for (float fj = 0; fj < 79; fj += dj) {
            int lo_i = round(fi - di), lo_j = round(fj - dj), hi_i = round(fi + di), hi_j = round(fj + dj);
            if (lo_i < 0 || lo_j < 0 || hi_i > IMAX || hi_j > JMAX) continue;
            int i = round(fi), j = round(fj);
            float d = std::fabs(x - flt_plotx[i][j]) + std::fabs(y - flt_ploty[i][j]);
            if (d < best) {
                best = d;
                *ic = i, *jc = j, *i1 = lo_i, *j1 = lo_j, *i2 = hi_i, *j2 = hi_j;
                found = 1;
            }
        }
    return found;
}

void flip_water(float x, float y)
{
    const float di = dfi(), dj = dfj();
    for (float fi = 0; fi < 59; fi += di)
        for (float fj = 0; fj < 79; fj += dj) {
            int i = round(fi), j = round(fj);
            int ie = intlim(round(fi + di), 0, IMAX), je = intlim(round(fj + dj), 0, JMAX);
            const float(*px)[GRID_J] = flt_plotx;
            const float(*py)[GRID_J] = flt_ploty;
            if (!(right_of(px[i][j], py[i][j], px[i][je], py[i][je], x, y) &&
                  right_of(px[i][je], py[i][je], px[ie][je], py[ie][je], x, y) &&
                  right_of(px[ie][je], py[ie][je], px[ie][j], py[ie][j], x, y) &&
                  right_of(px[ie][j], py[ie][j], px[i][j], py[i][j], x, y)))
                continue;
            if (msc.map_res == 99) {
                on_water[i][j] = !on_water[i][j];
            } else {
                int w = !on_water[i][j];
                for (int a = i; a < ie; ++a)
                    for (int b = j; b < je; ++b) on_water[a][b] = w;
            }
        }
    assign_terrain_texes(GRID_I, GRID_J);
}

void interp_points(int ic, int jc, int i1, int j1, int i2, int j2, float mx, float my, int mode)
{
    ic = intlim(ic, 0, IMAX), jc = intlim(jc, 0, JMAX);
    i1 = intlim(i1, 0, IMAX), i2 = intlim(i2, 0, IMAX);
    j1 = intlim(j1, 0, JMAX), j2 = intlim(j2, 0, JMAX);
    if (mode == 3) {
        planelat[ic][jc] = ret_lat(my);
        planelon[ic][jc] = ret_lon(mx);
    }
    if (msc.map_res == 99) return;
    const int values = mode == 4 ? 1 : 2;
    for (int w = 0; w < values; ++w) {
        for (int j = j1 + 1; j < j2; ++j) {
            if (j == jc) continue;
            value_of(mode, w, ic, j) = j < jc ? lerp_at(value_of(mode, w, ic, j1), value_of(mode, w, ic, jc), j1, jc, j)
                                              : lerp_at(value_of(mode, w, ic, jc), value_of(mode, w, ic, j2), jc, j2, j);
        }
        for (int j = j1 + 1; j < j2; ++j)
            for (int i = i1 + 1; i < i2; ++i) {
                if (i == ic) continue;
                value_of(mode, w, i, j) = i < ic ? lerp_at(value_of(mode, w, i1, j), value_of(mode, w, ic, j), i1, ic, i)
                                                 : lerp_at(value_of(mode, w, ic, j), value_of(mode, w, i2, j), ic, i2, i);
            }
    }
}

void handle_map()
{
    square_entries();
    map_view_buttons();
    tool_buttons();
    float mx = mnw.mx, my = mnw.my;
    if ((mnw.now_dragging || mnw.mouse_clicked) && in_map_area(mx, my)) {
        msc.map_dirty = 1;
        int ic, jc, i1, j1, i2, j2;
        if (msc.map_mode == 0) {
            if (nearest_node(mx, my, &ic, &jc, &i1, &j1, &i2, &j2)) interp_points(ic, jc, i1, j1, i2, j2, mx, my, 3);
        } else if (msc.map_mode == 1 && mnw.mouse_clicked) {
            if (nearest_node(mx, my, &ic, &jc, &i1, &j1, &i2, &j2)) {
                msc.map_ic_elev = ic, msc.map_jc_elev = jc;
                msc.map_i1_elev = i1, msc.map_j1_elev = j1, msc.map_i2_elev = i2, msc.map_j2_elev = j2;
            }
        } else if (msc.map_mode == 2 && mnw.mouse_clicked) {
            flip_water(mx, my);
        }
    }
    elevation_entry();
    if (mnw.mouse_clicked)
        interp_points(msc.map_ic_elev, msc.map_jc_elev, msc.map_i1_elev, msc.map_j1_elev, msc.map_i2_elev,
                      msc.map_j2_elev, mx, my, 4);
}

} // namespace gelvani
