// The scene's drawers in the simulator's window under Xvfb over the bundled
// world: what lies under the aircraft comes from the drawing, every terrain
// and wall texture is bound once per frame, and screenshots of the real
// scene frame (KSBD, KSFO, PHNL and the fixture airport ZLIT at night) are
// checked by pixel rules and kept beside the test.
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "world/runways.h"
#include "world/scene_drawing_rules.h"
#include "shell/scene_frame.h"
#include "world/scene_drawing.h"
#include "world/scene_light.h"
#include "world/scene_range.h"
#include "world/terrain_grid.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include "tests/support/ksbd_world.h"
#include "tests/support/screenshot.h"
#include "world/weather_field.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {
int binds[2000];
}

extern "C" void __real__Z11OGL_bindtexi(int index);
extern "C" void __wrap__Z11OGL_bindtexi(int index)
{
    if (index >= 0 && index < 2000) ++binds[index];
    __real__Z11OGL_bindtexi(index);
}

namespace {
int ksbd = -1, ksbd_reg = -1;

// Loads the bundled world's window round airport id as the start placement
// does; gives its database index and its slot among the listed airports.
void load_window_round(const char* id, int* w, int* a)
{
    *w = *a = -1;
    for (int k = 0; k <= env.aptmax; ++k)
        if (strncmp(apt_id[k], id, 4) == 0) *w = k;
    ASSERT_GE(*w, 0) << id;
    msc.loc_apt_wrl = *w;
    env.lat_sou = round(apt_lat[*w][0] - 1);
    env.lon_wes = round(apt_lon[*w][0] - 1.5f);
    load_region();
    for (int n = 0; n < apt_listed; ++n)
        if (apt_to_index[n] == *w) *a = n;
    ASSERT_GE(*a, 0) << id;
}

class SceneDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        start_at_ksbd();
        load_window_round("KSBD", &ksbd, &ksbd_reg);
    }

    void SetUp() override
    {
        ASSERT_GE(ksbd_reg, 0);
        env.over_obs = env.over_carr = env.over_frig = 0;
        env.surf_type = 32;
        env.obj_height = -1;
        memset(binds, 0, sizeof binds);
        memset(obj_inrange, 0, sizeof obj_inrange);
        memset(apt_inrange, 0, sizeof apt_inrange);
        OGL_setstate(1, 1, 1, 1);
    }

    static float ar(int r) { return (float)(apt_len[ksbd][r] / apt_width[ksbd][r]); }

    // The middle of pavement quad m of runway r.
    static void middle(int r, int m, double* x, double* z)
    {
        *x = *z = 0;
        for (int c = 0; c < 4; ++c) {
            *x += scn.markxyz[ksbd_reg][r][m][c][0] / 4;
            *z += scn.markxyz[ksbd_reg][r][m][c][2] / 4;
        }
    }

    // The frame's airport pass for the listed runways only.
    static void draw_runways(const std::vector<int>& rways)
    {
        for (int r : rways) {
            if (env.tway[ksbd_reg][r]) {
                plot_pavement(ksbd_reg, r, 1, ar(r), 48);
                plot_pavement(ksbd_reg, r, 5, 3.0f, 48);
                for (int m = 2; m <= 4; ++m) plot_pavement(ksbd_reg, r, m, 1.0f, 47);
            }
        }
        for (int r : rways) plot_runway(ksbd_reg, ksbd, r, ar(r));
    }
};
} // namespace

