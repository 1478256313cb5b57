// Propellers, rotors and jets: engine torque, the induced-speed lag, the
// blade elements, governors, the rotation speed, jet spooling and ram.
#include "aero_fixture.h"

#include "flight/engines.h"
#include "records/flight_state.h"
#include "flight/force_buildup.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
void clear_moments()
{
    flt.L = flt.M = flt.N = 0;
    flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0;
}

// A second engine just like the first, on the other side.
void twin_propellers()
{
    pln.numen = 2;
    for (int p : {0, 1}) {
        pln.Xarm[p] = p == 0 ? -2.0f : 2.0f;
        pln.Zarm[p] = -1;
    }
    pln.propdir[1] = -1;
    pln.numblades[1] = pln.numblades[0];
    pln.semilen[1] = pln.semilen[0];
    pln.Croot[1] = pln.Ctip[1] = pln.Croot[0];
    pln.els[1] = pln.els[0];
    pln.AR[1] = pln.AR[0];
    pln.e[1] = pln.e[0];
    pln.al_D_al0[1] = pln.cl_D_cl0[1] = pln.cm_D_cm0[1] = 1;
    pln.alpha_max[1] = pln.alpha_max[0];
    synthetic_foil(1);
    for (int e = 0; e < pln.els[0]; ++e) {
        pln.anginc[1][e] = pln.anginc[0][e];
        pln.ringarea[1][e] = pln.ringarea[0][e];
        pln.s[1][e] = pln.s[0][e];
        pln.mac[1][e] = pln.mac[0][e];
    }
    pln.discarea[1] = pln.discarea[0];
    pln.miprop[1] = pln.miprop[0];
    flt.eng_running[1] = 1;
    flt.mixt_powr_rat[1] = 1;
    flt.thro[1] = 1;
}
} // namespace

class Engines : public AeroTest {
protected:
    void SetUp() override
    {
        AeroTest::SetUp();
        fixture_propeller();
    }
};

TEST_F(Engines, InducedSpeedLagsTowardMomentumTheory)
{
    struct {
        float now, t, s, vgeo, want;
    } cases[] = {
        // Through the disc 25 m/s: terminal 1000 / (1.225 2 25) = 16.33.
        {10, 1000, 2, 20, 0.99f * 10 + 0.01f * 16.3265f},
        // At rest the disc speed is pushed out to 1 m/s before it divides.
        {0, 1000, 2, 0, 0.01f * 1000 / (1.225f * 2)},
        {0, 1000, 2, -0.4f, 0.01f * 1000 / (1.225f * 2)},
        // Flow from behind.
        {0, 1000, 2, -20, 0.01f * 1000 / (1.225f * 2 * 20)},
        // No area, no wash: it decays.
        {10, 1000, 0, 20, 9.9f},
    };
    for (auto& c : cases)
        EXPECT_NEAR(dv_total(c.now, c.t, c.s, c.vgeo), c.want, 1e-4f) << c.now << " " << c.t << " " << c.s << " " << c.vgeo;

    // Left long enough it settles where the thrust carries the momentum.
    float dv = 0;
    for (int k = 0; k < 5000; ++k) dv = dv_total(dv, 1000, 2, 20);
    EXPECT_NEAR(1.225f * 2 * (20 + dv / 2) * dv, 1000, 1);
}

