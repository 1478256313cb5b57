// The force accumulators' moment arms, the pulse, the weather drift and the
// fuel flow.
#include "aero_fixture.h"

#include "records/flight_state.h"
#include "flight/force_accumulators.h"
#include "world/scene_light.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
struct moments {
    float L, M, N;
};

moments zero_then(void (*add)())
{
    flt.L = flt.M = flt.N = 0;
    add();
    return {flt.L, flt.M, flt.N};
}
} // namespace

TEST_F(AeroTest, AccumulatorsTakeMomentsWithTheAircraftSigns)
{
    // Right-hand arms, forward/right/up forces; L right wing down, M nose up,
    // N nose right.
    struct {
        const char* what;
        void (*add)();
        moments want;
    } cases[] = {
        {"thrust 1000 N on the right engine yaws left", [] { addFaprop(1000, 2, 0); }, {0, 0, -2000}},
        {"thrust below the CG pitches up", [] { addFaprop(1000, 0, -0.5f); }, {0, 500, 0}},
        {"lift on the right wing rolls left", [] { addFnprop(1000, 3, 0); }, {-3000, 0, 0}},
        {"lift on the tail pitches down", [] { addFnprop(1000, 0, 5); }, {0, -5000, 0}},
        {"side force on the fin top rolls right", [] { addFsprop(100, 1, 0); }, {100, 0, 0}},
        {"side force on the tail yaws left", [] { addFsprop(100, 0, 5); }, {0, 0, -500}},
        {"wheel drag on the right yaws right", [] { addFagear(-1000, 2, 0); }, {0, 0, 2000}},
        {"wheel side force aft yaws left", [] { addFsgear(100, 0, 5); }, {0, 0, -500}},
        {"wheel load ahead pitches up", [] { addFngear(1000, 0, -1); }, {0, 1000, 0}},
    };
    for (auto& c : cases) {
        moments m = zero_then(c.add);
        EXPECT_NEAR(m.L, c.want.L, 1e-3f) << c.what;
        EXPECT_NEAR(m.M, c.want.M, 1e-3f) << c.what;
        EXPECT_NEAR(m.N, c.want.N, 1e-3f) << c.what;
    }
    flt.faxilprop = flt.fsidegear = flt.fnrmlgear = 0;
    addFaprop(10, 0, 0);
    addFaprop(5, 0, 0);
    addFsgear(3, 0, 0);
    addFngear(-4, 0, 0);
    EXPECT_FLOAT_EQ(flt.faxilprop, 15);
    EXPECT_FLOAT_EQ(flt.fsidegear, 3);
    EXPECT_FLOAT_EQ(flt.fnrmlgear, -4);
}

TEST_F(AeroTest, AeroForcesAtZeroAnglesTakeThePropulsionArms)
{
    set_air(50, 0, 0);
    float X = 1.5f, Y = -0.4f, Z = 2.5f;
    flt.L = flt.M = flt.N = 0;
    addFaprop(-300, X, Y);
    addFsprop(120, Y, Z);
    addFnprop(800, X, Z);
    moments prop = {flt.L, flt.M, flt.N};
    flt.L = flt.M = flt.N = 0;
    flt.faxilaero = flt.fsideaero = flt.fnrmlaero = 0;
    addFaero(-300, 120, 800, X, Y, Z);
    EXPECT_NEAR(flt.L, prop.L, 1e-3f);
    EXPECT_NEAR(flt.M, prop.M, 1e-3f);
    EXPECT_NEAR(flt.N, prop.N, 1e-3f);
    EXPECT_FLOAT_EQ(flt.faxilaero, -300);
    EXPECT_FLOAT_EQ(flt.fsideaero, 120);
    EXPECT_FLOAT_EQ(flt.fnrmlaero, 800);
}

