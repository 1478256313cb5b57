// Whole panels through the real frame loop in a window under Xvfb: the
// trainer and variations of its panel fields, with pixel checks at known
// places and a screenshot of each under the build folder.
#include "tests/support/panel_frame.h"
#include "tests/support/screenshot.h"
#include "tests/support/test_window.h"
#include "tests/support/trainer.h"

#include "cockpit/P_INIT.h"
#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "cockpit/instrument_primitives.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"
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
using rgb = std::array<int, 3>;
std::vector<unsigned char> shot(800 * 600 * 3);

class PanelScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        open_test_window();
        load_bundled_trainer();   // also points app_path at the program folder
        standard_day();
        atm.T = 288.15f;
        all_systems_working();
        done_initing = 1;
        msc.paused = 1;           // the flight stands still; the panel still draws
        msc.prd = 0.05f;
        msc.init_time = 100;
        ins.ecam_mode = 3;
        ins.r_rat = ins.g_rat = ins.b_rat = 1;
        set.view_is_fullscreen = 0;
        mnw.topwin = 0;
    }

    // Lays out, builds the backdrop and runs one real frame.
    void frame()
    {
        ASSERT_EQ(panel_frame(), 1);
        // The swapped frame is gone: draw it once more and read it before the swap.
        OGL_plot_background();
        update_scenery();
        glFinish();
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, shot.data());
    }

    void save(const char* name)
    {
        ASSERT_TRUE(write_screenshot(SHOT_DIR, name, shot));
    }
};

rgb at(int x, int y)
{
    const unsigned char* p = &shot[(y * 800 + x) * 3];
    return {p[0], p[1], p[2]};
}

bool shows(int x, int y, int c)
{
    rgb p = at(x, y);
    for (int k = 0; k < 3; ++k)
        if (std::abs(p[k] - (int)std::lround(col_rgb[c][k] * 255)) > 12) return false;
    return true;
}

bool any_shows(int x1, int y1, int x2, int y2, int c)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (shows(x, y, c)) return true;
    return false;
}
} // namespace

TEST_F(PanelScreens, TrainerLampsPausedAndNeedles)
{
    pln.gear_retract = 1;
    set.gear_handle = 1;
    pln.gear_stat[0] = pln.gear_stat[1] = pln.gear_stat[2] = 1;
    flt.vind = 60;
    msc.est_Vs = 20;
    for (int e = 0; e < 8; ++e) flt.alpha[4][e] = pln.alpha_max[4];
    nav.overOM = 1;
    msc.cntr10 = 2;
    flt.tac[0] = 0;
    frame();
    save("panel_trainer");
    EXPECT_TRUE(shows(12, 321, 2));                                   // stall lamp
    EXPECT_TRUE(shows((int)osrad + 500, 296, 66));                    // lit outer marker
    EXPECT_TRUE(shows((int)osrad + 510 + 5, 296, 15));                // dark middle marker
    EXPECT_TRUE(shows((int)osrad + 623, 19, 46));                     // gear down and locked
    EXPECT_TRUE(any_shows(742, 318, 778, 325, 41));                   // "PAUSED"
    // The RPM needle at rest points straight down from the dial's centre.
    float x = en_x[1][0] + oseng, y = en_y[1];
    EXPECT_TRUE(any_shows((int)x - 1, (int)y - 19, (int)x + 1, (int)y - 17, 0));
}

TEST_F(PanelScreens, GlassTwinWithItsPageLight)
{
    pln.paneltype = 2;
    pln.supptype = 1;
    pln.numen = 2;
    ins.ecam_mode = 4;
    frame();
    save("panel_glass_twin");
    EXPECT_EQ(pln.ecam, 1);
    EXPECT_TRUE(shows((int)oseng + 690, 144, 49));   // FUEL page light on
    EXPECT_TRUE(shows((int)oseng + 660, 144, 51));   // ENGN off
    EXPECT_TRUE(any_shows((int)oseng + 660, 276, (int)oseng + 700, 286, 42));   // "FUEL L:"
}

