#include "world/scene_light.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(SceneLight, DeckBandsRampsAndARaggedBandOfNothing)
{
    cloud_bands b;
    cloud_band_heights(1000, 2000, 400, &b);   // ragged 200
    EXPECT_FLOAT_EQ(b.fvis_bot, 800);
    EXPECT_FLOAT_EQ(b.zvis_bot, 1200);
    EXPECT_FLOAT_EQ(b.zvis_top, 2000);
    EXPECT_FLOAT_EQ(b.fvis_top, 2600);
    struct Case {
        float y, f;
    } cases[] = {{700, 1}, {800, 1}, {1000, 0.25f}, {1200, 0}, {2000, 0}, {2300, 0.25f}, {2600, 1}, {3000, 1}};
    for (const Case& c : cases) EXPECT_NEAR(deck_visibility(b, c.y), c.f, 1e-5) << c.y;
    cloud_band_heights(1000, 2000, 2000, &b);   // ragged limited to 300
    EXPECT_FLOAT_EQ(b.fvis_bot, 700);

    // no height between base and the ground: a step at the base
    cloud_band_heights(1000, 2000, 0, &b);
    EXPECT_EQ(b.fvis_bot, b.zvis_bot);
    EXPECT_EQ(deck_visibility(b, 999.9f), 1);
    EXPECT_EQ(deck_visibility(b, 1000), 0);
    float base[3], rat[3];
    for (float y : {999.9f, 1000.0f, 1000.1f}) {
        sky_colour(12, y, 1, 0, 1, 0, b, base, rat);
        for (int k = 0; k < 3; k++) EXPECT_TRUE(std::isfinite(base[k]) && std::isfinite(rat[k])) << y;
    }
}

TEST(SceneLight, SkyColourThroughTheDeck)
{
    cloud_bands b;
    cloud_band_heights(1000, 2000, 400, &b);
    struct Case {
        const char* where;
        int cld, above;
        float y, r, g, bl, rat1, rat2, rat3;
    } cases[] = {
        {"clear, sea level", 0, 0, 0, 0.4f, 0.6f, 1, 1, 0.6f, 0.4f},
        {"below the deck", 1, 0, 500, 0.5f, 0.5f, 0.5f, 1, 0.6f, 0.6f},
        {"ragged bottom", 1, 0, 1000, 0.5f, 0.5f, 0.5f, 1, 0.8f, 0.8f},
        {"heart of the deck", 1, 0, 1600, 0.65f, 0.65f, 0.65f, 1, 1, 1},
        {"at the tops", 1, 0, 2000, 0.8f, 0.8f, 0.8f, 1, 1, 1},
    };
    for (const Case& c : cases) {
        float base[3], rat[3];
        sky_colour(12, c.y, 1, 0, c.cld, c.above, b, base, rat);
        EXPECT_NEAR(base[0], c.r, 2e-3) << c.where;
        EXPECT_NEAR(base[1], c.g, 2e-3) << c.where;
        EXPECT_NEAR(base[2], c.bl, 2e-3) << c.where;
        EXPECT_NEAR(rat[0], c.rat1, 1e-4) << c.where;
        EXPECT_NEAR(rat[1], c.rat2, 1e-4) << c.where;
        EXPECT_NEAR(rat[2], c.rat3, 1e-4) << c.where;
    }
    // above the tops: halfway up the ragged top, halfway to the clear sky
    float base[3], rat[3];
    sky_colour(12, 2300, 1, 0, 1, 1, b, base, rat);
    const float s = 1 - 2300 * 3.2808399f / 260000;
    EXPECT_NEAR(base[2], 0.5f * (0.8f + s * s), 2e-3);
    EXPECT_NEAR(rat[1], 0.7f, 1e-4);
    EXPECT_NEAR(rat[2], 0.65f, 1e-4);
    // dusk deepens the bands of a clear sky
    sky_colour(17.75f, 0, 1, 0, 0, 0, b, base, rat);
    EXPECT_NEAR(rat[1], 0.6f * 0.75f, 1e-4);
}

TEST(SceneLight, TintsFlashFogAndTheSun)
{
    float lite[3] = {1, 1, 1}, base[3] = {1, 1, 1};
    tint_light_and_sky(17.75f, 1, lite, base);
    EXPECT_NEAR(lite[0], 1.2f, 1e-4);
    EXPECT_NEAR(base[0], 1.7f, 1e-4);
    float lite2[3] = {1, 1, 1}, base2[3] = {1, 1, 1};
    tint_light_and_sky(0, 0, lite2, base2);
    EXPECT_NEAR(lite2[2], 1.2f, 1e-4);
    EXPECT_NEAR(base2[0], 0.9f, 1e-4);

    EXPECT_FLOAT_EQ(flash(0.2f, 30), 0.2f);
    EXPECT_FLOAT_EQ(flash(0.2f, 0), 1);
    EXPECT_FLOAT_EQ(flash(0.2f, 15), 0.6f);

    float start, end;
    fog_range(10000, &start, &end);
    EXPECT_FLOAT_EQ(start, 2000);
    EXPECT_FLOAT_EQ(end, 10000);
    fog_range(0, &start, &end);   // in the heart of the deck
    EXPECT_FLOAT_EQ(start, 0);
    EXPECT_GE(end, start + 1);

    float dir[4];
    light0_direction(12, dir);   // noon: from above, no lower than 30 degrees off
    EXPECT_NEAR(dir[0], 0, 1e-6);
    EXPECT_NEAR(dir[1], std::cos(30 * 3.14159265f / 180), 1e-6);
    EXPECT_EQ(dir[3], 0);
    light0_direction(6, dir);   // dawn: from the east
    EXPECT_NEAR(dir[0], 1, 1e-6);
    light0_direction(0, dir);   // midnight folds back over the top
    EXPECT_NEAR(dir[0], 0, 1e-5);
    light0_direction(21, dir);
    EXPECT_NEAR(dir[0], -std::sin(45 * 3.14159265f / 180), 1e-5);
}

TEST(SceneLight, CloudPuffDipsAndRecovers)
{
    cloudme = 0;
    EXPECT_EQ(cloud_puff(0.1f, 90, 0.2f, 1, 0.3f), 1);   // no start above prd
    EXPECT_EQ(cloudme, 0);
    // starts: 1 s at 90 kt, heart 0.3
    float r = cloud_puff(0.1f, 90, 0.05f, 1, 0.3f);
    EXPECT_EQ(cloudme, 1);
    EXPECT_NEAR(duration_cloud, 1, 1e-3);
    EXPECT_NEAR(r, 0.65f, 1e-3);   // 0.1 s in: halfway down
    r = cloud_puff(0.1f, 90, 0, 1, 0.3f);
    EXPECT_NEAR(r, 0.3f, 1e-3);    // 20 %
    for (int k = 0; k < 4; k++) r = cloud_puff(0.1f, 90, 0, 1, 0.3f);
    EXPECT_NEAR(r, 0.3f, 1e-3);    // 60 %: held at the heart
    for (int k = 0; k < 3; k++) r = cloud_puff(0.1f, 90, 0, 1, 0.3f);
    EXPECT_NEAR(r, 0.65f, 1e-3);   // 90 %: halfway back
    r = cloud_puff(0.1f, 90, 0, 1, 0.3f);
    EXPECT_EQ(cloudme, 0);         // past its length: over after this frame
    EXPECT_NEAR(r, 1, 1e-3);
    cloudme = 0;
}