TEST_F(AeroTest, AeroLiftAtAnAngleOfAttackIsTurnedIntoTheBody)
{
    // Lift straight up from the path at 90 degrees angle of attack lies
    // along the body's axis: below the CG it pitches the nose up, as thrust
    // there would; drag then pushes down the body's normal axis.
    set_air(50, 90, 0);
    flt.L = flt.M = flt.N = 0;
    addFaero(0, 0, 1000, 0, -1, 0);
    EXPECT_NEAR(flt.M, 1000, 0.1f);
    flt.M = 0;
    addFaero(-1000, 0, 0, 0, 0, 2);
    EXPECT_NEAR(flt.M, -2000, 0.1f);
    // The path totals stay in path axes.
    EXPECT_FLOAT_EQ(flt.fnrmlaero, 1000);
}

TEST_F(AeroTest, PulseStaysWithinZeroAndOne)
{
    float lo = 1, hi = 0;
    for (int k = 0; k < 2000; ++k) {
        msc.elap_time = k * 0.01f;
        float p = pulse(k * 0.37f - 3);
        lo = std::fmin(lo, p);
        hi = std::fmax(hi, p);
    }
    EXPECT_GE(lo, 0);
    EXPECT_LE(hi, 1);
    EXPECT_LT(lo, 0.01f);
    EXPECT_GT(hi, 0.99f);
    msc.elap_time = 0;
    EXPECT_NEAR(pulse(0), 0.5f, 1e-6f);
    EXPECT_NEAR(pulse(con.pi / 4), 1, 1e-6f);
}

TEST_F(AeroTest, CalmWeatherReplacedOutright)
{
    atm.wind_tbl = 1;
    atm.wndspd = 20;
    atm.shrspd = 10;
    atm.shrdir = 100;
    atm.tbl = 5;
    int moved = 0;
    for (int k = 0; k < 5; ++k) {
        atm.wnddir = 123;
        assign_wind_tbl(1);
        EXPECT_FLOAT_EQ(atm.wndspd, 0);
        EXPECT_FLOAT_EQ(atm.shrspd, 0);
        EXPECT_FLOAT_EQ(atm.shrdir, 0);
        EXPECT_FLOAT_EQ(atm.tbl, 0);
        EXPECT_GE(atm.wnddir, 0);
        EXPECT_LE(atm.wnddir, 360);
        moved += atm.wnddir != 123;
    }
    EXPECT_GT(moved, 0);

    // Stormy weather drifts by the weight of the new targets only.
    atm.wind_tbl = 5;
    atm.wnddir = 200;
    atm.wndspd = 30;
    assign_wind_tbl(0.1f);
    EXPECT_NEAR(atm.wnddir, 200, 9.1f);
    EXPECT_GE(atm.wndspd, 27);
    EXPECT_LE(atm.wndspd, 36);
}

TEST_F(AeroTest, FuelFlowRunsFromIdleToFullAndBeyond)
{
    const float lbh = con.lbstokgs / 3600;   // lb/h in kg/s
    pln.pmax = 160 * con.hptowatt;
    pln.sfc = 0.5f;
    pln.tmax = 10000 * con.lbstontn;
    struct {
        int entype;
        float output, want_lbh;
    } cases[] = {
        {1, 0, 0.8f},                           // 1% of 80 lb/h
        {2, 160 * con.hptowatt, 80},
        {2, 80 * con.hptowatt, 40.4f},
        {3, 0, 4},                              // a turboprop idles at 5%
        {1, 320 * con.hptowatt, 159.2f},        // extended beyond full power
        {1, -50 * con.hptowatt, 0.8f},          // never below idle
        {4, 0, 250},                            // 5% of 5000 lb/h
        {5, 10000 * con.lbstontn, 5000},
        {0, 1000, 0},                           // no engine burns nothing
    };
    for (auto& c : cases) {
        pln.entype = c.entype;
        EXPECT_NEAR(burnin_fuel(c.output), c.want_lbh * lbh, 1e-3f * c.want_lbh * lbh + 1e-9f)
            << "type " << c.entype << " at " << c.output;
    }
    pln.entype = 1;
    pln.pmax = 0;
    EXPECT_TRUE(std::isfinite(burnin_fuel(1000)));
}
