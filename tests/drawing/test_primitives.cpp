// Canvas drawing, pixel by pixel: rectangles, lines, circles, arcs, colours.
#include "drawing_support.h"

#include "records/cockpit_state.h"

namespace {
class Canvas : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_toolkit();
        to_array = 1;
    }
    void TearDown() override { to_array = 0; }
};
} // namespace

TEST_F(Canvas, FillrectWritesItsWholePixelsAndNothingOutsideTheCanvas)
{
    const struct {
        float x, y, dx, dy;
        int pixels;
    } cases[] = {
        {10, 10, 0, 5, 0}, {10, 10, 5, 0, 0}, {10, 10, 3, 2, 6}, {10, 10, -3, 2, 0},
        {790, 590, 100, 100, 100},  // cut at the top-right corner
        {-50, -50, 52, 53, 6},      // cut at the bottom-left corner
        {-1e9f, 300, 2e9f, 1, 800}, // a whole row, however far it reaches
    };
    for (const auto& c : cases) {
        clear_canvas();
        OGL_fillrect(0, c.x, c.y, c.dx, c.dy);
        EXPECT_EQ(count_lit(), c.pixels) << c.x << ", " << c.y << " size " << c.dx << " x " << c.dy;
    }
    // The clipped corner does not spill into the start of the next rows.
    clear_canvas();
    OGL_fillrect(0, 790, 590, 100, 100);
    EXPECT_FALSE(lit(0, 591));
    EXPECT_TRUE(lit(799, 599));
}

TEST_F(Canvas, LineLightsOnePixelPerUnitStepWithBothEnds)
{
    const struct {
        float x1, y1, x2, y2;
        int pixels;
    } cases[] = {
        {0, 0, 10, 0, 11}, {0, 0, 10.6f, 0, 12}, {5, 5, 5, 5, 1}, {20, 20, 20, 30, 11},
        {0, 0, 0, -10, 1},              // only its start lies on the canvas
        {-1e9f, 300, 1e9f, 300, 800},   // far outside at both ends, at once
        {900, 100, 1000, 100, 0},
    };
    for (const auto& c : cases) {
        clear_canvas();
        OGL_line(0, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(count_lit(), c.pixels) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST_F(Canvas, EveryPrimitiveAddsTheWindowOffsetOnce)
{
    mnw.x = 184;
    mnw.y = 53;
    OGL_line(0, 0, 0, 10, 0);
    EXPECT_TRUE(lit(184, 53));
    EXPECT_TRUE(lit(194, 53));
    EXPECT_FALSE(lit(183, 53));
    EXPECT_EQ(count_lit(), 11);

    clear_canvas();
    OGL_fillrect(0, 1, 2, 3, 2);
    EXPECT_TRUE(lit(185, 55));
    EXPECT_TRUE(lit(187, 56));
    EXPECT_EQ(count_lit(), 6);

    clear_canvas();
    OGL_arc(0, 0, 0, 10, 10, 0, 0);
    EXPECT_TRUE(lit(184, 63));
    EXPECT_EQ(count_lit(), 1);
}

TEST_F(Canvas, ArcRunsClockwiseFromStraightUpAndWrapsItsHeadings)
{
    OGL_arc(0, 100, 100, 10, 10, 0, 90);
    EXPECT_TRUE(lit(100, 110));
    EXPECT_TRUE(lit(110, 100));
    EXPECT_FALSE(lit(90, 100));
    EXPECT_FALSE(lit(100, 90));
    // A band of radii.
    clear_canvas();
    OGL_arc(0, 100, 100, 10, 12, 0, 0);
    EXPECT_TRUE(lit(100, 110) && lit(100, 111) && lit(100, 112));
    EXPECT_EQ(count_lit(), 3);

    // Headings below 0 and above 359 read the tables at the same angle.
    clear_canvas();
    OGL_arc(0, 100, 100, 10, 10, -90, 0);
    auto negative = snapshot();
    clear_canvas();
    OGL_arc(0, 100, 100, 10, 10, 270, 360);
    EXPECT_EQ(snapshot(), negative);
    clear_canvas();
    OGL_arc(0, 100, 100, 10, 10, 630, 720);
    EXPECT_EQ(snapshot(), negative);
    EXPECT_TRUE(lit(90, 100));
}

TEST_F(Canvas, CirclesReachTheirRadiusAndNoFurther)
{
    OGL_fillcircle(0, 100, 100, 5);
    for (auto p : {std::pair<int, int>{100, 100}, {95, 100}, {105, 100}, {100, 95}, {100, 105}})
        EXPECT_TRUE(lit(p.first, p.second)) << p.first << "," << p.second;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (lit(x, y)) {
                EXPECT_LE((x - 100) * (x - 100) + (y - 100) * (y - 100), 5.5 * 5.5) << x << "," << y;
            }

    clear_canvas();
    OGL_framecircle(0, 100, 100, 5);
    for (auto p : {std::pair<int, int>{95, 100}, {105, 100}, {100, 95}, {100, 105}})
        EXPECT_TRUE(lit(p.first, p.second)) << p.first << "," << p.second;
    EXPECT_FALSE(lit(100, 100));
    EXPECT_FALSE(lit(102, 101));
}

TEST_F(Canvas, CanvasColoursAreUntintedWholeBytes)
{
    ins.r_rat = 0.5f;
    ins.g_rat = 0.25f;
    for (int c : {6, 12, 37, 38}) {
        OGL_setcolor(c);
        auto want = colour_bytes(c);
        EXPECT_EQ(current_rgb[0], want[0]) << c;
        EXPECT_EQ(current_rgb[1], want[1]) << c;
        EXPECT_EQ(current_rgb[2], want[2]) << c;
    }
    OGL_setcolor(12);
    EXPECT_EQ(current_rgb[0], 153);
}

TEST_F(Canvas, ColourIndexOutsideTheTableIsFatal)
{
    EXPECT_EXIT(OGL_setcolor(80), ::testing::ExitedWithCode(1), "too many colors!");
    EXPECT_EXIT(OGL_line(-1, 0, 0, 1, 1), ::testing::ExitedWithCode(1), "too many colors!");
}
