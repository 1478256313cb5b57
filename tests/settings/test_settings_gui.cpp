// Settings windows on a real screen: the weather and the weights windows
// open centred with their titles and show their controls where the handlers
// put them, and the isometric region draws its grid. Each leaves a
// screenshot (PPM) in the build folder.
#include "../support/trainer.h"
#include "records/flight_state.h"
#include "shell/settings_windows.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include "tests/support/flat_window.h"

#include "../support/screenshot.h"
#include "tests/support/scratch_files.h"
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
std::vector<unsigned char> shot(800 * 600 * 3);

void take_screenshot(const char* name)
{
    ::take_screenshot(SCREENSHOT_DIR, name, shot);
}

// Colour index c at window point (wx, y) of the open window, within the
// screen's colour depth.
bool shows(float wx, float wy, int c)
{
    int x = (int)(mnw.x + wx), y = (int)(mnw.y + wy);
    const unsigned char* p = shot.data() + (y * 800 + x) * 3;
    for (int k = 0; k < 3; ++k)
        if (std::abs(p[k] - (int)(col_rgb[c][k] * 255)) > 12) return false;
    return true;
}

bool any_shows(float x1, float y1, float x2, float y2, int c)
{
    for (float y = y1; y <= y2; ++y)
        for (float x = x1; x <= x2; ++x)
            if (shows(x, y, c)) return true;
    return false;
}

// Any black text pixel in the window box (wx1, wy1)-(wx2, wy2).
bool any_black(float x1, float y1, float x2, float y2)
{
    for (int y = (int)(mnw.y + y1); y <= (int)(mnw.y + y2); ++y)
        for (int x = (int)(mnw.x + x1); x <= (int)(mnw.x + x2); ++x) {
            const unsigned char* p = shot.data() + (y * 800 + x) * 3;
            if (p[0] < 30 && p[1] < 30 && p[2] < 30) return true;
        }
    return false;
}

void draw_window(int index, void (*handler)())
{
    MACIBM_startwind(index);
    mnw.mx = mnw.my = -100;
    mnw.mouse_clicked = mnw.now_dragging = 0;
    select_ctr = 0;
    OGL_plot_background();
    handler();
}
} // namespace

