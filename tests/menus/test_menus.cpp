// Menu layout, clicks on titles, items and close boxes, the range alerts, and
// the pull-down and help balloon drawn into the canvas.
#include "menus_support.h"

#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_GRAPH.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {
class Menus : public ::testing::Test {
protected:
    void SetUp() override { reset_menus(); }
    void TearDown() override
    {
        drain_events();
        to_array = 0;
        memset(&set, 0, sizeof set);
        memset(&msc, 0, sizeof msc);
    }

    // File (47 plain items), Edit (Cut, separator, Paste opening submenu 3).
    void build_menus()
    {
        MACIBM_create_menu(0, -1, "File");
        for (int n = 0; n < 47; ++n) {
            std::string text = "Item " + std::to_string(10 + n);
            MACIBM_append_menu(0, n, text.c_str(), ("help " + std::to_string(n)).c_str());
        }
        MACIBM_create_menu(1, -1, "Edit");
        MACIBM_append_menu(1, 100, "Cut", "");
        MACIBM_append_menu(1, 101, "-", "");
        MACIBM_append_menu(1, 102, "Paste", "");
        MACIBM_create_menu(2, -1, "Settings");
        MACIBM_create_menu(3, 102, "More");
        MACIBM_append_menu(3, 300, "One", "");
        MACIBM_append_menu(3, 301, "Two", "");
    }

    // One frame of input: a click at (x, y) on the screen.
    void click(float x, float y)
    {
        inject_click(0, 0, x, y);
        MACIBM_event_proc();
    }
};

void expect_rect(int m, int i, float x1, float y1, float x2, float y2)
{
    EXPECT_EQ(mnw.itemx1[m][i], x1) << m << "/" << i;
    EXPECT_EQ(mnw.itemy1[m][i], y1) << m << "/" << i;
    EXPECT_EQ(mnw.itemx2[m][i], x2) << m << "/" << i;
    EXPECT_EQ(mnw.itemy2[m][i], y2) << m << "/" << i;
}
} // namespace

TEST_F(Menus, TitlesLineUpOnTheBarAndItemsStackIntoColumns)
{
    build_menus();
    const float titles[3][2] = {{10, 34}, {44, 68}, {78, 126}};
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(mnw.menu_prnt[m], -1);
        EXPECT_EQ(mnw.menux1[m], titles[m][0]);
        EXPECT_EQ(mnw.menux2[m], titles[m][1]);
        EXPECT_EQ(mnw.menuy1[m], 583);
        EXPECT_EQ(mnw.menuy2[m], 600);
    }
    // "Item nn": 7 characters give a width of 67; the 46th item would end
    // below 50 and starts a second column at the top.
    expect_rect(0, 0, 10, 571, 77, 583);
    expect_rect(0, 1, 10, 559, 77, 571);
    expect_rect(0, 44, 10, 43, 77, 55);
    expect_rect(0, 45, 77, 571, 144, 583);
    expect_rect(0, 46, 77, 559, 144, 571);
    // A separator takes 2 units; "Paste" (5 characters) sets the width 55.
    expect_rect(1, 0, 44, 571, 99, 583);
    expect_rect(1, 1, 44, 569, 99, 571);
    expect_rect(1, 2, 44, 557, 99, 569);
    // The submenu hangs from Paste and opens to its right.
    EXPECT_EQ(mnw.menu_prnt[3], 1);
    EXPECT_EQ(mnw.menux1[3], 44);
    EXPECT_EQ(mnw.menux2[3], 99);
    expect_rect(3, 0, 99, 557, 142, 569);
    expect_rect(3, 1, 99, 545, 142, 557);

    // Declaring the bar again starts again at the left.
    MACIBM_create_menu(0, -1, "File");
    MACIBM_create_menu(1, -1, "Edit");
    EXPECT_EQ(mnw.menux1[1], 44);
}

TEST_F(Menus, TextsLongerThanTheirArraysAreCut)
{
    const std::string long_text(60, 'W');
    const std::string long_help(500, 'h');
    MACIBM_create_menu(0, -1, long_text.c_str());
    MACIBM_append_menu(0, 0, long_text.c_str(), long_help.c_str());
    MACIBM_create_menu(20, -1, "Late");
    MACIBM_append_menu(20, 2000, "Item", "never kept");
    EXPECT_EQ(strlen(mnw.menu_name[0]), 39u);
    EXPECT_EQ(strlen(mnw.item_name[0][0]), 39u);
    EXPECT_EQ(strlen(mnw.item_help[0][0]), 399u);
    EXPECT_EQ(mnw.menux2[0] - mnw.menux1[0], 6 * 39);
    EXPECT_EQ(mnw.itemx2[0][0] - mnw.itemx1[0][0], 6 * 39 + 25);
    // Menu 1 starts after the cut title.
    EXPECT_EQ(mnw.menux1[20], 10 + 6 * 39 + 10);
}

