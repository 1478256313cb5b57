// The map's projection and the terrain tools, with the mouse state set by hand.
#include "gelvani_fixture.h"

#include "tools/Gelvani/gelvani_program.h"
#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/map_edit.h"
#include "tools/Gelvani/map_view.h"

#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>

using namespace gelvani;

namespace {
// Where the drawing would put every point.
void project()
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            flt_plotx[i][j] = ret_x(planelon[i][j]);
            flt_ploty[i][j] = ret_y(planelat[i][j]);
        }
}
} // namespace

TEST_F(GelvaniFolder, ProjectionCornersAndInverse)
{
    struct {
        float lat, lon, x, y;
    } corners[] = {{33, -119, 168, 5}, {33, -118, 795, 5}, {34, -119, 168, 555}, {34, -118, 795, 555}};
    for (const auto& c : corners) {
        EXPECT_NEAR(ret_x(c.lon), c.x, 1e-3);
        EXPECT_NEAR(ret_y(c.lat), c.y, 1e-3);
    }
    msc.map_zoom = 3.7f, msc.map_os_lat = 0.2f, msc.map_os_lon = -0.35f;
    for (float v : {-119.0f, -118.73f, -118.01f}) EXPECT_NEAR(ret_lon(ret_x(v)), v, 1e-4);
    for (float v : {33.0f, 33.42f, 33.99f}) EXPECT_NEAR(ret_lat(ret_y(v)), v, 1e-4);
}

TEST_F(GelvaniFolder, WarpMakesStraightSlopesInsideTheBoxAndLeavesItsEdges)
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) planez[i][j] = 10;
    msc.map_res = 4;
    // A box of 6 x 8 around (20, 30), its control point raised to 110 m.
    planez[20][30] = 110;
    interp_points(20, 30, 17, 26, 23, 34, 0, 0, 4);
    EXPECT_FLOAT_EQ(planez[20][28], 60);   // halfway up the control column
    EXPECT_FLOAT_EQ(planez[20][32], 60);
    EXPECT_FLOAT_EQ(planez[18][30], 10 + 100.0f / 3);
    EXPECT_FLOAT_EQ(planez[22][30], 10 + 100.0f / 3);
    EXPECT_FLOAT_EQ(planez[21][28], 10 + 50.0f * 2 / 3);
    for (int i = 17; i <= 23; ++i) {
        EXPECT_EQ(planez[i][26], 10);
        EXPECT_EQ(planez[i][34], 10);
    }
    for (int j = 26; j <= 34; ++j) {
        EXPECT_EQ(planez[17][j], 10);
        EXPECT_EQ(planez[23][j], 10);
    }
    EXPECT_EQ(planez[16][30], 10);

    // Single points: nothing moves but the control point itself.
    msc.map_res = 99;
    planez[20][30] = 500;
    interp_points(20, 30, 17, 26, 23, 34, 0, 0, 4);
    EXPECT_FLOAT_EQ(planez[20][28], 60);
    EXPECT_EQ(planez[20][30], 500);
}

TEST_F(GelvaniFolder, NearestNodeAmongThoseWhoseBoxLiesInTheGrid)
{
    project();
    struct {
        int res;
        float x, y;
        int ic, jc, i1, j1, i2, j2;
    } cases[] = {
        {99, ret_x(-119 + 10.2f / 59), ret_y(33 + 20.4f / 79), 10, 20, 9, 19, 11, 21},
        // The corner node's box would leave the grid: its neighbour wins.
        {99, 168, 5, 1, 1, 0, 0, 2, 2},
        // Resolution 4: nodes every 14.75 columns and 19.75 rows.
        {4, ret_x(-119 + 30.0f / 59), ret_y(33 + 40.0f / 79), 30, 40, 15, 20, 44, 59},
    };
    for (const auto& c : cases) {
        msc.map_res = c.res;
        int ic, jc, i1, j1, i2, j2;
        ASSERT_TRUE(nearest_node(c.x, c.y, &ic, &jc, &i1, &j1, &i2, &j2));
        EXPECT_EQ(ic, c.ic) << c.res;
        EXPECT_EQ(jc, c.jc) << c.res;
        EXPECT_EQ(i1, c.i1) << c.res;
        EXPECT_EQ(j1, c.j1) << c.res;
        EXPECT_EQ(i2, c.i2) << c.res;
        EXPECT_EQ(j2, c.j2) << c.res;
    }
}

TEST_F(GelvaniFolder, WaterFlipsByCellOrByBlock)
{
    project();
    msc.map_res = 99;
    float x = ret_x(-119 + 5.5f / 59), y = ret_y(33 + 7.5f / 79);
    flip_water(x, y);
    EXPECT_EQ(on_water[5][7], 0);
    EXPECT_EQ(on_water[5][8], 1);
    EXPECT_EQ(on_water[4][7], 1);
    // A pointer exactly on a grid line hits no cell.
    flip_water(ret_x(-119 + 5.0f / 59), y);
    EXPECT_EQ(on_water[5][7], 0);
    EXPECT_EQ(on_water[4][7], 1);

    // Resolution 16: the whole block takes the opposite of its south-west cell.
    msc.map_res = 16;
    on_water[0][0] = 0;
    flip_water(ret_x(-119 + 1.0f / 59), ret_y(33 + 1.0f / 79));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 5; ++j) EXPECT_EQ(on_water[i][j], 1) << i << "," << j;
    on_water[0][0] = 1;
    on_water[2][2] = 0;
    flip_water(ret_x(-119 + 1.0f / 59), ret_y(33 + 1.0f / 79));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 5; ++j) EXPECT_EQ(on_water[i][j], 0) << i << "," << j;
    EXPECT_EQ(on_water[4][0], 1);
    EXPECT_EQ(on_water[0][5], 1);
    EXPECT_EQ(planetex[0][0], 19u);
}

TEST_F(GelvaniFolder, ZoomInAndOutComesBackToTheWholeSquare)
{
    fill_constants();
    mnw.mouse_clicked = 1;
    mnw.now_dragging = 0;
    for (int k = 0; k < 3; ++k) {
        mnw.mx = 130, mnw.my = 545;
        handle_map();
    }
    EXPECT_NEAR(msc.map_zoom, 1.728f, 1e-4);
    EXPECT_GT(msc.map_os_lat, 0);
    for (int k = 0; k < 3; ++k) {
        mnw.mx = 130, mnw.my = 528;
        handle_map();
    }
    EXPECT_EQ(msc.map_zoom, 1);
    EXPECT_EQ(msc.map_os_lat, 0);
    EXPECT_EQ(msc.map_os_lon, 0);
    mnw.mouse_clicked = 0;
}
