// The scene frame as the simulator runs it: at KSBD over the bundled world,
// one whole update_scenery per frame, read back from the window.
#include "tests/support/allocations.h"
#include "flight/INITPLN.h"
#include "toolkit/DRPLANE.h"
#include "tests/support/new_aircraft.h"
#include "tests/support/trainer.h"
#include "tests/support/ksbd_world.h"
#include "tests/support/screenshot.h"

#include "records/cockpit_state.h"
#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "world/scene_light.h"
#include "world/scenery_update.h"
#include "records/world_state.h"
#include "shell/scene_frame.h"
#include "world/world_services.h"
#include "world/world_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
std::vector<unsigned char> shot;
using rgb = std::array<int, 3>;

rgb at(int x, int y)
{
    const unsigned char* p = &shot[(y * 800 + x) * 3];
    return {p[0], p[1], p[2]};
}

bool shows(int x, int y, int c)
{
    rgb p = at(x, y);
    for (int k = 0; k < 3; ++k)
        if (std::abs(p[k] - (int)(col_rgb[c][k] * 255 + 0.5f)) > 12) return false;
    return true;
}

bool any_shows(int x1, int y1, int x2, int y2, int c)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (shows(x, y, c)) return true;
    return false;
}

// Points of the view's middle whose colour the clear sky high up has not:
// where the aircraft covers the middle, most of them.
int middle_points_unlike_the_sky()
{
    const rgb sky = at(400, 560);
    int other = 0;
    for (int y = 250; y <= 330; y += 4)
        for (int x = 340; x <= 460; x += 4) {
            const rgb p = at(x, y);
            if (std::abs(p[0] - sky[0]) + std::abs(p[1] - sky[1]) + std::abs(p[2] - sky[2]) > 60) other++;
        }
    return other;
}

int ksbd()
{
    for (int a = 0; a <= env.aptmax; ++a)
        if (strncmp(apt_id[a], "KSBD", 4) == 0) return a;
    return -1;
}

class SceneWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { start_at_ksbd(); }

    void SetUp() override
    {
        park_at_ksbd();
        msc.prd = 0.05f;
        flt.cat_stage = 0;
        atm.cld_type = 0;
        atm.strike_stop_time = 0;
        atm.vis_mult = 1;
        atm.level = 0;
        msc.locl_time = 12 * 3600;
    }

    // One frame as the simulator draws it, read back before the swap.
    void frame(const char* name = nullptr)
    {
        OGL_plot_background();
        update_scenery();
        take_screenshot(SHOT_DIR, name ? name : "scene_last", shot);
    }

    // Full-screen view without the HUD, at the hour, one frame to settle.
    rgb sky_at(float hours, const char* name)
    {
        set.view_type = 521;
        set.view_is_fullscreen = 1;
        msc.locl_time = hours * 3600;
        frame();
        frame(name);
        return at(400, 400);
    }
};
} // namespace

TEST_F(SceneWindow, SkyByTheClockAndTheDeck)
{
    ASSERT_GE(ksbd(), 0);
    rgb noon = sky_at(12, "scene_sky_noon");
    EXPECT_GT(noon[2], noon[0] + 60) << "blue at noon";
    EXPECT_GT(noon[2], 150);
    rgb dusk = sky_at(18, "scene_sky_dusk");
    EXPECT_GT(dusk[0], dusk[2] * 2 + 20) << "red at dusk";
    rgb night = sky_at(0, "scene_sky_midnight");
    for (int k = 0; k < 3; k++) EXPECT_LT(night[k], 16) << "dark at night";

    // the eye in the heart of an overcast
    atm.cld_type = 1;
    atm.baseMSL = (float)flt.Y - 500;
    atm.topsMSL = (float)flt.Y + 1000;
    atm.baseAGL = 300;
    rgb cloud = sky_at(12, "scene_sky_in_cloud");
    EXPECT_NEAR(cloud[0], cloud[1], 6) << "grey in the cloud";
    EXPECT_NEAR(cloud[1], cloud[2], 6);
    EXPECT_GT(cloud[0], 80);
    EXPECT_EQ(atm.vis_eff, 0);
}

