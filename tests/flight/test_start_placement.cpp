// Every start type places the aircraft where it belongs, and a start whose
// target is missing leaves the flight alone.
#include "flight_fixture.h"

#include "records/cockpit_state.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>

namespace {
const float NM = 1852.0f;

float sind(float deg)
{
    return std::sin(deg * (float)M_PI / 180);
}

float cosd(float deg)
{
    return std::cos(deg * (float)M_PI / 180);
}

class StartTest : public FlightTest {
protected:
    void SetUp() override
    {
        FlightTest::SetUp();
        // Airport 0: runway 0 east-west, 2000 m; runway 1 north-south, 1500 m.
        env.aptmax = 0;
        strcpy(apt_id[0], "KTST");
        apt_lat[0][0] = 35, apt_lon[0][0] = -116.5f, apt_hdng[0][0] = 90, apt_len[0][0] = 2000;
        apt_lat[0][1] = 35.01f, apt_lon[0][1] = -116.49f, apt_hdng[0][1] = 180, apt_len[0][1] = 1500;
        apt_len[0][2] = 0;
        apt_h[0] = 300;
        msc.loc_apt_wrl = 0;
        flt.lat = 35.2f, flt.lon = -116.8f;
        flt.X = 40000, flt.Z = -120000;
    }

    void expect_at(double x, double y, double z, float psi, float v, const char* what)
    {
        EXPECT_NEAR(flt.X, x, 0.05) << what;
        EXPECT_NEAR(flt.Y, y, 0.05) << what;
        EXPECT_NEAR(flt.Z, z, 0.05) << what;
        EXPECT_NEAR(cosd(flt.psi), cosd(psi), 1e-5) << what;
        EXPECT_NEAR(sind(flt.psi), sind(psi), 1e-5) << what;
        EXPECT_FLOAT_EQ(flt.v, v) << what;
    }
};
} // namespace

TEST_F(StartTest, RunwayStarts)
{
    float x0 = X_with_latlon(35, -116.5f), z0 = Z_with_lat(35);
    float x1 = X_with_latlon(35.01f, -116.49f), z1 = Z_with_lat(35.01f);
    struct Case {
        int typestart, rway_sel, gear_type;
        double x, y, z;
        float psi, v, the;
    } cases[] = {
        // Take-off: 10 m short of the runway's end, at rest height, 2 degrees nose up.
        {7, 0, 3, x0 - 990, 301.2, z0, 90, 0.1f, 2},
        {7, 1, 3, x0 + 990, 301.2, z0, 270, 0.1f, 2},    // the reciprocal end
        {7, 2, 3, x1, 301.2, z1 - 740, 180, 0.1f, 2},    // runway 1, facing south
        {7, 3, 3, x1, 301.2, z1 + 740, 0, 0.1f, 2},
        {7, 4, 3, x0 - 990, 301.2, z0, 90, 0.1f, 2},     // no runway 2: runway 0
        // Finals: 1.5 and 9 nautical miles out on a 3-degree slope.
        {8, 0, 3, x0 - 990 - 1.5 * NM, 300 + 1.5 * NM * sind(3), z0, 90, 30, 0},
        {9, 1, 3, x0 + 990 + 9 * NM, 300 + 9 * NM * sind(3), z0, 270, 30, 0},
        {7, 0, 1, x0 - 990 - 1.5 * NM, 300 + 1.5 * NM * sind(3), z0, 90, 30, 0},  // no gear: on final
    };
    for (const Case& c : cases) {
        msc.typestart = c.typestart, msc.rway_sel = c.rway_sel;
        pln.gear_type = c.gear_type;
        set_fltvars(9);
        expect_at(c.x, c.y, c.z, c.psi, c.v, "runway");
        EXPECT_NEAR(flt.the, c.the, 1e-6);
        EXPECT_NEAR(msc.runwayview_Y, 302, 1e-3) << "two metres over the threshold";
        EXPECT_EQ(msc.typestart, c.typestart);
    }
}

TEST_F(StartTest, CustomPositionLiftedOntoTheGround)
{
    fixture_world(500);
    set.cus_X = 70000, set.cus_Y = 0, set.cus_Z = -90000, set.cus_psi = 123, set.cus_v = 40;
    set_fltvars(10);
    expect_at(70000, 501.2, -90000, 123, 40, "below ground");
    set.cus_Y = 2000;
    set_fltvars(11);
    expect_at(70000, 2000, -90000, 123, 40, "in the air");
    EXPECT_NEAR(flt.vX, 40 * sind(123), 1e-4);
    EXPECT_NEAR(flt.vZ, -40 * cosd(123), 1e-4);
}

