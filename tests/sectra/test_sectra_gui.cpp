// The airfoil editor on a real screen: the bundled NACA 2412 opened and
// plotted over its picture, in both views, and the default flap. Leaves
// screenshots (PPM) in the build folder.
#include "tools/Sectra/airfoil_files.h"
#include "tools/Sectra/airfoil_model.h"
#include "tools/Sectra/edit_screen.h"
#include "tools/Sectra/part_flow.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include "../support/close_request.h"
#include "../support/screenshot.h"
#include "tests/support/scratch_files.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

using namespace sectra;

namespace {
std::vector<unsigned char> shot;

const unsigned char* pixel(int x, int y)
{
    return shot.data() + (y * 800 + x) * 3;
}

int near_colour(const unsigned char* p, int c)
{
    for (int k = 0; k < 3; ++k)
        if (std::abs(p[k] - (int)(col_rgb[c][k] * 255)) > 12) return 0;
    return 1;
}

// Pixels of colour c in column x of the plot box.
int column_hits(int x, int c)
{
    int n = 0;
    for (int y = 140; y <= 541; ++y) n += near_colour(pixel(x, y), c);
    return n;
}

void draw(const char* name)
{
    MACIBM_startwind(0);
    OGL_plot_background();
    APPLICATION_update();
    take_screenshot(SCREENSHOT_DIR, name, shot);
}

int chosen(int, char* file, char* path)
{
    copy_bounded(file, "NACA 2412 (popular).afl", 400);
    snprintf(path, 400, "%s/airfoils/NACA 2412 (popular).afl", PROGRAM_DIR);
    return 1;
}
} // namespace

TEST(SectraOnScreen, PlotsTheBundledNaca2412)
{
    // Pictures are read beside the running program.
    for (const char* sub : {"bitmaps", "textures"})
        symlink((std::string(PROGRAM_DIR) + "/" + sub).c_str(), (std::string(SCREENSHOT_DIR) + "/" + sub).c_str());
    std::string settings = ::testing::TempDir() + "sectra_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    remove_at_exit(settings);
    plat_set_message_box_handler([](const char*, const char* text) { fprintf(stderr, "%s\n", text); });
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    reset_to_default(DEVICE_AIRFOIL);
    done_initing = 1;
    choose_open_file = chosen;
    donewdeal(DO_OPEN, DEVICE_AIRFOIL);
    ASSERT_STREQ(msc.C_file, "NACA 2412 (popular).afl");

    // The cursor at 5 degrees (step 250), the mouse away from the box.
    mnw.mx = 700, mnw.my = 100;
    mnw.mouse_clicked = 0;
    draw("sectra_naca2412");
    // The cursor line in white over the whole box height.
    EXPECT_GE(column_hits(500, 0), 390);
    // Each curve meets the column of 0 degrees (step 200) where its value puts it.
    const int x0 = 450;
    struct {
        int colour;
        float value;
    } at_zero[] = {{1, cl[270] * cls}, {2, cd[270] * cds}, {3, cm[270] * cms}, {6, 0}};
    for (const auto& c : at_zero) {
        int row = 340 + (int)(c.value * 200);
        int found = 0;
        for (int dy = -1; dy <= 1; ++dy) found |= near_colour(pixel(x0, row + dy), c.colour);
        EXPECT_TRUE(found) << "colour " << c.colour << " at row " << row;
    }

    // Against lift: no lift curve, the zero line in the lift colour.
    APPLICATION_handlemenu(301);
    draw("sectra_naca2412_polar");
    EXPECT_EQ(column_hits(450, 6), 0);
    EXPECT_GE(column_hits(250 + fpx(250), 0), 390);

    // The flap on its own picture.
    APPLICATION_handlemenu(201);
    EXPECT_EQ(msc.device, DEVICE_FLAP);
    draw("sectra_flap");
    EXPECT_GE(column_hits(500, 0), 390);

    MACIBM_finishup();
}

// Closed from the desktop with the part changed, the editor asks as its
// Quit does: Cancel keeps it running with the change, Don't Save ends it.
TEST(SectraOnScreen, ClosingTheWindowAsksToSaveThePart)
{
    setenv("XDG_CONFIG_HOME", (::testing::TempDir() + "sectra_gui_close_" + std::to_string(getpid())).c_str(), 1);
    MACIBM_init();
    reset_to_default(DEVICE_AIRFOIL);
    done_initing = 1;
    ask_save_changes = MACIBM_nuke_alert;
    MACIBM_startwind(0);
    plat_event paint{PLAT_PAINT, 0, 0, 0};
    plat_inject_event(&paint);
    MACIBM_event_proc();
    msc.devicemod = 1;   // an edit not yet saved

    queue_close_and_answer(3);
    for (int k = 0; k < 4; ++k) MACIBM_event_proc();
    EXPECT_EQ(std::string(g_cs1), std::string("Save changes to ") + msc.C_file + " first?");
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(msc.devicemod, 1);

    queue_close_and_answer(2);
    for (int k = 0; k < 4; ++k) MACIBM_event_proc();
    EXPECT_EQ(gdone, 1);
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
