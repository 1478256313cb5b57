// Scenery objects in range: power-line and radio towers, buildings with their
// walls, roofs and night lights, and custom objects. Drawing a roof under the
// aircraft tells the next flight step it is over it.
#include "scene_drawing.h"

#include "scene_drawing_rules.h"
#include "scene_range.h"
#include "weather_field.h"
#include "records/world_state.h"
#include "records/flight_state.h"
#include "scene_light.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"

#include <GL/gl.h>
#include <cmath>

void plot_powertower(int obs);
void plot_radtower(int obs);
void plot_buildingsides(int obs, int imin, int imax);
void plot_buildingtops(int obs, int imax);
void plot_buildinglights(int t, int obs);

namespace {
// Standard building types in drawing order.
const int BUILDING_TYPES[] = {1, 2, 5, 6, 90, 91, 92, 93, 94, 95, 96, 97};
const int BUILDING_TYPE_COUNT = sizeof BUILDING_TYPES / sizeof BUILDING_TYPES[0];

bool drawn(int o, int t)
{
    return obj_inrange[o] && obj_type[o] == t;
}

void custom_polygons(int o)
{
    int n = intmin2(obj_type[o] - 100, OBJ_ELEMENTS);
    for (int p = 0; p < n; ++p) {
        int kind = obj_poltyp[o][p];
        if (kind != 3 && kind != 4) continue;
        const float (*v)[3] = obj_xyz[o][p];
        OGL_bindtex(obj_texrgb[o][p]);
        glBegin(kind == 3 ? GL_TRIANGLES : GL_QUADS);
        glNormal3fv(obj_nrml[o][p]);
        if (kind == 3) {
            const float st[3][2] = {{0, 0}, {0, 1}, {1, 0}};
            for (int k = 0; k < 3; ++k) {
                glTexCoord2fv(st[k]);
                glVertex3fv(v[k]);
            }
        } else {
            const float st[4][2] = {{1, 1}, {1, 0}, {0, 0}, {0, 1}};
            for (int k = 0; k < 4; ++k) {
                glTexCoord2fv(st[k]);
                glVertex3fv(v[k]);
            }
        }
        glEnd();
    }
}

void custom_lines(int o)
{
    int n = intmin2(obj_type[o] - 100, OBJ_ELEMENTS);
    for (int p = 0; p < n; ++p) {
        if (obj_poltyp[o][p] != 2) continue;
        float c[3];
        code_rgb(obj_texrgb[o][p], c);
        glColor3f(c[0] * ogl_brat_ter, c[1] * ogl_brat_ter, c[2] * ogl_brat_ter);
        glVertex3fv(obj_xyz[o][p][0]);
        glVertex3fv(obj_xyz[o][p][1]);
    }
}

void custom_lights(int o)
{
    int n = intmin2(obj_type[o] - 100, OBJ_ELEMENTS);
    for (int p = 0; p < n; ++p) {
        if (obj_poltyp[o][p] != 1) continue;
        if (obj_texrgb[o][p] == 999999) glColor3f(pulse(o), 0, 0);
        else {
            float c[3];
            code_rgb(obj_texrgb[o][p], c);
            glColor3fv(c);
        }
        glVertex3fv(obj_xyz[o][p][0]);
    }
}

void walls_of(int tex)
{
    OGL_bindtex(tex);
    glBegin(GL_QUADS);
    for (int o = 0; o < OBJ_CAP; ++o) {
        if (!obj_inrange[o]) continue;
        const building_kind* k = building_of(obj_type[o]);
        if (k && k->side_tex == tex) plot_buildingsides(o, k->imin, k->imax);
    }
    glEnd();
}

void roofs_of(int tex)
{
    OGL_bindtex(tex);
    glBegin(GL_QUADS);
    for (int o = 0; o < OBJ_CAP; ++o) {
        if (!obj_inrange[o]) continue;
        const building_kind* k = building_of(obj_type[o]);
        if (k && k->roof_tex == tex) plot_buildingtops(o, k->imax);
    }
    glEnd();
}
} // namespace