// A start picked on the map (or over a navaid) flies unless it asks to stand
// on the ground; the parking brake is set only for a start on the ground.
// The fixture's aircraft: stall speed 25 m/s, 1.2 m rest height, fixed gear.
TEST_F(StartTest, AirStartsFlyClearOfTheGroundWithTheBrakeOff)
{
    fixture_world(500);
    const struct {
        const char* what;
        float Y, v;            // asked for
        double Y_got;
        float v_got;
        int brake;
    } cases[] = {
        {"in the air at speed", 2000, 40, 2000, 40, 0},
        {"in the air at rest", 2000, 0, 2000, 37.5f, 0},
        {"in the air slow", 2000, 30, 2000, 37.5f, 0},
        {"at speed below the ground", 0, 40, 501.2 + 1000, 40, 0},
        {"at speed on the ground", 501.2f, 30, 501.2 + 1000, 37.5f, 0},
        {"at rest below the ground", 0, 0, 501.2, 0, 1},
    };
    for (const auto& c : cases) {
        set.cus_X = 70000, set.cus_Y = c.Y, set.cus_Z = -90000, set.cus_psi = 90, set.cus_v = c.v;
        set_fltvars(11);
        expect_at(70000, c.Y_got, -90000, 90, c.v_got, c.what);
        EXPECT_EQ(set.parkbrake, c.brake) << c.what;
    }

    // Take-off on the runway with the brake set; both finals in the air without it.
    for (int typestart : {7, 8, 9}) {
        msc.typestart = typestart;
        set_fltvars(9);
        EXPECT_EQ(set.parkbrake, typestart == 7 ? 1 : 0) << typestart;
        EXPECT_EQ(set.gear_handle, 1) << "fixed gear";
    }
}

TEST_F(StartTest, FinalToTheNearestRunwayOfASurface)
{
    // Airport 1 grass, far; 2 grass, near the aircraft (runway 1 of it); 3 dirt.
    env.aptmax = 3;
    apt_lat[1][0] = 40, apt_lon[1][0] = -100, apt_len[1][0] = 600, apt_lite[1][0] = 3000000;
    apt_lat[2][0] = 35.3f, apt_lon[2][0] = -116.7f, apt_len[2][0] = 0;
    apt_lat[2][1] = 35.31f, apt_lon[2][1] = -116.71f, apt_len[2][1] = 800, apt_lite[2][1] = 3000000;
    apt_hdng[2][1] = 270, apt_h[2] = 50;
    apt_lat[3][0] = 35.2f, apt_lon[3][0] = -116.8f, apt_len[3][0] = 900, apt_lite[3][0] = 4000000;
    set_fltvars(12);
    EXPECT_EQ(msc.loc_apt_wrl, 2);
    EXPECT_EQ(msc.rway_sel, 2);
    EXPECT_EQ(msc.typestart, 8);
    EXPECT_EQ(env.lat_sou, 34);
    EXPECT_EQ(env.lon_wes, -118);
    float x = X_with_latlon(35.31f, -116.71f) + 390 + 1.5f * NM;
    expect_at(x, 50 + 1.5 * NM * sind(3), Z_with_lat(35.31f), 270, 30, "grass");

    set_fltvars(13);
    EXPECT_EQ(msc.loc_apt_wrl, 3);
}

