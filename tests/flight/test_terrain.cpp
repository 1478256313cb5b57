// Terrain height under a point, decks and roofs, the geometry helpers and
// the terrain textures.
#include "flight_fixture.h"

#include "toolkit/HL_TYPES.h"
#include "toolkit/terrain_helpers.h"
#include "world/terrain_grid.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// A tilted plane over the fixture grid.
float tilted(float x, float z)
{
    return 0.01f * x - 0.02f * z + 100;
}

void tilt_grid()
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) planexyz[i][j][1] = tilted(planexyz[i][j][0], planexyz[i][j][2]);
}

// A point at fraction (fi, fj) of cell (i, j).
void in_cell(int i, int j, float fi, float fj, float* x, float* z)
{
    *x = planexyz[i][j][0] + fi * (planexyz[i + 1][j][0] - planexyz[i][j][0]);
    *z = planexyz[i][j][2] + fj * (planexyz[i][j + 1][2] - planexyz[i][j][2]);
}

// Height at (x, z) of the plane through three points, by its normal.
float plane_through(const float* a, const float* b, const float* c, float x, float z)
{
    double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    return (float)(a[1] - (n[0] * (x - a[0]) + n[2] * (z - a[2])) / n[1]);
}

// A grid 1000 m apart in x and z, flat at 0 and dry.
void kilometre_grid()
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            planexyz[i][j][0] = 1000.0f * i;
            planexyz[i][j][1] = 0;
            planexyz[i][j][2] = -1000.0f * j;
        }
}
} // namespace

using TerrainTest = FlightTest;

TEST_F(TerrainTest, HeightOfAPlaneGridFromAnyStartCell)
{
    tilt_grid();
    struct Case {
        int ci, cj;          // the cell that holds the point
        int start_i, start_j; // where the search begins
    } cases[] = {
        {40, 60, 40, 60},    // the start cell itself
        {41, 60, 40, 60},    // a neighbour
        {120, 20, 3, 140},   // far across the grid
        {10, 150, -50, 999}, // a start outside the grid is clamped first
        {176, 80, 0, 0},     // the easternmost column from the far corner
        {0, 5, 89, 79},      // the westernmost column from the middle
        {100, 157, 100, 0},  // the northernmost row
    };
    for (const Case& c : cases) {
        float x, z;
        in_cell(c.ci, c.cj, 0.3f, 0.6f, &x, &z);
        int i = c.start_i, j = c.start_j;
        float h = find_local_h(x, z, &i, &j, 0);
        EXPECT_NEAR(h, tilted(x, z), 0.05f) << "cell " << c.ci << "," << c.cj;
        EXPECT_EQ(i, c.ci);
        EXPECT_EQ(j, c.cj);
    }
}

TEST_F(TerrainTest, PointOnTheSharedEdgeTakesTheFirstTriangle)
{
    // Cell (10, 10) bent along its diagonal: its south-east corner raised, so
    // triangle 1 slopes and triangle 0 stays flat.
    planexyz[11][10][1] = 3000;
    float x = (planexyz[10][10][0] + planexyz[11][11][0]) / 2;
    float z_diag = (planexyz[10][10][2] + planexyz[11][11][2]) / 2;
    struct Case {
        float past_edge;  // m into triangle 1
        bool flat;
    } cases[] = {{0, true}, {0.5f, true}, {3, false}};
    for (const Case& c : cases) {
        int i = 10, j = 10;
        float h = find_local_h(x, z_diag + c.past_edge, &i, &j, 0);
        if (c.flat) EXPECT_FLOAT_EQ(h, 0) << c.past_edge;
        else EXPECT_GT(h, 1) << c.past_edge;
    }
}

TEST_F(TerrainTest, OutsideTheGridTheStartCellsFirstTriangleIsExtended)
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) planexyz[i][j][1] = 0.002f * i * j;
    int i = 300, j = 7;
    float x = -20000, z = -30000;
    float h = find_local_h(x, z, &i, &j, 0);
    EXPECT_EQ(i, 176);
    EXPECT_EQ(j, 7);
    EXPECT_NEAR(h, plane_through(planexyz[176][8], planexyz[177][8], planexyz[176][7], x, z), 0.1f);
}

