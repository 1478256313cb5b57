// The obstacle, airport and navaid screens with the mouse state set by hand.
#include "gelvani_fixture.h"

#include "tools/Gelvani/edit_screens.h"
#include "tools/Gelvani/gelvani_program.h"
#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/map_view.h"
#include "tools/Gelvani/terrain_square.h"

#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"

#include <cstring>

using namespace gelvani;

namespace {
void click(float x, float y)
{
    mnw.mx = x, mnw.my = y;
    mnw.mouse_clicked = 1;
    mnw.now_dragging = 1;
}

void no_click()
{
    mnw.mouse_clicked = 0;
    mnw.now_dragging = 0;
}

void obstacle(int k, int type, float lat, float lon, float hddz)
{
    obj_type[k] = type;
    obj_lat[k] = lat, obj_lon[k] = lon, obj_hddz[k] = hddz;
}

void airports(std::initializer_list<const char*> names)
{
    msc.aptmax = -1;
    for (const char* n : names) {
        ASSERT_EQ(new_airport(), 1);
        strcpy(apt_name[msc.aptmax], n);
    }
}

void navaid(int n, int type, const char* name)
{
    nav_type[n] = type;
    strcpy(nav_name[n], name);
}

struct EditScreens : GelvaniFolder {
    void SetUp() override
    {
        GelvaniFolder::SetUp();
        fill_constants();
        memset(nav_type, 0, sizeof nav_type);
        no_click();
        selected_type = 2;
    }
    void TearDown() override { no_click(); }
};
} // namespace

TEST_F(EditScreens, ObstaclesAreSelectedPlacedMovedAndErasedOnTheMap)
{
    msc.edit_mode = EDIT_OBSTACLES;
    // Erasing with nothing in the square selects and erases nothing; one outside it is not seen.
    obstacle(0, 3, 35.5f, -118.5f, 80);
    msc.obj_mode = 0;
    click(ret_x(-118.5f), ret_y(33.5f));
    handle_obs();
    EXPECT_EQ(obj_type[0], 3);
    EXPECT_EQ(msc.obj_index, 0);
    EXPECT_EQ(msc.map_dirty, 1);

    // A standard obstacle placed after selecting a 300 ft one is 300 ft high, in the lowest free slot.
    obstacle(1, 2, 33.5f, -118.5f, 300);
    obstacle(2, 2, 33.5f, -118.5f, 50);   // same place, later slot: not strictly nearer
    msc.obj_mode = 98;
    click(ret_x(-118.5f) + 2, ret_y(33.5f) + 1);
    handle_obs();
    EXPECT_EQ(msc.obj_index, 1);
    EXPECT_STREQ(g_cs1, "?");
    msc.obj_mode = 4;
    click(ret_x(-118.2f), ret_y(33.2f));
    handle_obs();
    EXPECT_EQ(msc.obj_index, 3);
    EXPECT_EQ(obj_type[3], 4);
    EXPECT_EQ(obj_hddz[3], 300);
    EXPECT_NEAR(obj_lat[3], 33.2f, 1e-5);
    // A custom one gets "?" and heading 0.
    msc.obj_mode = 8;
    click(ret_x(-118.8f), ret_y(33.8f));
    handle_obs();
    EXPECT_EQ(msc.obj_index, 4);
    EXPECT_STREQ(obj_name[4], "?");
    EXPECT_EQ(obj_hddz[4], 0);

    // Move: the nearest is taken on the click and follows the pointer while held.
    msc.obj_mode = 99;
    click(ret_x(-118.2f) + 3, ret_y(33.2f));
    handle_obs();
    EXPECT_EQ(msc.obj_index, 3);
    EXPECT_NEAR(obj_lon[3], ret_lon(ret_x(-118.2f) + 3), 1e-5);
    mnw.mouse_clicked = 0;
    mnw.mx = 300, mnw.my = 200;
    handle_obs();
    EXPECT_NEAR(obj_lon[3], ret_lon(300), 1e-5);
    EXPECT_NEAR(obj_lat[3], ret_lat(200), 1e-5);

    // Erase frees the slot, and the next placing fills it again.
    msc.obj_mode = 0;
    click(300, 200);
    handle_obs();
    EXPECT_EQ(obj_type[3], 0);
    msc.obj_mode = 6;
    click(500, 300);
    handle_obs();
    EXPECT_EQ(msc.obj_index, 3);
    EXPECT_EQ(obj_type[3], 6);

    // Clicks off the map change nothing.
    msc.map_dirty = 0;
    click(100, 200);
    handle_obs();
    EXPECT_EQ(obj_type[5], 0);
    EXPECT_EQ(msc.map_dirty, 0);
}

