// The precipitation field, the overcast mesh, their slides, and the
// windshield precipitation's ratio and motion, without a screen.
#include "world/weather_field.h"

#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include "tests/support/flat_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {
class Weather : public ::testing::Test {
protected:
    void SetUp() override
    {
        fill_constants();
        fill_trig_tables();
        toolkit_srand(7);
        memset(&atm, 0, sizeof atm);
        memset(&flt, 0, sizeof flt);
        memset(&set, 0, sizeof set);
        memset(prec_x, 0, sizeof prec_x);
        memset(prec_y, 0, sizeof prec_y);
        memset(prec_z, 0, sizeof prec_z);
        quickdrop = 0;
        msc.prd = 0.05f;
        env.lat_sou = 33;
        env.lon_wes = -119;
        flat_window(0);
    }
};

float marker(int i, int j)
{
    return i * 1000.0f + j;
}
} // namespace

TEST_F(Weather, FractalizeLevelFourLeavesTheTruncatedEdgeAndCellLines)
{
    // 211 x 211 points of three components; the middle one is worked on.
    std::vector<float> g(211 * 211 * 3);
    for (int i = 0; i <= 210; ++i)
        for (int j = 0; j <= 210; ++j)
            for (int t = 0; t < 3; ++t) g[(i * 211 + j) * 3 + t] = marker(i, j) + t * 0.25f;
    std::vector<float> before = g;
    fractalize(0, 0, 210, 210, g.data(), 211, 3, 1, -3, 3, 4, 4);
    int changed = 0;
    for (int i = 0; i <= 210; ++i)
        for (int j = 0; j <= 210; ++j)
            for (int t = 0; t < 3; ++t) {
                int k = (i * 211 + j) * 3 + t;
                // 16 cells of 13 points cover 0..208; the cell lines and 209, 210 keep their values.
                bool fixed = t != 1 || i % 13 == 0 || j % 13 == 0 || i > 208 || j > 208;
                if (fixed) ASSERT_EQ(g[k], before[k]) << i << " " << j << " " << t;
                else changed += g[k] != before[k];
            }
    EXPECT_GT(changed, 30000);
}

TEST_F(Weather, GenWxForSecFillsOnlyItsSquareWithinZeroToOne)
{
    struct Case {
        int q, i0, j0;
    };
    // South row squares sit in the field's lower rows: rows count from the north.
    const Case cases[] = {{0, 0, 210}, {1, 210, 210}, {2, 420, 210}, {3, 0, 0}, {4, 210, 0}, {5, 420, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.q);
        for (auto& col : atm.wxr)
            for (float& v : col) v = 5;
        gen_wx_for_sec(c.q);
        int rain = 0;
        for (int i = 0; i <= 630; ++i)
            for (int j = 0; j <= 420; ++j) {
                bool mine = i >= c.i0 && i <= c.i0 + 210 && j >= c.j0 && j <= c.j0 + 210;
                float v = atm.wxr[i][j];
                if (mine) {
                    ASSERT_TRUE(v >= 0 && v <= 1) << i << " " << j;
                    rain += v > 0;
                } else {
                    ASSERT_EQ(v, 5) << i << " " << j;
                }
            }
        EXPECT_GT(rain, 0);
    }
}

TEST_F(Weather, OvercastSectorTakesTheWindowsExtentsAndItsGrey)
{
    memset(cloudxyz, 0, sizeof cloudxyz);
    fill_a_sector_with_ocast(2, 1);
    const float dz = 152.4f;
    for (int i = 0; i < CLOUD_I; ++i)
        for (int j = 0; j < CLOUD_J; ++j) {
            bool mine = i >= 32 && i <= 48 && j >= 16 && j <= 32;
            if (!mine) {
                ASSERT_EQ(cloudxyz[i][j][1], 0) << i << " " << j;
                continue;
            }
            const float* p = cloudxyz[i][j];
            ASSERT_NEAR(p[0], env.lox + (i - 16) * (env.hix - env.lox) / 48, 0.5f);
            ASSERT_NEAR(p[2], env.hiz - (j - 16) * (env.hiz - env.loz) / 32, 0.5f);
            ASSERT_TRUE(std::isfinite(p[1]));
            ASSERT_NEAR(cloudrgb[i][j][0], 0.4f + 0.6f * (p[1] + 2 * dz) / (2 * dz), 1e-4f);
            ASSERT_EQ(cloudrgb[i][j][0], cloudrgb[i][j][2]);
        }
    // The far edges are never a cell's centre, even at level 4 where the
    // cells are one point wide: they keep the deck's middle height.
    for (int k = 0; k <= 16; ++k) {
        EXPECT_NEAR(cloudxyz[48][16 + k][1], -dz, 0.01f) << k;
        EXPECT_NEAR(cloudxyz[32 + k][32][1], -dz, 0.01f) << k;
    }
    EXPECT_NEAR(cloudrgb[48][32][1], 0.7f, 1e-4f);
}

