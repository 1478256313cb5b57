// The world window: grid figures, square versions, runway boxes, vessels,
// object slots and slides.
#include "world_fixture.h"

#include "world/scenery_update.h"
#include "world/weather_field.h"

#include "world/coordinates.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"
#include "world/world_window.h"

#include <cmath>
#include <cstring>
#include <fstream>

using WorldWindow = WorldFolder;

namespace {
env_obstacle standard(int type, float lat, float lon, float feet)
{
    env_obstacle o{};
    o.type = type, o.lat = lat, o.lon = lon, o.hddz = feet;
    return o;
}

void start_at(int lat_sou, int lon_wes)
{
    env.lat_sou = lat_sou;
    env.lon_wes = lon_wes;
    load_region();
}

} // namespace

TEST_F(WorldWindow, WindowFiguresAndOpenWaterWithoutFiles)
{
    start_at(34, -118);
    EXPECT_EQ(planexyz[0][0][0], 0);
    EXPECT_EQ(planexyz[0][0][2], 0);
    EXPECT_NEAR(planexyz[177][0][0], 276368, 1);
    EXPECT_NEAR(planexyz[0][158][2], -222240, 0.5);
    EXPECT_NEAR(env.dz, 222240, 0.5);
    EXPECT_EQ(on_water[100][100], 1);
    EXPECT_EQ(env.max_h, 0);
    EXPECT_EQ(obj_type[451], 0);
}

TEST_F(WorldWindow, FirstObjectOfTheRunTakesSlot451AndStandsOnTheGround)
{
    static env_grid g;
    regular_square(&g, 34, -118, 500, 0);
    write_square(34, -118, g, {standard(3, 34.5f, -117.5f, 1000), standard(2, 34.6f, -117.6f, 1000)});
    start_at(34, -118);
    ASSERT_EQ(obj_type[451], 3);
    EXPECT_NEAR(obj_xyz[451][0][0][0], X_with_latlon(34.5f, -117.5f), 0.5);
    EXPECT_NEAR(obj_xyz[451][0][0][2], Z_with_lat(34.5f), 0.5);
    EXPECT_NEAR(obj_xyz[451][1][0][1], 500 + 1000 * con.fttomtrs, 0.01);
    // A type 2 of 130 m or more is a tall building of a random form.
    EXPECT_GE(obj_type[452], 90);
    EXPECT_LE(obj_type[452], 96);
    // The end mark takes a slot too.
    EXPECT_EQ(obj_counter, 453);
}

TEST_F(WorldWindow, SquareVersionsByteOrderAndAltitude)
{
    static env_grid g;
    regular_square(&g, 34, -118, 321, 0);
    write_square(34, -118, g);
    std::string v4 = file_bytes(square_path(34, -118));
    std::string v3 = v4, v5 = v4, big = v4;
    v3[1] = 3;
    v5[1] = 5;
    big[0] = 'a';
    for (size_t k = 1; k + 4 <= big.size(); k += 4) std::swap(big[k], big[k + 3]), std::swap(big[k + 1], big[k + 2]);
    struct {
        const char* name;
        std::string bytes;
        double altitude_ft;
        float h;
        int water;
    } cases[] = {{"v3", v3, 0, 321, 0},         {"v4", v4, 0, 321, 0},          {"v5", v5, 0, 0, 1},
                 {"big-endian", big, 0, 321, 0}, {"at 99,999 ft", v4, 99999, 321, 0}, {"at 100,000 ft", v4, 100000, 0, 1}};
    for (auto& c : cases) {
        put("+030-120/+034-118.env", c.bytes);
        flt.Y = c.altitude_ft * con.fttomtrs;
        start_at(34, -118);
        EXPECT_EQ(planexyz[30][40][1], c.h) << c.name;
        EXPECT_EQ(on_water[30][40], c.water) << c.name;
        EXPECT_EQ(on_water[100][40], 1) << c.name;
    }
}

TEST_F(WorldWindow, PointOutsideItsSquareIsFatal)
{
    static env_grid g;
    regular_square(&g, 34, -118, 0, 0);
    g.lon[10][10] = -118.0011f;
    write_square(34, -118, g);
    EXPECT_EXIT(start_at(34, -118), ::testing::ExitedWithCode(1), "Damaged environment file!");
    g.lon[10][10] = -118.0009f;
    write_square(34, -118, g);
    start_at(34, -118);
    EXPECT_EQ(on_water[10][10], 0);
}

