// The force and moment build-up: signs and stability of the small glider,
// the lagged downwash, propwash shares, flaps, bodies, JATO, puffers, the
// wire, torque reaction, ice, and the turn into world-frame accelerations.
#include "aero_fixture.h"

#include "records/cockpit_state.h"
#include "flight/element_coefficients.h"
#include "records/flight_state.h"
#include "flight/force_buildup.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <functional>

namespace {
struct totals {
    float L, M, N, side;
};

totals build_up()
{
    set_a();
    return {flt.L, flt.M, flt.N, flt.fsideaero};
}

// Prandtl-Glauert factor of an element at 50 m/s.
float pg50()
{
    return 1 / std::sqrt(1 - sqr(50 / 340.3f));
}
} // namespace

class BuildUp : public AeroTest {
protected:
    void SetUp() override
    {
        AeroTest::SetUp();
        fixture_glider(5);
        set_air(50, 3, 0);
    }
};

TEST_F(BuildUp, SymmetricAircraftHasNoRollYawOrSideForceWithoutSideslip)
{
    for (float alpha : {-4.0f, 0.0f, 3.0f, 8.0f, 25.0f}) {
        set_air(50, alpha, 0);
        totals t = build_up();
        EXPECT_NEAR(t.L, 0, 0.05f) << "alpha " << alpha;
        EXPECT_NEAR(t.N, 0, 0.05f) << "alpha " << alpha;
        EXPECT_NEAR(t.side, 0, 0.05f) << "alpha " << alpha;
        EXPECT_TRUE(std::isfinite(t.M));
    }
}

TEST_F(BuildUp, StabilityAndDampingSigns)
{
    struct {
        const char* what;
        std::function<void()> change;
        std::function<bool(const totals& base, const totals& now)> holds;
    } cases[] = {
        {"more angle of attack pitches the nose down (tail aft)", [] { set_air(50, 5, 0); },
         [](const totals& b, const totals& n) { return n.M < b.M; }},
        {"nose right of the path yaws it back left", [] { set_air(50, 3, 5); },
         [](const totals& b, const totals& n) { return n.N < 0; }},
        {"nose left of the path yaws it back right", [] { set_air(50, 3, -5); },
         [](const totals& b, const totals& n) { return n.N > 0; }},
        {"air from the left pushes the aircraft right", [] { set_air(50, 3, 5); },
         [](const totals& b, const totals& n) { return n.side > 0; }},
        {"dihedral rolls away from air coming from the left", [] { set_air(50, 3, 5); },
         [](const totals& b, const totals& n) { return n.L > 0; }},
        {"a roll to the right is damped", [] { set_rates(20, 0, 0); },
         [](const totals& b, const totals& n) { return n.L < 0; }},
        {"a pitch up is damped", [] { set_rates(0, 10, 0); },
         [](const totals& b, const totals& n) { return n.M < b.M; }},
        {"a yaw to the right is damped", [] { set_rates(0, 0, 10); },
         [](const totals& b, const totals& n) { return n.N < 0; }},
    };
    for (auto& c : cases) {
        set_air(50, 3, 0);
        set_rates(0, 0, 0);
        totals base = build_up();
        c.change();
        totals now = build_up();
        EXPECT_TRUE(c.holds(base, now)) << c.what << ": L " << now.L << " M " << now.M << " (was " << base.M << ") N "
                                        << now.N << " side " << now.side;
    }

    // The roll from sideslip grows with the dihedral.
    set_air(50, 3, 5);
    float with = build_up().L;
    fixture_glider(0);
    float without = build_up().L;
    EXPECT_GT(with, without + 50);
}

TEST_F(BuildUp, DownwashReachesTheTailOneHalfStepLateAndPulsesWhenStalled)
{
    for (int el = 0; el < 2; ++el) {
        pln.in_downwash[10][4][el] = 1;
        pln.in_downwash[11][5][el] = 1;
    }
    pln.spec_wash[4] = pln.spec_wash[5] = 2;
    set_air(50, 4, 0);
    set_a();
    EXPECT_NEAR(flt.alpha[10][0], 4, 1e-4f);   // nothing shed yet
    float wing_cl = 0.1f * 4 * std::cos(5 * con.degtorad) * pg50();   // the dihedral tilts the wing
    EXPECT_NEAR(flt.downwash[10][0], -2 * wing_cl, 1e-3f);
    EXPECT_NEAR(flt.downwash[11][1], -2 * wing_cl, 1e-3f);
    EXPECT_FLOAT_EQ(flt.downwash[4][0], 0);
    set_a();
    EXPECT_NEAR(flt.alpha[10][0], 4 - 2 * wing_cl, 1e-3f);

    // A stalled wing sheds a wake that pulses with |sin 2t|.
    set_air(50, 20, 0);
    msc.elap_time = 0.3f;
    set_a();
    ASSERT_EQ(flt.stalled[4], 1);
    float at_03 = flt.downwash[10][0];
    msc.elap_time = 1.3f;
    set_a();
    float at_13 = flt.downwash[10][0];
    EXPECT_NEAR(at_03, -2 * synthetic_cl(20 * std::cos(5 * con.degtorad)) * pg50() * std::sin(0.6f), 1e-3f);
    EXPECT_NEAR(at_13 / at_03, std::fabs(std::sin(2.6f)) / std::sin(0.6f), 1e-3f);
}