void plot_powertower(int obs)
{
    const float* b = obj_xyz[obs][0][0];
    float top = obj_xyz[obs][1][0][1];
    float dh = top - b[1];
    float xb = b[0], hb = b[1], zb = b[2];
    OGL_3dline(xb - 0.4f * dh, hb, zb, xb - 0.2f * dh, top, zb);
    OGL_3dline(xb + 0.4f * dh, hb, zb, xb + 0.2f * dh, top, zb);
    OGL_3dline(xb - 0.4f * dh, hb, zb, xb + 0.2f * dh, top, zb);
    OGL_3dline(xb + 0.4f * dh, hb, zb, xb - 0.2f * dh, top, zb);
    OGL_3dline(xb - 0.5f * dh, top, zb, xb + 0.5f * dh, top, zb);
}

void plot_radtower(int obs)
{
    const float* b = obj_xyz[obs][0][0];
    float top = obj_xyz[obs][1][0][1];
    float dh = top - b[1];
    int n = radtower_points(dh);
    if (n == 13) {
        glPointSize(flash_on(scn.rb_cycle, obs) ? 2.0f : 1.0f);
        glBegin(GL_POINTS);
        for (int i = 0; i < 13; ++i) {
            if (i % 2 == 0) glColor3f(1, 0, 0);
            else glColor3f(1, 1, 1);
            glVertex3f(b[0], b[1] + i * dh / 13, b[2]);
        }
        glEnd();
        glPointSize(1 + 2 * pulse(obs));
        glColor3f(1, 0, 0);
        glBegin(GL_POINTS);
        glVertex3f(b[0], top, b[2]);
        glEnd();
        glPointSize(1);
        return;
    }
    if (scn.city_lites_on) glColor3f(pulse(obs), 0, 0);
    else glColor3f(0.5f * ogl_brat_ter, 0.5f * ogl_brat_ter, 0.5f * ogl_brat_ter);
    glBegin(GL_POINTS);
    for (int i = 0; i < 10; ++i) glVertex3f(b[0], b[1] + i * dh / 9, b[2]);
    glEnd();
}

void plot_buildingsides(int obs, int imin, int imax)
{
    static const float normal[4][3] = {{-1, 0, 0}, {0, 0, -1}, {1, 0, 0}, {0, 0, 1}};
    float hmin = obj_xyz[obs][imin][0][1];
    float height = obj_xyz[obs][imax][0][1] - hmin;
    int rows = wall_rows(imin, imax, hmin, obj_xyz[obs][imax][0][1]);
    for (int i = imin; i < imin + rows; ++i) {
        float t1 = (obj_xyz[obs][i][0][1] - hmin) / height;
        float t2 = (obj_xyz[obs][i + 1][0][1] - hmin) / height;
        for (int j = 0; j < 4; ++j) {
            int j2 = (j + 1) % 4;
            glNormal3fv(normal[j]);
            glTexCoord2f(1, t1);
            glVertex3fv(obj_xyz[obs][i][j]);
            glTexCoord2f(0, t1);
            glVertex3fv(obj_xyz[obs][i][j2]);
            glTexCoord2f(0, t2);
            glVertex3fv(obj_xyz[obs][i + 1][j2]);
            glTexCoord2f(1, t2);
            glVertex3fv(obj_xyz[obs][i + 1][j]);
        }
    }
}

void plot_buildingtops(int obs, int imax)
{
    const float (*c)[3] = obj_xyz[obs][imax];
    if (in_roof_box(c[1], c[3], (float)flt.X, (float)flt.Z)) mark_surface(27, c[0][1]);
    static const float st[4][2] = {{1, 0}, {0, 0}, {0, 1}, {1, 1}};
    glNormal3f(0, 1, 0);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2fv(st[k]);
        glVertex3fv(c[k]);
    }
}

