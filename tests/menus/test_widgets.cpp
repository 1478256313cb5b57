// The input widgets editing values by clicks, with their ranges and the
// numeric field's selection; drawn into the canvas.
#include "menus_support.h"

#include "toolkit/HL_BTN.h"
#include "toolkit/HL_GRAPH.h"

#include <cstring>
#include <filesystem>
#include <string>

namespace {
class Widgets : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_menus();
        to_array = 1;
        slider_grabbed = 0;
    }
    void TearDown() override
    {
        to_array = 0;
        drain_events();
        MACIBM_startwind(0);
    }
};

// This frame's mouse: at (x, y), pressed this frame or not.
void mouse(float x, float y, int clicked = 1)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = clicked;
    mnw.now_dragging = clicked;
    mnw.delay_dragging = 0;
}

// A new frame for the numeric fields.
void frame()
{
    select_ctr = 0;
}

bool lit(int x, int y)
{
    auto p = pixel(x, y);
    return p[0] || p[1] || p[2];
}

int lit_in(int x1, int y1, int x2, int y2)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += lit(x, y);
    return n;
}
} // namespace

TEST_F(Widgets, NumericFieldsStepDigitsWithinTheirRange)
{
    // Field at (100, 200), 4 digits with 1 decimal: place values 100, 10, 1, 0.1
    // in the columns from x 100, 110, 120, 130; steps above y 210, below y 196.
    const struct {
        float start, x, y, lo, hi, expect;
        int result;
    } cases[] = {
        {123.4f, 125, 215, -1000, 1000, 124.4f, 1},  // above the third column
        {123.4f, 105, 190, -1000, 1000, 23.4f, 1},   // below the first
        {23.4f, 105, 190, 0, 1000, 0, 1},            // below the first, floor 0
        {123.4f, 135, 220, -1000, 1000, 123.5f, 1},  // top edge of the last
        {123.4f, 110, 215, -1000, 1000, 223.4f, 1},  // the line between two: the left one only
        {999.9f, 105, 215, 0, 999.9f, 999.9f, 1},    // held at the top
        {123.4f, 125, 203, -1000, 1000, 123.4f, 0},  // between the zones: selects only
        {123.4f, 145, 215, -1000, 1000, 123.4f, 0},  // right of the digits
    };
    for (const auto& c : cases) {
        select_ind = 0;
        frame();
        float v = c.start;
        mouse(c.x, c.y);
        EXPECT_EQ(instdbtn_range(47, 100, 200, &v, 4, 1, c.lo, c.hi, "help"), c.result) << c.x << "," << c.y;
        EXPECT_NEAR(v, c.expect, 1e-3) << c.x << "," << c.y;
    }

    // Stepping goes on from the value shown, not from beyond the floor.
    select_ind = 0;
    float v = 23.4f;
    frame();
    mouse(105, 190);
    instdbtn_range(47, 100, 200, &v, 4, 1, 0, 1000, "");
    ASSERT_EQ(v, 0);
    frame();
    mouse(105, 215);
    instdbtn_range(47, 100, 200, &v, 4, 1, 0, 1000, "");
    EXPECT_NEAR(v, 100, 1e-3);
}

TEST_F(Widgets, TheSelectedNumericFieldHoldsItsValue)
{
    float a = 1, b = 2;
    frame();
    mouse(105, 203);   // selects the second field, at (100, 200)
    instdbtn_range(47, 100, 300, &a, 3, 0, 0, 999, "");
    instdbtn_range(47, 100, 200, &b, 3, 0, 0, 999, "");
    EXPECT_EQ(select_ind, 2);

    // The window's handler recomputes both; the edited one keeps its value.
    a = 7;
    b = 8;
    frame();
    mouse(0, 0, 0);
    instdbtn_range(47, 100, 300, &a, 3, 0, 0, 999, "");
    instdbtn_range(47, 100, 200, &b, 3, 0, 0, 999, "");
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 2);

    // Opening a window ends the edit.
    MACIBM_startwind(0);
    EXPECT_EQ(select_ind, 0);
}

