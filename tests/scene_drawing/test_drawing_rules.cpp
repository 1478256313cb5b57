// The decisions behind the scene's drawers, headless: glide-slope colours,
// runway marking and numbers, which end is lit, centre-line colours, towers,
// roofs, stars, meteors, fires and smoke.
#include "tests/airports/airport_fixture.h"

#include "records/flight_state.h"
#include "world/scene_drawing.h"
#include "world/scene_drawing_rules.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

// The vertices given one by one and the moves of the frame, as drawn.
static std::vector<float> vertices3f, translations;

extern "C" {
void __wrap_glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    vertices3f.insert(vertices3f.end(), {x, y, z});
}
void __wrap_glTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    translations.insert(translations.end(), {x, y, z});
}
}

TEST(GlideSlope, LightsRedBelowTheirAngles)
{
    struct Case {
        int code;
        float gs;
        int red[4];
    } cases[] = {
        {3, 3.0f, {0, 0, 1, 1}}, {3, 2.7f, {0, 1, 1, 1}}, {3, 2.5f, {1, 1, 1, 1}}, {3, 3.5f, {0, 0, 0, 0}},
        {2, 3.0f, {1, 1, 0, 0}}, {2, 2.0f, {1, 1, 1, 1}}, {2, 3.6f, {0, 0, 0, 0}}, {0, 1.0f, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        int red[4];
        glide_slope_reds(c.code, c.gs, red);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(red[k], c.red[k]) << "code " << c.code << " at " << c.gs << " light " << k;
    }
}

TEST(GlideSlope, AngleIsFiniteStraightAboveTheLight)
{
    EXPECT_FLOAT_EQ(glide_path_angle(100, 0), 90);
    EXPECT_NEAR(glide_path_angle(52.4f, 1000), 3.0f, 0.01f);
    EXPECT_LT(glide_path_angle(-5, 0), 0);
}

TEST(RunwayMarking, NumbersAtBothEnds)
{
    struct Case {
        int num, far_end, shown, tex_c3, tex_c2;
    } cases[] = {
        {9, 0, 9, 33, 46}, {9, 1, 27, 44, 35}, {36, 1, 18, 45, 34}, {18, 1, 36, 43, 36}, {1, 1, 19, 46, 34},
        {27, 0, 27, 35, 44},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.num * 10 + c.far_end);
        EXPECT_EQ(end_number(c.num, c.far_end), c.shown);
        int t3, t2;
        number_textures(c.num, c.far_end, &t3, &t2);
        EXPECT_EQ(t3, c.tex_c3);
        EXPECT_EQ(t2, c.tex_c2);
    }
}

TEST(RunwayMarking, SizeClassBySurfaceAndLength)
{
    struct Case {
        int len, surf, cls;
    } cases[] = {{1200, 27, 1}, {1201, 27, 2}, {2400, 28, 2}, {2401, 27, 3}, {3000, 29, 0}, {3000, 30, 0}, {500, 31, 0}};
    for (const Case& c : cases) EXPECT_EQ(runway_class(c.len, c.surf), c.cls) << c.len << " " << c.surf;
}

TEST(RunwayMarking, SpecialSurfaceIsPlainTexture)
{
    int first, last;
    runway_segments(0, 40, &first, &last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 39);
    for (int s = first; s <= last; ++s) {
        int far_end;
        EXPECT_EQ(marking_texture(segment_marking(0, s, 40, &far_end), 30), 30) << s;
    }
}

