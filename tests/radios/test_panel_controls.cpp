// Panel clicks as a table: aircraft, point, how the click comes, the field it
// moves, before and after.
#include "panel_support.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>
#include <functional>

namespace {

float alt_ft()
{
    return ott.al_hold * con.mtrstoft;
}

} // namespace

TEST_F(Panel, ClicksTable)
{
    struct {
        const char* what;
        std::function<void()> aircraft;   // also sets the value before
        std::function<float()> x, y;
        click_kind how;
        std::function<float()> field;
        float after;
    } cases[] = {
        {"altitude hold up", [] { ott.al_hold = 1000 * con.fttomtrs; }, [] { return 315.0f; }, [] { return 320.0f; },
         PRESS, alt_ft, 1100},
        {"altitude hold down", [] { ott.al_hold = 1000 * con.fttomtrs; }, [] { return 315.0f; }, [] { return 310.0f; },
         PRESS, alt_ft, 900},
        {"altitude hold held at the ceiling", [] { ott.al_hold = 89990 * con.fttomtrs; }, [] { return 315.0f; },
         [] { return 320.0f; }, HELD, alt_ft, 90000},
        {"vertical-speed hold rounded", [] { ott.vv_hold = 140 * con.fpmtomsc; }, [] { return 400.0f; },
         [] { return 320.0f; }, PRESS, [] { return ott.vv_hold * con.msctofpm; }, 200},
        {"airspeed hold floor", [] { ott.as_hold = 3; }, [] { return 485.0f; }, [] { return 305.0f; }, KEY,
         [] { return ott.as_hold; }, 0},
        {"altitude hold lifts a small vertical speed", [] { ott.vv_hold = 200 * con.fpmtomsc; },
         [] { return osrad + 570; }, [] { return 90.0f; }, PRESS, [] { return ott.vv_hold * con.msctofpm; }, 500},
        {"altitude hold keeps a large descent", [] { ott.vv_hold = -800 * con.fpmtomsc; },
         [] { return osrad + 570; }, [] { return 90.0f; }, PRESS, [] { return ott.vv_hold * con.msctofpm; }, -800},
        {"vertical-speed hold takes the climb", [] { flt.vY = 3.5; }, [] { return osrad + 590; }, [] { return 90.0f; },
         PRESS, [] { return ott.vv_hold; }, 3.5f},
        {"HSI course click", [] { nav.obs[1] = 359.5f; }, [] { return ins.x_loc[6] - 25; },
         [] { return ins.y_loc[6] - 50; }, PRESS, [] { return nav.obs[1]; }, 0.5f},
        {"HSI course held", [] { nav.obs[1] = 10; }, [] { return ins.x_loc[6] - 50; },
         [] { return ins.y_loc[6] - 50; }, HELD, [] { return nav.obs[1]; }, 7},
        {"HSI course on the glass panel, 30 lower",
         [] {
             Panel::jet();
             nav.obs[1] = 10;
         },
         [] { return ins.x_loc[6] - 25; }, [] { return ins.y_loc[6] - 80; }, PRESS, [] { return nav.obs[1]; }, 11},
        {"heading bug wraps", [] { nav.hdsel = 1; }, [] { return ins.x_loc[6] + 35; },
         [] { return ins.y_loc[6] - 50; }, HELD, [] { return (float)nav.hdsel; }, 358},
        {"baro on round dials", [] { ins.baro = 29.92f; }, [] { return ins.x_loc[10]; },
         [] { return ins.y_loc[10] + 5; }, PRESS, [] { return ins.baro; }, 29.923f},
        {"baro limited", [] { ins.baro = 28.001f; }, [] { return ins.x_loc[10]; }, [] { return ins.y_loc[10] - 5; },
         HELD, [] { return ins.baro; }, 28},
        {"replay boxes overlap: the later wins", [] { set.replay_mode = 1; }, [] { return 391.0f; },
         [] { return 550.0f; }, PRESS, [] { return (float)set.replay_mode; }, 3},
        {"replay buttons only while replaying", [] { set.replay_mode = 0; }, [] { return 351.0f; },
         [] { return 550.0f; }, PRESS, [] { return (float)set.replay_mode; }, 0},
        {"timer start then reset on the shared edge",
         [] {
             msc.timr_time = 42;
             msc.timer_running = 0;
         },
         [] { return ins.x_loc[4] - 15; }, [] { return ins.y_loc[4] - 70; }, PRESS,
         [] { return msc.timr_time + 1000 * msc.timer_running; }, 1000},
        {"timer start adds a second", [] { msc.timr_time = 42; }, [] { return ins.x_loc[4] - 30; },
         [] { return ins.y_loc[4] - 70; }, PRESS, [] { return msc.timr_time; }, 43},
        {"audio selector: ADF", [] { nav.radout = 2; }, [] { return osrad + 550; }, [] { return 290.0f; }, PRESS,
         [] { return (float)nav.radout; }, 4},
        {"audio selector: NAV 2", [] { nav.radout = 2; }, [] { return osrad + 590; }, [] { return 290.0f; }, PRESS,
         [] { return (float)nav.radout; }, 1},
        {"NAV 2 megahertz up", [] { nav.nf[1] = 11170; }, [] { return osrad + 600; }, [] { return 180.0f; },
         PRESS, [] { return (float)nav.nf[1]; }, 11270},
        {"COM 2 kHz down", [] { nav.cf[1] = 12100; }, [] { return osrad + 560; }, [] { return 160.0f; }, HELD,
         [] { return (float)nav.cf[1]; }, 12195},
        {"transponder digit", [] { nav.tran2 = 7; }, [] { return osrad + 590; }, [] { return 135.0f; }, PRESS,
         [] { return (float)nav.tran2; }, 0},
        {"ident", [] { ins.reply_time2 = 0; }, [] { return osrad + 540; }, [] { return 150.0f; }, PRESS,
         [] { return ins.reply_time2; }, 505},
        {"parking brake releases the catapult", [] { flt.cat_stage = 3; }, [] { return osrad + 520; },
         [] { return 10.0f; }, KEY, [] { return flt.cat_stage + 10 * set.parkbrake; }, 14},
        {"aileron trim at 0.1 per second", [] { flt.ail_trim = 0; }, [] { return osrad + 600; },
         [] { return 50.0f; }, HELD, [] { return flt.ail_trim; }, 0.005f},
        {"jet throttle: a fresh click low stays forward",
         [] {
             Panel::jet();
             flt.throrqst[0] = 0.5f;
         },
         [] { return oseng + thro_x[0] + 3; }, [] { return 10.0f; }, PRESS,
         [] { return flt.throrqst[0] + 10 * flt.revving_thrust[0]; }, 0.01316f},
        {"jet throttle dragged low reverses", [] { Panel::jet(); }, [] { return oseng + thro_x[0] + 3; },
         [] { return 11.0f; }, HELD, [] { return flt.throrqst[0] + 10 * flt.revving_thrust[0]; }, 11},
        {"propeller reverse is fixed",
         [] {
             Panel::jet();
             pln.entype = 3;
         },
         [] { return oseng + thro_x[1] + 3; }, [] { return 11.0f; }, HELD,
         [] { return flt.throrqst[1] + 10 * flt.revving_thrust[1]; }, 10.05f},
        {"failed reverser lock reverses",
         [] {
             Panel::jet();
             rel.revlok[0] = 0;
         },
         [] { return oseng + thro_x[0] + 3; }, [] { return 59.0f; }, PRESS,
         [] { return flt.throrqst[0] + 10 * flt.revving_thrust[0]; }, 11},
        {"all-engines strip", [] { Panel::jet(); }, [] { return oseng + 675; }, [] { return 59.0f; }, PRESS,
         [] { return flt.throrqst[0] + flt.throrqst[1]; }, 2},
        {"throttle clears the throttle potentiometer", [] { set.thro_pot = 1; }, [] { return oseng + thro_x[0] + 3; },
         [] { return 35.0f; }, PRESS, [] { return (float)set.thro_pot; }, 0},
        {"flaps in quarter steps", [] { pln.flapEQ = 1; }, [] { return oseng + 660; }, [] { return 119.0f; }, PRESS,
         [] { return flt.flaprqst; }, 0.25f},
        {"speed brake armed only with the automatic one",
         [] {
             pln.sbrkEQ = 1;
             pln.autosbrkEQ = 0;
             flt.sbrk = 2;
         },
         [] { return oseng + 705; }, [] { return 125.0f; }, HELD, [] { return (float)flt.sbrk; }, 0},
        {"speed brake armed",
         [] {
             pln.sbrkEQ = 1;
             pln.autosbrkEQ = 1;
         },
         [] { return oseng + 705; }, [] { return 125.0f; }, HELD, [] { return (float)flt.sbrk; }, -1},
        {"elevator trim wheel", [] { flt.elv_trim = 0; }, [] { return oseng + 787; }, [] { return 90.0f; }, HELD,
         [] { return flt.elv_trim; }, 0.005f},
        {"elevator trim inert with its system failed", [] { rel.sttrim = 0; }, [] { return oseng + 787; },
         [] { return 90.0f; }, HELD, [] { return flt.elv_trim; }, 0},
    };
    for (auto& c : cases) {
        Panel::SetUp();
        c.aircraft();
        click(c.x(), c.y(), c.how);
        EXPECT_NEAR(c.field(), c.after, 1e-3) << c.what;
    }
}

