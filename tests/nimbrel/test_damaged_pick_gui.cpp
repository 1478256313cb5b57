// The briefing tool under Xvfb: a damaged file picked in the aircraft
// chooser gives the reader's notice, and the briefing goes on with the
// aircraft and the route it had.
#include "nimbrel_app.h"
#include "nimbrel_fixture.h"
#include "nimbrel_gui_input.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

TEST(NimbrelAircraftButton, ADamagedPickKeepsTheAircraftAndTheRoute)
{
    // This program's folder: the bitmaps it draws with, and an aircraft
    // folder holding only a damaged file.
    namespace fs = std::filesystem;
    fs::create_directories(std::string(SHOT_DIR) + "/Aircraft");
    {
        // The aircraft header, version 46, and a few bytes of an image.
        std::ofstream f(std::string(SHOT_DIR) + "/Aircraft/Broken.acf", std::ios::binary);
        f.write("i\x2e\0\0\0not an aircraft", 20);
    }
    std::string config = open_briefing_window({"bitmaps", "textures"}, "nimbrel_damaged_");
    ASSERT_EQ(ogl_ready, 1);

    // The briefing so far: the bundled trainer from KSFO to KSJC at 9,000 ft.
    std::string trainer = std::string(PROGRAM_DIR) + "/Aircraft/Trainer.acf";
    nimbrel::prep_plane("Trainer.acf", trainer.c_str());
    ASSERT_STREQ(pln.C_file, "Trainer.acf");
    nimbrel::bri.dep = 1;
    nimbrel::bri.arr = 3;
    nimbrel::bri.alt = 9000;
    float cruise = nimbrel::bri.Vcruise;
    std::vector<char> before((char*)&pln, (char*)&pln + sizeof pln);

    // The button, the chooser's first row, then Enter for the notice.
    float x1, y1, x2, y2;
    file_button_box(97, 362, &x1, &y1, &x2, &y2);
    click_at((x1 + x2) / 2, (y1 + y2) / 2);
    inject(PLAT_NONE);
    inject(PLAT_NONE);
    click_at(240 + 100, 16 + 528);
    inject(PLAT_NONE);
    plat_event enter{PLAT_KEY_DOWN, 13, 0, 0};
    plat_inject_event(&enter);
    for (int i = 0; i < 4; ++i) frame();

    EXPECT_STREQ(g_cs1, "An error occurred during read-in of the aircraft file.");
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_TRUE(std::memcmp(before.data(), &pln, sizeof pln) == 0) << pln.C_file;
    EXPECT_EQ(nimbrel::bri.Vcruise, cruise);
    EXPECT_EQ(nimbrel::bri.dep, 1);
    EXPECT_EQ(nimbrel::bri.arr, 3);
    EXPECT_EQ(nimbrel::bri.alt, 9000);
    MACIBM_finishup();
    fs::remove_all(config);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