TEST_F(StartTest, HelipadShipsAndRig)
{
    // A helipad near, one far, and an ordinary building nearer still.
    obj_type[7] = 95;
    obj_xyz[7][0][0][0] = 42000, obj_xyz[7][0][0][2] = -118000, obj_xyz[7][3][0][1] = 180;
    obj_type[9] = 94;
    obj_xyz[9][0][0][0] = 150000, obj_xyz[9][0][0][2] = -10000;
    obj_type[3] = 90;
    obj_xyz[3][0][0][0] = 40000, obj_xyz[3][0][0][2] = -120000;
    set_fltvars(15);
    expect_at(42000, 180 + 0.05f * NM, -118000 + NM, 0, 30, "helipad");

    // Ship cells: a carrier near the aircraft and one far; a rig; a frigate.
    carr_on_poly[30][100] = 1;
    carr_on_poly[150][10] = 1;
    oilr_on_poly[60][60] = 1;
    frig_on_poly[20][20] = 1;
    auto centre = [](int i, int j, int k) { return (planexyz[i][j][k] + planexyz[i + 1][j + 1][k]) / 2; };
    struct Case {
        int type, i, j, heli;
        float psi, deck, d;
    } cases[] = {
        {16, 30, 100, 0, 352, 21, 90 * 25},
        {16, 30, 100, 1, 352, 21, NM},  // a helicopter comes from a mile out
        {17, 60, 60, 0, 355, 62, 90 * 25},
        {18, 20, 20, 0, 355, 7, 90 * 25},
    };
    for (const Case& c : cases) {
        flt.X = 40000, flt.Z = -120000;
        pln.is_heli = c.heli;
        set_fltvars(c.type);
        float cx = centre(c.i, c.j, 0), cy = centre(c.i, c.j, 1), cz = centre(c.i, c.j, 2);
        expect_at(cx - sind(c.psi) * c.d, cy + sind(3.5f) * c.d + c.deck, cz + cosd(c.psi) * c.d, c.psi, 30,
                  "ship");
        EXPECT_EQ(flt.cat_stage, 5);
    }
}

TEST_F(StartTest, OnTheCatapult)
{
    fixture_world(-5);
    carr_on_poly[30][100] = 1;
    set_fltvars(21);
    float cx = (planexyz[30][100][0] + planexyz[31][101][0]) / 2;
    float cz = (planexyz[30][100][2] + planexyz[31][101][2]) / 2;
    expect_at(cx - 12.5f, -5 + 1.2f + 21, cz - 54, 2, 0.01f, "catapult");
    EXPECT_EQ(flt.cat_stage, 3);
}

TEST_F(StartTest, FireFormationAndSeaplane)
{
    scn.firexyz[0][0] = 60000, scn.firexyz[0][1] = 0, scn.firexyz[0][2] = -100000;
    atm.wnddir = 30;
    set_fltvars(20);
    expect_at(60000 + sind(150) * 3 * NM, sind(7) * 3 * NM, -100000 - cosd(150) * 3 * NM, 300, 50, "fire");
    // The fire line starts at the centre and ends on it.
    EXPECT_EQ(scn.firexyz[0][0], 60000);
    EXPECT_NEAR(scn.firexyz[9][0], 60000, 1e-3);
    EXPECT_NEAR(scn.firexyz[9][2], -100000, 1e-3);
    EXPECT_GT(std::hypot(scn.firexyz[5][0] - 60000, scn.firexyz[5][2] + 100000), 250);

    // Formation: behind the nearest aircraft, at its height, speed and heading.
    for (int t = 0; t < 10; ++t) traf_xyzvh[t][0] = 1e6f;
    float leader[5] = {41000, 2000, -121000, 71.3f, 45};
    memcpy(traf_xyzvh[3], leader, sizeof leader);
    set_fltvars(19);
    float d = 0.2f * NM;
    expect_at(41000 - sind(35) * d, 2000, -121000 + cosd(35) * d, 45, 71.3f, "formation");

    // Seaplane: the last cell in scan order with open water all round.
    for (int i = 50; i <= 60; ++i)
        for (int j = 50; j <= 60; ++j) on_water[i][j] = 1;
    set_fltvars(22);
    expect_at(planexyz[58][58][0], 1.2, planexyz[58][58][2], 0, 0.1f, "seaplane");
}

