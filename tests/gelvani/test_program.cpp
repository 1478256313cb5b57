// Quitting, saving on request, the preferences file, typing and the tools'
// helpers.
#include "gelvani_fixture.h"

#include "tools/Gelvani/gelvani_program.h"
#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/nav_files.h"
#include "tools/Gelvani/tool_helpers.h"

#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstring>
#include <filesystem>

using namespace gelvani;

namespace {
std::vector<std::string> asked;
std::vector<int> answers;

int answer_in_turn(const char* name)
{
    asked.push_back(name);
    int a = answers.empty() ? 3 : answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    return a;
}

const char* DEFAULT_PRF = "I\n464 version\n33.000000 dat\n-119.000000 dat\n0 dat\n200 dat\n0 dat\n0 dat\n";
} // namespace

TEST_F(GelvaniFolder, QuitWithNothingChangedWritesThePreferences)
{
    ask_save_changes = answer_in_turn;
    asked.clear();
    quit_program();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(read_text(prf_path), DEFAULT_PRF);

    // Another square, tool, mode and selections come back at the next start.
    msc.map_latfile = -34, msc.map_lonfile = 151, msc.map_mode = 2, msc.edit_mode = 203;
    msc.apt_index = 12, msc.nav_index = 7;
    ASSERT_EQ(write_prefs(), 1);
    set_defaults();
    read_prefs();
    EXPECT_EQ(msc.map_latfile, -34);
    EXPECT_EQ(msc.map_lonfile, 151);
    EXPECT_EQ(msc.map_mode, 2);
    EXPECT_EQ(msc.edit_mode, 203);
    EXPECT_EQ(msc.apt_index, 12);
    EXPECT_EQ(msc.nav_index, 7);
}

TEST_F(GelvaniFolder, QuitAsksInOrderAndCancelStopsIt)
{
    ask_save_changes = answer_in_turn;
    write_text(nav_dir() + "apt_dat", "I\n354 version\n354 version code 2\n99\n");
    snprintf(apt_path, sizeof apt_path, "%sapt_dat", nav_dir().c_str());

    // Cancel on the terrain: nothing more is asked, nothing written.
    msc.map_dirty = msc.apt_dirty = 1;
    asked.clear();
    answers = {3};
    quit_program();
    EXPECT_EQ(asked, std::vector<std::string>{"Terrain file"});
    EXPECT_EQ(gdone, 0);
    EXPECT_FALSE(std::filesystem::exists(prf_path));
    EXPECT_FALSE(std::filesystem::exists(square_file()));

    // Don't Save the terrain, Cancel the airports.
    asked.clear();
    answers = {2, 3};
    quit_program();
    EXPECT_EQ(asked, (std::vector<std::string>{"Terrain file", "Airport file"}));
    EXPECT_EQ(gdone, 0);
    EXPECT_FALSE(std::filesystem::exists(prf_path));

    // Save both: the files are written, the flags cleared, then the preferences.
    asked.clear();
    answers = {1, 1};
    quit_program();
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(read_bytes(square_file()).size(), 76809u);
    EXPECT_EQ(msc.map_dirty, 0);
    EXPECT_EQ(msc.apt_dirty, 0);
    EXPECT_EQ(read_text(prf_path), DEFAULT_PRF);
}

TEST_F(GelvaniFolder, AFailedSaveStopsTheQuit)
{
    ask_save_changes = answer_in_turn;
    msc.map_latfile = 45;  // no block folder for this square
    msc.map_dirty = 1;
    asked.clear();
    answers = {1};
    quit_program();
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(msc.map_dirty, 1);
    EXPECT_FALSE(std::filesystem::exists(prf_path));
    EXPECT_EQ(alerts.size(), 1u);
}

TEST_F(GelvaniFolder, DamagedPreferencesKeepSensibleValues)
{
    struct {
        const char* text;
        float lat, lon;
        int map_mode, edit_mode, apt_index, nav_index;
    } cases[] = {
        {"I\n464 version\n10 dat\n20 dat\n1 dat\n202 dat\n5 dat\n6 dat\n", 10, 20, 1, 202, 5, 6},
        {"I\n463 version\n10 dat\n20 dat\n1 dat\n202 dat\n5 dat\n6 dat\n", 33, -119, 0, 200, 0, 0},
        {"I\n464 version\n95 dat\n20 dat\n7 dat\n999 dat\n-5 dat\n20000 dat\n", 33, -119, 0, 200, 0, 0},
        {"I\n464 version\n10.5 dat\n-180 dat\n2 dat\n201 dat\n14999 dat\n19999 dat\n", 33, -119, 2, 201, 14999, 19999},
        {"I\n464 version\n-90 dat\n180 dat\n1 dat\n203 dat\n1 dat\n1 dat\n", 33, -119, 1, 203, 1, 1},
        {"I\n464 version\n10 dat\n20 dat\n1 dat\n", 33, -119, 0, 200, 0, 0},
        {"I\n464 version\nnan dat\nx dat\n", 33, -119, 0, 200, 0, 0},
        {"", 33, -119, 0, 200, 0, 0},
    };
    for (const auto& c : cases) {
        write_text(prf_path, c.text);
        set_defaults();
        read_prefs();
        EXPECT_EQ(msc.map_latfile, c.lat) << c.text;
        EXPECT_EQ(msc.map_lonfile, c.lon) << c.text;
        EXPECT_EQ(msc.map_mode, c.map_mode) << c.text;
        EXPECT_EQ(msc.edit_mode, c.edit_mode) << c.text;
        EXPECT_EQ(msc.apt_index, c.apt_index) << c.text;
        EXPECT_EQ(msc.nav_index, c.nav_index) << c.text;
    }
    EXPECT_TRUE(alerts.empty());
}