TEST_F(PanelScreens, FourEngineJetTapesAndEveryPage)
{
    pln.numen = 4;
    pln.entype = 4;
    pln.tmax = 80000;
    pln.varpitchEQ = 0;
    for (int e = 0; e < 4; ++e) flt.n1_[e] = 50 + 10 * e;
    const char* names[5] = {"panel_jet_engines", "panel_jet_fuel", "panel_jet_controls", "panel_jet_hydraulics",
                            "panel_jet_failures"};
    for (int page = 3; page <= 7; ++page) {
        ins.ecam_mode = page;
        rel.engine[1] = page == 7 ? 0 : 1;
        frame();
        save(names[page - 3]);
        EXPECT_TRUE(shows((int)oseng + 660 + 30 * (page - 3), 144, 49)) << page;
        if (page == 3) {
            // The first N1 tape: a green bar 50 units high from the tape's foot.
            float x = en_x[1][0] + oseng, y = en_y[1];
            EXPECT_TRUE(shows((int)x, (int)y + 25, 47));
            EXPECT_FALSE(shows((int)x, (int)y + 60, 47));
        }
        if (page == 7) {
            EXPECT_TRUE(any_shows((int)oseng + 727, 270, (int)oseng + 780, 277, 44));   // "ENGINE #2"
        }
    }
}

TEST_F(PanelScreens, TwinPistonHelicopterAndTheShiftedRadioStack)
{
    pln.is_heli = 1;
    pln.numen = 2;
    pln.radiotype = 2;
    pln.varpitchEQ = 1;   // so that the manifold-pressure dial is there
    flt.mpr[0] = 12;
    flt.mpr[1] = 26;
    frame();
    save("panel_helicopter_radiotype2");
    EXPECT_EQ(osrad, 156);
    // The tail number stays put; the marker lamps move with the stack.
    EXPECT_TRUE(any_shows(172, 319, 215, 326, 9));
    EXPECT_TRUE(shows((int)osrad + 510 + 5, 296, 15));
    // Both engines on engine 0's manifold-pressure dial: a solid needle, and
    // a hollow one whose middle shows the face between its two sides.
    float x = en_x[2][0] + oseng, y = en_y[2];
    for (int e = 0; e < 2; ++e) {
        int a = dial_degree(std::round(flt.mpr[e] * ins.mprtoINS) + 180);
        float s = lookup_sin[a], c = lookup_cos[a];
        int mx = (int)std::lround(x + 12 * s), my = (int)std::lround(y + 12 * c);
        int sx = (int)std::lround(x + 12 * s + 2 * c), sy = (int)std::lround(y + 12 * c - 2 * s);
        EXPECT_EQ(shows(mx, my, 0), e == 0) << e;
        EXPECT_TRUE(any_shows(sx - 1, sy - 1, sx + 1, sy + 1, 0)) << e;
    }
}

TEST_F(PanelScreens, CustomPanelBitmap)
{
    std::string dir = std::string(SHOT_DIR) + "/custom";
    std::string cmd = "mkdir -p '" + dir + "'";
    ASSERT_EQ(system(cmd.c_str()), 0);
    // An 800 x 333 panel of one colour (40, 90, 160).
    std::string bmp = dir + "/Custom panl.BMP";
    ASSERT_TRUE(write_one_colour_panel(bmp.c_str(), 40, 90, 160));
    copy_bounded(pln.C_path, (dir + "/Custom.acf").c_str(), 400);
    frame();
    save("panel_custom");
    EXPECT_EQ(pln.cp, 1);
    EXPECT_EQ(at(300, 150), (rgb{40, 90, 160}));   // no faces over it
    EXPECT_TRUE(any_shows(172, 319, 215, 326, 9));  // the tail number still is
}
