// Part geometry queries over the aircraft record.
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
class PartGeometry : public ::testing::Test {
protected:
    void SetUp() override
    {
        memset(&pln, 0, sizeof pln);
        memset(&flt, 0, sizeof flt);
        con.degtorad = 3.1415927f / 180;
    }
};
} // namespace

TEST_F(PartGeometry, SideOfEachPart)
{
    pln.Xarm[0] = -0.05f;   // on the line: right
    pln.Xarm[1] = -0.06f;   // left
    pln.Xarm[15] = -2.0f;
    pln.Xarm[16] = 2.0f;
    pln.Xarm[18] = -5.0f;   // only propellers and pylons look at their arm
    pln.Xarm[5] = -3.0f;
    const struct {
        int en;
        float side;
    } cases[] = {{0, 1},  {1, -1}, {2, 1},  {4, -1},  {5, 1},  {6, -1}, {8, -1}, {9, 1},  {10, -1},
                 {11, 1}, {12, 1}, {15, -1}, {16, 1}, {18, 1}, {27, 1}, {-1, 1}, {40, 1}};
    for (const auto& c : cases) EXPECT_EQ(latsign(c.en), c.side) << "part " << c.en;
}

TEST_F(PartGeometry, ElementArmsAlongTheSpan)
{
    pln.els[4] = 8;
    pln.semilen[4] = 8;
    EXPECT_FLOAT_EQ(get_wing_rarm(4, 0), 0.5f);
    EXPECT_FLOAT_EQ(get_wing_rarm(4, 7), 7.5f);
    pln.els[6] = 0;   // no elements counts as one
    pln.semilen[6] = 3;
    EXPECT_FLOAT_EQ(get_wing_rarm(6, 0), 1.5f);
    pln.els[6] = -2;
    EXPECT_FLOAT_EQ(get_wing_rarm(6, 0), 1.5f);
}

TEST_F(PartGeometry, SpanwisePointsWithSweepAndDihedral)
{
    const struct {
        int en;
        float sweep, dihed, len;
        float x, y, z;   // relative to the root
    } cases[] = {
        {5, 0, 0, 4, 4, 0, 0},                          // straight right wing
        {4, 0, 0, 4, -4, 0, 0},                         // straight left wing
        {5, 30, 0, 2, 1.7320508f, 0, 1},                // swept back
        {4, 0, 10, 2, -1.9696155f, 0.3472964f, 0},      // dihedral raises both sides
        {5, 0, 10, 2, 1.9696155f, 0.3472964f, 0},
        {12, 0, 90, 3, 0, 3, 0},                        // upright fin
        {5, 30, 10, 2, 1.7057371f, 0.3007736f, 1},
    };
    for (const auto& c : cases) {
        pln.Xarm[c.en] = 1;
        pln.Yarm[c.en] = 2;
        pln.Zarm[c.en] = 3;
        pln.sweep1[c.en] = c.sweep;
        pln.dihed[c.en] = c.dihed;
        EXPECT_NEAR(get_wing_Xarm(c.en, c.len), 1 + c.x, 1e-5) << "part " << c.en;
        EXPECT_NEAR(get_wing_Yarm(c.en, c.len), 2 + c.y, 1e-5) << "part " << c.en;
        EXPECT_NEAR(get_wing_Zarm(c.en, c.len), 3 + c.z, 1e-5) << "part " << c.en;
    }
}

