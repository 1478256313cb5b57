// The moving map (chart, weather radar and airport diagram, the latter also
// at Los Angeles over the bundled world), the data graph after a short flight
// and the data-output window, drawn on a real screen; each leaves a
// screenshot (PPM) in the build folder. A click on the chart places the
// aircraft there.
#include "tests/support/flat_window.h"
#include "tests/support/screenshot.h"
#include "tests/support/trainer.h"

#include "flight/FLTCALC.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "platform/window.h"
#include "shell/data_graph.h"
#include "shell/moving_map.h"
#include "shell/settings_windows.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "tests/support/scratch_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
std::vector<unsigned char> shot(800 * 600 * 3);

void screenshot(const char* name)
{
    take_screenshot(SCREENSHOT_DIR, name, shot);
}

// Colour index c at window point (wx, wy), within the screen's colour depth.
bool shows(float wx, float wy, int c)
{
    int x = (int)(mnw.x + wx), y = (int)(mnw.y + wy);
    if (x < 0 || y < 0 || x >= 800 || y >= 600) return false;
    const unsigned char* p = shot.data() + (y * 800 + x) * 3;
    for (int k = 0; k < 3; ++k)
        if (std::abs(p[k] - (int)(col_rgb[c][k] * 255)) > 12) return false;
    return true;
}

int count_shows(float x1, float y1, float x2, float y2, int c)
{
    int n = 0;
    for (float y = y1; y <= y2; ++y)
        for (float x = x1; x <= x2; ++x) n += shows(x, y, c);
    return n;
}

// Pixels of the grey g (0..255) in a box of the window.
int count_grey(float x1, float y1, float x2, float y2, int g)
{
    int n = 0;
    for (float y = y1; y <= y2; ++y)
        for (float x = x1; x <= x2; ++x) {
            int px = (int)(mnw.x + x), py = (int)(mnw.y + y);
            if (px < 0 || py < 0 || px >= 800 || py >= 600) continue;
            const unsigned char* p = shot.data() + (py * 800 + px) * 3;
            n += std::abs(p[0] - g) <= 12 && std::abs(p[1] - g) <= 12 && std::abs(p[2] - g) <= 12;
        }
    return n;
}

void open_and_draw(int index, void (*handler)())
{
    MACIBM_startwind(index);
    mnw.mx = mnw.my = -100;
    mnw.mouse_clicked = mnw.now_dragging = 0;
    OGL_plot_background();
    handler();
}

void region_with_airport_and_water()
{
    env.lat_sou = 33;
    env.lon_wes = -119;
    flat_window(0);
    con.mtrtonrt = 494 / env.dz;
    // The western third is sea.
    for (int i = 0; i < 60; ++i)
        for (int j = 0; j < GRID_J; ++j) on_water[i][j] = 1;
    apt_lat[0][0] = 34;
    apt_lon[0][0] = -117.5f;
    apt_hdng[0][0] = 90;
    apt_len[0][0] = 2500;
    apt_width[0][0] = 45;
    apt_lat[0][1] = 34.004f;
    apt_lon[0][1] = -117.502f;
    apt_hdng[0][1] = 30;
    apt_len[0][1] = 1500;
    apt_width[0][1] = 30;
    apt_h[0] = 350;
    std::strcpy(apt_name[0], "TEST FIELD-NORTH");
    std::strcpy(apt_id[0], "KTST");
    env.aptmax = 0;
    apt_inreg[0] = 1;
    nav_type[0] = 3;
    nav_lat[0] = 33.7f;
    nav_lon[0] = -117.2f;
    nav_f12[0] = 11370;
    std::strcpy(nav_name[0], "SEAL");
    nav_inreg[0] = 1;
    nav_type[1] = 6;   // the field's glide slope
    nav_lat[1] = 34;
    nav_lon[1] = -117.49f;
    nav_inreg[1] = 1;
    env.navmax = 1;
    fix_lat[0] = 99;
}