TEST_F(Widgets, UnrangedNumericFieldsSpanWhatTheirDigitsShow)
{
    const struct {
        int dig, dec, sign;
        float start, expect;
    } cases[] = {
        {3, 0, 1, 5000, 999},    {3, 0, 1, -5000, -999},      {3, 0, 0, -5, 0},
        {3, 1, 0, 500, 99.9f},   {7, 6, 0, 20, 9.999999f},    {1, 0, 1, -12, -9},
        {9, 0, 0, 1e9f, 9999999}, // more digits than a field has: seven
    };
    for (const auto& c : cases) {
        select_ind = 0;
        frame();
        mouse(0, 0, 0);
        float v = c.start;
        instdbtn(47, 100, 200, &v, c.dig, c.dec, c.sign, "");
        EXPECT_NEAR(v, c.expect, 1e-4) << c.dig << "/" << c.dec << "/" << c.sign << " from " << c.start;
    }
}

TEST_F(Widgets, ChoiceTextsStepAndWrap)
{
    // Arrows at x + dx = 200: below from y - 17 to y + 3, above to y + 23.
    enum { NONE, UP, DOWN };
    const struct {
        int members, start, click, expect, result;
    } cases[] = {
        {2, 1, UP, 0, 1},   {2, 0, DOWN, 1, 1}, {2, 0, UP, 1, 1},   {3, 3, UP, 1, 1},   {4, 1, DOWN, 4, 1},
        {5, 5, UP, 1, 1},   {5, 1, DOWN, 5, 1}, {6, 2, NONE, 2, 0}, {8, 8, UP, 1, 1},
        // Left far out of range by the program: still a choice that exists.
        {5, 12, NONE, 2, 0}, {5, -7, NONE, 3, 0}, {2, 9, NONE, 1, 0},
    };
    const char* t[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
    for (const auto& c : cases) {
        int v = c.start;
        const float y = 100;
        mouse(205, c.click == UP ? y + 20 : c.click == DOWN ? y - 10 : y + 60, c.click != NONE);
        int r = 0;
        switch (c.members) {
        case 2: r = in2textbtn(100, y, t[0], t[1], 100, &v); break;
        case 3: r = in3textbtn(100, y, t[0], t[1], t[2], 100, &v); break;
        case 4: r = in4textbtn(100, y, t[0], t[1], t[2], t[3], 100, &v); break;
        case 5: r = in5textbtn(100, y, t[0], t[1], t[2], t[3], t[4], 100, &v); break;
        case 6: r = in6textbtn(100, y, t[0], t[1], t[2], t[3], t[4], t[5], 100, &v); break;
        case 8: r = in8textbtn(100, y, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], 100, &v); break;
        }
        EXPECT_EQ(v, c.expect) << c.members << " from " << c.start;
        EXPECT_EQ(r, c.result) << c.members << " from " << c.start;
    }

    // The choice shown: "I" lights its centre column to the top, "-" does not.
    int v = 1;
    mouse(205, 120);
    in2textbtn(100, 100, "I", "-", 100, &v);
    EXPECT_TRUE(lit(102, 106));
    memset(rgb_array, 0, sizeof rgb_array);
    mouse(0, 0, 0);
    v = 1;
    in2textbtn(100, 100, "I", "-", 100, &v);
    EXPECT_FALSE(lit(102, 106));
}

