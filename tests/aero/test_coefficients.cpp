// Element coefficients: the table look-up, the blends and the corrections.
#include "aero_fixture.h"

#include "flight/element_coefficients.h"
#include "records/flight_state.h"
#include "flight/force_buildup.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>

namespace {
const int P = 4;

// Tables whose values tell where they were read: drag k at index k (positive
// side) or 1000 + k (negative side), lift 500 + k and -500 - k at index
// 100 + k.
void index_tables(int RT, int Re)
{
    for (int k = 0; k <= 270; ++k) {
        afl.cdpos[P][RT][Re][k] = (float)k;
        afl.cdneg[P][RT][Re][k] = 1000.0f + k;
    }
    for (int k = 0; k <= 170; ++k) {
        afl.clpos[P][RT][Re][k] = 500.0f + k;
        afl.clneg[P][RT][Re][k] = -500.0f - k;
    }
}

// Element values with compressibility out of the way.
void quiet_element(float alpha, float v)
{
    atm.a = 1e9f;
    flt.alpha[P][0] = alpha;
    flt.v_el[P][0] = v;
    pln.mac[P][0] = 1;
    pln.els[P] = 1;
}
} // namespace

class Coefficients : public AeroTest {
protected:
    void SetUp() override
    {
        AeroTest::SetUp();
        synthetic_foil(P);
        pln.al_D_al0[P] = pln.cl_D_cl0[P] = pln.cm_D_cm0[P] = 1;
        pln.alpha_max[P] = 15;
        pln.AR[P] = 0;
    }
};

TEST_F(Coefficients, TableIndexFollowsTheTwoStepsAndTheCap)
{
    index_tables(0, 0);
    struct {
        float alpha, cd, cl;
    } cases[] = {
        {0, 1000, 0},              // zero counts as negative
        {9.99f, 99.9f, 0.999f},    // the straight lift line below 10
        {10, 100, 500},            // the table from 10 on
        {-12.5f, 1125, -525},
        {20, 200, 600},            // 0.1 degree steps up to 20
        {20.5f, 200.5f, 600.5f},   // whole degrees beyond
        {-45, 1225, -625},
        {89.99f, 269.99f, 669.99f},
        {120, 269.99f, 669.99f},   // capped
        {-200, 1269.99f, -669.99f},
    };
    for (auto& c : cases) {
        float cl, cd, cm;
        anyfoil(c.alpha, cl, cd, cm, P, 0, 0, 0);
        EXPECT_NEAR(cd, c.cd, 2e-3f) << "alpha " << c.alpha;
        EXPECT_NEAR(cl, c.cl, 2e-3f) << "alpha " << c.alpha;
    }
    float cl, cd, cm;
    anyfoil(NAN, cl, cd, cm, P, 0, 0, 0);   // never outside the tables
    SUCCEED();
}

TEST_F(Coefficients, MomentCurveIsPiecewiseThroughItsBreaks)
{
    afl.cmal2[P][0][0] = -5;
    afl.cmal3[P][0][0] = 8;
    afl.cm1[P][0][0] = 0.1f;
    afl.cm2[P][0][0] = -0.02f;
    afl.cm3[P][0][0] = -0.06f;
    afl.cm4[P][0][0] = -0.1f;
    struct {
        float alpha, cm;
    } cases[] = {{-5, -0.02f}, {1.5f, -0.04f}, {14, -0.08f}, {-12.5f, 0.04f}, {55, -0.21f}, {-55, 0.21f}, {90, -0.32f}};
    for (auto& c : cases) {
        float cl, cd, cm;
        anyfoil(c.alpha, cl, cd, cm, P, 0, 0, 0);
        EXPECT_NEAR(cm, c.cm, 1e-5f) << "alpha " << c.alpha;
    }
}

