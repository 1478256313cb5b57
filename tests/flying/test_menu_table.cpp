// The menu bar as built: fixed items with their help, and the region's
// airports, runways and navaids from the fixture world.
#include "commands_support.h"

#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cstring>
#include <string>

namespace {
std::string item(int id)
{
    return mnw.item_name[id / 100][id % 100];
}

std::string help(int id)
{
    return mnw.item_help[id / 100][id % 100];
}

int items_in(int m)
{
    int n = 0;
    for (int i = 0; i < MENU_ITEMS; ++i) n += mnw.item_name[m][i][0] != 0;
    return n;
}
} // namespace

TEST_F(CommandsTest, BarMenusInOrder)
{
    const char* titles[7] = {"About", "File", "Location", "Settings", "Output", "View", "Special"};
    const int counts[7] = {1, 6, 14, 20, 8 + 2 + 2, 29, 11};   // Output: fixed, two airports, "-", reset
    for (int m = 0; m < 7; ++m) {
        EXPECT_STREQ(mnw.menu_name[m], titles[m]);
        EXPECT_EQ(mnw.menu_prnt[m], -1);
        EXPECT_EQ(items_in(m), counts[m]) << "menu " << m;
    }
    EXPECT_LT(mnw.menux2[0], mnw.menux1[1]);
    EXPECT_LT(mnw.menux2[5], mnw.menux1[6]);
}

TEST_F(CommandsTest, FixedItemsAndHelp)
{
    const struct {
        int id;
        const char* text;
        const char* help_start;
    } table[] = {
        {0, "About", ""},
        {100, "Open Aircraft", "Use this option to try flying a new airplane."},
        {101, "-", ""},
        {105, "Quit", ""},
        {200, "Takeoff", ""},
        {208, "Place Aircraft by Airport", "This will let you place yourself anywhere in the world by choosing"},
        {213, "Get Me Lost", "Use this if you dare."},
        {304, "Rendering Options...", "This sets graphical levels. You can use it to tune performance to your machine. "},
        {307, "Weather Atmosphere...", "This sets wind, temerature, clouds,"},
        {311, "Joystick & Flight Mode...", "Use this to set up your joystick and stuff."},
        {315, "Instrument Reliability...", "Use this to set instrument reliability. Failures occurr randmonly"},
        {316, "Equipment Reliability...", "Use this to set equipment reliability. Failures occurr randmonly"},
        {319, "Warnings...", "Set the various warning options for the sim here."},
        {400, "Graphic Flight Record", "Use this to view data that you have stored in the 'SET DATA OUTPUT'"},
        {406, "World Map", "Check out Earth, with your flight path plotted on it."},
        {407, "-", ""},
        {500, "[W] Forwards", ""},
        {509, "[EEE] Right 135 Deg", ""},
        {514, "[#] On Runway", ""},
        {517, "[|] Follow: Arrow Keys Rotate", ""},
        {521, "[+] Full-Screen Without HUD", ""},
        {524, "[-] Zoom Out", ""},
        {525, "Show 3-D Flight-Path", ""},
        {528, "Leave Flight Replay Mode", "Leave replay mode, which allows you to replay your flight"},
        {600, "Output One Flight Engine Cycle", "Dump all the math for one cycle of the sim"},
        {602, "Reset Preferences and Exit", "Use this if the sim is acting flaky"},
        {607, "Instructions: Air Traffic Control", ""},
        {610, "Report Logged Time on Exit", "Use this to keep track of Total, night, and instrument time flown."},
        {1200, "Airport ID...", "This will allow you to enter an airport ID and have Korvan put you on the ground"},
        {1303, "Lat-Lon...", "This will allow you to choose a lat and lon to place your aircraft..."},
        {1400, "Grass Field Approach", "This will put you on final to the nearest grass field that Korvan can find."},
        {1405, "Oil Rig Approach", "This will put you on final to the nearest oil rig that Korvan can find. You "
                                   "should be in a helo or a VTOL for this."},
        {1407, "Formation Flying Approach", "This will put you behind another aircraft of your type and speed"},
        {1409, "Carrier Catshot", "This will put you on the catapault of the nearest carrier."},
        {1410, "Seaplane Takeoff", "This will put you on"},
    };
    for (const auto& t : table) {
        EXPECT_EQ(item(t.id), t.text) << t.id;
        EXPECT_EQ(help(t.id).rfind(t.help_start, 0), 0u) << t.id << ": " << help(t.id);
    }
    EXPECT_EQ(items_in(14), 11);
}

TEST_F(CommandsTest, SubmenusHangFromTheirItems)
{
    const int parents[][2] = {{7, 200}, {8, 202}, {9, 203}, {10, 205}, {11, 206}, {12, 208}, {13, 209}, {14, 210}};
    for (const auto& p : parents) {
        EXPECT_EQ(mnw.menu_prnt[p[0]], p[1] / 100) << p[0];
        EXPECT_EQ(mnw.menuy1[p[0]], mnw.itemy1[p[1] / 100][p[1] % 100]) << p[0];
    }
    // Each listed airport's runways hang from its entry in menus 7, 8 and 9.
    EXPECT_EQ(mnw.menu_prnt[15], 7);
    EXPECT_EQ(mnw.menu_prnt[116], 8);
    EXPECT_EQ(mnw.menu_prnt[215], 9);
    EXPECT_EQ(mnw.menuy1[16], mnw.itemy1[7][1]);
}