void flown_path()
{
    for (int c = 0; c < 300; ++c) {
        float t = c / 300.0f;
        pat.xyztppt[c][0] = env.dx * (0.45f + 0.2f * t);
        pat.xyztppt[c][1] = 1500 - 1000 * t;
        pat.xyztppt[c][2] = -env.dz * (0.3f + 0.2f * t);
        pat.inited[c] = c != 150;   // a gap in the recording
    }
}
} // namespace

TEST(OutputsOnScreen, MovingMapAndDataGraph)
{
    std::string dir = ::testing::TempDir() + "outputs_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    remove_at_exit(dir);
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    done_initing = 1;
    ASSERT_EQ(load_bundled_trainer(), 1);
    standard_day();
    startup_failures();
    region_with_airport_and_water();
    flown_path();
    flt.X = env.dx * 0.65f;
    flt.Z = -env.dz * 0.5f;
    flt.psi = 45;

    // The low en-route chart: sea, land, the airport symbol, the VOR's
    // frequency box, the trail and the aircraft.
    msc.map_type = 402;
    open_and_draw(3, manage_map);
    screenshot("moving_map_chart");
    float w = mnw.dx;
    EXPECT_TRUE(shows(pixelxfinder(env.dx * 0.8f), pixelyfinder(-env.dz * 0.8f), 6));  // land
    EXPECT_TRUE(shows(pixelxfinder(env.dx * 0.1f), pixelyfinder(-env.dz * 0.5f), 7));  // open water
    float ax = pixelxfinder((float)flt.X), ay = pixelyfinder((float)flt.Z);
    EXPECT_GT(count_shows(ax - 10, ay - 10, ax + 10, ay + 10, 8) + count_shows(ax - 10, ay - 10, ax + 10, ay + 10, 9),
              8);
    EXPECT_GT(count_shows(0, 0, w - 72, mnw.dy, 16), 10);   // airport circles
    // Nothing of the map spills into the button strip.
    EXPECT_EQ(count_shows(w - 60, 250, w - 2, 300, 6), 0);

    // Zoom in through its button: the centre stays; then the airport's
    // runways appear once past 3.
    float cx = env.os_X_plan + 0.5f * env.dx, cz = env.os_Z_plan - 0.5f * env.dz;
    for (int k = 0; k < 3; ++k) {
        mnw.mx = w - 35;
        mnw.my = 220;
        mnw.mouse_clicked = 1;
        manage_map();
    }
    EXPECT_NEAR(env.zoom_rat, 3.375f, 1e-4);
    EXPECT_NEAR(env.os_X_plan + 0.5f * env.dx / env.zoom_rat, cx, 1);
    EXPECT_NEAR(env.os_Z_plan - 0.5f * env.dz / env.zoom_rat, cz, 1);
    mnw.mouse_clicked = 0;
    mnw.mx = mnw.my = -100;
    OGL_plot_background();
    manage_map();
    screenshot("moving_map_zoomed");

    // A click on the map restarts the flight there and closes the window.
    float px = pixelxfinder(env.dx * 0.5f), py = pixelyfinder(-env.dz * 0.5f);
    mnw.mx = px;
    mnw.my = py;
    mnw.mouse_clicked = 1;
    set.cus_Y = 1000;
    manage_map();
    EXPECT_NEAR(set.cus_X, env.dx * 0.5f, env.dx / 500);
    EXPECT_NEAR(set.cus_Z, -env.dz * 0.5f, env.dz / 500);
    EXPECT_NEAR(flt.X, set.cus_X, 1);
    EXPECT_NEAR(flt.Z, set.cus_Z, 1);
    EXPECT_EQ(mnw.topwin, 0);

    // The weather radar map: the VOR's frequency box shows its name and
    // frequency, black in the box's grey.
    msc.map_type = 404;
    open_and_draw(3, manage_map);
    screenshot("moving_map_radar");
    float vx = pixelxfinder(X_with_latlon(33.7f, -117.2f)) + 18, vy = pixelyfinder(Z_with_lat(33.7f)) + 18;
    EXPECT_GT(count_shows(vx + 1, vy + 1, vx + 62, vy + 19, 6), 500);   // the box
    EXPECT_GT(count_shows(vx + 1, vy + 1, vx + 62, vy + 19, 29), 30);   // its text

    // The airport diagram, chosen from the Output menu: the airport's name
    // and identifier in the title, runways in the map and in the small
    // picture, which stands clear of the approach profile on the window's
    // face, the elevation, the profile with its glide slope.
    APPLICATION_setupmenus();
    flt.X = X_with_latlon(34.0f, -117.52f);
    flt.Z = Z_with_lat(34.0f);
    APPLICATION_handlemenu(408);
    ASSERT_EQ(mnw.topwin, 24);
    EXPECT_EQ(msc.map_type, 998);
    mnw.mx = mnw.my = -100;
    OGL_plot_background();
    manage_map();
    screenshot("moving_map_diagram");
    float title_w = 6 * std::strlen("TEST FIELD-NORTH (KTST)");
    EXPECT_GT(count_shows(mnw.dx / 2 - title_w / 2, mnw.dy + 4, mnw.dx / 2 + title_w / 2, mnw.dy + 11, 6), 80);
    EXPECT_GT(count_shows(7, 184, 354, 487, 29), 40);      // runways
    EXPECT_GT(count_shows(232, 49, 361, 151, 29), 40);     // the small picture
    EXPECT_GT(count_shows(227, 49, 361, 151, 12), 8000);   // on the face, no well under it
    EXPECT_GT(count_shows(7, 40, 226, 165, 47), 100);      // the glide slope
    EXPECT_GT(count_shows(7, 40, 60, 165, 6), 20);         // height ticks

    // The data graph after a flight with four channels chosen.
    set.cus_X = env.dx / 2;
    set.cus_Z = -env.dz / 2;
    set.cus_Y = 1500;
    set.cus_psi = 90;
    set.cus_v = 60;
    set_fltvars(10);
    int chosen[4] = {15, 5, 16, 21};
    for (int g = 0; g < 4; ++g) set.grfsel[g] = chosen[g];
    set.grfout = 1;
    clear_graph();
    msc.prd = 0.02f;
    // Past one turn of the ring: a cleared ring shows its samples once full.
    for (int k = 0; k < 1900; ++k) {
        set.MK_ptch = k > 200 && k < 300 ? 0.2f : 0;
        mnw.time_elapsed += 0.02f;   // frames in real time
        update_flight();
    }
    grf.lefttime = 2;
    open_and_draw(22, manage_grf);
    screenshot("data_graph");
    int curves = count_shows(105, 40, 605, 370, 4) + count_shows(105, 40, 605, 370, 9);
    EXPECT_GT(curves, 200);

    // The data-output window: every channel's label beside its number, so
    // that airspeed (15) and the engines' power (28) can be found.
    open_and_draw(7, manage_dat);
    screenshot("data_output");
    const int soft = 60;   // the labels' grey
    for (int ch : {0, 15, 28, 41, 49}) {
        float x = ch < 20 ? 9 : ch < 40 ? 241 : 435;
        EXPECT_GT(count_grey(x + 69, util_yval(ch) + 1, x + 69 + 6 * 4, util_yval(ch) + 8, soft), 15) << ch;
    }

    // The diagram of Los Angeles over the bundled world: the approach
    // profile with the glide slope of one of its runways' landing systems.
    int k = 0;
    int a = start_at_bundled_runway_of("KLAX", 25, 'L', 9, &k);
    ASSERT_GE(a, 0);
    for (int c = 0; c < PATH_SAMPLES; ++c) pat.inited[c] = 0;
    msc.map_type = 998;
    msc.plate_index = a;
    open_and_draw(24, manage_map);
    screenshot("moving_map_diagram_klax");
    EXPECT_GT(count_shows(7, 184, 354, 487, 29), 40);   // runways
    EXPECT_GT(count_shows(7, 40, 290, 165, 47), 100);   // the glide slope
    MACIBM_finishup();
}

