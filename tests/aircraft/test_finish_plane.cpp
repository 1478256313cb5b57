// Completion of a loaded aircraft: helpers, masses, body areas, slats, gear,
// resting attitude, stall speed, and the downwash and propwash maps.
#include "aircraft_fixture.h"

#include "flight/finish_plane.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstdio>

namespace {
using FinishPlane = AircraftTest;

std::string fmt(const char* format, double v)
{
    char s[100];
    snprintf(s, sizeof s, format, v);
    return s;
}

std::string spaces(int n)
{
    return std::string(n, ' ');
}

TEST(SpecificDownwash, FromTheTablesWithItsClamps)
{
    struct Case {
        float hDs, xDs, AR, TR, wash;
    } cases[] = {
        {0, 0.6f, 6, 1.0f, 6.2f},     // a corner of the tables, no spread
        {0.2f, 1.6f, 9, 0.5f, 3.234f},
        {0.4f, 2.0f, 12, 0.2f, 2.104f},
        // Clamped to hDs 0, xDs 0.5, AR 3, TR 1.1, then extrapolated.
        {-1, 0.1f, 2, 1.5f, 7.9f},
        // The wash at 0.6 semi-spans is held at 10.
        {0, 0.6f, 2, 0.05f, 10},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(findspecwash(c.hDs, c.xDs, c.AR, c.TR), c.wash, 1e-4) << c.hDs << " " << c.xDs << " " << c.AR;
}

TEST(SpecificDownwash, Interp9IsBilinearWithADescendingYGrid)
{
    // The centre of the cell AR 6..9, TR 1.0..0.5 of the e0 table.
    EXPECT_NEAR(interp9(6, 9, 12, 1.0f, 0.5f, 0.2f, 6.2f, 4.0f, 3.0f, 8.0f, 5.1f, 3.9f, 9.1f, 6.1f, 4.3f, 7.5f, 0.75f),
                (6.2f + 4.0f + 8.0f + 5.1f) / 4, 1e-5);
}

TEST(PartGeometry, TriangleArea)
{
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 3, 0, 0, 0, 4, 0), 6);
    EXPECT_FLOAT_EQ(findarea(1, 1, 1, 1, 1, 4, 1, 5, 1), 6);
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 1, 1, 1, 2, 2, 2), 0);
}

TEST(PartNames, ElevenCharacterLabels)
{
    pln.is_heli = 0;
    struct Case {
        int heli, EN;
        const char* name;
    } cases[] = {{0, 0, "propeller 1"}, {0, 1, "propeller 2"}, {0, 3, "propeller 4"}, {0, 5, "rigt wing 1"},
                 {0, 11, "rigt h-stab"}, {0, 13, "vert stab 2"}, {0, 17, "eng pylon 4"}, {0, 18, "fuselage   "},
                 {0, 22, "nacelle 4  "}, {0, 24, "misc body 2"}, {0, 27, "w-fairing 3"}, {0, 28, ""},
                 {0, -1, ""},           {1, 0, "main rotor"},   {1, 1, "tail rotor"},   {1, 2, "propeller 3"}};
    for (const auto& c : cases) {
        pln.is_heli = c.heli;
        EXPECT_STREQ(part_name(c.EN), c.name) << c.EN;
    }
    pln.is_heli = 0;
}

TEST_F(FinishPlane, TricycleNoseWheelUsesTheMainGearSpring)
{
    trainer();
    load();
    // 2300 lb settles by 0.307 ft; the mains carry 0.34 of the weight each.
    float W = 2300 * 0.4535925f * con.g;
    float d = (0.1f + 0.9f * 2299 / 9999) * 0.3048f;
    EXPECT_NEAR(pln.mgearcon, 0.336413f * W / d, 5);
    EXPECT_FLOAT_EQ(pln.ngearcon, pln.mgearcon);
    EXPECT_FLOAT_EQ(pln.mgeardmp, 0.1f * pln.mgearcon);
    EXPECT_NEAR(pln.skidcon, 0.5f * W / d, 5);
    EXPECT_FLOAT_EQ(pln.skiddmp, 0.05f * pln.skidcon);
    // The contact points drop by their static compression.
    EXPECT_NEAR(pln.mgearY, -3.6f * 0.3048f - d, 1e-5);
    EXPECT_NEAR(pln.ngearY, -3.6f * 0.3048f - 0.327150f * W / pln.mgearcon, 1e-5);
    // Level on its wheels, the centre of gravity 3.6 ft up.
    EXPECT_NEAR(pln.the_eqlbm, 0, 1e-4);
    EXPECT_NEAR(pln.h_eqlbm, 3.6f * 0.3048f, 1e-5);
}

