// Runways built from database lines: limits, placement, both ends, glide
// slopes, flashers, lights cleared on other pavement, buildings and windsocks.
#include "airport_fixture.h"

namespace {
// Centre of an object's ground level.
void obj_centre(int o, float* x, float* z)
{
    *x = *z = 0;
    for (int c = 0; c < 4; ++c) {
        *x += obj_xyz[o][0][c][0] / 4;
        *z += obj_xyz[o][0][c][2] / 4;
    }
}

bool all_finite(int a, int r)
{
    for (int i = 0; i <= 812; ++i)
        for (int c = 0; c < 3; ++c)
            if (!std::isfinite(scn.rwayxyz[a][r][i][c])) return false;
    for (int m = 0; m < 6; ++m)
        for (int k = 0; k < 4; ++k)
            for (int c = 0; c < 3; ++c)
                if (!std::isfinite(scn.markxyz[a][r][m][k][c])) return false;
    return true;
}
} // namespace

TEST_F(Airports, LimitsFollowTheLength)
{
    struct Case {
        int len_ft, n, amber1, amber2, altred1, red1;
    };
    // 3000 ft: 200 ft spacing, the caution zone half the length; 400 ft: 10 ft
    // spacing; 14 000 ft: n held at 49.
    const Case cases[] = {{3000, 15, 7, 8, 108, 112}, {400, 40, 2, 38, 140, 140}, {14000, 49, 10, 39, 134, 142}};
    std::string lines;
    for (const Case& c : cases) lines += airport({{0, 0, 0, c.len_ft, 100}});
    load(lines);
    for (int k = 0; k < 3; ++k) {
        const Case& c = cases[k];
        build(k, k);
        SCOPED_TRACE(c.len_ft);
        EXPECT_EQ(env.rwaymax[k], 0);
        EXPECT_EQ(env.rwaymax1[k][0], c.n);
        EXPECT_EQ(env.rwaymax2[k][0], c.n + 50);
        EXPECT_EQ(env.twaymax1[k][0], c.n + 150);
        EXPECT_EQ(env.twaymax2[k][0], c.n + 200);
        EXPECT_EQ(env.RCLSmax[k][0], c.n + 100);
        EXPECT_EQ(env.amber1[k][0], c.amber1);
        EXPECT_EQ(env.amber2[k][0], c.amber2);
        EXPECT_EQ(env.amber3[k][0], c.amber2 + 50);
        EXPECT_EQ(env.amber4[k][0], c.amber1 + 50);
        EXPECT_EQ(env.altred1[k][0], c.altred1);
        EXPECT_EQ(env.red1[k][0], c.red1);
    }
}

TEST_F(Airports, ParallelTaxiwayOnlyOnLargeHardRunways)
{
    struct Case {
        int len_ft, width_ft, lite, typ, tway;
    };
    const Case cases[] = {{7000, 150, 1121121, 27, 1}, {7000, 150, 3121121, 29, 0}, {7000, 150, 2121121, 28, 1},
                          {1500, 50, 1121121, 27, 0}};
    std::string lines;
    for (const Case& c : cases) lines += airport({{0, 0, 0, c.len_ft, c.width_ft, c.lite}});
    load(lines);
    for (int k = 0; k < 4; ++k) {
        build(k, k);
        EXPECT_EQ(env.rwy_typ[k][0], cases[k].typ) << k;
        EXPECT_EQ(env.tway[k][0], cases[k].tway) << k;
    }
}

TEST_F(Airports, HeadingZeroPlacesPointsMarksAndSocksFromTheReference)
{
    load(airport({{0, 0, 0, 5000, 150}}));
    build(0, 0);
    float X0 = X(0, 0), Z0 = Z(0, 0), Y = apt_h[0];
    float w = (float)apt_width[0][0], sl = apt_len[0][0] / 2.0f;
    const float* p0 = pt(0, 0, 0);
    EXPECT_NEAR(p0[0], X0 - w / 2 - 1, 0.01f);
    EXPECT_NEAR(p0[1], Y + 0.5f, 0.01f);
    EXPECT_NEAR(p0[2], Z0 + sl, 0.01f);
    const float* beacon = pt(0, 0, 812);
    EXPECT_NEAR(beacon[0], X0 - w, 0.01f);
    EXPECT_NEAR(beacon[1], Y + 27, 0.01f);
    EXPECT_NEAR(beacon[2], Z0, 0.01f);
    // The runway quad runs clockwise seen from above; corners 3 and 2 lie at
    // the first (+z) end, where its number is painted.
    const float(*q)[3] = scn.markxyz[0][0][0];
    const float expect[4][2] = {{-w / 2, -sl}, {w / 2, -sl}, {w / 2, sl}, {-w / 2, sl}};
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(q[c][0], X0 + expect[c][0], 0.01f) << c;
        EXPECT_NEAR(q[c][1], Y, 0.01f) << c;
        EXPECT_NEAR(q[c][2], Z0 + expect[c][1], 0.01f) << c;
    }
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(scn.sockinit[0][0][s], 1);
        EXPECT_NEAR(scn.sockxyz[0][0][s][0], X0 + 0.52f * w, 0.01f);
        EXPECT_NEAR(scn.sockxyz[0][0][s][1], Y + 5, 0.01f);
        EXPECT_NEAR(scn.sockxyz[0][0][s][2], Z0 + (s ? 0.469f : -0.469f) * 2 * sl, 0.05f);
    }
    // Threshold bars one step beyond each edge.
    EXPECT_NEAR(pt(0, 0, 501)[0], X0 - 0.6f * w, 0.01f);
    EXPECT_NEAR(pt(0, 0, 513)[0], X0 + 0.6f * w, 0.01f);
    EXPECT_NEAR(pt(0, 0, 520)[2], Z0 - sl - 2, 0.01f);
}

