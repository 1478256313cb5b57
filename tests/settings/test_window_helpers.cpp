// The settings windows' helpers: channel rows, cockpit levers, the slider,
// and the words and sums the windows show.
#include "settings_support.h"

#include "cockpit/panel_controls.h"
#include "shell/settings_windows.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <string>

TEST_F(SettingsWindow, DataChannelRowsLeaveOneBlankRowBetweenGroups)
{
    const struct {
        int channel, y;
    } cases[] = {
        {0, 356},  {2, 326},  {3, 296},  {4, 281},  {5, 251},  {7, 221},  {8, 191},  {14, 101}, {15, 71},
        {19, 11},  {20, 356}, {24, 296}, {25, 266}, {27, 236}, {28, 206}, {36, 86},  {37, 56},  {38, 41},
        {39, 11},  {40, 356}, {41, 341}, {42, 311}, {47, 236}, {48, 206}, {49, 191}, {50, -394}, {59, -529},
    };
    for (const auto& c : cases) EXPECT_EQ(util_yval(c.channel), c.y) << "channel " << c.channel;
}

TEST_F(SettingsWindow, LeverPositionFromTheMouseWithinEachLeversEnds)
{
    const struct {
        int lever;
        float my, position;
    } cases[] = {
        {6, 73, 0},    {6, 127, 1},  {6, 100, 0.5f}, {6, 200, 1},  {6, 0, 0},    {9, 112, 1},
        {10, 126, 1},  {11, 28, 0.5f}, {14, 52, 1},  {23, 52, 1},  {15, 39, 1},  {22, 4, 0},
        {5, 100, 0},   {24, 30, 0},  {7, 100, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(util_get_handle(c.lever, c.my), c.position, 1e-5) << "lever " << c.lever << " at " << c.my;
}

TEST_F(SettingsWindow, SliderFollowsTheDragAlongItsTrackOnly)
{
    open_settings_window(12);
    const struct {
        float x, y;
        int dir;
        float d1, d2, start, mx, my;
        int clicked, drag;
        float value;
        int moved;
    } cases[] = {
        {41, 344, 1, 0, 20, 5, 41 + 78, 344, 1, 1, 10, 1},         // horizontal, middle
        {41, 344, 1, 0, 20, 5, 41 + 78, 344, 0, 1, 10, 1},         // held from an earlier frame
        {41, 344, 1, 0, 20, 5, 41 + 78, 344, 0, 0, 5, 0},          // not dragging
        {41, 344, 1, 0, 20, 5, 41 + 78, 344 + 20, 1, 1, 5, 0},     // above the grab box
        {41, 344, 1, 0, 20, 5, 41 + 156 + 8, 344, 1, 1, 20, 1},    // past the end, held at it
        {41, 344, 1, 0, 20, 30, 0, 0, 0, 0, 30, 0},                // a stored value beyond the range: kept
        {479, 432, 0, 1, 0, 0.3f, 485, 432 + 54, 1, 1, 0, 1},      // vertical, 1 at the bottom
        {479, 432, 0, 1, 0, 0.3f, 485, 432 + 27, 1, 1, 0.5f, 1},
        {479, 432, 0, 1, 0, 0.3f, 470, 432 + 27, 1, 1, 0.3f, 0},   // left of the track
        {119, 80, 2, -1, 1, 0.2f, 119, 80, 1, 1, 0, 1},            // centred
        {119, 80, 2, -1, 1, 0.2f, 119 - 39, 80, 1, 1, -0.5f, 1},
        {119, 80, 2, -1, 1, 0.2f, 119 + 85, 80, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        float v = c.start;
        mouse(c.mx, c.my, c.clicked, c.drag);
        EXPECT_EQ(util_scale(c.x, c.y, c.dir, c.d1, c.d2, &v), c.moved) << c.dir << " at " << c.mx << ", " << c.my;
        EXPECT_NEAR(v, c.value, 1e-4) << c.dir << " at " << c.mx << ", " << c.my;
    }
}

TEST_F(SettingsWindow, CompassWordsOfBearings)
{
    const struct {
        int bearing;
        const char* word;
    } cases[] = {
        {0, "north"},       {22, "north"},      {23, "north-east"}, {67, "north-east"}, {68, "east"},
        {112, "east"},      {113, "south-east"}, {157, "south-east"}, {158, "south"},   {202, "south"},
        {203, "south-west"}, {247, "south-west"}, {248, "west"},     {292, "west"},      {293, "north-west"},
        {337, "north-west"}, {338, "north"},     {350, "north"},     {359, "north"},
    };
    for (const auto& c : cases) EXPECT_STREQ(compass_word(c.bearing), c.word) << c.bearing;
}

TEST_F(SettingsWindow, WeatherWordsAtTheirThresholds)
{
    const struct {
        float nm;
        const char* words;
    } vis[] = {
        {0, "NM: socked in      "},      {0.49f, "NM: socked in      "},  {0.5f, "NM: hardball IFR   "},
        {1, "NM: serious IFR    "},      {2, "NM: instrument     "},       {3, "NM: marginal visual"},
        {5, "NM: adequate visual"},      {7, "NM: visual          "},      {9.99f, "NM: visual          "},
        {10, "NM: severe clear    "},   {20, "NM: severe clear    "},
    };
    for (const auto& c : vis) EXPECT_STREQ(visibility_words(c.nm), c.words) << c.nm;
    const struct {
        float level;
        const char* level_word;
        const char* burst_word;
    } levels[] = {
        {1, "  none  ", "  none   "},     {1.01f, " light  ", "  slight "}, {2, " light  ", "  slight "},
        {2.5f, "moderate", " moderate"}, {3.5f, " heavy  ", "  high   "}, {4.01f, " severe ", "very high"},
        {5, " severe ", "very high"},
    };
    for (const auto& c : levels) {
        EXPECT_STREQ(level_words(c.level), c.level_word) << c.level;
        EXPECT_STREQ(burst_words(c.level), c.burst_word) << c.level;
    }
    const struct {
        float rate;
        const char* words;
    } trends[] = {
        {1, "   rapidly improving   "},  {0.5f, "  gradually improving  "}, {0.1f, "       stagnant        "},
        {0, "       stagnant        "},  {-0.1f, "gradually deteriorating"}, {-0.5f, " rapidly deteriorating "},
    };
    for (const auto& c : trends) EXPECT_STREQ(trend_words(c.rate), c.words) << c.rate;
}

TEST_F(SettingsWindow, CloudTopsStayAThousandFeetAboveTheBases)
{
    // Field elevation 500 ft.
    const struct {
        int which;
        float tops, base, agl;
        float want_tops, want_base, want_agl;
    } cases[] = {
        {0, 5500, 5000, 4500, 5500, 4500, 4000},   // tops lowered to base + 500: base follows down
        {0, 9000, 5000, 4500, 9000, 5000, 4500},   // tops raised: nothing else
        {1, 6000, 5500, 0, 6500, 5500, 5000},      // base raised near the tops: tops follow up
        {1, 9000, 3000, 0, 9000, 3000, 2500},      // base lowered: tops stay
        {2, 6000, 0, 5200, 6700, 5700, 5200},      // base AGL: base MSL and tops follow
        {2, 9000, 0, 1000, 9000, 1500, 1000},
    };
    for (const auto& c : cases) {
        float tops = c.tops, base = c.base, agl = c.agl;
        couple_cloud_heights(c.which, 500, &tops, &base, &agl);
        EXPECT_FLOAT_EQ(tops, c.want_tops) << c.which << " " << c.tops;
        EXPECT_FLOAT_EQ(base, c.want_base) << c.which << " " << c.tops;
        EXPECT_FLOAT_EQ(agl, c.want_agl) << c.which << " " << c.tops;
    }
}

TEST_F(SettingsWindow, FrictionTakesTheNearestOfTheThreeChoices)
{
    const struct {
        float friction;
        int choice;
    } cases[] = {
        {1, 1},  {0.9f, 1}, {0.86f, 1}, {0.84f, 2}, {0.7f, 2}, {0.56f, 2}, {0.54f, 3}, {0.4f, 3},
        // outside the choices: the nearest, not a wrapped one
        {1.5f, 1}, {3, 1}, {0.1f, 3}, {-1, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(friction_choice(c.friction), c.choice) << c.friction;
}

TEST_F(SettingsWindow, IsometricProjectionLeansTheNorthUpAndRight)
{
    open_settings_window(23);
    env.hiz = 1000;
    env.lox = -200;
    const struct {
        float point[3];
        float scale, x, y;
    } cases[] = {
        {{-200, 0, 1000}, 1, 0, 0},          // the south-west corner
        {{-100, 50, 500}, 0.5f, 125, 200},   // 500 m north: 150 right and 350 up, then halved
        {{800, 0, 1000}, 0.1f, 100, 0},      // east only moves right
        {{-200, 0, 0}, 0.01f, 3, 7},
    };
    for (const auto& c : cases) {
        float x, y;
        util_isomize(c.point, &x, &y, c.scale);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}