TEST_F(BuildUp, ASweptWingShedsDownwashTimesTheCosineOfItsSweep)
{
    for (int el = 0; el < 2; ++el) pln.in_downwash[10][4][el] = 1;
    pln.spec_wash[4] = 2;
    set_air(50, 4, 0);
    set_a();
    float straight = flt.downwash[10][0];
    ASSERT_LT(straight, -0.01f);
    // Sweep slows the flow across the wing but leaves its angle, and so its
    // lift coefficient, nearly as it was (the slower flow's Reynolds number
    // moves it a little): the cosine is what changes the wash.
    pln.sweepnow[4] = 30;
    set_a();
    EXPECT_NEAR(flt.downwash[10][0] / straight, std::cos(30 * con.degtorad), 0.005f);
}

TEST_F(BuildUp, PropwashShareFollowsTheStreamAngle)
{
    pln.numen = 1;
    pln.entype = 1;
    msc.prd = 0;   // the wash holds still while the surfaces read it
    for (int el = 0; el < 2; ++el) pln.in_propwash[10][0][el] = pln.in_propwash[12][0][el] = 1;
    set_air(50, 0, 0);

    // The wash leaves level: stream angle 0.
    struct {
        float lo, max, hi, share;
    } cases[] = {{-10, 0, 10, 1}, {-10, 10, 20, 0.5f}, {-20, -10, 10, 0.5f}, {5, 10, 20, 0}, {-20, -10, 0, 0},
                 {-30, -20, -10, 0}, {0, 0, 0, 1}};   // a disc of no radius: full share, not 0/0
    for (auto& c : cases) {
        pln.lo_washdir[10][0] = c.lo;
        pln.max_washdir[10][0] = c.max;
        pln.hi_washdir[10][0] = c.hi;
        flt.DVinc[0] = 20;
        set_a();
        EXPECT_NEAR(flt.v_el[10][0] - 50, 20 * c.share, 1e-3f) << c.lo << " " << c.max << " " << c.hi;
    }

    // Canted up 10 degrees: the fin takes the whole wash along its chord,
    // the stabiliser the cosine of it.
    flt.vertcant[0] = 10;
    float c10 = std::cos(10 * con.degtorad), s10 = std::sin(10 * con.degtorad);
    float w = std::atan2(-s10 * 20, 50 + c10 * 20) * con.radtodeg;
    for (int p : {10, 12}) {
        pln.lo_washdir[p][0] = w - 10;
        pln.max_washdir[p][0] = w;
        pln.hi_washdir[p][0] = w + 10;
    }
    flt.DVinc[0] = 20;
    set_a();
    EXPECT_NEAR(flt.v_el[12][0], std::sqrt(sqr(50 + 20) + sqr(20 * s10)), 1e-3f);
    EXPECT_NEAR(flt.v_el[10][0], std::sqrt(sqr(50 + 20 * c10) + sqr(20 * s10)), 1e-3f);
    EXPECT_NEAR(flt.alpha[10][0], std::atan2(-20 * s10, 50 + 20 * c10) * con.radtodeg, 1e-3f);

    // Jets wash nothing.
    pln.entype = 4;
    flt.vertcant[0] = 0;
    set_a();
    EXPECT_NEAR(flt.v_el[12][0], 50, 1e-3f);
}

