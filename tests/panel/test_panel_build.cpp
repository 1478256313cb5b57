// The panel backdrop and the window table, built into the canvas without a
// screen: pixels of rgb_array at known places.
#include "panel_fixture.h"
#include "tests/support/panel_frame.h"

#include "cockpit/P_INIT.h"
#include "records/cockpit_state.h"
#include "cockpit/instrument_primitives.h"
#include "cockpit/panel_build.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
using rgb = std::array<unsigned char, 3>;

rgb px(int x, int y)
{
    const unsigned char* p = rgb_array + (y * CANVAS_W + x) * 3;
    return {p[0], p[1], p[2]};
}

rgb colour(int c)
{
    rgb b;
    for (int k = 0; k < 3; ++k) b[k] = (unsigned char)round(col_rgb[c][k] * 255);
    return b;
}

bool is(float x, float y, int c)
{
    return px((int)x, (int)y) == colour(c);
}

bool any_is(float x1, float y1, float x2, float y2, int c)
{
    for (int y = (int)y1; y <= (int)y2; ++y)
        for (int x = (int)x1; x <= (int)x2; ++x)
            if (px(x, y) == colour(c)) return true;
    return false;
}

// Every pixel of the rectangle in colour c.
bool filled(int x, int y, int w, int h, int c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (px(i, j) != colour(c)) return false;
    return true;
}

// Places in the area where the text's dots all show colour c.
int count_text(const char* text, int c, int x1, int y1, int x2, int y2)
{
    int n = 0;
    for (int y = y1; y + 7 <= y2; ++y)
        for (int x = x1; x + 6 * (int)strlen(text) <= x2; ++x) {
            bool all = true;
            for (int k = 0; text[k] && all; ++k) {
                const unsigned char* rows = font5x7_rows(text[k]);
                for (int r = 0; r < 7 && all; ++r)
                    for (int b = 0; b < 5 && all; ++b)
                        if ((rows[r] >> (4 - b)) & 1) all = px(x + 6 * k + b, y + 6 - r) == colour(c);
            }
            n += all;
        }
    return n;
}

// A bitmap of the simulator's folder as the canvas shows it at (0, 0).
std::vector<unsigned char> bitmap_alone(const char* name)
{
    std::vector<unsigned char> saved(rgb_array, rgb_array + sizeof rgb_array);
    float ox = mnw.x, oy = mnw.y;
    int was = to_array;
    mnw.x = mnw.y = 0;
    to_array = 1;
    memset(rgb_array, 0, sizeof rgb_array);
    OGL_texbmp(BMP_TO_CANVAS, 0, 0, name);
    std::vector<unsigned char> out(rgb_array, rgb_array + sizeof rgb_array);
    memcpy(rgb_array, saved.data(), saved.size());
    mnw.x = ox;
    mnw.y = oy;
    to_array = was;
    return out;
}

rgb in(const std::vector<unsigned char>& canvas, int x, int y)
{
    const unsigned char* p = &canvas[(y * CANVAS_W + x) * 3];
    return {p[0], p[1], p[2]};
}

class PanelBuild : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        copy_bounded(pln.tailnum, "N1", 400);
        pln.HUDtype = 1;
        pln.chuteEQ = pln.arrestingEQ = pln.antiiceEQ = pln.jettisonEQ = pln.jatoEQ = 0;
    }
    void TearDown() override { mnw.topwin = 0; }

    void build()
    {
        relayout();
        mnw.topwin = 0;
        MACIBM_startwind(0);
    }
};

// The 800 x 333 panel "<dir>/Custom PANL.BMP" in one colour, beside the
// aircraft file "<dir>/Custom.acf" that pln.C_path then names.
class CustomPanel {
public:
    explicit CustomPanel(rgb c)
    {
        dir = std::filesystem::temp_directory_path() / ("panel_build_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        bmp = (dir / "Custom PANL.BMP").string();
        write_one_colour_panel(bmp.c_str(), c[0], c[1], c[2]);
        copy_bounded(pln.C_path, (dir / "Custom.acf").string().c_str(), 400);
    }
    ~CustomPanel() { std::filesystem::remove_all(dir); }

private:
    std::filesystem::path dir;
    std::string bmp;
};
} // namespace