TEST_F(Menus, TitleClicksPullDownAndCloseWithoutCallingTheProgram)
{
    build_menus();
    click(20, 590);
    EXPECT_EQ(mnw.menu_up, 0);
    EXPECT_EQ(m_x1, 10);
    EXPECT_EQ(m_y1, 43);
    EXPECT_EQ(m_x2, 144);
    EXPECT_EQ(m_y2, 583);
    click(60, 583);   // the next title, on its lower edge
    EXPECT_EQ(mnw.menu_up, 1);
    click(60, 600);   // the same title again, top edge
    EXPECT_EQ(mnw.menu_up, -1);
    click(150, 590);  // the bar between titles
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Menus, APickReachesTheProgramOnceAndUsesUpTheClick)
{
    build_menus();
    const struct {
        float title_x;
        float x, y;     // where the item is clicked
        int menu_up;    // after the click
        std::vector<callback_call> expect;
    } cases[] = {
        {20, 12, 575, -1, {{'m', 0}}},        // File, first item
        {20, 100, 570, -1, {{'m', 46}}},      // File, second column, item 46
        {50, 50, 580, -1, {{'m', 100}}},      // Edit, Cut
        {50, 50, 570, -1, {}},                // Edit, the separator: nothing, menu closes
        {50, 50, 560, 3, {}},                 // Edit, Paste: opens the submenu
        {20, 400, 300, -1, {}},               // outside the menu: it closes
    };
    for (const auto& c : cases) {
        calls.clear();
        click(c.title_x, 590);
        ASSERT_NE(mnw.menu_up, -1);
        click(c.x, c.y);
        EXPECT_EQ(calls, c.expect) << c.x << "," << c.y;
        EXPECT_EQ(mnw.menu_up, c.menu_up) << c.x << "," << c.y;
        if (!c.expect.empty()) {
            EXPECT_EQ(mnw.mouse_clicked, 0);
        }
    }
    // Through the submenu to its second item.
    calls.clear();
    click(50, 590);
    click(50, 560);
    ASSERT_EQ(mnw.menu_up, 3);
    click(120, 550);
    EXPECT_EQ(calls, (std::vector<callback_call>{{'m', 301}}));
    EXPECT_EQ(mnw.menu_up, -1);
}

TEST_F(Menus, UndeclaredMenusCannotBeHit)
{
    // Only menu 0 exists: the other 314, all zero, must not open from (0, 0).
    MACIBM_create_menu(0, -1, "File");
    MACIBM_append_menu(0, 0, "Open", "");
    click(20, 590);
    ASSERT_EQ(mnw.menu_up, 0);
    click(0, 0);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Menus, CloseBoxesCloseProgramWindowsButNotTheToolkitsOwn)
{
    const struct {
        int window;
        float x, y;      // in window coordinates, from the window's size
        bool from_right;
        bool closes;
    } cases[] = {
        {5, 4, 7, false, true},   {5, 5, 7, true, true},  {5, 10, 7, false, false},
        {999, 0, 2, false, true}, {996, 4, 7, false, false}, {998, 4, 7, false, false},
    };
    for (const auto& c : cases) {
        reset_menus();
        MACIBM_startwind(c.window);
        const float x = c.from_right ? mnw.dx - c.x : c.x;
        inject_click(mnw.x, mnw.y, x, mnw.dy + c.y);
        MACIBM_event_proc();
        EXPECT_EQ(mnw.topwin, c.closes ? 0 : c.window) << c.window << " at " << x;
        EXPECT_EQ(zapped, c.closes ? std::vector<int>{c.window} : std::vector<int>{}) << c.window;
        MACIBM_startwind(0);
    }
}

