// The windows with logic: weather, runway surface, rendering options and the
// resolution file, joystick, weights and fuel, reliability and flight plan.
#include "settings_support.h"

#include "../support/trainer.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "flight/force_accumulators.h"
#include "shell/prefs.h"
#include "shell/settings_windows.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {
std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST_F(SettingsWindow, WeatherCloudsPrecipitationAndRegeneration)
{
    open_settings_window(12);
    apt_h[0] = 0;
    atm.cld_type = 1;
    atm.rain_tstm = 3;
    atm.topsMSL = 6000 * con.fttomtrs;
    atm.baseMSL = 4000 * con.fttomtrs;
    atm.vis_rep = 10 * con.nmtomtrs;
    // "clear" stops the precipitation.
    mouse(155, 470, 1, 1);
    manage_atm();
    EXPECT_EQ(atm.cld_type, 0);
    EXPECT_EQ(atm.rain_tstm, 1);
    // Precipitation above none brings the overcast back.
    next_frame();
    mouse(41 + 78, 280, 1, 1);
    manage_atm();
    EXPECT_NEAR(atm.rain_tstm, 3, 1e-4);
    EXPECT_EQ(atm.cld_type, 1);
    // Tops lowered by a thousand twice: the second time the base follows.
    for (float tops : {5000.0f, 4000.0f}) {
        next_frame();
        mouse(34, 465, 1, 1);
        manage_atm();
        EXPECT_NEAR(atm.topsMSL * con.mtrstoft, tops, 0.5f);
    }
    EXPECT_NEAR(atm.baseMSL * con.mtrstoft, 3000, 0.5f);
    // Visibility in nautical miles, kept in metres; untouched until dragged.
    EXPECT_NEAR(atm.vis_rep, 10 * con.nmtomtrs, 1e-2);
    next_frame();
    mouse(41 + 39, 346, 1, 1);
    manage_atm();
    EXPECT_NEAR(atm.vis_rep * con.mtrstonm, 5, 1e-3);
    // The box regenerates all six sectors.
    next_frame();
    mouse(500, 390, 1, 1);
    manage_atm();
    EXPECT_EQ(sectors, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

// Opened over a real-weather gale the window shows it and leaves the whole
// atmosphere as it was; the turbulence slider's new winds keep their
// directions on the compass, and the frames after it leave them be.
TEST_F(SettingsWindow, WeatherWindowChangesOnlyWhatIsMoved)
{
    open_settings_window(12);
    apt_h[0] = 0;
    atm.cld_type = 1;
    atm.rain_tstm = 2;
    atm.wind_tbl = 2;
    atm.burst_prob = 1;
    atm.topsMSL = 9000 * con.fttomtrs;
    atm.baseMSL = 3000 * con.fttomtrs;
    atm.vis_rep = 30 * con.nmtomtrs;   // beyond the slider's 20
    atm.wndspd = 65;                    // a real-weather gale beyond the sliders' 50
    atm.shrspd = 72;                    // and its gusts
    atm.wnddir = 355;
    atm.shrdir = 40;
    atm.tbl = 3;
    atm.temp_SL = 59;
    atm.baro = 29.92f;
    const atmospherestruct opened = atm;
    for (int k = 0; k < 3; ++k) {
        next_frame();
        manage_atm();
    }
    EXPECT_EQ(std::memcmp(&atm, &opened, sizeof atm), 0);
    EXPECT_EQ(atm.wndspd, 65);
    EXPECT_EQ(atm.shrspd, 72);

    // Severe turbulence, chosen again and again: each choice's winds stay
    // in 0..360 and the next frame leaves them as they were.
    for (int k = 0; k < 40; ++k) {
        next_frame();
        mouse(41 + 156, 214, 1, 1);
        manage_atm();
        ASSERT_NEAR(atm.wind_tbl, 5, 1e-4);
        const float dir = atm.wnddir, speed = atm.wndspd;
        EXPECT_GE(dir, 0) << k;
        EXPECT_LE(dir, 360) << k;
        next_frame();
        manage_atm();
        EXPECT_EQ(atm.wnddir, dir) << k;
        EXPECT_EQ(atm.wndspd, speed) << k;
    }
}

TEST_F(SettingsWindow, RunwaySurfaceGivesOneOfThreeFrictions)
{
    open_settings_window(13);
    const struct {
        float stored, shown;
    } cases[] = {{1, 1}, {0.7f, 0.7f}, {0.75f, 0.7f}, {0.4f, 0.4f}, {1.5f, 1}, {0.1f, 0.4f}};
    for (const auto& c : cases) {
        atm.rway_fric_rat = c.stored;
        manage_gnd();
        EXPECT_NEAR(atm.rway_fric_rat, c.shown, 1e-5) << c.stored;
    }
    // Stepped up from "clean and dry": "damp or slushy".
    atm.rway_fric_rat = 1;
    mouse(29 + 61 + 5, 100, 1, 1);
    manage_gnd();
    EXPECT_NEAR(atm.rway_fric_rat, 0.7f, 1e-5);
}

TEST_F(SettingsWindow, RenderingWritesTheResolutionForTheNextStart)
{
    open_settings_window(10);
    std::string path = ::testing::TempDir() + "VidRes_" + std::to_string(getpid()) + ".prf";
    copy_bounded(res_path, path.c_str(), 400);
    const struct {
        float xres, yres;
        float mx, my;   // the click
        const char* file;
    } cases[] = {
        {1024, 768, 10, 10, "I\n1 version\n1024\n768\n"},     // elsewhere: the size in force
        {1280, 1024, 300, 300, "I\n1 version\n1280\n1024\n"},
        {1024, 768, 470, 405, "I\n1 version\n640\n480\n"},     // stepped from the larger size
        {800, 600, 470, 405, "I\n1 version\n640\n480\n"},
        {640, 480, 470, 420, "I\n1 version\n800\n600\n"},
        {832, 624, 10, 10, "I\n1 version\n832\n624\n"},
    };
    for (const auto& c : cases) {
        std::remove(path.c_str());
        mnw.XRES = c.xres;
        mnw.YRES = c.yres;
        next_frame();
        manage_ogl();   // no click: nothing written, the size in force kept
        EXPECT_EQ(new_XRES, (int)c.xres);
        EXPECT_EQ(read_file(path), "");
        next_frame();
        mouse(c.mx, c.my, 1, 1);
        manage_ogl();
        EXPECT_EQ(read_file(path), c.file) << c.xres << " click " << c.mx << ", " << c.my;
    }
    std::remove(path.c_str());
    // Texture resolution and trees.
    ogl_res = 2;
    ogl_trees = 0;
    next_frame();
    mouse(434 + 30 + 5, 510, 1, 1);
    manage_ogl();
    EXPECT_EQ(ogl_res, 3);
    next_frame();
    mouse(434 + 30 + 5, 465, 1, 1);
    manage_ogl();
    EXPECT_EQ(ogl_trees, 1);
    std::remove(path.c_str());
}

TEST_F(SettingsWindow, WeightsAndEnduranceOfTheBundledTrainer)
{
    open_settings_window(16);
    load_bundled_trainer();
    ASSERT_GT(pln.numen, 0);
    ASSERT_GT(pln.m_fuel, 0);
    flt.m_fixed = 80;
    flt.m_fuel = pln.m_fuel;
    flt.m_jettison = 0;
    manage_wgt();
    EXPECT_FLOAT_EQ(flt.m_total, pln.m_empty + 80 + pln.m_fuel);
    // A light trainer with full tanks flies for hours at cruise.
    float full = endurance_hours();
    EXPECT_GT(full, 1.5f);
    EXPECT_LT(full, 12);
    EXPECT_NEAR(full, pln.m_fuel / (burnin_fuel(pln.pmax * 0.55275f) * pln.numen * 3600), 1e-3);
    // Dragging the fuel slider to its middle: half the fuel, half the endurance.
    next_frame();
    mouse(117 + 78, 115, 1, 1);
    manage_wgt();
    EXPECT_NEAR(flt.m_fuel, pln.m_fuel / 2, pln.m_fuel * 1e-4);
    EXPECT_NEAR(endurance_hours(), full / 2, full * 1e-3);
    // Payload to the slider's end: above the maximum, shown in the warning colour.
    EXPECT_FALSE(canvas_any(118, 29, 190, 37, 45));
    next_frame();
    mouse(117 + 160, 160, 1, 1);
    manage_wgt();
    EXPECT_NEAR(flt.m_fixed, pln.m_max - pln.m_empty, 0.01f);
    EXPECT_GT(flt.m_total, pln.m_max);
    EXPECT_TRUE(canvas_any(118, 29, 190, 37, 45));
    // No engines, no fuel flow: no endurance rather than infinity.
    pln.numen = 0;
    pln.entype = 0;
    EXPECT_EQ(endurance_hours(), 0);
    load_bundled_trainer();
}

TEST_F(SettingsWindow, ReliabilityRowsFromThePagesSlider)
{
    open_settings_window(18);
    toolkit_srand(7);
    const struct {
        float frat;
        int type;
        float lo, hi;
    } cases[] = {{0.25f, 2, 50, 99}, {1, 2, 5, 10}, {0.5f, 2, 35, 70}, {0.005f, 1, 64.5f, 99}};
    for (const auto& c : cases) {
        for (int k = 0; k < 200; ++k) {
            util_setfailsit(4, 0, 0, 378, 1, c.frat);
            EXPECT_EQ(rel.fail_type[4], c.type);
            EXPECT_GE(rel.fail_time_max[4], c.lo - 0.01f);
            EXPECT_LE(rel.fail_time_max[4], c.hi + 0.01f);
        }
    }
    // Not reset: the row keeps its values.
    rel.fail_type[4] = 3;
    rel.fail_time_max[4] = 12;
    util_setfailsit(4, 0, 0, 378, 0, 0.25f);
    EXPECT_EQ(rel.fail_type[4], 3);
    EXPECT_EQ(rel.fail_time_max[4], 12);

    // The instrument page's slider dragged to its top: every instrument always works.
    for (int c = 0; c < 32; ++c) rel.fail_type[c] = 3;
    mouse(25, 445 + 54, 1, 1);
    manage_ins();
    EXPECT_EQ(rel.ins_fail_rat, 0);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(rel.fail_type[c], 1) << c;
    for (int c = 10; c < 32; ++c) EXPECT_EQ(rel.fail_type[c], 3) << c;
    // One row's own button: the third row steps on to "mean time to fail".
    next_frame();
    mouse(151 + 54 + 5, 378 - 39 * 2 + 10, 1, 1);
    manage_ins();
    EXPECT_EQ(rel.fail_type[2], 2);

    // Equipment: the second page's slider moves items 21..31 only.
    open_settings_window(19);
    for (int c = 0; c < 32; ++c) rel.fail_type[c] = 3;
    mouse(357, 485 + 13.5f, 1, 1);
    manage_eqp();
    EXPECT_NEAR(rel.eq2_fail_rat, 0.75f, 1e-4);
    for (int c = 0; c < 21; ++c) EXPECT_EQ(rel.fail_type[c], 3) << c;
    for (int c = 21; c < 32; ++c) {
        EXPECT_EQ(rel.fail_type[c], 2) << c;
        EXPECT_GE(rel.fail_time_max[c], 20 - 0.01f);
        EXPECT_LE(rel.fail_time_max[c], 40 + 0.01f);
    }
}

TEST_F(SettingsWindow, JoystickButtonsNullZonesAndEquipment)
{
    open_settings_window(15);
    set.controls_type = -1;
    n_button_pressed[5] = 1;
    mouse(282, 474 - 15 * 3 + 3, 1, 1);
    manage_flt();
    EXPECT_EQ(button_sel, 5);
    EXPECT_EQ(set.joy_response[5], 3);
    EXPECT_EQ(set.joy_response[0], 0);
    n_button_pressed[5] = 0;

    nz_ptch_display = 0.12f;
    nz_roll_display = 0.08f;
    next_frame();
    mouse(50, 330, 1, 1);
    manage_flt();
    EXPECT_FLOAT_EQ(set.NZptch, 0.12f);
    EXPECT_FLOAT_EQ(set.NZroll, 0.08f);
    next_frame();
    mouse(50, 360, 1, 1);
    manage_flt();
    EXPECT_EQ(set.NZptch, 0);
    EXPECT_EQ(nz_roll_display, 0);

    next_frame();
    mouse(478, 384, 1, 1);
    manage_flt();
    EXPECT_EQ(set.eq_ped, 1);
    // Damping: 1 at the slider's bottom, 0 at its top.
    next_frame();
    mouse(485, 432, 1, 1);
    manage_flt();
    EXPECT_FLOAT_EQ(set.damp, 1);
    // Stick ratio from 0.5 at the bottom to 1 at the top.
    next_frame();
    mouse(25, 404 + 27, 1, 1);
    manage_flt();
    EXPECT_NEAR(set.joy_rat_ptch, 0.75f, 1e-5);
}

TEST_F(SettingsWindow, FlightPlanRulesAndTitlesExcludeEachOther)
{
    open_settings_window(25);
    const struct {
        float x, y;
        int ifr, vfr, dvfr, mr, mrs;
    } clicks[] = {
        {12, 387, 1, 0, 0, 0, 0}, {12, 370, 0, 1, 0, 0, 0}, {12, 353, 0, 0, 1, 0, 0},
        {12, 353, 0, 0, 0, 0, 0}, {280, 107, 0, 0, 0, 1, 0}, {324, 107, 0, 0, 0, 0, 1},
    };
    for (const auto& c : clicks) {
        next_frame();
        mouse(c.x, c.y, 1, 1);
        manage_pln();
        EXPECT_EQ(fpl.ifr, c.ifr);
        EXPECT_EQ(fpl.vfr, c.vfr);
        EXPECT_EQ(fpl.dvfr, c.dvfr);
        EXPECT_EQ(fpl.mr, c.mr);
        EXPECT_EQ(fpl.mrs, c.mrs);
    }
    // Cruise altitude: one up in the thousands column.
    next_frame();
    mouse(527 + 15, 366 + 15, 1, 1);
    manage_pln();
    EXPECT_EQ(fpl.cruise_alt, 1000);
}

// A fast drag leaves the grab box between two frames: from the track's middle
// the mouse lands far past either end, still held. Every slider of every
// window then stands at that end, as the user asked.
TEST_F(SettingsWindow, AFastDragPastASlidersEndSetsTheEnd)
{
    open_settings_window(16);
    load_bundled_trainer();
    const float nm = con.nmtomtrs;
    const struct {
        int window;
        void (*handler)();
        float x, y;
        int dir;
        float* var;
        float at_start, at_end;   // in the variable's own units
    } sliders[] = {
        {12, manage_atm, 41, 344, 1, &atm.vis_rep, 0, 20 * nm},
        {12, manage_atm, 41, 278, 1, &atm.rain_tstm, 1, 5},
        {12, manage_atm, 41, 212, 1, &atm.wind_tbl, 1, 5},
        {12, manage_atm, 41, 146, 1, &atm.burst_prob, 1, 5},
        {12, manage_atm, 119, 80, 2, &atm.rate_change, -1, 1},
        {12, manage_atm, 303, 432, 1, &atm.wndspd, 0, 50},
        {12, manage_atm, 303, 402, 1, &atm.wnddir, 0, 360},
        {12, manage_atm, 303, 357, 1, &atm.shrspd, 0, 50},
        {12, manage_atm, 303, 327, 1, &atm.shrdir, 0, 180},
        {12, manage_atm, 303, 282, 1, &atm.tbl, 0, 9},
        {12, manage_atm, 303, 184, 1, &atm.trml_prt, 0, 1},
        {12, manage_atm, 303, 154, 1, &atm.trml_vvi, 0, 500},
        {15, manage_flt, 21, 404, 0, &set.joy_rat_ptch, 0.5f, 1},
        {15, manage_flt, 55, 404, 0, &set.joy_rat_roll, 0.5f, 1},
        {15, manage_flt, 89, 404, 0, &set.joy_rat_hdng, 0.5f, 1},
        {15, manage_flt, 479, 432, 0, &set.damp, 1, 0},
        {16, manage_wgt, 117, 160, 1, &flt.m_fixed, 0, pln.m_max - pln.m_empty},
        {16, manage_wgt, 117, 115, 1, &flt.m_fuel, 0, pln.m_fuel},
        {16, manage_wgt, 117, 70, 1, &flt.m_jettison, 0, pln.m_jettison},
        {18, manage_ins, 21, 445, 0, &rel.ins_fail_rat, 1, 0},
        {19, manage_eqp, 21, 485, 0, &rel.eq1_fail_rat, 1, 0},
        {19, manage_eqp, 353, 485, 0, &rel.eq2_fail_rat, 1, 0},
    };
    ASSERT_GT(pln.m_max - pln.m_empty, 0);
    for (const auto& s : sliders)
        for (int far_end = 0; far_end <= 1; ++far_end) {
            open_settings_window(s.window);
            load_bundled_trainer();
            // the middle of the track, then 120 units past the chosen end
            float mx = s.dir == 0 ? s.x + 10 : s.dir == 1 ? s.x + 78 : s.x;
            float my = s.dir == 0 ? s.y + 27 : s.y + 5;
            float px = mx, py = my;
            if (s.dir == 0) py = far_end ? s.y + 54 + 120 : s.y - 120;
            else px = far_end ? mx + 78 + 120 : mx - 78 - 120;
            next_frame();
            mouse(mx, my, 1, 1);
            s.handler();
            next_frame();
            mouse(px, py, 0, 1);
            s.handler();
            const float want = far_end ? s.at_end : s.at_start;
            EXPECT_NEAR(*s.var, want, 1e-3f * std::fabs(s.at_end - s.at_start))
                << "window " << s.window << " slider at " << s.x << ", " << s.y << (far_end ? " past its end" : " past its start");
            next_frame();
            s.handler();   // the button up lets go
        }
}