TEST_F(PanelBuild, TailNumberInColour9OnEveryPanel)
{
    for (int custom = 0; custom <= 1; ++custom) {
        std::unique_ptr<CustomPanel> panel;
        if (custom) panel = std::make_unique<CustomPanel>(rgb{40, 90, 160});
        build();
        EXPECT_EQ(pln.cp, custom);
        // 'N' from (172, 319): both legs on the bottom row, the slant's first
        // dot one row below the top; the dot beside it on the next row is off.
        EXPECT_TRUE(is(172, 319, 9)) << custom;
        EXPECT_TRUE(is(176, 319, 9)) << custom;
        EXPECT_TRUE(is(173, 324, 9)) << custom;
        EXPECT_FALSE(is(173, 323, 9)) << custom;
        // '1' six units on: its stem in the middle column.
        EXPECT_TRUE(is(180, 321, 9)) << custom;
    }
}

TEST_F(PanelBuild, SwitchBlanksFollowTheHeadUpDisplayType)
{
    const struct {
        int hud;
        bool hud_switch, knob, hoops;
    } cases[] = {{1, true, true, true}, {2, false, false, true}, {3, false, false, false}};
    for (const auto& c : cases) {
        pln.HUDtype = c.hud;
        build();
        EXPECT_EQ(filled(27, 314, 38, 15, 26), c.hud_switch) << c.hud;
        EXPECT_EQ(filled(119, 314, 14, 15, 26), c.knob) << c.hud;
        EXPECT_EQ(filled(73, 314, 38, 15, 26), c.hoops) << c.hud;
    }
}

TEST_F(PanelBuild, SwitchBlanksOverMissingEquipmentOnly)
{
    int* flags[5] = {&pln.chuteEQ, &pln.arrestingEQ, &pln.antiiceEQ, &pln.jettisonEQ, &pln.jatoEQ};
    const int xs[5] = {499, 545, 591, 637, 683};
    for (int fitted = -1; fitted < 5; ++fitted) {
        for (int k = 0; k < 5; ++k) *flags[k] = k == fitted;
        build();
        for (int k = 0; k < 5; ++k) EXPECT_EQ(filled(xs[k], 314, 38, 15, 26), k != fitted) << fitted << " " << k;
    }
}

TEST_F(PanelBuild, CustomPanelKeepsOnlyWhatItCannotCarry)
{
    const rgb mine{40, 90, 160};
    CustomPanel panel(mine);
    pln.gear_retract = 1;
    build();
    ASSERT_EQ(pln.cp, 1);
    const float* x = ins.x_loc;
    const float* y = ins.y_loc;
    // Gone: faces (the dial centres show the custom bitmap), switch blanks,
    // the radio stack, the gear bitmap, the VSI scale and the lever slots.
    for (int k = 1; k <= 8; ++k)
        if (ins.avail[k]) {
            EXPECT_EQ(px((int)x[k], (int)y[k]), mine) << k;
        }
    EXPECT_EQ(px(46, 321), mine);
    EXPECT_EQ(px((int)osrad + 600, 120), mine);
    EXPECT_EQ(px((int)osrad + 612, 10), mine);
    ASSERT_TRUE(ins.avail[7]);
    EXPECT_FALSE(any_is(x[7] - 44, y[7] - 1, x[7] - 37, y[7] + 1, 0));
    int slot = round(thro_x[0] + 5.5f + oseng);
    for (int sx = slot - 1; sx <= slot + 1; ++sx) EXPECT_EQ(px(sx, 30), mine);
    // Kept: the marker lamps, the clock colon, the airspeed arcs, the engine
    // scales and the read-out units.
    EXPECT_TRUE(is(osrad + 495, 293, 16));
    if (ins.avail[4]) {
        EXPECT_TRUE(is(round(x[4] + 17) + 2, round(y[4] - 69) + 4, 47));
    }
    int a = dial_degree(asi_angle(pln.Vne));
    EXPECT_TRUE(any_is(x[1] + 41 * lookup_sin[a] - 1, y[1] + 41 * lookup_cos[a] - 1, x[1] + 41 * lookup_sin[a] + 1,
                       y[1] + 41 * lookup_cos[a] + 1, 8));
    float ex = en_x[1][0] + oseng, ey = en_y[1];
    EXPECT_TRUE(any_is(ex + 6, ey - 26, ex + 24, ey - 20, 0));   // "RPM"
    EXPECT_TRUE(any_is(osrad + 523, 238, osrad + 540, 244, 47) || any_is(osrad + 518, 270, osrad + 530, 276, 47));
}