TEST_F(Engines, PistonTorqueAtSeaLevelAndItsLosses)
{
    // 100 kW at 250 rad/s: 400 N m; 60..250 rad/s.
    struct {
        const char* what;
        std::function<void()> setup;
        float trq;
    } cases[] = {
        {"full power at full speed", [] {}, 400},
        {"half throttle at mid speed", [] { flt.tac[0] = 155; flt.thro[0] = 0.25f; }, 152},
        {"carburettor heat", [] { flt.heat = 1; }, 360},
        {"carburettor heat on an injected engine", [] { flt.heat = 1; pln.entype = 2; }, 400},
        {"thin air", [] { atm.crtsig = 0.55f; }, 200},
        {"too thin to burn", [] { atm.crtsig = 0.05f; }, 0},
        {"turbocharged to beyond its reach", [] { atm.crtsig = 0.3f; pln.critalt = 60000; }, 400},
        {"lean mixture", [] { flt.mixt_powr_rat[0] = 0.8f; }, 320},
        {"carburettor ice", [] { msc.carb_ice[0] = 0.25f; }, 300},
        {"oil pump failed", [] { rel.oilpmp[0] = 0; rel.oil_rat = 0.5f; }, 200},
        {"stopped engine drags the windmilling propeller", [] { flt.eng_running[0] = 0; flt.tac[0] = 155; }, -100},
        {"stopped engine, oil pump failed", [] { flt.eng_running[0] = 0; flt.tac[0] = 155; rel.oilpmp[0] = 0; rel.oil_rat = 0.5f; }, -100},
        {"stopped propeller", [] { flt.eng_running[0] = 0; flt.tac[0] = 0; }, 0},
        {"below idle speed", [] { flt.tac[0] = 30; }, 200},
    };
    for (auto& c : cases) {
        fixture_propeller();
        atm.crtsig = 1;
        flt.tac[0] = 250;
        flt.heat = 0;
        pln.critalt = 0;
        msc.carb_ice[0] = 0;
        rel.oilpmp[0] = 1;
        c.setup();
        clear_moments();
        apropengine(0);
        EXPECT_NEAR(flt.trq[0], c.trq, 1e-2f) << c.what;
        EXPECT_NEAR(flt.power[0], c.trq * flt.tac[0], 1) << c.what;
        EXPECT_NEAR(flt.L, -c.trq, 1e-2f) << c.what;   // the reaction turns the airframe against the propeller
    }

    // The turbocharger holds sea-level density up to its critical altitude.
    fixture_propeller();
    flt.tac[0] = 250;
    pln.critalt = 3000;
    atm.crtsig = 0.6f;
    apropengine(0);
    float boost = 1 - std::pow(1 - 2.306e-05f * 3000, 4.14f);
    EXPECT_NEAR(flt.trq[0], 400 * (0.6f + boost - 0.1f) / 0.9f, 1e-2f);
}

TEST_F(Engines, DesignValuesThatWouldDivideByZeroGiveFiniteTorque)
{
    for (auto setup : std::vector<std::function<void()>>{
             [] { pln.omegamax = 0; },
             [] { pln.omegamax = pln.omegamin = 200; },
             [] { pln.omegamax = pln.omegamin = 0; },
         }) {
        fixture_propeller();
        flt.tac[0] = 180;
        setup();
        apropengine(0);
        EXPECT_TRUE(std::isfinite(flt.trq[0]));
        EXPECT_TRUE(std::isfinite(flt.power[0]));
        props();
        EXPECT_TRUE(std::isfinite(flt.tac[0]));
        EXPECT_TRUE(std::isfinite(flt.L));
    }
}

TEST_F(Engines, ManifoldPressureFollowsTheThrottle)
{
    flt.tac[0] = 250;
    msc.prd = 0.02f;
    apropengine(0);
    EXPECT_NEAR(flt.mpr[0], 29 * 0.02f, 1e-4f);
    for (int k = 0; k < 2000; ++k) apropengine(0);
    EXPECT_NEAR(flt.mpr[0], 29, 1e-2f);
    flt.thro[0] = 0;
    for (int k = 0; k < 2000; ++k) apropengine(0);
    EXPECT_NEAR(flt.mpr[0], 29.92f * 0.5f, 1e-2f);
    pln.entype = 3;   // turboprops have none
    flt.mpr[0] = 3;
    apropengine(0);
    EXPECT_FLOAT_EQ(flt.mpr[0], 3);
}

TEST_F(Engines, StaticThrustStaysWithinTheMomentumBound)
{
    flt.tac[0] = 100;
    for (int k = 0; k < 4000; ++k) {
        clear_moments();
        props();
    }
    float T = flt.thrust[0], P = flt.power[0];
    float ideal = std::cbrt(2 * atm.rho * pln.discarea[0] * P * P);
    EXPECT_GT(T, 0.5f * ideal) << "T " << T << " P " << P << " tac " << flt.tac[0];
    EXPECT_LE(T, ideal) << "T " << T << " P " << P << " tac " << flt.tac[0];
    EXPECT_GT(flt.tac[0], pln.omegamin);
    EXPECT_LT(flt.tac[0], 1.2f * pln.omegamax);
    // The shaft settles where the blades absorb the engine's torque.
    EXPECT_NEAR(flt.Dtq[0], flt.trq[0], 0.01f * flt.trq[0]);
    // The far wake carries the thrust's momentum.
    EXPECT_NEAR(atm.rho * pln.discarea[0] * (flt.DVinc[0] / 2) * flt.DVinc[0], T, 0.02f * T);
    // The thrust pushes forward along the axis; a single engine's wash
    // reaches both sides.
    EXPECT_NEAR(flt.faxilprop, T, 1e-2f * T);
    EXPECT_FLOAT_EQ(flt.DVinc[1], flt.DVinc[0]);

    // Less throttle, less thrust and speed.
    float full_T = T, full_tac = flt.tac[0];
    flt.thro[0] = 0.3f;
    for (int k = 0; k < 4000; ++k) {
        clear_moments();
        props();
    }
    EXPECT_LT(flt.thrust[0], full_T);
    EXPECT_LT(flt.tac[0], full_tac);
}