TEST_F(Coefficients, FiniteWingAndSlatsRotateTheLiftLineAboutZeroLift)
{
    synthetic_foil(P, 0.2f);   // zero lift at -2 degrees
    float cl, cd, cm;
    pln.al_D_al0[P] = 0.5f;
    anyfoil(8, cl, cd, cm, P, 0, 0, 0);
    EXPECT_NEAR(cl, 0.1f * 3 + 0.2f, 1e-5f);   // (8 + 2) / 2 - 2 = 3 degrees

    pln.al_D_al0[P] = 1;
    pln.slat_effect[P] = 1.2f;
    pln.slat[P][0] = 1;
    flt.slat = 1;
    anyfoil(10, cl, cd, cm, P, 0, 0, 0);
    EXPECT_NEAR(cl, (0.1f * 8 + 0.2f) * 1.2f, 1e-5f);   // 12 / 1.2 - 2 = 8, then 20% more lift
    anyfoil(18.5f, cl, cd, cm, P, 0, 0, 0);
    EXPECT_EQ(flt.stalled[P], 0);                      // 18.5 turns into 15.08, below 18
    anyfoil(23, cl, cd, cm, P, 0, 0, 0);
    EXPECT_EQ(flt.stalled[P], 1);                      // 18.83
    pln.slat[P][0] = 0;
    anyfoil(16, cl, cd, cm, P, 0, 0, 0);
    EXPECT_EQ(flt.stalled[P], 0);                      // the stall angle grew by 20% for every element
    anyfoil(18.5f, cl, cd, cm, P, 0, 0, 0);
    EXPECT_EQ(flt.stalled[P], 1);
    flt.slat = 0;
    anyfoil(16, cl, cd, cm, P, 0, 0, 0);
    EXPECT_EQ(flt.stalled[P], 1);
}

TEST_F(Coefficients, OneAirfoilNameMeansOneSlotWhateverTheReynoldsNumber)
{
    // The other three slots hold nonsense that must never be read.
    for (int RT = 0; RT < 2; ++RT)
        for (int Re = 0; Re < 2; ++Re)
            if (RT || Re) {
                afl.clM[P][RT][Re] = 9;
                afl.cdpos[P][RT][Re][50] = afl.cdpos[P][RT][Re][51] = 9;
            }
    afl.Re[P][0][1] = afl.Re[P][1][1] = 3;
    float first[3] = {};
    for (float v : {5.0f, 40.0f, 200.0f}) {
        quiet_element(5, v);
        float cl, cd, cm;
        Fco_subsonic(0, 0, 0, cl, cd, cm, P, 0);
        if (v == 5) {
            first[0] = cl;
            first[1] = cd;
        }
        EXPECT_NEAR(cl, 0.5f, 1e-5f) << v;
        EXPECT_FLOAT_EQ(cl, first[0]);
        EXPECT_FLOAT_EQ(cd, first[1]);
    }
}

TEST_F(Coefficients, SlotsBlendByReynoldsNumberThenBySpan)
{
    // Root low 0.1/deg at 1 million, root high 0.12/deg at 3 million; tip
    // 0.08/deg whatever the number.
    copy_bounded(pln.Rafl1[P], "root high.afl", 400);
    copy_bounded(pln.Tafl0[P], "tip.afl", 400);
    copy_bounded(pln.Tafl1[P], "tip.afl", 400);
    note_shared_foils();  // as the loader does
    afl.Re[P][0][0] = 1;
    afl.Re[P][0][1] = 3;
    afl.clM[P][0][1] = 0.12f;
    afl.clM[P][1][0] = afl.clM[P][1][1] = 0.08f;
    pln.els[P] = 4;
    atm.a = 1e9f;
    // 2 million at the element: v rho c / mu.
    float v = 2e6f * con.muair / (atm.rho * 1);
    struct {
        int el;
        float cl;
    } cases[] = {{0, 0.5f * (0.11f * 7 / 8 + 0.08f / 8)}, {3, 0.5f * (0.11f / 8 + 0.08f * 7 / 8)}};
    for (auto& c : cases) {
        flt.alpha[P][c.el] = 5;
        flt.v_el[P][c.el] = v;
        pln.mac[P][c.el] = 1;
        float cl, cd, cm;
        Fco_subsonic(0, 0, 0, cl, cd, cm, P, c.el);
        EXPECT_NEAR(cl, c.cl * 10, 1e-4f) << "element " << c.el;
    }
    // Beyond the pair the nearer slot holds.
    flt.alpha[P][0] = 5;
    flt.v_el[P][0] = v * 10;
    float cl, cd, cm;
    Fco_subsonic(0, 0, 0, cl, cd, cm, P, 0);
    EXPECT_NEAR(cl, 5 * (0.12f * 7 / 8 + 0.08f / 8), 1e-4f);
}