TEST_F(CommandsTest, RegionAirportsWithRunwayEnds)
{
    // Only airports in the region, names cut to 25 characters.
    EXPECT_EQ(env.apt_list_max, 1);
    EXPECT_EQ(apt_to_index[0], 0);
    EXPECT_EQ(apt_to_index[1], 2);
    for (int m : {7, 8, 9}) {
        EXPECT_EQ(item(m * 100), "Alpha Field Municipal Air");
        EXPECT_EQ(item(m * 100 + 1), "Rooftop");
        EXPECT_EQ(item(m * 100 + 2), "");
    }
    for (int sub : {15, 115, 215}) {
        EXPECT_EQ(item(sub * 100), "Rwy 09L");
        EXPECT_EQ(item(sub * 100 + 1), "Rwy 27R");
        EXPECT_EQ(item(sub * 100 + 2), "Rwy 09R");
        EXPECT_EQ(item(sub * 100 + 3), "Rwy 27L");
        EXPECT_EQ(item(sub * 100 + 4), "");
        // Under 500 ft is a pad; a runway without a side letter has none either way.
        EXPECT_EQ(item((sub + 1) * 100), "Pad 04");
        EXPECT_EQ(item((sub + 1) * 100 + 1), "Pad 22");
    }
    // Airport diagrams, then a separator and the path reset.
    EXPECT_EQ(item(408), "Alpha Field Municipal Air");
    EXPECT_EQ(item(409), "Rooftop");
    EXPECT_EQ(item(410), "-");
    EXPECT_EQ(item(411), "Reset Flight Path");
    EXPECT_EQ(reset_path_item(), 411);
}

TEST_F(CommandsTest, RegionNavaids)
{
    EXPECT_EQ(item(1000), "Alpha VOR");
    EXPECT_EQ(item(1001), "");
    EXPECT_EQ(item(1100), "Beta NDB");
    EXPECT_EQ(item(1101), "");
    EXPECT_EQ(vor_to_index[0], 0);
    EXPECT_EQ(ndb_to_index[0], 1);
    EXPECT_EQ(env.vor_list_max, 0);
    EXPECT_EQ(env.ndb_list_max, 0);
}

TEST_F(CommandsTest, CrowdedRegionListsTheFirstNinety)
{
    for (int a = 0; a < 120; ++a) {
        snprintf(apt_name[a], 40, "Field %d", a);
        apt_len[a][0] = 1000;
        apt_num[a][0] = 18;
        apt_lr[a][0] = 'x';
        apt_len[a][1] = apt_len[a][2] = 0;
        apt_inreg[a] = a % 4 != 3;
    }
    env.aptmax = 119;
    for (int i = 0; i < 100; ++i) {
        nav_type[i] = 3;
        snprintf(nav_name[i], 40, "VOR %d", i);
        nav_inreg[i] = 1;
    }
    env.navmax = 99;
    APPLICATION_setupmenus();

    EXPECT_EQ(env.apt_list_max, 89);
    EXPECT_EQ(apt_to_index[89], 118);   // the 90th in table order, skipping every fourth
    EXPECT_EQ(item(789), "Field 118");
    EXPECT_EQ(item(304 * 100 + 1), "Rwy 36");
    EXPECT_EQ(item(497), "Field 118");
    EXPECT_EQ(item(498), "-");
    EXPECT_EQ(item(499), "Reset Flight Path");
    EXPECT_EQ(env.vor_list_max, 89);
    EXPECT_EQ(item(1089), "VOR 89");
}

TEST_F(CommandsTest, RebuildForAnotherRegionDropsOldEntries)
{
    apt_inreg[2] = 0;
    nav_inreg[0] = 0;
    APPLICATION_setupmenus();
    EXPECT_EQ(item(701), "");
    EXPECT_EQ(mnw.menu_name[16][0], 0);
    EXPECT_EQ(item(409), "-");
    EXPECT_EQ(item(410), "Reset Flight Path");
    EXPECT_EQ(item(411), "");
    EXPECT_EQ(item(1000), "");
}

// A region without airports: the counts end at 0, yet no airport item
// exists and the path reset still has its own number and works.
TEST_F(CommandsTest, EmptyRegionKeepsEveryFixedItemWorking)
{
    memset(apt_inreg, 0, sizeof apt_inreg);
    memset(nav_inreg, 0, sizeof nav_inreg);
    APPLICATION_setupmenus();
    EXPECT_EQ(env.apt_list_max, 0);
    EXPECT_EQ(item(700), "");
    EXPECT_EQ(item(408), "-");
    EXPECT_EQ(item(409), "Reset Flight Path");

    pat.inited[7] = 1;
    pat.xyztppt[7][2] = 5;
    APPLICATION_handlemenu(409);
    EXPECT_EQ(pat.inited[7], 0);
    EXPECT_EQ(pat.xyztppt[7][2], 0);

    APPLICATION_handlemenu(408);
    APPLICATION_handlemenu(1500);
    APPLICATION_handlemenu(1000);
    EXPECT_TRUE(requested('w').empty());
    EXPECT_TRUE(requested('s').empty());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "Apt sel out of range!|||0");
}