TEST_F(SceneDrawing, ContactComesFromTheDrawing)
{
    int r0 = first_rway(ksbd);
    ASSERT_GE(r0, 0);
    int twy = -1;
    for (int r = 0; r <= env.rwaymax[ksbd_reg]; ++r) {
        if (!rway_counts(ksbd, r)) continue;
        if (env.tway[ksbd_reg][r] && twy < 0) twy = r;
    }
    int hangar = 5 * ksbd_reg;
    ASSERT_EQ(obj_type[hangar], 97);

    ASSERT_GE(twy, 0);

    struct Case {
        const char* what;
        double x, z;
        int drawn;   // the airport passed the range test
        int surf, over;
        float height;
    } cases[5];
    double x, z;
    middle(r0, 0, &x, &z);
    cases[0] = {"on the runway", x, z, 1, env.rwy_typ[ksbd_reg][r0], 1, apt_h[ksbd]};
    cases[1] = {"on a culled runway", x, z, 0, 32, 0, -1};
    cases[2] = {"off the airport", x + 20000, z + 20000, 1, 32, 0, -1};
    const float (*roof)[3] = obj_xyz[hangar][3];
    cases[3] = {"on a hangar roof", 0.5 * (roof[1][0] + roof[3][0]), 0.5 * (roof[1][2] + roof[3][2]), 1, 27, 1,
                roof[0][1]};
    middle(twy, 1, &x, &z);
    cases[4] = {"on a taxiway", x, z, 1, env.rwy_typ[ksbd_reg][twy], 1, scn.markxyz[ksbd_reg][twy][1][0][1]};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        flt.X = c.x;
        flt.Z = c.z;
        if (c.drawn) {
            std::vector<int> all;
            for (int r = env.rwaymax[ksbd_reg]; r >= 0; --r) all.push_back(r);
            draw_runways(all);
            for (int o = 5 * ksbd_reg; o < 5 * ksbd_reg + 5; ++o) obj_inrange[o] = 1;
        }
        plot_obstacles();
        EXPECT_EQ(env.surf_type, c.surf);
        EXPECT_EQ(env.over_obs, c.over);
        if (c.over) {
            EXPECT_FLOAT_EQ(env.obj_height, c.height);
        }
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(SceneDrawing, TerrainAndWallTexturesBoundOncePerFrame)
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) ter_inrange[i][j] = 1;
    scn.i1_plot_bound_ter = scn.j1_plot_bound_ter = 0;
    scn.i2_plot_bound_ter = GRID_I - 2;
    scn.j2_plot_bound_ter = GRID_J - 2;
    OGL_bindtex(0);
    memset(binds, 0, sizeof binds);
    plot_terrain();
    for (int t = 15; t <= 26; ++t) EXPECT_EQ(binds[t], 1) << t;

    // Every airport's hangars in range: their wall texture once, their roofs once.
    memset(binds, 0, sizeof binds);
    int hangars = 0;
    for (int o = 0; o < 450; ++o)
        if (obj_type[o] == 97) obj_inrange[o] = 1, ++hangars;
    ASSERT_GT(hangars, 8);
    plot_obstacles();
    EXPECT_EQ(binds[14], 1);
    EXPECT_EQ(binds[48], 1);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// ---------------------------------------------------------------------------
// The real scene frame: scn2 in the full-screen view without a HUD, the eye
// where a test puts it, under a clear sky at the hour it asks for.
namespace {
// The eye `back` metres before an end of runway r of listed airport a (the
// start end, or the far end with far set) at height h, and the heading along
// the runway from there.
void behind_runway_end(int a, int r, int far, float back, float h, float eye[3], float* psi)
{
    const float (*q)[3] = scn.markxyz[a][r][0];
    float start[3], far_end[3];
    for (int k = 0; k < 3; ++k) {
        start[k] = 0.5f * (q[3][k] + q[2][k]);
        far_end[k] = 0.5f * (q[0][k] + q[1][k]);
    }
    if (far)
        for (int k = 0; k < 3; ++k) std::swap(start[k], far_end[k]);
    float len = std::hypot(far_end[0] - start[0], far_end[2] - start[2]);
    float fx = (far_end[0] - start[0]) / len, fz = (far_end[2] - start[2]) / len;
    eye[0] = start[0] - back * fx;
    eye[1] = h;
    eye[2] = start[2] - back * fz;
    *psi = std::atan2(fx, -fz) * 57.29578f;
}

struct rgb {
    int r, g, b;
};
rgb at(const std::vector<unsigned char>& shot, int x, int y)
{
    const unsigned char* p = &shot[(y * 800 + x) * 3];
    return {p[0], p[1], p[2]};
}

bool greyish(rgb p)
{
    return std::abs(p.r - p.g) < 25 && std::abs(p.g - p.b) < 25 && std::abs(p.r - p.b) < 25;
}

struct camera {
    float eye[3];
    float psi, the, zoom;
    float m[16];   // the frame's model-view transform, filled by scene_frame
};

// One frame of scn2 with the eye of camera c at the hour, read back as name.
void scene_frame(camera& c, float hours, const char* name, std::vector<unsigned char>& shot)
{
    set.view_type = 521;
    set.view_is_fullscreen = 1;
    set.replay_mode = 0;
    pln.peX = pln.peY = pln.peZ = 0;   // the eye at the aircraft's point
    flt.X = c.eye[0];
    flt.Y = c.eye[1];
    flt.Z = c.eye[2];
    // The frame finds the ground under last frame's eye: that is this one.
    for (int k = 0; k < 3; ++k) con.VIEW_xyz[k] = c.eye[k];
    flt.psi = fltwrap(c.psi, 0, 360);   // the range box is cut behind the heading
    scn.psi = c.psi;
    scn.the = c.the;
    scn.phi = 0;
    scn.zoom = c.zoom;
    msc.locl_time = hours * 3600;
    atm.cld_type = 0;
    atm.vis_rep = 37040;
    atm.vis_mult = 1;
    atm.level = 0;
    atm.strike_stop_time = 0;
    OGL_plot_background();
    scn2(1);   // a non-zero slide rebuilds the range box round the new eye
    take_screenshot(SHOT_DIR, name, shot);
    scn.zoom = 1;

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRotatef(c.the, -1, 0, 0);
    glRotatef(c.psi, 0, 1, 0);
    glTranslatef(-c.eye[0], -c.eye[1], -c.eye[2]);
    glGetFloatv(GL_MODELVIEW_MATRIX, c.m);
    glPopMatrix();
}

// Where world point p falls in the last frame of camera c (pixels from the
// bottom left of the 800 x 583 view); false behind the eye.
bool to_screen(const camera& c, const float p[3], float* sx, float* sy)
{
    const float* m = c.m;
    float xe = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
    float ye = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
    float ze = m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14];
    if (ze > -1) return false;
    *sx = 400 + 400 * (xe / -ze) * c.zoom / 0.75f;
    *sy = 291.5f + 291.5f * (ye / -ze) * c.zoom / (0.75f * 583 / 800);
    return true;
}

