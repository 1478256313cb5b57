#include "world/scene_light.h"

#include <gtest/gtest.h>

TEST(SceneLight, BrightnessByHourWithItsFloors)
{
    struct Case {
        float hours, level;
        int cld_type, above;
        float ter;
    } cases[] = {
        {12, 0, 0, 0, 1}, {4, 0, 0, 0, 0.01f}, {20, 0, 0, 0, 0.01f},
        {20, 0, 1, 1, 0.05f}, {20, 0, 1, 0, 0}, {12, 4, 1, 0, 0.5f},
    };
    for (const Case& c : cases) {
        float ter = -1, lite = -1;
        sun_light(c.hours, c.level, c.cld_type, c.above, &ter, &lite);
        EXPECT_NEAR(ter, c.ter, 1e-5) << c.hours << " " << c.cld_type << c.above;
        EXPECT_GE(lite, c.cld_type && !c.above ? 0.05f : 0.1f);
    }
}

TEST(SceneLight, DuskAndNightTints)
{
    struct Case {
        float hours, sunset, moon, factor;
    } cases[] = {
        {17.75f, 1.4f, 0.9f, 1.2f}, {17.75f, 2.4f, 0.9f, 1.7f},   // halfway to sunset
        {18, 1.4f, 0.9f, 1.96f},    {18, 2.4f, 0.9f, 5.76f},      // both evening bands
        {0, 1.4f, 0.9f, 0.9f},      {0, 1.4f, 1.2f, 1.2f},        // moonlight
        {12, 2.4f, 0.9f, 1},        {6.5f, 2.4f, 0.9f, 1},
    };
    for (const Case& c : cases) EXPECT_NEAR(tint_factor(c.hours, c.sunset, c.moon), c.factor, 1e-4) << c.hours << " " << c.sunset;
}

TEST(SceneLight, VisibilityLimits)
{
    EXPECT_NEAR(vis_effective(0, 100000, 1, 0), 37040, 1e-2);
    EXPECT_NEAR(vis_effective(1, 100000, 0.1f, 0), 18520, 1e-2);
    EXPECT_NEAR(vis_effective(0, 10, 1, 0), 185.2f, 1e-3);
    EXPECT_NEAR(vis_effective(0, 10000, 1, 10000), 20000, 1e-2);   // grows with height
    EXPECT_NEAR(vis_effective(1, 0, 2, 0), 166680, 1e-1);
}
