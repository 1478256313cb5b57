// What each menu command does to the records and what it asks of the rest of
// the simulator.
#include "commands_support.h"

#include "world/coordinates.h"
#include "records/flight_state.h"
#include "platform/window.h"
#include "shell/MENUS.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {
using requests_t = std::vector<request>;

request S(int type)
{
    return {'s', (float)type, 0};
}
request W(int n)
{
    return {'w', (float)n, 0};
}

struct command_case {
    const char* name;
    int id;
    std::function<void()> before;
    requests_t expect;
    std::function<void()> check;
};
} // namespace

TEST_F(CommandsTest, CommandTable)
{
    const command_case cases[] = {
        {"take-off runway", 1501, nullptr, {S(9)},
         [] {
             EXPECT_EQ(msc.typestart, 7);
             EXPECT_EQ(msc.loc_apt_wrl, 0);
             EXPECT_EQ(msc.rway_sel, 1);
         }},
        {"VFR final on the pad", 11600, nullptr, {S(9)},
         [] {
             EXPECT_EQ(msc.typestart, 8);
             EXPECT_EQ(msc.loc_apt_wrl, 2);
             EXPECT_EQ(msc.rway_sel, 0);
         }},
        {"ILS final", 21503, nullptr, {S(9)},
         [] {
             EXPECT_EQ(msc.typestart, 9);
             EXPECT_EQ(msc.rway_sel, 3);
         }},
        {"over the VOR", 1000, nullptr, {S(11)},
         [] {
             EXPECT_FLOAT_EQ(set.cus_X, X_with_latlon(35.1f, -117.1f));
             EXPECT_FLOAT_EQ(set.cus_Z, Z_with_lat(35.1f));
             EXPECT_FLOAT_EQ(set.cus_Y, 1250);
             EXPECT_EQ(set.cus_psi, 0);
             EXPECT_FLOAT_EQ(set.cus_v, 37.5f);
         }},
        {"over the NDB", 1100, nullptr, {S(11)}, [] { EXPECT_FLOAT_EQ(set.cus_Z, Z_with_lat(35.2f)); }},
        {"a VOR that is not listed", 1001, nullptr, {}, nullptr},
        {"airport by ID", 1200, nullptr, {W(1)}, nullptr},
        {"airport by name", 1201, nullptr, {W(2)}, nullptr},
        {"place on the enroute chart", 1300, nullptr, {W(3)}, [] { EXPECT_EQ(msc.map_type, 402); }},
        {"place on the local chart", 1301, nullptr, {W(3)}, [] { EXPECT_EQ(msc.map_type, 403); }},
        {"place on the world map", 1302, nullptr, {W(4)}, nullptr},
        {"place by latitude", 1303, nullptr, {W(5)}, nullptr},
        {"grass field", 1400, nullptr, {S(12)}, nullptr},
        {"forest fire", 1408, nullptr, {S(20)}, nullptr},
        {"seaplane", 1410, nullptr, {S(22)}, nullptr},
        {"find me", 212, nullptr, {W(6)}, nullptr},
        {"get me lost", 213, nullptr, {S(10)},
         [] {
             EXPECT_TRUE(set.cus_X >= env.lox && set.cus_X <= env.hix);
             EXPECT_TRUE(set.cus_Z >= env.loz && set.cus_Z <= env.hiz);
             EXPECT_TRUE(set.cus_Y >= 2000 && set.cus_Y <= 4000);
             EXPECT_FLOAT_EQ(set.cus_v, 32.5f);
         }},
        {"data output", 300, nullptr, {W(7)}, nullptr},
        {"rendering", 304, nullptr, {W(10)}, nullptr},
        {"joystick", 311, nullptr, {W(15)}, nullptr},
        {"equipment reliability", 316, nullptr, {W(19)}, nullptr},
        {"warnings", 319, nullptr, {W(21)}, nullptr},
        {"graph with data chosen", 400, [] { set.grfsel[2] = 5; }, {W(22)}, nullptr},
        {"weather radar", 404, nullptr, {W(3)}, [] { EXPECT_EQ(msc.map_type, 404); }},
        {"isometric", 405, nullptr, {W(23)}, nullptr},
        {"world map", 406, nullptr, {W(4)}, nullptr},
        {"airport diagram", 409, nullptr, {W(24)},
         [] {
             EXPECT_EQ(msc.map_type, 998);
             EXPECT_EQ(msc.plate_index, 2);
             EXPECT_STREQ(diagram_title, "Rooftop (ROOF)");
         }},
        {"path reset", 411, [] { pat.inited[100] = 1; }, {}, [] { EXPECT_EQ(pat.inited[100], 0); }},
        {"dump the next cycle", 600, nullptr, {}, [] { EXPECT_EQ(set.cycoutwaiting, 1); }},
        {"log time on", 610, nullptr, {}, [] { EXPECT_EQ(msc.logtime, 1); }},
        {"log time off", 610, [] { msc.logtime = 1; }, {}, [] { EXPECT_EQ(msc.logtime, 0); }},
        {"path display", 525, nullptr, {}, [] { EXPECT_EQ(msc.show_path, 1); }},
        {"enter replay", 527, nullptr, {}, [] { EXPECT_EQ(set.replay_mode, 3); }},
        {"leave replay", 528, [] { set.replay_mode = 5; }, {}, [] { EXPECT_EQ(set.replay_mode, 0); }},
        {"enter replay twice", 527, [] { set.replay_mode = 1; }, {}, [] { EXPECT_EQ(set.replay_mode, 1); }},
        {"no aircraft chosen", 100, nullptr, {{'o', 203, 0}}, nullptr},
        {"another aircraft", 100, [] { chooser_answer = 1; }, {{'o', 203, 0}, {'p', 0, 0}, S(9), W(0)},
         [] { EXPECT_EQ(msc.typestart, 7); }},
        // A damaged file: the aircraft flying keeps its names and its place.
        {"damaged aircraft", 100,
         [] {
             chooser_answer = refuse_plane = 1;
             copy_bounded(pln.C_file, "Flying.acf", 400);
             copy_bounded(pln.C_path, "/tmp/Flying.acf", 400);
         },
         {{'o', 203, 0}, {'p', 0, 0}, W(0)},
         [] {
             EXPECT_STREQ(pln.C_file, "Flying.acf");
             EXPECT_STREQ(pln.C_path, "/tmp/Flying.acf");
         }},
        {"damaged aircraft in a situation", 102,
         [] {
             chooser_answer = grab_answer = refuse_plane = 1;
             copy_bounded(pln.C_file, "Flying.acf", 400);
         },
         {{'o', 202, 0}, {'g', 202, 0}, {'r', 0, 0}, {'p', 0, 0}, S(10), W(0)},
         [] { EXPECT_STREQ(pln.C_file, "Flying.acf"); }},
        {"situation", 102, [] { chooser_answer = grab_answer = 1; },
         {{'o', 202, 0}, {'g', 202, 0}, {'r', 0, 0}, {'p', 0, 0}, S(10), W(0)}, nullptr},
        {"situation file refused", 102, [] { chooser_answer = 1; }, {{'o', 202, 0}, {'g', 202, 0}}, nullptr},
        {"save situation", 103, [] { chooser_answer = 1; }, {{'v', 202, 0}, {'d', 202, 0}},
         [] { EXPECT_EQ(dumped_path, "/tmp/Untitled.sit"); }},
        {"save cancelled", 103, nullptr, {{'v', 202, 0}}, nullptr},
        {"quit", 105, nullptr, {{'d', 206, 0}},
         [] {
             EXPECT_EQ(gdone, 1);
             EXPECT_EQ(dumped_path, prf_path);
         }},
        {"quit before any region", 105, [] { env.apt_list_max = -1; }, {}, [] { EXPECT_EQ(gdone, 1); }},
        // While replaying, the aircraft and the settings stay as they are.
        {"replaying: settings", 311, [] { set.replay_mode = 3; }, {}, nullptr},
        {"replaying: placement", 1501, [] { set.replay_mode = 3; }, {}, nullptr},
        {"replaying: situation", 102, [] { set.replay_mode = 3; chooser_answer = 1; }, {}, nullptr},
        {"replaying: view", 511, [] { set.replay_mode = 3; }, {}, [] { EXPECT_EQ(set.view_type, 511); }},
        {"replaying: map", 402, [] { set.replay_mode = 3; }, {W(3)}, nullptr},
        {"replaying: quit", 105, [] { set.replay_mode = 3; }, {{'d', 206, 0}}, [] { EXPECT_EQ(gdone, 1); }},
    };
    for (const command_case& c : cases) {
        SetUp();
        if (c.before) c.before();
        APPLICATION_handlemenu(c.id);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(requests, c.expect);
        if (c.check) c.check();
    }
}

