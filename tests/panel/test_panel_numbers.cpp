// The panel's numeric cores: gyros, compass, status slot, temperature
// pointer, levers, the rolling counter, handle tiles and dial angles.
#include "panel_fixture.h"

#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "cockpit/instrument_primitives.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
class PanelNumbers : public PanelFixture {};

const handle_quad* find_handle(const handle_quad* q, int n, float x, int cell_lo, int cell_hi)
{
    for (int k = 0; k < n; ++k)
        if (std::fabs(q[k].x - x) < 0.01f && q[k].cell >= cell_lo && q[k].cell <= cell_hi) return &q[k];
    return nullptr;
}
} // namespace

TEST_F(PanelNumbers, VacuumFailureDriftsTowardTheErrorsAndFreezesAfter180s)
{
    // The gyros start level; the aircraft flies 10 deg nose up; the failure
    // carries errors of 20 (pitch) and -30 (roll).
    const struct {
        float t;          // s since the failure
        float the, phi;   // one step from level
    } cases[] = {
        {0, 10, 0},                                          // k 1: straight to the target
        {90, 0.25f * (10 + 10), 0.25f * -15},                // e 0.5, k 0.25
        {180, 0, 0},                                         // k 0: frozen
        {200, 0, 0},                                         // past 180 s stays frozen
        {-5, 10, 0},                                         // before the failure: as at t 0
    };
    for (const auto& c : cases) {
        rel.vacuum = 0;
        rel.vac_death_time = 1000;
        msc.init_time = 1000 + c.t;
        rel.the_fail_err = 20;
        rel.phi_fail_err = -30;
        flt.the = 10;
        flt.phi = 0;
        flt.magpsi = 90;
        ins.the180 = ins.phi180 = 0;
        ins.psimag = 90;
        update_gyros();
        EXPECT_NEAR(ins.the180, c.the, 1e-3) << c.t;
        EXPECT_NEAR(ins.phi180, c.phi, 1e-3) << c.t;
        EXPECT_NEAR(ins.psimag, 90, 1e-3);
    }
}

TEST_F(PanelNumbers, EngineStartWobbleThenTheGyrosFollow)
{
    flt.onground = 1;
    flt.the = 2;
    flt.phi = 0;
    msc.init_time = 1;   // w = 0.75
    update_gyros();
    EXPECT_NEAR(ins.the180, 2 + 7.5f * std::sin(10.0f), 1e-3);
    EXPECT_NEAR(ins.phi180, 7.5f * std::sin(20.0f), 1e-3);
    msc.init_time = 5;   // wobble over
    update_gyros();
    EXPECT_FLOAT_EQ(ins.the180, 2);
    EXPECT_FLOAT_EQ(ins.phi180, 0);
    // A failed attitude gyro keeps its last reading.
    rel.ss_ahz = 0;
    flt.the = 15;
    update_gyros();
    EXPECT_FLOAT_EQ(ins.the180, 2);
}

TEST_F(PanelNumbers, CompassErrorsAndLag)
{
    const struct {
        float psi, aX, cospsi, sinphi;
        int lat;
        float error;
    } cases[] = {
        {90, 1, 0, 0, 40, -18},      // east, accelerating: d 90
        {270, -1, 0, 0, 40, 18},     // west, slowing
        {0, 0, 1, 0.5f, 40, 12.5f},  // north in a bank: (45 - 20) x 0.5
        {180, 3, -1, 0, 40, 0},      // south: no acceleration error
    };
    for (const auto& c : cases) {
        flt.psi = c.psi;
        flt.aX = c.aX;
        flt.cospsi = c.cospsi;
        flt.sinphi = c.sinphi;
        env.lat_sou = c.lat;
        EXPECT_NEAR(compass_error(), c.error, 1e-4) << c.psi;
    }
    // Straight and level: the card closes the gap by prd a frame, across north.
    flt.aX = flt.sinphi = 0;
    flt.magpsi = 10;
    compass = 350;
    msc.prd = 0.1f;
    update_compass();
    EXPECT_NEAR(compass, 352, 1e-3);
}

TEST_F(PanelNumbers, StatusSlotAndTemperaturePointer)
{
    EXPECT_EQ(status_slot(0), 0);
    EXPECT_EQ(status_slot(3.4f), 1);
    EXPECT_EQ(status_slot(10), 3);
    EXPECT_EQ(status_slot(20), 0);
    const struct {
        float t;
        int x;
    } temps[] = {{15, 755}, {-60, 723}, {-3, 747}, {200, 793}, {NAN, 748}};
    for (const auto& c : temps) EXPECT_EQ(temperature_pointer_x(c.t), c.x) << c.t;
}