TEST_F(Coefficients, FiniteSpanInducedDragAndGroundEffect)
{
    quiet_element(5, 50);
    pln.cl_D_cl0[P] = 0.9f;
    pln.cm_D_cm0[P] = 0.8f;
    afl.cm2[P][0][0] = afl.cm3[P][0][0] = -0.05f;   // flat -0.05 between the breaks
    pln.AR[P] = 6;
    pln.e[P] = 0.8f;
    float cd0 = synthetic_cd(5);
    float cl, cd, cm;
    Fco_subsonic(0.1f, 0.01f, -0.02f, cl, cd, cm, P, 0);
    float want_cl = (0.5f + 0.1f) * 0.9f;
    EXPECT_NEAR(cl, want_cl, 1e-5f);
    EXPECT_NEAR(cm, (-0.05f - 0.02f) * 0.8f, 1e-5f);
    EXPECT_NEAR(cd, cd0 + 0.01f + want_cl * want_cl / (0.8f * con.pi * 6), 1e-5f);

    // Near the ground the wing lifts more and sheds less induced drag.
    flt.CDIgrndeffect[P] = 0.5f;
    flt.CL_grndeffect[P] = 1.1f;
    Fco_subsonic(0.1f, 0.01f, -0.02f, cl, cd, cm, P, 0);
    EXPECT_NEAR(cl, want_cl * 1.1f, 1e-5f);
    EXPECT_NEAR(cd, cd0 + 0.01f + 0.5f * want_cl * want_cl / (0.8f * con.pi * 6), 1e-5f);

    // Ground effect is for the wings and stabilisers, or a helicopter's rotor.
    struct {
        int heli, part, near;
    } parts[] = {{0, 4, 1}, {0, 11, 1}, {0, 12, 0}, {0, 0, 0}, {1, 0, 1}, {1, 4, 0}};
    for (auto& c : parts) {
        pln.is_heli = c.heli;
        int q = c.part;
        synthetic_foil(q);
        pln.al_D_al0[q] = pln.cl_D_cl0[q] = pln.cm_D_cm0[q] = 1;
        pln.alpha_max[q] = 15;
        pln.els[q] = 1;
        pln.mac[q][0] = 1;
        flt.alpha[q][0] = 5;
        flt.v_el[q][0] = 50;
        flt.CDIgrndeffect[q] = 0.5f;
        flt.CL_grndeffect[q] = 1.1f;
        Fco_subsonic(0, 0, 0, cl, cd, cm, q, 0);
        EXPECT_NEAR(cl, c.near ? 0.55f : 0.5f, 1e-5f) << "helicopter " << c.heli << " part " << q;
    }
    pln.is_heli = 0;

    // No span or no efficiency: no induced drag, and nothing infinite.
    for (float ar : {0.0f, -2.0f}) {
        pln.AR[P] = ar;
        Fco_subsonic(0, 0, 0, cl, cd, cm, P, 0);
        EXPECT_NEAR(cd, cd0, 1e-6f) << "AR " << ar;
    }
    pln.AR[P] = 6;
    pln.e[P] = 0;
    Fco_subsonic(0, 0, 0, cl, cd, cm, P, 0);
    EXPECT_NEAR(cd, cd0, 1e-6f);
}

