// One half-step of the integrator on cases whose answer is known.
#include "flight_fixture.h"

#include "records/cockpit_state.h"
#include "flight/INTEG.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
const float DT = 0.025f;

class IntegratorTest : public FlightTest {
protected:
    void SetUp() override
    {
        FlightTest::SetUp();
        msc.prd = DT;
        atm.a = 340;
        atm.rho = 1.225f;
        atm.crtsig = 1;
        flt.X = 50000;
        flt.Y = 1000;
        flt.Z = -60000;
        attitude(0, 0, 0);
        flt.cosalph = flt.cosbeta = 1;
    }

    // Attitude with its sines and cosines, as the start placement leaves them.
    void attitude(float the, float psi, float phi)
    {
        flt.the = the, flt.psi = psi, flt.phi = phi;
        flt.sinthe = std::sin(the * con.degtorad), flt.costhe = std::cos(the * con.degtorad);
        flt.sinpsi = std::sin(psi * con.degtorad), flt.cospsi = std::cos(psi * con.degtorad);
        flt.sinphi = std::sin(phi * con.degtorad), flt.cosphi = std::cos(phi * con.degtorad);
    }
};
} // namespace

TEST_F(IntegratorTest, BallisticDrop)
{
    flt.vX = 10;
    flt.aY = -9.8f;
    double x0 = flt.X, y0 = flt.Y;
    for (int n = 1; n <= 4; ++n) {
        integ_vx();
        EXPECT_NEAR(flt.vY, -9.8 * n * DT, 1e-5) << n;
        // Position moves with the velocity just updated.
        EXPECT_NEAR(flt.Y, y0 - 9.8 * DT * DT * n * (n + 1) / 2, 1e-5) << n;
        EXPECT_NEAR(flt.X, x0 + 10.0 * n * DT, 1e-9) << n;
    }
    EXPECT_NEAR(flt.vpath, std::atan2(-9.8 * 4 * DT, 10.0) * 180 / M_PI, 1e-3);
    EXPECT_NEAR(flt.hpath, 90, 1e-4);
    EXPECT_NEAR(flt.v, std::sqrt(100 + 0.98 * 0.98), 1e-4);
}

TEST_F(IntegratorTest, RateDamping)
{
    struct Case {
        float damp, P, Q, R;
    } cases[] = {{0, 100, 100, 100}, {1, 85, 85, 92.5f}};
    for (const Case& c : cases) {
        set.damp = c.damp;
        flt.P = flt.Q = flt.R = 100;
        attitude(0, 0, 0);
        integ_vx();
        EXPECT_NEAR(flt.P, c.P, 1e-3) << c.damp;
        EXPECT_NEAR(flt.Q, c.Q, 1e-3) << c.damp;
        EXPECT_NEAR(flt.R, c.R, 1e-3) << c.damp;
        EXPECT_NEAR(flt.Prad, c.P * M_PI / 180, 1e-5);
    }
}

TEST_F(IntegratorTest, EulerAngleRates)
{
    struct Case {
        float the, phi, P, Q, R;
        float thedot, psidot, phidot;
    } cases[] = {
        {0, 0, 0, 10, 0, 10, 0, 0},
        {0, 90, 0, 10, 0, 0, 10, 0},              // banked 90: pitching turns the heading
        {30, 0, 0, 0, 10, 0, 11.547f, 5.7735f},    // yawing while pitched up
        {0, 0, 7, 0, 0, 0, 0, 7},
        {90, 0, 3, 10, 4, 6, 3, 0},                // vertical: the yaw rate turns away from it
        {89.95f, 0, 3, 10, -4, 6, 3, 0},
        {-90, 180, 3, 10, 4, -6, 3, 0},            // down and inverted
        {89.9f, 0, 0, 10, 0, 10, 0, 0},            // 89.9 is not yet vertical
    };
    for (const Case& c : cases) {
        attitude(c.the, 0, c.phi);
        flt.P = c.P, flt.Q = c.Q, flt.R = c.R;
        integ_vx();
        EXPECT_NEAR(flt.thedot, c.thedot, 1e-3) << c.the << "/" << c.phi;
        EXPECT_NEAR(flt.psidot, c.psidot, 1e-3) << c.the << "/" << c.phi;
        EXPECT_NEAR(flt.phidot, c.phidot, 1e-3) << c.the << "/" << c.phi;
    }
}

TEST_F(IntegratorTest, PitchingOverTheVertical)
{
    attitude(89.5f, 10, 0);
    flt.Q = 60;  // 1.5 degrees in the half-step
    integ_vx();
    EXPECT_NEAR(flt.the, 89, 1e-3);
    EXPECT_NEAR(flt.psi, 190, 1e-3);
    EXPECT_NEAR(flt.phi, 180, 1e-3);
    EXPECT_NEAR(flt.sinthe, std::sin(89 * M_PI / 180), 1e-5);
    EXPECT_NEAR(con.cosPLANphi, -1, 1e-5);
}

TEST_F(IntegratorTest, Catapult)
{
    // Held: the deck alone moves the aircraft.
    flt.cat_stage = 3;
    flt.aX = 5, flt.aZ = -7, flt.R = 20;
    integ_vx();
    EXPECT_EQ(flt.vX, 0);
    EXPECT_EQ(flt.vZ, 0);
    EXPECT_EQ(flt.psidot, 0);
    env.carr_phi_dot = 2, env.carr_the_dot = -1;
    integ_vx();
    EXPECT_NEAR(flt.vX, 2 * M_PI / 180 * 21, 1e-5);
    EXPECT_NEAR(flt.vZ, -1 * M_PI / 180 * 21, 1e-5);

    // Launched: est_Vs within 100 m, 2 degrees east of north.
    flt.cat_stage = 4;
    flt.vX = flt.vZ = 0;
    flt.aX = flt.aZ = 0;
    msc.est_Vs = 40;
    integ_vx();
    EXPECT_NEAR(flt.vX, std::sin(2 * M_PI / 180) * 8 * DT, 1e-5);
    EXPECT_NEAR(flt.vZ, -std::cos(2 * M_PI / 180) * 8 * DT, 1e-5);
    EXPECT_EQ(flt.psidot, 0);
}

