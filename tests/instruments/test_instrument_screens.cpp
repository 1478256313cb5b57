// Instruments in flight through the real frame loop under Xvfb: the trainer
// in a climbing turn with a VOR received, a glass panel with its map and
// radar, each supplementary instrument, and the flat head-up display. Pixel
// checks at known places; a screenshot of each beside this test.
#include "tests/support/panel_frame.h"
#include "tests/support/screenshot.h"
#include "tests/support/test_window.h"
#include "tests/support/trainer.h"

#include "cockpit/P_INIT.h"
#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "cockpit/flight_instruments.h"
#include "cockpit/hud.h"
#include "records/flight_state.h"
#include "flight/timed_managers.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "shell/scene_frame.h"
#include "world/world_services.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
std::vector<unsigned char> shot(800 * 600 * 3), backdrop(800 * 600 * 3);

// The digit strips as start-up leaves them: dark grey with white digits.
void fill_strips()
{
    for (auto& col : ins.v_tape_col)
        for (int& c : col) c = 22;
    for (int k = 0; k < 10; ++k) init_tape(&ins.v_tape_col[0][0], 5, 90, 2, 9 * k - 3, k);
    for (int x = 0; x < 360; ++x)
        for (int h = 0; h < 12; ++h) ins.h_tape_col1[x][h] = ins.h_tape_col2[x][h] = 22;
    for (int x = 0; x < 200; ++x)
        for (int h = 0; h < 12; ++h) ins.h_tape_col0[x][h] = 22;
    for (int n = 0; n < 36; n += 3) {
        init_tape(&ins.h_tape_col1[0][0], 360, 12, 10 * n - 3, 4, n / 10);
        init_tape(&ins.h_tape_col1[0][0], 360, 12, 10 * n + 3, 4, n % 10);
    }
}

class InstrumentScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        open_test_window();
        load_bundled_trainer();
        standard_day();
        atm.T = 288.15f;
        all_systems_working();
        fill_strips();
        done_initing = 1;
        msc.paused = 1;
        msc.prd = 1;   // every lag reaches its target in one frame
        msc.init_time = 100;
        msc.cntr = 0;
        ins.ecam_mode = 3;
        ins.r_rat = ins.g_rat = ins.b_rat = 1;
        ins.baro = 29.92f;
        set.view_is_fullscreen = 0;
        mnw.topwin = 0;
    }

    void frame()
    {
        ASSERT_EQ(panel_frame(), 1);
        OGL_plot_background();
        glFinish();
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, backdrop.data());
        update_scenery();
        glFinish();
        glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, shot.data());
    }

    void save(const char* name)
    {
        ASSERT_TRUE(write_screenshot(SHOT_DIR, name, shot));
    }

    void climbing_turn()
    {
        flt.the = 8;
        flt.phi = 20;
        flt.psi = flt.magpsi = 45;
        flt.R = 3;
        flt.vind = 90;
        flt.v = flt.av = 50;
        flt.hind = 3000 / con.mtrstoft;
        flt.X = flt.Z = 0;
        flt.Y = flt.hind;
        flt.vY = 3;
        flt.fnrmlaero = 10000;
        flt.fsideaero = 300;
        nav.goodnav[1] = 1;
        nav.ilsgs[1] = 9;
        nav.ntf[1] = 1;
        nav.obs[1] = 60;
        nav.hdef[1] = 1.5f;
        nav.vorX[1] = 5000, nav.vorZ[1] = -9000;
        nav.adfX = -5000, nav.adfZ = -5000;
        nav.hdsel = 90;
        env.mvar = 0;
    }
};

bool shows(const std::vector<unsigned char>& s, int x, int y, const float* rgb)
{
    const unsigned char* p = &s[(y * 800 + x) * 3];
    for (int k = 0; k < 3; ++k)
        if (std::abs(p[k] - (int)std::lround(rgb[k] * 255)) > 12) return false;
    return true;
}

bool any_shows(int x1, int y1, int x2, int y2, int c)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (shows(shot, x, y, col_rgb[c])) return true;
    return false;
}

// Some pixel within r of (x, y) in colour c.
bool near_shows(float x, float y, int r, int c)
{
    return any_shows((int)x - r, (int)y - r, (int)x + r, (int)y + r, c);
}

bool same_as_backdrop(int x, int y)
{
    for (int k = 0; k < 3; ++k)
        if (shot[(y * 800 + x) * 3 + k] != backdrop[(y * 800 + x) * 3 + k]) return false;
    return true;
}
} // namespace

