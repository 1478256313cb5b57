// The ships and the rig in the simulator's own frames at KSBD over the bundled world: where the
// world window puts them, the carrier's catapult and wires and the rig's helideck under the
// flying trainer, a culled vessel, and how they look (screenshots kept beside this test).
#include "tests/support/ksbd_world.h"
#include "tests/support/screenshot.h"
#include "tests/support/trainer.h"

#include "cockpit/P_INIT.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "shell/DO_APP.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "world/terrain_grid.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {
std::vector<unsigned char> shot;

int (*const vessel_flags[3])[GRID_J] = {frig_on_poly, carr_on_poly, oilr_on_poly};
const char* const vessel_names[3] = {"frigate", "carrier", "rig"};

// Centre of the first cell (in i, then j order) of square q holding the vessel; 0 when none.
int vessel_in_square(int v, int q, float* c)
{
    int i0 = (q % 3) * 59, j0 = (q / 3) * 79;
    for (int i = i0; i < i0 + 59; ++i)
        for (int j = j0; j < j0 + 79; ++j) {
            if (!vessel_flags[v][i][j]) continue;
            for (int k = 0; k < 3; ++k) c[k] = 0.5f * (planexyz[i][j][k] + planexyz[i + 1][j + 1][k]);
            return 1;
        }
    return 0;
}

int count_in_square(int v, int q)
{
    int i0 = (q % 3) * 59, j0 = (q / 3) * 79, n = 0;
    for (int i = i0; i < i0 + 59; ++i)
        for (int j = j0; j < j0 + 79; ++j) n += vessel_flags[v][i][j] != 0;
    return n;
}

// The frame drawn so far, read into shot without keeping it.
void read_frame()
{
    shot.resize(800 * 600 * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, shot.data());
}

// Pixels of shot below the menu bar (its top rows: the shot runs bottom up) that match.
int count_below_menus(bool (*match)(const unsigned char*))
{
    int n = 0;
    for (size_t k = 0; k < 3 * 800 * 580; k += 3) n += match(&shot[k]);
    return n;
}

class ShipFlights : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        start_at_ksbd();
        fill_ship_shapes();   // the start-up's general initialisation, which the support skips
        init_panel_layout();
        MACIBM_startwind(0);
        // The flight's first second tick loads the scenery's textures: a second parked at KSBD.
        park_at_ksbd();
        msc.paused = 0;
        msc.prd = 0.05f;
        set.controls_type = -1;
        frames(1.5f);
    }

    void SetUp() override
    {
        // A flight near a western or southern vessel slides the window; each test starts at home.
        if (env.lat_sou != 33 || env.lon_wes != -119) {
            env.lat_sou = 33;
            env.lon_wes = -119;
            load_region();
        }
        park_at_ksbd();
        msc.locl_time = 12 * 3600;
        atm.cld_type = 0;
        atm.vis_mult = 1;
        atm.level = 0;
        atm.strike_stop_time = 0;
        atm.rate_change = 0;   // the weather holds still
        set.controls_type = -1;   // no stick: the yoke stays centred
        mnw.menu_up = -1;
        mnw.topwin = 0;
        mnw.mouse_clicked = mnw.delay_dragging = 0;
        msc.prd = 0.05f;
        msc.paused = 0;
    }

    // One simulator frame: the flight step, then the scene, the clock keeping pace.
    static void frame()
    {
        mnw.time_elapsed += msc.prd;
        APPLICATION_update();
    }

    static void frames(float seconds)
    {
        for (float t = 0; t < seconds; t += msc.prd) frame();
    }

    // The custom start at the vessel's point c plus (dx, dy, dz), heading psi, speed v.
    static void start_over(const float* c, float dx, float dy, float dz, float psi, float v)
    {
        set.cus_X = c[0] + dx;
        set.cus_Y = c[1] + dy;
        set.cus_Z = c[2] + dz;
        set.cus_psi = psi;
        set.cus_v = v;
        set_fltvars(10);
    }

    // The vessel of the south-west square nearest the start airport.
    static void vessel(int v, float* c) { ASSERT_TRUE(vessel_in_square(v, 0, c) || vessel_in_square(v, 1, c)); }
};
} // namespace

TEST_F(ShipFlights, EachCoastalSquareSouthWestOfKsbdHoldsOneOfEachVessel)
{
    // KSBD's window: squares 0 and 1 are the coast from Santa Barbara Island to Dana Point.
    EXPECT_EQ(env.lat_sou, 33);
    EXPECT_EQ(env.lon_wes, -119);
    for (int q : {0, 1})
        for (int v = 0; v < 3; ++v) {
            SCOPED_TRACE(vessel_names[v]);
            EXPECT_EQ(count_in_square(v, q), 1) << "square " << q;
            float c[3];
            if (!vessel_in_square(v, q, c)) continue;
            int i = -1, j = -1;
            find_local_h(c[0], c[2], &i, &j, 0);
            EXPECT_TRUE(on_water[i][j]) << "standing in the sea";
        }
}

