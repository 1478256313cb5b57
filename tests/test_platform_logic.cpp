// Start-up tables, the resolution file, display-mode choice and mouse mapping.
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
void quiet_box(const char*, const char*) {}

struct Tables : ::testing::Test {
    void SetUp() override
    {
        plat_set_message_box_handler(quiet_box);
        fill_constants();
        fill_trig_tables();
        fill_colours();
    }
};
} // namespace

TEST_F(Tables, ConstantsInSinglePrecision)
{
    struct { const char* name; float value, want; } cases[] = {
        {"g", con.g, 9.798279f},
        {"ktstomsc", con.ktstomsc, 0.5144445f},
        {"nmtomtrs", con.nmtomtrs, 1852.0f},
        {"lbstontn", con.lbstontn, 4.444426f},
        {"endtomed", con.endtomed, 514.939f},
        {"enptomep", con.enptomep, 47.83941f},
        {"mtrtoplt", con.mtrtoplt, 0.006666667f},
        {"plttomtr", con.plttomtr, 150.0f},
        {"pim2", con.pim2, 6.2831854f},
        {"radtodeg", con.radtodeg, 57.29578f},
    };
    for (auto c : cases) EXPECT_NEAR(c.value, c.want, std::fabs(c.want) * 2e-6) << c.name;
    EXPECT_FLOAT_EQ(con.kgstolbs * con.lbstokgs, 1.0f);
    EXPECT_EQ(con.mtrtonrt, 0.0f);  // map scale waits for a loaded region
}

