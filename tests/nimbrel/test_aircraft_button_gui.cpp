// The briefing tool's aircraft field under Xvfb: its button is drawn where
// it acts, and a click on it opens the chooser among the aircraft, where
// the pick becomes the briefed aircraft.
#include "nimbrel_fixture.h"
#include "platform/window.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/plane_record.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {
void inject(int kind, int x = 0, int y = 0)
{
    plat_event ev{kind, 0, x, y};
    plat_inject_event(&ev);
}

// A click at a point of the 800 x 600 screen, y up.
void click_at(float x, float y)
{
    inject(PLAT_MOUSE_MOVE, (int)x, (int)(600 - y));
    inject(PLAT_BUTTON_DOWN);
    inject(PLAT_BUTTON_UP);
}

void frame()
{
    inject(PLAT_NONE);
    MACIBM_event_proc();
}

// The drawn frame's pixel at (x, y), y up.
void pixel(float x, float y, unsigned char out[3])
{
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels((int)x, (int)y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, out);
}
} // namespace

TEST(NimbrelAircraftButton, OpensTheChooserAmongTheAircraft)
{
    // The program's data beside this test, which runs as the program would.
    for (const char* sub : {"bitmaps", "textures", "Aircraft"}) {
        std::error_code ec;
        std::filesystem::create_symlink(std::string(PROGRAM_DIR) + "/" + sub, std::string(SHOT_DIR) + "/" + sub, ec);
    }
    setenv("XDG_CONFIG_HOME", (::testing::TempDir() + "nimbrel_button_" + std::to_string(getpid())).c_str(), 1);
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    west_coast_airports();
    done_initing = 1;
    MACIBM_startwind(0);
    inject(PLAT_PAINT);
    for (int i = 0; i < 3; ++i) frame();

    // The raised button's light top and dark bottom, the folder on its face.
    float x1, y1, x2, y2;
    file_button_box(97, 362, &x1, &y1, &x2, &y2);
    OGL_plot_background();
    APPLICATION_update();
    glFinish();
    unsigned char top[3], bottom[3], mark[3];
    pixel((x1 + x2) / 2, y2 - 0.5f, top);
    pixel((x1 + x2) / 2, y1 + 0.5f, bottom);
    pixel((x1 + x2) / 2, (y1 + y2) / 2, mark);
    EXPECT_GT(top[0], 190);
    EXPECT_LT(bottom[0], 70);
    EXPECT_GT(mark[0], 200);
    EXPECT_LT(mark[2], 100);

    // A click on it, two frames to look, then the chooser's first row: the
    // bundled trainer, the first aircraft.
    copy_bounded(wrk_path, app_path, 400);
    click_at((x1 + x2) / 2, (y1 + y2) / 2);
    inject(PLAT_NONE);
    inject(PLAT_NONE);
    click_at(240 + 100, 16 + 528);
    frame();
    EXPECT_STREQ(wrk_path, app_path);
    EXPECT_STREQ(pln.C_file, "Trainer.acf");
    EXPECT_EQ(std::string(pln.C_path), std::string(app_path) + "Aircraft/Trainer.acf");
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