TEST_F(PanelBuild, PlainPanelHasTheFacesTheCustomOneLeavesOut)
{
    pln.gear_retract = 1;
    build();
    ASSERT_EQ(pln.cp, 0);
    const float* x = ins.x_loc;
    const float* y = ins.y_loc;
    // The VSI's zero mark at 9 o'clock, the lever slot's left edge, the gear bitmap.
    EXPECT_TRUE(any_is(x[7] - 44, y[7] - 1, x[7] - 37, y[7] + 1, 0));
    EXPECT_TRUE(is(round(thro_x[0] + 5.5f + oseng), 30, 22));
    auto gear = bitmap_alone("b_gear");
    EXPECT_EQ(px((int)osrad + 612, 10), in(gear, 4, 6));
}

TEST_F(PanelBuild, CustomPanelPathAndItsAbsence)
{
    char out[400];
    EXPECT_EQ(custom_panel_path("abc", out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(custom_panel_path("/a/Plane.acf", out), 1);
    EXPECT_STREQ(out, "/a/Plane panl");
    // No bitmap beside the aircraft, or too short a path: the stock panel,
    // as the trainer (which has none) shows it.
    build();
    ASSERT_EQ(pln.cp, 0);
    std::vector<unsigned char> stock(rgb_array, rgb_array + sizeof rgb_array);
    EXPECT_EQ(px(5, 5), in(bitmap_alone("PANL"), 5, 5));
    for (const char* path : {"/nowhere/Plane.acf", "abc"}) {
        copy_bounded(pln.C_path, path, 400);
        build();
        EXPECT_EQ(pln.cp, 0) << path;
        EXPECT_TRUE(std::equal(stock.begin(), stock.end(), rgb_array)) << path;
    }
}

TEST_F(PanelBuild, HelicoptersAndTapeGaugesBuildOneEngineSet)
{
    // More than two engines get tapes.
    const struct {
        int heli, numen, titles;
    } cases[] = {{0, 2, 2}, {1, 2, 1}, {0, 4, 1}, {1, 4, 1}};
    for (const auto& c : cases) {
        pln.numen = c.numen;
        pln.is_heli = c.heli;
        build();
        EXPECT_EQ(pln.tape, c.numen > 2);
        EXPECT_EQ(count_text("RPM", 0, 0, 0, 800, 333), c.titles) << c.heli << c.numen;
    }
}

TEST_F(PanelBuild, WindowsAreCentredWithHalvesAwayFromZero)
{
    const struct {
        int index;
        float dx, dy, x, y;
    } cases[] = {
        {1, 176, 440, 312, 80},   {2, 334, 200, 233, 200},  {4, 788, 443, 6, 79},     {5, 246, 165, 277, 218},
        {6, 531, 121, 135, 240},  {7, 620, 400, 90, 100},   {8, 600, 478, 100, 61},   {9, 691, 147, 55, 227},
        {10, 600, 540, 100, 30},  {11, 197, 84, 302, 258},  {12, 618, 527, 91, 37},   {13, 197, 148, 302, 226},
        {14, 197, 271, 302, 165}, {15, 787, 519, 7, 41},    {16, 436, 252, 182, 174}, {17, 344, 345, 228, 128},
        {18, 350, 520, 225, 40},  {19, 682, 560, 59, 20},   {20, 293, 250, 254, 175}, {21, 550, 172, 125, 214},
        {22, 620, 420, 90, 90},   {23, 760, 540, 20, 30},   {24, 432, 494, 184, 53},  {25, 589, 415, 106, 93},
    };
    for (const auto& c : cases) {
        mnw.topwin = 0;   // no window to hand over
        MACIBM_startwind(c.index);
        EXPECT_EQ(mnw.topwin, c.index);
        EXPECT_EQ(mnw.dx, c.dx) << c.index;
        EXPECT_EQ(mnw.dy, c.dy) << c.index;
        EXPECT_EQ(mnw.x, c.x) << c.index;
        EXPECT_EQ(mnw.y, c.y) << c.index;
        EXPECT_EQ(to_array, 0);
    }
}

TEST_F(PanelBuild, EnrouteWindowFollowsTheWorldWindowWithinLimits)
{
    const struct {
        float east, south;   // extents in map pixels
        float dx, dy, x, y;
    } cases[] = {
        {300, 200, 371, 200, 215, 200},
        {2000, 900, 790, 580, 5, 10},
        {-500, -40, 0, 0, 400, 300},
    };
    auto chart = bitmap_alone("loc_nrt");
    env.dz = 120000;
    con.mtrtonrt = 494 / env.dz;   // as the world window sets it
    for (const auto& c : cases) {
        env.dx = c.east / con.mtrtonrt;
        env.dz = c.south / con.mtrtonrt;
        mnw.topwin = 0;
        MACIBM_startwind(3);
        EXPECT_EQ(mnw.dx, c.dx) << c.east;
        EXPECT_EQ(mnw.dy, c.dy) << c.south;
        EXPECT_EQ(mnw.x, c.x) << c.east;
        EXPECT_EQ(mnw.y, c.y) << c.south;
        // The chart's legend strip at the window's right edge.
        if (c.dx >= 71 && c.dy > 20) {
            EXPECT_EQ(px((int)(mnw.x + c.dx - 71 + 30), (int)mnw.y + 10), in(chart, 30, 10)) << c.east;
        }
    }
}

TEST_F(PanelBuild, Window24TakesItsTitleFromTheAirportDiagramTitle)
{
    // An 'I' centred on 432: its stem at x 215 in colour 6 over the shadow at 216.
    for (const char* title : {"I", ""}) {
        copy_bounded(diagram_title, title, 400);
        copy_bounded(C_s, "I", 400);   // the toolkit's shared string is not it
        mnw.topwin = 0;
        MACIBM_startwind(24);
        int x = (int)mnw.x + 215, y = (int)(mnw.y + mnw.dy) + 6;
        EXPECT_EQ(is(x, y, 6), title[0] != 0) << title;
        EXPECT_EQ(is(x + 1, y, 22), title[0] != 0) << title;
    }
}

TEST_F(PanelBuild, SplashOnlyUntilStartUpHasFinished)
{
    auto splash = bitmap_alone("Omnivar");
    done_initing = 0;
    relayout();
    pln.cp = 7;
    env.zoom_rat = 3;
    MACIBM_startwind(0);
    // The picture, the progress boxes over it, and no panel yet.
    EXPECT_EQ(px(5, 100), in(splash, 5, 100));
    EXPECT_EQ(px(172, 319), in(splash, 172, 319));
    EXPECT_EQ(px(400, 500), in(splash, 400, 500));
    EXPECT_TRUE(filled(20, 20, 3, 6, 29));
    EXPECT_TRUE(filled(600, 20, 3, 6, 29));
    EXPECT_EQ(px(23, 22), in(splash, 23, 22));
    EXPECT_EQ(pln.cp, 7);
    EXPECT_EQ(env.zoom_rat, 3);   // the map view waits too

    // Started: the panel, and the map view reset on every opening.
    done_initing = 1;
    env.os_X_gs = 5;
    build();
    EXPECT_EQ(pln.cp, 0);
    EXPECT_TRUE(is(172, 319, 9));
    EXPECT_EQ(env.zoom_rat, 1);
    EXPECT_EQ(env.os_X_plan, env.lox);
    EXPECT_EQ(env.os_Z_plan, env.hiz);
    EXPECT_EQ(env.os_X_gs, 0);
}

TEST_F(PanelBuild, AirportDiagramCentresTheMapOnItsAirport)
{
    msc.map_type = 998;
    msc.plate_index = 3;
    apt_lat[3][0] = env.lat_sou + 0.5f;
    apt_lon[3][0] = env.lon_wes + 0.5f;
    MACIBM_startwind(4);
    EXPECT_FLOAT_EQ(env.os_X_plan, X_with_latlon(apt_lat[3][0], apt_lon[3][0]) - 25950);
    EXPECT_FLOAT_EQ(env.os_Z_plan, Z_with_lat(apt_lat[3][0]) + 25950);
    msc.map_type = 402;
    mnw.topwin = 0;
    MACIBM_startwind(0);
    EXPECT_EQ(env.os_X_plan, env.lox);
}
