// The instruments' numeric cores: dial angles, lags, smoothing, the radar
// picture, the map projection and the head-up display's geometry.
#include "tests/panel/panel_fixture.h"
#include "tests/support/trainer.h"

#include "records/cockpit_state.h"
#include "cockpit/flight_instruments.h"
#include "cockpit/glass_displays.h"
#include "cockpit/hud.h"
#include "cockpit/instrument_primitives.h"
#include "cockpit/nav_instruments.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
class InstrumentNumbers : public PanelFixture {};
} // namespace

TEST_F(InstrumentNumbers, AltimeterAt12340Feet)
{
    int n = alt_dial(12340);
    EXPECT_EQ(n, 4442);
    EXPECT_EQ(alt_long_needle(n), 122);
    EXPECT_EQ(alt_short_needle(n), 84);
    EXPECT_NEAR(alt_counter(n), 123.39f, 0.01f);
    // Below sea level and beyond the dial's range it wraps, never negative.
    EXPECT_GE(alt_dial(-100), 0);
    EXPECT_EQ(alt_dial(NAN), 0);
}

TEST_F(InstrumentNumbers, AirspeedNeedleLimitsAndBackwardsRolling)
{
    const struct {
        int astype;
        float v;
        int angle;
    } cases[] = {
        {1, pln.Vmin - 10, 0},  {1, pln.Vmax + 50, 330}, {1, pln.Vmin, 0},
        {2, -20, 0},            // rolling backwards: the power of a negative speed is no NaN
        {1, NAN, 0},
    };
    for (const auto& c : cases) {
        pln.AStype = c.astype;
        pln.ASpwr = c.astype == 2 ? 0.5f : pln.ASpwr;
        EXPECT_EQ(airspeed_needle(c.v), c.angle) << c.astype << " " << c.v;
    }
    // Between the ends the needle follows the face's own angle.
    load_bundled_trainer();
    float mid = (pln.Vmin + pln.Vmax) / 2;
    EXPECT_EQ(airspeed_needle(mid), (int)asi_angle(mid));
}

TEST_F(InstrumentNumbers, JetMaximumSpeedNeedleNeverPassesVne)
{
    pln.Mmo = 2;   // far beyond Vne at any height
    pln.asi_units = 2;
    int at_vne = airspeed_needle(pln.Vne);
    EXPECT_EQ(mmo_needle(340, 1), intlim(at_vne, 0, 350));
    pln.Mmo = 0.1f;
    EXPECT_LT(mmo_needle(340, 1), at_vne);
}

TEST_F(InstrumentNumbers, TurnLagAndTheBallsNormalForce)
{
    // One second of 20 frames toward a standard-rate turn (R = 3 deg/s).
    float ts = 0;
    for (int k = 0; k < 20; ++k) ts = turn_rate_step(ts, 3, 0.05f);
    EXPECT_NEAR(ts, 30 * (1 - std::pow(0.95f, 20)), 1e-3);
    EXPECT_NEAR(turn_rate_step(0, 100, 1), 55, 1e-4);   // target limited to 55
    const struct {
        float fs, fn, slip;
    } cases[] = {
        {0.001f, 0, 4 * std::atan(0.01f) * 57.29578f},        // 0 counts as +0.1
        {0.001f, -0.05f, -4 * std::atan(0.01f) * 57.29578f},  // inside: to the nearer end
        {0.001f, 0.05f, 4 * std::atan(0.01f) * 57.29578f},
        {50, 100, 15},
        {-5, 1, -15},
    };
    for (const auto& c : cases) EXPECT_NEAR(slip_target(c.fs, c.fn), c.slip, 1e-3) << c.fs << " " << c.fn;
}

TEST_F(InstrumentNumbers, AttitudeSlopeAndColours)
{
    EXPECT_NEAR(ah_inverse_slope(0), 999, 1e-3);     // level: a flat horizon
    EXPECT_NEAR(ah_inverse_slope(180), -999, 1e-3);  // inverted: flat, sign of the cosine
    EXPECT_NEAR(ah_inverse_slope(90), 0, 1e-4);      // knife edge: the horizon stands upright
    EXPECT_NEAR(ah_inverse_slope(45), 1, 1e-4);
    EXPECT_NEAR(ah_inverse_slope(-315), 1, 1e-4);    // wraps fully
    int up[4], inv[4], glass_up[4];
    ah_colours(0, 0, up);
    ah_colours(180, 0, inv);
    ah_colours(359, 1, glass_up);
    EXPECT_EQ(up[0], 35);
    EXPECT_EQ(up[1], 37);
    EXPECT_EQ(inv[0], 37);
    EXPECT_EQ(inv[1], 35);
    EXPECT_EQ(inv[2], 36);
    EXPECT_EQ(glass_up[0], 53);
    EXPECT_EQ(glass_up[1], 54);
}

