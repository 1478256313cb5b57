// The simulator's window opener and the toolkit's windows, through the
// canvas; the alert and the save-changes prompt answered by injected input.
#include "drawing_support.h"

#include "toolkit/HL_TEXT.h"

#include <cstring>

namespace {
class Windows : public ::testing::Test {
protected:
    void SetUp() override { reset_toolkit(); }
    void TearDown() override
    {
        plat_event ev;
        while (plat_poll_event(&ev)) {
        }
        MACIBM_startwind(0);
    }
};

std::array<unsigned char, 3> at(float wx, float wy)
{
    return pixel((int)(mnw.x + wx), (int)(mnw.y + wy));
}
} // namespace

TEST_F(Windows, EachWindowIsCentredAndTheOpenerLeavesDrawingOnTheScreen)
{
    const struct {
        int index;
        float x, y, dx, dy;
    } cases[] = {
        {0, 0, 0, 800, 600},     {996, 200, 203, 400, 195}, {997, 250, 250, 300, 100},
        {998, 240, 16, 320, 568}, {999, 240, 16, 320, 568}, {5, 277, 218, 246, 165},
    };
    for (const auto& c : cases) {
        mnw.menu_up = 3;
        MACIBM_startwind(c.index);
        EXPECT_EQ(mnw.topwin, c.index);
        EXPECT_EQ(mnw.x, c.x) << c.index;
        EXPECT_EQ(mnw.y, c.y) << c.index;
        EXPECT_EQ(mnw.dx, c.dx) << c.index;
        EXPECT_EQ(mnw.dy, c.dy) << c.index;
        EXPECT_EQ(mnw.menu_up, -1);
        EXPECT_EQ(to_array, 0);
    }
    // Window coordinates: a line from (0, 0) in window 5 starts at its origin.
    to_array = 1;
    OGL_line(8, 0, 0, 10, 0);
    to_array = 0;
    EXPECT_EQ(pixel(277, 218), colour_bytes(8));
    EXPECT_EQ(pixel(287, 218), colour_bytes(8));
    EXPECT_NE(pixel(288, 218), colour_bytes(8));
}

TEST_F(Windows, MenuBarAcrossTheTopOfWindowZero)
{
    MACIBM_startwind(0);
    EXPECT_EQ(pixel(400, 599), colour_bytes(6));
    EXPECT_EQ(pixel(400, 598), colour_bytes(6));
    EXPECT_EQ(pixel(0, 590), colour_bytes(18));
    EXPECT_EQ(pixel(799, 585), colour_bytes(18));
    EXPECT_EQ(pixel(400, 584), colour_bytes(22));
    EXPECT_EQ(pixel(400, 583), colour_bytes(22));
    // Below the bar the status bar of the panel begins.
}

TEST_F(Windows, FrameFaceTitleStripesAndCloseBoxes)
{
    MACIBM_startwind(999);  // "SAVE": 24 units of title centred at c = 148
    const float dy = 568;
    EXPECT_EQ(at(-5, -5), colour_bytes(22));       // raised outer frame, bottom edge
    EXPECT_EQ(at(-1, 300), colour_bytes(22));      // sunken frame, left edge
    EXPECT_EQ(at(-3, 300), colour_bytes(18));      // frame between the two
    EXPECT_EQ(at(315, 544 - 10), colour_bytes(12)); // face
    // Title: the 'S' and its shadow one unit right and one down.
    EXPECT_EQ(at(148, dy + 10), colour_bytes(18));
    EXPECT_EQ(at(149, dy + 10), colour_bytes(6));
    EXPECT_EQ(at(150, dy + 9), colour_bytes(22));
    // Stripes: left from 14 to c - 5; right from past the title's end, c + w + 4.
    EXPECT_EQ(at(14, dy + 5), colour_bytes(22));
    EXPECT_EQ(at(14, dy + 4), colour_bytes(12));
    EXPECT_EQ(at(143, dy + 5), colour_bytes(22));
    EXPECT_EQ(at(144, dy + 5), colour_bytes(18));
    for (int x = 173; x <= 175; ++x) EXPECT_EQ(at((float)x, dy + 5), colour_bytes(18)) << x;
    EXPECT_EQ(at(176, dy + 5), colour_bytes(22));
    EXPECT_EQ(at(305, dy + 11), colour_bytes(22));
    EXPECT_EQ(at(306, dy + 11), colour_bytes(18));
    // Close boxes of the save chooser: black outline, raised inside.
    EXPECT_EQ(at(4, dy + 2), colour_bytes(29));
    EXPECT_EQ(at(315, dy + 12), colour_bytes(29));
    EXPECT_EQ(at(1, dy + 7), colour_bytes(6));
    // The open chooser, the alert and the prompt have none.
    for (int w : {996, 997, 998}) {
        MACIBM_startwind(w);
        EXPECT_EQ(at(4, mnw.dy + 2), colour_bytes(18)) << w;
        EXPECT_EQ(at(mnw.dx - 5, mnw.dy + 2), colour_bytes(18)) << w;
    }
}

