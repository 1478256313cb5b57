// What the ship drawers decide about the user's aircraft: decks, wires, the ball and the beacons.
#include "ship_fixture.h"

#include "records/cockpit_state.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "shell/INITGEN.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "world/ship_decks.h"
#include "world/terrain_grid.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// Away from the origin, yet where a float still resolves well under a centimetre.
const float XC = 2000, YC = 1.5f, ZC = -3000;

struct Ships : ::testing::Test {
    void SetUp() override { ship_world(); }
};

struct vessel {
    outline_pts outline;
    int (*over)(float, float, float, float);
};
} // namespace

TEST_F(Ships, DeckEdgesAreOverAndACentimetreOutsideIsNot)
{
    const vessel vessels[] = {{carrier_outline(), over_carr_deck},
                              {frigate_outline(), over_frig_deck},
                              {rig_outline(), over_oilr_deck}};
    for (const auto& v : vessels) {
        const auto& p = v.outline.xz;
        for (size_t k = 0; k + 1 < p.size(); ++k) {
            float ax = p[k][0], az = p[k][1], bx = p[k + 1][0], bz = p[k + 1][1];
            float len = std::hypot(bx - ax, bz - az);
            // Clockwise seen from above: outward is to the left of the edge's direction.
            float ox = (bz - az) / len, oz = -(bx - ax) / len;
            float mx = XC + (ax + bx) / 2, mz = ZC + (az + bz) / 2;
            SCOPED_TRACE(std::string(v.outline.name) + " edge " + std::to_string(k));
            EXPECT_TRUE(v.over(XC, ZC, mx, mz));
            EXPECT_TRUE(v.over(XC, ZC, XC + ax, ZC + az));   // the corner itself
            EXPECT_FALSE(v.over(XC, ZC, mx + 0.01f * ox, mz + 0.01f * oz));
            EXPECT_TRUE(v.over(XC, ZC, mx - 0.5f * ox, mz - 0.5f * oz));
        }
    }
}

TEST_F(Ships, TheCarriersDecksMeetWithoutAGap)
{
    // Along the angled deck's seam with the axial deck, and the sponson's with the island side.
    for (float f = 0.05f; f < 1; f += 0.1f) {
        const float* a = carr_pxyz[12][1];
        const float* b = carr_pxyz[13][1];
        EXPECT_TRUE(over_carr_deck(XC, ZC, XC + a[0] + (b[0] - a[0]) * f, ZC + a[2] + (b[2] - a[2]) * f)) << f;
    }
    EXPECT_TRUE(over_carr_deck(XC, ZC, XC + 30, ZC));
    // The landing area, the mirror and the catapult start stand on the deck.
    EXPECT_TRUE(over_carr_deck(XC, ZC, XC - 5, ZC + 105));
    EXPECT_TRUE(over_carr_deck(XC, ZC, XC - 35, ZC + 76));
    EXPECT_TRUE(over_carr_deck(XC, ZC, XC - 12.5f, ZC - 54));
    for (int k = 0; k < 63; ++k) EXPECT_TRUE(over_carr_deck(XC, ZC, XC + carr_lxyz[k][0], ZC + carr_lxyz[k][2])) << k;
    EXPECT_FALSE(over_carr_deck(XC, ZC, XC, ZC + 200));
}

TEST_F(Ships, ContactMarksTheDeckAndTheShipReference)
{
    env.carr_the = 2;
    env.carr_phi = -3;
    place_aircraft(XC + 1, YC + 30, ZC - 20);
    carr_contact(XC, YC, ZC);
    EXPECT_EQ(env.surf_type, 27);
    EXPECT_EQ(env.over_carr, 1);
    EXPECT_EQ(env.over_frig + env.over_obs, 0);
    EXPECT_FLOAT_EQ(con.BOAT_loc_X, XC);
    EXPECT_FLOAT_EQ(con.BOAT_loc_Y, YC);
    EXPECT_FLOAT_EQ(con.BOAT_loc_Z, ZC);
    EXPECT_NEAR(con.sinBOATthe, std::sin(2 * con.degtorad), 1e-6);
    EXPECT_NEAR(con.cosBOATphi, std::cos(3 * con.degtorad), 1e-6);
    EXPECT_NEAR(con.sinBOATphi, -std::sin(3 * con.degtorad), 1e-6);
    EXPECT_EQ(con.sinBOATpsi, 0);
    EXPECT_EQ(con.cosBOATpsi, 1);
    // The next flight step stands the aircraft on the tilted deck.
    int i = 89, j = 79;
    EXPECT_NEAR(find_local_h(XC, ZC, &i, &j, 1), YC + 21 * std::cos(3 * con.degtorad) * std::cos(2 * con.degtorad), 1e-3);

    reset_contact();
    env.frig_the = 1;
    place_aircraft(XC, YC, ZC + 55);
    frig_contact(XC, YC, ZC);
    EXPECT_EQ(env.surf_type, 27);
    EXPECT_EQ(env.over_frig, 1);
    EXPECT_NEAR(con.sinBOATthe, std::sin(1 * con.degtorad), 1e-6);
    EXPECT_NEAR(find_local_h(XC, ZC, &i, &j, 1), YC + 7 * std::cos(1 * con.degtorad), 1e-3);

    reset_contact();
    place_aircraft(XC, YC + 80, ZC + 80);
    oilr_contact(XC, YC, ZC);
    EXPECT_EQ(env.surf_type, 27);
    EXPECT_EQ(env.over_obs, 1);
    EXPECT_FLOAT_EQ(env.obj_height, YC + 62);
    EXPECT_FLOAT_EQ(find_local_h(XC, ZC + 80, &i, &j, 1), YC + 62);

    // Beside the vessels: the flags stay as the frame left them.
    reset_contact();
    place_aircraft(XC + 100, YC, ZC);
    carr_contact(XC, YC, ZC);
    frig_contact(XC, YC, ZC);
    oilr_contact(XC, YC, ZC);
    EXPECT_EQ(env.surf_type, 32);
    EXPECT_EQ(env.over_carr + env.over_frig + env.over_obs, 0);
}