TEST_F(InstrumentNumbers, AdfNeedleTurnsTheShortWayAtNinetyDegreesASecond)
{
    const struct {
        int adf, b;
        float prd;
        int out;
    } cases[] = {
        {10, 350, 0.05f, 5},   // step -20 limited to round(4.5) = 5
        {350, 10, 0.05f, 355}, // across north the other way
        {5, 7, 0.05f, 7},      // within the rate: straight there
        {0, 180, 1, 270},      // half a turn goes the negative way
        {100, 100, 0, 100},
    };
    for (const auto& c : cases) EXPECT_EQ(adf_step(c.adf, c.b, c.prd), c.out) << c.adf << " " << c.b;
}

TEST_F(InstrumentNumbers, RadarAltimeterAnglesAndOneCallPerCrossing)
{
    EXPECT_NEAR(radalt_angle(200), 72, 1e-4);
    EXPECT_NEAR(radalt_angle(1000), 198, 1e-4);
    EXPECT_NEAR(radalt_angle(2500), 252, 1e-4);
    const float heights[] = {300, 250, 199, 150, 100, 250, 190, 180};
    const int calls[] = {0, 0, 1, 0, 0, 0, 1, 0};
    int below = 0;
    for (int k = 0; k < 8; ++k) EXPECT_EQ(radalt_call(heights[k], 200, &below), calls[k]) << k;
}

TEST_F(InstrumentNumbers, DmeSmoothingSpeedAndAZeroTimeStep)
{
    dme_state st = {0, 0, 0};
    float d, s;
    int m;
    dme_step(&st, 10, 1, &d, &s, &m);
    EXPECT_NEAR(d, 4, 1e-4);
    EXPECT_NEAR(s, 999, 1e-3);   // 14400 kt limited
    st = {10, 100, 0};
    dme_step(&st, 10 - 0.1f / 0.4f * 1, 101, &d, &s, &m);   // smoothed 0.1 nm closer in 1 s
    EXPECT_NEAR(d, 9.9f, 1e-3);
    EXPECT_NEAR(s, 360, 0.5f);
    EXPECT_EQ(m, round(60 * 9.9f / s));
    // The same time again: the speed stays, no division by zero.
    dme_step(&st, 9.9f, 101, &d, &s, &m);
    EXPECT_NEAR(s, 360, 0.5f);
    EXPECT_TRUE(std::isfinite(s));
    st = {5, 0, 0};
    dme_step(&st, 5, 1, &d, &s, &m);
    EXPECT_EQ(m, 0);   // standing still: 0 minutes
    EXPECT_EQ(gps_minutes(18520, 0), 0);
    EXPECT_EQ(gps_minutes(18520, -3), 0);
    EXPECT_EQ(gps_minutes(18520, 100), 3);
    EXPECT_EQ(gps_minutes(1e9f, 1), 999);
}

TEST_F(InstrumentNumbers, DmeMeasuresAFullIlsToItsGlideSlopeElseToTheStation)
{
    flt.X = flt.Y = flt.Z = 0;
    nav.vorX[0] = 0, nav.vorY[0] = 0, nav.vorZ[0] = -10 * con.nmtomtrs;
    nav.gsX[0] = 0, nav.gsY[0] = 0, nav.gsZ[0] = -2 * con.nmtomtrs;
    const struct {
        int ilsgs;
        float nm;
    } cases[] = {{9, 10}, {3, 2}, {0, 10}};
    for (const auto& c : cases) {
        nav.ilsgs[0] = c.ilsgs;
        EXPECT_NEAR(dme_distance_nm(0), c.nm, 1e-3) << c.ilsgs;
    }
}

TEST_F(InstrumentNumbers, StrikesWithinRangeShowForSixtySeconds)
{
    flt.X = flt.Z = 0;
    flt.psi = 90;
    const struct {
        float nm;
        bool shown;
    } cases[] = {{20, false}, {10, true}, {17.5f, true}};
    for (const auto& c : cases) {
        strike_ring ring = {};
        // A strike due north starts at t = 5.
        strike_ring_update(&ring, 4, 5, 0, 0);   // none in progress
        strike_ring_update(&ring, 5.5f, 5, 0, -c.nm * con.nmtomtrs);
        float r;
        int b;
        int k = ring.next;
        EXPECT_EQ(strike_position(&ring, k, 5, &r, &b) == 1, c.shown) << c.nm;
        if (!c.shown) continue;
        EXPECT_NEAR(r, 2.5f * c.nm, 1e-2);
        EXPECT_EQ(b, 270);   // north, seen heading east
        EXPECT_EQ(strike_position(&ring, k, 64.9f, &r, &b), 1);
        EXPECT_EQ(strike_position(&ring, k, 65.1f, &r, &b), 0);
    }
    // One strike lasting several frames is recorded once.
    strike_ring ring = {};
    for (int f = 0; f < 5; ++f) strike_ring_update(&ring, 10, 1 + 0.05f * f, 0, 0);
    EXPECT_EQ(ring.next, 1);
}

