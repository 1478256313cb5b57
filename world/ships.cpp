#include "ships.h"

#include "ship_decks.h"
#include "weather_field.h"
#include "records/world_state.h"
#include "records/cockpit_state.h"
#include "scene_light.h"
#include "star_and_ship_shapes.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/terrain_helpers.h"

#include <GL/gl.h>

namespace {
// Carrier outline rings.
const int CARR_HULL[] = {0, 1, 2, 3, 4, 5, 6};
const int CARR_GALLERY[] = {7, 8, 9, 10, 11};
const int CARR_DECK_EDGE[] = {12, 18, 19, 20, 13, 14, 15, 16, 22, 23, 21, 17};
// Flight-deck quads and the deck texture laid flat over them.
const int CARR_FLIGHT_DECK[4][4] = {{12, 13, 16, 17}, {13, 14, 15, 16}, {19, 20, 13, 18}, {21, 16, 22, 23}};
const float DECK_TEX_X = -35, DECK_TEX_Z = 160, DECK_TEX_DX = 71, DECK_TEX_DZ = -314;
// The island: five levels of body from point 24, the mast post between rings 44 and 48.
const int ISLAND_BASE = 24, ISLAND_TOP = 40, POST_FOOT = 44, POST_TOP = 48;
// Mast and antennas, on the island's post (x 28, z 11).
const float CARR_MAST[11][2][3] = {
    {{28, 60, 11}, {28, 51, 11}}, {{31, 55, 11}, {25, 55, 11}}, {{28, 55, 14}, {28, 55, 8}},
    {{38, 51, 11}, {18, 51, 11}}, {{36, 50, 11}, {20, 50, 11}}, {{24, 50, 11}, {28, 46, 11}},
    {{32, 50, 11}, {28, 46, 11}}, {{28, 45, 21}, {28, 45, 1}},  {{28, 44, 19}, {28, 44, 3}},
    {{28, 44, 7}, {28, 40, 11}},  {{28, 44, 15}, {28, 40, 11}},
};
const int CARR_RUNWAY_LIGHTS = 63;   // 0..62
const int AID_DATUM_FIRST = 63, AID_DATUM_LAST = 69, AID_POINT = 66;

// Frigate: deck pieces (a triangle repeats its last point), flight deck, superstructure, mast.
const int FRIG_RING[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
const int FRIG_DECK[5][4] = {{5, 6, 7, 7}, {4, 5, 7, 8}, {3, 4, 9, 9}, {1, 2, 10, 11}, {0, 1, 12, 12}};
const int FRIG_FLIGHT_DECK[4] = {2, 3, 9, 10};
const int FRIG_BLOCK[] = {13, 14, 15, 16};
const int FRIG_MAST_FIRST = 17, FRIG_MAST_LAST = 19;
const float FRIG_PAD[3] = {0, 7, 55};

// Oil rig.
const int OILR_HELIDECK[] = {0, 1, 2, 3};
const int OILR_BLOCK[] = {4, 5, 6, 7};
const int OILR_PLATFORM1[] = {8, 9, 10, 11};
const int OILR_PLATFORM2[] = {12, 13, 14, 15};
const float OILR_PAD[3] = {0, OILRIG_DECK_H, 80};
const float OILR_LEGS[3][3] = {{0, 0, 50}, {-50, 0, -50}, {50, 0, -50}};
const float OILR_TOWER[3] = {0, 55, -40};
const int LATTICE_SEGMENTS = 21;
const float LATTICE_STEP = 5;
const float LATTICE_TOP = LATTICE_SEGMENTS * LATTICE_STEP;

template <int N>
void ring_sides(float (*shape)[2][3], const int (&ring)[N], int tex)
{
    OGL_bindtex(tex);
    glBegin(GL_QUADS);
    for (int k = 0; k < N; ++k) {
        int p = ring[k], q = ring[(k + 1) % N];
        CFR_3dquad(shape[p][1], shape[p][0], shape[q][0], shape[q][1]);
    }
    glEnd();
}

// One quad of upper points.
void top_quad(float (*shape)[2][3], const int* q, int tex)
{
    OGL_bindtex(tex);
    glBegin(GL_QUADS);
    CFR_3dquad(shape[q[0]][1], shape[q[1]][1], shape[q[2]][1], shape[q[3]][1]);
    glEnd();
}

// The surfaces draw textured in the caller's fog, light and depth; lines and lights plain.
struct drawn_state {
    int fog, tex, lit, dep;
};

drawn_state begin_vessel()
{
    drawn_state s = {o_fog, o_tex, o_lit, o_dep};
    glPushAttrib(GL_CURRENT_BIT | GL_POINT_BIT);
    OGL_setstate(s.fog, 1, s.lit, s.dep);
    return s;
}

void plain(const drawn_state& s)
{
    OGL_setstate(s.fog, 0, 0, s.dep);
}

void end_vessel(const drawn_state& s)
{
    glPointSize(1);
    glPopAttrib();
    OGL_setstate(s.fog, s.tex, s.lit, s.dep);
}

void point(const float* p)
{
    glVertex3fv(p);
}

// Points every `step` degrees from `first` on a level circle.
void circle_points(const float* c, float r, int first, int step)
{
    glBegin(GL_POINTS);
    for (int a = first; a < 360; a += step) glVertex3f(c[0] + r * lookup_sin[a], c[1], c[2] + r * lookup_cos[a]);
    glEnd();
}

// Deck-edge lights of a helicopter pad and its four pulsing red corner lights.
void pad_lights(const float* c, float r_edge, float r_corner)
{
    glColor3f(1, 1, 0.8f);
    circle_points(c, r_edge, 0, 10);
    glPointSize(2);
    glColor3f(pulse(0), 0, 0);
    circle_points(c, r_corner, 45, 90);
    glPointSize(1);
}

// Corner k of a lattice's triangle of size t around (x, z).
void lattice_corner(const float* base, float t, int k, float y, float* out)
{
    static const float shape[3][2] = {{0, 6}, {-4.5f, -4.5f}, {4.5f, -4.5f}};
    out[0] = base[0] + shape[k][0] * t;
    out[1] = base[1] + y;
    out[2] = base[2] + shape[k][1] * t;
}

// The tower narrows from 3 at its foot to 0.2 at its top.
float tower_size(float y)
{
    return 3 - 2.8f * y / LATTICE_TOP;
}

// One lattice climbing around its triangle, a corner a segment.
void lattice(const float* base, int tower)
{
    float a[3], b[3];
    glBegin(GL_LINES);
    for (int h = 0; h < LATTICE_SEGMENTS; ++h) {
        float y0 = LATTICE_STEP * h, y1 = y0 + LATTICE_STEP;
        if (tower) {
            glColor3f(0.7f * ogl_brat_ter, 0.7f * ogl_brat_ter, 0.7f * ogl_brat_ter);
            lattice_corner(base, tower_size(y0), h % 3, y0, a);
            lattice_corner(base, tower_size(y1), (h + 1) % 3, y1, b);
        } else {
            // Red and white bands that fade to grey toward the water.
            float w = fltlim(1 - h / 10.0f, 0, 1);
            if (h % 2 == 0) glColor3f((1 - 0.5f * w) * ogl_brat_ter, 0.5f * w * ogl_brat_ter, 0.5f * w * ogl_brat_ter);
            else glColor3f((1 - 0.5f * w) * ogl_brat_ter, (1 - 0.5f * w) * ogl_brat_ter, (1 - 0.5f * w) * ogl_brat_ter);
            lattice_corner(base, 1, h % 3, y0, a);
            lattice_corner(base, 1, (h + 1) % 3, y1, b);
        }
        glVertex3fv(a);
        glVertex3fv(b);
    }
    glEnd();
}

void lattice_top(const float* base, float t)
{
    float c[3];
    glBegin(GL_POINTS);
    for (int k = 0; k < 3; ++k) {
        lattice_corner(base, t, k, LATTICE_TOP, c);
        glVertex3fv(c);
    }
    glEnd();
}
} // namespace

void CFR_3dquad(float* p1, float* p2, float* p3, float* p4)
{
    float a[3] = {p3[0] - p2[0], p3[1] - p2[1], p3[2] - p2[2]};
    float b[3] = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    float n[3];
    find_normal_vects(a, b, n);
    glNormal3fv(n);
    glTexCoord2f(1, 1);
    glVertex3fv(p1);
    glTexCoord2f(1, 0);
    glVertex3fv(p2);
    glTexCoord2f(0, 0);
    glVertex3fv(p3);
    glTexCoord2f(0, 1);
    glVertex3fv(p4);
}

void draw_a_carr(float xcg, float ycg, float zcg)
{
    carr_contact(xcg, ycg, zcg);
    drawn_state s = begin_vessel();
    float(*p)[2][3] = carr_pxyz;

    ring_sides(p, CARR_HULL, 58);
    ring_sides(p, CARR_GALLERY, 14);
    ring_sides(p, CARR_DECK_EDGE, 14);
    // The hull's top under the flight deck's overhang.
    OGL_bindtex(55);
    glBegin(GL_POLYGON);
    glNormal3f(0, 1, 0);
    for (int k : CARR_HULL) {
        glTexCoord2f(p[k][1][0] / 20, p[k][1][2] / 20);
        glVertex3fv(p[k][1]);
    }
    glEnd();
    for (const auto& q : CARR_FLIGHT_DECK)
        OGL_3dquad_flat(p[q[0]][1], p[q[1]][1], p[q[2]][1], p[q[3]][1], 54, DECK_TEX_X, DECK_TEX_Z, DECK_TEX_DX,
                        DECK_TEX_DZ);

    // The island: its body level by level, its top, then the mast post.
    OGL_bindtex(57);
    glBegin(GL_QUADS);
    for (int lo = ISLAND_BASE; lo < ISLAND_TOP; lo += 4)
        for (int k = 0; k < 4; ++k) {
            int hi = lo + 4, next = (k + 1) % 4;
            CFR_3dquad(p[hi + k][0], p[lo + k][0], p[lo + next][0], p[hi + next][0]);
        }
    glEnd();
    OGL_bindtex(55);
    glBegin(GL_QUADS);
    CFR_3dquad(p[ISLAND_TOP + 3][0], p[ISLAND_TOP][0], p[ISLAND_TOP + 1][0], p[ISLAND_TOP + 2][0]);
    glEnd();
    OGL_bindtex(14);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        int next = (k + 1) % 4;
        CFR_3dquad(p[POST_TOP + k][0], p[POST_FOOT + k][0], p[POST_FOOT + next][0], p[POST_TOP + next][0]);
    }
    glEnd();

