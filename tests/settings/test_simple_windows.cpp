// The windows of one or two values: airport by identifier and by name, the
// world map, latitude and longitude, "Where Am I?", data output, serial
// output and time of day.
#include "settings_support.h"

#include "world/coordinates.h"
#include "records/flight_state.h"
#include "shell/settings_windows.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {
// Two airports in a world window whose south-west corner is 33 N, 119 W.
void two_airports()
{
    env.lat_sou = 33;
    env.lon_wes = -119;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j) {
            env.lonwes_ref[i][j] = -119.0f + i;
            env.planex_ref[i][j] = 0;
        }
    env.aptmax = 1;
    strcpy(apt_id[0], "KSMO");
    strcpy(apt_name[0], "SANTA MONICA");
    apt_lat[0][0] = 34.02f;
    apt_lon[0][0] = -118.45f;
    strcpy(apt_id[1], "KSEA");
    strcpy(apt_name[1], "SEATTLE-TACOMA INTL");
    apt_lat[1][0] = 47.45f;
    apt_lon[1][0] = -122.31f;
}
} // namespace

TEST_F(SettingsWindow, AirportByIdPicksCharactersByColumnAndRow)
{
    open_settings_window(1);
    strcpy(msc.apt_id_req, "KSMO");
    const struct {
        float mx, my;
        const char* id;
    } cases[] = {
        {95, 430, " SMO"},    // above the top row: blank
        {112, 0, " ZMO"},     // below the bottom row: Z
        {130, 364, " Z4O"},   // row 5: "4"
        {150, 424 - 11 * 20 - 1, " Z4J"},   // row 20: "J"
        {170, 300, " Z4J"},   // beside the columns: nothing
    };
    for (const auto& c : cases) {
        mouse(c.mx, c.my, 1, 1);
        manage_id_();
        EXPECT_STREQ(msc.apt_id_req, c.id) << c.mx << ", " << c.my;
    }
    // A drag goes on picking.
    mouse(95, 424 - 11 * 2 - 5, 0, 1);
    manage_id_();
    EXPECT_STREQ(msc.apt_id_req, "1Z4J");
}

TEST_F(SettingsWindow, AirportByNameStartsAtTheListedAirportOrCancels)
{
    open_settings_window(2);
    two_airports();
    msc.loc_apt_wrl = 1;
    mouse(200, 25, 1, 1);   // cancel
    manage_nam();
    EXPECT_EQ(opened, std::vector<int>{0});
    EXPECT_EQ(region_loads, 0);
    EXPECT_EQ(env.lat_sou, 33);

    opened.clear();
    mouse(60, 25, 1, 1);
    manage_nam();
    EXPECT_EQ(env.lat_sou, 46);
    EXPECT_EQ(env.lon_wes, -124);   // round(-123.81)
    EXPECT_EQ(msc.typestart, 7);
    EXPECT_EQ(region_loads, 1);
    EXPECT_EQ(placements, std::vector<int>{9});
    EXPECT_EQ(opened, std::vector<int>{0});
}

TEST_F(SettingsWindow, WorldMapStartsAtTheNearestAirportAndLatLonCentresTheEntry)
{
    open_settings_window(4);
    two_airports();
    // Beside the map there is no place to pick: the click does nothing.
    for (float my : {20.0f, 450.0f, 521.0f}) {
        mouse(400, my, 1, 1);
        manage_wrl();
        EXPECT_EQ(env.lat_sou, 33) << my;
        EXPECT_EQ(region_loads, 0) << my;
        EXPECT_TRUE(placements.empty()) << my;
        EXPECT_TRUE(opened.empty()) << my;
    }
    // 40 N, 100 W on the map: the start is at the nearest airport, and its
    // world is the one loaded.
    mouse(80.0f * 788 / 360, 50 + 100.0f * 393 / 140, 1, 1);
    manage_wrl();
    EXPECT_EQ(env.lat_sou, 33);
    EXPECT_EQ(env.lon_wes, -120);   // round(-119.95)
    EXPECT_EQ(region_loads, 1);
    EXPECT_EQ(placements, std::vector<int>{9});
    EXPECT_EQ(opened, std::vector<int>{0});
    EXPECT_EQ(msc.loc_apt_wrl, 0);   // Santa Monica lies nearer than Seattle

    open_settings_window(5);
    env.lat_sou = 33;
    env.lon_wes = -120;
    // Latitude shows 34: one up in its ones column makes 35, the region's
    // south edge one below it.
    mouse(168, 145, 1, 1);
    manage_lat();
    EXPECT_EQ(env.lat_sou, 34);
    EXPECT_EQ(env.lon_wes, -120);
    next_frame();
    manage_lat();
    EXPECT_EQ(env.lat_sou, 34);
    // Longitude shows -118.5: one down in its ones column, -119.5, stored 1.5 west.
    next_frame();
    mouse(168, 75, 1, 1);
    manage_lat();
    EXPECT_EQ(env.lon_wes, -121);
    EXPECT_EQ(env.lat_sou, 34);
    // Beyond 60 degrees the field holds at 60.
    next_frame();
    env.lat_sou = 55;
    mouse(158, 145, 1, 1);
    manage_lat();
    EXPECT_EQ(env.lat_sou, 59);
}

