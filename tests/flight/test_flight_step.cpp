// The flight step: ticks, frame period, atmosphere, engines, traffic, clocks,
// ships, the crash test and its restart.
#include "flight_fixture.h"

#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "platform/clock.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {
class FlightStepTest : public FlightTest {
protected:
    void SetUp() override
    {
        FlightTest::SetUp();
        load_trainer();
        settle();
    }

    // Starts at (60000, y, -80000) heading north at v: the custom start.
    void place(float y, float v)
    {
        set.cus_X = 60000, set.cus_Z = -80000, set.cus_Y = y, set.cus_v = v, set.cus_psi = 0;
        set_fltvars(10);
    }

    // Ten frames, so that the frame-period clock has its last reading; then
    // placed again with the period asked for.
    void settle(float prd = 0.05f, float y = 3000, float v = 50)
    {
        place(y, v);
        fly_frames(10);
        msc.prd = prd;
        place(y, v);
    }

    // Which of n frames ran the event tick and the second tick.
    void tick_frames(int n, std::vector<int>* evt, std::vector<int>* sec)
    {
        for (int k = 0; k < n; ++k) {
            int before = pat.cntr_record;
            atm.g = 0;
            fly_frames(1);
            if (pat.cntr_record != before) evt->push_back(k);
            if (atm.g != 0) sec->push_back(k);
        }
    }
};

std::vector<int> every(int step, int n)
{
    std::vector<int> v;
    for (int k = 0; k < n; k += step) v.push_back(k);
    return v;
}
} // namespace

TEST_F(FlightStepTest, EventAndSecondTicksAtSeveralFramePeriods)
{
    struct Case {
        float prd;
        int frames, evt_every, sec_every;
    } cases[] = {{0.05f, 60, 2, 20}, {0.11f, 35, 1, 10}, {0.02f, 120, 5, 50}, {0.001f, 300, 99, 990}};
    for (const Case& c : cases) {
        settle(c.prd);
        std::vector<int> evt, sec;
        tick_frames(c.frames, &evt, &sec);
        EXPECT_EQ(evt, every(c.evt_every, c.frames)) << c.prd;
        EXPECT_EQ(sec, every(c.sec_every, c.frames)) << c.prd;
        EXPECT_NEAR(msc.prd, c.prd, c.prd * 1e-2) << "the period held while real time kept pace";
    }
}

TEST_F(FlightStepTest, FramePeriodFollowsRealTime)
{
    struct Case {
        float prd, ratio, rtrat, new_prd;
    } cases[] = {
        {0.05f, 2, 2, 0.05f * std::sqrt(2.0f)},        // slow frames: by the square root
        {0.1f, 2, 2, 0.11f},                          // but never past 0.11
        {0.05f, 0.5f, 0.5f, 0.05f * std::pow(0.5f, 0.2f)},  // fast frames: by the fifth root
        {0.05f, 0, 0.2f, 0.05f * std::pow(0.2f, 0.2f)},     // at most by 0.2^0.2
        {0.04f, 9, 5, 0.04f * std::sqrt(5.0f)},
    };
    for (const Case& c : cases) {
        settle(c.prd);
        fly_frames(9, c.ratio);
        EXPECT_EQ(msc.prd, c.prd) << "adapted every tenth frame only";
        fly_frames(1, c.ratio);
        EXPECT_NEAR(msc.rtrat, c.rtrat, 1e-3) << c.ratio;
        EXPECT_NEAR(msc.prd, c.new_prd, 1e-4) << c.ratio;
    }
}

TEST_F(FlightStepTest, FramePeriodNeverReachesZero)
{
    // A frame loop faster than the clock can tell.
    fly_frames(400, 0);
    EXPECT_FLOAT_EQ(msc.prd, 0.001f);
    EXPECT_FLOAT_EQ(msc.rtrat, 0.2f);
    EXPECT_TRUE(std::isfinite(flt.Y));
}

namespace {
// In a fresh process: exits 0 when the run's first adaptation measured no
// time and so shrank the period by 0.2^0.2.
void first_adaptation_of_the_run()
{
    clear_flight_world();
    fixture_world(0);
    fixture_atmosphere();
    load_trainer();
    set.cus_X = 60000;
    set.cus_Z = -80000;
    set.cus_Y = 3000;
    set.cus_v = 50;
    set_fltvars(10);
    fly_frames(10, 1);
    std::exit(std::fabs(msc.prd - 0.05f * std::pow(0.2f, 0.2f)) < 1e-5f ? 0 : 1);
}
} // namespace