TEST(MenuRanges, OutOfRangeIndicesEndTheProgram)
{
    const auto exited = [](int status) { return WIFEXITED(status); };
    reset_menus();
    EXPECT_EXIT(MACIBM_create_menu(315, -1, "Tools"), exited, "Menu index out of range in create_menu!");
    EXPECT_EXIT(MACIBM_create_menu(-1, -1, "Tools"), exited, "Menu index out of range in create_menu!");
    EXPECT_EXIT(MACIBM_create_menu(4, 31500, "Tools"), exited, "Menu index out of range in create_menu!");
    EXPECT_EXIT(MACIBM_append_menu(315, 31500, "Quit", ""), exited, "Menu index out of range in append_menu!");
    EXPECT_EXIT(MACIBM_append_menu(-3, -300, "Quit", ""), exited, "Menu index out of range in append_menu!");
    EXPECT_EXIT(MACIBM_append_menu(2, 300, "Quit", ""), exited, "Item index out of range in append_menu!");
    EXPECT_EXIT(MACIBM_append_menu(2, 150, "Quit", ""), exited, "Item index out of range in append_menu!");
}

TEST_F(Menus, PullDownShowsTheHoveredItemHelpAndCheckMarks)
{
    build_menus();
    to_array = 1;
    click(20, 590);
    mnw.mx = 70;
    mnw.my = 560;   // item 1: 559 .. 571
    MACIBM_draw_menu();
    EXPECT_STREQ(mnw.help_message, "help 1");
    EXPECT_EQ(mnw.help_x1, 10);
    EXPECT_EQ(mnw.help_y2, 554);
    EXPECT_EQ(pixel(72, 560), colour_bytes(12));   // the hovered item
    EXPECT_EQ(pixel(72, 572), colour_bytes(18));   // the one above
    EXPECT_EQ(pixel(10, 300), colour_bytes(6));    // left bevel
    EXPECT_EQ(pixel(144, 300), colour_bytes(22));  // right bevel
    EXPECT_EQ(pixel(76, 300), colour_bytes(22));   // column separator, shadow
    EXPECT_EQ(pixel(77, 300), colour_bytes(6));    // and light

    // Menus from 15 on keep no help.
    MACIBM_create_menu(15, -1, "Late");
    MACIBM_append_menu(15, 1500, "Item", "help");
    click(mnw.menux1[15] + 1, 590);
    ASSERT_EQ(mnw.menu_up, 15);
    mnw.mx = mnw.itemx1[15][0] + 2;
    mnw.my = 575;
    mnw.help_message[0] = 0;
    MACIBM_draw_menu();
    EXPECT_STREQ(mnw.help_message, "");

    // The simulator's marks: current view, path display, replay off, time logging.
    MACIBM_create_menu(5, -1, "View");
    for (int c = 500; c <= 528; ++c) MACIBM_append_menu(5, c, "View item", "");
    MACIBM_create_menu(6, -1, "Misc");
    for (int c = 600; c <= 611; ++c) MACIBM_append_menu(6, c, "Misc item", "");
    set.view_type = 503;
    msc.show_path = 1;
    set.replay_mode = 0;
    msc.logtime = 1;
    const int marked[] = {503, 525, 528, 610};
    for (int m = 5; m <= 6; ++m) {
        mnw.menu_up = -1;
        click(mnw.menux1[m] + 1, 590);
        ASSERT_EQ(mnw.menu_up, m);
        mnw.mx = mnw.my = 0;
        MACIBM_draw_menu();
        for (int i = 0; i < 100; ++i) {
            if (!mnw.item_name[m][i][0]) continue;
            const int code = m * 100 + i;
            const bool mark = std::find(std::begin(marked), std::end(marked), code) != std::end(marked);
            EXPECT_EQ(pixel((int)mnw.itemx1[m][i] + 6, (int)mnw.itemy1[m][i] + 8), colour_bytes(mark ? 6 : 18))
                << code;
        }
    }
}

TEST_F(Menus, HelpBalloonStaysOnTheScreen)
{
    to_array = 1;
    std::string text;
    for (int i = 0; i < 26; ++i) text += "word ";
    copy_bounded(mnw.help_message, text.c_str(), 400);
    mnw.help_x1 = 700;
    mnw.help_y2 = 100;
    MACIBM_draw_help();
    // 400 units wide: pulled left to end at 790.
    EXPECT_EQ(mnw.help_x1, 390);
    EXPECT_EQ(mnw.help_y2, 100);
    EXPECT_EQ(pixel(395, 67), colour_bytes(29));
    // Three lines of text below y 20 would leave the screen: raised to start at 10.
    mnw.help_x1 = 100;
    mnw.help_y2 = 20;
    MACIBM_draw_help();
    EXPECT_EQ(mnw.help_x1, 100);
    EXPECT_EQ(mnw.help_y2, 45);
}
