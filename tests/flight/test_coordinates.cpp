// Latitude and longitude to and from the world window's metres.
#include "flight_fixture.h"

#include "world/coordinates.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <cmath>

using CoordinatesTest = FlightTest;

TEST_F(CoordinatesTest, LatitudeRoundTrip)
{
    EXPECT_FLOAT_EQ(Z_with_lat(34), env.hiz);
    for (float lat : {33.2f, 34.0f, 34.75f, 35.5f, 36.0f, 36.9f})
        EXPECT_NEAR(lat_with_z(Z_with_lat(lat)), lat, 1e-5) << lat;
    EXPECT_NEAR(Z_with_lat(35) - Z_with_lat(34), -60 * con.nmtomtrs, 0.01f);
}

TEST_F(CoordinatesTest, LongitudeRoundTripInEverySquare)
{
    for (float lat : {34.2f, 34.9f, 35.1f, 35.8f})
        for (float lon : {-117.9f, -117.3f, -116.6f, -116.1f, -115.2f})
            EXPECT_NEAR(lon_with_xz(X_with_latlon(lat, lon), Z_with_lat(lat)), lon, 1e-4) << lat << "," << lon;
}

TEST_F(CoordinatesTest, ADegreeOfLongitudeShrinksWithLatitude)
{
    struct Case {
        int lat_sou;
        float lat, nm_per_degree;
    } cases[] = {{0, 0, 60}, {-1, 0, 60}, {59, 60, 30}};
    for (const Case& c : cases) {
        env.lat_sou = c.lat_sou;
        float d = X_with_latlon(c.lat, env.lon_wes + 0.75f) - X_with_latlon(c.lat, env.lon_wes + 0.25f);
        EXPECT_NEAR(d * 2 / con.nmtomtrs, c.nm_per_degree, 1e-3) << c.lat;
    }
}

TEST_F(CoordinatesTest, PositionsOutsideTheWindowUseTheEdgeSquares)
{
    // Reference pairs that tell the squares apart.
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r) {
            env.lonwes_ref[c][r] = (float)(env.lon_wes + c);
            env.planex_ref[c][r] = 1000.0f * c + 100.0f * r + 7;
        }
    float deg = 60 * con.nmtomtrs;
    auto x_at = [&](float lat, float lon, int c, int r) {
        return (lon - (env.lon_wes + c)) * deg * std::cos(lat * con.degtorad) + 1000.0f * c + 100.0f * r + 7;
    };
    struct Case {
        float lat, lon;
        int c, r;
    } cases[] = {
        {34.5f, -119.5f, 0, 0},  // west of the window
        {34.5f, -113.0f, 2, 0},  // east of it
        {33.0f, -116.5f, 1, 0},  // south
        {37.5f, -116.5f, 1, 1},  // north
        {35.5f, -115.5f, 2, 1},  // the north-east square
    };
    for (const Case& c : cases)
        EXPECT_NEAR(X_with_latlon(c.lat, c.lon), x_at(c.lat, c.lon, c.c, c.r), 0.5f) << c.lat << "," << c.lon;

    // The same squares from metres.
    auto lon_at = [&](float x, float z, int c, int r) {
        float lat = lat_with_z(z);
        return (x - (1000.0f * c + 100.0f * r + 7)) / (deg * std::cos(lat * con.degtorad)) + env.lon_wes + c;
    };
    struct XZ {
        float x, z;
        int c, r;
    } xz[] = {
        {-5000, 1000, 0, 0},                    // west and south of the window
        {env.hix + 5000, env.loz - 1000, 2, 1}, // east and north
        {env.dx / 2, env.loz + 10, 1, 1},
    };
    for (const XZ& p : xz) EXPECT_NEAR(lon_with_xz(p.x, p.z), lon_at(p.x, p.z, p.c, p.r), 1e-4) << p.x << "," << p.z;
}