TEST_F(ShipFlights, ACulledVesselSetsNoFlags)
{
    struct {
        const char* what;
        int vessel;
        int overcast;   // the eye above tops that hide the sea, whose cells the frame culls
        int carr, frig, obs;
    } cases[] = {
        {"carrier in clear air", 1, 0, 1, 0, 0},   {"carrier under the tops", 1, 1, 0, 0, 0},
        {"frigate in clear air", 0, 0, 0, 1, 0},   {"frigate under the tops", 0, 1, 0, 0, 0},
        {"rig in clear air", 2, 0, 0, 0, 1},       {"rig under the tops", 2, 1, 0, 0, 0},
    };
    const float over_deck[3][2] = {{0, 55}, {-5, 105}, {0, 80}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        float p[3];
        vessel(c.vessel, p);
        start_over(p, over_deck[c.vessel][0], 3000, over_deck[c.vessel][1], 0, 60);
        if (c.overcast) {
            atm.cld_type = 1;
            atm.baseMSL = 1500;
            atm.topsMSL = 2000;
        }
        msc.paused = 1;
        frame();
        frame();
        EXPECT_EQ(env.over_carr, c.carr);
        EXPECT_EQ(env.over_frig, c.frig);
        EXPECT_EQ(env.over_obs, c.obs);
        EXPECT_EQ(env.surf_type, c.carr + c.frig + c.obs ? 27 : 32);
    }
}

TEST_F(ShipFlights, TheCatapultHoldsTheTrainerUntilTheBrakeIsReleased)
{
    set_fltvars(21);
    ASSERT_EQ(flt.cat_stage, 3);
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = 1;   // full power against the hold
    double x0 = flt.X, z0 = flt.Z;
    float deck = (float)flt.Y - pln.h_eqlbm;
    for (float t = 0; t < 3; t += msc.prd) {
        frame();
        if (t < 0.2f) continue;
        ASSERT_EQ(flt.cat_stage, 3) << t;
        ASSERT_EQ(env.surf_type, 27) << t;
        ASSERT_EQ(env.over_carr, 1) << t;
    }
    EXPECT_NEAR(flt.X, x0, 0.5);
    EXPECT_NEAR(flt.Z, z0, 0.5);
    EXPECT_NEAR(flt.Y - pln.h_eqlbm, deck, 0.5) << "standing on the deck";
    EXPECT_LT(flt.v, 0.5f);
    // The frame that drew the carrier put its beacons in the navaid table, on 108.00 MHz.
    for (int n : {env.navmax - 1, env.navmax}) {
        EXPECT_EQ(nav_f12[n], 10800);
        EXPECT_EQ(nav_inreg[n], 1);
    }
    EXPECT_EQ(nav_type[env.navmax], 6);

    // The panel's parking-brake switch.
    mnw.mx = osrad + 529;
    mnw.my = 12;
    mnw.mouse_clicked = 1;
    frame();
    mnw.mouse_clicked = 0;
    EXPECT_EQ(set.parkbrake, 0);
    EXPECT_EQ(flt.cat_stage, 4);

    float t = 0;
    while (flt.cat_stage == 4 && t < 10) {
        frame();
        t += msc.prd;
    }
    EXPECT_EQ(flt.cat_stage, 5) << "off the deck";
    EXPECT_LT(t, 6);
    EXPECT_GT(flt.v, 0.9f * msc.est_Vs) << "flying speed at the bow";
    double run = std::hypot(flt.X - x0, flt.Z - z0);
    EXPECT_GT(run, 80);
    EXPECT_LT(run, 200);
}