TEST_F(Panel, JettisonPutsOutTheFiresWithin100Metres)
{
    pln.jettisonEQ = 1;
    flt.m_jettison = 300;
    flt.X = 1000;
    flt.Y = 200;
    flt.Z = -500;
    const float off[3] = {50, 150, 99};
    for (int f = 0; f < 3; ++f) {
        scn.fire_on[f] = 1;
        scn.firexyz[f][0] = 1000;
        scn.firexyz[f][1] = 200 - off[f];
        scn.firexyz[f][2] = -500;
    }
    click(650, 320, PRESS);
    EXPECT_EQ(flt.m_jettison, 0);
    EXPECT_EQ(scn.fire_on[0], 0);
    EXPECT_EQ(scn.fire_on[1], 1);
    EXPECT_EQ(scn.fire_on[2], 0);
}

TEST_F(Panel, HeldSwitchesActOnceWhileKnobsRepeat)
{
    pln.HUDtype = 2;
    pln.gear_retract = 1;
    ins.HUD_on = 0;
    set.gear_handle = 0;
    ott.al_hold = 0;
    msc.paused = 0;
    struct {
        float x, y;
    } points[] = {{40, 320}, {osrad + 625, 30}, {315, 320}, {760, 320}, {osrad + 510, 90}};
    for (auto& p : points) {
        click(p.x, p.y, PRESS);
        for (int f = 0; f < 30; ++f) click(p.x, p.y, HELD);
    }
    EXPECT_EQ(ins.HUD_on, 1);
    EXPECT_EQ(set.gear_handle, 1);
    EXPECT_EQ(std::count(sounds_started.begin(), sounds_started.end(), 6), 1);   // the gear sound once
    EXPECT_NEAR(alt_ft(), 3100, 0.5);   // the press and 30 held frames
    EXPECT_EQ(msc.paused, 1);
    EXPECT_EQ(ott.HDSLCT, 1);
    // Legs with a failed extension never arrive; the others in 3 to 5 s.
    EXPECT_GE(set.gear_time[0], 503);
    EXPECT_LE(set.gear_time[0], 505);

    // Keys act as clicks each time they come.
    click(760, 320, KEY);
    click(760, 320, KEY);
    EXPECT_EQ(msc.paused, 1);
    rel.lagear[2] = 0;
    click(osrad + 625, 30, KEY);
    EXPECT_EQ(set.gear_handle, 0);
    EXPECT_EQ(set.gear_time[2], 9.9e9f);
}

