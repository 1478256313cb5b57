// The isometric region window (23): the loaded terrain grid seen obliquely
// from the south-west, its cities and the recorded flight path.
#include "settings_windows.h"

#include "moving_map.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <GL/gl.h>

void manage_iso()
{
    if (!(env.dz > 0) || !(env.dx > 0)) return;
    float scale = fltmin2(mnw.dy / (0.7f * env.dz), mnw.dx / (env.dx + 0.3f * env.dz));
    float x0, y0, xn, yn;
    util_isomize(planexyz[0][0], &x0, &y0, scale);
    util_isomize(planexyz[GRID_I - 1][GRID_J - 1], &xn, &yn, scale);
    float os_y = mnw.dy / 2 - (y0 + yn) / 2;

    // Textures in plain white light.
    OGL_setstate(0, 1, 0, 0);
    static const GLfloat ambient[4] = {1, 1, 1, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glColor3f(1, 1, 1);
    // Cells lie between the grid points: one fewer each way.
    for (int i = 0; i < GRID_I - 1; ++i) {
        for (int j = 0; j < GRID_J - 1; ++j) {
            float x[2][2], y[2][2];
            for (int a = 0; a < 2; ++a)
                for (int b = 0; b < 2; ++b) {
                    util_isomize(planexyz[i + a][j + b], &x[a][b], &y[a][b], scale);
                    y[a][b] += os_y;
                }
            const float(*st)[2][2] = planest[i][j];
            OGL_bindtex(planetex[i][j]);
            // Clockwise on the screen: the toolkit culls the other winding.
            OGL_2dquad(st[0][0][0], st[0][0][1], st[0][1][0], st[0][1][1], st[1][1][0], st[1][1][1], st[1][0][0],
                       st[1][0][1], x[0][0], y[0][0], x[0][1], y[0][1], x[1][1], y[1][1], x[1][0], y[1][0]);
        }
    }
    OGL_setstate(0, 0, 0, 0);

    glBegin(GL_POINTS);
    for (int i = 0; i < GRID_I - 1; ++i) {
        for (int j = 0; j < GRID_J - 1; ++j) {
            if (!city_on_poly[i][j]) continue;
            if (city_on_poly[i][j] == 1) glColor3f(1, 0.85f, 0);
            else glColor3f(0.4f, 1, 0.6f);
            float x, y;
            util_isomize(planexyz[i][j], &x, &y, scale);
            glVertex2f(x + mnw.x, y + os_y + mnw.y);
            glVertex2f(x + 1 + mnw.x, y + os_y + mnw.y);
        }
    }
    glEnd();

    int first = 1;
    for (int c = 0; c < PATH_SAMPLES; ++c) {
        float x, y;
        util_isomize(pat.xyztppt[c], &x, &y, scale);
        plot_path(first, x, y + os_y, c);
        first = 0;
    }
}