// The desktop's close goes the way of Quit: any open window closes, then the
// preferences are saved and the run ends, while replaying too; during
// start-up, with the preferences not complete yet, the run just ends.
TEST_F(CommandsTest, ClosingTheWindowIsQuit)
{
    const struct {
        int started, replay;
        requests_t expect;
    } cases[] = {{1, 0, {W(0), {'d', 206, 0}}}, {1, 3, {W(0), {'d', 206, 0}}}, {0, 0, {W(0)}}};
    const int was = done_initing;
    for (const auto& c : cases) {
        SetUp();
        done_initing = c.started;
        set.replay_mode = c.replay;
        plat_event closed{PLAT_DESTROYED, 0, 0, 0};
        IBM_handlewin(&closed);
        EXPECT_EQ(requests, c.expect) << c.started << " " << c.replay;
        EXPECT_EQ(gdone, 1);
    }
    done_initing = was;
}

TEST_F(CommandsTest, ViewsAndFullScreen)
{
    const int full[] = {504, 505, 506, 507, 508, 509, 511, 513, 514, 517, 518, 520, 521};
    for (int id = 500; id <= 521; ++id) {
        scn.zoom = 8;
        APPLICATION_handlemenu(id);
        EXPECT_EQ(set.view_type, id);
        EXPECT_EQ(scn.zoom, 1);
        EXPECT_EQ(set.view_is_fullscreen, std::find(std::begin(full), std::end(full), id) != std::end(full)) << id;
    }
}