TEST_F(Ships, ArrestingWires)
{
    struct {
        const char* what;
        int hook, onground, wired;
        float vind, beta;
        float dz;   // aircraft z from the carrier's reference point
        int wired_after;
    } cases[] = {
        {"caught", 1, 1, 0, 60, 0, 105, 1},
        {"at 10 kt", 1, 1, 0, 10, 0, 105, 0},
        {"hook up", 0, 1, 0, 60, 0, 105, 0},
        {"in the air", 1, 0, 0, 60, 0, 105, 0},
        {"short of the wires", 1, 1, 0, 60, 0, 140, 0},
        {"past the wires", 1, 1, 0, 60, 0, 70, 0},
        {"sliding sideways", 1, 1, 0, 60, 91, 105, 0},
        {"rolling back", 1, 1, 1, 5, 91, 105, 0},
        {"rolling back to port", 1, 1, 1, 5, -91, 105, 0},
        {"held", 1, 1, 1, 5, 89, 105, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ins.hook_down = c.hook;
        flt.onground = c.onground;
        flt.wired = c.wired;
        flt.vind = c.vind;
        flt.Beta = c.beta;
        flt.v = 50;
        flt.trap_accel = 0;
        place_aircraft(XC - 5, YC + 22, ZC + c.dz);
        carr_wires(XC, ZC);
        EXPECT_EQ(flt.wired, c.wired_after);
        if (!c.wired) {
            EXPECT_FLOAT_EQ(flt.trap_accel, c.wired_after ? 12.5f : 0);
        }
    }
}

TEST_F(Ships, BallLights)
{
    struct {
        float angle;   // degrees above the aid, seen from 1000 m out
        int light;
    } cases[] = {{3.5f, 72}, {6, 74}, {30, 74}, {4.6f, 73}, {2.4f, 71}, {1, 70}, {0, 70}, {-5, 70}};
    for (const auto& c : cases) {
        float d[3] = {600, 1000 * std::tan(c.angle * con.degtorad), 800};
        int light = ball_light(d);
        EXPECT_EQ(light, c.light) << c.angle;
        EXPECT_EQ(ball_colour(light), c.light == 70 ? 44 : 41) << c.angle;
    }
    float above[3] = {0, 50, 0};
    EXPECT_EQ(ball_light(above), 74);
}

TEST_F(Ships, BeaconsAfterTheCarriersTurn)
{
    place_aircraft(XC + 500, YC + 100, ZC + 3000);
    carr_contact(XC, YC, ZC);
    const float px = XC - 35, py = YC + 23, pz = ZC + 76;
    EXPECT_FLOAT_EQ(atc.cardxyz[0], 535);
    EXPECT_FLOAT_EQ(atc.cardxyz[1], 77);
    EXPECT_FLOAT_EQ(atc.cardxyz[2], 2924);

    struct {
        int slot, type, course;
    } beacons[] = {{env.navmax - 1, 4, 352}, {env.navmax, 6, 4}};
    for (const auto& b : beacons) {
        SCOPED_TRACE(b.slot);
        EXPECT_EQ(nav_type[b.slot], b.type);
        EXPECT_EQ(nav_hdng[b.slot], b.course);
        EXPECT_EQ(nav_f12[b.slot], 10800);
        EXPECT_EQ(nav_inreg[b.slot], 1);
        EXPECT_STREQ(nav_id[b.slot], "----");
        EXPECT_STREQ(nav_name[b.slot], "USS Enterprise");
        EXPECT_FLOAT_EQ(nav_h[b.slot], py);
        EXPECT_NEAR(X_with_latlon(nav_lat[b.slot], nav_lon[b.slot]), px, 1);
        EXPECT_NEAR(Z_with_lat(nav_lat[b.slot]), pz, 1);
    }
    // The navaid read last is left alone.
    EXPECT_EQ(nav_type[env.navmax - 2], 0);
}