TEST(FlightStepFirstRun, FirstAdaptationMeasuresNoTime)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(first_adaptation_of_the_run(), ::testing::ExitedWithCode(0), "");
}

TEST_F(FlightStepTest, AtmosphereFromTheDensityTable)
{
    fixture_world(-1000);  // low ground, so that every height here is flown
    double rho_sl = 0.0023769 * con.endtomed;
    double rho_10k = 0.001756 * con.endtomed;
    double ft = con.fttomtrs;
    double shift = -0.02 * 5 / 9.0;  // 59 F is 0.02 F under the standard day
    struct Case {
        double Y;
        float temp_SL;
        double table_rho, T;
    } cases[] = {
        {0, 59, rho_sl, 288.15 + shift},
        {5000 * ft, 59, (rho_sl + rho_10k) / 2, 288.15 + (216.65 - 288.15) * 5000 / 36152 + shift},
        {10000 * ft, 59, rho_10k, 288.15 + (216.65 - 288.15) * 10000 / 36152 + shift},
        {-100, 59, rho_sl, 288.15 + (216.65 - 288.15) * (-100 / ft) / 36152 + shift},  // below the table
        {60000 * ft, 59, 0.0002256 * con.endtomed, 216.65 + shift},
        {300000 * ft, 59, 0, 180.65 + shift},                                        // above it
        {0, 100, rho_sl, 288.15 + (100 - 59.02) * 5 / 9.0},                           // a hot day
    };
    for (const Case& c : cases) {
        set.cus_X = 60000, set.cus_Z = -80000, set.cus_Y = (float)c.Y, set.cus_v = 0;
        set_fltvars(10);
        atm.temp_SL = c.temp_SL;
        ASSERT_NEAR(flt.Y, c.Y, 0.01);
        fly_frames(1);
        double rho = c.table_rho * 518.69 / (c.temp_SL + 459.67);
        EXPECT_NEAR(atm.rho, rho, rho * 2e-3 + 1e-9) << c.Y;
        EXPECT_NEAR(atm.T, c.T, 0.02) << c.Y;
        EXPECT_NEAR(atm.a, std::sqrt(401.8 * c.T), 0.05) << c.Y;
        EXPECT_NEAR(atm.crtsig, atm.rho / 1.225f, 1e-6);
    }
}

TEST_F(FlightStepTest, MixtureFuelFlowAndThrottleLag)
{
    struct Case {
        int entype;
        float mixt, thro;
        float powr, temp;
    } cases[] = {
        // At sea level: best mixture 0.7, cut-off 0.6 (the density ratio
        // of the ground is within 0.1 % of 1: 0.5 % here).
        {1, 1.0f, 0.25f, 0.97f, 0.2f},   // rich of best: a little power, much temperature
        {1, 0.7f, 0.25f, 1.0f, 0.5f},    // best mixture at sea level
        {2, 0.65f, 1.0f, 0.75f, 0.75f},  // lean of best
        {1, 0.55f, 1.0f, 0, 0},          // past cut-off
        {3, 0.6f, 1.0f, 1, 0},           // turbines: on or off
        {4, 0.4f, 1.0f, 0, 0},
    };
    place(0, 0);
    for (const Case& c : cases) {
        pln.entype = c.entype;
        flt.mixt[0] = c.mixt;
        flt.thro[0] = flt.throrqst[0] = c.thro;
        flt.mixt_temp_rat[0] = 0;
        fly_frames(1);
        EXPECT_NEAR(flt.mixt_powr_rat[0], c.powr, 0.01f) << c.entype << "/" << c.mixt;
        if (c.entype <= 2) {
            EXPECT_NEAR(flt.mixt_temp_rat[0], c.temp, 0.01f) << c.mixt;
        }
    }

    pln.entype = 1;
    flt.eng_running[0] = 0;
    flt.power[0] = 60000;
    fly_frames(1);
    EXPECT_EQ(flt.ff_[0], 0);

    // The throttle follows its lever with a lag, until its run fails.
    flt.thro[0] = 0;
    flt.throrqst[0] = 1;
    fly_frames(1);
    EXPECT_NEAR(flt.thro[0], 0.05f, 1e-5);
    rel.fc_thr = 0;
    fly_frames(1);
    EXPECT_NEAR(flt.thro[0], 0.05f, 1e-5);
}

