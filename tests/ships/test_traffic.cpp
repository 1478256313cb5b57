// Other traffic: where make_a_plane puts a traffic aircraft, with the toolkit's generator seeded.
#include "ship_fixture.h"

#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct Traffic : ::testing::Test {
    void SetUp() override
    {
        ship_world();
        msc.est_Vs = 30;
        // The user in the middle of the window.
        flt.X = (env.lox + env.hix) / 2;
        flt.Z = (env.loz + env.hiz) / 2;
    }
};

// A seed whose draws, in make_a_plane's order (bearing, the distance when initial, height,
// heading offset), give the bearing and offset asked for.
unsigned seed_for(int bearing, int offset, int initial)
{
    for (unsigned s = 1; s < 5000000; ++s) {
        toolkit_srand(s);
        if (intrand(0, 359) != bearing) continue;
        if (initial) fltrand(0, 60000);
        fltrand(0, 20000);
        if (intrand(-45, 45) == offset) return s;
    }
    ADD_FAILURE() << "no seed for " << bearing << " " << offset;
    return 1;
}

float heading_off(float heading, int bearing)
{
    float d = std::fmod(heading - (bearing + 180) + 540, 360.0f) - 180;
    return std::fabs(d);
}
} // namespace

TEST_F(Traffic, HeadingWrapsBackTowardTheUser)
{
    toolkit_srand(seed_for(359, 45, 0));
    make_a_plane(3, 0);
    const float* p = traf_xyzvh[3];
    EXPECT_EQ(p[4], 224);   // 180 + 359 + 45
    // Bearing 359: a hair west of due north, 60 km out.
    EXPECT_NEAR(p[0], flt.X + lookup_sin[359] * 60000, 0.01);
    EXPECT_NEAR(p[2], flt.Z - lookup_cos[359] * 60000, 0.01);
    EXPECT_FLOAT_EQ(p[3], 1.7f * 30);
}

TEST_F(Traffic, ReplacementsStartSixtyKilometresOut)
{
    toolkit_srand(12345);
    for (int n = 0; n < 200; ++n) {
        int t = n % 10;
        make_a_plane(t, 0);
        const float* p = traf_xyzvh[t];
        float dx = p[0] - (float)flt.X, dz = p[2] - (float)flt.Z;
        int bearing = (int)std::lround(std::atan2(dx, -dz) * con.radtodeg + 360) % 360;
        ASSERT_NEAR(std::hypot(dx, dz), 60000, 1) << n;
        EXPECT_GE(p[1], 0);
        EXPECT_LE(p[1], 20000 * con.fttomtrs);
        EXPECT_LE(heading_off(p[4], bearing), 45.5f) << n;
        EXPECT_GE(p[4], 0);
        EXPECT_LE(p[4], 359);
        EXPECT_EQ(p[4], std::floor(p[4]));
    }
}

TEST_F(Traffic, StartPlacementsSpreadWithinSixtyKilometres)
{
    toolkit_srand(777);
    float nearest = 60000, farthest = 0;
    for (int n = 0; n < 200; ++n) {
        make_a_plane(n % 10, 1);
        const float* p = traf_xyzvh[n % 10];
        float d = std::hypot(p[0] - (float)flt.X, p[2] - (float)flt.Z);
        nearest = std::fmin(nearest, d);
        farthest = std::fmax(farthest, d);
    }
    EXPECT_LE(farthest, 60001);
    EXPECT_LT(nearest, 10000);
    EXPECT_GT(farthest, 50000);
}

TEST_F(Traffic, TheWindowsEdgeClampsThePlacement)
{
    // At the west edge, bearing 270 would put it 60 km outside the window.
    flt.X = env.lox;
    toolkit_srand(seed_for(270, 0, 0));
    make_a_plane(0, 0);
    EXPECT_FLOAT_EQ(traf_xyzvh[0][0], env.lox);
    EXPECT_NEAR(traf_xyzvh[0][2], flt.Z, 0.1);
    // At the south edge (z grows southward), bearing 180.
    flt.X = (env.lox + env.hix) / 2;
    flt.Z = env.hiz;
    toolkit_srand(seed_for(180, 0, 0));
    make_a_plane(9, 0);
    EXPECT_FLOAT_EQ(traf_xyzvh[9][2], env.hiz);
    // Out-of-range indices are left alone.
    traf_xyzvh[9][0] = 5;
    make_a_plane(10, 0);
    make_a_plane(-1, 0);
    EXPECT_EQ(traf_xyzvh[9][0], 5);
}