TEST_F(FinishPlane, TailWheelKeepsItsOwnSofterSpring)
{
    trainer();
    pln.ngearZ = 18;
    pln.ngearY = 1.5f;
    pln.mgearZ = 2.5f;
    load();
    float W = 2300 * 0.4535925f * con.g;
    float d = (0.1f + 0.9f * 2299 / 9999) * 0.3048f;
    EXPECT_NEAR(pln.ngearcon, 0.037635f * W / d, 5);
    EXPECT_NEAR(pln.mgearcon, 0.481183f * W / d, 10);
    EXPECT_LT(pln.ngearcon, pln.mgearcon / 5);
    // Sitting on its tail: nose up by asin(1.5 / 15.5).
    EXPECT_NEAR(pln.the_eqlbm, std::asin(1.5f / 15.5f) * 180 / con.pi, 1e-3);
    EXPECT_TRUE(caught_alerts.empty());
}

TEST_F(FinishPlane, HeavyAircraftSettleByOneFoot)
{
    trainer();
    pln.m_max = 20000;
    load();
    EXPECT_NEAR(pln.skidcon, 0.5f * 20000 * 0.4535925f * con.g / 0.3048f, 1);
    EXPECT_NEAR(pln.mgearY, -3.6f * 0.3048f - 0.3048f, 1e-5);
}

TEST_F(FinishPlane, ExcessiveRestingAttitudeIsANoticeAndTheLoadGoesOn)
{
    const std::string notice = alert_text({"This thing sits on the ground with an excessive attitute.",
                                           "Check up on the landing gear locations and heights in Fabrex.", "",
                                           "I will let you go flying, but you may encounter problems on the ground."});
    struct Case {
        float nose_y_ft, attitude;
        int noticed;
    } cases[] = {
        {-5.4f * std::sin(31 * con.degtorad), 31, 1},
        {-5.4f * std::sin(29 * con.degtorad), 29, 0},
        {5.4f * std::sin(31 * con.degtorad), 329, 1},
        // Beyond the wheelbase: held at straight up, never a NaN.
        {-10, 90, 1},
    };
    for (const auto& c : cases) {
        caught_alerts.clear();
        trainer();
        pln.ngearY = c.nose_y_ft;
        load();
        SCOPED_TRACE(c.attitude);
        EXPECT_NEAR(pln.the_eqlbm, c.attitude, 1e-2);
        ASSERT_EQ((int)caught_alerts.size(), c.noticed);
        if (c.noticed) {
            EXPECT_EQ(caught_alerts[0], notice);
        }
        EXPECT_GT(msc.est_Vs, 20);
    }
}

TEST_F(FinishPlane, StallSpeedEstimate)
{
    trainer();
    load();
    // Both wing panels and the stabilizer: 212 sq ft, 2300 lb.
    EXPECT_NEAR(msc.est_Vs, 29.10f, 0.02f);

    trainer();
    pln.is_heli = 1;
    pln.fusewash = 0;
    for (int p : {0, 1}) {
        pln.semilen[p] = p == 0 ? 17 : 3;
        pln.Croot[p] = pln.Ctip[p] = 0.8f;
        pln.els[p] = 8;
    }
    load();
    EXPECT_NEAR(msc.est_Vs, 50 * 0.514444f, 1e-3);
}

TEST_F(FinishPlane, RoundFuselageAreasAndCentroid)
{
    trainer();
    for (int s = 0; s < 11; ++s)
        for (int r = 0; r < 16; ++r) {
            float a = 2 * con.pi * r / 16;
            pln.body_Z[18][s][r] = 2.0f * s;
            pln.body_X[18][s][r] = 3 * std::sin(a);
            pln.body_Y[18][s][r] = 3 * std::cos(a);
        }
    load();
    const float radius = 3 * 0.3048f, length = 20 * 0.3048f;
    // A sixteen-sided section, 20 ft long.
    EXPECT_NEAR(pln.fuse_s_frn, 8 * radius * radius * std::sin(con.pi / 8), 1e-4);
    EXPECT_NEAR(pln.fuse_s_sid, 2 * radius * length, 1e-4);
    EXPECT_NEAR(pln.fuse_s_top, 2 * radius * length, 1e-4);
    EXPECT_NEAR(pln.fuseZcent, (10 - 37.0f / 12) * 0.3048f, 1e-4);
    EXPECT_NEAR(pln.fuseYcent, -3.6f * 0.3048f, 1e-4);
    EXPECT_TRUE(log_has("   The frontal area of the fuselage is  2.6 square meters."));
    EXPECT_TRUE(log_has("   The side    area of the fuselage is 11.1 square meters."));
    EXPECT_TRUE(log_has("   The longitudinal centroid of the fuselage is at  2.1 meters."));
    EXPECT_TRUE(log_has("These dimensions, like all dimensions in this output file, are with respect to the C.G.!"));
}