TEST_F(Engines, EachEngineAcceleratesOnlyItsOwnPropeller)
{
    auto history = [](float throttle0) {
        clear_aero_world();
        fixture_propeller();
        twin_propellers();
        flt.thro[0] = throttle0;
        flt.tac[0] = flt.tac[1] = 150;
        std::vector<float> tac1;
        for (int k = 0; k < 200; ++k) {
            props();
            tac1.push_back(flt.tac[1]);
        }
        return tac1;
    };
    std::vector<float> beside_full = history(1), beside_idle = history(0);
    for (size_t k = 0; k < beside_full.size(); ++k) ASSERT_FLOAT_EQ(beside_full[k], beside_idle[k]) << k;
}

TEST_F(Engines, GovernorsFeatheringAndReverse)
{
    // No inertia: the governors see the speed alone, not its rate.
    pln.miprop[0] = 0;
    pln.varpitchEQ = 1;
    pln.minpitch[0] = 10;
    pln.maxpitch[0] = 40;
    flt.proppitch[0] = 20;
    flt.prop[0] = 200;
    flt.tac[0] = 240;
    props();
    EXPECT_GT(flt.proppitch[0], 20);   // over speed: coarser
    flt.tac[0] = 150;
    flt.proppitch[0] = 20;
    props();
    EXPECT_LT(flt.proppitch[0], 20);   // under speed: finer
    flt.proppitch[0] = 10;
    props();
    EXPECT_FLOAT_EQ(flt.proppitch[0], 10);   // never past the stops

    // The lowest green speed feathers a twin's propeller, not a single's.
    flt.prop[0] = pln.omegamingreen + 0.5f;
    props();
    EXPECT_LT(flt.proppitch[0], 80);
    twin_propellers();
    pln.miprop[0] = pln.miprop[1] = 0;
    pln.minpitch[1] = 10;
    pln.maxpitch[1] = 40;
    flt.prop[1] = 250;
    props();
    EXPECT_FLOAT_EQ(flt.proppitch[0], 80);
    EXPECT_LE(flt.proppitch[1], 40);

    pln.revthrustEQ = 1;
    flt.revving_thrust[1] = 1;
    props();
    EXPECT_FLOAT_EQ(flt.proppitch[1], -15);

    // Fixed pitch.
    pln.varpitchEQ = 0;
    props();
    EXPECT_FLOAT_EQ(flt.proppitch[0], 0);

    // A collective governs through the throttle request.
    pln.collectEQ = 1;
    flt.throrqst[0] = 0.5f;
    flt.tac[0] = 200;
    props();
    EXPECT_GT(flt.throrqst[0], 0.5f);
    rel.thrgov[0] = 0;
    props();
    EXPECT_FLOAT_EQ(flt.throrqst[0], 1);
}

TEST_F(Engines, PropellerSpeedIntegratesWithOilAndInertiaGuards)
{
    flt.tac[0] = 100;
    props();
    EXPECT_GT(flt.tac[0], 100);   // full throttle at 100 rad/s in still air: it speeds up
    // A failed oil pump bleeds a tenth of the missing oil ratio away each
    // step (the engine stopped, so that its torque is the same both ways).
    flt.eng_running[0] = 0;
    flightstruct saved = flt;
    props();
    float working = flt.tac[0];
    flt = saved;
    rel.oilpmp[0] = 0;
    rel.oil_rat = 0;
    props();
    EXPECT_NEAR(flt.tac[0], 0.9f * working, 1e-4f);

    rel.oilpmp[0] = 1;
    pln.miprop[0] = 0;   // no inertia: the speed holds
    flt.tac[0] = 180;
    props();
    EXPECT_FLOAT_EQ(flt.tac[0], 180);
    EXPECT_TRUE(std::isfinite(flt.M));

    // A spinning propeller resists pitching and rolling.
    fixture_propeller();
    flt.tac[0] = 200;
    set_rates(10, 20, 0);
    clear_moments();
    pln.els[0] = 0;   // no blades: only the engine torque and the damping
    props();
    EXPECT_NEAR(flt.M, -pln.miprop[0] * 200 * flt.Qrad, 1e-3f);
    EXPECT_NEAR(flt.N, -pln.miprop[0] * 200 * flt.Prad, 1e-3f);
}