TEST_F(WorldWindow, BoxOverlapCountsTouchingEnds)
{
    struct {
        float lo1, hi1, lo2, hi2;
        int overlap;
    } cases[] = {{0, 1, 1, 2, 1}, {1, 2, 0, 1, 1}, {0, 1, 1.001f, 2, 0}, {0, 10, 2, 3, 1}, {2, 3, 0, 10, 1}};
    for (auto& c : cases) EXPECT_EQ(overlaps(c.lo1, c.hi1, c.lo2, c.hi2), c.overlap) << c.lo1 << " " << c.lo2;
}

TEST_F(WorldWindow, RunwaysFlattenTheirCellsAndTheLaterBoxWins)
{
    static env_grid g;
    regular_square(&g, 34, -118, 900, 0);
    write_square(34, -118, g);
    // A north-south runway, then a crossing one of another airport on the same spot.
    add_airport(34.5f, -117.5f, 400, 0, 3000, 30);
    add_airport(34.5f, -117.5f, 410, 90, 600, 20);
    start_at(34, -118);
    int i = 0, j = 0;
    cell_of_xz(X_with_latlon(34.5f, -117.5f), Z_with_lat(34.5f), &i, &j);
    EXPECT_NEAR(planexyz[i][j][1], 409.8f, 1e-3);
    EXPECT_EQ(tree_on_poly[i][j], 0);
    // Along the first runway, away from the second: its own height.
    int i2 = 0, j2 = 0;
    cell_of_xz(X_with_latlon(34.5f, -117.5f), Z_with_lat(34.5f) - 1300, &i2, &j2);
    EXPECT_NEAR(planexyz[i2][j2][1], 399.8f, 1e-3);
    EXPECT_EQ(planexyz[i2 + 20][j2][1], 900);
    EXPECT_EQ(tree_on_poly[i2 + 20][j2], 1);
}

TEST_F(WorldWindow, OneCellIslandCarriesNoVessel)
{
    static env_grid g;
    regular_square(&g, 34, -118, 0, 1);
    g.flags[30][40] = 0;
    write_square(34, -118, g);
    start_at(34, -118);
    EXPECT_EQ(frig_on_poly[30][40] + carr_on_poly[30][40] + oilr_on_poly[30][40], 0);
    int frigates = 0;
    for (int i = 0; i < 59; ++i)
        for (int j = 0; j < 79; ++j)
            if (frig_on_poly[i][j] || carr_on_poly[i][j] || oilr_on_poly[i][j]) {
                EXPECT_EQ(on_water[i][j], 1) << i << " " << j;
                frigates += frig_on_poly[i][j];
            }
    EXPECT_EQ(frigates, 1);
}

TEST_F(WorldWindow, SlidesKeepLongitudeContinuousAcrossTheSeam)
{
    for (int type : {SHIFT_WEST, SHIFT_EAST}) {
        start_at(34, -118);
        slide_window(type);
        // The seams between the squares read at the load and those read now.
        float seam = type == SHIFT_WEST ? env.lon_wes + 1.0f : env.lon_wes + 2.0f;
        for (float lat : {34.0f, 34.5f, 35.9f}) {
            float left = X_with_latlon(lat, seam - 1e-4f), right = X_with_latlon(lat, seam + 1e-4f);
            float step = 2e-4f * 60 * con.nmtomtrs * std::cos(lat * con.degtorad);
            EXPECT_NEAR(right - left, step, 1) << type << " " << lat;
        }
        int i_seam = type == SHIFT_WEST ? 59 : 118;
        EXPECT_NEAR(planexyz[i_seam][79][0], X_with_latlon(env.lat_sou + 1.0f, seam), 1) << type;
    }
}

