// The briefing tool's screen under Xvfb: its picture, the two lists and the
// briefing drawn over it, the lists clear of their captions, the altitude's
// digits; the frames are kept as screenshots.
#include "nimbrel_fixture.h"
#include "platform/window.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/plane_record.h"

#include "../support/screenshot.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace nimbrel;

namespace {
void frame()
{
    plat_event none{PLAT_NONE, 0, 0, 0};
    plat_inject_event(&none);
    MACIBM_event_proc();
}

// Pixels of x1..x2, y1..y2 that differ between two frames.
int changed(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, int x1, int y1, int x2, int y2)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += memcmp(&a[(y * 800 + x) * 3], &b[(y * 800 + x) * 3], 3) != 0;
    return n;
}
} // namespace

TEST(NimbrelScreen, DrawsTheBriefingOverItsPicture)
{
    // Pictures and letters are read beside the running program.
    for (const char* sub : {"bitmaps", "textures"})
        symlink((std::string(PROGRAM_DIR) + "/" + sub).c_str(), (std::string(SHOT_DIR) + "/" + sub).c_str());
    std::string cfg = ::testing::TempDir() + "nimbrel_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", cfg.c_str(), 1);
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    west_coast_airports();
    strcpy(pln.tailnum, "N1234");
    strcpy(pln.C_file, "Trainer.acf");
    bri = {0, 1, 5000, 110, 1205};
    ASSERT_EQ(load_text("KSFO SA 1156 CLR 10 61/50/2719/992\nKLAX SA 1150 25 OVC 5 62/52/2011G25/001\n"), 1);
    bri.dep_ztime = departure_ztime(bri.dep_ztime);
    done_initing = 1;
    MACIBM_startwind(0);
    plat_event paint{PLAT_PAINT, 0, 0, 0};
    plat_inject_event(&paint);
    for (int i = 0; i < 3; ++i) frame();

    // The last frame again into the back buffer, then read it.
    OGL_plot_background();
    APPLICATION_update();
    std::vector<unsigned char> px;
    take_screenshot(SHOT_DIR, "nimbrel_briefing", px);

    // Letters in the briefing's paragraphs differ from the face around them.
    auto at = [&](int x, int y) { return &px[(y * 800 + x) * 3]; };
    int lit = 0;
    for (int y = 85; y < 310; ++y)
        for (int x = 79; x < 720; ++x) lit += at(x, y)[1] > 150;
    EXPECT_GT(lit, 500);
    MACIBM_finishup();
    std::filesystem::remove_all(cfg);
}


TEST(NimbrelScreen, ListsKeepOffTheirCaptionsAndTheAltitudeTakesClicksOnItsDigits)
{
    for (const char* sub : {"bitmaps", "textures"})
        symlink((std::string(PROGRAM_DIR) + "/" + sub).c_str(), (std::string(SHOT_DIR) + "/" + sub).c_str());
    std::string cfg = ::testing::TempDir() + "nimbrel_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", cfg.c_str(), 1);
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    // Enough airports that the selected ones have neighbours above and below.
    west_coast_airports();
    static char names[24][40];
    for (int a = 4; a < 24; ++a) {
        snprintf(names[a], sizeof names[a], "Field Number %d", a);
        set_airport(a, "KXYZ", names[a], 35, -120);
    }
    // Long names: one of 38 letters on the centre row, one that fills its
    // forty on the last row.
    strcpy(apt_name[12], "Metropolitan Oakland International Fld");
    memcpy(apt_name[15], "Metropolitan Oakland International Field", 40);
    apt_apt_max = 24;
    bri = {12, 15, 5000, 110, 1205};
    done_initing = 1;
    MACIBM_startwind(0);
    mnw.mx = 790, mnw.my = 10;
    mnw.mouse_clicked = 0;

    std::vector<unsigned char> picture, screen;
    OGL_plot_background();
    take_screenshot(SHOT_DIR, "nimbrel_picture", picture);
    OGL_plot_background();
    APPLICATION_update();
    take_screenshot(SHOT_DIR, "nimbrel_lists", screen);

    // Seven rows around the selected airport; nothing above them, where the
    // captions stand, and no slider beside them.
    for (int x0 : {78, 408}) {
        EXPECT_EQ(changed(picture, screen, x0, 514, x0 + 320, 570), 0) << x0;
        EXPECT_EQ(changed(picture, screen, x0 + 270, 400, x0 + 320, 570), 0) << x0;
        EXPECT_GT(changed(picture, screen, x0 + 8, 443, x0 + 260, 513), 200) << x0;
        // A long name stops a letter's width short of its identifier.
        EXPECT_EQ(changed(picture, screen, x0 + 231, 475, x0 + 237, 481), 0) << x0;
        EXPECT_GT(changed(picture, screen, x0 + 238, 475, x0 + 262, 481), 10) << x0;
    }
    // and never runs onto a row of its own below the list.
    EXPECT_EQ(changed(picture, screen, 78, 425, 78 + 320, 442), 0);

    // A click on the upper half of the thousands digit raises the altitude, the lower half lowers it.
    mnw.mx = 566, mnw.my = 380;
    mnw.mouse_clicked = 1;
    APPLICATION_update();
    EXPECT_EQ(bri.alt, 6000);
    mnw.my = 375;
    APPLICATION_update();
    EXPECT_EQ(bri.alt, 5000);
    mnw.mouse_clicked = 0;
    MACIBM_finishup();
    std::filesystem::remove_all(cfg);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