TEST_F(Engines, RotorInflowAndTranslationalLift)
{
    pln.is_heli = 1;
    pln.entype = 3;
    flt.tac[0] = 10;
    float rs = 10 * get_wing_rarm(0, 0);
    struct {
        int heli;
        float knots, alpha, dv_disc;
    } cases[] = {
        {1, 10, 0, 4}, {1, 14.9f, 0, 4}, {1, 32.5f, 0, 0.65f * 4}, {1, 50, 0, 2}, {1, 100, 0, 2},
        {0, 50, 0, 4},     // airplanes have no translational lift
        {1, 9, 180, 2},    // flow from behind halves the induced speed at the disc
    };
    for (auto& c : cases) {
        pln.is_heli = c.heli;
        set_air(c.knots * con.ktstomsc, c.alpha, 0);
        flt.ringDVinc[0][0] = 8;
        aprop(0, 0, 0, 0);
        float DVnormal = -std::tan(flt.deldir[0][0] * con.degtorad) * rs;
        float geo = c.alpha == 180 ? -flt.av : flt.av;
        EXPECT_NEAR(DVnormal - geo, c.dv_disc, 1e-3f) << c.heli << " at " << c.knots << " kt";
    }
}

TEST_F(Engines, HelicopterRotorsShareTheEnginesTorque)
{
    pln.is_heli = 1;
    pln.entype = 3;
    pln.trotor_rat = 5;
    flt.tac[0] = 200;
    pln.miprop[1] = 1;
    // Without a collective stick the throttle is governed only with FADEC on.
    struct {
        int fadec, gov;
        float request;
    } cases[] = {{0, 1, 0.01f}, {1, 0, 1}};
    for (auto& c : cases) {
        set.fadec_on = c.fadec;
        rel.thrgov[0] = c.gov;
        props();
        EXPECT_FLOAT_EQ(flt.throrqst[0], c.request);
    }
    EXPECT_FLOAT_EQ(flt.tac[1], flt.tac[0] * 5);
    rel.trotor = 0;
    props();
    EXPECT_FLOAT_EQ(flt.tac[1], 1);

    // The engine cannot drive the rotor backwards.
    flt.eng_running[0] = 0;
    flt.tac[0] = 200;
    apropengine(0);
    EXPECT_FLOAT_EQ(flt.trq[0], 0);
}

