// The moving map's view: pixel mapping, zoom limits that keep the centre,
// panning, centring on the aircraft and the view held inside the world window.
#include "tests/support/flat_window.h"

#include "records/flight_state.h"
#include "shell/moving_map.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include "world/coordinates.h"
#include "world/INITNAV.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

// The rectangles filled, through the linker's --wrap: x, y, width, height.
std::vector<float> filled;
extern "C" void __real__Z12OGL_fillrectiffff(int color, float x, float y, float dx, float dy);
extern "C" void __wrap__Z12OGL_fillrectiffff(int color, float x, float y, float dx, float dy)
{
    filled.insert(filled.end(), {x, y, dx, dy});
    __real__Z12OGL_fillrectiffff(color, x, y, dx, dy);
}

namespace {

class MapView : public testing::Test {
protected:
    void SetUp() override
    {
        fill_constants();
        std::memset(&env, 0, sizeof env);
        std::memset(&msc, 0, sizeof msc);
        std::memset(&flt, 0, sizeof flt);
        env.lat_sou = 33;
        env.lon_wes = -119;
        flat_window(0);
        con.mtrtonrt = 494 / env.dz;
        msc.map_type = 402;
        env.zoom_rat = 1;
        env.os_X_plan = env.lox;
        env.os_Z_plan = env.hiz;
    }
    // The world point in the middle of the map.
    void centre(float* x, float* z)
    {
        *x = env.os_X_plan + 0.5f * env.dx / env.zoom_rat;
        *z = env.os_Z_plan - 0.5f * env.dz / env.zoom_rat;
    }
};

TEST_F(MapView, TheWorldWindowFillsTheChartAtMagnificationOne)
{
    EXPECT_NEAR(pixelxfinder(env.lox), 0, 1e-3);
    EXPECT_NEAR(pixelyfinder(env.hiz), 0, 1e-3);        // south edge at the bottom
    EXPECT_NEAR(pixelyfinder(env.loz), 494, 1e-2);      // north edge at the top
    EXPECT_NEAR(pixelxfinder(env.hix), env.dx * 494 / env.dz, 1e-2);
    float x, z;
    map_world_at(pixelxfinder(1000), pixelyfinder(-2000), &x, &z);
    EXPECT_NEAR(x, 1000, 1);
    EXPECT_NEAR(z, -2000, 1);
}

TEST_F(MapView, ZoomKeepsTheCentreWithinItsLimits)
{
    float cx0, cz0;
    centre(&cx0, &cz0);
    // Out at 1 does nothing.
    map_zoom_out();
    EXPECT_FLOAT_EQ(env.zoom_rat, 1);
    EXPECT_FLOAT_EQ(env.os_X_plan, env.lox);
    int steps = 0;
    while (env.zoom_rat < 50 && steps < 100) {
        map_zoom_in();
        ++steps;
        float cx, cz;
        centre(&cx, &cz);
        EXPECT_NEAR(cx, cx0, 0.5f);
        EXPECT_NEAR(cz, cz0, 0.5f);
    }
    EXPECT_EQ(steps, 10);   // 1.5^10 = 57.7: the first step past 50 is the last
    float at = env.zoom_rat, ox = env.os_X_plan;
    map_zoom_in();
    EXPECT_FLOAT_EQ(env.zoom_rat, at);
    EXPECT_FLOAT_EQ(env.os_X_plan, ox);
    while (env.zoom_rat > 1) map_zoom_out();
    EXPECT_FLOAT_EQ(env.zoom_rat, 1);
    float cx, cz;
    centre(&cx, &cz);
    EXPECT_NEAR(cx, cx0, 1);
    EXPECT_NEAR(cz, cz0, 1);
}

TEST_F(MapView, PanAndCentreStayInsideTheWorldWindow)
{
    map_zoom_in();
    map_zoom_in();   // 2.25
    float x0 = env.os_X_plan, z0 = env.os_Z_plan;
    map_pan(1, 0);
    EXPECT_NEAR(env.os_X_plan - x0, 0.2f * env.dx / 2.25f, 1);
    map_pan(0, 1);   // up the screen is north
    EXPECT_NEAR(env.os_Z_plan - z0, -0.2f * env.dz / 2.25f, 1);

    // Panned far past the corners, the view comes back to the edges.
    for (int k = 0; k < 20; ++k) map_pan(-1, -1);
    map_hold_in_window();
    EXPECT_FLOAT_EQ(env.os_X_plan, env.lox);
    EXPECT_FLOAT_EQ(env.os_Z_plan, env.hiz);
    for (int k = 0; k < 40; ++k) map_pan(1, 1);
    map_hold_in_window();
    EXPECT_NEAR(pixelxfinder(env.hix), env.dx * con.mtrtonrt, 0.5f);
    EXPECT_NEAR(pixelyfinder(env.loz), 494, 0.5f);

    // The aircraft in the middle; near a corner the edge wins.
    flt.X = env.dx * 0.5;
    flt.Z = -env.dz * 0.5;
    map_centre_on_aircraft();
    map_hold_in_window();
    EXPECT_NEAR(pixelxfinder((float)flt.X), env.dx * con.mtrtonrt / 2, 0.5f);
    EXPECT_NEAR(pixelyfinder((float)flt.Z), 247, 0.5f);
    flt.X = 100;
    map_centre_on_aircraft();
    map_hold_in_window();
    EXPECT_FLOAT_EQ(env.os_X_plan, env.lox);
}

TEST_F(MapView, AirportDiagramScaleAndOrigin)
{
    msc.map_type = 998;
    env.os_X_plan = 1000;
    env.os_Z_plan = -1000;
    EXPECT_NEAR(pixelxfinder(1000), 7, 1e-3);
    EXPECT_NEAR(pixelyfinder(-1000), 184, 1e-3);
    EXPECT_NEAR(pixelxfinder(1150), 8, 1e-3);     // 150 m a pixel
    EXPECT_NEAR(pixelyfinder(-1300), 186, 1e-3);
}

// A large airport's landing systems stand within a few hundred metres, a
// pixel or two apart on the diagram: six localizers and their glide slopes.
// Their frequency boxes take places of their own, none over another.
TEST_F(MapView, TheDiagramsFrequencyBoxesStandApart)
{
    msc.map_type = 998;
    con.mtrtoplt = 1.0f / 150;
    con.plttomtr = 150;
    const float lat = env.lat_sou + 1.0f, lon = env.lon_wes + 1.5f;
    env.os_X_plan = X_with_latlon(lat, lon) - 170 * 150;
    env.os_Z_plan = Z_with_lat(lat) + 150 * 150;
    env.aptmax = -1;
    fix_lat[0] = 99;
    for (int n = 0; n < 12; ++n) {
        nav_type[n] = n < 6 ? 4 : 6;
        nav_lat[n] = lat + 0.001f * (n % 6);
        nav_lon[n] = lon + 0.002f * (n % 3);
        nav_f12[n] = 10810 + 10 * (n % 6);
        nav_hdng[n] = 70 + 180 * (n % 2);
        std::snprintf(nav_name[n], sizeof nav_name[n], "RWY %02dL LOS ANGELES INTERNATIONAL", 6 + n);
        nav_inreg[n] = 1;
    }
    env.navmax = 11;
    filled.clear();
    plot_map();
    std::vector<const float*> boxes;
    for (size_t k = 0; k + 4 <= filled.size(); k += 4)
        if (filled[k + 2] == 63 && filled[k + 3] == 20) boxes.push_back(&filled[k]);
    ASSERT_EQ(boxes.size(), 12u);
    for (size_t a = 0; a < boxes.size(); ++a)
        for (size_t b = a + 1; b < boxes.size(); ++b) {
            const float *p = boxes[a], *q = boxes[b];
            const bool apart = p[0] + 63 <= q[0] || q[0] + 63 <= p[0] || p[1] + 20 <= q[1] || q[1] + 20 <= p[1];
            EXPECT_TRUE(apart) << "boxes " << a << " and " << b;
        }
    for (int n = 0; n < 12; ++n) nav_inreg[n] = 0;
    env.navmax = -1;
}

} // namespace
