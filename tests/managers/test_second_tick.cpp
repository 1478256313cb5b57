// The second tick: callouts, fuel, gravity, real weather, warnings, failures,
// and an hour of flight with every manager live.
#include "flight_fixture.h"
#include "manager_support.h"

#include "records/cockpit_state.h"
#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "flight/timed_managers.h"
#include "records/settings_and_recordings.h"
#include "shell/toolkit_variant.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

// The terrain textures asked for (OGL_texbmp is wrapped): number and the
// file name read for it at that moment.
static std::map<int, std::string> textures_read;

extern "C" int __wrap__Z10OGL_texbmpiiiPKc(int type, int number, int, const char* name)
{
    if (type == TEX_FROM_FOLDER && number >= 15 && number <= 26) textures_read[number] = texture_file_name(number, name);
    return 1;
}

namespace {

struct SecondTick : FlightTest {
    void SetUp() override
    {
        FlightTest::SetUp();
        played.clear();
        rel.esystem = 1;
        for (int i = 0; i < 32; ++i) rel.fail_type[i] = 1;   // none fails
        msc.elap_time = 100;
        copy_bounded(app_path, (testing::TempDir() + "korvan_no_weather/").c_str(), 400);
    }
    void second(float dt = 1)
    {
        msc.elap_time += dt;
        mod_sec();
    }
    int count_alerts(const std::string& start)
    {
        int n = 0;
        for (const std::string& a : flight_alerts) n += a.rfind(start, 0) == 0;
        return n;
    }
};

} // namespace

TEST_F(SecondTick, ReceiversRetunedEveryFifthSecond)
{
    rel.radios = 1;
    pln.supptype = 1;
    flt.lat = 35;
    flt.lon = -116.5f;
    env.navmax = 1;
    for (int n = 0; n < 2; ++n) {
        nav_type[n] = 3;
        nav_lat[n] = 35.1f;
        nav_lon[n] = -116.5f + 0.1f * n;
        nav_f12[n] = 11390 + 10 * n;
    }
    copy_bounded(nav_id[0], "ONE", 5);
    copy_bounded(nav_id[1], "TWO", 5);
    nav.nf[0] = 11390;
    nav.nf[1] = 11400;
    int calls = 0;
    while (!nav.goodnav[0] && calls < 5) {
        second();
        ++calls;
    }
    ASSERT_EQ(nav.goodnav[0], 1);
    EXPECT_EQ(nav.goodnav[1], 1);   // both receivers at the same second
    // The next search is five seconds later.
    nav.nf[0] = 11400;
    for (int k = 0; k < 4; ++k) second();
    EXPECT_EQ(std::string(nav.nav_id[0], 3), "ONE");
    second();
    EXPECT_EQ(std::string(nav.nav_id[0], 3), "TWO");
}

TEST_F(SecondTick, GroundProximityCallouts)
{
    pln.bitchinbettyEQ = 1;
    msc.warn_bb = 1;
    pln.mgearY = pln.mgearZ = 0;
    flt.costhe = 1;
    env.localh_cg = 0;
    pln.Vfe = 100;
    struct { float h_ft, fpm; int gear; float kt; int sound; } cases[] = {
        {2000, -4500, 1, 120, 11},   // sink rate: the limit at 2000 ft is -4200
        {2000, -6500, 1, 120, 12},   // pull up: the limit there is -5900
        {400, -300, 0, 80, 13},      // gear up, low, slow and descending
        {400, -300, 1, 80, -1},
        {3000, -9000, 1, 120, -1},   // above 2500 ft nothing is said
    };
    for (auto& c : cases) {
        played.clear();
        flt.Y = c.h_ft * con.fttomtrs;
        flt.vY = c.fpm * con.fpmtomsc;
        set.gear_handle = c.gear;
        flt.vind = c.kt;
        second(3);
        int said = -1;
        for (int s : played)
            if (s >= 11 && s <= 13) said = s;
        EXPECT_EQ(said, c.sound) << c.h_ft << " ft " << c.fpm << " ft/min";
    }

    // Passing 50, 25 and 10 ft: each call once.
    played.clear();
    flt.vY = 0;
    for (float h : {60.0f, 40.0f, 30.0f, 20.0f, 15.0f, 5.0f, 4.0f}) {
        flt.Y = h * con.fttomtrs;
        second(3);
    }
    std::vector<int> calls;
    for (int s : played)
        if (s >= 18 && s <= 20) calls.push_back(s);
    EXPECT_EQ(calls, (std::vector<int>{18, 19, 20}));
}

