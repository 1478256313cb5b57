// Stars, the cloud deck from above, terrain with the ships, city lights,
// trees, lightning and fires with their smoke.
#include "scene_drawing.h"

#include "scene_drawing_rules.h"
#include "scene_light.h"
#include "scene_range.h"
#include "ships.h"
#include "weather_field.h"
#include "records/world_state.h"
#include "records/flight_state.h"
#include "star_and_ship_shapes.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"

#include <GL/gl.h>
#include <cmath>

void plotgroup(int s1, int s2, float base_r, float base_g, float base_b, float rgb)
{
    glColor3f(fltmax2(rgb, base_r), fltmax2(rgb, base_g), fltmax2(rgb, base_b));
    for (int s = intlim(s1, 0, 1999); s <= intlim(s2, 0, 1999); ++s) glVertex3fv(star_xyz[s]);
}

namespace {
// The meteor: screen position and step, and how long it has burnt.
int sx, sy, dx, dy;
float burn_time = 2;

void plot_meteor(float x1, float y1, float x2, float y2)
{
    if (meteor_starts(meteor_interval(atm.meteorite_code), msc.prd)) {
        sx = intrand(round(x1), round(x2));
        sy = intrand(round(y1), round(y2));
        dx = intrand(-16, 16);
        dy = intrand(-16, -4);
        burn_time = 0;
    }
    if (burn_time >= 2) return;
    sx += dx;
    sy += dy;
    burn_time += msc.prd;
    float grey = std::fabs(burn_time - 1);
    glColor3f(grey, grey, grey);
    // Its screen position taken as metres east and up from the eye, in the
    // star field's frame that stands at the eye.
    glBegin(GL_LINES);
    glVertex3f((float)sx, (float)sy, 0);
    glVertex3f((float)(sx + dx), (float)(sy + dy), 0);
    glEnd();
}

// Cell bounds of the terrain pass, kept inside the grid.
void terrain_bounds(int* i1, int* i2, int* j1, int* j2)
{
    *i1 = intlim(scn.i1_plot_bound_ter, 0, GRID_I - 2);
    *i2 = intlim(scn.i2_plot_bound_ter, 0, GRID_I - 2);
    *j1 = intlim(scn.j1_plot_bound_ter, 0, GRID_J - 2);
    *j2 = intlim(scn.j2_plot_bound_ter, 0, GRID_J - 2);
}

void terrain_vertex(int i, int j, int a, int b)
{
    glNormal3fv(planenrml[i + a][j + b]);
    glTexCoord2fv(planest[i][j][a][b]);
    glVertex3fv(planexyz[i + a][j + b]);
}

void plot_ships()
{
    int i1, i2, j1, j2;
    terrain_bounds(&i1, &i2, &j1, &j2);
    for (int j = j1; j <= j2; ++j)
        for (int i = i1; i <= i2; ++i) {
            if (!ter_inrange[i][j] || !(frig_on_poly[i][j] || carr_on_poly[i][j] || oilr_on_poly[i][j])) continue;
            float c[3];
            for (int k = 0; k < 3; ++k) c[k] = 0.5f * (planexyz[i][j][k] + planexyz[i + 1][j + 1][k]);
            glPushMatrix();
            glTranslatef(c[0], c[1], c[2]);
            if (frig_on_poly[i][j]) {
                glRotatef(-env.frig_the, -1, 0, 0);
                glRotatef(-env.frig_phi, 0, 0, 1);
                draw_a_frig(c[0], c[1], c[2]);
            }
            if (carr_on_poly[i][j]) {
                glRotatef(-env.carr_the, -1, 0, 0);
                glRotatef(-env.carr_phi, 0, 0, 1);
                draw_a_carr(c[0], c[1], c[2]);
            }
            if (oilr_on_poly[i][j]) draw_a_oilr(c[0], c[1], c[2]);
            glPopMatrix();
        }
}

// A square of 2 half-sizes facing the camera, centred on the origin.
void facing_square(float half)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-half, -half, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-half, half, 0);
    glTexCoord2f(1, 1);
    glVertex3f(half, half, 0);
    glTexCoord2f(1, 0);
    glVertex3f(half, -half, 0);
    glEnd();
}
} // namespace

void plot_stars(float base_r, float base_g, float base_b, float x1, float y1, float x2, float y2)
{
    float brat = star_brat(base_r, base_g, base_b, msc.locl_time / 3600);
    if (!stars_visible(brat, base_r, base_g, base_b)) return;
    glPushMatrix();
    glTranslatef(con.VIEW_xyz[0], con.VIEW_xyz[1], con.VIEW_xyz[2]);
    glBegin(GL_POINTS);
    for (int g = 0; g < 5; ++g) {
        int s1, s2;
        float share;
        star_group(g, &s1, &s2, &share);
        plotgroup(s1, s2, base_r, base_g, base_b, share * brat);
    }
    glEnd();
    plot_meteor(x1, y1, x2, y2);
    glPopMatrix();
}