TEST_F(TerrainTest, DecksAndRoofsComeFirstWhenAsked)
{
    tilt_grid();
    float x, z;
    in_cell(50, 50, 0.5f, 0.5f, &x, &z);
    con.BOAT_loc_X = x - 40;
    con.BOAT_loc_Y = 2;
    con.BOAT_loc_Z = z + 25;
    float roll = 3 * con.degtorad, pitch = 1.5f * con.degtorad;
    con.sinBOATphi = std::sin(roll), con.cosBOATphi = std::cos(roll);
    con.sinBOATthe = std::sin(pitch), con.cosBOATthe = std::cos(pitch);
    env.obj_height = 37;
    auto deck = [&](float above) {
        return 2 + above * std::cos(roll) * std::cos(pitch) - 40 * std::tan(roll) + 25 * std::tan(pitch);
    };
    struct Case {
        int carr, frig, obs, us;
        float expected;
    } cases[] = {
        {1, 0, 0, 1, deck(21)},
        {0, 1, 0, 1, deck(7)},
        {0, 0, 1, 1, 37},
        {1, 1, 1, 1, deck(21)},         // the carrier before all
        {0, 1, 1, 1, deck(7)},          // the frigate before roofs
        {1, 1, 1, 0, tilted(x, z)},     // without the switch: the terrain
        {0, 0, 0, 1, tilted(x, z)},
    };
    for (const Case& c : cases) {
        env.over_carr = c.carr, env.over_frig = c.frig, env.over_obs = c.obs;
        int i = 0, j = 0;
        EXPECT_NEAR(find_local_h(x, z, &i, &j, c.us), c.expected, 0.01f)
            << c.carr << c.frig << c.obs << c.us;
        EXPECT_EQ(i, 50);  // the cell is found whatever surface answers
        EXPECT_EQ(j, 50);
    }
}

TEST_F(TerrainTest, InsideTheClockwiseSideOfAnEdge)
{
    struct Case {
        float x1, z1, x2, z2, x, z, dis;
        int inside;
    } cases[] = {
        {0, 0, 10, 0, 5, 1, 0, 1},      // along x, eastward: the south side
        {0, 0, 10, 0, 5, -1, 0, 0},
        {0, 0, 10, 0, 5, -1, 1.5f, 1},  // within the tolerance
        {10, 0, 0, 0, 5, -1, 0, 1},     // westward: the north side
        {0, 0, 0, -10, 1, -5, 0, 1},    // along z, northward: the east side
        {0, 0, 0, -10, -1, -5, 0, 0},
        {0, -10, 0, 0, -1, -5, 0, 1},   // southward: the west side
    };
    for (const Case& c : cases)
        EXPECT_EQ(inside_cw_reg(c.x1, c.z1, c.x2, c.z2, c.x, c.z, c.dis), c.inside)
            << c.x1 << "," << c.z1 << " -> " << c.x2 << "," << c.z2 << " at " << c.x << "," << c.z;
}

TEST_F(TerrainTest, RotationsAndNormals)
{
    EXPECT_NEAR(rx2d(1, 2, 90), 2, 1e-6);
    EXPECT_NEAR(ry2d(1, 2, 90), -1, 1e-6);
    EXPECT_NEAR(rx3d(1, 2, 90), -2, 1e-6);
    EXPECT_NEAR(rz3d(1, 2, 90), 1, 1e-6);
    EXPECT_FLOAT_EQ(rx2d(3, 4, 360), rx2d(3, 4, 0));

    struct Case {
        float a[3], b[3], n[3];
    } cases[] = {
        {{2, 0, 0}, {0, 3, 0}, {0, 0, 1}},
        {{0, 0, -5}, {5, 0, 0}, {0, -1, 0}},
        {{1, 2, 3}, {2, 4, 6}, {0, 1, 0}},  // parallel
        {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},  // no length
    };
    for (Case& c : cases) {
        float n[3];
        find_normal_vects(c.a, c.b, n);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(n[k], c.n[k], 1e-6) << k;
    }
}

TEST_F(TerrainTest, AttitudeTransformGivesRightForwardUp)
{
    struct Case {
        float the, psi, phi;
        float in[3], out[3];
    } cases[] = {
        {0, 0, 0, {0, 1, 0}, {0, 1, 0}},     // north is ahead
        {0, 90, 0, {1, 0, 0}, {0, 1, 0}},    // heading east: east is ahead
        {0, 90, 0, {0, 1, 0}, {-1, 0, 0}},   // and north to the left
        {90, 0, 0, {0, 0, 1}, {0, 1, 0}},    // nose straight up: up is ahead
        {0, 0, 90, {0, 0, -1}, {1, 0, 0}},   // right wing down: down is right
        {10, 0, 0, {0, 1, 0}, {0, 0.98481f, -0.17365f}},
    };
    for (const Case& c : cases) {
        con.sinPLANthe = std::sin(c.the * con.degtorad), con.cosPLANthe = std::cos(c.the * con.degtorad);
        con.sinPLANpsi = std::sin(c.psi * con.degtorad), con.cosPLANpsi = std::cos(c.psi * con.degtorad);
        con.sinPLANphi = std::sin(c.phi * con.degtorad), con.cosPLANphi = std::cos(c.phi * con.degtorad);
        float out[3];
        xfrm_VVECT(c.in[0], c.in[1], c.in[2], out);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(out[k], c.out[k], 1e-5) << c.the << "/" << c.psi << "/" << c.phi;
    }
}