bool same_colour(rgb p, rgb c, int tol)
{
    return std::abs(p.r - c.r) <= tol && std::abs(p.g - c.g) <= tol && std::abs(p.b - c.b) <= tol;
}

// Colour c in the 3 x 3 pixels round (sx, sy).
bool shows(const std::vector<unsigned char>& shot, float sx, float sy, rgb c)
{
    int x0 = (int)std::floor(sx), y0 = (int)std::floor(sy);
    for (int y = y0 - 1; y <= y0 + 1; ++y)
        for (int x = x0 - 1; x <= x0 + 1; ++x)
            if (x >= 0 && x < 800 && y >= 0 && y < 583 && same_colour(at(shot, x, y), c, 14)) return true;
    return false;
}

// The runway lights' colours as the drawing gives them (8 bits a channel).
const rgb BLUE = {51, 51, 153}, EDGE = {153, 153, 102}, AMBER = {153, 102, 0}, GREEN = {51, 153, 51},
          RED = {204, 0, 0}, PALE = {153, 153, 77}, WHITE = {255, 255, 255}, GS_RED = {255, 51, 51};

// One light of a runway as a frame shows it. Groups: x taxiway, e edge,
// t threshold, b threshold bar, c centre line, z touchdown zone, a approach,
// f far approach, r red approach rows, s strobe, g glide slope; the five
// groups of each end (z a f r s g) are the lit end's unless other is set.
struct lamp {
    float sx, sy;
    rgb c;
    int rway, index;
    char group;
    int other;   // the unlit end's
    int drawn;
};

// The light groups a runway end draws this frame, by its codes.
std::string groups_drawn(int a, int r, int end, int lites_on)
{
    rway_light_plan p = plan_rway_lights(lites_on, env.tway[a][r], env.lgt_rwy[a][r][end], env.lgt_app[a][r][end],
                                         env.lgt_gls[a][r][end]);
    std::string g;
    const std::pair<int, char> by[] = {{p.taxiway, 'x'},    {p.edge, 'e'},         {p.threshold, 't'},
                                       {p.threshold_bars, 'b'}, {p.centreline, 'c'}, {p.touchdown, 'z'},
                                       {p.approach, 'a'},   {p.approach_far, 'f'}, {p.approach_red, 'r'},
                                       {p.strobe, 's'},     {p.glide_slope, 'g'}};
    for (const auto& b : by)
        if (b.first) g += b.second;
    return g;
}

