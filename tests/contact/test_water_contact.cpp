// Water contact: a box float on flat water and on waves, the hull patches,
// planing, the water rudder, and the choice between water and ground.
#include "contact_fixture.h"

#include "flight/contact.h"
#include "records/flight_state.h"
#include "flight/water_contact.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// A box float (part 23, one float on the centre line): 6 m long, its flat
// bottom 1 m below the centre of gravity. The three bottom-line points of each
// of its 7 stations lie 0.4 m apart, so that their patches tile 1.2 m of width.
const float LENGTH = 6, WIDTH = 1.2f, BOTTOM = -1;

struct Water : ContactTest {
    void SetUp() override
    {
        ContactTest::SetUp();
        flat_world(0, 1);
        pln.misc_eq = 1;
        for (int s = 0; s < 7; ++s) {
            for (int r = 0; r < 16; ++r) {
                // Round the section: the top at r = 0, the bottom at 8.
                float a = r * 3.14159265f / 8;
                pln.body_X[23][s][r] = 0.6f * std::sin(a);
                pln.body_Y[23][s][r] = 0.5f * std::cos(a) - 0.5f;
                pln.body_Z[23][s][r] = s - LENGTH / 2;
            }
            const float bottom_x[5] = {0.8f, 0.4f, 0, -0.4f, -0.8f};
            for (int k = 0; k < 5; ++k) {
                pln.body_X[23][s][6 + k] = bottom_x[k];
                pln.body_Y[23][s][6 + k] = BOTTOM;
            }
        }
        atm.wave_length = 10;
        atm.wave_speed = 2;
    }

    // Buoyancy of the float alone, with the aircraft level at height y.
    float lift_at(double y)
    {
        flt.Y = y;
        clear_forces();
        water_contact();
        return flt.fnrmlgear;
    }

    // The bottom line of station 1 between stations 0 and 2 whose bottom
    // heights and positions along the body are given; the keel height back.
    float keel(float y0, float y2, float z0 = -1, float z2 = 1)
    {
        for (int r = 7; r <= 9; ++r) {
            pln.body_Y[23][0][r] = y0;
            pln.body_Y[23][2][r] = y2;
            pln.body_Y[23][1][r] = (y0 + y2) / 2;
            pln.body_Z[23][0][r] = z0;
            pln.body_Z[23][2][r] = z2;
            pln.body_Z[23][1][r] = (z0 + z2) / 2;
        }
        return pln.body_Y[23][1][8];
    }
};
} // namespace

TEST_F(Water, ABoxFloatSettlesWhereBuoyancyEqualsWeight)
{
    const float m = 1000;
    flt.m_total = m;
    double draft = m / (con.rho_h20 * LENGTH * WIDTH);
    flt.Y = -BOTTOM + 0.2;   // dropped from 20 cm above the water
    const float dt = 0.01f;
    for (int k = 0; k < 12000; ++k) {
        clear_forces();
        contact_phase();
        flt.vY += (flt.fnrmlgear / m - con.g) * dt;
        flt.Y += flt.vY * dt;
    }
    EXPECT_EQ(flt.onground, 1);
    EXPECT_NEAR(-BOTTOM - flt.Y, draft, 0.01 * draft);
    // Level and at rest in the water: nothing pushes it along or turns it.
    EXPECT_NEAR(flt.faxilgear, 0, 1e-3f);
    EXPECT_NEAR(flt.fsidegear, 0, 1e-3f);
    EXPECT_NEAR(flt.L, 0, 1);
}

TEST_F(Water, APointAtTheSurfaceIsInTheWaterWithNoBuoyancy)
{
    flt.Y = 1;
    EXPECT_EQ(handle_float_point(23, 3, 8, 0, BOTTOM, 0, 0), 1);
    EXPECT_EQ(flt.onground, 1);
    EXPECT_FLOAT_EQ(flt.fnrmlgear, 0);
    flt.onground = 0;
    EXPECT_EQ(handle_float_point(23, 3, 8, 0, BOTTOM, 0, -0.001f), 0);
    EXPECT_EQ(flt.onground, 0);
}

TEST_F(Water, EndStationsStandForHalfAPatch)
{
    flt.Y = 0.9;   // 10 cm deep
    auto lift = [&](int s) {
        clear_forces();
        handle_float_point(23, s, 8, 0, BOTTOM, pln.body_Z[23][s][8], 0);
        return flt.fnrmlgear;
    };
    float middle = lift(3);
    EXPECT_NEAR(middle, 0.1f * 0.4f * con.rho_h20 * con.g, 1);
    EXPECT_NEAR(lift(0), middle / 2, 1e-2f);
    EXPECT_NEAR(lift(6), middle / 2, 1e-2f);
}

TEST_F(Water, PlaningLiftOnlyUpToFortyFiveDegrees)
{
    // Moving ahead at 5 m/s; the keel patch's rise toward the tail over its
    // 2 m length, and whether it planes upward.
    struct {
        float rise;
        int lifts;   // 1 up, 0 none, -1 down
    } cases[] = {{-0.5f, 1}, {-2, 1}, {0, 0}, {0.5f, -1}, {1, -1}, {1.2f, 0}, {3, 0}};
    for (auto c : cases) {
        SCOPED_TRACE(c.rise);
        float y = keel(-1 - c.rise, -1 + c.rise);
        flt.Y = 0.5;
        flt.vaxial = 0;
        clear_forces();
        ASSERT_EQ(handle_float_point(23, 1, 8, 0, y, 0, 0), 1);
        float still = flt.fnrmlgear;
        flt.vaxial = 5;
        clear_forces();
        ASSERT_EQ(handle_float_point(23, 1, 8, 0, y, 0, 0), 1);
        float planing = flt.fnrmlgear - still;
        if (c.lifts > 0) {
            EXPECT_GT(planing, 100);
        } else if (c.lifts < 0) {
            EXPECT_LT(planing, -100);
        } else {
            EXPECT_FLOAT_EQ(planing, 0);
        }
        // Planing drag is a share of the planing lift, at most 5 %.
        EXPECT_LE(std::fabs(flt.faxilgear - (-0.00165f * con.rho_h20 * 25 * 0.4f)), 0.05f * std::fabs(planing) + 1e-3f);
    }
}