TEST_F(SecondTick, FuelBurnGravityAndEngines)
{
    pln.numen = 1;
    rel.engine[0] = 1;
    flt.mixt_powr_rat[0] = 1;
    flt.m_fuel = 50;
    flt.ff_[0] = 0.02f;
    second();
    float before = flt.m_fuel;
    second(10);
    EXPECT_NEAR(flt.m_fuel, before - 0.2f, 1e-4);
    EXPECT_EQ(flt.eng_running[0], 1);

    flt.Y = 0;
    second();
    EXPECT_NEAR(atm.g, con.muearth / (con.rearth * con.rearth), 1e-4);
    flt.Y = 10000;
    second();
    EXPECT_LT(atm.g, con.muearth / (con.rearth * con.rearth) - 0.02f);

    // Out of fuel the engine stops.
    flt.ff_[0] = 100;
    second();
    EXPECT_EQ(flt.m_fuel, 0);
    EXPECT_EQ(flt.eng_running[0], 0);
}

TEST_F(SecondTick, RealWeatherFromTheFileWithOneNotice)
{
    std::string dir = testing::TempDir() + "korvan_rwk_" + std::to_string(getpid()) + "/";
    std::string cmd = "mkdir -p '" + dir + "'";
    ASSERT_EQ(system(cmd.c_str()), 0);
    FILE* f = fopen((dir + "WORLD.RWK").c_str(), "wb");
    fputs("KFAR SA 1200 CLR 10 80/70/0505/001\r\nKTST SA 1755 25 SCT 40 OVC 7 R- 50/45/2710G18/992\r\n", f);
    fclose(f);
    copy_bounded(app_path, dir.c_str(), 400);
    memset(apt_inreg, 0, sizeof apt_inreg);
    env.aptmax = 1;
    strcpy(apt_id[0], "KTST");
    strcpy(apt_id[1], "KFAR");
    apt_lat[0][0] = 34.5f, apt_lon[0][0] = -117.5f, apt_h[0] = 100;
    apt_lat[1][0] = 35.9f, apt_lon[1][0] = -116.1f;
    apt_inreg[0] = apt_inreg[1] = 1;
    flt.lat = 34.4f;
    flt.lon = -117.4f;
    atm.baseMSL = 3000;
    atm.topsMSL = 6000;
    atm.vis_rep = 10000;

    second();
    EXPECT_FLOAT_EQ(msc.zulu_time, 64500);
    EXPECT_FLOAT_EQ(atm.temp_SL, 50);
    EXPECT_FLOAT_EQ(atm.dewp_SL, 45);
    EXPECT_FLOAT_EQ(atm.wnddir, 270);
    EXPECT_FLOAT_EQ(atm.wndspd, 10);
    EXPECT_FLOAT_EQ(atm.shrspd, 8);
    EXPECT_FLOAT_EQ(atm.shrdir, 16);
    EXPECT_NEAR(atm.tbl, 2.6f, 1e-5);
    EXPECT_NEAR(atm.baro, 29.92f, 1e-4);
    EXPECT_EQ(atm.cld_type, 1);
    EXPECT_EQ(count_alerts("I have detected the file 'WORLD.RWK'"), 1);
    // Local time: universal time plus (lon / 15 + 3) hours.
    EXPECT_NEAR(msc.locl_time, std::fmod(64500 + (-117.4f / 15 + 3) * 3600 + 86400, 86400), 1);

    // The base moves toward the report (4000 ft over the station) 1 % a second.
    float target = 4000 * con.fttomtrs + 100, base = atm.baseMSL;
    second();
    EXPECT_NEAR(atm.baseMSL, base + 0.01f * (target - base), 0.5f);
    for (int s = 0; s < 130; ++s) second();
    flt.lat = 35.2f;   // a new whole degree reads again at once
    second();
    EXPECT_EQ(count_alerts("I have detected the file 'WORLD.RWK'"), 1);
    system(("rm -rf '" + dir + "'").c_str());
}

TEST_F(SecondTick, OverspeedComparesKnotsWithKnots)
{
    msc.warn_overspeed = msc.warn_flaps = 1;
    pln.Vne = 160;
    pln.Vfe = 90;
    pln.asi_units = 1;
    flt.vind = 170;   // 1.06 Vne: below the limit whatever the dial shows
    second();
    EXPECT_EQ(flt.over_vne, 0);
    flt.vind = 180;
    second();
    second();
    EXPECT_EQ(flt.over_vne, 1);
    EXPECT_EQ(count_alerts("You just busted the redline speed."), 1);

    flt.vind = 100;
    flt.flaprqst = 0.5f;
    second();
    second();
    EXPECT_EQ(flt.over_vfe, 1);
    EXPECT_EQ(count_alerts("You just extended the flaps above Vfe."), 1);
    flt.flaprqst = 0;
    second();
    EXPECT_EQ(flt.over_vfe, 0);
}

TEST_F(SecondTick, FrameRateWarningOnceAndVisibilityGivesWay)
{
    msc.warn_frame = 1;
    atm.vis_mult = 1;
    msc.prd = 0.2f;
    for (int s = 0; s < 60; ++s) second();
    EXPECT_EQ(count_alerts("Warning: The simulator is running too slow"), 1);
    EXPECT_NEAR(atm.vis_mult, 0.15f, 0.01f);
    msc.prd = 0.02f;
    for (int s = 0; s < 200; ++s) second();
    EXPECT_GT(atm.vis_mult, 0.98f);
    EXPECT_LT(atm.vis_mult, 1.01f);
}