TEST_F(Windows, AlertShowsItsFourLinesAndTheOKButton)
{
    copy_bounded(g_cs1, "H", 400);
    copy_bounded(g_cs2, "I", 400);
    copy_bounded(g_cs4, "L", 400);
    MACIBM_startwind(996);
    // 'H' bottom row 17: dots at columns 0 and 4 only, black on the grey face.
    EXPECT_EQ(at(10, 180), colour_bytes(29));
    EXPECT_EQ(at(11, 180), colour_bytes(12));
    EXPECT_EQ(at(14, 180), colour_bytes(29));
    // 'I' bottom row 14 on line two, 'L' bottom row 31 on line four.
    EXPECT_EQ(at(11, 140), colour_bytes(29));
    EXPECT_EQ(at(10, 140), colour_bytes(12));
    EXPECT_EQ(at(14, 60), colour_bytes(29));
    EXPECT_EQ(at(10, 100), colour_bytes(12));
    // "O.K." and its raised frames.
    EXPECT_EQ(at(196, 19), colour_bytes(29));
    EXPECT_EQ(at(20, 20), colour_bytes(6));
    EXPECT_EQ(at(19, 20), colour_bytes(6));
    EXPECT_EQ(at(380, 20), colour_bytes(22));
}

TEST_F(Windows, SaveChangesPromptShowsTheQuestionAndThreeButtons)
{
    copy_bounded(g_cs1, "L", 400);
    MACIBM_startwind(997);
    EXPECT_EQ(at(24, 80), colour_bytes(29));
    // "     Save" starts its 'S' five blanks in: 20 + 10 + 30.
    EXPECT_EQ(at(60, 45 + 4 + 6), colour_bytes(12));
    EXPECT_EQ(at(61, 45 + 4 + 6), colour_bytes(29));
    for (auto b : {std::pair<float, float>{20, 45}, {20, 15}, {180, 15}}) {
        EXPECT_EQ(at(b.first, b.second + 7), colour_bytes(6));
        EXPECT_EQ(at(b.first - 1, b.second + 7), colour_bytes(6));
        EXPECT_EQ(at(b.first + 100, b.second + 7), colour_bytes(22));
    }
}

