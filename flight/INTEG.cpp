#include "INTEG.h"

#include "records/flight_state.h"
#include "records/cockpit_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "toolkit/terrain_helpers.h"
#include "records/world_state.h"

#include <cmath>

#define D(deg) ((float)((deg) * 0.017453292519943295))
const float mag_var[5][37] = {
    {  // latitude -60
        D(44.71), D(43.77), D(42.77), D(41.92), D(41.20), D(40.34), D(38.99), D(36.83),
        D(33.62), D(29.26), D(23.84), D(17.64), D(11.13), D(4.82), D(-0.86), D(-5.80),
        D(-10.21), D(-14.54), D(-19.29), D(-24.82), D(-31.20), D(-38.20), D(-45.43), D(-52.46),
        D(-58.97), D(-64.74), D(-69.58), D(-73.20), D(-75.01), D(-73.48), D(-63.84), D(-30.50),
        D(18.25), D(37.80), D(43.66), D(45.04), D(44.71),
    },
    {  // latitude -30
        D(16.67), D(16.86), D(16.76), D(16.77), D(16.85), D(16.81), D(16.70), D(16.61),
        D(16.14), D(14.26), D(9.86), D(2.56), D(-6.50), D(-15.01), D(-21.12), D(-24.49),
        D(-25.77), D(-25.66), D(-24.31), D(-21.94), D(-20.33), D(-21.95), D(-26.21), D(-30.16),
        D(-31.78), D(-30.49), D(-26.36), D(-19.79), D(-12.04), D(-5.04), D(0.23), D(4.25),
        D(7.81), D(11.10), D(13.83), D(15.72), D(16.67),
    },
    {  // latitude 0
        D(10.31), D(9.75), D(9.06), D(9.00), D(9.27), D(9.32), D(9.23), D(9.08),
        D(8.15), D(5.41), D(0.33), D(-6.57), D(-13.56), D(-18.61), D(-20.68), D(-19.69),
        D(-16.19), D(-11.61), D(-7.57), D(-4.65), D(-2.02), D(-0.09), D(-0.09), D(-2.03),
        D(-4.17), D(-5.00), D(-4.26), D(-2.53), D(-0.70), D(0.49), D(1.10), D(1.95),
        D(3.63), D(5.89), D(8.15), D(9.80), D(10.31),
    },
    {  // latitude 30
        D(8.11), D(10.31), D(11.73), D(12.82), D(13.58), D(13.74), D(13.04), D(11.07),
        D(7.29), D(1.43), D(-5.75), D(-12.39), D(-16.61), D(-17.71), D(-16.19), D(-13.05),
        D(-9.15), D(-5.26), D(-2.08), D(0.11), D(1.54), D(2.52), D(2.93), D(2.62),
        D(1.86), D(1.20), D(0.82), D(0.38), D(-0.64), D(-2.39), D(-4.30), D(-5.38),
        D(-4.85), D(-2.60), D(0.93), D(4.82), D(8.11),
    },
    {  // latitude 60
        D(5.49), D(11.89), D(17.71), D(22.54), D(25.97), D(27.48), D(26.19), D(20.48),
        D(8.42), D(-8.68), D(-23.40), D(-30.98), D(-32.64), D(-30.68), D(-26.71), D(-21.71),
        D(-16.28), D(-10.79), D(-5.51), D(-0.59), D(3.87), D(7.84), D(11.28), D(14.04),
        D(15.77), D(15.94), D(13.89), D(9.11), D(1.89), D(-6.03), D(-12.18), D(-15.09),
        D(-14.73), D(-11.76), D(-6.93), D(-0.97), D(5.49),
    },
};
#undef D

