// The range box and the view wedge: which cells, objects and airports the
// frame draws, and the nearest airport.
#include "world/scene_range.h"

#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "world/weather_field.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

namespace {
// A flat grid of 1 km cells: x = 1000 i, z = -1000 j, heights h.
void grid(float h)
{
    for (int i = 0; i < GRID_I; i++)
        for (int j = 0; j < GRID_J; j++) {
            planexyz[i][j][0] = 1000.0f * i;
            planexyz[i][j][1] = h;
            planexyz[i][j][2] = -1000.0f * j;
        }
}

class Range : public ::testing::Test {
protected:
    void SetUp() override
    {
        fill_constants();
        fill_trig_tables();
        grid(0);
    }
};
} // namespace

TEST(SceneRange, OctantTable)
{
    struct Case {
        int psi, oct;
    } cases[] = {{0, 1}, {44, 1}, {45, 2}, {89, 2}, {90, 3}, {134, 3}, {135, 4}, {179, 4},
                 {180, 5}, {224, 5}, {225, 6}, {269, 6}, {270, 7}, {314, 7}, {315, 8}, {359, 8}};
    for (const Case& c : cases) EXPECT_EQ(view_octant(c.psi), c.oct) << c.psi;

    struct View {
        int view;
        float flt_psi, scn_psi;
        int heading;
    } views[] = {
        {500, 10.9f, 200, 10},  {516, 10.9f, 200, 10},  {504, 10, 0, 325},    {505, 350, 0, 35},
        {506, 10, 0, 280},      {507, 300, 0, 30},      {508, 100, 0, 325},   {509, 300, 0, 75},
        {511, 270, 0, 90},      {513, 0, -0.6f, 359},   {514, 0, 359.6f, 0},  {517, 0, 400, 40},
        {518, 0, 12.4f, 12},    {521, 359.9f, 0, 359},
    };
    for (const View& v : views) EXPECT_EQ(octant_heading(v.view, v.flt_psi, v.scn_psi), v.heading) << v.view;
}

TEST(SceneRange, RebuiltOnlyWhenAnInputChangesOrTheWindowSlides)
{
    old_i_view = 10;
    old_j_view = 20;
    old_vis_nm = 5;
    old_view_oct = 3;
    EXPECT_FALSE(range_rebuild_due(10, 20, 5, 3, 0));
    EXPECT_TRUE(range_rebuild_due(10, 20, 5, 3, 3));   // a slide in the same cell
    EXPECT_TRUE(range_rebuild_due(11, 20, 5, 3, 0));
    EXPECT_TRUE(range_rebuild_due(10, 21, 5, 3, 0));
    EXPECT_TRUE(range_rebuild_due(10, 20, 6, 3, 0));
    EXPECT_TRUE(range_rebuild_due(10, 20, 5, 4, 0));
    old_view_oct = 0;   // as at start-up: no octant equals it
    EXPECT_TRUE(range_rebuild_due(10, 20, 5, 3, 0));
}

TEST(SceneRange, BoxCutsTheHalfBehindTheView)
{
    struct Case {
        int oct;
        range_box b;
    } cases[] = {
        {1, {-10, 10, -10, 0}}, {2, {0, 10, -10, 10}}, {3, {0, 10, -10, 10}},  {4, {-10, 10, 0, 10}},
        {5, {-10, 10, 0, 10}},  {6, {-10, 0, -10, 10}}, {7, {-10, 0, -10, 10}}, {8, {-10, 10, -10, 0}},
    };
    for (const Case& c : cases) {
        range_box b;
        make_range_box(0, 0, 10, c.oct, &b);
        EXPECT_EQ(b.xlo, c.b.xlo) << c.oct;
        EXPECT_EQ(b.xhi, c.b.xhi) << c.oct;
        EXPECT_EQ(b.zlo, c.b.zlo) << c.oct;
        EXPECT_EQ(b.zhi, c.b.zhi) << c.oct;
    }
}

TEST(SceneRange, CloudBoundsStayOnTheMesh)
{
    for (int i = 0; i < CLOUD_I; i++)
        for (int j = 0; j < CLOUD_J; j++) {
            cloudxyz[i][j][0] = 1000.0f * i;
            cloudxyz[i][j][2] = -1000.0f * j;
        }
    struct Case {
        range_box b;
        int i1, i2, j1, j2;
    } cases[] = {
        {{-1e6f, 1e6f, -1e6f, 1e6f}, 0, 80, 0, 64},            // past every edge
        {{0, 80000, -64000, 0}, 0, 80, 0, 64},                 // exactly the mesh
        {{10500, 20500, -30500, -20500}, 9, 21, 19, 31},       // inside: one more each side, truncated
    };
    for (const Case& c : cases) {
        cloud_bounds(c.b);
        EXPECT_EQ(scn.i1_plot_bound_cld, c.i1);
        EXPECT_EQ(scn.i2_plot_bound_cld, c.i2);
        EXPECT_EQ(scn.j1_plot_bound_cld, c.j1);
        EXPECT_EQ(scn.j2_plot_bound_cld, c.j2);
    }
}