TEST_F(Weather, SlidesMoveTheFieldAndTheMeshByOneDegree)
{
    struct Slide {
        const char* name;
        int f[6];   // field i1, i2, j1, j2, deli, delj
        int m[6];   // mesh
    };
    const Slide slides[] = {{"west", {0, 2, 0, 2, 210, 0}, {0, 4, 0, 4, 16, 0}},
                            {"east", {1, 3, 0, 2, -210, 0}, {1, 5, 0, 4, -16, 0}},
                            {"south", {0, 3, 1, 2, 0, -210}, {0, 5, 0, 3, 0, 16}},
                            {"north", {0, 3, 0, 1, 0, 210}, {0, 5, 1, 4, 0, -16}}};
    for (const Slide& s : slides) {
        SCOPED_TRACE(s.name);
        for (int i = 0; i <= 630; ++i)
            for (int j = 0; j <= 420; ++j) atm.wxr[i][j] = marker(i, j);
        for (int i = 0; i < CLOUD_I; ++i)
            for (int j = 0; j < CLOUD_J; ++j)
                for (int t = 0; t < 3; ++t) cloudxyz[i][j][t] = cloudrgb[i][j][t] = marker(i, j) + t;
        shift_weather(s.f[0], s.f[1], s.f[2], s.f[3], s.f[4], s.f[5]);
        shift_cloud(s.m[0], s.m[1], s.m[2], s.m[3], s.m[4], s.m[5]);
        // Every point of the moved blocks lands unchanged at its new place.
        for (int i = s.f[0] * 210; i <= s.f[1] * 210; ++i)
            for (int j = s.f[2] * 210; j <= s.f[3] * 210; ++j)
                ASSERT_EQ(atm.wxr[i + s.f[4]][j + s.f[5]], marker(i, j)) << i << " " << j;
        for (int i = s.m[0] * 16; i <= s.m[1] * 16; ++i)
            for (int j = s.m[2] * 16; j <= s.m[3] * 16; ++j)
                for (int t = 0; t < 3; ++t) {
                    ASSERT_EQ(cloudxyz[i + s.m[4]][j + s.m[5]][t], marker(i, j) + t) << i << " " << j;
                    ASSERT_EQ(cloudrgb[i + s.m[4]][j + s.m[5]][t], marker(i, j) + t) << i << " " << j;
                }
    }
}

TEST_F(Weather, PrecipitationRatioAndDropCount)
{
    struct Case {
        float level, storm, eye;
        float rat;
        int last;
    };
    // Deck from 1000 m to 2000 m.
    const Case cases[] = {
        {0, 1, 500, 0, -1},        // clear
        {4, 5, 500, 1, 199},       // the most: 200 drops
        {4, 5, 2500, 0, -1},       // above the tops
        {4, 5, 1500, 0.5f, 100},   // half way up the deck
        {2, 3, 500, 0.5f, 100},
        {0.01f, 1, 500, 0.00125f, -1},   // fewer than one drop
    };
    for (const Case& c : cases) {
        atm.baseMSL = 1000;
        atm.topsMSL = 2000;
        atm.level = c.level;
        atm.rain_tstm = c.storm;
        con.VIEW_xyz[1] = c.eye;
        EXPECT_EQ(set_prec_rat(), c.last) << c.level << " " << c.eye;
        EXPECT_NEAR(atm.prec_rat, c.rat, 1e-5f);
    }
    // A deck of no thickness: inside below its base only.
    atm.level = 4;
    atm.rain_tstm = 5;
    atm.baseMSL = atm.topsMSL = 1000;
    con.VIEW_xyz[1] = 999;
    EXPECT_EQ(set_prec_rat(), 199);
    EXPECT_TRUE(std::isfinite(atm.prec_rat));
}

namespace {
void heavy_weather(float temp_F, int view)
{
    atm.baseMSL = 1000;
    atm.topsMSL = 2000;
    atm.level = 4;
    atm.rain_tstm = 5;
    atm.temp_SL = temp_F;
    con.VIEW_xyz[1] = 500;
    set.view_type = view;
}
} // namespace

TEST_F(Weather, RainStreaksStartInsideTheRectangle)
{
    heavy_weather(60, 500);
    flt.vind = 120;
    static float xy[400][2];
    int lines = 0, drawn = 0;
    for (int frame = 0; frame < 50; ++frame) {
        int n = move_precip(100, 200, 300, 400, xy, &lines);
        ASSERT_EQ(lines, 1);
        ASSERT_EQ(n % 2, 0);
        for (int k = 0; k < n; k += 2) {
            ASSERT_TRUE(xy[k][0] >= 100 && xy[k][0] <= 300 && xy[k][1] >= 200 && xy[k][1] <= 400);
            ASSERT_TRUE(std::isfinite(xy[k + 1][0]) && std::isfinite(xy[k + 1][1]));
        }
        drawn += n;
    }
    // The first frame respawns every drop (they start at 0, 0); later ones draw.
    EXPECT_GT(drawn, 1000);
}

TEST_F(Weather, SnowStartsFiniteAndDrawsNothingInView511)
{
    heavy_weather(20, 500);
    flt.av = 60;
    static float xy[400][2];
    int lines = 1;
    for (int frame = 0; frame < 5; ++frame) {
        int n = move_precip(0, 0, 800, 600, xy, &lines);
        EXPECT_EQ(lines, 0);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(xy[k][0] >= 0 && xy[k][0] <= 800 && xy[k][1] >= 0 && xy[k][1] <= 600);
        for (int i = 0; i < PREC_CAP; ++i)
            ASSERT_TRUE(std::isfinite(prec_x[i]) && std::isfinite(prec_y[i]) && std::isfinite(prec_z[i])) << i;
    }
    set.view_type = 511;
    float before = prec_x[3];
    EXPECT_EQ(move_precip(0, 0, 800, 600, xy, &lines), 0);
    EXPECT_EQ(prec_x[3], before);
}