TEST_F(Panel, AutopilotLateralModesExcludeEachOther)
{
    click(osrad + 500, 90, PRESS);   // heading select
    click(osrad + 545, 90, PRESS);   // NAV 2
    EXPECT_EQ(ott.HDSLCT, 0);
    EXPECT_EQ(ott.NAV[1], 1);
    ott.ALHOLD = ott.VVHOLD = 1;
    click(osrad + 610, 90, PRESS);   // glide slope
    EXPECT_EQ(ott.GS2, 1);
    EXPECT_EQ(ott.ALHOLD + ott.VVHOLD, 0);
    click(osrad + 630, 90, PRESS);   // airspeed hold alone
    EXPECT_EQ(ott.ASHOLD, 1);
    EXPECT_EQ(ott.GS2, 1);
}

namespace {

struct Gps : Panel {
    void SetUp() override
    {
        Panel::SetUp();
        pln.supptype = 2;
        env.navmax = 5;
        const int types[6] = {2, 7, 2, 8, 2, 9};
        const char* ids[6] = {"ABC", "OM", "XYZ", "MM", "QRS", "IM"};
        for (int n = 0; n < 6; ++n) {
            nav_type[n] = types[n];
            std::memset(::nav_id[n], 0, 5);
            std::strcpy(::nav_id[n], ids[n]);
        }
        env.aptmax = 1;
        std::strcpy(apt_id[0], "KAAA");
        std::strcpy(apt_id[1], "KBBB");
    }
};

} // namespace