TEST_F(Coefficients, CompressibilityDeltaWingAndIce)
{
    afl.cm2[P][0][0] = afl.cm3[P][0][0] = -0.05f;
    quiet_element(0, 0.85f * 340.3f);
    atm.a = 340.3f;
    float cl, cd, cm;
    Fco_subsonic(0, 0, 0, cl, cd, cm, P, 0);
    EXPECT_NEAR(cl, 0, 1e-6f);
    EXPECT_NEAR(cd, synthetic_cd(0) + 2.5f * 0.1f * 0.1f, 1e-5f);   // Mdd 0.7, Mach held at 0.8
    EXPECT_NEAR(cm, -0.05f / 0.6f, 1e-5f);                          // Prandtl-Glauert of Mach 0.8

    flt.v_el[P][0] = 0.5f * 340.3f;
    flt.alpha[P][0] = 4;
    pln.delta_fac[P] = 1;
    Fco_subsonic(0, 0, 0, cl, cd, cm, P, 0);
    float pg = 1 / std::sqrt(1 - 0.25f);
    EXPECT_NEAR(cl, 0.4f * pg, 1e-5f);
    EXPECT_NEAR(cm, -0.05f * pg - 0.25f * cl, 1e-5f);
    EXPECT_NEAR(cd, synthetic_cd(4), 1e-5f);   // below Mdd = 0.7 - 0.2 cl

    pln.delta_fac[P] = 0;
    msc.frame_ice = 0.2f;
    Fco_subsonic(0, 0, 0, cl, cd, cm, P, 0);
    EXPECT_NEAR(cl, 0.4f * pg / 1.1f, 1e-5f);
    EXPECT_NEAR(cd, synthetic_cd(4) * 1.8f, 1e-5f);
}

TEST_F(Coefficients, SupersonicFlatPlates)
{
    // One panel at Mach sqrt(2): Cp = 2a.
    float cl = 0, cd = 0;
    float a = 5 * con.degtorad;
    supersonic_flatplate(5, cl, cd, std::sqrt(2.0f), 0.5f);
    EXPECT_NEAR(cl, std::cos(a) * 2 * a * 0.5f, 1e-6f);
    EXPECT_NEAR(cd, std::sin(a) * 2 * a * 0.5f, 1e-6f);

    // A plate of no thickness at Mach 2, then Mach 5 held at 3.
    afl.trat[P][0] = afl.trat[P][1] = 0;
    flt.alpha[P][0] = 2;
    a = 2 * con.degtorad;
    for (float M : {2.0f, 5.0f}) {
        flt.machno = M;
        float Mu = std::fmin(M, 3);
        float cm;
        Fco_supersonic(0.01f, 0.002f, 0.003f, cl, cd, cm, P, 0);
        float want_cl = 4 * a * std::cos(a) / std::sqrt(Mu * Mu - 1);
        EXPECT_NEAR(cl, want_cl + 0.01f, 1e-6f);
        EXPECT_NEAR(cd, 4 * a * std::sin(a) / std::sqrt(Mu * Mu - 1) + 0.0046f + 0.002f, 1e-6f);
        EXPECT_NEAR(cm, -0.25f * want_cl + 0.003f, 1e-6f);
    }
    // Thickness adds wave drag even at no incidence; no finite-wing or ice
    // correction applies.
    afl.trat[P][0] = afl.trat[P][1] = 0.05f;
    flt.alpha[P][0] = 0;
    msc.frame_ice = 0.5f;
    pln.cl_D_cl0[P] = 0.5f;
    float cm;
    Fco_supersonic(0, 0, 0, cl, cd, cm, P, 0);
    float ang = std::atan(0.1f) / 2;
    EXPECT_NEAR(cl, 0, 1e-6f);
    EXPECT_NEAR(cd, 4 * ang * std::sin(ang) / std::sqrt(8.0f) + 0.0046f, 1e-6f);
}

TEST_F(Coefficients, InducedAngleOfALiftIncrement)
{
    struct {
        float AR, machno, want;
    } cases[] = {
        {8, 0.3f, 0.1f / (8 * con.pi) * con.radtodeg},
        {1, 0.3f, 0.1f / (2 * con.pi) * con.radtodeg},    // aspect ratio held within 2..20
        {40, 0.3f, 0.1f / (20 * con.pi) * con.radtodeg},
        {8, 1.0f, 0.1f / (8 * con.pi) * con.radtodeg},    // still subsonic at exactly Mach 1
        {8, 1.01f, 0},
    };
    for (auto& c : cases) {
        pln.AR[P] = c.AR;
        flt.machno = c.machno;
        EXPECT_NEAR(induce_alpha(0.1f, P), c.want, 1e-5f) << "AR " << c.AR << " M " << c.machno;
    }
}

