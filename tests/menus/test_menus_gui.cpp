// A scripted run in a real window under Xvfb: the simulator's libraries with
// a small set of menus; the menu bar answers injected clicks, a pull-down
// and its help balloon show on the screen, and the file chooser lists a
// folder, picks a file and takes a typed name.
#include "menus_support.h"

#include "records/flight_state.h"
#include "toolkit/HL_GRAPH.h"
#include "tests/support/scratch_files.h"

#include "../support/screenshot.h"

#include <GL/gl.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
struct rgb {
    int r, g, b;
};

// One pixel of the frame drawn so far (the back buffer); 800 x 600 screen.
rgb screen(int x, int y)
{
    unsigned char p[3] = {0, 0, 0};
    glFinish();
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

// Colour index c as the screen shows it, within the 16-bit colour depth.
bool shows(rgb p, int c)
{
    const int want[3] = {(int)(col_rgb[c][0] * 255), (int)(col_rgb[c][1] * 255), (int)(col_rgb[c][2] * 255)};
    const int got[3] = {p.r, p.g, p.b};
    for (int k = 0; k < 3; ++k)
        if (std::abs(got[k] - want[k]) > 12) return false;
    return true;
}

// Any pixel of colour c in the screen rectangle.
bool any_shows(int x1, int y1, int x2, int y2, int c)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (shows(screen(x, y), c)) return true;
    return false;
}

void use_settings()
{
    std::string dir = ::testing::TempDir() + "menus_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    remove_at_exit(dir);
}

void frame()
{
    inject_frame_end();
    MACIBM_event_proc();
}
} // namespace

TEST(MenusOnScreen, MenuBarAnswersTheMouseAndTheChooserPicksFiles)
{
    use_settings();
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    // No aircraft is loaded: its empty state would be no number and crash.
    msc.paused = 1;
    daylight_world();
    done_initing = 1;
    // The panel comes from the bundled bitmaps.
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    calls.clear();

    MACIBM_create_menu(0, -1, "File");
    MACIBM_append_menu(0, 0, "Open...", "Opens an aircraft file from any folder.");
    MACIBM_append_menu(0, 1, "-", "");
    MACIBM_append_menu(0, 2, "Save...", "");
    MACIBM_create_menu(1, -1, "View");
    MACIBM_append_menu(1, 100, "Forward", "");
    MACIBM_startwind(0);
    plat_event paint{PLAT_PAINT, 0, 0, 0};
    plat_inject_event(&paint);
    frame();
    ASSERT_EQ(up_handled, 1);

    // The titles sit on the bar in the backdrop.
    OGL_plot_background();
    EXPECT_TRUE(any_shows(10, 588, 34, 594, 6));
    EXPECT_TRUE(any_shows(44, 588, 68, 594, 6));

    // A click on "File" pulls it down; resting over "Open..." highlights it
    // and brings its help text.
    inject_click(0, 0, 20, 590);
    frame();
    ASSERT_EQ(mnw.menu_up, 0);
    inject_move(0, 0, 60, 575);
    frame();
    OGL_plot_background();
    MACIBM_draw_menu();
    EXPECT_TRUE(shows(screen(70, 572), 12));     // "Open...", highlighted
    EXPECT_TRUE(shows(screen(70, 565), 18));     // "Save...", not
    EXPECT_TRUE(any_shows(22, 574, 40, 580, 0)); // the highlighted text is white
    EXPECT_TRUE(shows(screen(30, 569), 6));      // the separator: light line
    EXPECT_TRUE(shows(screen(30, 570), 22));     // under its shadow
    EXPECT_STREQ(mnw.help_message, "Opens an aircraft file from any folder.");
    MACIBM_draw_help();
    EXPECT_TRUE(any_shows(13, 559, 60, 567, 41)); // yellow text below the item

    // The pick reaches the program once.
    inject_press();
    frame();
    EXPECT_EQ(calls, (std::vector<callback_call>{{'m', 0}}));
    EXPECT_EQ(mnw.menu_up, -1);

    // The chooser over a scratch folder: the folder in yellow with its
    // symbol, the aircraft file in green, the text file not at all.
    ScratchFolder scratch;
    scratch.folder("sub");
    scratch.file("b.acf");
    scratch.file("c.txt");
    copy_bounded(wrk_path, scratch.dir.c_str(), 400);
    g_file_type = 203;
    MACIBM_startwind(998);
    frame();
    OGL_plot_background();
    OPENSAVE_update();
    ASSERT_EQ(number_items, 2);
    EXPECT_TRUE(any_shows(270, 540, 300, 546, 47));   // "b.acf"
    EXPECT_TRUE(any_shows(270, 530, 290, 536, 41));   // "sub"
    EXPECT_TRUE(shows(screen(255, 532), 39));          // its folder symbol
    EXPECT_FALSE(any_shows(250, 520, 300, 526, 47));  // no third row
    EXPECT_FALSE(any_shows(250, 520, 300, 526, 41));
    MACIBM_startwind(0);

    // Scripted: two frames to look, then a click on "b.acf".
    char file[400] = "";
    char path[400] = "";
    inject_frame_end();
    inject_frame_end();
    inject_click(240, 16, 100, 528);
    inject_frame_end();
    ASSERT_EQ(MACIBM_open(203, file, path), 1);
    EXPECT_STREQ(file, "b.acf");
    EXPECT_EQ(std::string(path), scratch.dir + "b.acf");
    EXPECT_EQ(mnw.topwin, 0);

    // Saving: a typed name, confirmed with Enter.
    file[0] = 0;
    for (int key : {(int)'N', (int)'E', (int)'W', 13}) inject_key(key);
    inject_frame_end();
    ASSERT_EQ(MACIBM_save(202, file, path), 1);
    EXPECT_STREQ(file, "new");
    EXPECT_EQ(std::string(path), scratch.dir + "new");
    EXPECT_EQ(mnw.topwin, 0);

    MACIBM_finishup();
}