TEST_F(FlightStepTest, GroundEffect)
{
    place(0, 0);
    flt.CDIgrndeffect[8] = 0.42f;  // the trainer has no third wing: it keeps its values
    ASSERT_FALSE(have_this_part(8));
    float y = (float)flt.Y;
    fly_frames(1);
    for (int p : {4, 5, 10, 11}) {
        ASSERT_TRUE(have_this_part(p)) << p;
        // The root's height over the ground, in semi-spans.
        float h = (y + pln.Yarm[p] * flt.costhe - pln.Zarm[p] * flt.sinthe) / pln.semilen[p];
        EXPECT_NEAR(flt.CDIgrndeffect[p], (64 * h * h) / (1 + 64 * h * h), 0.01f) << p;
        EXPECT_NEAR(flt.CL_grndeffect[p], 1 + 0.25f * std::pow(1 - fltlim(h / 2, 0, 1), 2.0f), 0.01f) << p;
        EXPECT_GT(flt.CL_grndeffect[p], 1) << p;
    }
    EXPECT_EQ(flt.CDIgrndeffect[8], 0.42f);

    place(800, 50);
    fly_frames(1);
    EXPECT_GT(flt.CDIgrndeffect[5], 0.999f);
    EXPECT_EQ(flt.CL_grndeffect[5], 1);
}

TEST_F(FlightStepTest, TrafficMovesClimbsAndComesBack)
{
    fly_frames(1);
    float* near = traf_xyzvh[0];
    near[0] = (float)flt.X + 1000, near[1] = 100, near[2] = (float)flt.Z, near[3] = 80, near[4] = 90;
    float* far = traf_xyzvh[1];
    far[0] = 1e9f, far[1] = 5000, far[2] = -1e9f, far[3] = 80, far[4] = 359.9f;
    float x0 = near[0];
    fly_frames(1);
    EXPECT_NEAR(near[0], x0 + 80 * 0.05f, 1e-2);
    EXPECT_NEAR(near[1], 100 + 2 * 0.05f, 1e-4);  // under 500 m above the ground
    EXPECT_LE(std::fabs(far[0] - (float)flt.X), 60001);
    EXPECT_LE(std::fabs(far[2] - (float)flt.Z), 60001);
}