TEST_F(Airports, SecondEndMirrorsTheFirst)
{
    load(airport({{0, 0, 37, 9000, 150, 1232232}}));
    build(0, 0);
    float X0 = X(0, 0), Z0 = Z(0, 0);
    for (int i = 250; i <= 500; ++i) {
        if (i >= 276 && i <= 279) continue;   // the glide-slope lights stand on one side
        const float* a = pt(0, 0, i);
        const float* b = pt(0, 0, i + 311);
        ASSERT_NEAR(b[0] - X0, -(a[0] - X0), 0.05f) << i;
        ASSERT_NEAR(b[1], a[1], 0.01f) << i;
        ASSERT_NEAR(b[2] - Z0, -(a[2] - Z0), 0.05f) << i;
    }
}

TEST_F(Airports, GlideSlopeLightsByType)
{
    // Code 2: two bars of two at 250 m and 100 m in; code 3: four in a row at 200 m.
    load(airport({{0, 0, 0, 6000, 150, 1221221}}) + airport({{0, 0, 0, 6000, 150, 1321321}}));
    build(0, 0);
    build(1, 1);
    float w = (float)apt_width[0][0], sl = apt_len[0][0] / 2.0f;
    struct Want {
        int a, i;
        float x, z;
    };
    const Want wants[] = {{0, 276, -0.8f * w - 1, sl - 250},  {0, 277, -0.8f * w + 1, sl - 250},
                          {0, 278, -0.8f * w - 1, sl - 100},  {0, 279, -0.8f * w + 1, sl - 100},
                          {0, 587, -0.8f * w + 1, -sl + 250}, {0, 590, -0.8f * w - 1, -sl + 100},
                          {1, 276, -w - 6, sl - 200},         {1, 277, -w - 2, sl - 200},
                          {1, 278, -w + 2, sl - 200},         {1, 279, -w + 6, sl - 200}};
    for (const Want& g : wants) {
        const float* p = pt(g.a, 0, g.i);
        EXPECT_NEAR(p[0], X(g.a, 0) + g.x, 0.01f) << g.a << " " << g.i;
        EXPECT_NEAR(p[1], apt_h[g.a] + 1.5f, 0.01f) << g.a << " " << g.i;
        EXPECT_NEAR(p[2], Z(g.a, 0) + g.z, 0.01f) << g.a << " " << g.i;
    }
}

TEST_F(Airports, FlashersStartByApproachTypeAndStepTowardTheRunway)
{
    // Approach type 6 at the first end and 1 at the second, then 5 and 6.
    load(airport({{0, 0, 90, 6000, 150, 1226221}}) + airport({{0, 0, 90, 6000, 150, 1225226}}));
    const float want[2][2] = {{500, 1050}, {1050, 500}};
    for (int a = 0; a < 2; ++a) {
        build(a, a);
        float X0 = X(a, 0), Z0 = Z(a, 0), sl = apt_len[a][0] / 2.0f;
        for (int e = 0; e < 2; ++e) {
            SCOPED_TRACE(testing::Message() << a << " end " << e);
            // Heading 90: the first end lies to the west.
            float along = sl + want[a][e];
            float sx = scn.rabbitsX[a][0][e], sz = scn.rabbitsZ[a][0][e];
            EXPECT_NEAR(sx, X0 + (e == 0 ? -along : along), 0.05f);
            EXPECT_NEAR(sz, Z0, 0.05f);
            EXPECT_NEAR(scn.rabbitsY[a][0][e], apt_h[a], 0.01f);
            EXPECT_NEAR(std::hypot(scn.rabbitdX[a][0][e], scn.rabbitdZ[a][0][e]), 50, 0.05f);
            EXPECT_LT(std::fabs(sx + scn.rabbitdX[a][0][e] - X0), std::fabs(sx - X0));
            // The flasher light itself stands at the start point.
            EXPECT_NEAR(pt(a, 0, 280 + 311 * e)[0], sx, 0.05f);
            EXPECT_NEAR(pt(a, 0, 280 + 311 * e)[2], sz, 0.05f);
        }
    }
}