TEST_F(Water, StationsWithNoSpacingGiveFiniteForces)
{
    for (int s = 0; s < 7; ++s)
        for (int r = 0; r < 16; ++r) pln.body_Z[23][s][r] = 0;
    flt.vaxial = 20;
    flt.vY = -2;
    flt.R = 5;
    flt.Rrad = 5 * con.degtorad;
    flt.Y = 0.8;
    clear_forces();
    contact_phase();
    EXPECT_EQ(flt.onground, 1);
    for (float f : {flt.faxilgear, flt.fsidegear, flt.fnrmlgear, flt.L, flt.M, flt.N}) EXPECT_TRUE(std::isfinite(f));
}

TEST_F(Water, TheWaterRudderActsLikeATenDegreeSideSpeedAft)
{
    keel(-1.2f, -0.8f, 2, 4);   // a sloping patch 3 m aft: it has side area
    float y = pln.body_Y[23][1][8];
    flt.Y = 0.5;
    flt.v = 10;
    auto side = [&](int r, float z, float fc, float Rrad) {
        set.FC_hdng = fc;
        flt.Rrad = Rrad;
        flt.R = Rrad / con.degtorad;
        clear_forces();
        EXPECT_EQ(handle_float_point(23, 1, r, 0, y, z, 0), 1);
        return flt.fsidegear;
    };
    float full = side(8, 3, 1, 0);
    EXPECT_LT(full, -1);
    EXPECT_NEAR(full, side(8, 3, 0, -std::sin(10 * con.degtorad) * 10 / 3), std::fabs(full) * 1e-4f);
    EXPECT_NEAR(side(8, 3, -1, 0), -full, std::fabs(full) * 1e-4f);
    EXPECT_FLOAT_EQ(side(8, 3, 0, 0), 0);
    EXPECT_FLOAT_EQ(side(7, 3, 1, 0), 0);    // off the keel line
    EXPECT_FLOAT_EQ(side(8, -3, 1, 0), 0);   // ahead of the centre of gravity
}

TEST_F(Water, WavesTravelAndFlatWaterNeedsNoLength)
{
    env.localh_cg = 2;
    atm.wave_amp = 1;
    struct {
        float length;
        int dir;
        float x, z, t, h;
    } cases[] = {
        {10, 0, 0, -2.5f, 0, 2.5f},      // a crest a quarter wave north
        {10, 0, 0, -2.5f, 2.5f, 1.5f},   // 2.5 s later the crest has run 5 m on: a trough
        {10, 90, -2.5f, 0, 0, 2.5f},     // turned a quarter: the crests lie along x
        {10, 360, 0, -2.5f, 0, 2.5f},    // whole turns count as none
        {10, 450, -2.5f, 0, 0, 2.5f},
        {10, -270, -2.5f, 0, 0, 2.5f},
        {0, 0, 0, -2.5f, 0, 2},          // no wave length: flat water
        {-5, 0, 0, -2.5f, 0, 2},
    };
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " " << c.dir << " " << c.t);
        atm.wave_length = c.length;
        atm.wave_dir = c.dir;
        msc.elap_time = c.t;
        EXPECT_NEAR(water_height(c.x, c.z), c.h, 1e-4f);
    }
}

TEST_F(Water, TheWaveIsMetWhereTheFloatReallyIs)
{
    // The float 10 m aft of the centre of gravity, or the aircraft moved so
    // that the float sits in the same place: the same water either way.
    atm.wave_amp = 1;
    atm.wave_length = 40;
    atm.wave_dir = 30;
    msc.elap_time = 3.7f;
    for (float psi : {0.0f, 90.0f, 200.0f}) {
        SCOPED_TRACE(psi);
        pln.misc_Z = 10;
        place(0);
        flt.psi = psi;
        flt.sinpsi = std::sin(psi * con.degtorad);
        flt.cospsi = std::cos(psi * con.degtorad);
        float aft = lift_at(0.5);
        float x, z;
        contact_world_xz(0, 10, &x, &z);
        pln.misc_Z = 0;
        flt.X = x;
        flt.Z = z;
        float moved = lift_at(0.5);
        EXPECT_GT(aft, 1000);
        EXPECT_NEAR(aft, moved, moved * 1e-3f);
    }
}

TEST_F(Water, WaterCellsMeetTheHullsAndDecksMeetTheWheels)
{
    // Wheels 1 m below the centre of gravity, float bottom too, 5 cm down.
    pln.gear_stat[1] = 1;
    place(0.95);
    contact_phase();
    EXPECT_EQ(o_down[1], 0);
    EXPECT_EQ(o_down[7], 1);
    EXPECT_GT(flt.fnrmlgear, 0);
    EXPECT_EQ(sounding(), std::vector<int>{9});

    // A drawn platform over the same water counts as ground.
    memset(o_down, 0, sizeof o_down);
    quiet();
    env.over_obs = 1;
    env.obj_height = 0;
    clear_forces();
    contact_phase();
    EXPECT_EQ(o_down[0] + o_down[1] + o_down[2], 3);
    EXPECT_EQ(o_down[7], 1);
    EXPECT_EQ(sounding(), (std::vector<int>{7, 10}));
}
