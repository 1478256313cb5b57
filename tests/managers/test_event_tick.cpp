// The event tick: surface and gear motion, needles, Morse, storm level, wind.
#include "flight_fixture.h"
#include "manager_support.h"

#include "cockpit/cockpit_records.h"
#include "flight/flight_records.h"
#include "flight/timed_managers.h"
#include "shell/shell_records.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/world_records.h"

#include <cmath>

namespace {

struct EventTick : FlightTest {
    void SetUp() override
    {
        FlightTest::SetUp();
        played.clear();
        rel.fc_flp = rel.fc_slt = rel.esystem = 1;
        msc.elap_time = 1000;
    }
    void ticks(int n)
    {
        for (int k = 0; k < n; ++k) {
            msc.elap_time += 0.1f;
            mod_evt();
            msc.cntr10 = (msc.cntr10 + 1) % 10;
        }
    }
};

} // namespace

TEST_F(EventTick, FlapsSlatsAndTheirSound)
{
    pln.flapEQ = pln.slatEQ = 1;
    flt.flap = flt.slat = 0;
    flt.flaprqst = 1;
    ticks(10);   // one second
    EXPECT_NEAR(flt.flap, 0.25f, 1e-5);
    EXPECT_NEAR(flt.slat, 1, 1e-5);   // four times the flap ratio, clamped
    ticks(30);
    EXPECT_NEAR(flt.flap, 1, 1e-5);
    EXPECT_EQ(std::count(played.begin(), played.end(), 4), 1);   // the flap sound starts once

    // A failed flap system holds the flaps where they are.
    rel.fc_flp = 0;
    flt.flaprqst = 0;
    ticks(10);
    EXPECT_NEAR(flt.flap, 1, 1e-5);
}

TEST_F(EventTick, WingSweepTicks)
{
    pln.varsweepEQ[4] = pln.varsweepEQ[5] = 1;
    pln.sweep1[4] = pln.sweep1[5] = 20;
    pln.sweep2[4] = pln.sweep2[5] = 60;
    struct { float from, to; int ticks; } cases[] = {{0, 0.015f, 1}, {0, 0.5f, 25}, {1, 0.5f, 25}, {0.3f, 0.3f, 0}};
    for (auto& c : cases) {
        flt.swee = c.from;
        flt.sweerqst = c.to;
        int n = 0;
        while (flt.swee != c.to && n < 100) {
            ticks(1);
            ++n;
        }
        EXPECT_EQ(n, c.ticks) << c.from << " -> " << c.to;
    }
    EXPECT_NEAR(pln.sweepnow[4], 40, 1e-4);   // half way between the design sweeps
    EXPECT_NEAR(pln.sweepnow[6], pln.sweep1[6], 1e-6);
}

TEST_F(EventTick, GearTakesTheHandleAfterItsTime)
{
    pln.gear_retract = 1;
    for (int g = 0; g < 3; ++g) {
        pln.gear_stat[g] = 1;
        set.gear_time[g] = msc.elap_time + 0.5f + g;
    }
    set.gear_handle = 0;
    ticks(6);
    EXPECT_EQ(pln.gear_stat[0], 0);
    EXPECT_EQ(pln.gear_stat[1], 1);
    ticks(20);
    EXPECT_EQ(pln.gear_stat[2], 0);
}

TEST_F(EventTick, VorNeedleAndFlag)
{
    pln.supptype = 2;   // receiver 0 is not computed with this support instrument
    env.mvar = 0;
    nav.goodnav[1] = 1;
    nav.ilsgs[1] = 9;
    flt.X = 0;
    flt.Z = 0;
    // Station due north of the aircraft.
    nav.vorX[1] = 0;
    nav.vorZ[1] = -10000;
    struct { float obs, hdef; int ntf; } cases[] = {{0, 0, 1}, {4, -2, 1}, {30, -5, 1}, {180, 0, 2}, {176, -2, 2}};
    for (auto& c : cases) {
        nav.obs[1] = c.obs;
        ticks(1);
        EXPECT_NEAR(nav.hdef[1], c.hdef, 1e-3) << c.obs;
        EXPECT_EQ(nav.ntf[1], c.ntf) << c.obs;
    }
    nav.goodnav[1] = 0;
    ticks(1);
    EXPECT_EQ(nav.hdef[1], 0);
    EXPECT_EQ(nav.ntf[1], 0);
}

TEST_F(EventTick, MorseIdentifierPlaysItsLettersAndRepeats)
{
    nav.goodnav[1] = 1;
    nav.radout = 1;
    memcpy(nav.nav_id[1], "SEA ", 4);
    ticks(150);
    std::vector<int> tones;
    for (int s : played)
        if (s == 21 || s == 22) tones.push_back(s);
    // S E A: dot dot dot, dot, dot dash; ten seconds after it began it starts again.
    const std::vector<int> once = {21, 21, 21, 21, 21, 22};
    std::vector<int> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(tones, twice);

    // The audio selector on another receiver hears nothing.
    played.clear();
    nav.radout = 2;
    ticks(150);
    EXPECT_EQ(std::count(played.begin(), played.end(), 21) + std::count(played.begin(), played.end(), 22), 0);
}

TEST_F(EventTick, StormLevelStaysInsideTheField)
{
    for (auto& col : atm.wxr)
        for (float& v : col) v = 1;
    atm.rain_tstm = 5;
    atm.baseMSL = 0;
    atm.topsMSL = 10000;
    con.VIEW_xyz[1] = 0;
    flt.Y = 100;
    for (double x : {env.lox - 50000.0, (double)env.lox, (double)env.hix, env.hix + 50000.0})
        for (double z : {env.loz - 50000.0, (double)env.hiz, env.hiz + 50000.0}) {
            flt.X = x;
            flt.Z = z;
            ticks(1);
            EXPECT_NEAR(atm.level, 4, 1e-4);   // (5 - 1) over 25 cells of 1, fully below the deck's middle
        }
}

TEST_F(EventTick, CalmWindSettlesToTheReportedWind)
{
    atm.wnddir = 90;   // from the east
    atm.wndspd = 20;
    atm.shrspd = atm.shrdir = atm.tbl = 0;
    atm.burst_prob = 1;
    env.mvar = 0;
    flt.Y = 2000;
    env.localh_cg = 0;
    ticks(200);
    // Twenty knots at 2000 m scaled by the height factor interp(0 -> 1, 3000 -> 2).
    float expect = 20 * (1 + 2000.0f / 3000) * con.ktstomsc;
    EXPECT_NEAR(atm.wind_X, -expect, 0.01f);
    EXPECT_NEAR(atm.wind_Z, 0, 0.01f);
    EXPECT_EQ(atm.inshear, 0);
}
