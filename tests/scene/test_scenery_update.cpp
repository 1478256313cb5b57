#include "world/scenery_update.h"

#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "toolkit/HL_FUNCT.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_window.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(SlideDecision, ThresholdsAreStrictAndWestEastComeFirst)
{
    struct Case {
        float lat, lon;
        int type;
    } cases[] = {
        {35.0f, -116.5f, 0},               // centre square
        {35.0f, -118 + 0.95f, 0},          // exactly on the west threshold
        {35.0f, -118 + 0.9499f, SHIFT_WEST},
        {35.0f, -118 + 2.05f, 0},
        {35.0f, -118 + 2.0501f, SHIFT_EAST},
        {34.45f, -116.5f, 0},
        {34.4499f, -116.5f, SHIFT_SOUTH},
        {35.55f, -116.5f, 0},
        {35.5501f, -116.5f, SHIFT_NORTH},
        {35.9f, -115.5f, SHIFT_EAST},      // north-east: east first
        {34.1f, -118.1f, SHIFT_WEST},   // south-west: west first
    };
    for (const Case& c : cases) EXPECT_EQ(slide_type(c.lat, c.lon, 34, -118), c.type) << c.lat << " " << c.lon;
}

TEST(EyeAngles, TableOfPilotViews)
{
    const float t = 10, p = 100, f = 20;
    struct Case {
        int view;
        float the, psi, phi;
    } cases[] = {
        {500, 10, 100, 20}, {501, 6, 100, 20},   {502, 2, 100, 20},   {504, 15, 55, 5},
        {505, -5, 145, 15}, {506, 20, 10, -10},  {507, -20, 190, 10}, {508, 5, -35, -15},
        {509, -15, 235, -5}, {511, -10, 280, -20}, {520, 10, 100, 20}, {521, 10, 100, 20},
    };
    for (const Case& c : cases) {
        float a = 0, b = 0, d = 0;
        ASSERT_EQ(eye_angles(c.view, t, p, f, &a, &b, &d), 1) << c.view;
        EXPECT_FLOAT_EQ(a, c.the) << c.view;
        EXPECT_FLOAT_EQ(b, c.psi) << c.view;   // left unwrapped
        EXPECT_FLOAT_EQ(d, c.phi) << c.view;
    }
    float a = 7, b = 7, d = 7;
    for (int v : {513, 514, 516, 517, 518}) EXPECT_EQ(eye_angles(v, t, p, f, &a, &b, &d), 0) << v;
    EXPECT_EQ(a, 7);
}

class Cameras : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&flt, 0, sizeof flt);
        std::memset(apt_twr, 0, sizeof apt_twr);
        msc.prd = 0.05f;
        msc.loc_apt_wrl = 40;
        msc.loc_apt_reg = 2;
        apt_listed = 3;
        scn.dist = 30;
    }
    void TearDown() override { apt_listed = 0; }
};

TEST_F(Cameras, TowerStandsOnTheTowerElseAtTheBeacon)
{
    apt_len[40][0] = 3000, apt_width[40][0] = 45;   // runway 0 counts
    scn.rwayxyz[2][0][812][0] = 11, scn.rwayxyz[2][0][812][1] = 27, scn.rwayxyz[2][0][812][2] = 13;
    obj_xyz[5 * 2 + 4][3][0][0] = 500, obj_xyz[5 * 2 + 4][3][0][1] = 30, obj_xyz[5 * 2 + 4][3][0][2] = -200;
    float t[3];
    ASSERT_EQ(camera_target(513, t), 1);
    EXPECT_EQ(t[0], 11);
    EXPECT_EQ(t[1], 27);
    EXPECT_EQ(t[2], 13);
    apt_twr[40] = 1;
    ASSERT_EQ(camera_target(513, t), 1);
    EXPECT_EQ(t[0], 500);
    EXPECT_EQ(t[1], 30);
    EXPECT_EQ(t[2], -200);
    // no airport listed: the camera holds
    apt_listed = 0;
    EXPECT_EQ(camera_target(513, t), 0);
}

TEST_F(Cameras, ChaseAndFollowStandBehindTheLeadPoint)
{
    flt.X = 100, flt.Y = 50, flt.Z = -20;
    flt.vX = 0, flt.vY = 0, flt.vZ = -60;
    flt.sinhpath = 0, flt.coshpath = 1, flt.sinvpath = 0;   // flying north (-Z)
    float t[3];
    ASSERT_EQ(camera_target(516, t), 1);
    EXPECT_NEAR(t[0], 100, 1e-4);
    EXPECT_NEAR(t[1], 50, 1e-4);
    EXPECT_NEAR(t[2], -20 + 0.95 * -60 + 30, 1e-3);   // 30 m south of where it is going
    msc.freeviewXZ = 0, msc.freeviewY = 0.5236f;   // 30 degrees up, behind
    ASSERT_EQ(camera_target(517, t), 1);
    EXPECT_NEAR(t[1], 50 + 15, 1e-2);
    EXPECT_NEAR(t[2], -20 - 57 + 30 * 0.8660f, 1e-2);
    for (int v : {500, 511, 521}) EXPECT_EQ(camera_target(v, t), 0) << v;
}

TEST(CloserAssymp, ClosesTheFractionPrdOfTheGap)
{
    EXPECT_NEAR(closer_assymp(0, 100, 0.05f), 5, 1e-5);
    EXPECT_NEAR(closer_assymp(80, 100, 0.05f), 81, 1e-5);
    EXPECT_NEAR(closer_assymp(100, 100, 0.2f), 100, 1e-5);
}