TEST_F(ShipFlights, AHookDownLandingTrapsInAboutAHundredMetres)
{
    float c[3];
    vessel(1, c);
    struct {
        const char* what;
        int hook;
        float lo, hi;   // the run from the wires' aft edge to the stop, m
    } cases[] = {{"hook down", 1, 85, 110}, {"hook up", 0, 150, 1e9f}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        SetUp();
        // Just above the deck aft of the wires, along the angled deck at approach speed.
        float v = 1.2f * msc.est_Vs;
        start_over(c, -3, CARRIER_DECK_H + pln.h_eqlbm + 0.3f, 150, 352, v);
        for (int e = 0; e < 4; ++e) flt.throrqst[e] = 0;
        set.parkbrake = 0;   // no pilot lands on the parking brake
        ins.hook_down = k.hook;
        double x0 = 0, z0 = 0, run = 0;
        int caught = 0;
        for (float t = 0; t < 8; t += msc.prd) {
            frame();
            if (!caught && (flt.wired || flt.Z < c[2] + 136)) {
                caught = 1;
                x0 = flt.X, z0 = flt.Z;
            }
            if (caught) run = std::fmax(run, std::hypot(flt.X - x0, flt.Z - z0));
        }
        ASSERT_TRUE(caught);
        EXPECT_GE(run, k.lo);
        EXPECT_LE(run, k.hi);
        if (k.hook) {
            EXPECT_EQ(env.over_carr, 1) << "stopped on the deck";
            EXPECT_NEAR(flt.Y - pln.h_eqlbm, c[1] + CARRIER_DECK_H, 0.5);
        }
    }
}

TEST_F(ShipFlights, TheTrainerParkedOnTheRigsHelideckRestsAtItsHeight)
{
    float c[3];
    vessel(2, c);
    start_over(c, 0, OILRIG_DECK_H + pln.h_eqlbm + 0.2f, 80, 0, 0);
    frames(5);
    EXPECT_EQ(env.over_obs, 1);
    EXPECT_EQ(env.surf_type, 27);
    EXPECT_FLOAT_EQ(env.obj_height, c[1] + 62);
    EXPECT_NEAR(env.localh_cg, c[1] + 62, 0.01);
    EXPECT_NEAR(flt.Y - pln.h_eqlbm, c[1] + 62, 0.3);
    EXPECT_LT(std::fabs(flt.vY), 0.1f);
    EXPECT_LT(flt.v, 0.1f);
}

TEST_F(ShipFlights, TheCarrierFromTheChaseViewAtNoon)
{
    set_fltvars(21);
    frames(0.5f);   // in the cockpit view every start gives, the eye at the aircraft
    set.view_type = 516;   // then the chase view, as the View menu picks it: beside the panel
    // A second down the catapult, then paused: the chase camera glides in behind the flight path.
    set.parkbrake = 0;
    flt.cat_stage = 4;
    frames(1);
    ASSERT_EQ(flt.cat_stage, 4);
    msc.paused = 1;
    for (int k = 0; k < 100; ++k) frame();
    take_screenshot(SHOT_DIR, "ship_flights_carrier_noon", shot);
    // The grey deck and hull fill much of the view below the sea's horizon.
    int grey = count_below_menus([](const unsigned char* p) {
        return std::abs(p[0] - p[1]) < 14 && std::abs(p[1] - p[2]) < 14 && p[0] > 50 && p[0] < 200;
    });
    EXPECT_GT(grey, 50000);
}

TEST_F(ShipFlights, EachVesselIsLitAtNight)
{
    struct {
        int vessel;
        float up, south;   // the eye from the vessel, m
        int lights, red;   // at least this many more pixels lit with its lights on, and red at night
        const char* shot;
    } cases[] = {
        {2, 120, 800, 20, 3, "ship_flights_rig_night"},
        {0, 40, 400, 10, 3, "ship_flights_frigate_night"},
        {1, 60, 800, 15, 0, "ship_flights_carrier_night"},
    };
    auto bright = [](const unsigned char* p) { return p[0] > 200 && p[1] > 200 && p[2] > 130; };
    auto red = [](const unsigned char* p) { return p[0] > 150 && p[1] < 60 && p[2] < 60; };
    for (const auto& k : cases) {
        SCOPED_TRACE(vessel_names[k.vessel]);
        SetUp();
        float c[3];
        vessel(k.vessel, c);
        start_over(c, 0, k.up, k.south, 0, 0);
        set.view_type = 521;   // the whole screen, no HUD
        set.view_is_fullscreen = 1;
        msc.paused = 1;
        msc.elap_time = 0.785f;   // the red lights at the top of their pulse
        // The lights come on just after five in the evening; the light of the day barely changes.
        int lit[2];
        for (int on = 0; on < 2; ++on) {
            msc.locl_time = 17 * 3600 + on * 180;
            frame();
            frame();
            read_frame();
            lit[on] = count_below_menus(bright);
        }
        EXPECT_GE(lit[1] - lit[0], k.lights) << "deck and mast-top lights";
        msc.locl_time = 0;
        frame();
        take_screenshot(SHOT_DIR, k.shot, shot);
        EXPECT_GE(count_below_menus(red), k.red) << "red beacons";
    }
}