TEST_F(SceneWindow, ParkedAtKsbdInTheCockpitView)
{
    park_at_ksbd();   // the first run's weather: 16:00 under an overcast at 4000 ft
    frame("scene_ksbd");
    // the view's rectangle is grey below the deck; the panel lies below it
    rgb sky = at(400, 500);
    EXPECT_NEAR(sky[0], sky[2], 8);
    EXPECT_GT(sky[0], 40);
    EXPECT_NEAR(con.VIEW_xyz[1], flt.Y + pln.peY, 2);
    EXPECT_EQ(msc.loc_apt_wrl, ksbd());
    EXPECT_EQ(scn.belowbases, 1);
}

TEST_F(SceneWindow, AFrameAllocatesNothing)
{
    set.view_type = 516;   // the chase view draws the aircraft too
    OGL_plot_background();
    update_scenery();
    const long before = allocation_count();
    for (int k = 0; k < 3; k++) {
        OGL_plot_background();
        update_scenery();
    }
    EXPECT_EQ(allocation_count(), before);
}

TEST_F(SceneWindow, TheChaseCameraGlidesBehindAndShowsTheAircraft)
{
    set.view_type = 516;
    set.view_is_fullscreen = 1;
    // from the pilot's seat along the heading, as a moving aircraft's path
    // would give it
    con.VIEW_xyz[0] = (float)flt.X;
    con.VIEW_xyz[1] = (float)flt.Y;
    con.VIEW_xyz[2] = (float)flt.Z;
    flt.sinhpath = flt.sinpsi;
    flt.coshpath = flt.cospsi;
    for (int k = 0; k < 150; k++) frame();
    frame("scene_chase");
    // the camera stands scn.dist behind the aircraft's path
    const float d = std::sqrt(sqr(con.VIEW_xyz[0] - (float)flt.X) + sqr(con.VIEW_xyz[2] - (float)flt.Z));
    EXPECT_NEAR(d, scn.dist, 0.05f * scn.dist);
    // the aircraft covers the middle of the view: colours the clear sky has not
    EXPECT_GT(middle_points_unlike_the_sky(), 30);
}

// Standing on the runway with the flight running, the chase camera stays
// behind the tail frame after frame: the path of a near-zero velocity turns
// at random, and the camera must not follow it through the airframe.
TEST_F(SceneWindow, TheChaseCameraAtRestStaysBehindTheTail)
{
    set.view_type = 516;
    set.view_is_fullscreen = 1;
    msc.paused = 0;
    float t[3];
    ASSERT_EQ(camera_target(516, t), 1);
    for (int k = 0; k < 3; k++) con.VIEW_xyz[k] = t[k];
    const float behind = flt.psi + 180;
    float fastest = 0;
    const char* shots[] = {"scene_chase_rest_1", "scene_chase_rest_2", "scene_chase_rest_3"};
    for (int k = 0; k < 60; k++) {
        update_flight();
        fastest = std::fmax(fastest, (float)std::sqrt(sqr(flt.vX) + sqr(flt.vY) + sqr(flt.vZ)));
        frame(k % 20 == 19 ? shots[k / 20] : nullptr);
        // where the camera stands, seen from the aircraft: behind it, level, at the chase distance
        const float dx = con.VIEW_xyz[0] - (float)flt.X, dz = con.VIEW_xyz[2] - (float)flt.Z;
        const float bearing = std::atan2(dx, -dz) / con.degtorad;
        EXPECT_NEAR(std::remainder(bearing - behind, 360.0f), 0, 2) << "frame " << k;
        EXPECT_NEAR(std::sqrt(dx * dx + dz * dz), scn.dist, 0.05f * scn.dist) << "frame " << k;
        EXPECT_NEAR(con.VIEW_xyz[1] - (float)flt.Y, 0, 0.2f * scn.dist) << "frame " << k;
    }
    EXPECT_LT(fastest, 1) << "not at rest";
    // the aircraft covers the middle of the view from behind
    EXPECT_GT(middle_points_unlike_the_sky(), 30);
    msc.paused = 1;
}

