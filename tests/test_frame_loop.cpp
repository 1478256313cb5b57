// A minimal program on the toolkit, in a real window under Xvfb: start-up,
// the frame loop's drawing rules, the desktop closing the window, the
// resolution file and fatal alerts.
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "tests/support/scratch_files.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {
int updates = 0;
int setups = 0;
std::vector<int> zapped;
std::vector<std::string> boxes;

void record_box(const char*, const char* text)
{
    boxes.push_back(text);
}

// Each test process gets its own settings folder, optionally with a resolution file.
void use_settings(const char* vidres)
{
    std::string dir = ::testing::TempDir() + "frame_loop_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    remove_at_exit(dir);
    if (vidres) {
        std::string folder = dir + "/korvan";
        std::string cmd = "mkdir -p '" + folder + "'";
        ASSERT_EQ(system(cmd.c_str()), 0);
        std::ofstream(folder + "/VidRes.prf") << vidres;
    }
}

void frame_expecting(int drawn)
{
    long swaps = plat_swap_count();
    int before = updates;
    MACIBM_event_proc();
    EXPECT_EQ(plat_swap_count() - swaps, drawn);
    EXPECT_EQ(updates - before, drawn);
}
} // namespace

void APPLICATION_setupmenus() { ++setups; }
void APPLICATION_update() { ++updates; }
void APPLICATION_handlekey(char) {}
void APPLICATION_handlemenu(int) {}
void process_zap(int old_window) { zapped.push_back(old_window); }

// The program's own window opener: bookkeeping only.
void MACIBM_startwind(int index)
{
    if (index != mnw.topwin && mnw.topwin != 0 && index != 996) process_zap(mnw.topwin);
    mnw.dx = index == 0 ? 800 : 400;
    mnw.dy = index == 0 ? 600 : 195;
    mnw.menu_up = -1;
    mnw.topwin = index;
    mnw.x = (float)round((800 - mnw.dx) / 2);
    mnw.y = (float)round((600 - mnw.dy) / 2);
}

TEST(FrameLoop, NothingDrawnBeforeTheFirstPaintThenOneUpdateAndSwapPerFrame)
{
    use_settings(nullptr);
    plat_set_message_box_handler(record_box);
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    EXPECT_EQ(setups, 1);
    EXPECT_EQ(mnw.XRES, 800);
    // Start-up shows one progress light per texture it loads ("letters", "dg").
    EXPECT_EQ(plat_swap_count(), 2);
    EXPECT_EQ(updates, 0);

    // Frames before a paint message only pump and keep time.
    up_handled = 0;
    for (int i = 0; i < 50 && !up_handled; ++i) {
        long swaps = plat_swap_count();
        int before = updates;
        MACIBM_event_proc();
        if (!up_handled) {
            EXPECT_EQ(plat_swap_count(), swaps);
            EXPECT_EQ(updates, before);
        }
    }
    // The window's first paint (the system's, or this one) starts the drawing.
    plat_event paint{PLAT_PAINT, 0, 0, 0};
    plat_inject_event(&paint);
    frame_expecting(1);
    for (int i = 0; i < 20; ++i) frame_expecting(1);
    EXPECT_GE(mnw.time_elapsed, 0);

    // The desktop closes the window: the open menu window closes through
    // process_zap and the loop ends for a normal shut-down.
    MACIBM_startwind(5);
    plat_event closed{PLAT_DESTROYED, 0, 0, 0};
    plat_inject_event(&closed);
    frame_expecting(1);
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(mnw.topwin, 0);
    ASSERT_FALSE(zapped.empty());
    EXPECT_EQ(zapped.back(), 5);
    MACIBM_finishup();
    EXPECT_TRUE(boxes.empty());
}

TEST(Resolution, FallsBackTo800x600)
{
    use_settings("I\n1 version\n1024\n768\n");
    plat_set_message_box_handler(record_box);
    MACIBM_init();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("1024 by  768 (16-bit color"), std::string::npos);
    EXPECT_NE(boxes[0].find("You computer is not set that way right now."), std::string::npos);
    EXPECT_EQ(mnw.XRES, 800);
    EXPECT_EQ(mnw.YRES, 600);
    EXPECT_FLOAT_EQ(mnw.XRAT, 1);
    MACIBM_finishup();
}

