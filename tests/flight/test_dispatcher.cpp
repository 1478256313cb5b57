// The per-frame dispatcher, what closing a window applies, the starts at a
// chosen airport and the replay of the recorded path.
#include "flight_fixture.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "shell/DO_APP.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

// What the dispatcher hands on, seen through the linker's --wrap. The flight
// step still runs; the window opener, the scene, the panel and the weights
// window need a screen and are only noted.
std::string handed_on;
extern "C" {
void __real__Z13update_flightv();
void __wrap__Z13update_flightv()
{
    handed_on += "flight ";
    __real__Z13update_flightv();
}
void __wrap__Z16MACIBM_startwindi(int index)
{
    handed_on += "window" + std::to_string(index) + " ";
}
void __wrap__Z14update_sceneryv()
{
    handed_on += "scene ";
}
void __wrap__Z10manage_dasff(float x, float y)
{
    handed_on += "panel" + std::to_string((int)x) + "," + std::to_string((int)y) + " ";
}
void __wrap__Z10manage_wgtv()
{
    handed_on += "weights ";
}
}

namespace {
// The controller's phrases begin with a call sign.
bool ends_with(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class DispatcherTest : public FlightTest {
protected:
    void SetUp() override
    {
        FlightTest::SetUp();
        env.aptmax = 2;
        const char* ids[3] = {"KTST", "KABC", "KABC"};
        for (int a = 0; a < 3; ++a) {
            strcpy(apt_id[a], ids[a]);
            apt_lat[a][0] = 35.0f + a, apt_lon[a][0] = -116.5f + a, apt_hdng[a][0] = 90 * (a + 1);
            apt_len[a][0] = 2000, apt_h[a] = 100.0f * a;
        }
        set.cus_X = 60000, set.cus_Z = -80000;
        set_fltvars(10);
        mnw.menu_up = -1;
        mnw.topwin = 0;
        handed_on.clear();
        first_frame_done();
    }

    // The first frame of the run builds the cockpit panel; get it behind us.
    void first_frame_done()
    {
        static int done = 0;
        if (done) return;
        APPLICATION_update();
        handed_on.clear();
        done = 1;
    }

    // Samples k = 0.. at times t0 + k of X = 10 k, the = k, psi = 350 + 5 k
    // (wrapped), phi = -k, ending after n samples; from ring index start.
    void record(int start, int n, float t0)
    {
        memset(pat.inited, 0, sizeof pat.inited);
        for (int k = 0; k < n; ++k) {
            int i = (start + k) % PATH_SAMPLES;
            float* s = pat.xyztppt[i];
            s[0] = 10.0f * k, s[1] = 500, s[2] = -1000, s[3] = (float)k;
            s[4] = std::fmod(350.0f + 5 * k, 360.0f), s[5] = (float)-k, s[6] = t0 + k;
            pat.inited[i] = 1;
        }
        pat.cntr_record = (start + n - 1) % PATH_SAMPLES;
    }
};
} // namespace

TEST_F(DispatcherTest, AnOpenWindowStopsTheWorld)
{
    mnw.topwin = 16;
    mnw.mouse_clicked = 1;
    double x = flt.X;
    APPLICATION_update();
    EXPECT_EQ(handed_on, "weights ");
    EXPECT_EQ(flt.X, x);
}

TEST_F(DispatcherTest, FlyingPausedAndReplaying)
{
    struct Case {
        int clicked, dragging, menu_up, paused, replay;
        std::string expected;
    } cases[] = {
        {0, 0, -1, 0, 0, "flight scene "},
        {1, 0, -1, 0, 0, "panel400,300 flight scene "},
        {0, 1, -1, 0, 0, "panel400,300 flight scene "},
        {1, 0, 2, 0, 0, "flight scene "},   // a pulled-down menu takes the click
        {0, 0, -1, 1, 0, "scene "},         // paused: the scene still draws
        {0, 0, -1, 0, 3, "scene "},         // replaying
        {0, 0, -1, 1, 4, "scene "},
    };
    for (const Case& c : cases) {
        handed_on.clear();
        mnw.mx = 400, mnw.my = 300;
        mnw.mouse_clicked = c.clicked, mnw.delay_dragging = c.dragging, mnw.menu_up = c.menu_up;
        msc.paused = c.paused;
        set.replay_mode = c.replay;
        APPLICATION_update();
        EXPECT_EQ(handed_on, c.expected) << c.clicked << c.dragging << c.menu_up << c.paused << c.replay;
    }
}

namespace {
// In a fresh process: exits 0 when only the first of three frames opened the
// bare backdrop window, after its flight step and before its scene.
void three_first_frames()
{
    clear_flight_world();
    fixture_world(0);
    fixture_aircraft();
    fixture_atmosphere();
    set_fltvars(10);
    mnw.menu_up = -1;
    handed_on.clear();
    for (int k = 0; k < 3; ++k) APPLICATION_update();
    std::exit(handed_on == "flight window0 scene flight scene flight scene " ? 0 : 1);
}
} // namespace

TEST(DispatcherFirstFrame, BuildsThePanelOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(three_first_frames(), ::testing::ExitedWithCode(0), "");
}

TEST_F(DispatcherTest, IdentifierLookUp)
{
    env.navmax = 7;
    nav_type[5] = 3, strcpy(nav_id[5], "SAN");
    nav_type[6] = 2, strcpy(nav_id[6], "SAN");
    struct Case {
        const char* id;
        int type, found, index;
    } cases[] = {
        {"KTST", 1, 1, 0}, {"KABC", 1, 1, 1},  // the first of two
        {"KAB", 1, 0, -9}, {"SAN", 2, 1, 6}, {"SAN", 3, 1, 5}, {"SA", 3, 0, -9}, {"KTST", 3, 0, -9},
    };
    for (const Case& c : cases) {
        int index = -9;
        EXPECT_EQ(get_index_from_id(c.id, c.type, &index), c.found) << c.id << "/" << c.type;
        EXPECT_EQ(index, c.index) << c.id << "/" << c.type;
    }
}

TEST_F(DispatcherTest, ClosingTheAirportWindowGoesThere)
{
    strcpy(msc.apt_id_req, "KABC");
    msc.typestart = 9;
    process_zap(1);
    EXPECT_EQ(msc.loc_apt_wrl, 1);
    EXPECT_EQ(msc.typestart, 7);
    EXPECT_EQ(env.lat_sou, 35);   // the region centred on the airport
    EXPECT_EQ(env.lon_wes, -117);
    EXPECT_EQ(flt.psi, 180);
    EXPECT_NEAR(flt.Y, 100 + pln.h_eqlbm, 1e-3);

    // An unknown identifier: the notice, the window closed, nothing moved.
    strcpy(msc.apt_id_req, "KZZZ");
    mnw.topwin = 1;
    double x = flt.X;
    process_zap(1);
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(flt.X, x);
    EXPECT_EQ(msc.loc_apt_wrl, 1);
    ASSERT_EQ(flight_alerts.size(), 1u);
    EXPECT_EQ(flight_alerts[0], alert_text({"I could not find an airport with this ID anywhere in the country!",
                                            "Small airports (with a NUMBER for the first digit) are not simulated.",
                                            "There are still over 6,100 airports simulated by Korvan.", ""}));
}

TEST_F(DispatcherTest, ClosingTheLatitudeWindowStartsAtTheNearestAirport)
{
    env.lat_sou = 35, env.lon_wes = -117;  // centre 36, -115.5: airport 1
    msc.rway_sel = 3;
    process_zap(5);
    EXPECT_EQ(msc.loc_apt_wrl, 1);
    EXPECT_EQ(msc.rway_sel, 0);
    EXPECT_EQ(msc.typestart, 7);
    EXPECT_EQ(flt.psi, 180);
}

TEST_F(DispatcherTest, ClosingWindowsAppliesTheirEdits)
{
    // Weights: overweight gets the notice and the window closes.
    flt.m_total = 1000;
    mnw.topwin = 16;
    process_zap(16);
    EXPECT_EQ(mnw.topwin, 16);
    EXPECT_TRUE(flight_alerts.empty());
    flt.m_total = 1200;
    process_zap(16);
    EXPECT_EQ(mnw.topwin, 0);
    ASSERT_EQ(flight_alerts.size(), 1u);
    EXPECT_EQ(flight_alerts[0],
              alert_text({"Your total weight is above the maximum allowable weight for the airplane!",
                          "You will be breaking several Federal Aviation Regulations by flying this thing!",
                          "You SHOULD reduce your fuel or fixed load.", ""}));

    // Reliability windows repair what they list.
    memset(&rel, 0, sizeof rel);
    process_zap(18);
    EXPECT_EQ(rel.vacuum + rel.ss_asi + rel.ss_ahz + rel.ss_alt + rel.ss_tsi + rel.ss_dgy + rel.ss_vvi + rel.efis_1 +
                  rel.efis_2 + rel.radios,
              10);
    EXPECT_EQ(rel.engine[0], 0);
    set.gear_time[1] = 2;
    process_zap(19);
    EXPECT_EQ(rel.engine[3] + rel.oilpmp[2] + rel.lagear[1] + rel.trotor + rel.fc_thr + rel.symflp, 6);
    EXPECT_EQ(set.gear_time[1], 0);

    // Thermals drawn anew by their share.
    for (float share : {0.0f, 1.0f}) {
        atm.trml_prt = share;
        process_zap(12);
        int n = 0;
        for (int i = 0; i < GRID_I; ++i)
            for (int j = 0; j < GRID_J; ++j) n += atm.therm_on_poly[i][j];
        EXPECT_EQ(n, share == 0 ? 0 : GRID_I * GRID_J);
    }
}

TEST_F(DispatcherTest, FilingTheFlightPlan)
{
    strcpy(fpl.arr_id_str, "KXXX");
    process_zap(25);
    EXPECT_TRUE(ends_with(atc.response, "I am unable to find an airport with that identifier. You will need to "
                                        "file to an airport that I have in my computer."))
        << atc.response;
    EXPECT_EQ(fpl.onfile, 0);

    atc.response[0] = 0;
    atc.ils_vec_in_progress = 1;
    strcpy(fpl.arr_id_str, "KABC");
    process_zap(25);
    EXPECT_EQ(atc.plan_index, 2);  // the last of two
    EXPECT_EQ(atc.ils_vec_in_progress, 0);
    EXPECT_EQ(fpl.onfile, 1);
    EXPECT_STREQ(atc.response, "");

    fpl.activated = 1;
    process_zap(25);
    EXPECT_TRUE(ends_with(atc.response, "flight plan amended as requested.")) << atc.response;
}

TEST_F(DispatcherTest, ReplayInterpolatesAlongThePath)
{
    record(100, 5, 20);
    struct Case {
        int mode;
        float t0, t, X, vX;
    } cases[] = {
        {4, 21.5f, 21.55f, 15.5f, 10},
        {5, 21.5f, 21.75f, 17.5f, 50},
        {2, 21.5f, 21.45f, 14.5f, -10},
        {1, 21.5f, 21.25f, 12.5f, -50},
        {3, 21.5f, 21.5f, 15, 0},  // paused: put back on the path, standing still
    };
    for (const Case& c : cases) {
        set.replay_mode = c.mode;
        pat.time_play = c.t0;
        replay_step();
        EXPECT_NEAR(pat.time_play, c.t, 1e-5) << c.mode;
        EXPECT_NEAR(flt.X, c.X, 1e-3) << c.mode;
        EXPECT_NEAR(flt.vX, c.vX, 1e-2) << c.mode;
        EXPECT_EQ(flt.vY, 0);
        EXPECT_EQ(set.replay_mode, c.mode);
    }
    // Attitude: each angle the short way round.
    set.replay_mode = 3;
    pat.time_play = 22.5f;  // samples 2 and 3: psi 0 and 5
    replay_step();
    EXPECT_NEAR(flt.the, 2.5f, 1e-4);
    EXPECT_NEAR(flt.phi, -2.5f, 1e-4);
    EXPECT_NEAR(flt.psi, 2.5f, 1e-4);
    pat.time_play = 21.8f;  // samples 1 and 2: psi 355 and 0, through north
    replay_step();
    EXPECT_NEAR(flt.psi, 359, 1e-3);
}

TEST_F(DispatcherTest, ReplayStopsAtEitherEnd)
{
    record(100, 5, 20);
    flt.X = 777;
    set.replay_mode = 5;
    pat.time_play = 23.9f;
    replay_step();
    EXPECT_EQ(set.replay_mode, 3);
    EXPECT_EQ(pat.time_play, 23.9f);
    EXPECT_EQ(flt.X, 777);

    set.replay_mode = 1;
    pat.time_play = 20.1f;
    replay_step();
    EXPECT_EQ(set.replay_mode, 3);
    EXPECT_EQ(pat.time_play, 20.1f);
}

TEST_F(DispatcherTest, ReplayAcrossTheRingsEnd)
{
    record(PATH_SAMPLES - 2, 4, 50);  // samples 5998, 5999, 0, 1
    set.replay_mode = 3;
    pat.time_play = 51.5f;  // between 5999 and 0
    replay_step();
    EXPECT_NEAR(flt.X, 15, 1e-3);
    EXPECT_EQ(set.replay_mode, 3);
}

TEST_F(DispatcherTest, ReplayOfTwoSamplesAtOneTime)
{
    record(10, 4, 30);
    pat.xyztppt[12][6] = pat.xyztppt[11][6];  // samples 11 and 12 both at 31 s
    set.replay_mode = 3;
    pat.time_play = 31;
    replay_step();
    EXPECT_TRUE(std::isfinite(flt.X));
    EXPECT_TRUE(std::isfinite(flt.vX));
    EXPECT_NEAR(flt.X, 20, 1e-4);  // the last pair that holds the time
    EXPECT_EQ(flt.vX, 0);
}

TEST_F(DispatcherTest, EnteringAndLeavingReplayKeepsTheFlight)
{
    record(0, 5, 10);
    msc.elap_time = 14.06f;  // the clock runs on past the newest sample (14 s)
    flt.X = 1234567.891, flt.Y = 2345.678, flt.Z = -7654321.123;
    flt.vX = 12.3456789, flt.the = 3, flt.psi = 271, flt.phi = -4;
    enter_replay();
    EXPECT_EQ(set.replay_mode, 3);
    EXPECT_EQ(pat.time_play, 14);
    enter_replay();  // only from flight
    EXPECT_EQ(pat.time_play, 14);

    set.replay_mode = 2;
    for (int k = 0; k < 5; ++k) replay_step();
    EXPECT_NEAR(flt.X, 37.5, 1e-3);

    leave_replay();
    EXPECT_EQ(set.replay_mode, 0);
    EXPECT_EQ(flt.X, 1234567.891);
    EXPECT_EQ(flt.Y, 2345.678);
    EXPECT_EQ(flt.Z, -7654321.123);
    EXPECT_EQ(flt.vX, 12.3456789);
    EXPECT_EQ(flt.psi, 271);
    leave_replay();  // only from replay
    EXPECT_EQ(set.replay_mode, 0);
}

TEST_F(DispatcherTest, AStartBreaksTheRecordedPath)
{
    record(40, 5, 10);
    set_fltvars(10);
    EXPECT_EQ(pat.inited[44], 0);
    EXPECT_EQ(pat.inited[43], 1);
}