TEST_F(WorldWindow, SouthAndNorthSlidesMoveZByOneDegree)
{
    start_at(34, -118);
    slide_window(SHIFT_SOUTH);
    EXPECT_NEAR(planexyz[0][79][2], 0, 0.01);
    EXPECT_NEAR(planexyz[0][0][2], 60 * con.nmtomtrs, 0.01);
    EXPECT_NEAR(Z_with_lat(34), 0, 0.01);
    slide_window(SHIFT_NORTH);
    EXPECT_NEAR(planexyz[0][0][2], 0, 0.01);
    EXPECT_NEAR(planexyz[0][158][2], -2 * 60 * con.nmtomtrs, 0.05);
}

TEST_F(WorldWindow, ObjectsBeyondTheNewEdgeAreDropped)
{
    start_at(34, -118);
    // After a west slide the old column 118 is the east edge.
    float edge = planexyz[118][158][0];
    obj_type[600] = 3, obj_xyz[600][0][0][0] = edge;
    // 2 cm: the smallest step a float holds this far out.
    obj_type[601] = 3, obj_xyz[601][0][0][0] = edge + 0.02f;
    slide_window(SHIFT_WEST);
    EXPECT_EQ(obj_type[600], 3);
    EXPECT_EQ(obj_type[601], 0);
}

TEST_F(WorldWindow, SlideMovesGridFlagsAndTheAircraftCell)
{
    static env_grid g;
    regular_square(&g, 35, -117, 50, 0);
    write_square(35, -117, g);
    start_at(34, -118);
    ASSERT_EQ(on_water[70][90], 0);
    atm.therm_on_poly[70][90] = 1;
    env.i_aircraft = 70, env.j_aircraft = 90;
    slide_window(SHIFT_EAST);
    EXPECT_EQ(on_water[11][90], 0);
    EXPECT_EQ(atm.therm_on_poly[11][90], 1);
    EXPECT_EQ(planexyz[11][90][1], 50);
    EXPECT_EQ(env.i_aircraft, 11);
    EXPECT_EQ(env.j_aircraft, 90);
}

// A record of a type the reader has no object for passes over: it takes its
// slot and the list goes on to the end marker.
TEST_F(WorldWindow, UnknownObjectTypeIsSkippedNotTheEndOfTheList)
{
    static env_grid g;
    regular_square(&g, 34, -118, 500, 0);
    write_square(34, -118, g, {standard(3, 34.5f, -117.5f, 1000), standard(5, 34.6f, -117.6f, 800)});
    // A type 7 record (no fields) between the two: after the 5-byte header,
    // the grid and the first record.
    std::string bytes = file_bytes(square_path(34, -118));
    const int seven = 7;
    bytes.insert(5 + ENV_COLS * ENV_ROWS * 16 + 24, (const char*)&seven, 4);
    std::ofstream(square_path(34, -118), std::ios::binary) << bytes;
    start_at(34, -118);
    EXPECT_EQ(obj_type[451], 3);
    EXPECT_EQ(obj_type[452], 0);
    EXPECT_EQ(obj_type[453], 5);
}

// A fire placed by a load or moved by a slide stands on the ground of its
// new place, not at the height it had.
TEST_F(WorldWindow, FireStandsOnTheGroundOfItsNewPlace)
{
    static env_grid g;
    for (int lat : {34, 35})
        for (int lon = -118; lon <= -115; ++lon) {
            regular_square(&g, lat, lon, 0, 0);
            // Steep everywhere: fires start in mountains.
            for (int i = 0; i < ENV_COLS; ++i)
                for (int j = 0; j < ENV_ROWS; ++j) g.elev[i][j] = 2000 + 600 * ((i + j) % 2) + 10 * (lon + 118);
            write_square(lat, lon, g);
        }
    auto ground_under_fire = [] {
        for (int i = 0; i < GRID_I; ++i)
            for (int j = 0; j < GRID_J; ++j)
                if (planexyz[i][j][0] == scn.firexyz[0][0] && planexyz[i][j][2] == scn.firexyz[0][2])
                    return planexyz[i][j][1];
        return -1.0f;
    };
    for (int f = 0; f < 10; ++f) scn.firexyz[f][1] = -777;
    start_at(34, -118);
    ASSERT_EQ(scn.fire_on[0], 1);
    EXPECT_GE(scn.firexyz[0][1], 2000);
    EXPECT_EQ(scn.firexyz[0][1], ground_under_fire());

    // Left behind beyond the window's west edge at its old height, the fire
    // moves into the window with the slide east.
    for (int f = 0; f < 10; ++f) scn.firexyz[f][0] = -500000;
    slide_window(SHIFT_EAST);
    ASSERT_GT(scn.firexyz[0][0], planexyz[20][20][0]);
    EXPECT_EQ(scn.firexyz[0][1], ground_under_fire());
}