TEST_F(EditScreens, ObstacleHeightEntryMarksTheSquareChangedAndFullTableRefuses)
{
    obstacle(0, 2, 33.5f, -118.5f, 300);
    msc.obj_index = 0;
    msc.obj_mode = 98;
    click(119, 250);   // upper half of the thousands digit
    handle_obs();
    EXPECT_EQ(obj_hddz[0], 1300);
    EXPECT_EQ(msc.map_dirty, 1);

    for (int k = 0; k < OBJ_SLOTS; ++k) obj_type[k] = 2;
    EXPECT_EQ(place_obstacle(3, 33.5f, -118.5f), -1);
    EXPECT_EQ(msc.obj_index, 0);
}

TEST_F(EditScreens, TypingNamesANewCustomObstacleInPlaceOfItsPlaceholder)
{
    msc.edit_mode = EDIT_OBSTACLES;
    msc.obj_mode = 8;
    click(ret_x(-118.5f), ret_y(33.5f));
    handle_obs();
    no_click();
    int hangar = msc.obj_index;
    ASSERT_EQ(obj_type[hangar], 8);
    EXPECT_STREQ(obj_name[hangar], "?");
    for (const char* p = "hangar.obj"; *p; ++p) APPLICATION_handlekey(*p);
    EXPECT_STREQ(obj_name[hangar], "hangar.obj");
    // Once named, typing edits the name.
    APPLICATION_handlekey(8);
    APPLICATION_handlekey('J');
    EXPECT_STREQ(obj_name[hangar], "hangar.obJ");
    APPLICATION_handlekey(8);
    APPLICATION_handlekey('j');

    // The next custom one starts unnamed again; a name is only what was typed.
    click(ret_x(-118.2f), ret_y(33.2f));
    handle_obs();
    no_click();
    int tower = msc.obj_index;
    ASSERT_NE(tower, hangar);
    APPLICATION_handlekey('t');
    EXPECT_STREQ(obj_name[tower], "t");

    // The square keeps the typed names.
    ASSERT_EQ(write_terrain(), 1);
    clear_obstacles();
    read_terrain();
    int named = 0;
    for (int k = 0; k < OBJ_SLOTS; ++k)
        if (obj_type[k] == 8) named += !strcmp(obj_name[k], "hangar.obj") + 10 * !strcmp(obj_name[k], "t");
    EXPECT_EQ(named, 11);
}