TEST_F(GelvaniFolder, TypingRenamesTheSelectedItemWithPrintableCharactersOnly)
{
    memset(g_cs1, 0, sizeof g_cs1);
    msc.edit_mode = EDIT_AIRPORTS;
    msc.apt_index = 3;
    msc.aptmax = 3;
    memset(apt_name[3], 0, sizeof apt_name[3]);
    for (const char* p = "Big\tField "; *p; ++p) APPLICATION_handlekey(*p);
    EXPECT_STREQ(apt_name[3], "BigField ");
    EXPECT_EQ(msc.apt_dirty, 1);
    APPLICATION_handlekey(8);
    EXPECT_STREQ(apt_name[3], "BigField");
    // Space in the airport mode is typed, not texture mode.
    EXPECT_EQ(msc.draw_tex, 0);
    for (int k = 0; k < 60; ++k) APPLICATION_handlekey('x');
    EXPECT_EQ(strlen(apt_name[3]), 39u);
    EXPECT_EQ(strlen(g_cs1), 39u);

    // In the terrain mode Space is texture mode and nothing is renamed.
    msc.edit_mode = EDIT_TERRAIN;
    APPLICATION_handlekey(' ');
    EXPECT_EQ(msc.draw_tex, 1);
    EXPECT_EQ(planetex[0][0], 15u);
    EXPECT_EQ(strlen(g_cs1), 39u);
}

namespace {
// A press of the button at (x, y) as the toolkit takes it, then the frame.
void press(float x, float y)
{
    mnw.mx = x, mnw.my = y;
    mnw.mouse_clicked = 1;
    mnw.now_dragging = 1;
    MACIBM_handleclick();
    APPLICATION_update();
    mnw.mouse_clicked = 0;
    mnw.now_dragging = 0;
}

void press_title(int m)
{
    press((mnw.menux1[m] + mnw.menux2[m]) / 2, (mnw.menuy1[m] + mnw.menuy2[m]) / 2);
}

void press_item(int m, int i)
{
    press((mnw.itemx1[m][i] + mnw.itemx2[m][i]) / 2, (mnw.itemy1[m][i] + mnw.itemy2[m][i]) / 2);
}
} // namespace

TEST_F(GelvaniFolder, ClicksOnTheMenuBarLeaveTheTablesUnchanged)
{
    ask_save_changes = answer_in_turn;
    fill_constants();
    APPLICATION_setupmenus();
    mnw.topwin = 0;
    set_nav_paths();
    const struct {
        int mode, item;   // the screen and its "Save" item in the File menu
        int* dirty;
    } screens[] = {{EDIT_AIRPORTS, 1, &msc.apt_dirty}, {EDIT_NAVAIDS, 2, &msc.nav_dirty}};
    for (const auto& s : screens) {
        msc.edit_mode = s.mode;
        // A title pulled down and put away again changes nothing.
        press_title(1);
        EXPECT_EQ(mnw.menu_up, 1);
        press_title(2);
        EXPECT_EQ(mnw.menu_up, 2);
        press_title(2);
        EXPECT_EQ(mnw.menu_up, -1);
        EXPECT_EQ(*s.dirty, 0) << s.mode;
        // A click on the screen counts; the save through the menu clears it for good.
        press(400, 300);
        EXPECT_EQ(*s.dirty, 1) << s.mode;
        press_title(1);
        press_item(1, s.item);
        EXPECT_EQ(*s.dirty, 0) << s.mode;
        press_title(1);
        EXPECT_EQ(*s.dirty, 0) << s.mode;
        press_title(1);
    }
    // Quit after saving asks nothing.
    asked.clear();
    press_title(1);
    press_item(1, 4);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(gdone, 1);
}

TEST(GelvaniHelpers, SignsAndWholeDegreeTables)
{
    fill_constants();
    fill_trig_tables();
    EXPECT_EQ(fltsgn(0.0f), 1.0f);
    EXPECT_EQ(fltsgn(-0.5f), -1.0f);
    EXPECT_EQ(intpos(0), 0);
    EXPECT_EQ(intpos(3), 1);
    EXPECT_EQ(fltpos(0.0f), 0);
    EXPECT_EQ(fltpos(0.1f), 1);
    EXPECT_FLOAT_EQ(isin(90), 1.0f);
    EXPECT_FLOAT_EQ(icos(180), -1.0f);
    EXPECT_EQ(isin(400), isin(360));
}