TEST_F(BuildUp, FlapsAfterAnAsymmetricFailureWorkOnOneSideOnly)
{
    for (int p : {4, 5})
        for (int el = 0; el < 4; ++el) pln.flap[p][el] = 1;
    pln.clflap[50] = 0.5f;
    pln.clflap[25] = 0.2f;
    flt.flap = 1;
    float rise = induce_alpha(0.5f, 4);
    float a = 3 * std::cos(5 * con.degtorad);   // the wing's own angle with its dihedral

    set_a();
    EXPECT_NEAR(flt.alpha[4][0], a + rise, 1e-4f);
    EXPECT_NEAR(flt.alpha[5][3], a + rise, 1e-4f);
    flt.flap = 0.5f;   // row 25
    set_a();
    EXPECT_NEAR(flt.alpha[4][0], a + induce_alpha(0.2f, 4), 1e-4f);

    flt.flap = 1;
    rel.symflp = 0;
    set_a();
    int left_works = flt.alpha[4][0] > a + rise / 2;
    int right_works = flt.alpha[5][0] > a + rise / 2;
    EXPECT_NE(left_works, right_works);
    float roll = flt.L;
    EXPECT_TRUE(left_works ? roll > 0 : roll < 0);
    for (int k = 0; k < 20; ++k) {
        set_a();
        EXPECT_EQ(flt.alpha[4][0] > a + rise / 2, left_works);
        EXPECT_EQ(flt.alpha[5][0] > a + rise / 2, right_works);
    }
}

TEST_F(BuildUp, FuselageLiftSideForceAndDrag)
{
    // Sea level, 50 m/s: q = 1531.25 Pa.
    const float q = 0.5f * 1.225f * 2500;
    pln.fuse_cd = 0.2f;
    pln.fuse_s_frn = 2;
    pln.fuse_s_top = 10;
    pln.fuse_s_sid = 8;
    for (int p : {4, 5, 10, 11, 12}) pln.semilen[p] = 0;
    struct {
        float alpha, beta, drag, lift, side;
    } cases[] = {
        {0, 0, 0.2f * 2 * q, 0, 0},
        // Offset angles held at 15 degrees: cd and area 1/6 of the way to 0.27 and 9.
        {30, 0, (0.2f + 0.07f / 6) * (2 + 7.0f / 6) * q, 0.5f * 10 * q * 0.27f, 0},
        {0, -10, (0.2f + 0.07f / 9) * (2 + 7.0f / 9) * q, 0, -std::sin(10 * con.degtorad) * 8 * q * 0.27f},
    };
    for (auto& c : cases) {
        set_air(50, c.alpha, c.beta);
        set_a();
        EXPECT_NEAR(flt.faxilaero, -c.drag, 0.05f) << c.alpha << " " << c.beta;
        EXPECT_NEAR(flt.fnrmlaero, c.lift, 0.05f) << c.alpha << " " << c.beta;
        EXPECT_NEAR(flt.fsideaero, c.side, 0.05f) << c.alpha << " " << c.beta;
    }
    // In the first propeller's wash.
    pln.fusewash = 1;
    flt.DVinc[0] = 10;
    set_air(50, 0, 0);
    set_a();
    EXPECT_NEAR(flt.faxilaero, -0.2f * 2 * 0.5f * 1.225f * 3600, 0.05f);
}