TEST_F(Windows, StartupPictureUnderTheBarWhileStartingUp)
{
    ProgramFolder folder;
    bmp_layout s;
    s.w = 4;
    s.h = 30;
    s.colour = [](int, int) { return std::array<unsigned char, 3>{200, 100, 50}; };
    write_bmp(folder.path("bitmaps/Omnivar.BMP"), s);
    done_initing = 0;
    MACIBM_startwind(0);
    EXPECT_EQ(pixel(0, 0), (std::array<unsigned char, 3>{200, 100, 50}));
    EXPECT_EQ(pixel(3, 29), (std::array<unsigned char, 3>{200, 100, 50}));
    EXPECT_EQ(pixel(4, 0), colour_bytes(29));
    EXPECT_EQ(pixel(400, 590), colour_bytes(18));
    // Once started, window 0 is rebuilt without it: the panel instead.
    done_initing = 1;
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    MACIBM_startwind(0);
    EXPECT_NE(pixel(0, 0), (std::array<unsigned char, 3>{200, 100, 50}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, MissingStartupPictureIsSkippedForNow)
{
    ProgramFolder folder;
    done_initing = 0;
    MACIBM_startwind(0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(pixel(400, 590), colour_bytes(18));
}

TEST_F(Windows, ClosingOrReplacingHandsTheOldWindowToProcessZap)
{
    MACIBM_startwind(5);
    MACIBM_startwind(7);
    MACIBM_startwind(0);
    EXPECT_EQ(zapped, (std::vector<int>{5, 7}));

    // A repaint rebuilds the open window: nothing goes, the click stays.
    zapped.clear();
    MACIBM_startwind(5);
    mnw.mouse_clicked = 1;
    MACIBM_startwind(5);
    EXPECT_EQ(mnw.mouse_clicked, 1);
    EXPECT_TRUE(zapped.empty());
    // A new window uses the click up.
    MACIBM_startwind(7);
    EXPECT_EQ(mnw.mouse_clicked, 0);
    EXPECT_EQ(zapped, (std::vector<int>{5}));
}

TEST_F(Windows, AlertOverAProgramWindowClosesOnOKOrEnterOnly)
{
    MACIBM_startwind(5);
    zapped.clear();
    MACIBM_startwind(996);
    EXPECT_TRUE(zapped.empty());

    // A click beside the button and a key leave it open.
    inject_click(200, 203, 100, 100);
    inject_key('A');
    MACIBM_event_proc();
    alert_take_input();
    EXPECT_EQ(mnw.topwin, 996);

    inject_click(200, 203, 379, 29);
    MACIBM_event_proc();
    alert_take_input();
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(zapped, (std::vector<int>{996}));

    MACIBM_startwind(996);
    inject_key(13);
    MACIBM_event_proc();
    alert_take_input();
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(return_hit, 0);
}

TEST_F(Windows, SaveChangesPromptAnswersByItsButtons)
{
    const struct {
        float x, y;
        int answer;
    } clicks[] = {
        {25, 50, 1}, {119, 60, 1}, {20, 15, 2}, {120, 30, 2}, {180, 22, 3}, {280, 30, 3},
        {150, 22, 0}, {25, 35, 0},  // between the buttons
    };
    for (const auto& c : clicks) {
        MACIBM_startwind(997);
        zapped.clear();
        inject_click(250, 250, c.x, c.y);
        MACIBM_event_proc();
        EXPECT_EQ(nuke_alert_take_input(), c.answer) << c.x << "," << c.y;
        EXPECT_EQ(mnw.topwin, c.answer ? 0 : 997);
        if (c.answer) {
            EXPECT_EQ(zapped, (std::vector<int>{997}));
        }
    }
    // Keys do nothing to it; losing the window counts as Cancel.
    MACIBM_startwind(997);
    inject_key(13);
    inject_key('A');
    MACIBM_event_proc();
    EXPECT_EQ(nuke_alert_take_input(), 0);
    plat_event gone{PLAT_DESTROYED, 0, 0, 0};
    plat_inject_event(&gone);
    MACIBM_event_proc();
    EXPECT_EQ(nuke_alert_take_input(), 3);
}

TEST_F(Windows, PromptQuestionIsABoundedCopy)
{
    EXPECT_EQ(MACIBM_nuke_alert("Untitled.sit"), 3);  // no window to answer in
    EXPECT_STREQ(g_cs1, "Save changes to Untitled.sit first?");
    std::string long_name(1000, 'x');
    MACIBM_nuke_alert(long_name.c_str());
    EXPECT_EQ(strlen(g_cs1), 399u);
    EXPECT_EQ(strncmp(g_cs1, "Save changes to xxx", 19), 0);
}

TEST_F(Windows, AlertsWithoutAWindowUseOneMessageBox)
{
    MACIBM_alert("one", "two", "three", "four", ALERT_NOTICE);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "one\n\ntwo\n\nthree\n\nfour");

    MACIBM_alert("", "", "", "", ALERT_ABOUT);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].rfind(about_lines[0], 0), 0u);

    std::string long_line(1000, 'y');
    MACIBM_alert(long_line.c_str(), nullptr, "", "", ALERT_NOTICE);
    EXPECT_EQ(strlen(g_cs1), 399u);
    EXPECT_STREQ(g_cs2, "");
}

TEST_F(Windows, FatalAlertsEndTheProgramWithStatusOne)
{
    EXPECT_EXIT(MACIBM_alert("Gone wrong", "", "", "", ALERT_FATAL), ::testing::ExitedWithCode(1),
                "Omnivar Message: Gone wrong");
    EXPECT_EXIT(MACIBM_alert_number("Too many parts:", "", "", 300), ::testing::ExitedWithCode(1),
                "Too many parts:(.|\n)*\n\n300");
    EXPECT_EXIT(MACIBM_alert_number("Below zero:", "", "", -2147483647 - 1), ::testing::ExitedWithCode(1),
                "\n\n-2147483648");
    // Kind 'V' through the text call shows the fourth line as text.
    EXPECT_EXIT(MACIBM_alert("Count:", "", "", "not a number", ALERT_NUMBER), ::testing::ExitedWithCode(1),
                "\n\nnot a number");
}
