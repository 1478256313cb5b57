// The briefing tool's aircraft field under Xvfb: its button is drawn where
// it acts, and a click on it opens the chooser among the aircraft, where
// the pick becomes the briefed aircraft.
#include "nimbrel_fixture.h"
#include "nimbrel_gui_input.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

TEST(NimbrelAircraftButton, OpensTheChooserAmongTheAircraft)
{
    // The program's data beside this test, which runs as the program would.
    std::string config = open_briefing_window({"bitmaps", "textures", "Aircraft"}, "nimbrel_button_");
    ASSERT_EQ(ogl_ready, 1);

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
    std::filesystem::remove_all(config);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