    plain(s);
    glColor3f(1, 1, 1);
    glBegin(GL_LINES);
    for (const auto& m : CARR_MAST) {
        glVertex3fv(m[0]);
        glVertex3fv(m[1]);
    }
    glEnd();

    glBegin(GL_POINTS);
    if (scn.rway_lites_on) {
        OGL_setcolor(38);
        for (int k = 0; k < CARR_RUNWAY_LIGHTS; ++k) point(carr_lxyz[k]);
    }
    glEnd();
    // The landing aid: its datum lights always, and the ball the pilot sees.
    glPointSize(2);
    OGL_setcolor(47);
    glBegin(GL_POINTS);
    for (int k = AID_DATUM_FIRST; k <= AID_DATUM_LAST; ++k)
        if (k != AID_POINT) point(carr_lxyz[k]);
    glEnd();
    int ball = ball_light(atc.cardxyz);
    glPointSize(3);
    OGL_setcolor(ball_colour(ball));
    glBegin(GL_POINTS);
    point(carr_lxyz[ball]);
    glEnd();
    end_vessel(s);
}

void draw_a_frig(float xcg, float ycg, float zcg)
{
    frig_contact(xcg, ycg, zcg);
    drawn_state s = begin_vessel();
    float(*p)[2][3] = frig_pxyz;

    OGL_bindtex(14);
    glBegin(GL_QUADS);
    for (const auto& q : FRIG_DECK) CFR_3dquad(p[q[0]][1], p[q[1]][1], p[q[2]][1], p[q[3]][1]);
    glEnd();
    top_quad(p, FRIG_FLIGHT_DECK, 56);
    ring_sides(p, FRIG_RING, 58);
    ring_sides(p, FRIG_BLOCK, 57);
    top_quad(p, FRIG_BLOCK, 55);

    plain(s);
    glColor3f(1, 1, 1);
    glBegin(GL_LINES);
    for (int k = FRIG_MAST_FIRST; k <= FRIG_MAST_LAST; ++k) {
        glVertex3fv(p[k][0]);
        glVertex3fv(p[k][1]);
    }
    glEnd();
    if (scn.rway_lites_on) pad_lights(FRIG_PAD, 13, 17);
    end_vessel(s);
}

void draw_a_oilr(float xcg, float ycg, float zcg)
{
    oilr_contact(xcg, ycg, zcg);
    drawn_state s = begin_vessel();
    float(*p)[2][3] = oilr_pxyz;

    top_quad(p, OILR_HELIDECK, 56);
    top_quad(p, OILR_PLATFORM1, 48);
    top_quad(p, OILR_PLATFORM2, 48);
    top_quad(p, OILR_BLOCK, 14);
    ring_sides(p, OILR_BLOCK, 14);
    ring_sides(p, OILR_HELIDECK, 55);
    ring_sides(p, OILR_PLATFORM1, 55);
    ring_sides(p, OILR_PLATFORM2, 55);

    plain(s);
    for (const auto& leg : OILR_LEGS) lattice(leg, 0);
    lattice(OILR_TOWER, 1);
    if (scn.rway_lites_on) {
        pad_lights(OILR_PAD, 17, 23);
        glPointSize(2);
        glColor3f(1, 1, 1);
        for (const auto& leg : OILR_LEGS) lattice_top(leg, 1);
        glColor3f(pulse(0), 0, 0);
        lattice_top(OILR_TOWER, tower_size(LATTICE_TOP));
    }
    end_vessel(s);
}
