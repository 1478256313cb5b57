// The drawers in a real GL context under Xvfb with the KSBD window loaded from
// the bundled world: what lies under the aircraft comes from the drawing, and
// every terrain and wall texture is bound once per frame.
#include "flight/coordinates.h"
#include "flight/flight_records.h"
#include "shell/MENUS.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "world/runways.h"
#include "world/scene_drawing.h"
#include "world/scene_light.h"
#include "world/scene_range.h"
#include "world/world_records.h"
#include "world/world_services.h"
#include "tests/support/screenshot.h"
#include "toolkit/HL_TEXTURE.h"
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

// The GL window and the bundled textures, once for the whole run.
void start_window()
{
    static bool started = false;
    if (started) return;
    started = true;
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    ogl_ready = 1;
    done_initing = 1;
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    init_country_data();
    for (int k = 0; k < texture_table_count; ++k)
        OGL_texbmp(TEX_FROM_PATH, texture_table[k].number, texture_table[k].option,
                   (std::string(PROGRAM_DIR) + "/textures/" + texture_table[k].name).c_str());
}

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
        start_window();
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

namespace {
// The scene's drawers in the frame's order for an eye at (x, y, z) looking
// along heading psi at pitch the, lit by a plain light under a sky of colour
// sky; listed airport a (database index w), its buildings and the whole grid
// in range.
void draw_scene(int w, int a, const float eye[3], float psi, float the, const float sky[3], float brat)
{
    for (int k = 0; k < 3; ++k) con.VIEW_xyz[k] = eye[k];
    scn.psi = psi;
    scn.the = the;
    scn.phi = 0;
    glViewport(0, 0, 800, 600);
    glClearColor(sky[0], sky[1], sky[2], 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float near = 2;
    glFrustum(-0.75f * near, 0.75f * near, -0.75f * near * 0.75f, 0.75f * near * 0.75f, near, 60000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(scn.phi, 0, 0, 1);
    glRotatef(scn.the, -1, 0, 0);
    glRotatef(scn.psi, 0, 1, 0);
    glTranslatef(-eye[0], -eye[1], -eye[2]);
    glDepthFunc(GL_LESS);
    glFogfv(GL_FOG_COLOR, sky);
    glFogf(GL_FOG_START, 0);
    glFogf(GL_FOG_END, 30000);
    const float light_pos[4] = {0.3f, 1, 0.2f, 0};
    const float light_rgb[4] = {brat, 0.9f * brat, 0.8f * brat, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light_pos);
    glLightfv(GL_LIGHT0, GL_AMBIENT, light_rgb);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light_rgb);
    glEnable(GL_LIGHT0);
    ogl_brat_ter = brat;

    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) ter_inrange[i][j] = 1;
    scn.i1_plot_bound_ter = scn.j1_plot_bound_ter = 0;
    scn.i2_plot_bound_ter = GRID_I - 2;
    scn.j2_plot_bound_ter = GRID_J - 2;
    memset(apt_inrange, 0, sizeof apt_inrange);
    apt_inrange[a] = 1;
    for (int o = 5 * a; o < 5 * a + 5; ++o) obj_inrange[o] = 1;

    OGL_setstate(1, 1, 1, 1);
    plot_terrain();
    glNormal3f(0, 1, 0);
    OGL_setstate(1, 1, 1, 0);
    for (int r = env.rwaymax[a]; r >= 0; --r)
        if (env.tway[a][r] && rway_counts(w, r)) {
            float ar = (float)(apt_len[w][r] / apt_width[w][r]);
            plot_pavement(a, r, 1, ar, 48);
            plot_pavement(a, r, 5, 3.0f, 48);
            for (int m = 2; m <= 4; ++m) plot_pavement(a, r, m, 1.0f, 47);
        }
    for (int r = env.rwaymax[a]; r >= 0; --r)
        if (rway_counts(w, r)) plot_runway(a, w, r, (float)(apt_len[w][r] / apt_width[w][r]));
    OGL_setstate(1, 1, 1, 1);
    glDisable(GL_CULL_FACE);
    for (int r = env.rwaymax[a]; r >= 0; --r)
        for (int s = 0; s < 2; ++s)
            if (scn.sockinit[a][r][s] != 0) plot_windsock(a, r, s);
    glEnable(GL_CULL_FACE);
    OGL_setstate(1, 0, 0, 0);
    plot_rway_lights();
    plot_obstacles();
}

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
} // namespace