TEST_F(EditScreens, AirportNewAndDeleteIncludingTheFullAndEmptyTables)
{
    airports({"Alpha", "Bravo", "Charlie"});
    msc.apt_index = 1;
    click(400, 360);   // New
    handle_apt();
    EXPECT_EQ(msc.aptmax, 3);
    EXPECT_EQ(msc.apt_index, 3);
    EXPECT_STREQ(apt_name[3], "Untitled");
    EXPECT_STREQ(apt_id[3], "    ");
    EXPECT_STREQ(g_cs1, "Untitled");
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(apt_lite[3][r], 1111111);
        EXPECT_EQ(apt_lr[3][r], 'x');
        EXPECT_EQ(apt_len[3][r], 0);
    }
    click(400, 385);   // Delete it again
    handle_apt();
    EXPECT_EQ(msc.aptmax, 2);
    EXPECT_EQ(msc.apt_index, 2);

    // Deleting from the middle moves the later ones down.
    msc.apt_index = 0;
    no_click();
    handle_apt();
    click(400, 385);
    handle_apt();
    EXPECT_EQ(msc.aptmax, 1);
    EXPECT_STREQ(apt_name[0], "Bravo");
    EXPECT_STREQ(apt_name[1], "Charlie");

    // Down to none: no index -1 and no fields until New.
    for (int k = 0; k < 3; ++k) handle_apt();
    EXPECT_EQ(msc.aptmax, -1);
    EXPECT_EQ(msc.apt_index, 0);
    g_cs1[0] = 0;
    no_click();
    handle_apt();
    EXPECT_STREQ(g_cs1, "");
    click(400, 360);
    handle_apt();
    EXPECT_EQ(msc.aptmax, 0);
    EXPECT_STREQ(apt_name[0], "Untitled");

    // A full table refuses New with a notice and overwrites nothing.
    msc.aptmax = APT_SLOTS - 1;
    strcpy(apt_name[APT_SLOTS - 1], "Last");
    EXPECT_EQ(new_airport(), 0);
    EXPECT_EQ(msc.aptmax, APT_SLOTS - 1);
    EXPECT_STREQ(apt_name[APT_SLOTS - 1], "Last");
    ASSERT_FALSE(alerts.empty());
    EXPECT_NE(alerts.back().find("full"), std::string::npos);
}

TEST_F(EditScreens, RunwayLightCodesAreShownAndRebuilt)
{
    // Each code as the screen splits it and as it comes back from the shown choices.
    struct {
        int code, surface, gls1, rwy1, app1, gls2, rwy2, app2, rebuilt;
    } cases[] = {
        {2123111, 28, 1, 2, 3, 1, 1, 1, 2123111},  // concrete; MIRL and SALS at end 1
        {1111111, 27, 1, 1, 1, 1, 1, 1, 1111111},  // a new runway
        {5356246, 31, 3, 5, 6, 2, 4, 6, 5356246},  // gravel; PAPI, TDZL, ODALS / VASI, RCLS, ODALS
        {3214111, 29, 2, 1, 4, 1, 1, 1, 3214111},  // grass
        {0, 27, 1, 1, 1, 1, 1, 1, 1111111},        // no surface digit: asphalt, nothing lit
    };
    airports({"Field"});
    for (const auto& c : cases) {
        int typ, gls[2], rwy[2], app[2];
        code_to_lgts(&typ, gls, rwy, app, c.code);
        EXPECT_EQ(typ, c.surface) << c.code;
        EXPECT_EQ(gls[0] * 100 + rwy[0] * 10 + app[0], c.gls1 * 100 + c.rwy1 * 10 + c.app1) << c.code;
        EXPECT_EQ(gls[1] * 100 + rwy[1] * 10 + app[1], c.gls2 * 100 + c.rwy2 * 10 + c.app2) << c.code;
        apt_lite[0][1] = c.code;
        no_click();
        handle_apt();
        EXPECT_EQ(apt_lite[0][1], c.rebuilt) << c.code;
    }

    // Choosing "PAPI" for end 2 (one step down from "none" wraps to it) gives 2123311.
    apt_lite[0][0] = 2123111;
    click(560, 200);
    handle_apt();
    EXPECT_EQ(apt_lite[0][0], 2123311);
    // The surface of runway 2 stepped up from concrete to grass.
    apt_lite[0][1] = 2123111;
    click(273 + 25, 208 - 90 + 10);
    handle_apt();
    EXPECT_EQ(apt_lite[0][1], 3123111);
}