TEST_F(CommandsTest, SpotViewPointAhead)
{
    flt.X = 1000;
    flt.Y = 300;
    flt.Z = -2000;
    flt.vX = 10;
    flt.vY = -1;
    flt.vZ = -40;
    APPLICATION_handlemenu(518);
    EXPECT_FLOAT_EQ(msc.spotview_X, 1060);
    EXPECT_FLOAT_EQ(msc.spotview_Y, 316);
    EXPECT_FLOAT_EQ(msc.spotview_Z, -2140);
}

TEST_F(CommandsTest, ZoomLimits)
{
    const struct {
        int view, id;
        float zoom, dist, zoom_after, dist_after;
    } table[] = {
        {500, 523, 64, 50, 100, 50},     // doubling stops at 100
        {500, 524, 1.5f, 50, 1, 50},     // halving stops at 1
        {513, 523, 2, 50, 4, 50},
        {516, 523, 2, 100, 2, 95},       // chase: the distance shrinks instead
        {517, 523, 2, 30, 2, 30},        // but not below the least distance
        {517, 524, 2, 100, 2, 105},
    };
    for (const auto& t : table) {
        set.view_type = t.view;
        scn.zoom = t.zoom;
        scn.dist = t.dist;
        scn.mindist = 30;
        APPLICATION_handlemenu(t.id);
        EXPECT_FLOAT_EQ(scn.zoom, t.zoom_after) << t.view << " " << t.id;
        EXPECT_FLOAT_EQ(scn.dist, t.dist_after) << t.view << " " << t.id;
    }
}

