// The editor in a real window: the bundled trainer's wireframe preview and
// three screens, each kept as a screenshot beside the test.
#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
void frames(int n)
{
    for (int k = 0; k < n; ++k) MACIBM_event_proc();
}

// One frame's drawing, read back before the swap and kept as a binary PPM;
// returns how many pixels differ from (r, g, b) and, in *lights, how many
// show the pure red or green of a navigation light.
int screenshot(const char* name, int r, int g, int b, int* lights = nullptr)
{
    OGL_plot_background();
    APPLICATION_update();
    glFinish();
    const int w = (int)mnw.XRES, h = (int)mnw.YRES;
    std::vector<unsigned char> px((size_t)w * h * 3);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    std::string path = std::string(SHOT_DIR) + "/" + name + ".ppm";
    FILE* f = fopen(path.c_str(), "wb");
    fprintf(f, "P6 %d %d 255\n", w, h);
    for (int y = h - 1; y >= 0; --y) fwrite(&px[(size_t)y * w * 3], 1, (size_t)w * 3, f);
    fclose(f);
    int differ = 0;
    int lit = 0;
    for (size_t k = 0; k < px.size(); k += 3) {
        differ += px[k] != r || px[k + 1] != g || px[k + 2] != b;
        lit += (px[k] == 255 && px[k + 1] == 0 && px[k + 2] == 0) || (px[k] == 0 && px[k + 1] == 255 && px[k + 2] == 0);
    }
    if (lights) *lights = lit;
    return differ;
}
} // namespace

TEST(FabrexWindow, PreviewAndScreensOfTheBundledTrainer)
{
    std::string settings = ::testing::TempDir() + "fabrex_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    using namespace fabrex;
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    msc.zoom = 1;
    mnw.draw_wire = 1;
    msc.psi = 250;
    msc.phi = -30;
    setup_baseplane("Untitled.acf", "Untitled.acf");
    done_initing = 1;
    ASSERT_EQ(read_plane_file("Trainer.acf", PROGRAM_DIR "/Aircraft/Trainer.acf"), 1);
    remember_engine_type();
    for (int k = 0; k < 200 && !up_handled; ++k) frames(1);
    ASSERT_TRUE(up_handled);
    frames(3);
    // The preview marks its points but shows none of the simulator's
    // navigation lights, wireframe or textured.
    int lights = -1;
    EXPECT_GT(screenshot("preview", 0, 0, 0, &lights), 1000);
    EXPECT_EQ(lights, 0);
    mnw.draw_wire = 0;
    EXPECT_GT(screenshot("preview_textured", 0, 0, 0, &lights), 1000);
    EXPECT_EQ(lights, 0);
    mnw.draw_wire = 1;

    for (int id : {217, 205, 206, 208, 225, 201, 301}) {
        APPLICATION_handlemenu(id);
        frames(3);
        EXPECT_EQ(mnw.topwin, id);
        // The screen's face covers much of the view.
        EXPECT_GT(screenshot(("screen_" + std::to_string(id)).c_str(), 0, 0, 0), 50000) << id;
        MACIBM_startwind(0);
    }
    // Both spins end near heading 225 and roll 315 (135 or 855 degrees turned);
    // the last frame's step overshoots, by more on a slow machine.
    msc.rotate_code = 419;
    frames(1);
    EXPECT_EQ(msc.rotate_code, 0);
    EXPECT_LE(msc.psi, 225.01f);
    EXPECT_GT(msc.psi, 180);
    EXPECT_NEAR(msc.phi - msc.psi, 90, 0.01);
    EXPECT_FALSE(gdone);
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
