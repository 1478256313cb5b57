// Pilot and autopilot inputs through response, rate limit, augmentation,
// trims and failures to the control surfaces.
#include "controls_support.h"

#include "records/cockpit_state.h"
#include "flight/control_input.h"
#include "records/flight_state.h"
#include "shell/EVENT.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <functional>

TEST_F(ControlsTest, MouseFliesAsAStick)
{
    msc.mouse_is_joy = 1;
    mnw.mx = 400;
    mnw.my = 443;
    frames(1);
    EXPECT_FLOAT_EQ(set.MK_ptch, 0);
    EXPECT_FLOAT_EQ(set.MK_roll, 0);
    mnw.mx = 500;
    mnw.my = 343;
    frames(1);
    EXPECT_FLOAT_EQ(set.MK_ptch, 1);
    EXPECT_FLOAT_EQ(set.MK_roll, 1);
    // Without mouse flying the mouse leaves the yoke alone.
    msc.mouse_is_joy = 0;
    mnw.mx = 200;
    frames(1);
    EXPECT_FLOAT_EQ(set.MK_roll, 1);
}

TEST_F(ControlsTest, StickReachesTheYokeInAQuarterSecond)
{
    set.controls_type = 15;
    set.eq_ped = 1;
    stick_y = 65535;
    stick_x = 0;
    stick_r = 65535;
    frames(4);
    EXPECT_NEAR(set.YK_ptch, 0.8f, 1e-5);
    EXPECT_NEAR(set.YK_roll, -0.8f, 1e-5);
    EXPECT_NEAR(set.YK_hdng, 0.8f, 1e-5);
    frames(1);
    EXPECT_NEAR(set.YK_ptch, 1, 1e-5);
    EXPECT_NEAR(set.YK_roll, -1, 1e-5);
    frames(3);
    EXPECT_EQ(set.YK_ptch, 1);
    EXPECT_NEAR(set.FC_ptch, 1, 1e-5);
    EXPECT_NEAR(flt.lhstbdef, 30, 1e-3);
    EXPECT_NEAR(flt.ruddef, -25, 1e-3);
    // A shorter frame moves it less per frame.
    stick_y = axis(0);
    msc.prd = 0.01f;
    frames(1);
    EXPECT_NEAR(set.YK_ptch, 0.96f, 1e-5);
}

// Keypad presses go through the response curve and the null zone to the
// surfaces; the rudder works from the keys even without pedals.
TEST_F(ControlsTest, KeyboardYokeThroughResponseToSurfaces)
{
    const struct {
        float null_zone;
        float response;   // of a half deflection
    } table[] = {{0, 0.35355339f}, {0.1f, 0.25298221f}};
    for (const auto& t : table) {
        SetUp();
        set.NZptch = set.NZroll = t.null_zone;
        for (int n = 0; n < 10; ++n) yoke_key(1);
        for (int n = 0; n < 5; ++n) yoke_key(3);
        for (int n = 0; n < 5; ++n) yoke_key(6);
        frames(10);
        EXPECT_NEAR(set.FC_ptch, t.response, 1e-5);
        EXPECT_NEAR(set.FC_roll, -t.response, 1e-5);
        EXPECT_NEAR(set.FC_hdng, 0.35355339f, 1e-5);
        EXPECT_NEAR(flt.lhstbdef, t.response * 30, 1e-3);
        EXPECT_NEAR(flt.lailndef, t.response * 20, 1e-3);   // left aileron up for a left roll
        EXPECT_NEAR(flt.railndef, -t.response * 15, 1e-3);
        EXPECT_NEAR(flt.ruddef, -0.35355339f * 25, 1e-3);
    }
}