TEST(RunwayMarking, ClassThreeSegmentsMirroredAtTheFarEnd)
{
    const int smax = 60;
    int first, last;
    runway_segments(3, smax, &first, &last);
    EXPECT_EQ(first, -2);
    EXPECT_EQ(last, smax + 1);
    struct Case {
        int s, tex, far_end;
    } cases[] = {{-2, 49, 0}, {-1, 49, 0}, {0, 50, 0}, {3, 51, 0}, {5, 52, 0}, {7, 51, 0}, {9, 51, 0}, {10, 53, 0},
                 {2, 53, 0},  {smax + 1, 49, 1}, {smax - 1, 50, 1}, {smax - 4, 51, 1}, {smax - 6, 52, 1}, {30, 53, 0}};
    for (const Case& c : cases) {
        int far_end;
        int m = segment_marking(3, c.s, smax, &far_end);
        EXPECT_EQ(marking_texture(m, 27), c.tex) << c.s;
        if (m != MARK_PLAIN) {
            EXPECT_EQ(far_end, c.far_end) << c.s;
        }
    }
    int far_end;
    EXPECT_EQ(segment_marking(3, 1, smax, &far_end), MARK_NUMBERS);
    EXPECT_EQ(far_end, 0);
    EXPECT_EQ(segment_marking(3, smax - 2, smax, &far_end), MARK_NUMBERS);
    EXPECT_EQ(far_end, 1);
}

TEST(RunwayLights, ByDayOnlyGlideSlopeLights)
{
    rway_light_plan day = plan_rway_lights(0, 1, 5, 5, 3);
    EXPECT_TRUE(day.glide_slope);
    EXPECT_FALSE(day.taxiway || day.edge || day.threshold || day.centreline || day.touchdown || day.approach ||
                 day.approach_far || day.approach_red || day.strobe);
    rway_light_plan night = plan_rway_lights(1, 1, 5, 5, 3);
    EXPECT_TRUE(night.taxiway && night.edge && night.threshold && night.threshold_bars && night.centreline &&
                night.touchdown && night.approach && night.approach_far && night.approach_red && night.strobe);
    rway_light_plan edges_only = plan_rway_lights(1, 0, 2, 1, 1);
    EXPECT_TRUE(edges_only.edge);
    EXPECT_FALSE(edges_only.glide_slope || edges_only.taxiway || edges_only.threshold || edges_only.strobe);
    EXPECT_TRUE(plan_rway_lights(1, 0, 1, 6, 1).strobe);
    EXPECT_FALSE(plan_rway_lights(1, 0, 1, 6, 1).approach);
}

TEST(RunwayLights, LitEndFollowsTheCamera)
{
    struct Case {
        float psi;
        int hdng, straight;
    } cases[] = {{90, 90, 1},  {179, 90, 1},  {180, 90, 0},   {0, 90, 0},   {1, 90, 1},   {359.5f, 0, 1},
                 {90, 0, 0},   {89.9f, 0, 1}, {270, 0, 0},    {271, 0, 1},  {10, 350, 1}, {350, 10, 1},
                 {190, 10, 0}, {260, 350, 0}, {261, 350, 1}};
    for (const Case& c : cases) EXPECT_EQ(straight_in(c.psi, c.hdng), c.straight) << c.psi << " on " << c.hdng;
}

TEST(RunwayLights, ThresholdAndEdgeColoursTurnWithTheView)
{
    EXPECT_TRUE(threshold_green(501, 1));
    EXPECT_FALSE(threshold_green(514, 1));
    EXPECT_FALSE(threshold_green(513, 0));
    EXPECT_TRUE(threshold_green(526, 0));
    // Edge rows of 50 lights with a 10-light caution zone at either end.
    EXPECT_FALSE(edge_amber(0, 1, 10, 39, 89, 60));
    EXPECT_TRUE(edge_amber(39, 1, 10, 39, 89, 60));
    EXPECT_TRUE(edge_amber(89, 1, 10, 39, 89, 60));
    EXPECT_TRUE(edge_amber(10, 0, 10, 39, 89, 60));
    EXPECT_FALSE(edge_amber(11, 0, 10, 39, 89, 60));
    EXPECT_TRUE(edge_amber(60, 0, 10, 39, 89, 60));
    EXPECT_FALSE(edge_amber(61, 0, 10, 39, 89, 60));
}