// Every light of listed airport a (world index w) seen by camera c: where
// it falls, its colour, whether the frame draws it. Cleared lights and the
// glide-slope points of an end without an indicator are left out.
std::vector<lamp> airport_lamps(int a, int w, const camera& c)
{
    std::vector<lamp> out;
    for (int r = 0; r <= env.rwaymax[a]; ++r) {
        if (!rway_counts(w, r)) continue;
        const float (*p)[3] = scn.rwayxyz[a][r];
        int straightin = straight_in(c.psi, apt_hdng[w][r]);
        int end = !straightin;
        std::string drawn = groups_drawn(a, r, end, scn.rway_lites_on);
        auto add = [&](int i, char g, rgb col, int other) {
            if (p[i][0] == 0 && p[i][2] == 0) return;
            lamp l;
            if (!to_screen(c, p[i], &l.sx, &l.sy)) return;
            l.c = col;
            l.rway = r;
            l.index = i;
            l.group = g;
            l.other = other;
            l.drawn = !other && drawn.find(g) != std::string::npos;
            out.push_back(l);
        };
        for (int i = 150; i <= env.twaymax1[a][r]; ++i) add(i, 'x', BLUE, 0);
        for (int i = 200; i <= env.twaymax2[a][r]; ++i) add(i, 'x', BLUE, 0);
        for (int i = 527; i <= 560; ++i) add(i, 'x', BLUE, 0);
        int am[4] = {env.amber1[a][r], env.amber2[a][r], env.amber3[a][r], env.amber4[a][r]};
        for (int i = 0; i <= env.rwaymax2[a][r]; ++i)
            if (i <= env.rwaymax1[a][r] || i >= 50)
                add(i, 'e', edge_amber(i, straightin, am[0], am[1], am[2], am[3]) ? AMBER : EDGE, 0);
        for (int i = 501; i <= 526; ++i) {
            int bar = (i >= 504 && i <= 510) || (i >= 517 && i <= 523);
            add(i, bar ? 'b' : 't', threshold_green(i, straightin) ? GREEN : RED, 0);
        }
        for (int i = 100; i <= env.RCLSmax[a][r]; ++i)
            add(i, 'c',
                centreline_red(i, straightin, env.altred1[a][r], env.red1[a][r], env.altred2[a][r], env.red2[a][r])
                    ? RED
                    : PALE,
                0);
        for (int e = 0; e < 2; ++e) {
            int os = 311 * e, other = e != end;
            for (int i = os + 361; i <= os + 480; ++i) add(i, 'z', PALE, other);
            for (int i = os + 250; i <= os + 275; ++i) add(i, 'a', PALE, other);
            for (int i = os + 481; i <= os + 500; ++i) add(i, 'f', PALE, other);
            for (int i = os + 281; i <= os + 360; ++i) add(i, 'r', RED, other);
            add(os + 280, 's', WHITE, other);
            int gls = env.lgt_gls[a][r][e];
            if (gls == 2 || gls == 3) {
                const float* g = p[os + 276];
                float gs = glide_path_angle(c.eye[1] - apt_h[w], std::hypot(c.eye[0] - g[0], c.eye[2] - g[2]));
                int red[4];
                glide_slope_reds(gls, gs, red);
                for (int k = 0; k < 4; ++k) add(os + 276 + k, 'g', red[k] ? GS_RED : WHITE, other);
            }
        }
    }
    return out;
}

bool on_view(const lamp& l)
{
    return l.sx >= 2 && l.sx <= 797 && l.sy >= 2 && l.sy <= 580;
}

// Light l stands clear of every other drawn light that could lend it its
// colour (one of a like colour nearby) or hide it (one on its own pixel).
bool isolated(const std::vector<lamp>& all, const lamp& l)
{
    for (const lamp& o : all) {
        if (&o == &l || !o.drawn) continue;
        float d = std::hypot(o.sx - l.sx, o.sy - l.sy);
        bool like = same_colour(o.c, l.c, 30);
        bool same_group = o.group == l.group && o.other == l.other && o.rway == l.rway;
        if (like ? !same_group && d < 3.5f : d < 1.5f) return false;
    }
    return true;
}

struct tally {
    rgb c;
    int seen, lit;
};

// Of runway r's lights of group g (the unlit end's with other set), those in
// view and clear of other lights, and how many of them show their colour;
// one tally for each colour the group shows.
std::vector<tally> count_group(const std::vector<unsigned char>& shot, const std::vector<lamp>& all, int r, char g,
                               int other)
{
    std::vector<tally> out;
    for (const lamp& l : all) {
        if (l.rway != r || l.group != g || l.other != other || !on_view(l) || !isolated(all, l)) continue;
        tally* t = nullptr;
        for (tally& k : out)
            if (same_colour(k.c, l.c, 0)) t = &k;
        if (!t) {
            out.push_back({l.c, 0, 0});
            t = &out.back();
        }
        ++t->seen;
        t->lit += shows(shot, l.sx, l.sy, l.c);
    }
    return out;
}

int seen(const std::vector<tally>& ts)
{
    int n = 0;
    for (const tally& t : ts) n += t.seen;
    return n;
}

// Every colour of the group shows at nine in ten of its lights, or (lit 0)
// at no more than one in ten.
void expect_lit(const std::vector<tally>& ts, int lit)
{
    for (const tally& t : ts) {
        SCOPED_TRACE(std::to_string(t.lit) + " of " + std::to_string(t.seen) + " show (" + std::to_string(t.c.r) +
                     ", " + std::to_string(t.c.g) + ", " + std::to_string(t.c.b) + ")");
        if (lit) {
            EXPECT_GE(t.lit * 10, t.seen * 9);
        } else {
            EXPECT_LE(t.lit * 10, t.seen);
        }
    }
}
} // namespace

