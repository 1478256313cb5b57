// The 3-D preview: its distance, the frustum and light, the aircraft drawn
// about its centre of gravity, the wireframe marks, the spins and the
// moving controls.
#include "editor.h"

#include "fabrex_records.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <GL/gl.h>
#include <cmath>

namespace fabrex {

namespace {
void widen(float lo, float hi, float x, float* zmin, float* zmax, float* xmax)
{
    *zmin = fltmin2(*zmin, lo);
    *zmax = fltmax2(*zmax, hi);
    *xmax = fltmax2(*xmax, x);
}

// A small disc in colour 13 facing the viewer, at a point of the aircraft.
void disc(float x, float y, float z, float rad)
{
    OGL_setcolor(13);
    glBegin(GL_TRIANGLE_FAN);
    glVertex3f(x, y, z);
    for (int a = 0; a <= 360; a += 30) glVertex3f(x + rad * lookup_sin[a], y + rad * lookup_cos[a], z);
    glEnd();
}

// The wireframe marks: the pilot's eye, the centre of gravity and each engine hub.
void plot_marks()
{
    const float rad = 0.01f * msc.dis_to_plane;
    glDisable(GL_CULL_FACE);
    disc(pln.peX, pln.peY, pln.peZ, rad);
    disc(0, pln.cgY, pln.cgZ, rad);
    for (int e = 0; e < intlim(pln.numen, 0, 4); ++e) disc(pln.Xarm[e], pln.Yarm[e], pln.Zarm[e], rad);
    glEnable(GL_CULL_FACE);
}
} // namespace

float find_dis_to_plane()
{
    float zmin = 0, zmax = 0, xmax = 0;
    for (int p = 0; p <= 13; ++p) {
        float zlo, zhi;
        if (p <= 3) {
            if (p >= pln.numen) continue;
            zlo = zhi = pln.Zarm[p];
        } else {
            if (pln.semilen[p] <= 0.1f) continue;
            const float zr = get_wing_Zarm(p, 0), zt = get_wing_Zarm(p, pln.semilen[p]);
            zlo = fltmin2(zr - 0.25f * pln.Croot[p], zt - 0.25f * pln.Ctip[p]);
            zhi = fltmax2(zr + 0.75f * pln.Croot[p], zt + 0.75f * pln.Ctip[p]);
            if (zlo > zhi) {
                float t = zlo;
                zlo = zhi;
                zhi = t;
            }
        }
        widen(zlo, zhi, get_wing_Xarm(p, pln.semilen[p]), &zmin, &zmax, &xmax);
    }
    widen(pln.mgearZ, pln.mgearZ, pln.mgearX, &zmin, &zmax, &xmax);
    widen(pln.ngearZ, pln.ngearZ, pln.body_r[18], &zmin, &zmax, &xmax);
    for (int s = 0; s < 11; ++s) widen(pln.body_Z[18][s][0], pln.body_Z[18][s][0], 0, &zmin, &zmax, &xmax);
    return fltmax3(xmax, fltmax2(std::fabs(zmax - pln.cgZ), std::fabs(zmin - pln.cgZ)), 1);
}

void move_controls(float t)
{
    const float f = std::sin(2 * t);
    flt.lailndef = flt.railndef = f * (f < 0 ? pln.ailn_dn : pln.ailn_up);
    flt.lhstbdef = flt.rhstbdef = f * (f < 0 ? pln.elev_dn : pln.elev_up);
    flt.ruddef = f * pln.rudd_def;
    flt.flap = (int)fltmax2(f, 0);
}

void manage_plot()
{
    const float d = msc.dis_to_plane;
    const float w = mnw.dx > 0 ? mnw.dx : 800, h = mnw.dy > 0 ? mnw.dy : 600;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-d * msc.zoom, d * msc.zoom, -d * msc.zoom * h / w, d * msc.zoom * h / w, 13 * d, 17 * d);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(msc.xos * d, msc.yos * d, -15 * d);
    const GLfloat ambient[4] = {1, 1, 1, 1}, diffuse[4] = {1, 1, 1, 1}, direction[4] = {0, 0, 1, 0};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glClear(GL_DEPTH_BUFFER_BIT);

    if (msc.movecons) move_controls(mnw.time_elapsed);
    // The editor turns the aircraft about its centre of gravity: the turns
    // come before the shift, so the aircraft is drawn level at the origin
    // and the marks go through the same transform.
    glPushMatrix();
    glRotatef(-msc.psi, 0, 1, 0);
    glRotatef(msc.the, 1, 0, 0);
    glRotatef(-msc.phi, 0, 0, 1);
    glTranslatef(0, -pln.cgY, -pln.cgZ);
    plot_plane(0, 0, 0, 0, 0, 0);
    if (mnw.draw_wire) {
        OGL_setstate(0, 0, 0, 1);
        plot_marks();
    }
    glPopMatrix();

    OGL_setstate(0, 0, 0, 0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void spin_preview(int code)
{
    msc.the = 0;
    msc.psi = 0;
    msc.phi = 90;
    const float limit = code == 420 ? 855.0f : 135.0f;
    msc.rotate_code = 0;
    long last = plat_clock_ms();
    float turned = 0;
    plat_event closing{};
    int close_asked = 0;
    while (turned < limit && !close_asked) {
        // The window keeps answering; only a close request is kept, for after the spin.
        plat_event ev;
        while (plat_poll_event(&ev))
            if (ev.kind == PLAT_DESTROYED) closing = ev, close_asked = 1;
        long now = plat_clock_ms();
        const float dt = (now - last) / 1000.0f;
        last = now;
        turned += 60 * dt;
        msc.psi = fltwrap(msc.psi - 60 * dt, 0, 360);
        msc.phi = fltwrap(msc.phi - 60 * dt, 0, 360);
        OGL_plot_background();
        manage_plot();
        OGL_sbuf();
    }
    if (close_asked) IBM_handlewin(&closing);
}

} // namespace fabrex