TEST(Beacon, TurnsWhiteThenGreen)
{
    EXPECT_FLOAT_EQ(beacon_intensity(1.5707963f), 1);
    EXPECT_FLOAT_EQ(beacon_intensity(-1.5707963f), -1);
    EXPECT_NEAR(beacon_intensity(0.5f), std::pow(std::sin(0.5f), 4.0f), 1e-6f);
    EXPECT_FLOAT_EQ(beacon_intensity(0), 0);
}

TEST(Beacon, TooSmallAPointSkipsTheFrame)
{
    EXPECT_EQ(beacon_point_size(0, 1), 0);
    EXPECT_EQ(beacon_point_size(0.3f, 1), 0);
    EXPECT_FLOAT_EQ(beacon_point_size(-0.6f, 1), 1.2f);
    EXPECT_FLOAT_EQ(beacon_point_size(1, 1), 2);
    EXPECT_EQ(beacon_point_size(0, 0), 0);
}

// A 3000 m runway, read in the direction of travel from either end: white,
// then alternating red and white, then red to the end.
TEST_F(Airports, CentreLineColoursOfA3000mRunway)
{
    load(airport({{0, 0, 0, 9843, 150}}));
    build(0, 0);
    int last = env.RCLSmax[0][0];
    ASSERT_EQ(last, 149);
    std::string from_start, from_far;
    auto colour = [](int i, int straight) {
        return centreline_red(i, straight, env.altred1[0][0], env.red1[0][0], env.altred2[0][0], env.red2[0][0]) ? 'R'
                                                                                                                 : 'W';
    };
    for (int i = 100; i <= last; ++i) from_start += colour(i, 1);
    for (int i = last; i >= 100; --i) from_far += colour(i, 0);
    std::regex shape("(W+)((?:RW)+R?)(R+)");
    for (const std::string& seq : {from_start, from_far}) {
        SCOPED_TRACE(seq);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(seq, m, shape));
        // The last 1500 ft red, the 1500 ft before them alternating, 200 ft apart.
        EXPECT_NEAR((double)(m[3].length() + (m[2].length() % 2)), 7.5, 1);
        EXPECT_NEAR((double)m[2].length() - m[2].length() % 2, 8, 1);
    }
}

TEST_F(Airports, RabbitRunsFromItsStartTowardTheRunway)
{
    load(airport({{0, 0, 0, 9843, 150, 1121125}}));
    build(0, 0);
    env.apt_list_max = 0;
    move_rabbits(1);
    for (int e = 0; e < 2; ++e) {
        const float* p = scn.rwayxyz[0][0][311 * e + 280];
        EXPECT_FLOAT_EQ(p[0], scn.rabbitsX[0][0][e]);
        EXPECT_FLOAT_EQ(p[2], scn.rabbitsZ[0][0][e]);
    }
    float before = std::hypot(scn.rwayxyz[0][0][280][0] - X(0, 0), scn.rwayxyz[0][0][280][2] - Z(0, 0));
    for (int k = 0; k < 9; ++k) move_rabbits(0);
    float after = std::hypot(scn.rwayxyz[0][0][280][0] - X(0, 0), scn.rwayxyz[0][0][280][2] - Z(0, 0));
    EXPECT_NEAR(before - after, 450, 1);
    move_rabbits(1);
    EXPECT_FLOAT_EQ(scn.rwayxyz[0][0][280][0], scn.rabbitsX[0][0][0]);
}

TEST(Obstacles, RadioTowerColumnAndFlash)
{
    EXPECT_EQ(radtower_points(150), 10);
    EXPECT_EQ(radtower_points(150.5f), 13);
    EXPECT_EQ(radtower_points(20), 10);
    EXPECT_TRUE(flash_on(0, 30));
    EXPECT_TRUE(flash_on(2.9f, 1));   // round(29) + 1
    EXPECT_FALSE(flash_on(2.9f, 2));
}