TEST_F(FinishPlane, EnginesHeavierThanTheAirframeLeaveOnlyTheEngines)
{
    trainer();
    // A jet: a piston engine's power could not outweigh the airframe and load.
    pln.entype = 4;
    pln.tmax = 1000;
    pln.fusewash = 0;
    pln.m_empty = 100;   // less than the 180 lb of a 1000 lb jet
    load();
    float X = 0, Y = 0.4f * 0.3048f, Z = (-2.6f - 37.0f / 12) * 0.3048f;
    EXPECT_NEAR(pln.Jxx_unitmass, 1.8f * (Z * Z + Y * Y), 1e-4);
    EXPECT_NEAR(pln.Jyy_unitmass, 1.8f * (Z * Z + X * X), 1e-4);
    EXPECT_NEAR(pln.Jzz_unitmass, 1.8f * (X * X + Y * Y), 1e-4);
    EXPECT_TRUE(log_has("Engine number 1, however, weighs 82 kg, and is at:"));
    EXPECT_TRUE(log_has("   long arm=  -1.7 meters."));
    EXPECT_TRUE(log_has("Final radii of gyration are then as follows:"));
}

TEST_F(FinishPlane, SlatsStretchTheStallAngle)
{
    trainer();
    for (int e = 0; e < 6; ++e) pln.slat[4][e] = 1;
    pln.slat_inc = 5;
    load();
    EXPECT_EQ(pln.slatEQ, 1);
    float effect = (pln.alpha_max[4] + 5) / pln.alpha_max[4];
    EXPECT_FLOAT_EQ(pln.slat_effect[4], effect);
    EXPECT_FLOAT_EQ(pln.slat_effect[5], 1);
    EXPECT_FLOAT_EQ(pln.slat_effect[20], 1);
    EXPECT_TRUE(log_has("For left wing 1:"));
    EXPECT_TRUE(log_has("Full slat deployment will cause coefficient data to spread out alpha-wise to " +
                        fmt("%2.0f", 100 * effect) + "% of original."));
}

// A short wing ahead of a one-strip stabilizer twice its span: the strip's
// centre lies exactly under the wing tip.
class DownwashMap : public AircraftTest {
protected:
    void layout(float stab_z)
    {
        trainer();
        for (int p : {6, 7}) pln.semilen[p] = 0;
        for (int p : {4, 5}) {
            pln.semilen[p] = 5;
            pln.Croot[p] = pln.Ctip[p] = 5;
            pln.dihed[p] = pln.sweep1[p] = 0;
        }
        for (int p : {10, 11}) {
            pln.semilen[p] = 10;
            pln.els[p] = 1;
            pln.sweep1[p] = 0;
            pln.Zarm[p] = stab_z;
        }
    }
};

TEST_F(DownwashMap, SameSideOnlyAndTheTipSpanIncluded)
{
    layout(18);
    load();
    EXPECT_EQ(pln.in_downwash[10][4][0], 1);
    EXPECT_EQ(pln.in_downwash[11][5][0], 1);
    EXPECT_EQ(pln.in_downwash[11][4][0], 0);
    EXPECT_EQ(pln.in_downwash[10][5][0], 0);
    EXPECT_TRUE(log_has("DOWNWASH SITUATION:  W1=wing 1"));
    EXPECT_TRUE(log_has("left h-stab: " + spaces(70) + " W1------ FUSE W1------ " + spaces(70)));
    EXPECT_TRUE(log_has("the downwash of the left wing 1 on the left h-stab will be " +
                        fmt("%3.1f", pln.spec_wash[4]) + " deg per coefficient of lift"));
}

TEST_F(DownwashMap, ASurfaceBehindOrLevelWashesNothing)
{
    layout(0);
    for (int p : {10, 11}) pln.Zarm[p] = pln.Zarm[4];   // level with the wing
    load();
    EXPECT_EQ(pln.in_downwash[10][4][0], 0);
    EXPECT_EQ(pln.in_downwash[4][10][0], 0);

    layout(-1);   // a canard: it washes the wing, not the other way round
    load();
    EXPECT_EQ(pln.in_downwash[10][4][0], 0);
    EXPECT_EQ(pln.in_downwash[4][10][0], 1);
}