TEST_F(BuildUp, BodiesTyresBrakesAndChutesDrag)
{
    for (int p : {4, 5, 10, 11, 12}) pln.semilen[p] = 0;
    pln.fuse_cd = 0;
    set_air(40, 0, 0);
    const float q = 0.5f * 1.225f * 1600;
    struct {
        const char* what;
        std::function<void()> setup;
        float drag;
    } cases[] = {
        {"piston nacelle in the wash, twice the body cd",
         [] {
             pln.numen = 1;
             pln.entype = 1;
             pln.nace_eq = 1;
             pln.nace_s = 0.5f;
             pln.fuse_cd = 0.1f;
             flt.DVinc[0] = 10;
         },
         0.2f * 0.5f * 0.5f * 1.225f * 2500},
        {"turboprop nacelle",
         [] {
             pln.numen = 1;
             pln.entype = 3;
             pln.nace_eq = 1;
             pln.nace_s = 0.5f;
             pln.fuse_cd = 0.1f;
             flt.DVinc[0] = 10;
         },
         0.1f * 0.5f * 0.5f * 1.225f * 2500},
        {"jets have no nacelle drag of their own",
         [] {
             pln.numen = 1;
             pln.entype = 4;
             pln.nace_eq = 1;
             pln.nace_s = 0.5f;
             pln.fuse_cd = 0.1f;
         },
         0},
        {"two floats",
         [] {
             pln.misc_eq = 1;
             pln.misc_X = 1;
             pln.misc_s = 0.3f;
             pln.fuse_cd = 0.1f;
         },
         2 * 0.1f * 0.3f * q},
        {"three tyres without fairings",
         [] {
             pln.gear_type = 3;
             pln.wheelrad = 0.3f;
             for (int g = 0; g < 3; ++g) pln.gear_stat[g] = 1;
         },
         3 * 0.25f * 1.6f * 0.09f * q},
        {"two tyres down in fairings, with the fairings",
         [] {
             pln.gear_type = 3;
             pln.wheelrad = 0.3f;
             pln.fair_eq = 1;
             pln.fair_s = 0.2f;
             pln.gear_stat[1] = pln.gear_stat[2] = 1;
         },
         2 * 0.25f * 0.16f * 0.09f * q + 2 * 0.05f * 0.2f * q},
        {"fuselage speedbrakes at setting 2",
         [] {
             pln.fbrkEQ = 1;
             pln.brake_area = 0.5f;
             flt.sbrk = 2;
         },
         0.5f * q * 1.23f},
        {"chute out",
         [] {
             pln.chuteEQ = 1;
             pln.chute_area = 10;
             ins.chute_on = 1;
         },
         10 * q * 1.42f},
    };
    for (auto& c : cases) {
        fixture_glider(5);
        for (int p : {4, 5, 10, 11, 12}) pln.semilen[p] = 0;
        pln.fuse_cd = pln.fuse_s_frn = 0;
        flt.DVinc[0] = 0;
        flt.sbrk = 0;
        ins.chute_on = 0;
        pln.numen = pln.entype = pln.nace_eq = pln.misc_eq = pln.gear_type = pln.fair_eq = 0;
        pln.fbrkEQ = pln.chuteEQ = 0;
        for (int g = 0; g < 3; ++g) pln.gear_stat[g] = 0;
        c.setup();
        msc.prd = 0;
        set_a();
        EXPECT_NEAR(flt.faxilaero, -c.drag, 0.01f + 1e-5f * c.drag) << c.what;
    }
}

TEST_F(BuildUp, RocketsAndPuffers)
{
    set_air(0, 0, 0);
    ins.jato_on = 1;
    pln.jatothrust = 1000;
    pln.jatotheta = 30.7f;   // whole degrees for the tables
    pln.jatoY = -0.5f;
    pln.jatoZ = 2;
    flt.jatoleft = 0.03f;
    set_a();
    float c30 = lookup_cos[30], s30 = lookup_sin[30];
    EXPECT_NEAR(flt.faxilprop, 1000 * c30, 1e-3f);
    EXPECT_NEAR(flt.fnrmlprop, 1000 * s30, 1e-3f);
    EXPECT_NEAR(flt.M, 1000 * c30 * 0.5f - 1000 * s30 * 2, 1e-2f);
    EXPECT_EQ(ins.jato_on, 1);
    set_a();
    EXPECT_NEAR(flt.jatoleft, -0.01f, 1e-6f);
    EXPECT_EQ(ins.jato_on, 0);   // burnt out
    set_a();
    EXPECT_FLOAT_EQ(flt.faxilprop, 0);

    pln.puffEQ = 1;
    pln.puffL = 100;
    pln.puffM = 200;
    pln.puffN = 300;
    set.FC_roll = 0.5f;
    set.FC_ptch = -1;
    set.FC_hdng = 0.25f;
    set_a();
    EXPECT_FLOAT_EQ(flt.L, 50);
    EXPECT_FLOAT_EQ(flt.M, -200);
    EXPECT_FLOAT_EQ(flt.N, 75);
}

TEST_F(BuildUp, IceAddsMassAndInertiaTwice)
{
    set_air(0, 0, 0);
    pln.puffEQ = 1;
    pln.puffL = 1000;
    pln.puffN = 500;
    set.FC_roll = set.FC_hdng = 1;
    ins.jato_on = 1;
    flt.jatoleft = 100;
    pln.jatothrust = 600 * atm.g;   // straight up: holds the clean aircraft
    pln.jatotheta = 90;
    for (float ice : {0.0f, 0.5f}) {
        msc.frame_ice = ice;
        set_a();
        float k = 1 + ice;
        EXPECT_NEAR(flt.aY, atm.g / k - atm.g, 1e-4f) << ice;
        EXPECT_NEAR(flt.Pdot, 1000 / (2.0f * 600 * k * k) * con.radtodeg, 1e-3f) << ice;
        EXPECT_NEAR(flt.Rdot, 500 / (3.0f * 600 * k * k) * con.radtodeg, 1e-3f) << ice;
    }
}