TEST_F(Engines, JetThrustSpoolsWithRamAndShock)
{
    pln.entype = 4;
    pln.numen = 1;
    pln.tmax = 10000;
    pln.facejet = 0.5f;
    pln.spooltime = 5;
    auto steady = [](int type, float M) {
        pln.entype = type;
        flt.machno = M;
        flt.Qstatic = 0;
        flt.eng_running[0] = 1;
        flt.thro[0] = 1;
        flt.parteqlbmthrust[0] = 1;
        flt.n1_[0] = 100;
        flt.faxilprop = 0;
        jets();
        return flt.thrust[0];
    };
    auto shock = [](float M) { return 2.4f * M * M / (0.4f * M * M + 2); };
    EXPECT_NEAR(steady(4, 0), 10000, 0.1f);
    EXPECT_NEAR(steady(4, 2), 10000 * shock(2) * 2, 1);
    EXPECT_NEAR(steady(4, 2.5f), 10000 * shock(2.5f) * 1.5f, 1);
    EXPECT_NEAR(steady(5, 0.5f), 10000 * 1.075f, 0.1f);
    EXPECT_NEAR(steady(5, 1.2f), 10000 * shock(1.2f) * 0.5f, 1);
    EXPECT_NEAR(flt.faxilprop, flt.thrust[0], 1e-2f);
    flt.after_burning[0] = 1;
    pln.burnerinc = 5000;
    EXPECT_NEAR(steady(4, 0), 15000, 0.1f);
    flt.after_burning[0] = 0;

    // Spooling: a fixed push below 25% N1, the throttle above, decay when dead.
    struct {
        int running;
        float n1, thro, step;
    } spool[] = {
        {1, 10, 0, 0.04f * 0.02f / 5},
        {1, 10, 1, 0.04f * 0.02f / 5},
        {1, 50, 1, 2 * std::sqrt(0.75f) * 0.02f / 5},
        {1, 50, 0, -2 * std::sqrt(0.2f) * 0.02f / 5},
        {0, 80, 1, -3 * 0.64f * 0.02f / 5},
    };
    for (auto& s : spool) {
        flt.eng_running[0] = s.running;
        flt.n1_[0] = s.n1;
        flt.parteqlbmthrust[0] = sqr(s.n1 / 100);
        flt.thro[0] = s.thro;
        jets();
        EXPECT_NEAR(flt.parteqlbmthrust[0] - sqr(s.n1 / 100), s.step, 1e-6f) << s.running << " " << s.n1 << " " << s.thro;
        EXPECT_NEAR(flt.n1_[0], 100 * std::sqrt(flt.parteqlbmthrust[0]), 1e-3f);
    }

    // A dead engine's face drags; reverse and a failed oil pump scale it.
    flt.eng_running[0] = 0;
    flt.machno = 0;
    flt.Qstatic = 1000;
    jets();
    EXPECT_NEAR(flt.thrust[0], -150, 1e-3f);
    pln.revthrustEQ = 1;
    flt.revving_thrust[0] = 1;
    EXPECT_NEAR(steady(4, 0), -4000, 0.1f);
    pln.revthrustEQ = 0;
    rel.oilpmp[0] = 0;
    rel.oil_rat = 0.5f;
    EXPECT_NEAR(steady(4, 0), 5000, 0.1f);
    EXPECT_NEAR(flt.n1_[0], 50, 1e-3f);
    rel.oilpmp[0] = 1;

    // Vectored thrust, and an engine with no spool time.
    flt.vertcant[0] = 30;
    flt.faxilprop = flt.fnrmlprop = 0;
    steady(4, 0);
    EXPECT_NEAR(flt.faxilprop, 10000 * std::cos(30 * con.degtorad), 0.1f);
    EXPECT_NEAR(flt.fnrmlprop, 10000 * std::sin(30 * con.degtorad), 0.1f);
    pln.spooltime = 0;
    flt.thro[0] = 0.5f;
    flt.parteqlbmthrust[0] = 0;
    jets();
    EXPECT_TRUE(std::isfinite(flt.thrust[0]));
    EXPECT_NEAR(flt.parteqlbmthrust[0], 0.525f, 1e-5f);
}

TEST_F(Engines, OneCycleDumpWritesThePropellerAndJetLines)
{
    std::string path =
        (std::filesystem::temp_directory_path() / ("korvan_aero_dump_" + std::to_string(getpid()) + ".out")).string();
    trk.close();
    trk.clear();
    trk.open(path, std::ios::out | std::ios::trunc);
    trk.setf(std::ios::fixed, std::ios::floatfield);
    set.cycout = 1;
    flt.tac[0] = 200;
    pln.Yarm[0] = 1.25f;
    props();
    pln.entype = 4;
    pln.tmax = 1000;
    jets();
    set.cycout = 0;
    trk.close();
    trk.clear();

    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::filesystem::remove(path);
    auto count = [&](const std::string& prefix) {
        int n = 0;
        for (auto& l : lines) n += l.compare(0, prefix.size(), prefix) == 0;
        return n;
    };
    const std::string yen3 = "\xA5\xA5\xA5";
    std::string head = yen3 + "PROPELLER, ENGINE #1" + std::string(77, '\xA5');
    EXPECT_EQ(count(head), 1);
    EXPECT_EQ(head.size(), 100u);
    EXPECT_EQ(count("   PROP HUB LOCATION: x="), 1);
    EXPECT_EQ(count("   PROP HUB LOCATION: x=0.0 meters, y=1.2 meters, z=-2.0 meters."), 1);
    EXPECT_EQ(count("   The prop is turning clockwise at 200.0 rad per sec"), 1);
    EXPECT_EQ(count(yen3 + "PROPELLER BLADES ALL 4 LOCATIONS (12/3/6/9 O'CLOCK), RADIAL ELEMENT 1 of 5"), 1);
    EXPECT_EQ(count(yen3 + "BLADE AT 12 O'CLOCK AS SEEN FROM AFT LOOKING FORWARDS"), 5);
    EXPECT_EQ(count(yen3 + "BLADE AT  3 O'CLOCK"), 5);
    EXPECT_EQ(count("   blade element ANGLE OF ATTACK:       "), 20);
    EXPECT_EQ(count(std::string(100, '\xA5')), 4 + 5 * 2 + 2);
    EXPECT_EQ(count(yen3 + "JET ENGINE" + std::string(87, '\xA5')), 1);
    EXPECT_EQ(count("   longitudinal thrust vector=0.00 deg. (0=full aft)"), 1);
    EXPECT_EQ(count("   THISfaxil="), 1);
}
