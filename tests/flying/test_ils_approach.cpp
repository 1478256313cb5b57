// An ILS approach over the bundled world: "ILS Final" at Los Angeles, the
// receivers tuned to the runway's localizer, the autopilot flying the
// trainer down the needles to the runway.
#include "controls_support.h"

#include "cockpit/atc.h"
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "flight/contact.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/timed_managers.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {
// A point in the frame of runway k of airport a: metres along its first
// end's heading from the middle, and to the right of that.
struct runway_frame {
    float X0, Z0, s, c;
    runway_frame(int a, int k)
        : X0(X_with_latlon(apt_lat[a][k], apt_lon[a][k])), Z0(Z_with_lat(apt_lat[a][k])),
          s(std::sin(apt_hdng[a][k] * con.degtorad)), c(std::cos(apt_hdng[a][k] * con.degtorad))
    {
    }
    float along(float x, float z) const { return (x - X0) * s - (z - Z0) * c; }
    float across(float x, float z) const { return (x - X0) * c + (z - Z0) * s; }
};

// The localizer of runway k's end `end`: its course that end's, standing on
// the runway's centre line.
int localizer_of(int a, int k, int end)
{
    runway_frame f(a, k);
    int course = intwrap(apt_hdng[a][k] + (end ? 180 : 0), 0, 359);
    for (int n = 0; n <= env.navmax; ++n) {
        if (nav_type[n] != 4 || nav_hdng[n] != course) continue;
        float x = X_with_latlon(nav_lat[n], nav_lon[n]), z = Z_with_lat(nav_lat[n]);
        if (std::fabs(f.across(x, z)) < 5 && std::fabs(f.along(x, z)) < apt_len[a][k]) return n;
    }
    return -1;
}
} // namespace

