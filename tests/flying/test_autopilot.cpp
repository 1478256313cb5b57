// The autopilot flying the bundled trainer through the whole flight step:
// each mode holds its target within a stated tolerance.
#include "controls_support.h"

#include "records/cockpit_state.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
float heading_error(float target)
{
    return fltwrap(flt.psi - target, -180, 180);
}

// The trainer at 150 m over the field, heading west at 1.6 times its stall
// speed, the autothrottle holding that speed and the autopilot the altitude.
struct Cruise : TrainerFlight {
    float knots = 0, altitude = 0;
    void SetUp() override
    {
        TrainerFlight::SetUp();
        start_in_air(150, 270, 1.6f * msc.est_Vs);
        for (int e = 0; e < 4; ++e) flt.throrqst[e] = flt.thro[e] = 0.5f;
        fly(0.5f);
        knots = flt.vind;
        altitude = flt.hind;
        ott.ASHOLD = 1;
        ott.as_hold = knots;
        ott.ALHOLD = 1;
        ott.al_hold = altitude;
        ott.vv_hold = 3;
    }

    // Flies `seconds`, calling `each` after every second of it.
    void watch(float seconds, const std::function<void()>& each)
    {
        for (float t = 0; t < seconds; t += 1) {
            fly(1);
            each();
        }
    }
};
} // namespace

TEST_F(Cruise, HeadingSelectTurnsAtStandardRateAndRollsOut)
{
    ott.HDSLCT = 1;
    nav.hdsel = 360;   // a right turn of 90 degrees
    float most_bank = 0;
    watch(20, [&] { most_bank = std::max(most_bank, flt.phi); });
    EXPECT_GT(most_bank, 10);     // a real turn, the right way
    EXPECT_LT(most_bank, 31);     // and never past 30 degrees of bank
    EXPECT_GT(heading_error(270), 30);
    watch(40, [] {});
    EXPECT_NEAR(heading_error(360), 0, 1.5f);
    EXPECT_NEAR(flt.phi, 0, 2);
    // Altitude and speed held through the turn.
    EXPECT_NEAR(flt.hind, altitude, 15);
    EXPECT_NEAR(flt.vind, knots, 4);
}

TEST_F(Cruise, AltitudeHoldClimbsAtTheSetRateAndLevelsOff)
{
    ott.HDSLCT = 1;
    nav.hdsel = 270;
    ott.al_hold = altitude + 60;
    ott.vv_hold = 2;
    float fastest_climb = 0;
    watch(25, [&] { fastest_climb = std::max(fastest_climb, (float)flt.vY); });
    EXPECT_GT(flt.hind, altitude + 20);
    EXPECT_LT(fastest_climb, 3);
    watch(95, [] {});
    EXPECT_NEAR(flt.hind, altitude + 60, 8);
    EXPECT_NEAR(flt.vY, 0, 0.5f);
}

TEST_F(Cruise, VerticalSpeedHold)
{
    ott.HDSLCT = 1;
    nav.hdsel = 270;
    ott.ALHOLD = 0;
    ott.VVHOLD = 1;
    ott.vv_hold = -2;
    fly(15);
    float lo = 99, hi = -99;
    watch(20, [&] {
        lo = std::min(lo, (float)flt.vY);
        hi = std::max(hi, (float)flt.vY);
    });
    EXPECT_NEAR(lo, -2, 0.5f);
    EXPECT_NEAR(hi, -2, 0.5f);
}

TEST_F(Cruise, SpeedHoldSlowsAndHolds)
{
    ott.HDSLCT = 1;
    nav.hdsel = 270;
    ott.as_hold = knots - 12;
    watch(60, [] {});
    float lo = 999, hi = 0;
    watch(30, [&] {
        lo = std::min(lo, flt.vind);
        hi = std::max(hi, flt.vind);
    });
    EXPECT_NEAR(lo, knots - 12, 3);
    EXPECT_NEAR(hi, knots - 12, 3);
    EXPECT_NEAR(flt.hind, altitude, 15);
}