TEST(Resolution, Runs1024x768)
{
    use_settings("I\n1 version\n1024\n768\n");
    plat_set_message_box_handler(record_box);
    MACIBM_init();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(mnw.XRES, 1024);
    EXPECT_FLOAT_EQ(mnw.XRAT, 1.28f);
    EXPECT_FLOAT_EQ(mnw.YRAT, 1.28f);
    // Drawing units stay 800 x 600: the bottom-left pixel is (0, 0), the top-left (0, 600).
    mouse_from_pixels(0, 768);
    EXPECT_FLOAT_EQ(mnw.my, 0);
    mouse_from_pixels(1024, 0);
    EXPECT_FLOAT_EQ(mnw.mx, 800);
    EXPECT_FLOAT_EQ(mnw.my, 600);
    MACIBM_finishup();
}

// A damaged resolution file starts the program at 800 x 600, as a missing one
// does, instead of ending every start with a scanning error.
TEST(Resolution, DamagedFileStartsAt800x600)
{
    const char* damaged[] = {
        "I\n1 version\nwide\ntall\n",   // words for numbers
        "I\n1 version\n1024\n",          // cut short after the width
        "I\n1 version\n",                 // no numbers at all
        "I\none version\n1024\n768\n",  // a damaged header
        "I\n",                             // the header alone, cut short
    };
    for (const char* text : damaged) {
        use_settings(text);
        plat_set_message_box_handler(record_box);
        boxes.clear();
        MACIBM_init();
        EXPECT_TRUE(boxes.empty()) << text;
        EXPECT_EQ(mnw.XRES, 800) << text;
        EXPECT_EQ(mnw.YRES, 600) << text;
        EXPECT_FLOAT_EQ(mnw.XRAT, 1) << text;
        MACIBM_finishup();
    }
}

// A wide screen (1280 x 800) offers no 800 x 600: the program runs at the
// desktop's mode, the drawing space scaled to 800 tall pixels with black
// borders left and right, and the mouse maps through the same scale.
TEST(Resolution, ScalesIntoTheDesktopModeWithBlackBorders)
{
    use_settings("I\n1 version\n800\n600\n");
    plat_set_message_box_handler(record_box);
    MACIBM_init();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(mnw.XRES, 1280);
    EXPECT_EQ(mnw.YRES, 800);
    EXPECT_FLOAT_EQ(mnw.XRAT, 800.0f / 600);

    OGL_plot_background();
    OGL_fillrect(0, 0, 0, 800, 600);
    glFinish();
    auto pixel = [](int x, int y) {
        unsigned char rgb[3] = {9, 9, 9};
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return rgb[0] + rgb[1] + rgb[2];
    };
    EXPECT_EQ(pixel(50, 400), 0);            // left border
    EXPECT_EQ(pixel(1230, 400), 0);          // right border
    EXPECT_EQ(pixel(115, 5), 3 * 255);       // the drawing space's lower-left corner
    EXPECT_EQ(pixel(1165, 795), 3 * 255);    // and its upper-right

    plat_event move{PLAT_MOUSE_MOVE, 0, 640, 400};
    plat_inject_event(&move);
    MACIBM_event_proc();
    EXPECT_NEAR(mnw.mx, 400, 1);
    EXPECT_NEAR(mnw.my, 300, 1);
    MACIBM_finishup();
}

namespace {
void start_and_fail()
{
    MACIBM_init();
    // Answer the alert as a user would, with Enter.
    plat_event enter{PLAT_KEY_DOWN, 13, 0, 0};
    plat_inject_event(&enter);
    MACIBM_alert("Something is badly wrong.", "", "", "", ALERT_FATAL);
}
} // namespace

TEST(FatalAlert, EndsTheProgramWithStatusOne)
{
    use_settings(nullptr);
    plat_set_message_box_handler(record_box);
    EXPECT_EXIT(start_and_fail(), ::testing::ExitedWithCode(1), "");
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    return RUN_ALL_TESTS();
}