// Down KSBD's first runway at sunset under a clear sky from 100 m before its
// start, 5 m up: the grey band up the middle, its white markings near, two
// rows of edge lights, the ground beside it and the red sky above. (The
// sunset tint is strongest at 18:00 and gone by 18:30.)
TEST_F(SceneDrawing, RunwayAtDuskScreenshot)
{
    int r0 = first_rway(ksbd);
    camera c;
    behind_runway_end(ksbd_reg, r0, 0, 100, apt_h[ksbd] + 5, c.eye, &c.psi);
    c.the = -2;
    c.zoom = 1;
    std::vector<unsigned char> shot;
    scene_frame(c, 18, "ksbd_runway_dusk", shot);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
    // The sunset sky at the top: red.
    rgb top = at(shot, 400, 570);
    EXPECT_GT(top.r, top.g + 40);
    EXPECT_GT(top.r, top.b + 40);
    // The sunset light tints red and green and blue alike, so grey paint
    // keeps green and blue equal while the ground beside keeps more green.
    auto grey_paint = [](rgb p) { return std::abs(p.g - p.b) <= 6; };
    // The runway up the middle from the bottom, with white markings near.
    int grey = 0, white = 0;
    for (int y = 0; y < 250; y += 10)
        for (int x = 300; x < 500; x += 10) {
            rgb p = at(shot, x, y);
            grey += grey_paint(p);
            white += grey_paint(p) && p.r > 120;
        }
    EXPECT_GT(grey, 400);
    EXPECT_GT(white, 20);
    // and up to the horizon, but where a light of the runway stands on the
    // centre line (the threshold bar of its instrument approach).
    std::vector<lamp> all = airport_lamps(ksbd_reg, ksbd, c);
    auto light_on = [&](int x, int y) {
        for (const lamp& l : all)
            if (l.drawn && std::fabs(l.sx - x) < 1.5f && std::fabs(l.sy - y) < 1.5f) return true;
        return false;
    };
    for (int y = 250; y < 290; y += 5) EXPECT_TRUE(grey_paint(at(shot, 400, y)) || light_on(400, y)) << y;
    // Ground beside it at the sides.
    for (int x : {10, 790}) {
        rgb side = at(shot, x, 250);
        EXPECT_GT(side.g, side.b + 8) << x;
    }
    // Two rows of edge lights, each light showing its colour where it stands.
    int rows[2] = {0, 0};
    for (const lamp& l : all)
        if (l.rway == r0 && l.group == 'e' && on_view(l) && isolated(all, l) && shows(shot, l.sx, l.sy, l.c))
            ++rows[l.index >= 50];
    EXPECT_GT(rows[0], 5);
    EXPECT_GT(rows[1], 5);
}

// Straight down from 3000 m over the runway's middle at noon: the grey
// band's axis lies along the runway's true heading, and the frame binds each
// terrain texture once.
TEST_F(SceneDrawing, RunwayFromAboveScreenshot)
{
    int r0 = first_rway(ksbd);
    const float (*q)[3] = scn.markxyz[ksbd_reg][r0][0];
    camera c = {{0, 0, 0}, 0, -90, 1, {}};
    for (int k = 0; k < 4; ++k) {
        c.eye[0] += q[k][0] / 4;
        c.eye[2] += q[k][2] / 4;
    }
    c.eye[1] = apt_h[ksbd] + 3000;
    std::vector<unsigned char> shot;
    memset(binds, 0, sizeof binds);
    scene_frame(c, 12, "ksbd_from_above", shot);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
    for (int t = 15; t <= 26; ++t) EXPECT_EQ(binds[t], 1) << t;
    // Principal axis of the runway's white markings (the apron beside it is plain).
    double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int y = 100; y < 500; ++y)
        for (int x = 200; x < 600; ++x) {
            rgb p = at(shot, x, y);
            if (!greyish(p) || p.r < 140) continue;
            n += 1, sx += x, sy += y, sxx += x * x, syy += y * y, sxy += x * y;
        }
    ASSERT_GT(n, 50);
    double mx = sx / n, my = sy / n;
    double cxx = sxx / n - mx * mx, cyy = syy / n - my * my, cxy = sxy / n - mx * my;
    double axis = 0.5 * std::atan2(2 * cxy, cxx - cyy) * 57.29578;   // from screen x, counter-clockwise
    double heading = 90 - axis;                                        // screen up is north
    double diff = std::fmod(std::fabs(heading - apt_hdng[ksbd][r0]) + 360, 180);
    EXPECT_LT(std::min(diff, 180 - diff), 3) << "band " << heading << ", runway " << apt_hdng[ksbd][r0];
}