TEST_F(ControlsTest, ThrottleLeverTakesOverOnlyOnceMoved)
{
    set.controls_type = 15;
    stick_z = lever(0.3f);
    set.thro_pot = 1;
    frames(1);
    set.thro_pot = 0;
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = 0.7f;

    stick_z = lever(0.33f);
    frames(2);
    EXPECT_EQ(set.thro_pot, 0);
    EXPECT_EQ(flt.throrqst[0], 0.7f);

    stick_z = lever(0.35f);
    frames(1);
    EXPECT_EQ(set.thro_pot, 1);
    for (int e = 0; e < 4; ++e) EXPECT_NEAR(flt.throrqst[e], 0.35f, 1e-4);
    // From then on every move counts, even a small one; both ends saturate.
    stick_z = lever(0.36f);
    frames(1);
    EXPECT_NEAR(flt.throrqst[3], 0.36f, 1e-4);
    stick_z = 0;
    frames(1);
    EXPECT_EQ(flt.throrqst[0], 1);
}

TEST_F(ControlsTest, ThrottleLeverWorksTheCollective)
{
    set.controls_type = 15;
    set.thro_pot = 1;
    pln.collectEQ = 1;
    pln.minpitch[0] = 2;
    pln.maxpitch[0] = 14;
    pln.is_heli = 1;
    stick_z = lever(0.25f);
    frames(1);
    EXPECT_NEAR(flt.proppitch[0], 11, 1e-3);
    EXPECT_EQ(flt.proppitch[2], 0);
    EXPECT_EQ(flt.throrqst[0], 0.5f);
    // A vectored-thrust aeroplane sets every propeller alike.
    pln.is_heli = 0;
    frames(1);
    EXPECT_NEAR(flt.proppitch[3], 11, 1e-3);
}

namespace {
// Heading select toward 90 from 0: the roll command is the autopilot's alone.
float heading_command(float vind_over_vs, int heli)
{
    pln.is_heli = heli;
    ott.HDSLCT = 1;
    nav.hdsel = 90;
    flt.psi = 0;
    flt.v = 50;
    flt.vind = vind_over_vs * msc.est_Vs * con.msctokts;
    update_controls();
    return set.YK_roll;
}
} // namespace

TEST_F(ControlsTest, AutomaticAuthorityFallsWithSquareOfSpeed)
{
    float full = heading_command(1, 0);
    EXPECT_GT(full, 0);   // turning right
    EXPECT_NEAR(heading_command(0.5f, 0), full, 1e-6);
    EXPECT_NEAR(heading_command(2, 0), full / 4, 1e-6);
    EXPECT_NEAR(heading_command(20, 0), full / 100, 1e-6);
    EXPECT_NEAR(heading_command(2, 1), heading_command(1, 1), 1e-6);
    // Without a stall-speed estimate the autopilot keeps full authority.
    msc.est_Vs = 0;
    flt.vind = 100;
    update_controls();
    EXPECT_NEAR(set.YK_roll, full, 1e-6);
}

// The roll channel banks by the heading error (at most 30 degrees and the
// standard-rate bank): with the wings level and nothing moving, the roll
// command shows the heading it steers for.
TEST_F(ControlsTest, HeadingSources)
{
    const struct {
        const char* name;
        std::function<void()> set_up;
        float steer;
    } table[] = {
        {"heading bug", [] { ott.HDSLCT = 1; nav.hdsel = 100; }, 100},
        {"heading bug across north", [] { ott.HDSLCT = 1; nav.hdsel = 350; flt.psi = 10; }, 350},
        {"GPS course", [] { ott.NAV[0] = 1; pln.supptype = 2; nav.gps_lock_crs = 80; }, 80},
        {"VOR on NAV 1", [] {
             ott.NAV[0] = 1;
             pln.supptype = 1;
             nav.ilsgs[0] = 9;
             nav.obs[0] = 95;
             env.mvar = -5;
         }, 100},
        {"localizer on NAV 2", [] { ott.NAV[1] = 1; nav.ilsgs[1] = 3; nav.ilscrs[1] = 85; }, 85},
        {"off the localizer", [] {
             ott.NAV[1] = 1;
             nav.ilsgs[1] = 3;
             nav.ilscrs[1] = 85;
             nav.hdef[1] = 0.1f;
         }, 87},
        {"intercept at most 30 degrees", [] {
             ott.NAV[1] = 1;
             nav.ilscrs[1] = 85;
             nav.hdef[1] = -5;
             flt.psi = 70;
         }, 55},
        {"at rest the deflection counts in full", [] {
             ott.NAV[1] = 1;
             nav.ilscrs[1] = 85;
             nav.hdef[1] = 0.01f;
             flt.vind = 0;
         }, 93},
    };
    for (const auto& t : table) {
        SetUp();
        flt.psi = 90;
        flt.v = 200;     // a standard-rate bank above 30 degrees
        flt.vind = 40;   // below the stall: full authority
        t.set_up();
        update_controls();
        float steer = flt.psi + set.YK_roll * 100;
        EXPECT_NEAR(fltwrap(steer, 0, 360), t.steer, 1e-3) << t.name;
    }
}