// The stabilizer behind a wing sees the wash of the whole wing: a tapered
// wing made of two panels, the outer one's root at the inner one's tip,
// washes it as the same wing in one part does, from the whole semi-span and
// taper.
TEST_F(FinishPlane, AWingOfTwoPanelsWashesLikeTheSameWingInOnePart)
{
    const float semi = 18, inner = 7.5f, root = 5.3f, tip = 3.7f;
    trainer();
    for (int p : {6, 7}) pln.semilen[p] = 0;
    for (int p : {4, 5}) {
        pln.semilen[p] = semi;
        pln.Croot[p] = root;
        pln.Ctip[p] = tip;
        pln.sweep1[p] = pln.sweep2[p] = pln.dihed[p] = 0;
    }
    load();
    float whole = pln.spec_wash[4];
    float xDs = std::fabs(pln.Zarm[10] - pln.Zarm[4]) / pln.semilen[4];
    float hDs = std::fabs(pln.Yarm[10] - pln.Yarm[4]) / pln.semilen[4];
    EXPECT_FLOAT_EQ(whole, findspecwash(hDs, xDs, pln.AR[4], tip / root));

    trainer();
    float mid = interp(0, root, semi, tip, inner);
    for (int p : {4, 5, 6, 7}) {
        int outer = p >= 6;
        float side = p % 2 ? 1 : -1;
        pln.semilen[p] = outer ? semi - inner : inner;
        pln.Croot[p] = outer ? mid : root;
        pln.Ctip[p] = outer ? tip : mid;
        pln.sweep1[p] = pln.sweep2[p] = pln.dihed[p] = 0;
        pln.Xarm[p] = outer ? side * inner : 0;
        pln.Yarm[p] = pln.Yarm[4];
        pln.Zarm[p] = pln.Zarm[4];
    }
    load();
    EXPECT_TRUE(log_has("   !!!Note: I am joining left wing 1 to left wing 2 to form one continuous wing!!!"));
    EXPECT_NEAR(pln.spec_wash[4], whole, 1e-4f);
    EXPECT_FLOAT_EQ(pln.spec_wash[5], pln.spec_wash[4]);
    // The panels alone would give much less: a short untapered wing.
    EXPECT_GT(pln.spec_wash[4], 1.5f * findspecwash(hDs * semi / inner, xDs * semi / inner, pln.AR[4], 1));
    EXPECT_TRUE(log_has("Based on the left wing 1 AR of " + fmt("%4.2f", pln.AR[4]) + ","));
    EXPECT_TRUE(log_has("                         TR of " + fmt("%4.2f", tip / root) + ","));
    EXPECT_TRUE(log_has("the downwash of the left wing 1 on the left h-stab will be " + fmt("%3.1f", whole) +
                        " deg per coefficient of lift"));
    // The outer panels reach beyond the stabilizer: they wash nothing.
    EXPECT_FLOAT_EQ(pln.spec_wash[6], 0);
}

TEST_F(FinishPlane, PropwashMapAndStreamAngles)
{
    trainer();
    load();
    // The 75 in disc covers the two inner strips of the stabilizer and fin,
    // and the three inner strips (1.25 ft each) of the wing.
    for (int p : {4, 5, 10, 11, 12}) {
        int covered = p <= 5 ? 3 : 2;
        for (int e = 0; e < 4; ++e) EXPECT_EQ(pln.in_propwash[p][0][e], e < covered) << p << " " << e;
    }
    EXPECT_EQ(pln.in_propwash[6][0][0], 0);
    EXPECT_NEAR(pln.hi_washdir[10][0], 7.7941f, 1e-3);
    EXPECT_NEAR(pln.max_washdir[10][0], -0.2593f, 1e-3);
    EXPECT_NEAR(pln.lo_washdir[10][0], -8.3024f, 1e-3);
    EXPECT_FLOAT_EQ(pln.hi_washdir[6][0], 0);
    EXPECT_TRUE(log_has("PROPWASH SITUATION: 1 through 4 means propwash from that engine on element."));
    EXPECT_TRUE(log_has("vert stab 1:" + spaces(24) + " ----  ----  1---  1--- FUSE" + spaces(48)));
    EXPECT_TRUE(log_has("For propwash from propeller 1 onto left h-stab:"));
    EXPECT_TRUE(log_has("There will be no   propwash if the propwash stream angle is above    8 deg."));
    EXPECT_TRUE(log_has("There will be no   propwash if the propwash stream angle is below   -8 deg."));
}
} // namespace
