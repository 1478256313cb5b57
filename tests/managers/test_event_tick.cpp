// The event tick: surface and gear motion, needles, Morse, storm level, wind.
#include "flight_fixture.h"
#include "manager_support.h"

#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "toolkit/HL_MNW.h"
#include "records/flight_state.h"
#include "flight/timed_managers.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {

struct EventTick : FlightTest {
    void SetUp() override
    {
        FlightTest::SetUp();
        played.clear();
        played_at.clear();
        end_morse_id();
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

namespace {

// The Morse tones since the last clear, with the times they were started.
struct tone {
    int sound;
    float at;
};

std::vector<tone> morse_tones()
{
    std::vector<tone> out;
    for (size_t k = 0; k < played.size(); ++k)
        if (played[k] == 21 || played[k] == 22) out.push_back({played[k], played_at[k]});
    return out;
}

std::vector<int> sounds_of(const std::vector<tone>& tones)
{
    std::vector<int> out;
    for (auto& t : tones) out.push_back(t.sound);
    return out;
}

const std::vector<int> SEA = {21, 21, 21, 21, 21, 22};

} // namespace

TEST_F(EventTick, MorsePlayerHearsTheSelectedReceiver)
{
    for (int r : {0, 1, 4}) nav.goodnav[r] = 1;
    memcpy(nav.nav_id[0], "E\0\0\0", 4);
    memcpy(nav.nav_id[1], "SEA ", 4);
    memcpy(nav.nav_id[4], "T\0\0\0", 4);
    struct {
        int radout;
        std::vector<int> tones;
    } cases[] = {{0, {21}}, {1, SEA}, {4, {22}}, {2, {}}, {3, {}}};
    for (auto& c : cases) {
        ticks(101);   // whatever was keying has run out
        played.clear();
        played_at.clear();
        nav.radout = c.radout;
        ticks(99);
        EXPECT_EQ(sounds_of(morse_tones()), c.tones) << "radout " << c.radout;
    }
    // A lost station is not keyed.
    ticks(101);
    nav.radout = 1;
    nav.goodnav[1] = 0;
    played.clear();
    ticks(99);
    EXPECT_TRUE(morse_tones().empty());
}

TEST_F(EventTick, MorseIdentifierKeepsTimeAndRepeatsAfterTenSeconds)
{
    nav.goodnav[1] = 1;
    nav.radout = 1;
    memcpy(nav.nav_id[1], "SEA ", 4);
    ticks(1);   // the schedule starts at this tick
    float start = msc.elap_time;
    ticks(150);
    std::vector<tone> t = morse_tones();
    std::vector<int> twice = SEA;
    twice.insert(twice.end(), SEA.begin(), SEA.end());
    ASSERT_EQ(sounds_of(t), twice);
    // Each element sounds at the first tick after its start time.
    const float due[6] = {0, 0.3f, 0.6f, 1.9f, 3.2f, 3.5f};
    for (int k = 0; k < 6; ++k) {
        EXPECT_GT(t[k].at - start, due[k]) << k;
        EXPECT_LE(t[k].at - start, due[k] + 0.1f + 1e-3f) << k;
        EXPECT_NEAR(t[k + 6].at - t[k].at, 10, 0.1f + 1e-3f) << k;
    }
}

TEST_F(EventTick, PauseEndsTheIdentifierWhichStartsAgainFromItsFirstLetter)
{
    nav.goodnav[1] = 1;
    nav.radout = 1;
    memcpy(nav.nav_id[1], "SEA ", 4);
    ticks(12);   // S played, E to come
    ASSERT_EQ(sounds_of(morse_tones()), std::vector<int>({21, 21, 21}));
    mnw.mouse_clicked = 1;
    manage_das(760, 320);   // pause
    ASSERT_EQ(msc.paused, 1);
    msc.elap_time += 3;   // paused: no ticks, the clock runs on
    manage_das(760, 320);
    mnw.mouse_clicked = 0;
    ASSERT_EQ(msc.paused, 0);
    played.clear();
    played_at.clear();
    float resumed = msc.elap_time;
    ticks(90);
    std::vector<tone> t = morse_tones();
    ASSERT_EQ(sounds_of(t), SEA);   // whole, from S, and only once
    EXPECT_NEAR(t[0].at - resumed, 0.2f, 1e-3f);   // started at the first tick, played at the next
    EXPECT_NEAR(t[1].at - t[0].at, 0.3f, 0.1f + 1e-3f);
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