TEST_F(Widgets, IdentifierFieldsStepCharactersWithoutWrapping)
{
    // Columns 10 wide from x 100; below y + 3 (103) steps up, from it down.
    const struct {
        const char* start;
        float x, y;
        const char* expect;
        int result;
    } cases[] = {
        {"KSFO", 115, 95, "KTFO", 1},   {"KZZZ", 115, 95, "KZZZ", 1}, {"K SF", 115, 110, "K SF", 1},
        {"K9SF", 115, 95, "KASF", 1},   {"KASF", 115, 103, "K9SF", 1}, {"ksfo", 125, 95, "0010", 1},
        {"KSFO", 110, 95, "LSFO", 1},   {"KSFO", 145, 95, "KSFO", 0}, {"KSFO", 115, 125, "KSFO", 0},
    };
    for (const auto& c : cases) {
        char s[5];
        strcpy(s, c.start);
        mouse(c.x, c.y);
        EXPECT_EQ(in4charbtn(47, 100, 100, s), c.result) << c.start << " at " << c.x << "," << c.y;
        EXPECT_STREQ(s, c.expect) << c.start << " at " << c.x << "," << c.y;
    }
    char s6[7] = "ABCDEF";
    mouse(155, 110);
    EXPECT_EQ(in6charbtn(47, 100, 100, s6), 1);
    EXPECT_STREQ(s6, "ABCDEE");
}