TEST(Obstacles, FlatObjectHasNoWalls)
{
    EXPECT_EQ(wall_rows(0, 3, 100, 100), 0);
    EXPECT_EQ(wall_rows(0, 1, 100, 99), 0);
    EXPECT_EQ(wall_rows(0, 3, 100, 124), 3);
    EXPECT_EQ(wall_rows(0, 1, 0, 5), 1);
}

TEST(Obstacles, TurnedRoofUsesTheBoxOfCorners1And3)
{
    // A roof turned so that corner 1 is the high corner and corner 3 the low.
    const float c1[3] = {20, 30, 15}, c3[3] = {-20, 30, -15};
    EXPECT_TRUE(in_roof_box(c1, c3, 0, 0));
    EXPECT_TRUE(in_roof_box(c1, c3, 19, -14));
    EXPECT_FALSE(in_roof_box(c1, c3, 21, 0));
    EXPECT_FALSE(in_roof_box(c1, c3, 0, -16));
    EXPECT_TRUE(in_roof_box(c3, c1, 0, 0));
}

TEST(Obstacles, QuadContactInEitherWinding)
{
    const float cw[4][3] = {{0, 0, 0}, {10, 0, 0}, {10, 0, 10}, {0, 0, 10}};
    const float ccw[4][3] = {{0, 0, 0}, {0, 0, 10}, {10, 0, 10}, {10, 0, 0}};
    for (auto q : {cw, ccw}) {
        EXPECT_TRUE(in_quad_xz(q, 5, 5));
        EXPECT_TRUE(in_quad_xz(q, 0, 5));
        EXPECT_FALSE(in_quad_xz(q, -0.1f, 5));
        EXPECT_FALSE(in_quad_xz(q, 5, 10.1f));
    }
}

TEST(Obstacles, BuildingTable)
{
    EXPECT_FALSE(building_of(3));
    EXPECT_FALSE(building_of(4));
    EXPECT_FALSE(building_of(93)->lit);   // no window lights, as the text says
    EXPECT_FALSE(building_of(97)->lit);
    EXPECT_EQ(building_of(6)->roof_tex, 0);
    EXPECT_EQ(building_of(95)->roof_tex, 56);
    EXPECT_TRUE(building_of(95)->helipad);
    EXPECT_EQ(building_of(92)->window_ring, 2);
    float c[3];
    code_rgb(90505, c);   // kept as stored: 9, 5, 5 tenths
    EXPECT_FLOAT_EQ(c[0], 0.9f);
    EXPECT_FLOAT_EQ(c[1], 0.5f);
    EXPECT_FLOAT_EQ(c[2], 0.5f);
}

TEST(Sky, StarsOnlyInADarkSky)
{
    struct Case {
        float r, g, b, hours;
        int visible;
    } cases[] = {{0.5f, 0.6f, 0.8f, 10, 0}, {0.3f, 0.3f, 0.3f, 15, 0}, {0.05f, 0.05f, 0.1f, 22, 1},
                 {0.05f, 0.05f, 0.1f, 3, 1},  {0.2f, 0.2f, 0.3f, 11, 1}, {0.2f, 0.2f, 0.3f, 13, 0}};
    for (const Case& c : cases) {
        float brat = star_brat(c.r, c.g, c.b, c.hours);
        EXPECT_EQ(stars_visible(brat, c.r, c.g, c.b), c.visible) << c.hours << " " << c.r;
    }
    int s1, s2;
    float share;
    const int lo[5] = {1, 201, 401, 801, 1401}, hi[5] = {200, 400, 800, 1400, 1999};
    for (int g = 0; g < 5; ++g) {
        star_group(g, &s1, &s2, &share);
        EXPECT_EQ(s1, lo[g]);
        EXPECT_EQ(s2, hi[g]);
        EXPECT_FLOAT_EQ(share, 1 - 0.2f * g);
    }
}