namespace {
const double RAD_TO_DEG = 57.29577951308232;

// atan2 in degrees. Signed zeros are made plain first, so that a body at rest
// has angles of 0 rather than 180.
float deg_atan2(double y, double x)
{
    return (float)(std::atan2(y + 0.0, x + 0.0) * RAD_TO_DEG);
}

// round(v - 0.5), the whole number at or below v, limited to lo..hi; a value
// that is not a number counts as lo.
int whole_below(float v, int lo, int hi)
{
    if (!(v >= lo)) return lo;
    if (v >= hi + 1) return hi;
    return intlim(round(v - 0.5f), lo, hi);
}

// Magnetic variation at (lat, lon), degrees, positive east: bilinear in the
// table, extended linearly beyond its outermost rows and columns.
float variation_at(float lat, float lon)
{
    int lat0 = whole_below(lat / 30, -2, 1) * 30;
    int lon0 = whole_below(lon / 10, -18, 17) * 10;
    int r = lat0 / 30 + 2;
    int c = lon0 / 10 + 18;
    float w = interp((float)lat0, mag_var[r][c], (float)(lat0 + 30), mag_var[r + 1][c], lat);
    float e = interp((float)lat0, mag_var[r][c + 1], (float)(lat0 + 30), mag_var[r + 1][c + 1], lat);
    return (float)(interp((float)lon0, w, (float)(lon0 + 10), e, lon) * RAD_TO_DEG);
}
} // namespace