TEST_F(IntegratorTest, AirDataAndTheFloorOfIndicatedSpeed)
{
    // Flying backwards: the indicated speed reads 0, the overspeed ratio not.
    flt.vZ = 30;  // heading north, moving south
    flt.cosalph = -1;
    integ_vx();
    EXPECT_EQ(flt.vind, 0);
    EXPECT_NEAR(flt.Qratio, std::pow(30 * 1.943845 / 160, 2), 1e-3);
    EXPECT_NEAR(flt.Qstatic, 0.5 * 1.225 * 900, 0.01);
    EXPECT_NEAR(flt.machno, 30.0 / 340, 1e-6);

    // Wind: speed through the air against speed over the ground.
    attitude(0, 0, 0);
    flt.cosalph = flt.cosbeta = 1;
    flt.vZ = -50;
    atm.wind_Z = 10;  // from the north
    integ_vx();
    EXPECT_NEAR(flt.v, 50, 1e-4);
    EXPECT_NEAR(flt.av, 60, 1e-4);
    EXPECT_NEAR(flt.vind, 60 * 1.943845, 1e-2);
    EXPECT_NEAR(flt.vaxial, 60, 1e-4);
}

TEST_F(IntegratorTest, AngleOfAttackAndSideslip)
{
    struct Case {
        float the, psi, vX, vY, vZ, alpha, beta;
    } cases[] = {
        {5, 0, 0, 0, -50, 5, 0},                  // nose above the path
        {0, 0, 0, -5, -50, 5.7106f, 0},           // sinking
        {0, 0, 5, 0, -50, 0, -5.7106f},           // drifting right
        {0, 90, 50, 0, 0, 0, 0},                  // heading east
        {0, 0, 0, 0, 0, 0, 0},                    // at rest
    };
    for (const Case& c : cases) {
        attitude(c.the, c.psi, 0);
        flt.vX = c.vX, flt.vY = c.vY, flt.vZ = c.vZ;
        integ_vx();
        EXPECT_NEAR(flt.Alpha, c.alpha, 1e-3) << c.the << "/" << c.psi << "/" << c.vY << "/" << c.vX;
        EXPECT_NEAR(flt.Beta, c.beta, 1e-3) << c.the << "/" << c.psi << "/" << c.vY << "/" << c.vX;
    }
}

TEST_F(IntegratorTest, StillAircraftStaysFinite)
{
    flt.cosalph = flt.cosbeta = 1;
    for (int n = 0; n < 200; ++n) integ_vx();
    float fields[] = {flt.v, flt.av, flt.vaxial, flt.vind, flt.machno, flt.Qstatic, flt.Qratio, flt.hpath,
                      flt.vpath, flt.ahpath, flt.avpath, flt.Alpha, flt.Beta, flt.the, flt.psi, flt.phi,
                      flt.sinalph, flt.cosalph, flt.sinhpath, flt.coshpath, flt.lat, flt.lon, flt.magpsi};
    for (float f : fields) EXPECT_TRUE(std::isfinite(f));
    EXPECT_EQ(flt.hpath, 0);
    EXPECT_EQ(flt.vpath, 0);
    EXPECT_EQ(flt.Alpha, 0);
    EXPECT_EQ(flt.Beta, 0);
    EXPECT_EQ(flt.cosalph, 1);

    // Air at rest about a still aircraft in a calm, and with no atmosphere.
    atm.a = 0;
    atm.crtsig = 0;
    pln.Vne = 0;
    integ_vx();
    EXPECT_EQ(flt.machno, 0);
    EXPECT_EQ(flt.Qratio, 0);
}

TEST_F(IntegratorTest, MagneticVariation)
{
    struct Case {
        float lat, lon, mvar;
    } cases[] = {
        {30, -120, -13.04f},
        {45, -115, -17.695f},
        {75, -120, -32.765f},   // beyond 60 north: extended from the rows at 30 and 60
        {-75, 0, 16.78f},
        {0, 179, -10.31f + 0.1f * (10.31f - 9.80f)},
    };
    for (const Case& c : cases) {
        flt.lat = c.lat, flt.lon = c.lon;
        attitude(0, 100, 0);
        integ_vx();
        EXPECT_NEAR(env.mvar, c.mvar, 2e-3) << c.lat << "," << c.lon;
        EXPECT_NEAR(flt.magpsi, 100 + c.mvar, 2e-3);
    }
}

TEST_F(IntegratorTest, LatitudeLongitudeAndIndicatedHeight)
{
    flt.X = 30000;
    flt.Z = -50000;
    ins.baro = 30.92f;
    atm.baro = 29.92f;
    integ_vx();
    double lat = 34 + 50000 / 1852.0 / 60;
    EXPECT_NEAR(flt.lat, lat, 1e-4);
    EXPECT_NEAR(flt.lon, -118 + 30000 / 1852.0 / (60 * std::cos(lat * M_PI / 180)), 1e-4);
    EXPECT_NEAR(flt.hind, 1000 + 304.8, 0.05);
}