// From 150 m up behind each end at noon, looking down the runway: each end
// shows its own number the right way up (06 and 24 at KSBD), so the two
// differ.
TEST_F(SceneDrawing, NumbersAtBothEndsScreenshot)
{
    std::vector<unsigned char> shots[2];
    for (int end = 0; end < 2; ++end) {
        camera c;
        behind_runway_end(ksbd_reg, first_rway(ksbd), end, 100, apt_h[ksbd] + 150, c.eye, &c.psi);
        c.the = -45;
        c.zoom = 1;
        scene_frame(c, 12, end ? "ksbd_far_end_number" : "ksbd_start_number", shots[end]);
        ASSERT_EQ(shots[end].size(), 800u * 600 * 3);
    }
    // The numbers' box: light paint in both, not in the same places.
    int white[2] = {0, 0}, differ = 0;
    for (int y = 330; y < 400; ++y)   // rows from the bottom
        for (int x = 340; x < 460; ++x) {
            bool w[2];
            for (int e = 0; e < 2; ++e) {
                rgb p = at(shots[e], x, y);
                w[e] = p.r > 150 && p.g > 130 && p.b > 110;
                white[e] += w[e];
            }
            differ += w[0] != w[1];
        }
    EXPECT_GT(white[0], 300);
    EXPECT_GT(white[1], 300);
    EXPECT_GT(differ, 300);
}

// Other windows of the bundled world, each loaded by its test.
class OtherWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_at_ksbd();
        memset(obj_inrange, 0, sizeof obj_inrange);
    }
};

// PHNL at noon from 1500 m, looking down to the south-east over the field:
// sea and land.
TEST_F(OtherWindows, PhnlAtNoonScreenshot)
{
    int w, a;
    load_window_round("PHNL", &w, &a);
    if (HasFatalFailure()) return;
    int r0 = first_rway(w);
    const float (*q)[3] = scn.markxyz[a][r0][0];
    camera c = {{q[0][0] - 2000, apt_h[w] + 1500, q[0][2] - 2000}, 135, -35, 1, {}};
    std::vector<unsigned char> shot;
    scene_frame(c, 12, "phnl_noon", shot);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
    int water = 0, land = 0;
    for (int y = 0; y < 583; y += 2)
        for (int x = 0; x < 800; x += 2) {
            rgb p = at(shot, x, y);
            water += p.b > p.r + 10 && p.b > p.g;
            land += p.g > p.b && p.g >= p.r;
        }
    EXPECT_GT(water, 2000);
    EXPECT_GT(land, 2000);
}

// KSFO at dusk from 1500 m up behind its first runway, looking along it
// through the real frame: water in the bay, the runways' pavement, their
// edge lights, and none of them where a runway crosses another's pavement.
TEST_F(OtherWindows, KsfoAtDuskScreenshot)
{
    int w, a;
    load_window_round("KSFO", &w, &a);
    if (HasFatalFailure()) return;
    camera c;
    behind_runway_end(a, first_rway(w), 0, 1000, apt_h[w] + 1000, c.eye, &c.psi);
    c.the = -35;
    c.zoom = 1;
    std::vector<unsigned char> shot;
    scene_frame(c, 18.5f, "ksfo_dusk", shot);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
    ASSERT_EQ(scn.rway_lites_on, 1);
    int water = 0, pavement = 0;
    for (int y = 0; y < 583; y += 2)
        for (int x = 0; x < 800; x += 2) {
            rgb p = at(shot, x, y);
            water += p.b > p.g + 10 && p.b > p.r;
            pavement += greyish(p) && p.r > 40;
        }
    EXPECT_GT(water, 2000);
    EXPECT_GT(pavement, 300);

    // Two runways cross here.
    int crossings = 0;
    for (int r = 0; r <= env.rwaymax[a]; ++r)
        for (int s = 0; s <= env.rwaymax[a]; ++s)
            if (r != s && std::abs(fltwrap((float)(apt_hdng[w][r] - apt_hdng[w][s]), -90, 90)) > 30) ++crossings;
    EXPECT_GT(crossings, 0);

    std::vector<lamp> all = airport_lamps(a, w, c);
    for (int r = 0; r <= env.rwaymax[a]; ++r) {
        SCOPED_TRACE(r);
        expect_lit(count_group(shot, all, r, 'e', 0), 1);
    }
    // Where each edge light stood before the build took those on other
    // pavement away: evenly along its row between the row's two ends.
    std::vector<lamp> gone;
    for (int r = 0; r <= env.rwaymax[a]; ++r) {
        const float (*p)[3] = scn.rwayxyz[a][r];
        for (int row = 0; row < 2; ++row) {
            int first = 50 * row, last = row ? env.rwaymax2[a][r] : env.rwaymax1[a][r];
            for (int i = first + 1; i < last; ++i) {
                float f = (float)(i - first) / (last - first), q[3];
                for (int k = 0; k < 3; ++k) q[k] = p[first][k] + f * (p[last][k] - p[first][k]);
                bool on_other = false;
                for (int s = 0; s <= env.rwaymax[a]; ++s)
                    if (s != r)
                        for (int m = 0; m < 2; ++m) on_other = on_other || in_quad_xz(scn.markxyz[a][s][m], q[0], q[2]);
                lamp l;
                l.rway = r;
                l.index = i;
                if (on_other && to_screen(c, q, &l.sx, &l.sy) && on_view(l)) gone.push_back(l);
            }
        }
    }
    int hidden = 0;
    for (const lamp& l : gone) {
        bool clear = true;
        for (const lamp& o : all) {
            bool also_gone = false;
            for (const lamp& g : gone) also_gone = also_gone || (g.rway == o.rway && g.index == o.index);
            if (o.drawn && !also_gone && std::hypot(o.sx - l.sx, o.sy - l.sy) < 3.5f) clear = false;
        }
        if (!clear) continue;
        ++hidden;
        EXPECT_FALSE(shows(shot, l.sx, l.sy, EDGE) || shows(shot, l.sx, l.sy, AMBER))
            << "runway " << l.rway << " edge light " << l.index << " drawn on another runway";
    }
    EXPECT_GE(hidden, 3);
}