TEST_F(SettingsWindow, WhereAmISaysHowFarAndWhichWayFromTheAirport)
{
    open_settings_window(6);
    two_airports();
    msc.loc_apt_wrl = 0;
    float ax = X_with_latlon(apt_lat[0][0], apt_lon[0][0]);
    float az = Z_with_lat(apt_lat[0][0]);
    const struct {
        float bearing, nm;
        const char* text;
    } cases[] = {
        {45, 10, "10 miles north-east of SANTA MONICA (KSMO)"},
        {180, 3.4f, "3 miles south of SANTA MONICA (KSMO)"},
        {350, 20, "20 miles north of SANTA MONICA (KSMO)"},
        {270, 0.6f, "1 miles west of SANTA MONICA (KSMO)"},
    };
    for (const auto& c : cases) {
        float d = c.nm * con.nmtomtrs;
        flt.X = ax + d * std::sin(c.bearing * con.degtorad);
        flt.Z = az - d * std::cos(c.bearing * con.degtorad);
        char text[400];
        where_am_i_text(text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.bearing;
    }
    manage_whr();
}

TEST_F(SettingsWindow, DataOutputKeepsAtMostFourGraphAndTenCockpitChannels)
{
    open_settings_window(7);
    for (int i : {3, 10, 20, 30}) set.Bgrf[i] = 1;
    for (int i = 0; i < 10; ++i) set.Brlt[i] = 1;
    // The fifth graph box, channel 40's: channel 3 goes in the same frame.
    mouse(455, util_yval(40) + 4, 1, 1);
    manage_dat();
    EXPECT_EQ(set.Bgrf[40], 1);
    EXPECT_EQ(set.Bgrf[3], 0);
    EXPECT_EQ(set.Bgrf[10] + set.Bgrf[20] + set.Bgrf[30], 3);
    // The eleventh cockpit box, channel 45's: channel 0 goes.
    next_frame();
    mouse(472, util_yval(45) + 4, 1, 1);
    manage_dat();
    EXPECT_EQ(set.Brlt[45], 1);
    EXPECT_EQ(set.Brlt[0], 0);
    int n = 0;
    for (int i = 0; i < 60; ++i) n += set.Brlt[i];
    EXPECT_EQ(n, 10);
    // Too many from a file: the lowest go until four are left.
    next_frame();
    for (int i : {1, 2, 5, 6}) set.Bgrf[i] = 1;
    manage_dat();
    int graphs = 0;
    for (int i = 0; i < 60; ++i) graphs += set.Bgrf[i];
    EXPECT_EQ(graphs, 4);
    EXPECT_EQ(set.Bgrf[20] + set.Bgrf[30] + set.Bgrf[40], 3);
    // The disk box of channel 12.
    next_frame();
    mouse(12, util_yval(12) + 4, 1, 1);
    manage_dat();
    EXPECT_EQ(set.Bdsk[12], 1);
}

TEST_F(SettingsWindow, SerialModesAndTimeOfDay)
{
    open_settings_window(8);
    const float ys[6] = {451, 430, 366, 302, 238, 174};
    for (int m = 5; m >= 0; --m) {
        mouse(25, ys[m] + 5, 1, 1);
        manage_ser();
        EXPECT_EQ(set.serout, m);
    }

    open_settings_window(9);
    const struct {
        float mx, seconds;
    } cases[] = {{345, 43200}, {38, 0}, {0, 0}, {700, 86400}, {38 + 614.0f / 24 * 6.5f, 23400}};
    for (const auto& c : cases) {
        mouse(c.mx, 50, 1, 1);
        manage_tim();
        EXPECT_NEAR(msc.locl_time, c.seconds, 1) << c.mx;
    }
    // Only a click sets it.
    mouse(345, 50, 0, 1);
    manage_tim();
    EXPECT_NEAR(msc.locl_time, 23400, 1);
}