TEST_F(BuildUp, EachFrameOfForcesTurnsIntoTheWorld)
{
    set_air(0, 0, 0);
    ins.jato_on = 1;
    flt.jatoleft = 100;
    pln.jatothrust = 600;   // 1 m/s^2 along the body's axis
    struct {
        float the, psi, phi, aX, aY, aZ;
    } cases[] = {
        {0, 0, 0, 0, -1, -1},       // north is -z
        {0, 90, 0, 1, -1, 0},       // east is +x
        {90, 0, 0, 0, 0, 0},        // nose up: straight up
        {0, 0, 90, 0, -1, -1},      // bank leaves an axial force alone
    };
    for (auto& c : cases) {
        flt.sinthe = std::sin(c.the * con.degtorad);
        flt.costhe = std::cos(c.the * con.degtorad);
        flt.sinpsi = std::sin(c.psi * con.degtorad);
        flt.cospsi = std::cos(c.psi * con.degtorad);
        flt.sinphi = std::sin(c.phi * con.degtorad);
        flt.cosphi = std::cos(c.phi * con.degtorad);
        set_a();
        EXPECT_NEAR(flt.aX, c.aX, 1e-4f) << c.the << " " << c.psi << " " << c.phi;
        EXPECT_NEAR(flt.aY + atm.g, c.aY + 1, 1e-4f) << c.the << " " << c.psi << " " << c.phi;
        EXPECT_NEAR(flt.aZ, c.aZ, 1e-4f) << c.the << " " << c.psi << " " << c.phi;
    }

    // Lift in a 30 degree banked path pulls to the right; gear forces turn
    // by the heading alone.
    ins.jato_on = 0;
    set_air(50, 4, 0);
    flt.sinphi_path = 0.5f;
    flt.cosphi_path = std::sqrt(0.75f);
    set_a();
    ASSERT_GT(flt.fnrmlaero, 1000);
    EXPECT_NEAR(flt.aX * 600, flt.fnrmlaero * 0.5f, 1);
}

TEST_F(BuildUp, WireAndContactOnlyNearTheGround)
{
    set_air(30, 0, 0);
    flt.wired = 1;
    flt.trap_accel = 10;
    pln.mgearY = -1;
    for (float height : {60.0f, 50.0f, 10.0f}) {
        flt.Y = height;
        flt.onground = 1;
        set_a();
        EXPECT_EQ(flt.onground, 0) << height;
        float want = height < 50 ? -600 * 10 : 0;
        EXPECT_NEAR(flt.faxilgear, want, 1e-3f) << height;
    }
}

TEST_F(BuildUp, TorqueReactionRollsSingleEnginesWithSpeed)
{
    pln.entype = 1;
    pln.pmax = 100000;
    pln.omegamax = 250;
    pln.omegamin = 60;
    set_air(0, 0, 0);
    struct {
        int numen, dir0, dir1;
        float roll;
    } cases[] = {{1, 1, 0, 300}, {1, -1, 0, -300}, {2, 1, -1, 0}, {2, -1, -1, -600}};
    for (auto& c : cases) {
        pln.numen = c.numen;
        pln.propdir[0] = c.dir0;
        pln.propdir[1] = c.dir1;
        flt.Qratio = 0;
        set_a();
        float still = flt.L;
        flt.Qratio = 0.5f;
        set_a();
        EXPECT_NEAR(flt.L - still, c.roll, 1e-2f) << c.numen << " engines " << c.dir0 << "/" << c.dir1;
    }
    pln.omegamax = 0;   // never divides by a missing maximum speed
    set_a();
    EXPECT_TRUE(std::isfinite(flt.L));
    EXPECT_TRUE(std::isfinite(flt.Pdot));
}

TEST_F(BuildUp, ElementsWithNoAirOrNoInertiaStayFinite)
{
    // Parts with no elements, an aircraft with no inertia, a stop in still air.
    pln.Jxx_unitmass = pln.Jyy_unitmass = pln.Jzz_unitmass = 0;
    set_air(0, 0, 0);
    set_a();
    for (float v : {flt.aX, flt.aY, flt.aZ, flt.Pdot, flt.Qdot, flt.Rdot, flt.L, flt.M, flt.N})
        EXPECT_TRUE(std::isfinite(v));
    flt.m_total = 0;
    set_air(40, 10, 5);
    set_a();
    for (float v : {flt.aX, flt.aY, flt.aZ, flt.Pdot, flt.Qdot, flt.Rdot})
        EXPECT_TRUE(std::isfinite(v));
}