// ---------------------------------------------------------------------------
// ZLIT: a fixture airport of three parallel runways 4 km apart (the first
// in the middle, so that the airport is in range from every end), 3000 m by
// 100 m, whose six ends between them carry every light code: glide slope
// none, two-bar and four-light; runway lights none, edge, threshold, centre
// line and touchdown zone; approach lights none and each of the five kinds.
namespace {
struct zlit_rway {
    float east_km;
    int lite;                 // surface, first end, second end
    const char* groups[2];    // drawn at night from behind each end
};
const zlit_rway zlit_rways[3] = {
    {0, 1355246, {"xetbczafrsg", "xetcsg"}},
    {-4, 1334223, {"xetbafsg", "xetbasg"}},
    {4, 2152311, {"xetbcza", "g"}},
};
int zlit_w = -1, zlit_a = -1;

class Zlit : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        start_at_ksbd();
        load_window_round("KSBD", &ksbd, &ksbd_reg);
        // On the high desert north of KSBD, beyond the database's airports.
        const float lat = 34.62f, lon = -117.45f;
        zlit_w = env.aptmax + 1;
        ASSERT_LT(zlit_w, APT_CAP);
        int i = 0, j = 0;
        float h = find_local_h(X_with_latlon(lat, lon), Z_with_lat(lat), &i, &j, 0);
        copy_bounded(apt_id[zlit_w], "ZLIT", 5);
        copy_bounded(apt_name[zlit_w], "Light Codes Field", 40);
        apt_h[zlit_w] = h;
        apt_twr[zlit_w] = 0;
        for (int r = 0; r < 3; ++r) {
            apt_lat[zlit_w][r] = lat;
            apt_lon[zlit_w][r] = lon + zlit_rways[r].east_km * 1000 / (111120 * std::cos(lat * 3.14159265f / 180));
            apt_num[zlit_w][r] = 36;
            apt_lr[zlit_w][r] = "LCR"[r];
            apt_hdng[zlit_w][r] = 0;
            apt_len[zlit_w][r] = 3000;
            apt_width[zlit_w][r] = 100;
            apt_lite[zlit_w][r] = zlit_rways[r].lite;
        }
        // Listed as the menu rebuild lists an airport of the window.
        zlit_a = ++env.apt_list_max;
        apt_to_index[zlit_a] = zlit_w;
        apt_listed = zlit_a + 1;
        build_apt(zlit_a, zlit_w);
    }

    static void TearDownTestSuite()
    {
        if (zlit_a < 0) return;
        for (int k = 0; k < 5; ++k) obj_type[5 * zlit_a + k] = 0;
        env.apt_list_max = zlit_a - 1;
        apt_listed = zlit_a;
        zlit_a = -1;
    }

    void SetUp() override { ASSERT_GE(zlit_a, 0); }

    // The eye back metres behind end e of runway r, up metres over the
    // field, looking down the runway at pitch the.
    static camera behind(int r, int e, float back, float up, float the, float zoom)
    {
        camera c;
        behind_runway_end(zlit_a, r, e, back, apt_h[zlit_w] + up, c.eye, &c.psi);
        c.the = the;
        c.zoom = zoom;
        return c;
    }
};
} // namespace

// At night from behind each end of each runway: every group of lights the
// end's codes call for shows its colour where its lights stand, and no
// other group, nor the far end's lights, shows anywhere.
TEST_F(Zlit, EveryLightCodeAtNight)
{
    scn.rb_cycle = 0;
    for (int r = 0; r < 3; ++r)
        for (int e = 0; e < 2; ++e) {
            std::string name = "zlit_night_" + std::to_string(r) + (e ? "_far" : "_near");
            SCOPED_TRACE(name);
            EXPECT_EQ(groups_drawn(zlit_a, r, e, 1), zlit_rways[r].groups[e]);
            camera c = behind(r, e, 1300, 200, -11, 1);
            std::vector<unsigned char> shot;
            scene_frame(c, 22, name.c_str(), shot);
            ASSERT_EQ(shot.size(), 800u * 600 * 3);
            ASSERT_EQ(scn.rway_lites_on, 1);
            std::vector<lamp> all = airport_lamps(zlit_a, zlit_w, c);
            for (char g : std::string("xetbczafrsg")) {
                SCOPED_TRACE(std::string("group ") + g);
                bool want = std::string(zlit_rways[r].groups[e]).find(g) != std::string::npos;
                std::vector<tally> t = count_group(shot, all, r, g, 0);
                if (want) {
                    EXPECT_GE(seen(t), (g == 's' || g == 'g') ? 1 : 3) << "too few lights in view to judge";
                }
                expect_lit(t, want);
                SCOPED_TRACE("the far end's");
                expect_lit(count_group(shot, all, r, g, 1), 0);
            }
        }
}