namespace {
// Marks of a place, fixed to the ground whatever window holds it: the rain
// field's point by its 1/210-degree column from 120 W and row from 40 N, the
// cloud mesh's by its 1/16-degree column and row from 120 W, 30 N.
float field_mark(int lat_sou, int lon_wes, int i, int j)
{
    int col = (lon_wes + 120) * 210 + i, row = (40 - (lat_sou + 2)) * 210 + j;
    return (float)(col * 2000 + row);
}

float mesh_mark(int lat_sou, int lon_wes, int i, int j, int t)
{
    int col = (lon_wes - 1 + 120) * 16 + i, row = (lat_sou - 1 - 30) * 16 + j;
    return (float)((col * 1000 + row) * 4 + t);
}
} // namespace

// A one-degree slide keeps every bit of weather over the ground it lay over:
// the rain field and the cloud mesh, each on its own grid, in all four
// directions. Only the new squares and the new cloud sectors are made anew.
TEST_F(WorldWindow, SlideKeepsRainAndCloudsOverTheirGround)
{
    const struct {
        int type, dlat, dlon;
        const char* name;
    } slides[] = {{SHIFT_WEST, 0, -1, "west"}, {SHIFT_EAST, 0, 1, "east"}, {SHIFT_SOUTH, -1, 0, "south"},
                  {SHIFT_NORTH, 1, 0, "north"}};
    for (const auto& s : slides) {
        SCOPED_TRACE(s.name);
        start_at(34, -118);
        const int sou = env.lat_sou, wes = env.lon_wes;
        for (int i = 0; i < 631; ++i)
            for (int j = 0; j < 421; ++j) atm.wxr[i][j] = field_mark(sou, wes, i, j);
        for (int i = 0; i < CLOUD_I; ++i)
            for (int j = 0; j < CLOUD_J; ++j)
                for (int t = 0; t < 3; ++t) cloudxyz[i][j][t] = cloudrgb[i][j][t] = mesh_mark(sou, wes, i, j, t);

        slide_window(s.type);
        ASSERT_EQ(env.lat_sou, sou + s.dlat);
        ASSERT_EQ(env.lon_wes, wes + s.dlon);

        // Field points over ground the old window covered, outside the new squares.
        const int di = s.dlon * 210, dj = -s.dlat * 210;
        int kept = 0;
        for (int i = 0; i < 631; ++i)
            for (int j = 0; j < 421; ++j) {
                int oi = i + di, oj = j + dj;
                if (oi < 0 || oi > 630 || oj < 0 || oj > 420) continue;
                ASSERT_EQ(atm.wxr[i][j], field_mark(sou, wes, oi, oj)) << i << " " << j;
                ++kept;
            }
        EXPECT_EQ(kept, s.dlon ? 421 * 421 : 631 * 211);

        // Mesh points likewise, outside the refilled sectors (their edges included).
        const int mi = s.dlon * 16, mj = s.dlat * 16;
        kept = 0;
        for (int i = 0; i < CLOUD_I; ++i)
            for (int j = 0; j < CLOUD_J; ++j) {
                int oi = i + mi, oj = j + mj;
                if (oi < 0 || oi >= CLOUD_I || oj < 0 || oj >= CLOUD_J) continue;
                if ((s.type == SHIFT_WEST && i <= 16) || (s.type == SHIFT_EAST && i >= 64) ||
                    (s.type == SHIFT_SOUTH && j <= 16) || (s.type == SHIFT_NORTH && j >= 48))
                    continue;
                for (int t = 0; t < 3; ++t) {
                    ASSERT_EQ(cloudxyz[i][j][t], mesh_mark(sou, wes, oi, oj, t)) << i << " " << j;
                    ASSERT_EQ(cloudrgb[i][j][t], mesh_mark(sou, wes, oi, oj, t)) << i << " " << j;
                }
                ++kept;
            }
        EXPECT_EQ(kept, s.dlon ? 64 * 65 : 81 * 48);
    }
}