TEST_F(PartGeometry, SurfaceStationsAndPoints)
{
    pln.numblades[2] = 3;
    pln.els[9] = 6;
    pln.els[16] = 1;
    const struct {
        int en, stations, points;
    } cases[] = {{2, 6, 2},  {9, 7, 12}, {16, 2, 12}, {18, 11, 16}, {20, 7, 16},
                 {24, 7, 16}, {25, 7, 8}, {27, 7, 8},  {28, 0, 0},   {-1, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(f_body_s_dim(c.en), c.stations) << "part " << c.en;
        EXPECT_EQ(f_body_r_dim(c.en), c.points) << "part " << c.en;
    }
}

namespace {
struct aircraft {
    const char* what;
    int is_heli, entype, numen, nace_eq, misc_eq, fair_eq, gear_type, over_vne;
    float misc_X;
    int gear_stat[3];
    const char* parts;   // '1' for each part 0..27 that exists
};
} // namespace

TEST_F(PartGeometry, WhichPartsExist)
{
    const aircraft cases[] = {
        // what, heli, engine type, engines, nacelles, misc, fairings, gear, past Vne, misc_X, legs, parts 0..27
        {"single piston",        0, 1, 1, 0, 0, 0, 3, 0, 0.0f, {1, 1, 1}, "1000111111111010001000000000"},
        {"twin on nacelles",     0, 3, 2, 1, 0, 0, 3, 0, 0.0f, {1, 1, 1}, "1100111111111011001110000000"},
        {"four-engine jet",      0, 4, 4, 1, 0, 0, 3, 0, 0.0f, {1, 1, 1}, "0000111111111011111111100000"},
        {"jet helicopter",       1, 4, 1, 0, 0, 0, 2, 0, 0.0f, {0, 0, 0}, "1100111111111010001000000011"},
        {"piston helicopter",    1, 1, 1, 0, 0, 0, 2, 0, 0.0f, {0, 0, 0}, "1100111111111010001000000011"},
        {"floats, one centred",  0, 1, 1, 0, 1, 0, 3, 0, 0.01f, {1, 1, 1}, "1000111111111010001000010000"},
        {"floats, a pair",       0, 1, 1, 0, 1, 0, 3, 0, 2.0f, {1, 1, 1}, "1000111111111010001000011000"},
        {"fairings, nose retracts", 0, 1, 1, 0, 0, 1, 3, 0, 0.0f, {0, 1, 1}, "1000111111111010001000000011"},
        {"fairings on skids",    0, 1, 1, 0, 0, 1, 2, 0, 0.0f, {1, 1, 1}, "1000111111111010001000000011"},
        {"past Vne",             0, 1, 1, 0, 0, 0, 3, 1, 0.0f, {1, 1, 1}, "1000101010111010001000000000"},
    };
    for (const auto& c : cases) {
        memset(&pln, 0, sizeof pln);
        for (int en = 4; en <= 17; ++en) pln.semilen[en] = 3;
        pln.semilen[13] = 0.05f;   // on the limit: not there
        pln.is_heli = c.is_heli;
        pln.entype = c.entype;
        pln.numen = c.numen;
        pln.nace_eq = c.nace_eq;
        pln.misc_eq = c.misc_eq;
        pln.misc_X = c.misc_X;
        pln.fair_eq = c.fair_eq;
        pln.gear_type = c.gear_type;
        for (int g = 0; g < 3; ++g) pln.gear_stat[g] = c.gear_stat[g];
        flt.over_vne = c.over_vne;
        std::string got;
        for (int en = 0; en < 28; ++en) got += have_this_part(en) ? '1' : '0';
        EXPECT_EQ(got, c.parts) << c.what;
        EXPECT_EQ(have_this_part(28), 0);
        EXPECT_EQ(have_this_part(-1), 0);
    }
}

TEST_F(PartGeometry, BodyOrigins)
{
    for (int en = 0; en < 18; ++en) {
        pln.Xarm[en] = en + 0.1f;
        pln.Yarm[en] = en + 0.2f;
        pln.Zarm[en] = en + 0.3f;
    }
    pln.misc_X = 1.5f;
    pln.misc_Y = -0.5f;
    pln.misc_Z = 2.0f;
    pln.ngearY = -1.0f;
    pln.ngearZ = -3.0f;
    pln.mgearX = 1.2f;
    pln.mgearY = -1.1f;
    pln.mgearZ = 0.5f;
    pln.skidX = 0.9f;
    pln.skidY = -1.3f;
    pln.skidZ = -0.7f;
    pln.wheelrad = 0.2f;
    for (int i = 0; i < 9; ++i) pln.condef[i] = 0.01f * (i + 1);

    const struct {
        int en, gear_type;
        int written;
        float x, y, z;
    } cases[] = {
        {0, 3, 1, 0.1f, 0.2f, 0.3f},
        {17, 3, 1, 17.1f, 17.2f, 17.3f},
        {18, 3, 1, 0, 0, 0},
        {19, 3, 1, 0.1f, 0.2f, 0.3f},          // nacelle of engine 0
        {22, 3, 1, 3.1f, 3.2f, 3.3f},
        {23, 3, 1, -1.5f, -0.5f, 2.0f},
        {24, 3, 1, 1.5f, -0.5f, 2.0f},
        {25, 3, 1, 0, -1.0f + 0.01f + 0.2f, -3.0f},
        {26, 4, 1, -1.2f, -1.1f + 0.02f + 0.2f, 0.5f},
        {27, 6, 1, 1.2f, -1.1f + 0.03f + 0.2f, 0.5f},
        {26, 2, 1, -0.9f, -1.3f + 0.04f + 0.2f, -0.7f},
        {27, 2, 1, 0.9f, -1.3f + 0.06f + 0.2f, -0.7f},
        {25, 2, 0, 0, 0, 0},                   // no nose fairing on skids
        {26, 1, 0, 0, 0, 0},                   // no gear at all
        {28, 3, 0, 0, 0, 0},
        {-1, 3, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        pln.gear_type = c.gear_type;
        float x = 99, y = 99, z = 99;
        get_body_os(c.en, &x, &y, &z);
        if (!c.written) {
            EXPECT_TRUE(x == 99 && y == 99 && z == 99) << "part " << c.en << " gear " << c.gear_type;
            continue;
        }
        EXPECT_FLOAT_EQ(x, c.x) << "part " << c.en << " gear " << c.gear_type;
        EXPECT_FLOAT_EQ(y, c.y) << "part " << c.en << " gear " << c.gear_type;
        EXPECT_FLOAT_EQ(z, c.z) << "part " << c.en << " gear " << c.gear_type;
    }
}