TEST_F(Tables, SineCosineAndColours)
{
    EXPECT_FLOAT_EQ(lookup_sin[90], 1);
    EXPECT_NEAR(lookup_cos[90], 0, 1e-6);
    EXPECT_NEAR(lookup_sin[360], 0, 1e-6);
    EXPECT_NEAR(lookup_sin[30], 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(lookup_cos[0], 1);
    struct { int i; float r, g, b; } colours[] = {{0, 1, 1, 1}, {5, 0.92f, 0.87f, 0.67f}, {29, 0, 0, 0},
                                                  {47, 0.2f, 1, 0.2f}, {55, 0.2f, 0.2f, 0.4f}, {74, 1, 0, 0}, {58, 0, 0, 0}};
    for (auto c : colours) {
        EXPECT_FLOAT_EQ(col_rgb[c.i][0], c.r) << c.i;
        EXPECT_FLOAT_EQ(col_rgb[c.i][1], c.g) << c.i;
        EXPECT_FLOAT_EQ(col_rgb[c.i][2], c.b) << c.i;
    }
}

TEST(ColourTable, OutOfRangeIndexIsFatal)
{
    plat_set_message_box_handler(quiet_box);
    EXPECT_EXIT(OGL_assigncolor(80, 1, 1, 1), ::testing::ExitedWithCode(1), "too many colors!");
}

namespace {
// Each test process writes its own file: the cases may run side by side.
std::string write_res(const std::string& body)
{
    std::string path = ::testing::TempDir() + "VidRes_" + std::to_string(getpid()) + ".prf";
    std::ofstream(path, std::ios::binary) << body;
    return path;
}
} // namespace

TEST(ResolutionFile, ValuesAndFallbacks)
{
    plat_set_message_box_handler(quiet_box);
    struct { const char* body; float w, h; } cases[] = {
        {"I\n1 version\n1024\n768\n", 1024, 768},
        {"I\r\n1 version\r\n1280\r\n1024\r\n", 1280, 1024},
        {"I\n2 version\n1024\n768\n", 800, 600},        // wrong version
        {"X\n1 version\n1024\n768\n", 800, 600},        // not a header
        {"I\n1 version\n0\n0\n", 800, 600},             // would divide by zero
        {"I\n1 version\n-1024\n768\n", 800, 600},
        {"I\n1 version\n99999999\n768\n", 800, 600},
    };
    for (auto c : cases) {
        C_to_C(write_res(c.body).c_str(), res_path);
        read_resolution_file();
        EXPECT_EQ(mnw.XRES, c.w) << c.body;
        EXPECT_EQ(mnw.YRES, c.h) << c.body;
    }
    std::remove(write_res("").c_str());
    C_to_C((::testing::TempDir() + "no such file.prf").c_str(), res_path);
    read_resolution_file();
    EXPECT_EQ(mnw.XRES, 800);
    EXPECT_EQ(mnw.YRES, 600);
}

// A damaged file reads as a missing one: the default, no alert, and the
// scanners strict again for the files read after it.
TEST(ResolutionFile, DamagedFileGivesTheDefault)
{
    plat_set_message_box_handler(quiet_box);
    for (const char* body : {"I\n1 version\n1024\n", "I\n1 version\nwide\n768\n", "I\nversion\n1024\n768\n", "I\n"}) {
        C_to_C(write_res(body).c_str(), res_path);
        read_resolution_file();
        EXPECT_EQ(mnw.XRES, 800) << body;
        EXPECT_EQ(mnw.YRES, 600) << body;
        EXPECT_EQ(scan_soft, 0) << body;
        EXPECT_EQ(scan_failed, 0) << body;
    }
    std::remove(write_res("").c_str());
}

TEST(DisplayModes, SizeMatchesAtAnyColourDepth)
{
    plat_mode modes[] = {{1920, 1080, 24}, {1024, 768, 32}, {1024, 768, 16}, {800, 600, 24}, {640, 480, 8}};
    EXPECT_EQ(match_display_mode(modes, 5, 1024, 768), 1);
    EXPECT_EQ(match_display_mode(modes, 5, 800, 600), 3);
    EXPECT_EQ(match_display_mode(modes, 5, 832, 624), -1);
    EXPECT_EQ(match_display_mode(modes, 0, 800, 600), -1);
}

TEST(Mouse, DesktopModeScalesTheDrawingSpaceBetweenBlackBorders)
{
    mnw.x = mnw.y = 0;
    const struct {
        int w, h;
        float scale;
        int left, bottom;   // pixel of drawing point (0, 0), y down from the top
    } cases[] = {
        {1024, 768, 1.28f, 0, 768},
        {1920, 1080, 1.8f, 240, 1080},   // borders left and right
        {1280, 1024, 1.6f, 0, 992},      // borders above and below
    };
    for (const auto& c : cases) {
        fit_drawing_space(c.w, c.h);
        EXPECT_FLOAT_EQ(mnw.XRES, c.w);
        EXPECT_FLOAT_EQ(mnw.XRAT, c.scale);
        EXPECT_FLOAT_EQ(mnw.YRAT, c.scale);
        mouse_from_pixels(c.left, c.bottom);
        EXPECT_NEAR(mnw.mx, 0, 1e-3) << c.w << " x " << c.h;
        EXPECT_NEAR(mnw.my, 0, 1e-3) << c.w << " x " << c.h;
        mouse_from_pixels(c.w - c.left, c.bottom - (int)(600 * c.scale));
        EXPECT_NEAR(mnw.mx, 800, 1e-3) << c.w << " x " << c.h;
        EXPECT_NEAR(mnw.my, 600, 1e-3) << c.w << " x " << c.h;
    }
    fit_drawing_space(800, 600);
}

TEST(Mouse, PixelsMapToDrawingUnitsYUpFromTheOpenWindow)
{
    mnw.XRES = 640;
    mnw.YRES = 480;
    mnw.XRAT = 0.8f;
    mnw.YRAT = 0.8f;
    mnw.x = mnw.y = 0;
    mouse_from_pixels(0, 0);
    EXPECT_FLOAT_EQ(mnw.mx, 0);
    EXPECT_FLOAT_EQ(mnw.my, 600);
    mouse_from_pixels(320, 480);
    EXPECT_FLOAT_EQ(mnw.mx, 400);
    EXPECT_FLOAT_EQ(mnw.my, 0);

    // A window opening under a still mouse moves the origin: the next frame
    // gives the position relative to the new origin.
    up_handled = 0;
    mnw.x = 240;
    mnw.y = 16;
    MACIBM_event_proc();
    EXPECT_FLOAT_EQ(mnw.mx, 160);
    EXPECT_FLOAT_EQ(mnw.my, -16);
}