TEST(SettingsOnScreen, WeatherWeightsAndRegionWindowsShowTheirControls)
{
    std::string dir = ::testing::TempDir() + "settings_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    remove_at_exit(dir);
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    done_initing = 1;
    ASSERT_EQ(load_bundled_trainer(), 1);

    // Weather: 10 nm visibility, moderate precipitation, wind 25 knots.
    apt_h[0] = 0;
    atm.cld_type = 1;
    atm.topsMSL = 8000 * con.fttomtrs;
    atm.baseMSL = 3000 * con.fttomtrs;
    atm.vis_rep = 10 * con.nmtomtrs;
    atm.rain_tstm = 3;
    atm.wind_tbl = 1;
    atm.burst_prob = 1;
    atm.wndspd = 25;
    atm.temp_SL = 59;
    atm.baro = 29.92f;
    draw_window(12, manage_atm);
    take_screenshot("settings_weather");
    EXPECT_EQ(mnw.dx, 618);
    EXPECT_EQ(mnw.dy, 527);
    EXPECT_EQ(mnw.x, 91);
    // Visibility and precipitation bars reach halfway along their tracks;
    // the wind bar halfway along its own.
    EXPECT_TRUE(shows(41 + 2, 344 + 1, 50));
    EXPECT_TRUE(shows(41 + 76, 344 + 1, 50));
    EXPECT_FALSE(shows(41 + 82, 344 + 1, 50));
    EXPECT_TRUE(shows(41 + 76, 278 + 1, 50));
    EXPECT_TRUE(shows(303 + 76, 432 + 1, 50));
    EXPECT_FALSE(shows(303 + 82, 432 + 1, 50));
    // The cloud type, the cloud heights and the read-outs in their colours.
    EXPECT_TRUE(any_shows(114, 476, 180, 483, 47));
    EXPECT_TRUE(any_shows(22, 475, 72, 482, 47));
    EXPECT_TRUE(any_shows(72, 346, 190, 353, 38));
    // The right column's captions ("Wind speed" and the rest) lead their
    // tracks on the track's line; a handle at 0 hangs below the track's
    // start and covers none of them.
    auto caption_dots = [](float x1, float y1, float x2, float y2) {
        int n = 0;
        for (int y = (int)(mnw.y + y1); y <= (int)(mnw.y + y2); ++y)
            for (int x = (int)(mnw.x + x1); x <= (int)(mnw.x + x2); ++x) {
                const unsigned char* p = shot.data() + (y * 800 + x) * 3;
                n += std::abs(p[0] - 60) < 5 && std::abs(p[1] - 60) < 5 && std::abs(p[2] - 60) < 5;
            }
        return n;
    };
    for (float y : {402.0f, 357.0f, 327.0f, 282.0f, 184.0f, 154.0f}) {
        EXPECT_GT(caption_dots(220, y + 2, 296, y + 8), 20) << "caption of the track at " << y;
        EXPECT_EQ(caption_dots(296, y - 14, 340, y - 5), 0) << "under the track at " << y;
    }

    // Weights: the trainer with some payload and full fuel.
    flt.m_fixed = (pln.m_max - pln.m_empty) / 2;
    flt.m_fuel = pln.m_fuel;
    flt.m_jettison = 0;
    draw_window(16, manage_wgt);
    take_screenshot("settings_weights");
    EXPECT_EQ(mnw.dx, 436);
    EXPECT_EQ(mnw.dy, 252);
    // Payload bar halfway, fuel bar full.
    EXPECT_TRUE(shows(117 + 2, 160 + 1, 50));
    EXPECT_TRUE(shows(117 + 76, 160 + 1, 50));
    EXPECT_FALSE(shows(117 + 82, 160 + 1, 50));
    EXPECT_TRUE(shows(117 + 154, 115 + 1, 50));
    // Empty mass, the total within the maximum, the maximum, the endurance.
    EXPECT_TRUE(any_shows(118, 205, 190, 212, 47));
    EXPECT_TRUE(any_shows(118, 29, 190, 36, 47));
    EXPECT_TRUE(any_shows(330, 29, 400, 36, 41));
    EXPECT_TRUE(any_shows(330, 117, 370, 124, 38));

    // The isometric region over a flat window: the grid's parallelogram
    // fills the window's height, centred, with a city in yellow.
    env.lat_sou = 33;
    env.lon_wes = -119;
    flat_window(0);
    city_on_poly[88][79] = 1;
    draw_window(23, manage_iso);
    take_screenshot("settings_region");
    float scale = fltmin2(mnw.dy / (0.7f * env.dz), mnw.dx / (env.dx + 0.3f * env.dz));
    float cx = (planexyz[88][79][0] - env.lox + (env.hiz - planexyz[88][79][2]) * 0.3f) * scale;
    EXPECT_TRUE(shows(cx - 20, mnw.dy / 2 - 20, 0));
    int city = 0;
    for (int y = (int)(mnw.y + mnw.dy / 2) - 3; y <= (int)(mnw.y + mnw.dy / 2) + 3; ++y)
        for (int x = (int)(mnw.x + cx) - 3; x <= (int)(mnw.x + cx) + 3; ++x) {
            const unsigned char* p = shot.data() + (y * 800 + x) * 3;
            city += p[0] > 230 && p[1] > 195 && p[1] < 235 && p[2] < 30;   // (1, 0.85, 0)
        }
    EXPECT_GE(city, 1);
    EXPECT_FALSE(shows(mnw.dx - 5, 20, 0));   // right of the grid's southern edge
    city_on_poly[88][79] = 0;

    // The serial and joystick windows carry the captions of their choices
    // in their frames: black text beside the first and last radio buttons,
    // the first and last joystick buttons and functions.
    draw_window(8, manage_ser);
    take_screenshot("settings_serial");
    EXPECT_TRUE(any_black(40, 452, 60, 458));
    EXPECT_TRUE(any_black(40, 175, 60, 181));
    draw_window(15, manage_flt);
    take_screenshot("settings_joystick");
    EXPECT_TRUE(any_black(201, 473, 230, 479));
    EXPECT_TRUE(any_black(201, 53, 230, 59));
    EXPECT_TRUE(any_black(295, 475, 330, 481));
    EXPECT_TRUE(any_black(295, 25, 330, 31));

    // Each meteor-shower choice stands inside its box.
    for (int code = 1; code <= 4; ++code) {
        atm.meteorite_code = code;
        draw_window(11, manage_spa);
        const std::string name = "settings_space_" + std::to_string(code);
        take_screenshot(name.c_str());
        int text = 0, outside = 0;
        for (float y = 29; y <= 35; ++y)
            for (float x = 25; x <= 196; ++x)
                if (shows(x, y, 47)) {
                    ++text;
                    outside += !any_black(x, 28, x, 28);   // the box's black under the text line
                }
        EXPECT_GT(text, 20) << code;
        EXPECT_EQ(outside, 0) << code;
    }

    // The driver's strings: the extension list in whole words inside the
    // driver's box, clear of the advice below it.
    draw_window(10, manage_ogl);
    take_screenshot("settings_rendering");
    EXPECT_TRUE(any_shows(150, 330, 590, 336, 41));
    EXPECT_FALSE(any_shows(15, 140, 599, 286, 41));

    MACIBM_startwind(0);
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