void plot_clouds()
{
    int i1 = intlim(scn.i1_plot_bound_cld, 0, CLOUD_I - 1), i2 = intlim(scn.i2_plot_bound_cld, 0, CLOUD_I - 1);
    int j1 = intlim(scn.j1_plot_bound_cld, 0, CLOUD_J - 1), j2 = intlim(scn.j2_plot_bound_cld, 0, CLOUD_J - 1);
    glNormal3f(0, 1, 0);
    glPushMatrix();
    glTranslatef(0, atm.topsMSL, 0);
    for (int j = j1; j < j2; ++j) {
        glBegin(GL_TRIANGLE_STRIP);
        for (int i = i1; i <= i2; ++i)
            for (int b = 0; b < 2; ++b) {
                const float* c = cloudrgb[i][j + b];
                glColor3f(c[0] * lite_r, c[1] * lite_g, c[2] * lite_b);
                glVertex3fv(cloudxyz[i][j + b]);
            }
        glEnd();
    }
    glPopMatrix();
}

void plot_terrain()
{
    int i1, i2, j1, j2;
    terrain_bounds(&i1, &i2, &j1, &j2);
    for (int t = 15; t <= 26; ++t) {
        OGL_bindtex(t);
        glBegin(GL_TRIANGLES);
        for (int j = j1; j <= j2; ++j)
            for (int i = i1; i <= i2; ++i) {
                if (!ter_inrange[i][j] || planetex[i][j] != t) continue;
                terrain_vertex(i, j, 0, 0);
                terrain_vertex(i, j, 0, 1);
                terrain_vertex(i, j, 1, 1);
                terrain_vertex(i, j, 1, 1);
                terrain_vertex(i, j, 1, 0);
                terrain_vertex(i, j, 0, 0);
            }
        glEnd();
    }
    plot_ships();
}

void plot_city_lights()
{
    if (!scn.city_lites_on) return;
    int i1, i2, j1, j2;
    terrain_bounds(&i1, &i2, &j1, &j2);
    glBegin(GL_POINTS);
    for (int j = j1; j <= j2; ++j)
        for (int i = i1; i <= i2; ++i) {
            if (!ter_inrange[i][j] || !city_on_poly[i][j]) continue;
            for (int h = 0; h < 2; ++h)
                for (int p = 0; p < 5; ++p) {
                    if (p == 0) glColor3f(0.4f, 1, 0.6f);
                    if (p == 3) glColor3f(1, 0.85f, 0);
                    glVertex3fv(city_xyz[i][j][h][p]);
                }
        }
    glEnd();
}

void plot_trees()
{
    int i1, i2, j1, j2;
    terrain_bounds(&i1, &i2, &j1, &j2);
    glColor3f(0.05f * ogl_brat_ter, 0.1f * ogl_brat_ter, 0.05f * ogl_brat_ter);
    glBegin(GL_LINES);
    for (int j = j1; j <= j2; ++j)
        for (int i = i1; i <= i2; ++i) {
            if (!ter_inrange[i][j] || !tree_on_poly[i][j]) continue;
            for (int h = 0; h < 2; ++h)
                for (int t = 0; t < 3; ++t) {
                    glVertex3fv(tree_xyz[i][j][h][t][0]);
                    glVertex3fv(tree_xyz[i][j][h][t][1]);
                }
        }
    glEnd();
}

void plot_lightning()
{
    glColor3f(1, 1, 0.6f);
    glBegin(GL_LINES);
    for (int b = 0; b < 4; ++b)
        for (int k = 0; k < 19; ++k) {
            glVertex3fv(atm.lightXYZ[b][k]);
            glVertex3fv(atm.lightXYZ[b][k + 1]);
        }
    glEnd();
}

void plot_fires()
{
    static int phase[10];
    static float ft = 66;
    static int first = 1;
    if (first) {
        for (int f = 0; f < 10; ++f) phase[f] = intrand(0, 11);
        first = 0;
    }
    ft = advance_fire_clock(ft, msc.prd);

    glColor3f(1, 1, 1);
    glNormal3f(0, 1, 0);
    OGL_setstate(1, 1, 0, 0);
    glEnable(GL_ALPHA_TEST);
    for (int f = 0; f < 10; ++f) {
        const float* p = scn.firexyz[f];
        if (!scn.fire_on[f] || !incone(p[0], p[2], 0)) continue;
        OGL_bindtex(fire_texture(ft, phase[f]));
        glPushMatrix();
        glTranslatef(p[0], p[1], p[2]);
        glRotatef(-scn.psi, 0, 1, 0);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex3f(-35, 0, 0);
        glTexCoord2f(0, 1);
        glVertex3f(-35, 50, 0);
        glTexCoord2f(1, 1);
        glVertex3f(35, 50, 0);
        glTexCoord2f(1, 0);
        glVertex3f(35, 0, 0);
        glEnd();
        glPopMatrix();
    }
    glDisable(GL_ALPHA_TEST);

    step_smoke(msc.prd, scn.fire_on, scn.firexyz, atm.wnddir, env.mvar);
    OGL_setstate(1, 1, 1, 0);
    OGL_bindtex(65);
    glEnable(GL_BLEND);
    for (int s = 0; s < SMOKE_PUFFS; ++s) {
        if (!smoke.live[s] || !incone(smoke.s_x[s], smoke.s_z[s], 0)) continue;
        glPushMatrix();
        glTranslatef(smoke.s_x[s], smoke.s_y[s], smoke.s_z[s]);
        glRotatef(-scn.psi, 0, 1, 0);
        glRotatef(-scn.the, -1, 0, 0);
        glRotatef(-scn.phi, 0, 0, 1);
        facing_square(smoke.s_s[s]);
        glPopMatrix();
    }
    glDisable(GL_BLEND);
}