TEST_F(InstrumentScreens, TrainerInAClimbingTurnWithAVor)
{
    climbing_turn();
    frame();
    frame();   // the ADF needle turns 90 degrees a frame
    save("instruments_trainer_climbing_turn");
    ASSERT_EQ(pln.paneltype, 1);
    // Airspeed needle tip, white.
    float x1 = ins.x_loc[1], y1 = ins.y_loc[1];
    int a = airspeed_needle(pln.asi_units == 2 ? 90 : 90 * con.nm_to_sm);
    EXPECT_TRUE(near_shows(x1 + 30 * lookup_sin[a], y1 + 30 * lookup_cos[a], 1, 0));
    // Altimeter at 3000 ft: the long needle straight up, the short one at 108 degrees.
    float x3 = ins.x_loc[3], y3 = ins.y_loc[3];
    EXPECT_TRUE(near_shows(x3, y3 + 32, 1, 0));
    EXPECT_TRUE(near_shows(x3 + 22 * lookup_sin[108], y3 + 22 * lookup_cos[108], 1, 0));
    // Attitude: sky above the centre, ground below, with the nose up and a right bank.
    float x2 = ins.x_loc[2], y2 = ins.y_loc[2];
    EXPECT_TRUE(near_shows(x2 - 15, y2 + 25, 2, 35));
    EXPECT_TRUE(near_shows(x2 + 15, y2 - 30, 2, 37));
    // HSI: the compass card's transparent corner shows the face behind it;
    // the heading bug (amber) 45 degrees right of the lubber line.
    float x6 = ins.x_loc[6], y6 = ins.y_loc[6];
    EXPECT_TRUE(same_as_backdrop((int)x6, (int)y6 + 66));
    EXPECT_FALSE(same_as_backdrop((int)x6 + 20, (int)y6 + 20));
    EXPECT_TRUE(near_shows(x6 + 35, y6 + 35, 3, 32));
    // ADF needle, yellow, toward the beacon 45 degrees left of the nose.
    float x8 = ins.x_loc[8], y8 = ins.y_loc[8];
    EXPECT_TRUE(near_shows(x8 + 20 * lookup_sin[270], y8, 2, 9));
}

TEST_F(InstrumentScreens, GlassPanelWithMapAndRadar)
{
    climbing_turn();
    pln.paneltype = 2;
    pln.supptype = 1;
    ins.map_mode = 1;
    ins.map_range = 10;
    ins.EFIS_wxr = 1;
    ins.EFIS_tcas = 1;
    atm.rain_tstm = 3;
    env.lox = -100000, env.loz = -100000, env.dx = 200000, env.dz = 200000;
    for (int i = 0; i < 631; ++i)
        for (int j = 0; j < 421; ++j) atm.wxr[i][j] = i < 315 ? 0.5f : 1.0f;   // heavier to the east
    for (int k = 0; k < 10; ++k) traf_xyzvh[k][0] = traf_xyzvh[k][2] = 1e7f;
    traf_xyzvh[0][0] = 3000, traf_xyzvh[0][1] = (float)flt.Y + 100, traf_xyzvh[0][2] = -3000;
    frame();
    save("instruments_glass_map_radar");
    float x9 = ins.x_loc[9], y9 = ins.y_loc[9];
    int left = (int)(x9 + 199), bot = (int)(y9 + 48);
    // Radar colours: dark green where the rain is 1 (index 2), bright green where 0.5 (index 1).
    int green = 0, dark = 0;
    for (int y = bot + 20; y < bot + 200; y += 4)
        for (int x = left + 20; x < left + 160; x += 4) {
            if (shows(shot, x, y, col_rgb[71])) ++green;
            if (shows(shot, x, y, col_rgb[72])) ++dark;
        }
    EXPECT_GT(green, 50);
    EXPECT_GT(dark, 50);
    // The aircraft symbol in yellow a quarter up the box; close traffic in red.
    EXPECT_TRUE(near_shows(left + 91, bot + 56, 3, 41));
    EXPECT_TRUE(any_shows(left, bot, left + 182, bot + 224, 44));
    // Glass airspeed readout box shows green digits.
    EXPECT_TRUE(any_shows((int)ins.x_loc[1], (int)ins.y_loc[1] - 3, (int)ins.x_loc[1] + 18, (int)ins.y_loc[1] + 4, 47));
}

