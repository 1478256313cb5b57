// Windshield rain and snow drawn through the GL in a window under Xvfb.
#include "world/weather_field.h"

#include "tests/support/test_window.h"

#include "records/flight_state.h"
#include "platform/window.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {
class Precip : public ::testing::Test {
protected:
    void SetUp() override
    {
        open_test_window();
        mnw.x = mnw.y = 0;
        toolkit_srand(3);
        memset(prec_x, 0, sizeof prec_x);
        memset(prec_y, 0, sizeof prec_y);
        memset(prec_z, 0, sizeof prec_z);
        atm.baseMSL = 1000;
        atm.topsMSL = 2000;
        atm.level = 4;
        atm.rain_tstm = 5;
        con.VIEW_xyz[1] = 500;
        msc.prd = 0.05f;
        flt.vind = 0;
        flt.av = 0;
        ogl_brat_ter = 1;
    }

    // Runs frames of precipitation in the rectangle and gives the lit pixels
    // of the last one.
    std::vector<std::pair<int, int>> lit_after(int frames, float x1, float y1, float x2, float y2)
    {
        for (int f = 0; f < frames; ++f) {
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT);
            do_window_precip(x1, y1, x2, y2);
        }
        glFinish();
        std::vector<unsigned char> px(800 * 600 * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, px.data());
        std::vector<std::pair<int, int>> out;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                if (px[(y * 800 + x) * 3] > 40) out.emplace_back(x, y);
        return out;
    }
};
} // namespace

TEST_F(Precip, RainStreaksFallOnlyInsideTheRectangle)
{
    // Looking down, streaks run straight down: 3.75 units a frame, the fast
    // drop 8 times as far, so a streak ends at most that far below the edge.
    atm.temp_SL = 60;
    set.view_type = 511;
    flt.vind = 10;
    auto lit = lit_after(10, 200, 150, 600, 450);
    EXPECT_GT(lit.size(), 100u);
    for (auto [x, y] : lit) ASSERT_TRUE(x >= 199 && x <= 601 && y >= 150 - 31 && y <= 451) << x << " " << y;
}

TEST_F(Precip, SnowInTheDownwardViewDrawsNothing)
{
    atm.temp_SL = 10;
    set.view_type = 511;
    flt.av = 50;
    EXPECT_TRUE(lit_after(5, 0, 0, 800, 600).empty());
    set.view_type = 500;
    EXPECT_GT(lit_after(5, 0, 0, 800, 600).size(), 20u);
}

TEST_F(Precip, ClearWeatherDrawsNothing)
{
    atm.temp_SL = 60;
    set.view_type = 500;
    atm.level = 0;
    atm.rain_tstm = 1;
    EXPECT_TRUE(lit_after(3, 0, 0, 800, 600).empty());
    EXPECT_EQ(atm.prec_rat, 0);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