TEST_F(SceneWindow, ContactFlagsSetBeforeAFrameAreResetByIt)
{
    // Parked, the drawn runway marks itself under the aircraft again.
    env.over_carr = env.over_frig = env.over_obs = 1;
    env.surf_type = 29;
    frame();
    EXPECT_EQ(env.over_carr + env.over_frig, 0);
    EXPECT_EQ(env.over_obs, 1);
    EXPECT_NE(env.surf_type, 29);
    EXPECT_NE(env.surf_type, 32);
    // Over open ground 4 km away nothing drawn marks anything.
    flt.X += 4000;
    flt.Z += 4000;
    env.over_carr = env.over_frig = env.over_obs = 1;
    env.surf_type = 29;
    frame();
    frame();
    EXPECT_EQ(env.over_carr + env.over_frig + env.over_obs, 0);
    EXPECT_EQ(env.surf_type, 32);
    // back where the other tests expect the range box
    park_at_ksbd();
    frame();
}

TEST_F(SceneWindow, RangeBoxRebuiltByASlideOnly)
{
    frame();
    const int home = msc.loc_apt_wrl;
    msc.loc_apt_wrl = -5;   // a rebuild writes it again
    frame();
    EXPECT_EQ(msc.loc_apt_wrl, -5) << "nothing changed, nothing rebuilt";
    // a slide in the same eye cell rebuilds
    extern void scn2(int);
    OGL_plot_background();
    scn2(SHIFT_EAST);
    EXPECT_EQ(msc.loc_apt_wrl, home);

    // a real slide west: the window moves a degree and the box follows
    const int lon_wes = env.lon_wes, lat_sou = env.lat_sou;
    flt.lon = env.lon_wes + 0.9f;
    msc.loc_apt_wrl = -5;
    frame();
    EXPECT_EQ(env.lon_wes, lon_wes - 1);
    EXPECT_NE(msc.loc_apt_wrl, -5);
    // back home for the other tests
    env.lon_wes = lon_wes;
    env.lat_sou = lat_sou;
    load_region();
}

TEST_F(SceneWindow, ReplaySymbolsAndTheCatapultPrompt)
{
    set.replay_mode = 3;
    flt.cat_stage = 3;
    frame("scene_overlays");
    EXPECT_TRUE(any_shows(395, 550, 405, 560, 46)) << "the stop bars lit";
    EXPECT_TRUE(any_shows(348, 550, 368, 560, 48)) << "fast backwards dim";
    EXPECT_TRUE(any_shows(340, 480, 480, 487, 56)) << "Release brakes to launch.";
}

// An aircraft begun with the editor's File › New keeps the default open tube
// as its fuselage; given a wing and loaded as the simulator loads it, the
// chase view behind it shows that tube round the middle of the view.
TEST_F(SceneWindow, TheChaseViewShowsANewAircraftsTube)
{
    const std::string path = ::testing::TempDir() + "New_" + std::to_string(getpid()) + ".acf";
    ASSERT_EQ(save_new_aircraft(path.c_str()), 1);
    std::memset(&pln, 0, sizeof pln);
    copy_bounded(pln.C_file, "New.acf", 400);
    copy_bounded(pln.C_path, path.c_str(), 400);
    load_plane();
    std::remove(path.c_str());
    load_plane_geo(1, 0);
    park_at_ksbd();

    // In level flight 300 m up the chase camera stands level with the
    // aircraft, behind it: on the tube's line.
    flt.Y += 300;
    flt.vX = flt.vY = flt.vZ = 0;
    scn.chase_dir[0] = scn.chase_dir[1] = scn.chase_dir[2] = 0;
    set.view_type = 516;
    set.view_is_fullscreen = 1;
    float t[3];
    ASSERT_EQ(camera_target(516, t), 1);
    for (int k = 0; k < 3; k++) con.VIEW_xyz[k] = t[k];
    frame();
    frame("scene_chase_new_aircraft");
    // The tube stands round the view's middle, below the horizon: its lower
    // wall grey and lit where only the ground would show through without it
    // (the runway's centre line kept out).
    int grey = 0;
    for (int y = 199; y <= 235; y += 2)
        for (int x = 356; x <= 444; x += 2) {
            if (std::abs(x - 400) < 12) continue;
            const rgb p = at(x, y);
            grey += std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) <= 6 && p[0] >= 75;
        }
    load_bundled_trainer();
    load_plane_geo(1, 0);
    EXPECT_GT(grey, 60);
}