// On the approach to an end, 1500 m from its indicator at a glide-path
// angle, zoomed in on it: each light red or white as its kind and the angle
// ask. The two-bar's red bar is the one further down the runway.
TEST_F(Zlit, GlideSlopeIndicatorsByAngle)
{
    struct Case {
        int r, e;
        float deg;
        int red[4];   // 276..279
    } cases[] = {
        {0, 0, 3.0f, {0, 0, 1, 1}},   // four lights
        {0, 0, 2.7f, {0, 1, 1, 1}},
        {1, 0, 3.2f, {0, 0, 0, 1}},
        {2, 1, 2.0f, {1, 1, 1, 1}},
        {0, 1, 3.0f, {1, 1, 0, 0}},   // two bars
        {1, 1, 2.0f, {1, 1, 1, 1}},
        {1, 1, 4.0f, {0, 0, 0, 0}},
    };
    for (const Case& k : cases) {
        std::string name = "zlit_glide_slope_" + std::to_string(k.r) + "_" + std::to_string(k.e) + "_" +
                           std::to_string((int)std::lround(k.deg * 10));
        SCOPED_TRACE(name);
        camera c = behind(k.r, k.e, 0, 0, 0, 10);
        const float D = 1500;
        const float* g = scn.rwayxyz[zlit_a][k.r][311 * k.e + 276];
        float rad = c.psi * 3.14159265f / 180;
        c.eye[0] = g[0] - D * std::sin(rad);
        c.eye[2] = g[2] + D * std::cos(rad);
        c.eye[1] = apt_h[zlit_w] + D * std::tan(k.deg * 3.14159265f / 180);
        c.the = -std::atan((c.eye[1] - g[1]) / D) * 57.29578f;
        std::vector<unsigned char> shot;
        scene_frame(c, 22, name.c_str(), shot);
        ASSERT_EQ(shot.size(), 800u * 600 * 3);
        for (int l = 0; l < 4; ++l) {
            float sx, sy;
            ASSERT_TRUE(to_screen(c, scn.rwayxyz[zlit_a][k.r][311 * k.e + 276 + l], &sx, &sy));
            EXPECT_TRUE(shows(shot, sx, sy, k.red[l] ? GS_RED : WHITE)) << "light " << 276 + l;
            EXPECT_FALSE(shows(shot, sx, sy, k.red[l] ? WHITE : GS_RED)) << "light " << 276 + l;
        }
    }
}

// The beacon over the first runway turns white, then green.
TEST_F(Zlit, BeaconWhiteThenGreen)
{
    const struct {
        float phase;
        rgb c;
    } cases[] = {{1.5707963f, WHITE}, {-1.5707963f, {0, 255, 0}}};
    for (const auto& k : cases) {
        scn.rb_cycle = k.phase - zlit_a;
        camera c = behind(0, 0, 1600, 250, -9, 1);
        std::vector<unsigned char> shot;
        scene_frame(c, 22, k.phase > 0 ? "zlit_beacon_white" : "zlit_beacon_green", shot);
        float sx, sy;
        ASSERT_TRUE(to_screen(c, scn.rwayxyz[zlit_a][0][812], &sx, &sy));
        EXPECT_TRUE(shows(shot, sx, sy, k.c)) << k.phase;
    }
    scn.rb_cycle = 0;
}

// By day with a good visibility only the glide-slope lights and the beacon.
TEST_F(Zlit, ByDayOnlyTheGlideSlopeLights)
{
    camera c = behind(0, 0, 1300, 200, -11, 1);
    std::vector<unsigned char> shot;
    scene_frame(c, 12, "zlit_day", shot);
    ASSERT_EQ(scn.rway_lites_on, 0);
    std::vector<lamp> all = airport_lamps(zlit_a, zlit_w, c);
    for (char g : std::string("xetbczafrsg")) {
        SCOPED_TRACE(std::string("group ") + g);
        std::vector<tally> t = count_group(shot, all, 0, g, 0);
        if (g == 'g') {
            EXPECT_GE(seen(t), 1);
        }
        expect_lit(t, g == 'g');
    }
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