// Down KSBD's first runway at dusk from 100 m before its start, 5 m up: the
// grey band up the middle, its markings, two rows of edge lights, the ground
// beside it and the sky above.
TEST_F(SceneDrawing, RunwayAtDuskScreenshot)
{
    float eye[3], psi;
    behind_runway_end(ksbd_reg, first_rway(ksbd), 0, 100, apt_h[ksbd] + 5, eye, &psi);
    const float sky[3] = {0.75f, 0.45f, 0.35f};
    scn.rway_lites_on = scn.city_lites_on = 1;
    draw_scene(ksbd, ksbd_reg, eye, psi, -2, sky, 0.5f);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    std::vector<unsigned char> shot;
    take_screenshot(SHOT_DIR, "ksbd_runway_dusk", shot);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
    // Sky at the top, untouched.
    rgb top = at(shot, 400, 590);
    EXPECT_NEAR(top.r, 191, 3);
    EXPECT_NEAR(top.g, 115, 3);
    // The runway up the middle from the bottom: grey, with white markings near.
    int grey = 0, white = 0;
    for (int y = 0; y < 250; y += 10)
        for (int x = 300; x < 500; x += 10) {
            rgb p = at(shot, x, y);
            grey += greyish(p);
            white += greyish(p) && p.r > 100;
        }
    EXPECT_GT(grey, 400);
    EXPECT_GT(white, 20);
    // Ground beside it at the sides, neither grey nor sky.
    rgb side = at(shot, 10, 290);
    EXPECT_FALSE(greyish(side));
    EXPECT_GT(side.g, side.r);
    // Two rows of edge lights: lit points left and right of the middle
    // between the band's near edge and the horizon.
    int left = 0, right = 0;
    for (int y = 270; y < 320; ++y)
        for (int x = 0; x < 800; ++x) {
            rgb p = at(shot, x, y);
            if (p.r > 120 && p.g > 120 && p.b > 60 && p.b < p.r) (x < 400 ? left : right)++;
        }
    EXPECT_GT(left, 5);
    EXPECT_GT(right, 5);
}

// Straight down from 3000 m over the runway's middle at noon: the grey
// band's axis lies along the runway's true heading.
TEST_F(SceneDrawing, RunwayFromAboveScreenshot)
{
    int r0 = first_rway(ksbd);
    const float (*q)[3] = scn.markxyz[ksbd_reg][r0][0];
    float mid[3] = {0, 0, 0};
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 3; ++k) mid[k] += q[c][k] / 4;
    const float eye[3] = {mid[0], apt_h[ksbd] + 3000, mid[2]};
    const float sky[3] = {0.5f, 0.6f, 0.8f};
    scn.rway_lites_on = scn.city_lites_on = 0;
    draw_scene(ksbd, ksbd_reg, eye, 0, -90, sky, 1);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    std::vector<unsigned char> shot;
    take_screenshot(SHOT_DIR, "ksbd_from_above", shot);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
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

// From 150 m up behind each end, looking down the runway: each end shows its
// own number the right way up (06 and 24 at KSBD), so the two differ.
TEST_F(SceneDrawing, NumbersAtBothEndsScreenshot)
{
    std::vector<unsigned char> shots[2];
    for (int end = 0; end < 2; ++end) {
        float eye[3], psi;
        behind_runway_end(ksbd_reg, first_rway(ksbd), end, 100, apt_h[ksbd] + 150, eye, &psi);
        const float sky[3] = {0.5f, 0.6f, 0.8f};
        scn.rway_lites_on = scn.city_lites_on = 0;
        draw_scene(ksbd, ksbd_reg, eye, psi, -45, sky, 1);
        take_screenshot(SHOT_DIR, end ? "ksbd_far_end_number" : "ksbd_start_number", shots[end]);
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
        start_window();
        memset(obj_inrange, 0, sizeof obj_inrange);
    }
};

// KSFO at dusk from 1500 m up behind its first runway, looking along it: the
// runways' pavement, and water in the bay.
TEST_F(OtherWindows, KsfoAtDuskScreenshot)
{
    int w, a;
    load_window_round("KSFO", &w, &a);
    if (HasFatalFailure()) return;
    float eye[3], psi;
    behind_runway_end(a, first_rway(w), 0, 2000, apt_h[w] + 1500, eye, &psi);
    const float sky[3] = {0.7f, 0.45f, 0.4f};
    scn.rway_lites_on = scn.city_lites_on = 1;
    draw_scene(w, a, eye, psi, -30, sky, 0.5f);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    std::vector<unsigned char> shot;
    take_screenshot(SHOT_DIR, "ksfo_dusk", shot);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
    int water = 0, pavement = 0;
    for (int y = 0; y < 600; y += 2)
        for (int x = 0; x < 800; x += 2) {
            rgb p = at(shot, x, y);
            water += p.b > p.g + 3;   // the dusk fog greys the bay
            pavement += greyish(p);
        }
    EXPECT_GT(water, 500);
    EXPECT_GT(pavement, 2000);
}

// PHNL at noon from 1500 m, looking down to the south-east over the field:
// sea and land.
TEST_F(OtherWindows, PhnlAtNoonScreenshot)
{
    int w, a;
    load_window_round("PHNL", &w, &a);
    if (HasFatalFailure()) return;
    int r0 = first_rway(w);
    const float (*q)[3] = scn.markxyz[a][r0][0];
    const float eye[3] = {q[0][0] - 2000, apt_h[w] + 1500, q[0][2] - 2000};
    const float sky[3] = {0.5f, 0.6f, 0.85f};
    scn.rway_lites_on = scn.city_lites_on = 0;
    draw_scene(w, a, eye, 135, -35, sky, 1);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    std::vector<unsigned char> shot;
    take_screenshot(SHOT_DIR, "phnl_noon", shot);
    ASSERT_EQ(shot.size(), 800u * 600 * 3);
    int water = 0, land = 0;
    for (int y = 0; y < 600; y += 2)
        for (int x = 0; x < 800; x += 2) {
            rgb p = at(shot, x, y);
            water += p.b > p.r + 10 && p.b > p.g;
            land += p.g > p.b && p.g >= p.r;
        }
    EXPECT_GT(water, 2000);
    EXPECT_GT(land, 2000);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
