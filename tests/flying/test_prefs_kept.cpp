// The preferences from quit to start, as a pilot meets them: whatever start
// the last flight began with, the next start takes the file the quit wrote;
// a click beside the world map moves nothing; a file the program cannot read
// is kept, not written over.
#include "start_support.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "records/world_state.h"
#include "shell/MENUS.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "world/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {
std::string bytes_of(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// One frame of the open window with the mouse pressed at x, y of the window.
void click_window(float x, float y)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = 1;
    to_array = 1;
    APPLICATION_update();
    to_array = 0;
    mnw.mouse_clicked = 0;
}

void quit_program()
{
    APPLICATION_handlemenu(105);   // File › Quit
}

// A setting no first run gives.
void set_marks()
{
    msc.locl_time = 31000;
    msc.warn_flaps = 1;
    nav.nf[1] = 11090;
}

bool marks_kept()
{
    return msc.locl_time == 31000 && msc.warn_flaps == 1 && nav.nf[1] == 11090;
}

// The aircraft lies in the loaded world window (3 x 2 degrees).
bool in_world_window()
{
    float lat = lat_with_z((float)flt.Z), lon = lon_with_xz((float)flt.X, (float)flt.Z);
    return lat >= env.lat_sou - 0.5f && lat <= env.lat_sou + 2.5f && lon >= env.lon_wes - 0.5f &&
           lon <= env.lon_wes + 3.5f;
}

// The world map's point of a latitude and longitude, in window coordinates.
float world_x(float lon)
{
    return (lon + 180) * 788 / 360;
}
float world_y(float lat)
{
    return 50 + (lat + 60) * 393 / 140;
}

int airport_with_id(const char* id)
{
    for (int a = 0; a <= env.aptmax && a < APT_CAP; ++a)
        if (std::string(apt_id[a]) == id) return a;
    return -1;
}
} // namespace

TEST(PrefsKept, ClickBesideTheWorldMapChangesNothing)
{
    start_fresh();
    quit_program();
    start_again();
    ASSERT_FALSE(any_notice("never flown")) << "the file the quit wrote was refused";
    const std::string before = bytes_of(prefs_file());
    const double X = flt.X, Y = flt.Y, Z = flt.Z;
    const int lat_sou = env.lat_sou, lon_wes = env.lon_wes, apt = msc.loc_apt_wrl;

    APPLICATION_handlemenu(406);   // Output › World Map
    ASSERT_EQ(mnw.topwin, 4);
    const struct {
        float x, y;
        const char* where;
    } beside[] = {
        {400, 521, "the top of the screen"}, {400, 460, "just above the map"}, {400, 20, "below the map"},
        {-3, 300, "left of the map"},        {792, 300, "right of the map"},
    };
    for (const auto& b : beside) {
        click_window(b.x, b.y);
        EXPECT_EQ(mnw.topwin, 4) << b.where;
        EXPECT_EQ(flt.X, X) << b.where;
        EXPECT_EQ(flt.Y, Y) << b.where;
        EXPECT_EQ(flt.Z, Z) << b.where;
        EXPECT_EQ(env.lat_sou, lat_sou) << b.where;
        EXPECT_EQ(env.lon_wes, lon_wes) << b.where;
        EXPECT_EQ(msc.loc_apt_wrl, apt) << b.where;
    }
    quit_program();
    EXPECT_EQ(bytes_of(prefs_file()), before);
}

TEST(PrefsKept, EveryKindOfStartIsReadBackAtTheNextStart)
{
    start_fresh();
    set_marks();
    int klax = airport_with_id("KLAX");
    ASSERT_GE(klax, 0);
    const struct {
        const char* name;
        int item;
        float x, y;   // the click in the window the item opens, if any
    } starts[] = {
        {"Takeoff", 1500, 0, 0},
        {"VFR Final", 11500, 0, 0},
        {"ILS Final", 21500, 0, 0},
        {"Over VOR", 1000, 0, 0},
        {"Over NDB", 1100, 0, 0},
        {"Airport by Name", 1201, 60, 25},
        {"Enroute map", 1300, 300, 300},
        {"Local VR map", 1301, 100, 100},
        {"World Map, far out at sea", 1302, world_x(-130), world_y(-45)},
        {"World Map, the far north", 1302, world_x(-62), world_y(79)},
        {"World Map, beside the map", 1302, 400, 521},
        {"Set Lat/Lon", 1303, 168, 145},
        {"Grass runway", 1400, 0, 0},
        {"Helipad", 1403, 0, 0},
        {"Carrier", 1404, 0, 0},
        {"Formation", 1407, 0, 0},
        {"Seaplane", 1410, 0, 0},
        {"Get Me Lost", 213, 0, 0},
    };
    for (const auto& s : starts) {
        msc.loc_apt_wrl = klax;   // the airport the name window offers
        APPLICATION_handlemenu(s.item);
        if (mnw.topwin != 0) click_window(s.x, s.y);
        // Closing the window does its work.
        if (mnw.topwin != 0) MACIBM_startwind(0);
        EXPECT_TRUE(in_world_window()) << s.name << ": the world window is not around the aircraft";
        int apt = msc.loc_apt_wrl;
        quit_program();
        start_again();
        EXPECT_FALSE(any_notice("never flown")) << s.name << ": the next start refused the file";
        EXPECT_TRUE(marks_kept()) << s.name;
        EXPECT_EQ(msc.loc_apt_wrl, apt) << s.name;
        EXPECT_STREQ(pln.C_file, "Trainer.acf") << s.name;
        set_marks();
    }
}

TEST(PrefsKept, AnUnreadableFileIsKeptAsideAndTheStartSaysSo)
{
    const struct {
        const char* name;
        std::string text;
    } unreadable[] = {
        {"another version", "I\n464 version\nTrainer.acf\n"},
        {"damaged", "I\n466 version\nTrainer.acf\nAircraft/Trainer.acf\nnot a number\n"},
        {"not a settings file", "Dear diary,\n"},
    };
    for (const auto& u : unreadable) {
        start_fresh();
        quit_program();
        std::remove((prefs_file() + ".unread").c_str());
        std::ofstream(prefs_file(), std::ios::binary) << u.text;
        start_again();
        EXPECT_TRUE(any_notice("kept it under another name")) << u.name;
        EXPECT_TRUE(any_notice(".unread")) << u.name;
        EXPECT_EQ(bytes_of(prefs_file() + ".unread"), u.text) << u.name;
        // The quit writes the first-run settings in its place, the kept file stays.
        quit_program();
        EXPECT_EQ(bytes_of(prefs_file() + ".unread"), u.text) << u.name;
        EXPECT_NE(bytes_of(prefs_file()), u.text) << u.name;
        std::remove((prefs_file() + ".unread").c_str());
    }

    // "Reset Preferences and Exit" asks for the first run on purpose: no notice, nothing kept.
    start_fresh();
    quit_program();
    std::ofstream(prefs_file(), std::ios::binary) << "I\n-1 version\nz\n\n";
    start_again();
    EXPECT_TRUE(any_notice("never flown"));
    EXPECT_FALSE(any_notice("another name"));
    EXPECT_EQ(bytes_of(prefs_file() + ".unread"), "");
}
