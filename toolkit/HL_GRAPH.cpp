// The drawing layer: state and texture caches, colours, 2-D primitives on the
// GL or the canvas, 3-D quads and the backdrop.
#include "HL_GRAPH.h"

#include "HL_FUNCT.h"
#include "HL_MNW.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

unsigned char rgb_array[CANVAS_W * CANVAS_H * 3];
unsigned char current_rgb[3];

int o_fog, o_tex, o_lit, o_dep;
int o_index = -1;

namespace {
void set_cap(GLenum cap, int on)
{
    if (on) glEnable(cap);
    else glDisable(cap);
}

float clamp01(float v)
{
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

// Unit normal of a x b with a = p3 - p2, b = p2 - p1; straight up when degenerate.
void quad_normal(const float* p1, const float* p2, const float* p3, float* n)
{
    float a[3] = {p3[0] - p2[0], p3[1] - p2[1], p3[2] - p2[2]};
    float b[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    n[0] = a[1] * b[2] - a[2] * b[1];
    n[1] = a[2] * b[0] - a[0] * b[2];
    n[2] = a[0] * b[1] - a[1] * b[0];
    float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len > 0) {
        n[0] /= len;
        n[1] /= len;
        n[2] /= len;
    } else {
        n[0] = 0;
        n[1] = 1;
        n[2] = 0;
    }
}

// Narrows [lo, hi] to the steps f at which start + f * step lies within
// -1 .. size + 1; 0 when none does.
int step_range(double start, double step, int size, double* lo, double* hi)
{
    if (step == 0) return start >= -1 && start <= size + 1;
    double a = (-1 - start) / step, b = (size + 1 - start) / step;
    if (a > b) std::swap(a, b);
    *lo = std::max(*lo, a);
    *hi = std::min(*hi, b);
    return *lo <= *hi;
}

// Heading in whole degrees, any sign, as a table index 0..359.
int table_degree(int d)
{
    d %= 360;
    return d < 0 ? d + 360 : d;
}
} // namespace

void OGL_setstate(int fog, int tex, int lit, int dep)
{
    static int first = 1;
    if (first) {
        // Opposite of the GL's state, so that the first call sets all four.
        o_fog = !glIsEnabled(GL_FOG);
        o_tex = !glIsEnabled(GL_TEXTURE_2D);
        o_lit = !glIsEnabled(GL_LIGHTING);
        o_dep = !glIsEnabled(GL_DEPTH_TEST);
        first = 0;
    }
    if (fog != o_fog) set_cap(GL_FOG, fog);
    if (dep != o_dep) set_cap(GL_DEPTH_TEST, dep);
    if (tex != o_tex) set_cap(GL_TEXTURE_2D, tex);
    if (lit != o_lit) {
        set_cap(GL_LIGHTING, lit);
        set_cap(GL_LIGHT0, lit);
    }
    o_fog = fog;
    o_tex = tex;
    o_lit = lit;
    o_dep = dep;
}

void OGL_bindtex(int index)
{
    if (index == o_index) return;
    glBindTexture(GL_TEXTURE_2D, (GLuint)index);
    o_index = index;
}

void OGL_setcolor(int index)
{
    if (index < 0 || index > 79) {
        MACIBM_alert("too many colors!", "", "", "", ALERT_FATAL);
        return;
    }
    const float* c = col_rgb[index];
    if (to_array) {
        for (int k = 0; k < 3; ++k) current_rgb[k] = (unsigned char)round(fltlim(c[k], 0, 1) * 255);
        return;
    }
    // The panel light tints the panel's and the interface's colours only.
    if (index < 38) {
        float r, g, b;
        program_tint(&r, &g, &b);
        glColor3f(c[0] * r, c[1] * g, c[2] * b);
    }
    else glColor3f(c[0], c[1], c[2]);
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
    if (x < 0 || x >= CANVAS_W || y < 0 || y >= CANVAS_H) return;
    unsigned char* p = rgb_array + (y * CANVAS_W + x) * 3;
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
    x1 += mnw.x;
    y1 += mnw.y;
    x2 += mnw.x;
    y2 += mnw.y;
    if (!to_array) {
        glBegin(GL_LINES);
        glVertex2f(x1 + 0.5f, y1 + 0.5f);
        glVertex2f(x2 + 0.5f, y2 + 0.5f);
        glEnd();
        // The end pixel, which the line rule leaves out.
        glBegin(GL_POINTS);
        glVertex2f(x2 + 0.5f, y2 + 0.5f);
        glEnd();
        return;
    }
    double dx = (double)x2 - x1, dy = (double)y2 - y1;
    double len = std::sqrt(dx * dx + dy * dy);
    if (!std::isfinite(len)) return;
    double sx = len > 0 ? dx / len : 0, sy = len > 0 ? dy / len : 0;
    // Only the steps that can land on the canvas are walked, so a line that
    // runs far outside costs nothing and never overflows a pixel index.
    double lo = 0, hi = len + 0.5;
    if (!step_range(x1, sx, CANVAS_W, &lo, &hi) || !step_range(y1, sy, CANVAS_H, &lo, &hi)) return;
    for (long f = (long)std::floor(lo); f < len + 0.5 && f <= hi; ++f) {
        if (f < 0) continue;
        BUF_point(round((float)(x1 + f * sx)), round((float)(y1 + f * sy)));
    }
}

void OGL_fillrect(int color, float x, float y, float dx, float dy)
{
    OGL_setcolor(color);
    x += mnw.x;
    y += mnw.y;
    if (!to_array) {
        glBegin(GL_TRIANGLES);
        glVertex2f(x, y);
        glVertex2f(x, y + dy);
        glVertex2f(x + dx, y + dy);
        glVertex2f(x + dx, y + dy);
        glVertex2f(x + dx, y);
        glVertex2f(x, y);
        glEnd();
        return;
    }
    float xlo = fltlim(x, -1, CANVAS_W + 1), xhi = fltlim(x + dx, -1, CANVAS_W + 1);
    float ylo = fltlim(y, -1, CANVAS_H + 1), yhi = fltlim(y + dy, -1, CANVAS_H + 1);
    int x0 = intlim(round(xlo), 0, CANVAS_W), x1 = intlim(round(xhi), 0, CANVAS_W);
    int y0 = intlim(round(ylo), 0, CANVAS_H), y1 = intlim(round(yhi), 0, CANVAS_H);
    for (int py = y0; py < y1; ++py)
        for (int px = x0; px < x1; ++px) BUF_point(px, py);
}

void OGL_framerect(int color, float x, float y, float dx, float dy)
{
    OGL_line(color, x, y, x, y + dy);
    OGL_line(color, x, y + dy, x + dx, y + dy);
    OGL_line(color, x + dx, y + dy, x + dx, y);
    OGL_line(color, x + dx, y, x, y);
}

void OGL_framecircle(int color, float x, float y, float r)
{
    float lx = x, ly = y - r, rx = x, ry = y - r;
    for (int k = 0; -r + k <= r; ++k) {
        float h = -r + k;
        float w = std::sqrt(fltmax2(0, r * r - h * h));
        OGL_line(color, lx, ly, x - w, y + h);
        OGL_line(color, rx, ry, x + w, y + h);
        lx = x - w;
        rx = x + w;
        ly = ry = y + h;
    }
}

void OGL_fillcircle(int color, float x, float y, float r)
{
    for (int k = 0; -r + k <= r; ++k) {
        float d = -r + k;
        float w = std::sqrt(fltmax2(0, r * r - d * d));
        OGL_line(color, x - w, y + d, x + w, y + d);
    }
}

void OGL_arc(int color, float x, float y, float r1, float r2, float d1, float d2)
{
    if (!std::isfinite(d1) || !std::isfinite(d2) || std::fabs(d1) > 1e6f || std::fabs(d2) > 1e6f) return;
    const int first = (int)d1;
    for (int k = 0; r1 + k <= r2; ++k) {
        float r = r1 + k;
        int t = table_degree(first);
        float px = x + r * lookup_sin[t], py = y + r * lookup_cos[t];
        for (int d = first; d <= d2; ++d) {
            t = table_degree(d);
            float nx = x + r * lookup_sin[t], ny = y + r * lookup_cos[t];
            OGL_line(color, px, py, nx, ny);
            px = nx;
            py = ny;
        }
    }
}

void OGL_2dquad(float s1, float t1, float s2, float t2, float s3, float t3, float s4, float t4,
                float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    glBegin(GL_QUADS);
    glTexCoord2f(s1, t1);
    glVertex2f(x1 + mnw.x, y1 + mnw.y);
    glTexCoord2f(s2, t2);
    glVertex2f(x2 + mnw.x, y2 + mnw.y);
    glTexCoord2f(s3, t3);
    glVertex2f(x3 + mnw.x, y3 + mnw.y);
    glTexCoord2f(s4, t4);
    glVertex2f(x4 + mnw.x, y4 + mnw.y);
    glEnd();
}

void OGL_3dline(float x1, float y1, float z1, float x2, float y2, float z2)
{
    glVertex3f(x1, y1, z1);
    glVertex3f(x2, y2, z2);
}

void OGL_3dquad_st(const float* xyz1, const float* xyz2, const float* xyz3, const float* xyz4, int tex,
                   float s1, float t1, float s2, float t2)
{
    float n[3];
    quad_normal(xyz1, xyz2, xyz3, n);
    OGL_bindtex(tex);
    glBegin(GL_QUADS);
    glNormal3fv(n);
    glTexCoord2f(s1, t1);
    glVertex3fv(xyz1);
    glTexCoord2f(s1, t2);
    glVertex3fv(xyz2);
    glTexCoord2f(s2, t2);
    glVertex3fv(xyz3);
    glTexCoord2f(s2, t1);
    glVertex3fv(xyz4);
    glEnd();
}

void OGL_3dquad_flat(const float* xyz1, const float* xyz2, const float* xyz3, const float* xyz4, int tex,
                     float xmin, float zmin, float xrange, float zrange)
{
    float n[3];
    quad_normal(xyz1, xyz2, xyz3, n);
    OGL_bindtex(tex);
    const float* p[4] = {xyz1, xyz2, xyz3, xyz4};
    glBegin(GL_QUADS);
    glNormal3fv(n);
    for (const float* c : p) {
        glTexCoord2f((c[0] - xmin) / xrange, (c[2] - zmin) / zrange);
        glVertex3fv(c);
    }
    glEnd();
}

void tile(int i, int j, float x1, float y1, float x2, float y2, float s1, float t1, float s2, float t2)
{
    // Through the shared cache, so that the next OGL_bindtex is never fooled.
    OGL_bindtex(BACKDROP_TILE_BASE + i + 7 * j);
    glBegin(GL_QUADS);
    glTexCoord2f(s1, t1);
    glVertex2f(x1, y1);
    glTexCoord2f(s1, t2);
    glVertex2f(x1, y2);
    glTexCoord2f(s2, t2);
    glVertex2f(x2, y2);
    glTexCoord2f(s2, t1);
    glVertex2f(x2, y1);
    glEnd();
}

void OGL_plot_background()
{
    // A frame starts from a clean buffer: the backdrop does not cover the scene area.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    float r, g, b;
    program_tint(&r, &g, &b);
    glColor3f(r, g, b);
    OGL_setstate(o_fog, 1, o_lit, o_dep);
    // Untinted, the texels are copied rather than multiplied by white: the
    // same pixels, and the software renderer shades them faster.
    const bool untinted = r == 1 && g == 1 && b == 1;
    if (untinted) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const int layout = program_backdrop_layout();
    const int open = mnw.topwin != 0 || !done_initing || layout == 0;
    for (int i = 0; i < 7; ++i) {
        float xa = 128.0f * i, xb = fltmin2(128.0f * (i + 1), 800);
        float s = clamp01(6.25f - i);
        if (open) {
            for (int j = 0; j < 5; ++j)
                tile(i, j, xa, 128.0f * j, xb, fltmin2(128.0f * (j + 1), 600), 0, 0, s, clamp01(4.6875f - j));
        } else if (layout == 2) {
            tile(i, 4, xa, 583, xb, 600, 0, 71 / 128.0f, s, 88 / 128.0f);
        } else {
            tile(i, 0, xa, 0, xb, 128, 0, 0, s, 1);
            tile(i, 1, xa, 128, xb, 256, 0, 0, s, 1);
            tile(i, 2, xa, 256, xb, 333, 0, 0, s, 77 / 128.0f);
            tile(i, 4, xa, 561, xb, 600, 0, 49 / 128.0f, s, 88 / 128.0f);
        }
    }
    if (untinted) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    OGL_setstate(o_fog, 0, o_lit, o_dep);
}