TEST_F(Airports, CrossingRunwaysClearEachOthersEdgeLights)
{
    // Airport 0: two 8000 ft runways crossing at their middles; airports 1
    // and 2: each of them alone, for the positions the lights would have.
    fixture_rway ns{0, 0, 0, 8000, 150}, ew{0, 0, 90, 8000, 150};
    load(airport({ns, ew}) + airport({ns}) + airport({ew}));
    for (int a = 0; a < 3; ++a) build(a, a);
    float w = (float)apt_width[0][0], sl = apt_len[0][0] / 2.0f;
    float X0 = X(0, 0), Z0 = Z(0, 0);
    // The other runway's pavement as world rectangles: runway and parallel taxiway.
    // Whether a light of runway r stands on the other runway or its parallel
    // taxiway: for r = 0 the other runs east-west (its across axis is world
    // z), for r = 1 north-south (across is world x).
    auto on_other = [&](int r, const float* p, bool* near_edge) {
        float across = r == 0 ? p[2] - Z0 : p[0] - X0;
        float along = r == 0 ? p[0] - X0 : p[2] - Z0;
        bool in_len = std::fabs(along) < sl;
        bool in_rwy = std::fabs(across) < w / 2;
        bool in_twy = across > 2.0f * w && across < 2.5f * w;
        *near_edge = std::fabs(std::fabs(across) - w / 2) < 0.5f || std::fabs(across - 2 * w) < 0.5f ||
                     std::fabs(across - 2.5f * w) < 0.5f || std::fabs(std::fabs(along) - sl) < 0.5f;
        return in_len && (in_rwy || in_twy);
    };
    for (int r = 0; r < 2; ++r) {
        int cleared_by_other = 0;
        int n = env.rwaymax1[0][r];
        for (int i = 1; i < n + 50; ++i) {
            if (i >= n && i <= 50) continue;
            const float* alone = pt(1 + r, 0, i);
            if (cleared(1 + r, 0, i)) {   // on its own connectors
                EXPECT_TRUE(cleared(0, r, i)) << r << " " << i;
                continue;
            }
            bool edge = false;
            bool inside = on_other(r, alone, &edge);
            if (edge) continue;
            EXPECT_EQ(cleared(0, r, i), inside) << r << " " << i;
            cleared_by_other += inside;
        }
        EXPECT_GE(cleared_by_other, 1) << r;
    }
}

TEST_F(Airports, HangarsStepOffRunwaysAndStandApart)
{
    // The hangar row of the long runway runs across a second runway.
    load(airport({{0, 0, 0, 8000, 150}, {-720, 189, 90, 3000, 100}}));
    build(0, 0);
    ASSERT_EQ(env.rwaymax[0], 1);
    float xs[5], zs[5];
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(obj_type[k], k < 4 ? 97 : 1) << k;
        obj_centre(k, &xs[k], &zs[k]);
    }
    // Each runway's outline (runway to parallel taxiway), 25 m in.
    for (int r = 0; r < 2; ++r) {
        float w = (float)apt_width[0][r], sl = apt_len[0][r] / 2.0f;
        for (int k = 0; k < 5; ++k) {
            // Into the runway frame: heading 0 keeps the axes, 90 turns them.
            float dx = xs[k] - X(0, r), dz = zs[k] - Z(0, r);
            float across = r == 0 ? dx : dz, along = r == 0 ? dz : -dx;
            bool inside = across > -w / 2 - 1 + 25 && across < 2.5f * w - 25 && std::fabs(along) < sl - 25;
            EXPECT_FALSE(inside) << "building " << k << " on runway " << r;
        }
    }
    bool moved = false;
    for (int k = 0; k < 4; ++k) {
        float d = std::hypot(xs[k + 1] - xs[k], zs[k + 1] - zs[k]);
        EXPECT_GE(d, 45 - 0.05f) << k;
        if (k < 3 && d > 46) moved = true;
    }
    EXPECT_TRUE(moved) << "the second runway should have pushed a hangar on";
}