namespace {
// An ILS to the field's runway 27: its threshold at the field's centre, a
// 3-degree glide path, and receiver 1 reading the needles as a receiver would
// (localizer half a degree a dot seen from the far end, glide slope 0.14
// degrees a dot).
struct Approach : TrainerFlight {
    double X0 = 0, Z0 = 0;
    const double runway = 1200;
    void SetUp() override
    {
        TrainerFlight::SetUp();
        X0 = X_with_latlon(35, -116.5f);
        Z0 = Z_with_lat(35);
        nav.ilsgs[1] = 3;
        nav.ilscrs[1] = 270;
        // The same stations tuned, for the event tick's own needles.
        nav.goodnav[1] = 1;
        nav.vorX[1] = (float)(X0 - runway);
        nav.vorZ[1] = nav.gsZ[1] = (float)Z0;
        nav.vorY[1] = nav.gsY[1] = 300;
        nav.gsX[1] = (float)X0;
    }

    double along() const { return flt.X - X0; }    // metres out from the threshold
    double across() const { return flt.Z - Z0; }   // metres south of the centre line
    double above_path() const { return flt.Y - 300 - along() * std::tan(3 * M_PI / 180); }

    void receive()
    {
        // A receiver locked on the runway's localizer and glide slope.
        nav.goodnav[1] = 1;
        nav.ilsgs[1] = 3;
        // Localizer: the bearing to its antenna at the runway's far end
        // against the course, 2 dots a degree.
        double east = X0 - runway - flt.X, north = -(Z0 - flt.Z);
        float bearing = (float)(std::atan2(east, north) * 180 / M_PI);
        nav.hdef[1] = fltlim(fltwrap(bearing - nav.ilscrs[1], -180, 180) * 2, -5, 5);
        // Glide slope: the elevation above its antenna at the threshold
        // against 3 degrees, 2 dots a degree.
        float elevation = (float)(std::atan2(flt.Y - 300, std::max(along(), 1.0)) * 180 / M_PI);
        nav.vdef[1] = fltlim((elevation - 3) * 2, -5, 5);
    }

    // Flies with the receiver working; stops early when `until` holds.
    void fly_approach(float seconds, const std::function<bool()>& until = nullptr)
    {
        for (float t = 0; t < seconds; t += msc.prd) {
            receive();
            fly(msc.prd);
            if (until && until()) return;
        }
    }
};
} // namespace

TEST_F(Approach, LocalizerAndGlideSlopeDownToTheRunway)
{
    // Ten km out, 150 m south of the centre line, 30 m above the path.
    const double D = 10000;
    start_in_air((float)(D * std::tan(3 * M_PI / 180) + 30), 270, 1.4f * msc.est_Vs);
    set.cus_X = 0;
    flt.X = X0 + D;
    flt.Z = Z0 + 150;
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = flt.thro[e] = 0.4f;
    ott.NAV[1] = 1;
    ott.GS2 = 1;
    ott.ASHOLD = 1;
    ott.as_hold = 1.4f * msc.est_Vs * con.msctokts;

    fly_approach(100);
    EXPECT_NEAR(across(), 0, 15);
    EXPECT_NEAR(above_path(), 0, 5);
    EXPECT_NEAR(heading_error(270), 0, 3);
    // The autothrottle's law keeps a steady offset where the descent needs
    // less than its middle setting.
    EXPECT_NEAR(flt.vind, ott.as_hold, 8);

    // On down to the runway: the touch-down switches the autopilot off.
    fly_approach(200, [] { return flt.onground != 0; });
    ASSERT_EQ(flt.onground, 1);
    EXPECT_GT(along(), -400);   // at the threshold or on the runway's first third
    EXPECT_LT(along(), 50);
    EXPECT_NEAR(across(), 0, 10);
    EXPECT_GT(flt.vY, -3);
    EXPECT_NE(ott.GS2, 0);
    fly(msc.prd);   // the controls see the contact
    EXPECT_EQ(ott.HDSLCT + ott.NAV[1] + ott.GS2 + ott.ASHOLD, 0);

    // The pilot closes the throttle: the aircraft rolls out along the
    // runway, wings level.
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = 0;
    float highest = 0;
    for (float t = 0; t < 10; t += msc.prd) {
        fly(msc.prd);
        highest = std::max(highest, (float)flt.Y - 300);
    }
    EXPECT_LT(highest, 5);   // a bounce at most: it does not fly off again
    EXPECT_NEAR(heading_error(270), 0, 5);
    EXPECT_NEAR(flt.phi, 0, 3);
    EXPECT_NEAR(across(), 0, 15);
}