// Precedence of the pitch modes: each result equals that of the winning
// mode engaged alone.
TEST_F(ControlsTest, PitchModePrecedence)
{
    auto trim_after = [](int alt, int vv, int gs) {
        ott.ALHOLD = ott.VVHOLD = ott.GS2 = 0;
        update_controls();   // disengaged: the next engagement starts afresh
        flt.elv_trim = 0.1f;
        ott.ALHOLD = alt;
        ott.VVHOLD = vv;
        ott.GS2 = gs;
        update_controls();
        return flt.elv_trim;
    };
    flt.v = 40;
    flt.vind = 40;
    flt.the = 7;
    flt.hind = 1000;
    ott.al_hold = 1100;
    ott.vv_hold = 6;
    nav.goodnav[1] = 1;   // NAV 2 locked on a glide slope
    nav.ilsgs[1] = 3;
    nav.vdef[1] = 0.5f;
    float alt = trim_after(1, 0, 0), vv = trim_after(0, 1, 0), gs = trim_after(0, 0, 1);
    EXPECT_NE(alt, vv);
    EXPECT_NE(gs, vv);
    EXPECT_FLOAT_EQ(trim_after(1, 1, 0), alt);
    EXPECT_FLOAT_EQ(trim_after(1, 1, 1), gs);
    EXPECT_FLOAT_EQ(trim_after(0, 1, 1), gs);
    // Climbing to a higher altitude trims nose up; a glide slope nose down.
    EXPECT_GT(alt, 0.1f);
    EXPECT_LT(gs, 0.1f);
}

TEST_F(ControlsTest, PitchModeAtRestStaysDefined)
{
    // Holding level flight (or a glide slope) at rest asks for 0 m/s out of 0 m/s.
    ott.VVHOLD = 1;
    ott.vv_hold = 0;
    flt.v = 0;
    frames(3);
    EXPECT_TRUE(std::isfinite(flt.elv_trim));
    EXPECT_TRUE(std::isfinite(flt.lhstbdef));
    ott.VVHOLD = 0;
    ott.GS2 = 1;
    nav.ilsgs[1] = 3;
    flt.v = 0.5f;
    frames(3);
    EXPECT_TRUE(std::isfinite(flt.elv_trim));
    EXPECT_TRUE(std::isfinite(flt.lhstbdef));
}

TEST_F(ControlsTest, PitchTrimIntegratorBleedsWhileSaturated)
{
    ott.VVHOLD = 1;
    ott.vv_hold = 10;
    flt.v = 40;
    flt.vind = 40;
    flt.vY = -20;   // far below the wanted climb: the trim runs to its stop
    frames(200);
    EXPECT_EQ(flt.elv_trim, 1);
    // Once the climb is there the trim comes off the stop at once, not after
    // the integrator has unwound 200 frames of error.
    flt.vY = 10;
    flt.the = 14.5f;
    frames(20);
    EXPECT_LT(flt.elv_trim, 1);
}

TEST_F(ControlsTest, AutothrottleTakesOverWithoutAJump)
{
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = 0.6f;
    flt.vind = 90;
    ott.ASHOLD = 1;
    ott.as_hold = 90;
    frames(1);
    EXPECT_NEAR(flt.throrqst[0], 0.6f, 0.1f * msc.prd + 1e-6);
    // Too slow: the throttle opens at a tenth of its travel a second.
    ott.as_hold = 120;
    frames(40);
    EXPECT_NEAR(flt.throrqst[0], 0.795f, 1e-4);
    for (int e = 1; e < 4; ++e) EXPECT_EQ(flt.throrqst[e], flt.throrqst[0]);
    // Off, moved by hand, on again: it starts from the hand's setting.
    ott.ASHOLD = 0;
    frames(1);
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = 0.3f;
    ott.ASHOLD = 1;
    frames(1);
    EXPECT_NEAR(flt.throrqst[0], 0.305f, 1e-4);
}