// A long list whose first items are short, each with a submenu, as the
// airport lists are built: item by item, each submenu declared as its item
// is. The items that come later widen the list; the first items' arrows
// still sit at the list's right edge and their submenus open beside it.
TEST(MenusOnScreen, SubmenusOfALongListOpenBesideItsWidestItem)
{
    use_settings();
    plat_set_message_box_handler([](const char*, const char*) {});
    done_initing = 0;
    MACIBM_init();
    msc.paused = 1;
    daylight_world();
    done_initing = 1;
    copy_bounded(app_path, PROGRAM_DIR "/", 400);

    clear_menus();
    MACIBM_create_menu(0, -1, "Location");
    const char* names[] = {"Ash", "Elm", "Big Bear City Airport", "San Bernardino International"};
    for (int n = 0; n < 4; ++n) {
        MACIBM_append_menu(0, n, names[n], "");
        MACIBM_create_menu(1 + n, n, names[n]);
        MACIBM_append_menu(1 + n, (1 + n) * 100, "06", "");
        MACIBM_append_menu(1 + n, (1 + n) * 100 + 1, "24", "");
    }
    // The widest item sets the list's width: 6 units a letter and 25 more.
    const float right = mnw.itemx2[0][0];
    ASSERT_EQ(right, 10 + 28 * 6 + 25);
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(names[n]);
        EXPECT_EQ(mnw.menux1[1 + n], mnw.itemx1[0][n]);
        EXPECT_EQ(mnw.menux2[1 + n], right);
        EXPECT_EQ(mnw.menuy1[1 + n], mnw.itemy1[0][n]);
        EXPECT_EQ(mnw.itemx1[1 + n][0], right);
        EXPECT_EQ(mnw.itemy1[1 + n][0], mnw.itemy1[0][n]);
    }

    MACIBM_startwind(0);
    plat_event paint{PLAT_PAINT, 0, 0, 0};
    plat_inject_event(&paint);
    frame();
    inject_click(0, 0, 20, 590);
    inject_move(0, 0, 400, 300);
    frame();
    ASSERT_EQ(mnw.menu_up, 0);
    OGL_plot_background();
    MACIBM_draw_menu();
    std::vector<unsigned char> shot;
    take_screenshot(SCREENSHOT_DIR, "menus_long_list", shot);
    // The arrow of "Ash" (y 571 to 583) at the list's right edge, none after its text.
    EXPECT_TRUE(any_shows((int)right - 11, 576, (int)right - 4, 576, 6));
    EXPECT_FALSE(any_shows(45, 573, 70, 579, 6));

    // Its runways open beside the list, not over it.
    inject_click(0, 0, 20, 577);
    inject_move(0, 0, 400, 300);
    frame();
    ASSERT_EQ(mnw.menu_up, 1);
    OGL_plot_background();
    MACIBM_draw_menu();
    take_screenshot(SCREENSHOT_DIR, "menus_long_list_runways", shot);
    EXPECT_TRUE(shows(screen((int)right + 10, 575), 18));
    EXPECT_FALSE(shows(screen(60, 575), 18));
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