// Out-of-range runway picks say what was wrong and leave the aircraft alone.
TEST_F(CommandsTest, RunwayPicksOutOfRange)
{
    const struct {
        int id;
        std::function<void()> before;
        const char* notice;
    } table[] = {
        {1700, nullptr, "Apt sel out of range!|||2"},          // only two airports listed
        {11400, nullptr, "Apt sel out of range!|||99"},
        {11450, nullptr, "Apt sel out of range!|||-1"},
        {1506, nullptr, "rway_sel out of range!|||6"},
        {1500, [] { apt_to_index[0] = 5; }, "loc_apt_wrl out of range!|||5"},
    };
    for (const auto& t : table) {
        SetUp();
        if (t.before) t.before();
        msc.loc_apt_wrl = 1;
        msc.rway_sel = 2;
        msc.typestart = 9;
        APPLICATION_handlemenu(t.id);
        ASSERT_EQ(notices.size(), 1u) << t.id;
        EXPECT_EQ(notices[0], t.notice);
        EXPECT_TRUE(requests.empty()) << t.id;
        EXPECT_EQ(msc.loc_apt_wrl, 1);
        EXPECT_EQ(msc.rway_sel, 2);
        EXPECT_EQ(msc.typestart, 9);
    }
}

TEST_F(CommandsTest, NoticesOfTheMenus)
{
    const struct {
        int id;
        std::function<void()> before;
        const char* text;
    } table[] = {
        {400, nullptr,
         "You have not selected any data to view!|Close this window, go to the 'Settings' menu, and select 'Set "
         "Data Output'.|Then select whatever data you want to view... the middle column selects data for "
         "graphical viewing.|Then fly around for awhile and then view this data."},
        {105, [] {
             msc.logtime = 1;
             msc.elap_time = 5430;
             msc.nigt_time = 300;
             msc.aifr_time = 59;
         },
         "Logbook results:|Total time logged: 1:30.|Night time logged: 0:5.|Actual instrument time logged: 0:0."},
        {600, nullptr,
         "I will dump all the data for the next cycle of Korvan to the file 'Korvan.out'.|This will include all "
         "the angles of attack, forces, velocities, etc. for this instant in time.|Quit Korvan and open the file "
         "Korvan.out' with a word processor to read the resultant file.|Be sure to turn off text-wrapping in your "
         "word processor or allow very wide text area for the file to look right."},
        {606, nullptr,
         "You never have to use the keyboard.|If you want to use the keyboard, equivalents are available for "
         "almost everything.|See the file 'Korvan Instructions.txt' for a complete list of keyboard "
         "equivalents.|You can also hit all the keys listed in the view menu to select views."},
        {607, nullptr,
         "Just hit the ENTER or RETURN key to bring up the air traffic control menu.|Then point and click with "
         "the mouse to make your selection. (Selection in pulsing yellow recommended).|Go to the 'Set Sound' "
         "option in the 'Settings' menu to select ATC audio output.|"},
    };
    for (const auto& t : table) {
        SetUp();
        if (t.before) t.before();
        APPLICATION_handlemenu(t.id);
        ASSERT_EQ(notices.size(), 1u) << t.id;
        EXPECT_EQ(notices[0], t.text);
    }
    for (int id : {0, 604, 605, 608}) {
        SetUp();
        APPLICATION_handlemenu(id);
        EXPECT_EQ(notices.size(), 1u) << id;
    }
}

TEST_F(CommandsTest, ResetPreferencesDisablesTheFileAndEnds)
{
    // The child writes the file where the parent looks for it.
    GTEST_FLAG_SET(death_test_style, "fast");
    char pattern[] = "/tmp/korvan_flying_XXXXXX";
    std::string dir = mkdtemp(pattern);
    std::string path = dir + "/Korvan 4.prf";
    copy_bounded(prf_path, path.c_str(), 400);
    EXPECT_EXIT(APPLICATION_handlemenu(602), ::testing::ExitedWithCode(1), "");

    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "I\n-1 version\nz\n\n");
    std::filesystem::remove_all(dir);
}