TEST_F(InstrumentNumbers, VariometerShowsTotalEnergyClimb)
{
    const struct {
        float fpm;
        int angle;
    } cases[] = {{500, 38}, {210, -22}, {0, -90}, {-210, -157}, {-5000, -218}};
    for (const auto& c : cases) {
        float e_o = 0;
        vari_step(&e_o, 1000, 50, 1);
        double dy = c.fpm / 60 / con.mtrstoft;   // one second at that climb, speed held
        EXPECT_EQ(vari_step(&e_o, 1000 + dy, 50, 1), c.angle) << c.fpm;
    }
    // Trading speed for height shows no climb.
    float e_o = 0;
    vari_step(&e_o, 1000, 50, 1);
    float v2 = std::sqrt(50.0f * 50 - 2 * con.g * 10);
    EXPECT_EQ(vari_step(&e_o, 1010, v2, 1), -90);
}

TEST_F(InstrumentNumbers, MapRangeReachesTheTopEdgeInEveryMode)
{
    ins.map_range = 10;
    ins.arg_range = 10;
    flt.psi = 0;
    for (int type : {23, 24}) {
        for (int mode = 0; mode <= 2; ++mode) {
            ins.map_mode = ins.arg_mode = mode;
            glass_view v;
            glass_view_for(type, &v);
            float px, py;
            glass_project(&v, 0, -10 * con.nmtomtrs, &px, &py);   // 10 nm north, ahead
            EXPECT_NEAR(py, v.bot + v.h, 0.01f) << type << " " << mode;
            EXPECT_NEAR(px, v.xa, 0.01f);
            if (mode == 1) {
                EXPECT_EQ(v.ya, v.bot + v.h / 4);
            }
        }
    }
    // Heading up, flying east: a point east lies ahead; north up it lies right.
    flt.psi = 90;
    ins.map_mode = 1;
    glass_view v;
    glass_view_for(23, &v);
    float px, py;
    glass_project(&v, 5 * con.nmtomtrs, 0, &px, &py);
    EXPECT_NEAR(px, v.xa, 0.01f);
    EXPECT_GT(py, v.ya + 50);
    ins.map_mode = 2;
    glass_view_for(23, &v);
    glass_project(&v, 5 * con.nmtomtrs, 0, &px, &py);
    EXPECT_NEAR(py, v.ya, 0.01f);
    EXPECT_GT(px, v.xa + 50);
}

TEST_F(InstrumentNumbers, RadarPaletteIndexAndOffGridSamples)
{
    EXPECT_EQ(radar_index(1, 3), 2);
    EXPECT_EQ(radar_index(1, 5.5f), 4);
    EXPECT_EQ(radar_index(1, 9), 4);    // above the palette: its top
    EXPECT_EQ(radar_index(-1, 3), 0);
    EXPECT_EQ(radar_index(NAN, 3), 0);
    // A window of 3 x 2 km with rain everywhere; the aircraft on its west
    // edge, facing west: the left of the picture lies beyond the grid.
    env.lox = 0, env.loz = 0, env.dx = 3000, env.dz = 2000;
    for (auto& col : atm.wxr)
        for (float& w : col) w = 1;
    atm.rain_tstm = 3;
    flt.X = 0, flt.Z = 1000, flt.psi = 270;
    ins.rad_range = 0.5f;
    glass_view v;
    glass_view_for(25, &v);
    build_radar_picture(&v);
    const unsigned char* mid_row = &radar_rgb[64 * RADAR_SIDE * 3];
    const unsigned char* beyond = &mid_row[64 * 3];   // ahead: west of the grid
    EXPECT_EQ(beyond[0] + beyond[1] + beyond[2], 0);
    const unsigned char* back = &radar_rgb[(2 * RADAR_SIDE + 64) * 3];   // just behind the aircraft: inside
    EXPECT_EQ(back[1], (unsigned char)std::lround(col_rgb[72][1] * 255));
}

TEST_F(InstrumentNumbers, HudFlightPathBoxAndHoops)
{
    con.HUD_lft = 200, con.HUD_rgt = 600, con.HUD_bot = 334, con.HUD_top = 552;
    con.cntrx = 400, con.cntry = 443;
    float x, y;
    hud_flight_path(0, 10, 500, &x, &y);
    EXPECT_NEAR(x, 400 - 94.1f, 1e-3);
    hud_flight_path(0, 50, 500, &x, &y);
    EXPECT_NEAR(x, 202, 1e-3);   // held 2 units inside the box
    hud_flight_path(0, 0, 502, &x, &y);
    EXPECT_NEAR(y, 443 + 75.28f, 1e-3);
    hud_flight_path(-30, 0, 500, &x, &y);
    EXPECT_NEAR(y, 550, 1e-3);
    EXPECT_NEAR(hoop_distance(0), 628.5f, 0.1f);
    EXPECT_NEAR(hoop_distance(7), 6000, 0.01f);
    // Course 090: the hoops lie west of the runway end, rising 3 degrees.
    const float end[3] = {1000, 50, 2000};
    float c[3];
    hoop_centre(7, end, 90, c);
    EXPECT_NEAR(c[0], 1000 - 6000, 0.5f);
    EXPECT_NEAR(c[1], 50 + 6000 * std::sin(3 * M_PI / 180), 0.5f);
    EXPECT_NEAR(c[2], 2000, 0.5f);
}