TEST_F(StartTest, NoTargetLeavesTheFlightAlone)
{
    struct Case {
        int type;
        std::vector<std::string> alert;
    } cases[] = {
        {14, {"I can't find any gravel runways anywhere in the country!", "Try a runway of another kind.", "", ""}},
        {15,
         {"I can't find any buildings with helipads in the area!",
          "Try going to New York, Chicago, Los Angeles or some other major city.",
          "There are likely to be building-top helipads there.", ""}},
        {16, {"I can't find any ships in the area!", "", "", ""}},
        {17, {"I can't find any ships in the area!", "", "", ""}},
        {18, {"I can't find any ships in the area!", "", "", ""}},
        {21, {"I can't find any ships in the area!", "", "", ""}},
        {20,
         {"I can't find any forest fires in the area!",
          "Try moving to a mountainous area, where fires are more likely!", "", ""}},
        {22,
         {"I can't find any signifigant amount of water in this area!",
          "Try going to a coastal region to guarantee that I can find some water ", "", ""}},
    };
    // A carrier flag in the last column and row, whose cell has no far corner.
    carr_on_poly[GRID_I - 1][GRID_J - 1] = 1;
    scn.firexyz[0][0] = -5000;  // west of the window
    on_water[100][100] = 1;     // a pond, not open water
    for (const Case& c : cases) {
        flight_alerts.clear();
        flt.X = 1234.5, flt.Y = 678, flt.v = 77, flt.psi = 12;
        msc.cntr = 55;
        int typestart = msc.typestart = 9;
        set_fltvars(c.type);
        ASSERT_EQ(flight_alerts.size(), 1u) << c.type;
        EXPECT_EQ(flight_alerts[0], alert_text(c.alert));
        EXPECT_EQ(flt.X, 1234.5) << c.type;
        EXPECT_EQ(flt.Y, 678);
        EXPECT_EQ(flt.v, 77);
        EXPECT_EQ(flt.psi, 12);
        EXPECT_EQ(msc.cntr, 55);
        EXPECT_EQ(msc.typestart, typestart);
    }
}

TEST_F(StartTest, EveryStartResetsTheFlight)
{
    flt.P = 30, flt.over_vne = 1, flt.m_fuel = 1;
    atc.menu_up = 1, fpl.onfile = 1;
    rel.vacuum = rel.engine[2] = rel.lagear[1] = rel.trotor = 0;
    msc.cntr = 77, msc.cntr10 = 4, msc.init_time = 9, msc.frame_ice = 0.3f, msc.carb_ice[1] = 0.2f;
    ott.ALHOLD = ott.NAV[1] = 1;
    pat.cntr_record = 17;
    pat.inited[17] = 1;
    set.view_type = 511;
    set.cus_X = 50000, set.cus_Y = 0, set.cus_Z = -50000, set.cus_v = 0;
    float lat = flt.lat;
    set_fltvars(10);

    EXPECT_EQ(flt.P, 0);
    EXPECT_EQ(flt.over_vne, 0);
    EXPECT_EQ(flt.lat, lat);
    EXPECT_EQ(atc.menu_up, 0);
    EXPECT_EQ(fpl.onfile, 0);
    EXPECT_EQ(rel.vacuum + rel.engine[2] + rel.lagear[1] + rel.trotor, 4);
    EXPECT_EQ(msc.cntr + msc.cntr10, 0);
    EXPECT_EQ(msc.init_time + msc.frame_ice + msc.carb_ice[1], 0);
    EXPECT_EQ(ott.ALHOLD + ott.NAV[1], 0);
    EXPECT_EQ(pat.inited[17], 0);
    EXPECT_EQ(set.view_type, 500);
    // Half fuel and half payload.
    EXPECT_FLOAT_EQ(flt.m_fuel, 75);
    EXPECT_FLOAT_EQ(flt.m_fixed, 125);
    // At rest: idle throttle, gear down and the parking brake on.
    EXPECT_FLOAT_EQ(flt.thro[0], 0.01f);
    EXPECT_FLOAT_EQ(flt.proppitch[0], 12 + 16 * 0.01f);
    EXPECT_NEAR(flt.tac[0], 60 + 190 * 0.1f, 1e-4);
    EXPECT_EQ(flt.mixt[0], 1);
    EXPECT_EQ(set.gear_handle, 1);
    EXPECT_EQ(set.parkbrake, 1);
    EXPECT_EQ(pln.gear_stat[0] + pln.gear_stat[1] + pln.gear_stat[2], 3);
    // Chase distance from the wing tip or the tail, whichever reaches further.
    EXPECT_NEAR(scn.dist, 1.2f * 5.5f + 10, 1e-4);
    EXPECT_EQ(scn.mindist, scn.dist);
}

TEST_F(StartTest, RetractableGearStartsUpAtSpeed)
{
    pln.gear_retract = 1;
    msc.typestart = 9;
    set_fltvars(9);
    EXPECT_EQ(set.gear_handle, 0);
    EXPECT_EQ(set.parkbrake, 0);
    EXPECT_EQ(pln.gear_stat[1], 0);
    EXPECT_FLOAT_EQ(flt.thro[0], 0.5f);
    msc.typestart = 7;
    set_fltvars(9);
    EXPECT_EQ(set.gear_handle, 1);
}