TEST_F(InstrumentScreens, EverySupplementaryInstrumentInSlotFour)
{
    climbing_turn();
    ins.radalt_ft = 200;
    env.localh_cg = 0;
    flt.Y = 300 / con.mtrstoft - pln.mgearY;
    nav.ntf[0] = 0;
    nav.vorX[0] = 0, nav.vorZ[0] = -9000;
    ins.arg_mode = 1;
    ins.arg_range = 10;
    ins.rad_range = 10;
    atm.rain_tstm = 3;
    env.lox = -100000, env.loz = -100000, env.dx = 200000, env.dz = 200000;
    for (auto& col : atm.wxr)
        for (float& w : col) w = 1;
    const char* names[8] = {"", "instruments_supp1_course", "instruments_supp2_stormscope", "instruments_supp3_moving_map",
                            "instruments_supp4_radalt", "instruments_supp5_vario", "instruments_supp6_radar",
                            "instruments_supp7_rmi"};
    for (int t = 1; t <= 7; ++t) {
        pln.supptype = t;
        msc.elap_time = 100.0f * t;
        atm.strike_stop_time = msc.elap_time + 1;   // a strike 5 nm ahead
        atm.lightXYZ[0][0][0] = 0;
        atm.lightXYZ[0][0][2] = -5 * con.nmtomtrs;
        msc.cntr = 0;
        frame();
        save(names[t]);
        float x = ins.x_loc[4], y = ins.y_loc[4];
        ASSERT_EQ(ins.avail[4], 1) << t;
        switch (t) {
        case 1: EXPECT_TRUE(any_shows((int)x + 27, (int)y - 3, (int)x + 45, (int)y + 4, 8)); break;   // "NAV"
        case 2: {
            // 5 nm at 45 degrees left of the nose (heading 045, strike north).
            int c = 315;
            EXPECT_TRUE(near_shows(x + 12.5f * lookup_sin[c], y + 12.5f * lookup_cos[c], 2, 47));
            break;
        }
        case 3: EXPECT_TRUE(near_shows(x + 31 + 7, y + 7 + 7, 3, 49)); break;   // "EN" lit
        case 4: EXPECT_TRUE(near_shows(x + 22 * lookup_sin[108], y + 22 * lookup_cos[108], 2, 0)); break;
        case 5: EXPECT_TRUE(near_shows(x, y + 20, 3, 0) || near_shows(x - 20, y, 3, 0) || near_shows(x, y - 20, 3, 0)); break;
        case 6: EXPECT_TRUE(near_shows(x, y + 20, 3, 72)); break;
        case 7: {
            // The station due north: 45 degrees left on a card turned to 045.
            EXPECT_TRUE(near_shows(x + 25 * lookup_sin[315], y + 25 * lookup_cos[315], 2, 9));
            break;
        }
        }
    }
}

TEST_F(InstrumentScreens, FlatHudOverTheBlackScene)
{
    climbing_turn();
    flt.Beta = 3;
    flt.Alpha = 4;
    nav.hdef[1] = 2;
    nav.vdef[1] = -1;
    ins.hud_brt = 1;
    set.view_type = 500;
    frame();
    // The scene's window: black, with the HUD box of the panel view.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    OGL_fillrect(29, 0, 333, 800, 228);
    con.HUD_lft = 200, con.HUD_rgt = 600, con.HUD_bot = 334, con.HUD_top = 552;
    con.cntrx = 400, con.cntry = 443;
    OGL_framerect(18, con.HUD_lft, con.HUD_bot, con.HUD_rgt - con.HUD_lft, con.HUD_top - con.HUD_bot);
    plot_nrml_hud();
    glFinish();
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, shot.data());
    save("instruments_flat_hud");
    EXPECT_TRUE(near_shows(400, 443, 1, 47));              // boresight
    EXPECT_TRUE(near_shows(400 - 9.41f * 3, 443 - 9.41f * 4, 3, 47));   // flight-path box
    EXPECT_TRUE(near_shows(420, 443 + 30, 1, 47));          // ILS bar 2 dots right
    EXPECT_TRUE(shows(shot, 300, 400, col_rgb[29]));       // the black scene between
    EXPECT_TRUE(near_shows(200, 400, 1, 18));               // the HUD frame
}

// "ILS Final" at Los Angeles 25L over the bundled world, NAV 1 tuned to the
// runway's localizer: the course and glide-slope needles stand centred and
// the flag shows TO.
TEST_F(InstrumentScreens, IlsFinalAtLosAngelesBothNeedlesCentred)
{
    int k = 0;
    int a = start_at_bundled_runway_of("KLAX", 25, 'L', 9, &k);
    ASSERT_GE(a, 0);
    all_systems_working();
    ASSERT_EQ(pln.supptype, 1);
    int loc = -1;
    for (int n = 0; n <= env.navmax && loc < 0; ++n)
        if (nav_type[n] == 4 && strcmp(nav_name[n], "Rwy 25L Los Angeles International Airp") == 0) loc = n;
    ASSERT_GE(loc, 0);
    nav.nf[0] = nav.nf[1] = nav_f12[loc];
    nav.obs[0] = nav.obs[1] = 250;   // the course, magnetic
    setnav(0);
    setnav(1);
    mod_evt();
    ASSERT_EQ(nav.goodnav[0], 1);
    ASSERT_EQ(nav.ilsgs[0], 3);
    flt.vind = 1.2f * msc.est_Vs * con.msctokts;
    flt.hind = (float)flt.Y;
    frame();
    save("instruments_ils_final_klax");
    // The course needle runs down through the centre, the glide-slope needle
    // across it; both white.
    float x = ins.x_loc[4], y = ins.y_loc[4];
    for (float d : {-15.0f, -8.0f, 8.0f, 15.0f}) {
        SCOPED_TRACE(d);
        EXPECT_TRUE(near_shows(x, y + d, 1, 0));
        EXPECT_TRUE(near_shows(x + d, y, 1, 0));
    }
    EXPECT_TRUE(any_shows((int)x + 27, (int)y - 3, (int)x + 45, (int)y + 4, 8));   // the flag, red
    EXPECT_EQ(nav.ntf[0], 1);
}