TEST_F(FlightStepTest, ZuluTimeByOneRuleBothWays)
{
    struct Case {
        float locl, lon, zulu;
    } cases[] = {
        {43200, -118, 68400},  // UTC-8, one hour back
        {1000, 150, 47800},    // across midnight
        {80000, -30, 83600},
        {3600, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(zulu_with_locl(c.locl, c.lon), c.zulu) << c.lon;
        EXPECT_FLOAT_EQ(locl_with_zulu(c.zulu, c.lon), c.locl) << c.lon;
    }
    flt.lon = -118;
    msc.locl_time = 43200;
    fly_frames(1);
    EXPECT_NEAR(msc.locl_time, 43200.05f, 1e-3);
    EXPECT_FLOAT_EQ(msc.zulu_time, zulu_with_locl(msc.locl_time, -118));
}

TEST_F(FlightStepTest, Clocks)
{
    struct Case {
        float locl;
        int below, above;
        float vis_nm;
        int night, ifr;
    } cases[] = {
        {19 * 3600, 1, 0, 7, 0, 0},    // 19:00 is still day
        {20 * 3600, 1, 0, 7, 1, 0},
        {5 * 3600, 1, 0, 7, 0, 0},
        {4.9f * 3600, 1, 0, 7, 1, 0},
        {12 * 3600, 1, 0, 2, 0, 1},    // below the bases in poor visibility
        {12 * 3600, 0, 0, 7, 0, 1},    // in cloud
        {12 * 3600, 0, 1, 2, 0, 0},    // above the tops
    };
    for (const Case& c : cases) {
        msc.locl_time = c.locl;
        msc.nigt_time = msc.aifr_time = 0;
        scn.belowbases = c.below, scn.abovetops = c.above;
        atm.vis_rep = c.vis_nm * con.nmtomtrs;
        fly_frames(1);
        EXPECT_NEAR(msc.nigt_time, c.night ? 0.05f : 0, 1e-5) << c.locl;
        EXPECT_NEAR(msc.aifr_time, c.ifr ? 0.05f : 0, 1e-5) << c.below << c.above << c.vis_nm;
    }
    msc.timer_running = 1;
    msc.timr_time = 3599.99f;
    msc.elap_time = 86399.99f;
    fly_frames(1);
    EXPECT_NEAR(msc.timr_time, 0.04f, 1e-3);
    EXPECT_NEAR(msc.elap_time, 0.04f, 1e-2);
}

TEST_F(FlightStepTest, ShipDecksMoveWithSimulatedTime)
{
    atm.wave_amp = 2;
    float the, phi;
    msc.init_time = 1.3f;
    EXPECT_NEAR(the_dot_now(&the, 18), 2 * std::cos(1.3f), 1e-5);
    EXPECT_NEAR(the, 2 * std::sin(1.3f), 1e-5);
    EXPECT_NEAR(phi_dot_now(&phi, 18), 4 * std::cos(1.3f), 1e-5);
    EXPECT_NEAR(phi, 4 * std::sin(1.3f), 1e-5);
    EXPECT_NEAR(the_dot_now(&the, 16), 0.6f * 0.3f * std::cos(0.39f), 1e-5);
    EXPECT_NEAR(the, 0.6f * std::sin(0.39f), 1e-5);
    EXPECT_NEAR(phi_dot_now(&phi, 16), 2 * 0.3f * std::cos(0.39f), 1e-5);
    EXPECT_NEAR(phi, 2 * std::sin(0.39f), 1e-5);

    // Two half-steps a frame: the decks stand as at the second.
    set_fltvars(10);
    fly_frames(1);
    EXPECT_FLOAT_EQ(msc.init_time, 0.05f);
    EXPECT_NEAR(env.carr_phi, 2 * std::sin(0.3f * 0.05f), 1e-6);
    EXPECT_NEAR(env.frig_the_dot, 2 * std::cos(0.05f), 1e-5);
}

TEST_F(FlightStepTest, OneForceDumpPerRequest)
{
    set.cycoutwaiting = 1;
    fly_frames(1);
    EXPECT_EQ(set.cycout, 0);
    EXPECT_EQ(set.cycoutwaiting, 0);
}

TEST_F(FlightStepTest, BankOfTheFlightPath)
{
    struct Case {
        float hpath, psi, phi, the, sin_path, cos_path;
    } cases[] = {
        {10, 0, 20, 0, std::sin(20 * (float)M_PI / 180), std::cos(20 * (float)M_PI / 180)},
        {180, 0, 10, 5, std::sin(190 * (float)M_PI / 180), std::cos(190 * (float)M_PI / 180)},  // backwards
        {180, 0, 10, -5, std::sin(190 * (float)M_PI / 180), -std::cos(190 * (float)M_PI / 180)},
        {350, 10, 20, 0, std::sin(20 * (float)M_PI / 180), std::cos(20 * (float)M_PI / 180)},  // across north
    };
    for (const Case& c : cases) {
        set.cus_Y = 2000;
        set.cus_psi = c.psi;
        set_fltvars(10);
        flt.hpath = c.hpath;
        flt.phi = c.phi, flt.the = c.the;
        flt.sinphi = std::sin(c.phi * con.degtorad), flt.cosphi = std::cos(c.phi * con.degtorad);
        fly_frames(1);
        EXPECT_NEAR(flt.sinphi_path, c.sin_path, 1e-5) << c.hpath << "/" << c.psi;
        EXPECT_NEAR(flt.cosphi_path, c.cos_path, 1e-5) << c.hpath << "/" << c.psi;
    }
}

TEST_F(FlightStepTest, CrashTest)
{
    struct Case {
        int heli, onground;
        float vY, phi, the;
        int crashed;
    } cases[] = {
        {0, 1, -25, 0, 0, 0},        // -25 m/s exactly is a landing
        {0, 1, -25.01f, 0, 0, 1},
        {0, 0, -60, 0, 0, 0},        // nothing happens in the air
        {0, 1, 0, 120, 0, 0},
        {0, 1, 0, -121, 0, 1},
        {0, 1, 0, 0, 121, 1},
        {1, 1, 0, 46, 0, 1},         // a helicopter tips over sooner
        {1, 1, 0, 0, -45, 0},
        {1, 1, 0, 0, -45.5f, 1},
    };
    for (const Case& c : cases) {
        pln.is_heli = c.heli;
        flt.onground = c.onground;
        flt.vY = c.vY, flt.phi = c.phi, flt.the = c.the;
        EXPECT_EQ(crashed(), c.crashed) << c.heli << "/" << c.vY << "/" << c.phi << "/" << c.the;
    }
}

TEST_F(FlightStepTest, CrashRestartsOnTheRunwayAfterItsNotices)
{
    // An airport to restart at.
    env.aptmax = 0;
    apt_lat[0][0] = 35, apt_lon[0][0] = -116.5f;
    apt_hdng[0][0] = 90, apt_len[0][0] = 2000, apt_h[0] = 0;
    msc.loc_apt_wrl = 0, msc.rway_sel = 0, msc.typestart = 9;

    // On its back on the ground, iced up, with the vacuum gone.
    place(0, 0);
    flt.Y = 0.3;
    flt.phi = 150;
    flt.sinphi = std::sin(150 * con.degtorad), flt.cosphi = std::cos(150 * con.degtorad);
    msc.frame_ice = 0.2f;
    msc.carb_ice[2] = 0.5f;
    rel.vacuum = 0;
    long t0 = plat_clock_ms();
    fly_frames(1);
    EXPECT_GE(plat_clock_ms() - t0, 4000);

    ASSERT_EQ(flight_alerts.size(), 3u);
    EXPECT_EQ(flight_alerts[0], alert_text({"The aircraft was carrying ice at time of impact.",
                                            "You have to keep out of the clouds between 0 and 32 deg F.",
                                            "There is a thermometer in the upper-right hand corner of the screen.",
                                            ""}));
    EXPECT_EQ(flight_alerts[1],
              alert_text({"The aircraft was carrying carb ice at time of impact.",
                          "You have to use carb heat when at low power in these weather conditions.",
                          "Use carb heat on carburated engines when operating with engine RPM below the green arc.",
                          ""}));
    EXPECT_EQ(flight_alerts[2],
              alert_text({"Your vacuum system had failed before impact.", "You have to keep a cross-check going.",
                          "The rest of the airplane was in one piece until you buried it.",
                          "Korvan features realistic gyro spin-down effects, including gyro sluggishness and tumble."}));

    // Restarted for take-off on the runway, everything repaired.
    EXPECT_EQ(msc.typestart, 7);
    EXPECT_EQ(flt.phi, 0);
    EXPECT_EQ(flt.psi, 90);
    EXPECT_EQ(rel.vacuum, 1);
    EXPECT_EQ(msc.frame_ice, 0);
    EXPECT_NEAR(flt.Y, pln.h_eqlbm, 1e-4);
}

TEST_F(FlightStepTest, StateThatIsNoLongerANumberCrashesAndRestarts)
{
    env.aptmax = 0;
    apt_lat[0][0] = 35, apt_lon[0][0] = -116.5f;
    apt_hdng[0][0] = 90, apt_len[0][0] = 2000, apt_h[0] = 0;
    msc.loc_apt_wrl = 0, msc.rway_sel = 0, msc.typestart = 9;

    place(0, 0);
    flt.vX = std::nan("");
    EXPECT_EQ(crashed(), 1);
    fly_frames(1);
    EXPECT_EQ(msc.typestart, 7);
    for (double v : {flt.X, flt.Y, flt.Z, flt.vX, flt.vY, flt.vZ}) EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(crashed(), 0);
}

TEST_F(FlightStepTest, ParkedAircraftStaysPutAndFinite)
{
    place(0, 0);
    double x = flt.X, y = flt.Y, z = flt.Z;
    fly_frames(200);
    EXPECT_NEAR(flt.X, x, 1.0);
    EXPECT_NEAR(flt.Z, z, 1.0);
    EXPECT_NEAR(flt.Y, y, 1.0);
    for (float f : {flt.Alpha, flt.Beta, flt.hpath, flt.vpath, flt.the, flt.phi, flt.psi, flt.aY})
        EXPECT_TRUE(std::isfinite(f));
    EXPECT_TRUE(flight_alerts.empty());
}