TEST_F(Widgets, CheckAndRadioBoxes)
{
    const struct {
        int start, clicked, on_after, value_after, result;
    } cases[] = {
        {0, 1, 1, 1, 1}, {1, 1, 0, 0, 1}, {5, 1, 0, 0, 1}, {5, 0, 1, 5, 0}, {0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        memset(rgb_array, 0, sizeof rgb_array);
        int v = c.start;
        mouse(102, 104, c.clicked);
        EXPECT_EQ(inboolbtn(100, 100, &v, "toggle"), c.result);
        EXPECT_EQ(v, c.value_after);
        EXPECT_EQ(pixel(104, 104), colour_bytes(c.on_after ? 49 : 51)) << c.start;
    }
    EXPECT_STREQ(mnw.help_message, "toggle");
    EXPECT_EQ(mnw.help_y2, 80);

    // inintbtn shows on only for exactly 1.
    int v = 2;
    mouse(0, 0, 0);
    inintbtn(100, 100, &v, "");
    EXPECT_EQ(pixel(104, 104), colour_bytes(51));
    mouse(101, 101);
    inintbtn(100, 100, &v, "");
    EXPECT_EQ(v, 0);

    // A radio group of three boxes 20 apart.
    int choice = 1;
    mouse(148, 105);
    for (int k = 0; k < 3; ++k) inonebool(100 + 20.0f * k, 100, &choice, k + 1);
    EXPECT_EQ(choice, 3);
    mouse(0, 0, 0);
    for (int k = 0; k < 3; ++k) inonebool(100 + 20.0f * k, 100, &choice, k + 1);
    EXPECT_EQ(pixel(144, 104), colour_bytes(49));
    EXPECT_EQ(pixel(104, 104), colour_bytes(51));
}

TEST_F(Widgets, NameListScrollsByArrowsRowsAndSlider)
{
    char names[10][40] = {};
    char ids[10][5] = {};
    for (int i = 0; i < 10; ++i) {
        snprintf(names[i], 40, "NAME %d", i);
        snprintf(ids[i], 5, "ID%d", i);
    }
    const float ox = 100, oy = 300;
    const struct {
        int start;
        float x, y;
        int clicked, held, expect;
    } cases[] = {
        {5, 385, 365, 1, 0, 4},   // up arrow
        {0, 385, 365, 1, 0, 0},   // up arrow at the first entry
        {5, 385, 240, 1, 0, 6},   // down arrow
        {9, 385, 240, 1, 0, 9},   // down arrow at the last
        {5, 385, 240, 0, 1, 6},   // held past the repeat delay
        {5, 150, 315, 1, 0, 4},   // a row above the centre
        {5, 150, 275, 1, 0, 8},   // three rows below it
        {5, 385, 356, 1, 0, 0},   // slider top
        {5, 385, 251, 1, 0, 9},   // slider bottom
        {-40, 0, 0, 0, 0, 0},     // left out of range by the program
    };
    for (const auto& c : cases) {
        slider_grabbed = 0;
        int centre = c.start;
        mouse(c.x, c.y, c.clicked);
        mnw.delay_dragging = c.held;
        mnw.now_dragging = c.clicked || c.held;
        plot_name_list(ox, oy, names[0], ids[0], &centre, 0, 9);
        EXPECT_EQ(centre, c.expect) << c.start << " at " << c.x << "," << c.y;
    }

    // Entry 0 at the centre: it and the six below show, nothing above.
    memset(rgb_array, 0, sizeof rgb_array);
    mouse(0, 0, 0);
    int centre = 0;
    plot_name_list(ox, oy, names[0], ids[0], &centre, 0, 9);
    for (int c = -6; c <= 6; ++c) {
        const int y = (int)oy - 10 * c;
        EXPECT_EQ(lit_in(108, y, 250, y + 6) > 0, c >= 0) << c;
        EXPECT_EQ(lit_in(338, y, 370, y + 6) > 0, c >= 0) << c;
    }

    // Dragging: the arrows rest while the slider is held, then follow again.
    centre = 5;
    mouse(385, 300);
    plot_name_list(ox, oy, names[0], ids[0], &centre, 0, 9);
    EXPECT_EQ(slider_grabbed, 1);
    mouse(385, 365, 0);
    mnw.now_dragging = 1;
    mnw.delay_dragging = 1;
    int held = centre;
    plot_name_list(ox, oy, names[0], ids[0], &centre, 0, 9);
    EXPECT_EQ(centre, held);
    mouse(385, 365, 0);
    plot_name_list(ox, oy, names[0], ids[0], &centre, 0, 9);
    EXPECT_EQ(slider_grabbed, 0);
}

TEST_F(Widgets, NameListOfOneEntryKeepsItsKnobAtTheTop)
{
    char names[1][40] = {"ONLY"};
    char ids[1][5] = {"ONE"};
    int centre = 0;
    mouse(385, 260);   // dragging the slider low
    plot_name_list(100, 300, names[0], ids[0], &centre, 0, 0);
    EXPECT_EQ(centre, 0);
    EXPECT_EQ(pixel(387, 349), colour_bytes(48));
    EXPECT_EQ(pixel(387, 260), colour_bytes(29));
    // An empty list leaves the index alone.
    centre = 3;
    plot_name_list(100, 300, names[0], ids[0], &centre, 0, -1);
    EXPECT_EQ(centre, 3);
}

TEST_F(Widgets, FileNameButtonOpensTheChooser)
{
    // A program folder whose aircraft lie in its "Aircraft" folder, where
    // the chooser opens from wherever it was left.
    ScratchFolder scratch;
    scratch.folder("Aircraft");
    scratch.file("Aircraft/only.acf");
    scratch.file("a.acf");   // the first row, were the chooser left at the top
    for (const char* sub : {"bitmaps", "textures"})
        std::filesystem::create_symlink(std::string(PROGRAM_DIR) + "/" + sub, scratch.dir + sub);
    copy_bounded(app_path, scratch.dir.c_str(), 400);
    copy_bounded(wrk_path, scratch.dir.c_str(), 400);
    MACIBM_startwind(5);
    char name[400] = "old.acf";
    // The chooser takes its click from the first frame it runs.
    inject_click(240, 16, 100, 528);
    mouse(mnw.x + 90, mnw.y + 103);
    mnw.mx = 90;
    mnw.my = 103;
    EXPECT_EQ(instringbtn(100, 100, name, 203, "pick"), 1);
    EXPECT_STREQ(name, "only.acf");
    EXPECT_EQ(std::string(C_s), scratch.dir + "Aircraft/only.acf");
    EXPECT_EQ(mnw.topwin, 5);
    // Without a click it only shows the name.
    mouse(90, 103, 0);
    EXPECT_EQ(instringbtn(100, 100, name, 203, "pick"), 0);
    EXPECT_STREQ(mnw.help_message, "pick");
    copy_bounded(app_path, PROGRAM_DIR "/", 400);   // the scratch folder goes now
}