TEST_F(TrainerFlight, IlsFinalAtLosAngelesFlownDownTheNeedlesOntoTheRunwayAndRolledOutOnIt)
{
    int k = 0;
    int a = start_at_bundled_runway("KLAX", 25, 'L', 9, &k);
    ASSERT_GE(a, 0);
    // In the air the wheels turn free.
    EXPECT_EQ(set.parkbrake, 0);
    int loc = localizer_of(a, k, 1);
    ASSERT_GE(loc, 0);
    runway_frame rwy(a, k);

    // NAV 1 and 2 tuned to it lock on the localizer and its glide slope, and
    // the needles stand centred where the menu put the aircraft.
    nav.nf[0] = nav.nf[1] = nav_f12[loc];
    setnav(0);
    setnav(1);
    for (int w = 0; w < 2; ++w) {
        SCOPED_TRACE(w);
        ASSERT_EQ(nav.goodnav[w], 1);
        EXPECT_EQ(nav.ilsgs[w], 3);
        EXPECT_FLOAT_EQ(nav.ilscrs[w], (float)nav_hdng[loc]);
        EXPECT_EQ(std::string(nav.nav_id[w], 4), nav_id[loc]);
    }
    mod_evt();
    EXPECT_NEAR(nav.hdef[0], 0, 0.2f);
    EXPECT_NEAR(nav.vdef[0], 0, 1);
    EXPECT_EQ(nav.ntf[0], 1);

    // Worked by hand from the runway's record: 4 nm before the threshold on
    // the extended centre line, 25,307.6 ft from the glide-slope antenna
    // (1,000 ft past the threshold, 400 ft aside), so 1,326.3 ft over it on
    // a 3-degree path. Both needles stand in the middle there.
    const float out_lat = 33.945468f, out_lon = -118.302919f;
    double keep[3] = {flt.X, flt.Y, flt.Z};
    flt.X = X_with_latlon(out_lat, out_lon);
    flt.Z = Z_with_lat(out_lat);
    flt.Y = (125 + 1326.3f) * con.fttomtrs;
    mod_evt();
    EXPECT_NEAR(nav.hdef[0], 0, 0.1f);
    EXPECT_NEAR(nav.vdef[0], 0, 0.05f);
    flt.X = keep[0];
    flt.Y = keep[1];
    flt.Z = keep[2];

    // The autopilot's localizer and glide-slope holds, the speed held.
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = flt.thro[e] = 0.4f;
    ott.NAV[1] = 1;
    ott.GS2 = 1;
    ott.ASHOLD = 1;
    ott.as_hold = 1.4f * msc.est_Vs * con.msctokts;

    float worst_course = 0, worst_path = 0;
    int heard_outer = 0, heard_middle = 0;
    for (float t = 0; t < 900 && !flt.onground; t += msc.prd) {
        // Over the threshold the pilot closes the throttle; the autopilot
        // flies on.
        if ((flt.Y - apt_h[a]) * con.mtrstoft < 50 && ott.ASHOLD) {
            ott.ASHOLD = 0;
            for (int e = 0; e < 4; ++e) flt.throrqst[e] = 0;
        }
        fly(msc.prd);
        worst_course = std::max(worst_course, std::fabs(nav.hdef[0]));
        // The glide slope narrows to nothing at its antenna: watched down to
        // 200 ft over the runway.
        if ((flt.Y - apt_h[a]) * con.mtrstoft > 200) worst_path = std::max(worst_path, std::fabs(nav.vdef[0]));
        if (nav.overOM) heard_outer = 1;
        if (nav.overMM && heard_outer) heard_middle = 1;
    }
    ASSERT_EQ(flt.onground, 1);
    EXPECT_LT(worst_course, 1);   // within one dot all the way down
    EXPECT_LT(worst_path, 1);
    EXPECT_EQ(heard_outer, 1);
    EXPECT_EQ(heard_middle, 1);

    // Wheels first, and every wheel on the runway.
    EXPECT_TRUE(o_down[0] || o_down[1] || o_down[2]);
    EXPECT_FALSE(o_down[7] || o_down[8]);
    struct wheel {
        const char* name;
        float x, z;
    } wheels[3] = {{"nose", 0, pln.ngearZ}, {"left main", -pln.mgearX, pln.mgearZ}, {"right main", pln.mgearX, pln.mgearZ}};
    auto on_the_runway = [&](const char* when) {
        for (const wheel& w : wheels) {
            SCOPED_TRACE(std::string(when) + ", " + w.name);
            float x, z;
            contact_world_xz(w.x, w.z, &x, &z);
            EXPECT_LT(std::fabs(rwy.along(x, z)), apt_len[a][k] / 2.0f);
            EXPECT_LT(std::fabs(rwy.across(x, z)), apt_width[a][k] / 2.0f);
        }
    };
    on_the_runway("touch-down");

    // The touch-down switches the autopilot off: nothing steers the roll-out
    // away from the runway's heading or off its side.
    fly(msc.prd);
    EXPECT_EQ(ott.HDSLCT + ott.NAV[0] + ott.NAV[1] + ott.ALHOLD + ott.VVHOLD + ott.GS2 + ott.ASHOLD, 0);
    float course = flt.psi, widest = 0;
    for (int s = 1; s <= 10; ++s) {
        fly(1);
        widest = std::max(widest, std::fabs(fltwrap(flt.psi - course, -180, 180)));
        on_the_runway(("rolling out, " + std::to_string(s) + " s").c_str());
    }
    EXPECT_LT(widest, 15);   // gusts turn it a few degrees
    EXPECT_EQ(ott.HDSLCT + ott.NAV[0] + ott.NAV[1] + ott.ALHOLD + ott.VVHOLD + ott.GS2 + ott.ASHOLD, 0);
}

namespace {
// The nearest VOR that receiver w locks on, tuned; -1 when none is in range.
int tune_nearest_vor(int w)
{
    int best = -1;
    float nearest = 9.9e9f;
    for (int n = 0; n <= env.navmax; ++n) {
        if (nav_type[n] != 3) continue;
        float d = pythag(X_with_latlon(nav_lat[n], nav_lon[n]) - (float)flt.X, Z_with_lat(nav_lat[n]) - (float)flt.Z);
        if (d < nearest) {
            nearest = d;
            best = n;
        }
    }
    if (best < 0) return -1;
    nav.nf[w] = nav_f12[best];
    setnav(w);
    return nav.goodnav[w] && nav.ilsgs[w] == 9 ? best : -1;
}
} // namespace

