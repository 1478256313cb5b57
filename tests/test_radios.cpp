// Radio tuning steps, Morse schedules and the placement of other traffic.
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Radios, EachPartWrapsWithoutCarrying)
{
    struct { void (*fn)(int*, int); int in, inc, out; } cases[] = {
        {NAVinc, 11795, 50, 11700},   // 117.95 up one step is 117.00
        {NAVinc, 10800, -1000, 11700},
        {NAVinc, 11000, 7, 11000},    // any other step changes nothing
        {COMinc, 13600, 1000, 11800},
        {COMinc, 12100, -50, 12195},
        {ADFinc, 1390, 100, 490},     // the thousands digit is dropped
        {ADFinc, 209, 1, 200},
        {ADFinc, 200, -10, 290},
        {XPNinc, 7, 1, 0},
        {XPNinc, 0, -1, 7},
    };
    for (auto c : cases) {
        int f = c.in;
        c.fn(&f, c.inc);
        EXPECT_EQ(f, c.out) << c.in << " step " << c.inc;
    }
}

TEST(Morse, LettersBecomeTimedDotsDashesAndGaps)
{
    int type[MORSE_SLOTS];
    float time[MORSE_SLOTS];
    for (int& t : type) t = 2;
    time[0] = 100;
    int n = 0;
    build_morse_id('A', type, time, &n);
    build_morse_id('7', type, time, &n);  // not a letter: only the gap
    ASSERT_EQ(n, 4);
    EXPECT_EQ(type[0], 3);
    EXPECT_EQ(type[1], 4);
    EXPECT_EQ(type[2], 2);
    EXPECT_EQ(type[3], 2);
    EXPECT_FLOAT_EQ(time[1], 100.3f);
    EXPECT_FLOAT_EQ(time[2], 100.8f);
    EXPECT_FLOAT_EQ(time[3], 101.8f);
    EXPECT_FLOAT_EQ(time[4], 102.8f);
}

TEST(Morse, IdentifierScheduleStartsAndGaps)
{
    int type[MORSE_SLOTS];
    float time[MORSE_SLOTS];
    for (int& t : type) t = 2;
    time[0] = 0;
    int n = 0;
    for (char c : {'S', 'E', 'A', ' '}) build_morse_id(c, type, time, &n);
    ASSERT_EQ(n, 10);
    const struct {
        int type;
        float start;
    } slots[10] = {{3, 0}, {3, 0.3f}, {3, 0.6f}, {2, 0.9f}, {3, 1.9f}, {2, 2.2f}, {3, 3.2f}, {4, 3.5f}, {2, 4.0f}, {2, 5.0f}};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(type[k], slots[k].type) << k;
        EXPECT_NEAR(time[k], slots[k].start, 1e-5) << k;
    }
    EXPECT_NEAR(time[10], 6.0f, 1e-5);
}

TEST(Morse, LongIdentifiersNeverRunPastTheSchedule)
{
    int type[MORSE_SLOTS + 1];
    float time[MORSE_SLOTS + 1];
    type[MORSE_SLOTS] = -77;
    time[MORSE_SLOTS] = -77;
    time[0] = 0;
    int n = 0;
    for (char c : {'Y', 'Y', 'Y', 'Y', 'Q', 'Q'}) build_morse_id(c, type, time, &n);
    EXPECT_EQ(n, MORSE_SLOTS);
    EXPECT_EQ(type[MORSE_SLOTS], -77);
    EXPECT_EQ(time[MORSE_SLOTS], -77);

    // The last slot takes its element; the start after it has no slot.
    for (auto add : {add_dot, add_das, add_qui}) {
        type[MORSE_SLOTS - 1] = 0;
        add(type, time, MORSE_SLOTS - 1);
        add(type, time, MORSE_SLOTS);
        EXPECT_NE(type[MORSE_SLOTS - 1], 0);
        EXPECT_EQ(type[MORSE_SLOTS], -77);
        EXPECT_EQ(time[MORSE_SLOTS], -77);
    }
}

TEST(Traffic, PlacedAroundTheAircraftInsideTheWindow)
{
    fill_constants();
    fill_trig_tables();
    env.lox = -100000;
    env.hix = 100000;
    env.loz = -80000;
    env.hiz = 80000;
    flt.X = 1000;
    flt.Z = -2000;
    msc.est_Vs = 30;
    toolkit_srand(3);
    for (int t = 0; t < 10; ++t) {
        make_a_plane(t, 0);
        const float* p = traf_xyzvh[t];
        EXPECT_NEAR(std::hypot(p[0] - flt.X, p[2] - flt.Z), 60000, 1);
        EXPECT_GE(p[1], 0);
        EXPECT_LE(p[1], 20000 * con.fttomtrs + 0.01f);
        EXPECT_FLOAT_EQ(p[3], 51);
        EXPECT_GE(p[4], 0);
        EXPECT_LE(p[4], 359);
    }
    flt.X = 99000;  // near the edge: clamped into the window
    for (int i = 0; i < 50; ++i) {
        make_a_plane(0, 1);
        EXPECT_LE(traf_xyzvh[0][0], env.hix);
        EXPECT_GE(traf_xyzvh[0][2], env.loz);
    }
}