TEST_F(Coefficients, ControlSurfaceIncrements)
{
    const float base = std::sqrt(0.25f) * 0.1097f / 1.5f;   // cl per degree at chord ratio 0.25
    const float cmk = 0.75f - 0.125f;
    struct {
        int type;
        float def, cl, cd, cm;
    } cases[] = {
        {12, 5, -5 * base, 5 * 0.003f, 5 * cmk * base},
        {12, -5, 5 * base, 5 * 0.003f, -5 * cmk * base},
        {13, 5, -10 * base, 10 * 0.003f, 2.5f * cmk * base},
        {14, 5, -2.5f * base, 10 * 0.003f, 0},
        {15, 5, 0, 20 * 0.003f, 0},
        {12, 45, -45 * base * 0.575f, 45 * 0.003f, 45 * cmk * base},   // lift falls off with deflection
        {12, 70, -70 * base * 0.5f, 70 * 0.003f, 70 * cmk * base},
        {12, 17.5f, -17.5f * base * 0.92f, 17.5f * 0.003f, 17.5f * cmk * base},
    };
    for (auto& c : cases) {
        float cl, cd, cm;
        set_con_eff(P, c.type, 0.25f, c.def, cl, cd, cm, "TEST");
        EXPECT_NEAR(cl, c.cl, 1e-5f) << "type " << c.type << " at " << c.def;
        EXPECT_NEAR(cd, c.cd, 1e-5f) << "type " << c.type << " at " << c.def;
        EXPECT_NEAR(cm, c.cm, 1e-5f) << "type " << c.type << " at " << c.def;
    }

    float cl, cd, cm;
    struct {
        int smooth, stalled;
        float factor;
    } softening[] = {{1, 0, 0.7f}, {2, 0, 0.85f}, {3, 0, 1}, {0, 0, 1}, {3, 1, 0.2f}, {1, 1, 0.14f}};
    for (auto& s : softening) {
        pln.con_smooth = s.smooth;
        flt.stalled[P] = s.stalled;
        set_con_eff(P, 12, 0.25f, 5, cl, cd, cm, "TEST");
        EXPECT_NEAR(cl, -5 * base * s.factor, 1e-6f) << "smoothing " << s.smooth << " stalled " << s.stalled;
        EXPECT_NEAR(cm, 5 * cmk * base, 1e-6f);
    }
}

TEST_F(Coefficients, ElementForceTurnsThroughTheFlowChange)
{
    quiet_element(5, 50);
    pln.s[P][0] = 2;
    pln.mac[P][0] = 1.5f;
    afl.cm2[P][0][0] = afl.cm3[P][0][0] = -0.05f;
    flt.deldir[P][0] = -10;
    float lift, drag, momt;
    float cl = F_el_force(0, 0, 0, lift, drag, momt, P, 0);
    float q = 0.5f * atm.rho * 50 * 50 * 2;
    float d = -10 * con.degtorad, cd = synthetic_cd(5);
    EXPECT_NEAR(cl, 0.5f, 1e-5f);
    EXPECT_NEAR(lift, (0.5f * std::cos(d) + cd * std::sin(d)) * q, 0.05f);
    EXPECT_NEAR(drag, (cd * std::cos(d) - 0.5f * std::sin(d)) * q, 0.05f);   // downwash tilts lift back
    EXPECT_NEAR(momt, -0.05f * q * 1.5f, 0.01f);

    // Above Mach 1 the flat plates serve.
    flt.machno = 1.5f;
    afl.trat[P][0] = afl.trat[P][1] = 0;
    flt.deldir[P][0] = 0;
    cl = F_el_force(0, 0, 0, lift, drag, momt, P, 0);
    float a = 5 * con.degtorad;
    EXPECT_NEAR(cl, 4 * a * std::cos(a) / std::sqrt(1.25f), 1e-5f);
}