TEST_F(TerrainTest, TriangleCorners)
{
    int c[6];
    convert_ij_dxy(4, 7, 0, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5]);
    EXPECT_EQ(std::vector<int>(c, c + 6), (std::vector<int>{4, 8, 5, 8, 4, 7}));
    convert_ij_dxy(4, 7, 1, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5]);
    EXPECT_EQ(std::vector<int>(c, c + 6), (std::vector<int>{5, 7, 4, 7, 5, 8}));
    convert_ij_cw(4, 7, 0, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5], 1, 2, 3);
    EXPECT_EQ(std::vector<int>(c, c + 6), (std::vector<int>{6, 10, 4, 7, 4, 10}));
    convert_ij_cw(4, 7, 1, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5], 1, 2, 3);
    EXPECT_EQ(std::vector<int>(c, c + 6), (std::vector<int>{4, 7, 6, 10, 6, 7}));
    convert_ij_cw(4, 7, 0, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5], 0, 2, 3);
    EXPECT_EQ(std::vector<int>(c, c + 6), (std::vector<int>{4, 10, 6, 7, 4, 7}));
    convert_ij_cw(4, 7, 1, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5], 0, 2, 3);
    EXPECT_EQ(std::vector<int>(c, c + 6), (std::vector<int>{6, 7, 4, 10, 6, 10}));
}

TEST_F(TerrainTest, FlatBelowFivePercentSteepFromIt)
{
    kilometre_grid();
    // Both cells first of their pairs, so that pairing leaves them be.
    planexyz[21][20][1] = 49;   // cell (20, 20): 0.049
    planexyz[41][40][1] = 50;   // cell (40, 40): 0.050
    city_on_poly[20][20] = city_on_poly[40][40] = 1;
    assign_terrain_texes(GRID_I, GRID_J);
    EXPECT_EQ(planetex[20][20], 19);
    EXPECT_GE(planetex[40][40], 20);  // steep, or a steep border piece
    EXPECT_LE(planetex[40][40], 23);
    EXPECT_EQ(city_on_poly[20][20], 1);
    EXPECT_EQ(city_on_poly[40][40], 0);  // no city on a steep cell
}

TEST_F(TerrainTest, SecondCellOfAPairTakesTheFirstsKind)
{
    kilometre_grid();
    planexyz[31][31][1] = 100;  // makes cell (30, 31) steep on its own
    assign_terrain_texes(GRID_I, GRID_J);
    EXPECT_EQ(planetex[30][30], 19);
    EXPECT_EQ(planetex[30][31], 19);
}

TEST_F(TerrainTest, WaterBesideLandGetsItsBorderPieces)
{
    kilometre_grid();
    // Water west of column 61, dry land from it on, and water in column 0
    // beside dry land in column 1 at rows 100 and over.
    for (int i = 0; i <= 60; ++i)
        for (int j = 0; j < GRID_J; ++j) on_water[i][j] = 1;
    for (int j = 100; j < GRID_J; ++j) on_water[1][j] = 0;
    assign_terrain_texes(GRID_I, GRID_J);

    EXPECT_EQ(planetex[59][50], 15);
    EXPECT_EQ(planetex[61][50], 19);
    // The straight edge, turned so that the land side faces east.
    EXPECT_EQ(planetex[60][50], 16);
    float(*c)[2][2] = planest[60][50];
    EXPECT_EQ(c[0][0][0], 1);
    EXPECT_EQ(c[0][0][1], 1);
    EXPECT_EQ(c[0][1][0], 1);
    EXPECT_EQ(c[0][1][1], 0);
    EXPECT_EQ(c[1][1][0], 0);
    EXPECT_EQ(c[1][1][1], 0);
    EXPECT_EQ(c[1][0][0], 0);
    EXPECT_EQ(c[1][0][1], 1);
    // The outermost column keeps its kind.
    EXPECT_EQ(planetex[0][120], 15);
}
