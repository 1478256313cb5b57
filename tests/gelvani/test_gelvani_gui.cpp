// The scenery editor on a real screen: it starts on a square with a coast,
// a hill and obstacles over the bundled databases and draws the map where
// the projection puts it; the tools' list and numeric entry answer clicks.
// Leaves a screenshot (PPM) in the build folder.
#include "tools/Gelvani/gelvani_program.h"
#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/map_view.h"
#include "tools/Gelvani/terrain_square.h"
#include "tools/Gelvani/tool_helpers.h"

#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include "../support/screenshot.h"
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace gelvani;

namespace {
std::vector<unsigned char> shot(800 * 600 * 3);

void take_screenshot(const char* name)
{
    ::take_screenshot(SCREENSHOT_DIR, name, shot);
}

const unsigned char* pixel(int x, int y)
{
    return shot.data() + (y * 800 + x) * 3;
}

// A program folder of our own: the bundled textures, bitmaps and databases,
// and a square with sea to the west, land with a hill to the east.
std::string make_folder()
{
    namespace fs = std::filesystem;
    std::string dir = ::testing::TempDir() + "gelvani_gui_" + std::to_string(getpid()) + "/";
    fs::remove_all(dir);
    std::string nav = dir + "additional nav data/";
    fs::create_directories(nav + "+030-120");
    fs::create_directories(nav + "coastlines");
    std::string prog = std::string(PROGRAM_DIR) + "/";
    fs::create_symlink(prog + "textures", dir + "textures");
    fs::create_symlink(prog + "bitmaps", dir + "bitmaps");
    fs::copy_file(prog + "additional nav data/apt_dat", nav + "apt_dat");
    fs::copy_file(prog + "additional nav data/nav_dat", nav + "nav_dat");
    return dir;
}

void write_square()
{
    set_defaults();
    clear_obstacles();
    flat_sea();
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            float shore = 20 + 6 * std::sin(j / 9.0f);
            on_water[i][j] = i < shore;
            float d = std::hypot((float)(i - 42), (float)(j - 40) * 0.75f);
            planez[i][j] = on_water[i][j] ? 0 : 40 + 900 * std::exp(-d * d / 90);
        }
    const int types[] = {2, 3, 4, 5, 6, 8};
    for (int k = 0; k < 6; ++k) {
        obj_type[k] = types[k];
        obj_lat[k] = 33.2f + 0.1f * k;
        obj_lon[k] = -118.3f;
        obj_hddz[k] = 200;
    }
    ASSERT_EQ(write_terrain(), 1);
}
} // namespace

TEST(GelvaniOnScreen, StartsOnASquareAndDrawsItsMap)
{
    std::string dir = make_folder();
    setenv("XDG_CONFIG_HOME", (dir + "config").c_str(), 1);
    plat_set_message_box_handler([](const char*, const char* text) { fprintf(stderr, "%s\n", text); });
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    snprintf(app_path, sizeof app_path, "%s", dir.c_str());
    program_load_textures();
    write_square();

    load_everything();
    done_initing = 1;
    EXPECT_EQ(msc.edit_mode, EDIT_TERRAIN);
    EXPECT_GT(msc.aptmax, 1000);
    EXPECT_GT(msc.navmax, 1000);
    EXPECT_EQ(obj_type[5], 8);
    EXPECT_EQ(obj_type[6], 99);
    // An airport of our own on the hill's flank, its runway along 090.
    int a = ++msc.aptmax;
    apt_lat[a][0] = 33.5f, apt_lon[a][0] = -118.45f, apt_hdng[a][0] = 90, apt_len[a][0] = 9000, apt_width[a][0] = 150;

    MACIBM_startwind(0);
    mnw.mx = 400, mnw.my = 300;
    mnw.mouse_clicked = 0;
    OGL_plot_background();
    APPLICATION_update();
    take_screenshot("gelvani_map");

    // The map fills its area: sea at the west edge, the hill's top bright green.
    EXPECT_NEAR(ret_x(-119), 168, 1e-3);
    EXPECT_NEAR(ret_y(34), 555, 1e-3);
    const unsigned char* sea = pixel(175, 300);
    EXPECT_LT(sea[0], 60);
    EXPECT_GT(sea[2], sea[1] + 40);
    int hx = (int)std::lround(ret_x(planelon[42][40]) + 3), hy = (int)std::lround(ret_y(planelat[42][40]) + 3);
    const unsigned char* top = pixel(hx, hy);
    EXPECT_GT(top[1], 150);
    EXPECT_GT(top[1], top[0] + 80);
    // The runway in colour 9 over the land.
    const unsigned char* rwy = pixel((int)ret_x(-118.45f), (int)ret_y(33.5f) - 1);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(rwy[k], (int)(col_rgb[9][k] * 255), 12);
    // Outside the map area nothing of the map is drawn.
    const unsigned char* left = pixel(100, 200);
    EXPECT_FALSE(left[2] > left[1] + 40 && left[2] > 100);

    // Texture mode shows the terrain textures.
    APPLICATION_handlemenu(205);
    EXPECT_EQ(msc.draw_tex, 1);
    MACIBM_startwind(0);
    OGL_plot_background();
    APPLICATION_update();
    take_screenshot("gelvani_map_textures");

    MACIBM_finishup();
}

TEST(GelvaniOnScreen, NameListAndNumericEntryAnswerClicks)
{
    static char names[10][40];
    static char ids[10][5];
    for (int k = 0; k < 10; ++k) {
        snprintf(names[k], 40, "Entry %d", k);
        snprintf(ids[k], 5, "E%d", k);
    }
    MACIBM_init();
    MACIBM_startwind(0);
    mnw.x = mnw.y = 0;

    // The -10 band wraps 8 back to 8 over ten entries.
    int index = 8;
    mnw.mx = 100, mnw.my = 300 + 50;
    mnw.mouse_clicked = 1;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, 9);
    EXPECT_EQ(index, 8);
    mnw.my = 300 - 5;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, 9);
    EXPECT_EQ(index, 9);
    mnw.my = 300 - 25;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, 9);
    EXPECT_EQ(index, 2);
    // An empty range leaves the index alone.
    index = 4;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, -1);
    EXPECT_EQ(index, 4);

    // Three digits 0..360 at 355: the upper half of the leftmost digit gives 455, held at 360.
    float v = 355;
    mnw.mx = 205, mnw.my = 100 + 5;
    EXPECT_EQ(instdbtn_range(7, 200, 100, &v, 3, 0, 0, 360, "help"), 1);
    EXPECT_EQ(v, 360);
    mnw.mx = 225, mnw.my = 100 - 5;
    EXPECT_EQ(instdbtn_range(7, 200, 100, &v, 3, 0, 0, 360, "help"), 1);
    EXPECT_EQ(v, 359);
    EXPECT_STREQ(mnw.help_message, "help");
    mnw.mouse_clicked = 0;
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