void plot_buildinglights(int t, int obs)
{
    const building_kind* kind = building_of(t);
    if (!kind || !kind->lit) return;
    int k = kind->window_ring;
    if (k >= 0 && k + 1 < 50) {
        static const float out[4][2] = {{-2, 0}, {0, -2}, {2, 0}, {0, 2}};
        glColor3fv(kind->window_rgb);
        for (int j = 0; j < 4; ++j) {
            const float* A = obj_xyz[obs][k][j];
            const float* B = obj_xyz[obs][k][(j + 1) % 4];
            float dy = obj_xyz[obs][k + 1][j][1] - A[1];
            for (int pj = 1; pj <= 9; ++pj)
                for (int pi = 1; pi <= 9; pi += 2) {
                    float fj = 0.1f * pj, fi = 0.1f * pi;
                    glVertex3f(A[0] + (B[0] - A[0]) * fj + out[j][0], A[1] + (B[1] - A[1]) * fj + dy * fi,
                               A[2] + (B[2] - A[2]) * fj + out[j][1]);
                }
        }
    }
    const float (*roof)[3] = obj_xyz[obs][kind->imax];
    if (kind->helipad) {
        float cx = 0.5f * (roof[1][0] + roof[3][0]), cz = 0.5f * (roof[1][2] + roof[3][2]);
        float rad = 0.5f * std::fabs(roof[3][0] - roof[1][0]);
        glColor3f(0.6f, 0.6f, 0.3f);
        for (int d = 0; d < 360; d += 10)
            glVertex3f(cx + rad * lookup_sin[d], roof[0][1] + 1, cz + rad * lookup_cos[d]);
    }
    if (obs % 3 == 0) glColor3fv(col_rgb[flash_on(scn.rb_cycle, obs) ? 38 : 45]);
    else glColor3f(pulse(obs), 0, 0);
    for (int c = 0; c < 4; ++c) glVertex3fv(roof[c]);
}

void plot_obstacles()
{
    // Power-line towers.
    OGL_setstate(1, 0, 1, 1);
    glNormal3f(0, 1, 0);
    glColor3f(0.8f * ogl_brat_ter, 0.8f * ogl_brat_ter, 0.8f * ogl_brat_ter);
    glBegin(GL_LINES);
    for (int o = 0; o < OBJ_CAP; ++o)
        if (drawn(o, 4)) plot_powertower(o);
    glEnd();

    // Radio towers.
    OGL_setstate(1, 0, 0, 1);
    for (int o = 0; o < OBJ_CAP; ++o)
        if (drawn(o, 3)) plot_radtower(o);

    // Walls: each side texture bound once, all its buildings in one batch.
    OGL_setstate(1, 1, 1, 1);
    glColor3f(1, 1, 1);
    for (int n = 0; n < BUILDING_TYPE_COUNT; ++n) {
        int tex = building_of(BUILDING_TYPES[n])->side_tex;
        bool done = false;
        for (int m = 0; m < n; ++m) done = done || building_of(BUILDING_TYPES[m])->side_tex == tex;
        if (!done) walls_of(tex);
    }

    // Roofs: plain, then helipads.
    roofs_of(48);
    roofs_of(56);

    // Custom objects: faces, then lines.
    for (int o = 0; o < OBJ_CAP; ++o)
        if (obj_inrange[o] && obj_type[o] > 100) custom_polygons(o);
    OGL_setstate(1, 0, 0, 1);
    glBegin(GL_LINES);
    for (int o = 0; o < OBJ_CAP; ++o)
        if (obj_inrange[o] && obj_type[o] > 100) custom_lines(o);
    glEnd();

    if (!scn.city_lites_on) return;
    OGL_setstate(1, 0, 0, 0);
    glBegin(GL_POINTS);
    for (int o = 0; o < OBJ_CAP; ++o) {
        if (!obj_inrange[o]) continue;
        if (obj_type[o] > 100) custom_lights(o);
        else plot_buildinglights(obj_type[o], o);
    }
    glEnd();
}