TEST_F(Range, TerrainBoundsWithMarginsAndAnEmptyBox)
{
    terrain_bounds({10000, 20000, -40000, -30000});
    EXPECT_EQ(scn.i1_plot_bound_ter, 8);
    EXPECT_EQ(scn.i2_plot_bound_ter, 21);
    EXPECT_EQ(scn.j1_plot_bound_ter, 28);
    EXPECT_EQ(scn.j2_plot_bound_ter, 41);
    terrain_bounds({-1e6f, 1e6f, -1e6f, 1e6f});
    EXPECT_EQ(scn.i1_plot_bound_ter, 0);
    EXPECT_EQ(scn.i2_plot_bound_ter, 176);
    EXPECT_EQ(scn.j1_plot_bound_ter, 0);
    EXPECT_EQ(scn.j2_plot_bound_ter, 157);
    // a box beside the grid holds no point: bounds that loop over nothing
    terrain_bounds({-9000, -5000, 1000, 5000});
    EXPECT_EQ(scn.i1_plot_bound_ter, 176);
    EXPECT_EQ(scn.i2_plot_bound_ter, 1);
    EXPECT_EQ(scn.j1_plot_bound_ter, 157);
    EXPECT_EQ(scn.j2_plot_bound_ter, 1);
}

TEST_F(Range, WedgeWithItsMargin)
{
    set_wedge(0, 0, 0, 1000);   // looking north, 1414 m
    struct Case {
        float x, z, m;
        int in;
    } cases[] = {
        {0, -500, 0, 1},      // straight ahead
        {0, 500, 0, 0},       // behind
        {0, 100, 200, 1},     // behind, within the margin
        {-900, -500, 0, 0},   // left of the wedge
        {-900, -500, 500, 1},
        {0, -1500, 0, 0},     // beyond its far edge
        {0, -1500, 600, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(incone(c.x, c.z, c.m), c.in) << c.x << " " << c.z << " " << c.m;
    set_wedge(0, 0, 90, 1000);   // looking east
    EXPECT_EQ(incone(500, 0, 0), 1);
    EXPECT_EQ(incone(-500, 0, 0), 0);
}

TEST_F(Range, SteepDownLookTakesEveryCellAndTheTopsTakeOutBuriedCells)
{
    for (auto& row : ter_inrange)
        for (int& c : row) c = 0;
    scn.i1_plot_bound_ter = 0;
    scn.i2_plot_bound_ter = 40;
    scn.j1_plot_bound_ter = 0;
    scn.j2_plot_bound_ter = 40;
    set_wedge(15000, -15000, 0, 100);   // a tiny wedge
    wedge_ranges(-31, 0, 0);
    EXPECT_EQ(ter_inrange[40][40], 1);
    EXPECT_EQ(ter_inrange[GRID_I - 1][GRID_J - 1], 1);
    wedge_ranges(-29, 0, 0);
    EXPECT_EQ(ter_inrange[40][40], 0);
    EXPECT_EQ(ter_inrange[15][15], 1);
    EXPECT_EQ(ter_inrange[50][50], 1);   // outside the bounds: kept from before
    // above the tops cells wholly below them drop out; one corner up keeps the cell
    set_wedge(15000, -5000, 0, 100000);
    planexyz[15][16][1] = 3000;
    wedge_ranges(0, 1, 2000);
    EXPECT_EQ(ter_inrange[12][12], 0);
    EXPECT_EQ(ter_inrange[15][15], 1);
    EXPECT_EQ(ter_inrange[14][15], 1);
    EXPECT_EQ(ter_inrange[15][16], 1);
    EXPECT_EQ(ter_inrange[16][16], 0);
}

TEST_F(Range, NearestListedAirportAndATieKeepsTheEarlier)
{
    apt_listed = 4;
    const float pos[4][2] = {{34.2f, -117.3f}, {34.0f, -117.0f}, {34.1f, -117.1f}, {33.9f, -117.1f}};
    for (int a = 0; a < 4; a++) {
        apt_to_index[a] = 100 + a;
        apt_inreg[100 + a] = 1;
        apt_lat[100 + a][0] = pos[a][0];
        apt_lon[100 + a][0] = pos[a][1];
    }
    // plain degrees: (34.0, -117.05) is 0.05 from slot 1 and 0.1 from slot 3
    EXPECT_EQ(nearest_airport(34.0f, -117.05f), 1);
    // 34.0, -117.1: slots 2 and 3 lie 0.1 away; slot 2 stays
    apt_lat[101][0] = 40;
    EXPECT_EQ(nearest_airport(34.0f, -117.1f), 2);
    apt_inreg[102] = 0;   // no longer in the region
    EXPECT_EQ(nearest_airport(34.0f, -117.1f), 3);
    apt_listed = 0;
    EXPECT_EQ(nearest_airport(34.0f, -117.1f), -1);
    // nothing listed: the rebuild keeps the airport it had
    msc.loc_apt_wrl = 7;
    msc.loc_apt_reg = 2;
    rebuild_range(0, 0, 1000, 1);
    EXPECT_EQ(msc.loc_apt_wrl, 7);
    EXPECT_EQ(msc.loc_apt_reg, 2);
    for (int a = 0; a < 4; a++) apt_inreg[100 + a] = 0;
}
