// The ship drawers in a GL window under Xvfb: what a drawing marks and writes, and how the
// vessels look (screenshots kept beside the test binary).
#include "ship_fixture.h"

#include "tests/support/screenshot.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "platform/window.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "world/ships.h"
#include "world/weather_field.h"
#include "records/world_state.h"
#include "tests/support/scratch_files.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
const float XC = 20000, YC = 0, ZC = -40000;

void quiet_box(const char*, const char*) {}

void load_ship_textures()
{
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    for (int k = 0; k < texture_table_count; ++k) {
        const texture_entry& e = texture_table[k];
        if (e.number == 14 || e.number == 48 || (e.number >= 54 && e.number <= 58))
            OGL_texbmp(TEX_FROM_FOLDER, e.number, e.option, e.name);
    }
}

// A camera at the eye, relative to the vessel, looking at the vessel's point (0, ty, 0).
void look_at(float ex, float ey, float ez, float ty)
{
    glViewport(0, 0, 800, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.8, 0.8, -0.6, 0.6, 1, 5000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    float dy = ty - ey;
    float yaw = std::atan2(ex, ez) * 57.2958f;   // of the eye about the vessel, from +z toward +x
    float pitch = std::atan2(dy, std::hypot(ex, ez)) * 57.2958f;
    glRotatef(-pitch, 1, 0, 0);
    glRotatef(-yaw, 0, 1, 0);
    glTranslatef(-ex, -ey, -ez);
}

struct ShipDrawing : ::testing::Test {
    static void SetUpTestSuite()
    {
        std::string settings = ::testing::TempDir() + "ship_gl_" + std::to_string(getpid());
        setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
        remove_at_exit(settings);
        plat_set_message_box_handler(quiet_box);
        MACIBM_init();
        load_ship_textures();
    }
    void SetUp() override
    {
        ASSERT_EQ(ogl_ready, 1);
        ship_world();
        ogl_brat_ter = 1;
        msc.elap_time = 0.8f;   // the red lights near the top of their pulse
        glGetError();
    }

    // Draws one vessel; the camera is set relative to it, so its frame is already there.
    void draw(void (*drawer)(float, float, float))
    {
        glPushMatrix();
        drawer(XC, YC, ZC);
        glPopMatrix();
    }

    int count(const std::vector<unsigned char>& shot, bool (*match)(const unsigned char*))
    {
        int n = 0;
        for (size_t k = 0; k + 2 < shot.size(); k += 3) n += match(&shot[k]);
        return n;
    }
};

void (*const drawers[3])(float, float, float) = {draw_a_carr, draw_a_frig, draw_a_oilr};
} // namespace

TEST_F(ShipDrawing, EachDrawerMarksItsDeckOnlyUnderTheAircraft)
{
    struct {
        const char* what;
        int vessel;
        float dx, dz;
        int carr, frig, obs;
    } cases[] = {
        {"carrier deck", 0, -5, 105, 1, 0, 0},   {"beside the carrier", 0, 60, 0, 0, 0, 0},
        {"frigate pad", 1, 0, 55, 0, 1, 0},      {"frigate bow", 1, 0, -40, 0, 0, 0},
        {"rig helideck", 2, 10, 90, 0, 0, 1},    {"under the rig's main deck", 2, 0, 0, 0, 0, 0},
    };
    OGL_setstate(0, 1, 1, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reset_contact();
        place_aircraft(XC + c.dx, YC + 70, ZC + c.dz);
        look_at(200, 150, 400, 20);
        draw(drawers[c.vessel]);
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        EXPECT_EQ(env.over_carr, c.carr);
        EXPECT_EQ(env.over_frig, c.frig);
        EXPECT_EQ(env.over_obs, c.obs);
        EXPECT_EQ(env.surf_type, c.carr + c.frig + c.obs ? 27 : 32);
        if (c.obs) {
            EXPECT_FLOAT_EQ(env.obj_height, YC + 62);
        }
        // The caller's render state comes back.
        EXPECT_EQ(o_tex, 1);
        EXPECT_EQ(o_lit, 1);
    }
}

TEST_F(ShipDrawing, TheCarriersBeaconsAfterADrawing)
{
    place_aircraft(XC + 300, YC + 200, ZC + 3000);
    OGL_setstate(0, 1, 0, 1);
    look_at(200, 150, 400, 20);
    draw(draw_a_carr);
    int n = env.navmax;
    EXPECT_EQ(nav_f12[n], 10800);
    EXPECT_EQ(nav_type[n], 6);
    EXPECT_EQ(nav_hdng[n], 4);
    EXPECT_EQ(nav_type[n - 1], 4);
    EXPECT_EQ(nav_hdng[n - 1], 352);
    EXPECT_STREQ(nav_name[n - 1], "USS Enterprise");
    EXPECT_FLOAT_EQ(atc.cardxyz[0], 335);
    EXPECT_FLOAT_EQ(atc.cardxyz[2], 2924);
}

TEST_F(ShipDrawing, CarrierAtNoon)
{
    place_aircraft(XC - 5, YC + 60, ZC + 900);
    glClearColor(0.1f, 0.25f, 0.45f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    OGL_setstate(0, 1, 0, 1);
    glColor3f(1, 1, 1);
    look_at(120, 70, 250, 15);
    draw(draw_a_carr);
    std::vector<unsigned char> shot;
    take_screenshot(SHOT_DIR, "carrier_noon", shot);
    // The ship fills a good part of the view.
    int ship = count(shot, [](const unsigned char* p) { return std::abs(p[0] - 25) + std::abs(p[2] - 114) > 12; });
    EXPECT_GT(ship, 30000);
    // The landing aid: its green datum row, and the ball a little low (yellow, not the red bottom).
    int datum = count(shot, [](const unsigned char* p) { return p[1] > 200 && p[0] < 100 && p[2] < 100; });
    int ball = count(shot, [](const unsigned char* p) { return p[0] > 200 && p[1] > 200 && p[2] < 100; });
    EXPECT_GE(datum, 6 * 4);
    EXPECT_GE(ball, 4);
}

TEST_F(ShipDrawing, RigAndFrigateAtNight)
{
    scn.rway_lites_on = 1;
    ogl_brat_ter = 0.3f;
    place_aircraft(XC, YC + 300, ZC + 2000);
    glClearColor(0.02f, 0.02f, 0.05f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    OGL_setstate(0, 1, 0, 1);
    glColor3f(0.3f, 0.3f, 0.3f);
    look_at(180, 140, 300, 60);
    draw(draw_a_oilr);
    std::vector<unsigned char> shot;
    take_screenshot(SHOT_DIR, "rig_night", shot);
    auto pale = [](const unsigned char* p) { return p[0] > 200 && p[1] > 200 && p[2] > 130 && p[2] < 230; };
    auto red = [](const unsigned char* p) { return p[0] > 180 && p[1] < 40 && p[2] < 40; };
    EXPECT_GT(count(shot, pale), 10);
    EXPECT_GT(count(shot, red), 4);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    look_at(60, 50, 150, 5);
    draw(draw_a_frig);
    take_screenshot(SHOT_DIR, "frigate_night", shot);
    EXPECT_GT(count(shot, pale), 10);
    EXPECT_GT(count(shot, red), 4);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