TEST_F(EditScreens, RunwaySideLetterIsStoredOnlyWhenChanged)
{
    airports({"Field"});
    apt_lr[0][0] = 'C';
    apt_lr[0][1] = 'L';
    handle_apt();
    EXPECT_EQ(apt_lr[0][0], 'C');
    EXPECT_EQ(apt_lr[0][1], 'L');
    // Up from the shown "x" is "L"; runway 2 up from "L" is "R".
    click(288, 260);
    handle_apt();
    EXPECT_EQ(apt_lr[0][0], 'L');
    click(288, 170);
    handle_apt();
    EXPECT_EQ(apt_lr[0][1], 'R');
    // Number, heading and the like are stored as whole numbers.
    apt_hdng[0][0] = 90;
    click(319, 257);
    handle_apt();
    EXPECT_EQ(apt_hdng[0][0], 190);
}

TEST_F(EditScreens, NavaidNewAndDeleteKeepEachTypeTogether)
{
    navaid(0, 2, "Ndb one");
    navaid(1, 2, "Ndb two");
    navaid(2, 3, "Vor one");
    navaid(3, 3, "Vor two");
    navaid(4, 3, "Vor three");
    navaid(5, 4, "Loc one");
    selected_type = 3;
    msc.nav_index = 3;
    click(400, 360);   // New after the last VOR
    handle_nav();
    EXPECT_EQ(msc.nav_index, 5);
    EXPECT_EQ(nav_type[5], 3);
    EXPECT_STREQ(nav_name[5], "Untitled");
    EXPECT_STREQ(nav_id[5], "    ");
    EXPECT_EQ(nav_type[6], 4);
    EXPECT_STREQ(nav_name[6], "Loc one");
    int first, last;
    ASSERT_EQ(navaid_type_range(3, &first, &last), 1);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 5);

    // Delete moves the rest down and frees the last slot.
    navaid(NAV_SLOTS - 1, 9, "Far end");
    msc.nav_index = 2;
    click(400, 385);
    handle_nav();
    EXPECT_STREQ(nav_name[2], "Vor two");
    EXPECT_STREQ(nav_name[5], "Loc one");
    EXPECT_EQ(nav_type[NAV_SLOTS - 2], 9);
    EXPECT_EQ(nav_type[NAV_SLOTS - 1], 0);

    // A type with none shows nothing and Delete leaves other types alone.
    selected_type = 7;
    msc.nav_index = 0;
    g_cs1[0] = 0;
    click(400, 385);
    handle_nav();
    EXPECT_STREQ(nav_name[0], "Ndb one");
    EXPECT_STREQ(g_cs1, "");
    // Typing then renames nothing that is not shown.
    msc.edit_mode = EDIT_NAVAIDS;
    no_click();
    APPLICATION_handlekey('Q');
    EXPECT_STREQ(nav_name[0], "Ndb one");
    EXPECT_EQ(msc.nav_dirty, 0);
    // New for it goes after the last slot in use.
    click(400, 360);
    handle_nav();
    EXPECT_EQ(msc.nav_index, NAV_SLOTS - 1);
    EXPECT_EQ(nav_type[NAV_SLOTS - 1], 7);
    EXPECT_EQ(nav_type[NAV_SLOTS - 2], 9);

    // The last slot in use: New is refused with a notice and nothing moves.
    selected_type = 2;
    EXPECT_EQ(new_navaid(), 0);
    EXPECT_STREQ(nav_name[2], "Vor two");
    EXPECT_EQ(nav_type[NAV_SLOTS - 1], 7);
    ASSERT_FALSE(alerts.empty());
    EXPECT_NE(alerts.back().find("full"), std::string::npos);
}

TEST_F(EditScreens, NavaidFieldsAreStoredAsWholeNumbers)
{
    navaid(0, 3, "Vor");
    nav_f12[0] = 11380;
    selected_type = 3;
    msc.nav_index = 0;
    click(393, 76);   // upper half of the frequency's leftmost digit
    handle_nav();
    EXPECT_EQ(nav_f12[0], 21380);
    EXPECT_STREQ(g_cs1, "Vor");
}