TEST_F(SecondTick, InoperativeItemFailsWithCaution)
{
    pln.ecam = 1;
    rel.fc_ail = rel.fc_elv = 1;
    rel.fail_type[11] = 3;
    second();
    EXPECT_EQ(rel.fc_ail, 0);
    EXPECT_EQ(rel.fc_elv, 1);
    EXPECT_NE(std::find(played.begin(), played.end(), 17), played.end());
    EXPECT_EQ(ins.ecam_mode, 7);

    // The vacuum's attitude errors fall outside +-10 degrees.
    pln.paneltype = 1;
    rel.vacuum = 1;
    rel.fail_type[0] = 3;
    second();
    EXPECT_EQ(rel.vacuum, 0);
    EXPECT_GE(std::fabs(rel.the_fail_err), 10);
    EXPECT_GE(std::fabs(rel.phi_fail_err), 10);
    EXPECT_FLOAT_EQ(rel.vac_death_time, msc.elap_time);
}

TEST(ManagersLive, AnHourOfStormyFlightStaysFinite)
{
    clear_flight_world();
    fixture_world(0);
    fixture_atmosphere();
    load_trainer();
    toolkit_srand(5);
    // A runway in the window for the restarts after a crash.
    apt_lat[0][0] = 35;
    apt_lon[0][0] = -116.5f;
    apt_len[0][0] = 3000;
    apt_width[0][0] = 45;
    apt_h[0] = 0;
    env.aptmax = 0;
    msc.loc_apt_wrl = 0;
    msc.rway_sel = 0;
    set.cus_X = 60000;
    set.cus_Z = -80000;
    set.cus_Y = 1500;
    set.cus_v = 50;
    set_fltvars(10);
    for (int i = 0; i < 32; ++i) {
        rel.fail_type[i] = 2;
        rel.fail_time_max[i] = 0.2f;
    }
    for (auto& col : atm.wxr)
        for (float& v : col) v = 0.8f;
    atm.temp_SL = 70;
    atm.rain_tstm = atm.burst_prob = atm.wind_tbl = 5;
    atm.cld_type = 1;
    atm.baseMSL = 600;
    atm.topsMSL = 9000;
    atm.wndspd = 30;
    atm.shrspd = 20;
    atm.shrdir = 90;
    atm.tbl = 5;
    atm.rate_change = -5;
    pln.bitchinbettyEQ = msc.warn_bb = 1;
    msc.prd = 0.05f;
    int failed = 0;
    for (int k = 0; k < 72000; ++k) {
        fly_frames(1);
        failed |= !rel.fc_ail;
        if (k % 600 == 0) {
            for (double v : {flt.X, flt.Y, flt.Z, flt.vX, flt.vY, flt.vZ})
                ASSERT_TRUE(std::isfinite(v)) << "frame " << k;
            for (float v : {flt.the, flt.psi, flt.phi, atm.wind_X, atm.wind_Y, atm.wind_Z, atm.level, atm.g,
                            msc.frame_ice, rel.hyd_rat, rel.oil_rat, atm.baseMSL, atm.topsMSL, atm.vis_rep})
                ASSERT_TRUE(std::isfinite(v)) << "frame " << k;
        }
    }
    EXPECT_EQ(failed, 1);   // failures did happen
}

// The second tick reloads the terrain textures exactly when the names they
// are read under change: south of the equator as north of it, and not at
// 32 F itself, where nothing turns to snow yet.
TEST_F(SecondTick, TerrainTexturesReloadWhenTheirNamesChange)
{
    ogl_ready = 1;
    atm.temp_SL = 59;
    flt.lat = 45;
    second();   // the first second loads everything
    const struct {
        float temp, lat;
        const char *water, *grass;   // as read, or nullptr when nothing is reloaded
    } steps[] = {
        {59, -45, nullptr, nullptr},  {59, -20, "car", "grs"},  {59, 20, nullptr, nullptr},
        {59, -29.9f, nullptr, nullptr}, {33, -20, nullptr, nullptr}, {32, -20, nullptr, nullptr},
        {31.9f, -20, "car", "sno"},   {31.9f, -45, "wat", "sno"}, {40, -45, "wat", "grs"},
    };
    for (const auto& c : steps) {
        textures_read.clear();
        atm.temp_SL = c.temp;
        flt.lat = c.lat;
        second();
        SCOPED_TRACE(std::to_string(c.temp) + " F, latitude " + std::to_string(c.lat));
        if (!c.water) {
            EXPECT_TRUE(textures_read.empty());
            continue;
        }
        EXPECT_EQ(textures_read.size(), 12u);
        EXPECT_EQ(textures_read[15], c.water);
        EXPECT_EQ(textures_read[19], c.grass);
    }
    ogl_ready = 0;
}