TEST(Sky, MeteorsByCode)
{
    const float interval[6] = {300, 600, 300, 150, 30, 300};
    for (int code = 0; code <= 5; ++code) EXPECT_EQ(meteor_interval(code), interval[code]) << code;
    toolkit_srand(1234);
    int starts = 0;
    const int frames = 600000;
    for (int f = 0; f < frames; ++f) starts += meteor_starts(meteor_interval(4), 0.05f);
    EXPECT_NEAR(starts, frames / 600, 100);
    EXPECT_EQ(meteor_starts(30, 0), 0);
}

// The meteor's line lies at its screen position taken as metres east and up
// from the eye, in the star field that stands at the eye; the view's heading
// does not move it.
TEST(Sky, MeteorAtItsOffsetsFromTheEye)
{
    msc.locl_time = 0;
    atm.meteorite_code = 4;
    msc.prd = 100;   // longer than the 30 s between meteors: one starts at once
    con.VIEW_xyz[0] = 1000, con.VIEW_xyz[1] = 2000, con.VIEW_xyz[2] = -3000;
    for (float psi : {0.0f, 90.0f, 225.0f}) {
        scn.psi = psi;
        vertices3f.clear();
        translations.clear();
        plot_stars(0, 0, 0, 0, 333, 800, 561);
        ASSERT_EQ(vertices3f.size(), 6u) << psi;
        EXPECT_EQ(std::vector<float>(translations.begin(), translations.begin() + 3),
                  (std::vector<float>{1000, 2000, -3000}));
        float x = vertices3f[0], y = vertices3f[1], dx = vertices3f[3] - x, dy = vertices3f[4] - y;
        EXPECT_GE(x, -16) << psi;
        EXPECT_LE(x, 816) << psi;
        EXPECT_GE(y, 333 - 16) << psi;
        EXPECT_LE(y, 561 - 4) << psi;
        EXPECT_LE(std::fabs(dx), 16) << psi;
        EXPECT_LE(dy, -4) << psi;
        EXPECT_GE(dy, -16) << psi;
        EXPECT_EQ(vertices3f[2], 0) << psi;
        EXPECT_EQ(vertices3f[5], 0) << psi;
    }
    msc.prd = 0.05f;
    scn.psi = 0;
}

TEST(Fires, FrameClockAndPhases)
{
    EXPECT_EQ(fire_texture(66, 0), 66);
    EXPECT_EQ(fire_texture(77.4f, 11), 76);
    EXPECT_EQ(fire_texture(70.6f, 7), 66);   // 71 + 7 wraps to 66
    float ft = 66;
    for (int f = 0; f < 1000; ++f) {
        ft = advance_fire_clock(ft, 0.05f);
        ASSERT_GE(ft, 66);
        ASSERT_LE(ft, 77);
    }
}

TEST(Fires, NoSmokeWithoutAFire)
{
    int fire_on[10] = {};
    float firexyz[10][3] = {};
    smoke.first = 1;
    for (int f = 0; f < 3000; ++f) step_smoke(0.1f, fire_on, firexyz, 270, 0);
    for (int s = 0; s < SMOKE_PUFFS; ++s) EXPECT_FALSE(smoke.live[s]) << s;

    fire_on[3] = 1;
    firexyz[3][0] = 5000;
    firexyz[3][1] = 100;
    firexyz[3][2] = -7000;
    for (int f = 0; f < 1000; ++f) step_smoke(0.1f, fire_on, firexyz, 270, 0);
    for (int s = 0; s < SMOKE_PUFFS; ++s) {
        ASSERT_TRUE(smoke.live[s]) << s;
        // Born 20 m over fire 3, drifting east on a west wind and rising.
        EXPECT_GE(smoke.s_x[s], 5000);
        EXPECT_LE(smoke.s_x[s], 9000);
        EXPECT_NEAR(smoke.s_z[s], -7000, 1000);
        EXPECT_GE(smoke.s_y[s], 120);
        EXPECT_GE(smoke.s_s[s], 25);
    }
}
