// The editor in a real window: the bundled trainer's wireframe preview and
// three screens, each kept as a screenshot beside the test.
#include "gui_input.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "aircraft_editor/screen_table.h"
#include "platform/window.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "tests/support/scratch_files.h"

#include "../support/close_request.h"
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
// One frame's drawing, read back before the swap and kept as a binary PPM;
// returns how many pixels differ from (r, g, b) and, in *lights, how many
// show the pure red or green of a navigation light.
int screenshot(const char* name, int r, int g, int b, int* lights = nullptr, std::vector<unsigned char>* shot = nullptr)
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
    if (shot) *shot = px;
    return differ;
}

// The pixel under window point (x, y) of the open screen, window units.
const unsigned char* at_window(const std::vector<unsigned char>& px, float x, float y)
{
    const float sx = (mnw.x + x) * mnw.XRAT, sy = (mnw.y + y) * mnw.YRAT;
    return &px[((size_t)sy * (size_t)mnw.XRES + (size_t)sx) * 3];
}

// A file field's button is drawn where it acts, and a click on it opens the
// chooser in its files' folder, leaving the aircraft's folder where it was;
// the first file there is picked.
void pick_with_file_button(int id, size_t offset, const char* folder, const char* field)
{
    using namespace fabrex;
    APPLICATION_handlemenu(id);
    frames(3);
    ASSERT_EQ(mnw.topwin, id);
    float x, y;
    field_at(id, offset, &x, &y);
    ASSERT_GT(x, 0);
    float x1, y1, x2, y2;
    file_button_box(x, y, &x1, &y1, &x2, &y2);
    std::vector<unsigned char> px;
    screenshot((std::string("file_button_") + std::to_string(id)).c_str(), 0, 0, 0, nullptr, &px);
    // The raised button's light top and dark bottom edges, the folder on its face.
    const unsigned char* top = at_window(px, (x1 + x2) / 2, y2 - 0.5f);
    const unsigned char* bottom = at_window(px, (x1 + x2) / 2, y1 + 0.5f);
    const unsigned char* folder_mark = at_window(px, (x1 + x2) / 2, (y1 + y2) / 2);
    EXPECT_GT(top[0], 190) << id;
    EXPECT_LT(bottom[0], 70) << id;
    EXPECT_GT(folder_mark[0], 200) << id;
    EXPECT_LT(folder_mark[2], 100) << id;

    // A click on the button, then the chooser's first row.
    copy_bounded(wrk_path, app_path, 400);
    click_at((mnw.x + (x1 + x2) / 2), (mnw.y + (y1 + y2) / 2));
    end_frame();
    end_frame();
    click_at(240 + 100, 16 + 528);
    end_frame();
    frames(1);
    EXPECT_EQ(mnw.topwin, id);
    ASSERT_GT(number_items, 0);
    EXPECT_EQ(std::string(g_path[0]).find(std::string(app_path) + folder), 0u);
    EXPECT_STREQ(wrk_path, app_path);   // where Open and Save As start
    EXPECT_STREQ(field, g_name[0]);
    MACIBM_startwind(0);
}
} // namespace

TEST(FabrexWindow, PreviewAndScreensOfTheBundledTrainer)
{
    // The program's data beside this test, which runs as the program would.
    for (const char* sub : {"bitmaps", "textures", "airfoils", "flaps", "Aircraft"}) {
        std::error_code ec;
        std::filesystem::create_symlink(std::string(PROGRAM_DIR) + "/" + sub, std::string(SHOT_DIR) + "/" + sub, ec);
    }
    std::string settings = ::testing::TempDir() + "fabrex_gui_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    remove_at_exit(settings);
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

    for (int id : {200, 211, 217, 205, 206, 208, 215, 225, 201, 301}) {
        APPLICATION_handlemenu(id);
        frames(3);
        EXPECT_EQ(mnw.topwin, id);
        // The screen's face covers much of the view.
        EXPECT_GT(screenshot(("screen_" + std::to_string(id)).c_str(), 0, 0, 0), 50000) << id;
        MACIBM_startwind(0);
    }
    pick_with_file_button(301, offsetof(planestruct, Rafl0[5]), "airfoils/", pln.Rafl0[5]);
    pick_with_file_button(215, offsetof(planestruct, flap_str), "flaps/", pln.flap_str);

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

// Closed from the desktop with unsaved changes, the editor asks as its Quit
// does: Cancel keeps it running with the changes, Don't Save ends it.
TEST(FabrexWindow, ClosingTheWindowAsksToSaveTheChanges)
{
    std::string settings = ::testing::TempDir() + "fabrex_gui_close_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    using namespace fabrex;
    MACIBM_init();
    setup_baseplane("Untitled.acf", "Untitled.acf");
    done_initing = 1;
    ASSERT_EQ(read_plane_file("Trainer.acf", PROGRAM_DIR "/Aircraft/Trainer.acf"), 1);
    remember_engine_type();
    for (int k = 0; k < 200 && !up_handled; ++k) frames(1);
    frames(2);
    msc.planemod = 1;   // an edit not yet saved

    queue_close_and_answer(3);
    frames(4);
    EXPECT_STREQ(g_cs1, "Save changes to Trainer.acf first?");
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(msc.planemod, 1);

    queue_close_and_answer(2);
    frames(4);
    EXPECT_EQ(gdone, 1);
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