void integ_vx()
{
    const float dt = msc.prd;
    const float d = set.damp;

    // Body rates, with the user's extra damping.
    flt.P = (flt.P + flt.Pdot * dt) * (1 - 6 * d * dt);
    flt.Q = (flt.Q + flt.Qdot * dt) * (1 - 6 * d * dt);
    flt.R = (flt.R + flt.Rdot * dt) * (1 - 3 * d * dt);
    flt.Prad = flt.P * con.degtorad;
    flt.Qrad = flt.Q * con.degtorad;
    flt.Rrad = flt.R * con.degtorad;

    // Euler-angle rates from the new body rates and the previous attitude.
    // Near the vertical the heading rate would run away: the yaw rate then
    // turns the nose away from the vertical instead.
    if (std::fabs(flt.the) > 89.9f) {
        flt.thedot = (std::fabs(flt.phi) > 90 ? -flt.Q : flt.Q) + (flt.the > 0 ? -std::fabs(flt.R) : std::fabs(flt.R));
        flt.psidot = flt.P;
        flt.phidot = 0;
    } else {
        float turn = flt.Q * flt.sinphi + flt.R * flt.cosphi;
        flt.thedot = flt.Q * flt.cosphi - flt.R * flt.sinphi;
        flt.psidot = turn / flt.costhe;
        flt.phidot = flt.P + flt.sinthe / flt.costhe * turn;
    }

    // Catapult launch: est_Vs within 100 m, 2 degrees east of north.
    if (flt.cat_stage == 4) {
        float accel = msc.est_Vs * msc.est_Vs / 200;
        flt.aX += std::sin(2 * con.degtorad) * accel;
        flt.aZ -= std::cos(2 * con.degtorad) * accel;
        flt.psidot = 0;
    }

    flt.vX += flt.aX * dt;
    flt.vZ += flt.aZ * dt;
    flt.vY += flt.aY * dt;

    // Held on the catapult: the deck's motion at 21 m from its pivot.
    if (flt.cat_stage == 3) {
        flt.vX = env.carr_phi_dot * con.degtorad * 21;
        flt.vZ = env.carr_the_dot * con.degtorad * 21;
        flt.psidot = 0;
    }

    // Air data, with the previous angle of attack and sideslip.
    double ax = flt.vX - atm.wind_X, ay = flt.vY - atm.wind_Y, az = flt.vZ - atm.wind_Z;
    flt.v = (float)std::sqrt(flt.vX * flt.vX + flt.vY * flt.vY + flt.vZ * flt.vZ);
    flt.av = (float)std::sqrt(ax * ax + ay * ay + az * az);
    flt.machno = atm.a > 0 ? flt.av / atm.a : 0;
    flt.vaxial = flt.av * flt.cosalph * flt.cosbeta;
    flt.vind = flt.av * flt.cosalph * std::sqrt(fltmax2(atm.crtsig, 0)) * con.msctokts;
    flt.Qstatic = 0.5f * atm.rho * flt.av * flt.av;
    flt.Qratio = pln.Vne != 0 ? sqr(flt.vind / pln.Vne) : 0;
    flt.dist += flt.vaxial * dt;
    if (flt.vind < 0) flt.vind = 0;

    // Attitude; over the vertical the same attitude is told the other way up.
    float old_the = flt.the;
    flt.the = fltwrap(flt.the + flt.thedot * dt, -180, 180);
    flt.psi = fltwrap(flt.psi + flt.psidot * dt, 0, 360);
    flt.phi = fltwrap(flt.phi + flt.phidot * dt, -180, 180);
    if (std::fabs(old_the) < 90 && std::fabs(flt.the) > 90) {
        flt.the = fltwrap(180 - flt.the, -180, 180);
        flt.psi = fltwrap(flt.psi + 180, 0, 360);
        flt.phi = fltwrap(flt.phi + 180, -180, 180);
    }

    env.mvar = -variation_at(flt.lat, flt.lon);
    flt.magpsi = fltwrap(flt.psi + env.mvar, 0, 360);

    flt.X += flt.vX * dt;
    flt.Y += flt.vY * dt;
    flt.Z += flt.vZ * dt;

    // Each inch of mercury of altimeter-setting error reads as 1000 ft.
    flt.hind = (float)(flt.Y + (ins.baro - atm.baro) * 1000 * con.fttomtrs);

    flt.lat = (float)(env.lat_sou - (flt.Z - env.hiz) * con.mtrstonm / 60);
    flt.lon = (float)(env.lon_wes + (flt.X - env.lox) * con.mtrstonm / (60 * std::cos(flt.lat * con.degtorad)));

    con.sinPLANthe = std::sin(flt.the * con.degtorad);
    con.cosPLANthe = std::cos(flt.the * con.degtorad);
    con.sinPLANpsi = std::sin(flt.psi * con.degtorad);
    con.cosPLANpsi = std::cos(flt.psi * con.degtorad);
    con.sinPLANphi = std::sin(flt.phi * con.degtorad);
    con.cosPLANphi = std::cos(flt.phi * con.degtorad);

    // Path angles over the ground and through the air: 0 at rest.
    flt.vpath = deg_atan2(flt.vY, std::sqrt(flt.vX * flt.vX + flt.vZ * flt.vZ));
    flt.avpath = deg_atan2(ay, std::sqrt(ax * ax + az * az));
    flt.hpath = fltwrap(deg_atan2(flt.vX, -flt.vZ), 0, 360);
    flt.ahpath = fltwrap(deg_atan2(ax, -az), 0, 360);

    // The air-relative velocity in body axes: right, forward, up.
    float body[3];
    xfrm_VVECT((float)ax, (float)-az, (float)ay, body);
    flt.Alpha = deg_atan2(-body[2], body[1]);
    flt.Beta = deg_atan2(-body[0], body[1]);

    flt.sinthe = con.sinPLANthe;
    flt.costhe = con.cosPLANthe;
    flt.sinpsi = con.sinPLANpsi;
    flt.cospsi = con.cosPLANpsi;
    flt.sinphi = con.sinPLANphi;
    flt.cosphi = con.cosPLANphi;
    flt.sinalph = std::sin(flt.Alpha * con.degtorad);
    flt.cosalph = std::cos(flt.Alpha * con.degtorad);
    flt.sinbeta = std::sin(flt.Beta * con.degtorad);
    flt.cosbeta = std::cos(flt.Beta * con.degtorad);
    flt.sinhpath = std::sin(flt.hpath * con.degtorad);
    flt.coshpath = std::cos(flt.hpath * con.degtorad);
    flt.sinvpath = std::sin(flt.vpath * con.degtorad);
    flt.cosvpath = std::cos(flt.vpath * con.degtorad);
    flt.sinahpath = std::sin(flt.ahpath * con.degtorad);
    flt.cosahpath = std::cos(flt.ahpath * con.degtorad);
    flt.sinavpath = std::sin(flt.avpath * con.degtorad);
    flt.cosavpath = std::cos(flt.avpath * con.degtorad);
}