TEST_F(ControlsTest, FailuresKeepTheTrims)
{
    set.controls_type = 15;
    set.eq_ped = 1;
    stick_y = 65535;
    stick_x = 65535;
    flt.elv_trim = 0.4f;
    flt.ail_trim = -1;
    rel.fc_elv = 0;
    rel.fc_ail = 0;
    frames(10);
    EXPECT_NEAR(set.FC_ptch, 0.2f, 1e-6);
    EXPECT_NEAR(set.FC_roll, -0.1f, 1e-6);
    EXPECT_NEAR(flt.lhstbdef, 0.2f * 30, 1e-4);
    // Half the hydraulic pressure, half the pilot's command.
    rel.fc_elv = 1;
    rel.hyd_rat = 0.5f;
    frames(1);
    EXPECT_NEAR(set.FC_ptch, 0.7f, 1e-5);
}

TEST_F(ControlsTest, StabilityAugmentationHoldsTheRates)
{
    // Low speed gains: a pitch rate with the stick centred is opposed.
    pln.ASmaxp1 = 10;
    pln.ASp1 = 0.05f;
    flt.vind = 30;
    flt.Q = 8;
    frames(1);
    EXPECT_NEAR(set.FC_ptch, -0.4f, 1e-5);
    rel.stbaug = 0;
    frames(1);
    EXPECT_EQ(set.FC_ptch, 0);
    // Yaw augmentation only in the air.
    rel.stbaug = 1;
    pln.ASmaxh1 = 10;
    pln.ASh1 = 0.05f;
    flt.Q = 0;
    flt.R = 4;
    flt.onground = 1;
    frames(1);
    EXPECT_EQ(set.FC_hdng, 0);
    flt.onground = 0;
    frames(1);
    EXPECT_NEAR(set.FC_hdng, -0.2f, 1e-5);
}

TEST_F(ControlsTest, SurfaceMixing)
{
    // Stick positions are whole axis steps: the commands come out within 1e-4.
    const struct {
        const char* name;
        std::function<void()> set_up;
        float ptch, roll, hdng;
        std::function<void()> check;
    } table[] = {
        {"canard: stick back, leading surface down", [] { pln.Zarm[10] = -3; }, 0.5f, 0, 0,
         [] { EXPECT_NEAR(flt.lhstbdef, -10, 2e-3); }},
        {"canard: stick forward", [] { pln.Zarm[10] = -3; }, -0.5f, 0, 0,
         [] { EXPECT_NEAR(flt.rhstbdef, 15, 2e-3); }},
        {"elevons", [] { pln.stabroll = 10; }, 0.5f, 0.5f, 0,
         [] {
             EXPECT_NEAR(flt.lhstbdef, 10, 2e-3);
             EXPECT_NEAR(flt.rhstbdef, 20, 2e-3);
         }},
        {"ruddervators", [] { pln.stabhdng = 8; }, 0, 0, 0.5f,
         [] {
             EXPECT_NEAR(flt.lhstbdef, 4, 2e-3);
             EXPECT_NEAR(flt.rhstbdef, -4, 2e-3);
         }},
        {"roll spoilers rise on the down-going wing only", [] { pln.splr_def = 40; }, 0, 0.25f, 0,
         [] {
             EXPECT_NEAR(flt.rsplrdef, 10, 2e-3);
             EXPECT_EQ(flt.lsplrdef, 0);
         }},
        {"drag rudders open one side only", [] { pln.drud_def = 60; }, 0, 0, -0.5f,
         [] {
             EXPECT_NEAR(flt.ldruddef, 30, 2e-3);
             EXPECT_EQ(flt.rdruddef, 0);
         }},
        {"ailerons droop with flaps and pitch", [] {
             pln.ailflaps = 10;
             pln.ailpitch = 4;
             flt.flap = 0.5f;
         }, 0.5f, 0, 0,
         [] {
             EXPECT_NEAR(flt.lailndef, -3, 2e-3);
             EXPECT_NEAR(flt.railndef, -3, 2e-3);
         }},
    };
    for (const auto& t : table) {
        SetUp();
        set.controls_type = 15;
        set.eq_ped = 1;
        t.set_up();
        // The stick input that reads as the wanted command after the curve.
        auto deflect = [](float c) { return axis(c < 0 ? -std::pow(-c, 2.0f / 3) : std::pow(c, 2.0f / 3)); };
        stick_y = deflect(t.ptch);
        stick_x = deflect(t.roll);
        stick_r = deflect(t.hdng);
        frames(10);
        SCOPED_TRACE(t.name);
        EXPECT_NEAR(set.FC_ptch, t.ptch, 1e-3);
        t.check();
    }
}