TEST_F(PanelNumbers, LeverPositionsIncludingEqualEnds)
{
    // The trainer: one carburetted engine with a fixed propeller.
    flt.throrqst[0] = 0.5f;
    flt.mixt[0] = 1;
    flt.heat = 0;
    flt.elv_trim = 0;
    flt.flaprqst = 1;
    handle_quad q[MAX_HANDLES];
    int n = collect_handles(q);
    const struct {
        float x;
        int cell;
        float y;
    } levers[] = {
        {thro_x[0] + oseng, 8, 28},     // 4 .. 52, no reverser
        {mixt_x[0] + oseng, 10, 39},
        {oseng + 786, 14, 52},          // carburettor heat
        {oseng + 787, 11, 101.5f},      // elevator trim centred
        {oseng + 650, 12, 73},          // flaps fully requested
    };
    for (const auto& l : levers) {
        const handle_quad* h = find_handle(q, n, l.x, l.cell, l.cell);
        ASSERT_NE(h, nullptr) << l.x;
        EXPECT_FLOAT_EQ(h->y, l.y) << l.x;
    }
    // Equal ends: the lever rests at its slot's low end, no division by zero.
    pln.varpitchEQ = 1;
    pln.omegamingreen = pln.omegamax = 200;
    flt.prop[0] = 200;
    n = collect_handles(q);
    const handle_quad* prop = find_handle(q, n, prop_x[0] + oseng, 9, 9);
    ASSERT_NE(prop, nullptr);
    EXPECT_FLOAT_EQ(prop->y, 4);
    pln.collectEQ = 1;
    pln.minpitch[0] = pln.maxpitch[0] = 12;
    n = collect_handles(q);
    const handle_quad* coll = find_handle(q, n, thro_x[0] + oseng, 8, 8);
    ASSERT_NE(coll, nullptr);
    EXPECT_FLOAT_EQ(coll->y, 4);
    EXPECT_EQ(find_handle(q, n, prop_x[0] + oseng, 9, 9), nullptr);
    // A reversing engine's throttle runs 16 .. 4.
    pln.collectEQ = 0;
    flt.revving_thrust[0] = 1;
    flt.throrqst[0] = 1;
    n = collect_handles(q);
    EXPECT_FLOAT_EQ(find_handle(q, n, thro_x[0] + oseng, 8, 8)->y, 4);
}

TEST_F(PanelNumbers, RollingCounterRows)
{
    int rows[4];
    // 1999.5: the units half-way from 9 to 0, each higher digit half-way on.
    // Digit d sits on rows 9d - 4 .. 9d + 4, so a first row of 82 shows the
    // edge between 9 and 0 in the middle of the window.
    vtape_rows(1999.5f, rows);
    EXPECT_EQ(rows[0], 10);
    EXPECT_EQ(rows[1], 82);
    EXPECT_EQ(rows[2], 82);
    EXPECT_EQ(rows[3], 82);
    vtape_rows(1234, rows);
    EXPECT_EQ(rows[0], 5);
    EXPECT_EQ(rows[3], 32);
    // Negative, huge and undefined values stay inside the strip.
    for (float v : {-5.0f, -123456.0f, 3e9f, 1e30f, NAN}) {
        vtape_rows(v, rows);
        for (int r : rows) EXPECT_TRUE(r >= 0 && r < 90) << v;
    }
}

TEST_F(PanelNumbers, HandleTilesAndDialAngles)
{
    float st[4];
    handle_tex(13, 16, 24, st);
    EXPECT_FLOAT_EQ(st[0], 0.25f);
    EXPECT_FLOAT_EQ(st[1], 0.75f);
    EXPECT_FLOAT_EQ(st[2], 0.375f);
    EXPECT_FLOAT_EQ(st[3], 0.9375f);
    const struct {
        float in;
        int out;
    } angles[] = {{-30, 330}, {360, 360}, {725, 5}, {-725, 355}, {NAN, 0}, {1e20f, 0}};
    for (const auto& a : angles) {
        int d = dial_degree(a.in);
        if (a.in == 1e20f) EXPECT_TRUE(d >= 0 && d <= 360);
        else EXPECT_EQ(d, a.out) << a.in;
    }
    pln.VVItype = 1;
    EXPECT_EQ(vvi_face_angle(0), 270);
    EXPECT_EQ(vvi_face_angle(20), 70);
    EXPECT_EQ(vvi_face_angle(-20), 110);
    pln.VVItype = 2;
    EXPECT_EQ(vvi_face_angle(50), 70);
    EXPECT_EQ(vvi_face_angle(25), 350);
}