TEST_F(Gps, ScrollThroughTheModesTargets)
{
    nav.gps_index_mode = 2;
    nav.gps_index = 0;
    nav.gps_scroll_mode = 0;
    click(osrad + 546, 225, PRESS);   // scroll up: the next NDB
    EXPECT_EQ(nav.gps_index, 2);
    EXPECT_EQ(nav.gps_ndb_index, 2);
    const int xyz[4] = {34, 35, 36, 0};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(nav.gps_id[c], xyz[c]) << c;
    click(osrad + 546, 215, PRESS);   // down, past the start: wraps to the last NDB
    click(osrad + 546, 215, PRESS);
    EXPECT_EQ(nav.gps_index, 4);

    // Editing the identifier: the select knob picks the first letter, the
    // scroll knob spells ABC, and the search finds it.
    click(osrad + 603, 215, PRESS);
    EXPECT_EQ(nav.gps_scroll_mode, 1);
    for (int k = 0; k < 16; ++k) click(osrad + 546, 215, PRESS);   // Q (27) back to A (11)
    EXPECT_EQ(nav.gps_id[0], 11);
    EXPECT_EQ(nav.gps_index, 4);   // "ARS" is no NDB
    click(osrad + 603, 215, PRESS);
    for (int k = 0; k < 16; ++k) click(osrad + 546, 215, PRESS);
    click(osrad + 603, 215, PRESS);
    for (int k = 0; k < 16; ++k) click(osrad + 546, 215, PRESS);
    EXPECT_EQ(nav.gps_index, 0);
    EXPECT_EQ(nav.gps_ndb_index, 0);

    // The airport button takes the remembered airport; the scroll wraps in the table.
    nav.gps_apt_index = 1;
    nav.gps_scroll_mode = 0;
    click(osrad + 630, 270, PRESS);
    EXPECT_EQ(nav.gps_index_mode, 1);
    EXPECT_EQ(nav.gps_index, 1);
    click(osrad + 546, 225, PRESS);
    EXPECT_EQ(nav.gps_index, 0);
    EXPECT_EQ(nav.gps_id[0], 21);   // K
}

TEST_F(Gps, ScrollWithoutSuchNavaidsOrTablesStaysPut)
{
    // VOR mode in a table without VORs: one round, then the target is kept.
    nav.gps_index_mode = 3;
    nav.gps_index = 3;
    nav.gps_scroll_mode = 0;
    click(osrad + 546, 225, PRESS);
    click(osrad + 546, 215, HELD);
    EXPECT_EQ(nav.gps_index, 3);

    // Empty tables leave both knobs inert.
    env.navmax = -1;
    click(osrad + 546, 225, PRESS);
    click(osrad + 603, 215, PRESS);
    EXPECT_EQ(nav.gps_index, 3);
    EXPECT_EQ(nav.gps_scroll_mode, 0);
    nav.gps_index_mode = 1;
    env.aptmax = -1;
    click(osrad + 546, 225, HELD);
    EXPECT_EQ(nav.gps_index, 3);
}
