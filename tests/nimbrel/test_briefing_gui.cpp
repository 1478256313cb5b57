// The briefing tool's screen under Xvfb: its picture, the two lists and the
// briefing drawn over it; the frame is kept as a screenshot.
#include "nimbrel_fixture.h"
#include "platform/window.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/plane_record.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
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
    glFinish();
    std::vector<unsigned char> px(800 * 600 * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    FILE* f = fopen(SHOT_DIR "/nimbrel_briefing.ppm", "wb");
    ASSERT_TRUE(f);
    fprintf(f, "P6\n800 600\n255\n");
    for (int y = 599; y >= 0; --y) fwrite(&px[y * 800 * 3], 1, 800 * 3, f);
    fclose(f);

    // Letters in the briefing's paragraphs differ from the face around them.
    auto at = [&](int x, int y) { return &px[(y * 800 + x) * 3]; };
    int lit = 0;
    for (int y = 85; y < 310; ++y)
        for (int x = 79; x < 720; ++x) lit += at(x, y)[1] > 150;
    EXPECT_GT(lit, 500);
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
