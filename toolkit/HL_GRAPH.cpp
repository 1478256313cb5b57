// First cut of the drawing layer: enough for the frame loop to run.
#include "HL_GRAPH.h"

#include "HL_MNW.h"

#include <GL/gl.h>

unsigned char rgb_array[800 * 600 * 3];
unsigned char current_rgb[3];

void OGL_setstate(int fog, int tex, int lit, int dep)
{
    if (fog) glEnable(GL_FOG); else glDisable(GL_FOG);
    if (tex) glEnable(GL_TEXTURE_2D); else glDisable(GL_TEXTURE_2D);
    if (lit) glEnable(GL_LIGHTING); else glDisable(GL_LIGHTING);
    if (dep) glEnable(GL_DEPTH_TEST); else glDisable(GL_DEPTH_TEST);
}

void OGL_bindtex(int index)
{
    glBindTexture(GL_TEXTURE_2D, (GLuint)index);
}

void OGL_setcolor(int index)
{
    if (index < 0 || index > 79) index = 29;
    if (to_array) {
        for (int k = 0; k < 3; ++k) current_rgb[k] = (unsigned char)(col_rgb[index][k] * 255 + 0.5f);
        return;
    }
    glColor3fv(col_rgb[index]);
}

void OGL_assigncolor(int index, float r, float g, float b)
{
    if (index < 0 || index > 79) {
        MACIBM_alert("too many colors!", "", "", "", ALERT_FATAL);
        return;
    }
    col_rgb[index][0] = r;
    col_rgb[index][1] = g;
    col_rgb[index][2] = b;
}

void BUF_point(int x, int y)
{
    if (x < 0 || x > 799 || y < 0 || y > 599) return;
    unsigned char* p = rgb_array + (y * 800 + x) * 3;
    p[0] = current_rgb[0];
    p[1] = current_rgb[1];
    p[2] = current_rgb[2];
}

void OGL_sbuf()
{
    plat_swap();
}

void OGL_line(int color, float x1, float y1, float x2, float y2)
{
    OGL_setcolor(color);
    if (to_array) return;
    glBegin(GL_LINES);
    glVertex2f(x1 + 0.5f + mnw.x, y1 + 0.5f + mnw.y);
    glVertex2f(x2 + 0.5f + mnw.x, y2 + 0.5f + mnw.y);
    glEnd();
}

void OGL_fillrect(int color, float x, float y, float dx, float dy)
{
    OGL_setcolor(color);
    if (to_array) return;
    x += mnw.x;
    y += mnw.y;
    glBegin(GL_TRIANGLES);
    glVertex2f(x, y);
    glVertex2f(x, y + dy);
    glVertex2f(x + dx, y + dy);
    glVertex2f(x + dx, y + dy);
    glVertex2f(x + dx, y);
    glVertex2f(x, y);
    glEnd();
}

void OGL_framerect(int color, float x, float y, float dx, float dy)
{
    OGL_line(color, x, y, x, y + dy);
    OGL_line(color, x, y + dy, x + dx, y + dy);
    OGL_line(color, x + dx, y + dy, x + dx, y);
    OGL_line(color, x + dx, y, x, y);
}

void OGL_plot_background()
{
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

int OGL_texbmp(int, int, int, const char*)
{
    return 1;
}