TEST_F(Airports, HangarSteppingIsCappedAndPlacesTheBuilding)
{
    // A long parallel runway under the whole hangar row of the longest one.
    load(airport({{0, 0, 0, 20000, 150}, {100, 129, 0, 19000, 200}}));
    build(0, 0);
    float x0, z0;
    obj_centre(0, &x0, &z0);
    float sx = X(0, 0) + 189, sz = Z(0, 0) + 0.35f * apt_len[0][0];
    EXPECT_NEAR(std::hypot(x0 - sx, z0 - sz), 101 * 45.0f, 1);
    EXPECT_TRUE(in_runway(0, x0, z0, 1));
    EXPECT_EQ(obj_type[0], 97);
}

TEST_F(Airports, AirportWithoutRunwaysBuildsNothing)
{
    load(airport({}) + airport({{0, 0, 0, 3000, 0}}, 1, "KNOW"));
    for (int a = 0; a < 2; ++a) {
        for (int k = 0; k < 5; ++k) obj_type[5 * a + k] = 97;   // last window's buildings
        scn.sockinit[a][0][0] = 1;
        build(a, a);
        EXPECT_EQ(env.rwaymax[a], -1) << a;
        EXPECT_EQ(first_rway(a), -1) << a;
        for (int k = 0; k < 5; ++k) EXPECT_EQ(obj_type[5 * a + k], 0) << a << " " << k;
        for (int r = 0; r < 3; ++r) EXPECT_EQ(scn.sockinit[a][r][0] + scn.sockinit[a][r][1], 0) << a;
    }
}

TEST_F(Airports, AbsentRunwayListsAreNeverRead)
{
    // Runways 0 and 2 present, 1 absent. Runway 1's lists hold a stale
    // outline round the whole world, or NaN.
    load(airport({{0, 0, 0, 8000, 150}, {}, {0, 1500, 0, 6000, 150}}));
    for (int variant = 0; variant < 2; ++variant) {
        SCOPED_TRACE(variant);
        memset(&scn, 0, sizeof scn);
        float big = 1e6f, nan = std::nanf("");
        for (int i = 0; i < 813; ++i)
            for (int c = 0; c < 3; ++c) scn.rwayxyz[0][1][i][c] = variant ? nan : 0;
        for (int m = 0; m < 6; ++m)
            for (int c = 0; c < 4; ++c) {
                scn.markxyz[0][1][m][c][0] = variant ? nan : (c == 0 || c == 3 ? -big : big);
                scn.markxyz[0][1][m][c][1] = variant ? nan : 0;
                scn.markxyz[0][1][m][c][2] = variant ? nan : (c < 2 ? -big : big);
            }
        env.rwaymax1[0][1] = 15;
        env.twaymax2[0][1] = 215;
        const float corner[4][2] = {{-big, big}, {-big, -big}, {big, -big}, {big, big}};
        const int idx[4] = {0, 15, 215, 200};
        for (int c = 0; c < 4; ++c) {
            scn.rwayxyz[0][1][idx[c]][0] = variant ? nan : corner[c][0];
            scn.rwayxyz[0][1][idx[c]][2] = variant ? nan : corner[c][1];
        }
        build(0, 0);
        EXPECT_EQ(env.rwaymax[0], 2);
        EXPECT_EQ(first_rway(0), 0);
        for (int r = 0; r <= 2; r += 2) {
            EXPECT_TRUE(all_finite(0, r)) << r;
            for (int i = 1; i < env.rwaymax1[0][r]; ++i) EXPECT_FALSE(cleared(0, r, i)) << r << " " << i;
            EXPECT_EQ(scn.sockinit[0][r][0] + scn.sockinit[0][r][1], 2) << r;
        }
        float xs[4], zs[4];
        for (int k = 0; k < 4; ++k) obj_centre(k, &xs[k], &zs[k]);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(std::hypot(xs[k + 1] - xs[k], zs[k + 1] - zs[k]), 45, 0.1f) << k;
        EXPECT_FALSE(in_runway(0, xs[0], zs[0], -1));
    }
}

TEST_F(Airports, InRunwayMeansTwentyFiveMetresInside)
{
    load(airport({{0, 0, 0, 8000, 150}}));
    build(0, 0);
    float X0 = X(0, 0), Z0 = Z(0, 0);
    float left = X0 - apt_width[0][0] / 2.0f - 1;
    EXPECT_TRUE(in_runway(0, left + 26, Z0, -1));
    EXPECT_FALSE(in_runway(0, left + 24, Z0, -1));
    EXPECT_FALSE(in_runway(0, left - 10, Z0, 0));
    EXPECT_TRUE(in_runway(0, X0 + 40, Z0, 0));
    EXPECT_FALSE(in_runway(0, X0, Z0, 0));   // 23.5 m from the left edge lights
    EXPECT_FALSE(in_runway(0, X0, Z0, 1));   // runway 1 does not exist
}
