// The coefficient model: default airfoil and flap figures, the drag bucket,
// the stall at the end of its range.
#include "airfoil_test_support.h"
#include "tools/Sectra/airfoil_model.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/airfoil_record.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sectra;

namespace {
struct at_angle {
    float angle;
    float value;
};

class DefaultAirfoil : public ::testing::Test {
protected:
    void SetUp() override { reset_to_default(DEVICE_AIRFOIL); }
};
} // namespace

TEST_F(DefaultAirfoil, LiftAtTheTabledAngles)
{
    const at_angle cases[] = {{0, 0.25f},   {10, 1.27f},   {14.9f, 1.5986f}, {15, 1.5f},  {20, 0.7f},
                              {45, 0.45f},  {90, 0.0f},    {-10, -0.77f},    {-15, -1.1f}, {-20, -0.2f},
                              {-45, -0.1286f}};
    for (const auto& c : cases) EXPECT_NEAR(cl[table_index(c.angle)], c.value, 1e-4) << "at " << c.angle;
    // No kink in value where the curve leaves the straight line.
    EXPECT_NEAR(cl[table_index(10.1f)] - cl[table_index(10.0f)], cl[table_index(10.0f)] - cl[table_index(9.9f)], 2e-3);
}

TEST_F(DefaultAirfoil, DragAtTheTabledAngles)
{
    int least = 70;
    for (int k = 71; k <= 470; ++k)
        if (cd[k] < cd[least]) least = k;
    EXPECT_NEAR(step_angle(least), -0.5f, 0.051f);
    EXPECT_NEAR(cd[least], 0.0065f, 2e-6);
    EXPECT_NEAR(fcodrag(-0.4902f), 0.0065f, 1e-7);
    const at_angle cases[] = {{10, 0.0114f}, {90, 1.28f}, {-90, 1.28f}};
    for (const auto& c : cases) EXPECT_NEAR(cd[table_index(c.angle)], c.value, 1e-5) << "at " << c.angle;
    // Beyond 20 degrees a straight line towards 1.28 at 90.
    EXPECT_NEAR(cd[table_index(55)], (cd[table_index(20)] + 1.28f) / 2, 1e-5);
}

TEST_F(DefaultAirfoil, MomentThroughItsBreakPoints)
{
    const at_angle cases[] = {{-90, 0.32f}, {-20, 0.05f},  {-10, -0.05f}, {16, -0.025f},
                              {20, -0.075f}, {90, -0.32f}, {3, -0.0375f}, {-55, 0.185f}};
    for (const auto& c : cases) EXPECT_NEAR(cm[table_index(c.angle)], c.value, 1e-5) << "at " << c.angle;
}

TEST_F(DefaultAirfoil, TableLayoutAndScales)
{
    const struct {
        int k;
        float angle;
    } cases[] = {{0, -90}, {69, -21}, {70, -20}, {270, 0}, {275, 0.5f}, {470, 20}, {471, 21}, {540, 90}};
    for (const auto& c : cases) EXPECT_FLOAT_EQ(step_angle(c.k), c.angle) << "entry " << c.k;
    EXPECT_EQ(cls, 0.5f);
    EXPECT_EQ(cds, 50.0f);
    EXPECT_EQ(cms, 1.0f);
}

TEST_F(DefaultAirfoil, BucketNeedsWidthDepthAndPower)
{
    float plain[541];
    for (int k = 0; k < 541; ++k) plain[k] = cd[k];
    const struct {
        float width, depth, power;
    } off[] = {{0, 0.002f, 2}, {0.4f, 0, 2}, {0.4f, 0.002f, 0}};
    for (const auto& b : off) {
        afl.Bwidth = b.width;
        afl.Bdepth = b.depth;
        afl.Bpower = b.power;
        afl.Bloc = 0.25f;
        generate();
        for (int k = 0; k < 541; ++k) ASSERT_EQ(cd[k], plain[k]) << "entry " << k;
    }
}

TEST_F(DefaultAirfoil, BucketDepthFromEdgeToCentre)
{
    float plain0 = fcodrag(0), plain2 = fcodrag(2), plain4 = fcodrag(4), plain6 = fcodrag(6);
    // Centre at lift 0.25, i.e. 0 degrees; width 0.408 in lift = 4 degrees.
    afl.Bloc = 0.25f;
    afl.Bwidth = 0.408f;
    afl.Bdepth = 0.002f;
    afl.Bpower = 2;
    generate();
    EXPECT_NEAR(plain0 - cd[table_index(0)], 0.003f, 1e-6);   // one and a half depths at the centre
    EXPECT_NEAR(plain2 - cd[table_index(2)], 0.001f, 1e-6);   // half a depth at the half width
    EXPECT_NEAR(plain4 - cd[table_index(4)], 0.0f, 1e-6);     // nothing at the full width
    EXPECT_NEAR(plain6 - cd[table_index(6)], 0.0f, 1e-7);
}

TEST_F(DefaultAirfoil, StallAtTwentyDegreesLeavesNoHole)
{
    afl.almax = 20;
    afl.almin = -20;
    generate();
    for (int k = 0; k < 541; ++k) {
        ASSERT_TRUE(std::isfinite(cl[k])) << "entry " << k;
        ASSERT_TRUE(std::isfinite(cd[k])) << "entry " << k;
        ASSERT_TRUE(std::isfinite(cm[k])) << "entry " << k;
    }
    // At the stall itself the abrupt drop only.
    EXPECT_NEAR(cl[table_index(20)], 1.6f - 0.1f, 1e-5);
    EXPECT_NEAR(cl[table_index(19.9f)], 1.6f, 1e-3);
    EXPECT_NEAR(cl[table_index(-20)], 2 * 0.25f - 1.6f, 1e-5);
}

TEST(DefaultFlap, IncrementsFromZeroToFullDeflection)
{
    reset_to_default(DEVICE_FLAP);
    EXPECT_EQ(cl[0], 0.0f);
    EXPECT_EQ(cd[0], 0.0f);
    EXPECT_EQ(cm[0], 0.0f);
    EXPECT_NEAR(cl[400], 1.4f, 1e-6);
    EXPECT_NEAR(cd[400], 0.08f, 1e-6);
    EXPECT_NEAR(cm[400], -0.8f, 1e-6);
    EXPECT_NEAR(cl[200], 2 * 0.5f - 0.6f * 0.125f, 1e-6);
    EXPECT_EQ(cls, 0.5f);
    EXPECT_EQ(cds, 5.0f);
    EXPECT_EQ(cms, 1.0f);
}

TEST(ResetToDefault, SetsBothDevicesAndKeepsThePath)
{
    C_to_C("/somewhere/kept.afl", msc.C_path);
    msc.haveaname = 1;
    msc.devicemod = 1;
    msc.view = VIEW_POLAR;
    afl.FLPlco1 = 7;
    reset_to_default(DEVICE_AIRFOIL);
    EXPECT_EQ(msc.device, DEVICE_AIRFOIL);
    EXPECT_EQ(msc.view, VIEW_ALPHA);
    EXPECT_EQ(msc.haveaname, 0);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_STREQ(msc.C_file, "Untitled.afl");
    EXPECT_STREQ(msc.C_path, "/somewhere/kept.afl");
    EXPECT_EQ(afl.FLPlco1, 2.0f);   // the flap's defaults too
    reset_to_default(DEVICE_FLAP);
    EXPECT_STREQ(msc.C_file, "Untitled.flp");
    EXPECT_FLOAT_EQ(afl.clM[0][0][0], 0.102f);
}