// "ILS Final" at Los Angeles with one receiver on the runway's ILS and the
// other on a VOR: the glide-slope mode flies the slope of the receiver the
// lateral mode follows, and holds its height while that receiver is on the
// VOR, which has no glide slope to fly.
TEST_F(TrainerFlight, GlideSlopeModeFollowsTheReceiverTheLateralModeFollows)
{
    const struct {
        int ils, lateral;   // the receiver on the ILS, the one the lateral mode follows
        bool descends;
    } cases[] = {
        {0, 0, true},    // NAV 1 on the ILS, NAV 2 on a VOR: down NAV 1's slope
        {1, 1, true},    // and the other way round
        {1, 0, false},   // following NAV 1 on the VOR: no slope, the height held
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("ILS on NAV " + std::to_string(c.ils + 1) + ", following NAV " + std::to_string(c.lateral + 1));
        SetUp();
        int k = 0;
        int a = start_at_bundled_runway("KLAX", 25, 'L', 9, &k);
        ASSERT_GE(a, 0);
        int loc = localizer_of(a, k, 1);
        ASSERT_GE(loc, 0);
        nav.nf[c.ils] = nav_f12[loc];
        setnav(c.ils);
        ASSERT_EQ(nav.ilsgs[c.ils], 3);
        ASSERT_GE(tune_nearest_vor(1 - c.ils), 0);

        for (int e = 0; e < 4; ++e) flt.throrqst[e] = flt.thro[e] = 0.4f;
        ott.NAV[c.lateral] = 1;
        ott.GS2 = 1;
        ott.ASHOLD = 1;
        ott.as_hold = 1.4f * msc.est_Vs * con.msctokts;
        float h10 = 0, lowest_pitch = 0, fastest_descent = 0, worst_path = 0;
        for (float t = 0; t < 60; t += msc.prd) {
            fly(msc.prd);
            if (t < 10) {   // the pitch channel takes up the trim
                h10 = (float)flt.Y;
                continue;
            }
            lowest_pitch = std::min(lowest_pitch, flt.the);
            fastest_descent = std::min(fastest_descent, (float)flt.vY);
            worst_path = std::max(worst_path, std::fabs(nav.vdef[c.ils]));
        }
        // No dive in any case: a 3-degree path at this speed sinks at about
        // 400 ft/min.
        EXPECT_GT(lowest_pitch, -5);
        EXPECT_GT(fastest_descent * con.msctofpm, -800);
        float sunk = (h10 - (float)flt.Y) * con.mtrstoft;
        if (c.descends) {
            EXPECT_LT(worst_path, 1);
            EXPECT_NEAR(sunk, 400 * 50 / 60.0f, 60);
        } else {
            EXPECT_NEAR(sunk, 0, 50);
            EXPECT_NEAR(flt.vY * con.msctofpm, 0, 100);
        }
    }
}

// The controller's "request I L S" list over the region round Los Angeles
// offers each runway end of the field, and asked from "ILS Final" for 25L
// clears the approach straight away.
TEST_F(TrainerFlight, AtcOffersTheFieldsIlsAndClearsTheApproachFromIlsFinal)
{
    int k = 0;
    int a = start_at_bundled_runway("KLAX", 25, 'L', 9, &k);
    ASSERT_GE(a, 0);
    atc.menu_level = 6;
    std::vector<std::string> offered;
    for (int n = 0; n <= env.navmax; ++n)
        if (use_nav(n) && std::string(nav_name[n]).find("Los Angeles International") != std::string::npos)
            offered.push_back(nav_name[n]);
    std::sort(offered.begin(), offered.end());
    std::vector<std::string> ends = {"06R", "07L", "07R", "24L", "25L", "25R"};
    ASSERT_EQ(offered.size(), ends.size());
    for (size_t e = 0; e < ends.size(); ++e) EXPECT_EQ(offered[e], "Rwy " + ends[e] + " Los Angeles International Airp");

    controller_respond("request I L S Rwy 25L Los Angeles International Airp");
    EXPECT_EQ(atc.ils_vec_in_progress, 0);
    EXPECT_EQ(atc.plan_phase, 7);   // cleared, contact tower
    EXPECT_EQ(atc.plan_index, a);
}