TEST_F(ControlsTest, HelicopterRotorsAndThrustVectors)
{
    pln.is_heli = 1;
    pln.propdir[0] = 1;
    pln.minpitch[1] = -5;
    pln.maxpitch[1] = 15;
    pln.elevcyclic = 6;
    pln.ailncyclic = 4;
    pln.vertcant[0] = 90;
    set.eq_ped = 1;
    set.MK_hdng = -1;
    set.MK_ptch = 1;
    flt.onground = 1;
    frames(10);
    EXPECT_NEAR(flt.proppitch[1], 15, 1e-4);
    EXPECT_NEAR(flt.vertcant[0], 96, 1e-4);
    pln.propdir[0] = -1;
    frames(1);
    EXPECT_NEAR(flt.proppitch[1], -5, 1e-4);

    // Vectored propellers take the cyclic on engines 0 and 1; jets do not.
    pln.is_heli = 0;
    pln.vectEQ = 1;
    pln.entype = 3;
    pln.vertcant[1] = 90;
    frames(1);
    EXPECT_NEAR(flt.vertcant[1], 96, 1e-4);
    EXPECT_EQ(flt.vertcant[2], 0);
    pln.entype = 4;
    frames(1);
    EXPECT_EQ(flt.vertcant[1], 90);
}

TEST_F(ControlsTest, HelicopterWithoutPedalsDampsYaw)
{
    pln.is_heli = 1;
    flt.R = 10;          // a hover: the yaw rate is cancelled
    flt.Beta = 20;
    frames(1);
    EXPECT_NEAR(set.YK_hdng, -0.2f, 1e-5);
    flt.vind = 2 * msc.est_Vs * con.msctokts;   // at speed: the sideslip
    frames(1);
    EXPECT_NEAR(set.YK_hdng, -0.4f, 1e-5);
    flt.onground = 1;
    set.YK_hdng = 0;
    frames(1);
    EXPECT_EQ(set.YK_hdng, 0);
}

TEST_F(ControlsTest, TouchDown)
{
    pln.autofbrkEQ = 1;
    pln.autosbrkEQ = 1;
    flt.sbrk = -1;
    ott.ALHOLD = 1;
    ott.vv_hold = 2;
    frames(2);
    EXPECT_EQ(set.parkbrake, 0);
    flt.onground = 1;
    frames(1);
    EXPECT_EQ(set.parkbrake, 1);
    EXPECT_EQ(flt.sbrk, 2);
    EXPECT_EQ(msc.key_pressed, '!');
    EXPECT_EQ(ott.ALHOLD, 0);
    EXPECT_EQ(ott.HDSLCT, 0);
    // Still on the ground: nothing more.
    ott.ALHOLD = 1;
    msc.key_pressed = 0;
    frames(1);
    EXPECT_EQ(ott.ALHOLD, 1);
    EXPECT_EQ(msc.key_pressed, 0);
    // Without the autopilot, a landing leaves the keys alone.
    flt.onground = 0;
    frames(1);
    ott.ALHOLD = 0;
    ott.HDSLCT = 0;
    flt.onground = 1;
    frames(1);
    EXPECT_EQ(msc.key_pressed, 0);
}
