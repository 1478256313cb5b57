// The golden trace: a minute of the bundled trainer from the take-off roll
// through a climbing turn at a fixed frame period. The numbers in
// golden_trace.txt were recorded before the flight step was made faster; any
// later change to how the step computes must leave them within 1e-4
// relative (float rounding only).
//
// To record the file again (only when the model itself changes on purpose):
// KORVAN_RECORD_GOLDEN=1 build/tests/flight/flight_tests --gtest_filter='GoldenTrace*'
#include "flight_fixture.h"

#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
const char* const golden_file = GOLDEN_DIR "/golden_trace.txt";

struct Quantity {
    const char* name;
    double floor;   // below this size a value is compared absolutely at 1e-4 * floor
};

// Position m, velocity m/s, attitude deg, rates deg/s, rotation rate rad/s.
const Quantity quantities[] = {
    {"X", 1}, {"Y", 1}, {"Z", 1}, {"vX", 1}, {"vY", 1}, {"vZ", 1},
    {"the", 1}, {"psi", 1}, {"phi", 1}, {"P", 1}, {"Q", 1}, {"R", 1}, {"tac", 1},
};
const int n_quantities = sizeof quantities / sizeof quantities[0];

std::vector<double> state_now()
{
    return {flt.X, flt.Y, flt.Z, flt.vX, flt.vY, flt.vZ, flt.the, flt.psi, flt.phi,
            flt.P, flt.Q, flt.R, flt.tac[0]};
}

// The script: full throttle from rest on the runway; rotate to 8 degrees of
// pitch at 20 s; from 35 s a climbing turn at 20 degrees of bank. The yoke is
// held by gentle proportional laws, so that no switch depends on the state.
void control(float t)
{
    for (int e = 0; e < pln.numen && e < 4; ++e) {
        flt.throrqst[e] = 1;
        flt.eng_running[e] = 1;
    }
    env.surf_type = 27;   // the runway the scene would report
    float the = t < 20 ? flt.the : 8;
    // Before the turn the heading is held at north: on the ground the yoke
    // steers the nose wheel.
    float heading = t < 35 ? fltwrap(flt.psi, -180, 180) : 0;
    float phi = t < 35 ? 0 : 20;
    set.MK_ptch = t < 20 ? 0 : fltlim(0.08f * (the - flt.the) - 0.02f * flt.Q, -1, 1);
    set.MK_roll = fltlim(0.05f * (phi - flt.phi) - 0.01f * flt.P - 0.05f * heading, -1, 1);
}

// The state every 10 s for 60 s: six rows.
void start_on_the_runway()
{
    set.cus_X = 60000, set.cus_Z = -80000, set.cus_Y = 0, set.cus_v = 0, set.cus_psi = 0;
    set_fltvars(10);
}

std::vector<std::vector<double>> fly_the_script()
{
    // Ten frames first, so that the frame-period clock has its last reading
    // whatever ran before in this process; then the real start.
    mnw.time_elapsed = 0;
    msc.prd = 0.05f;
    start_on_the_runway();
    fly_frames(10);
    start_on_the_runway();
    set.controls_type = -1;   // the keyboard yoke, no pedals
    set.eq_ped = 0;
    set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
    set.parkbrake = 0;
    msc.prd = 0.05f;

    std::vector<std::vector<double>> rows;
    for (int frame = 1; frame <= 1200; ++frame) {
        control((frame - 1) * 0.05f);
        mnw.time_elapsed += msc.prd;
        update_flight();
        if (frame % 200 == 0) rows.push_back(state_now());
    }
    return rows;
}

std::vector<std::vector<double>> read_golden()
{
    std::vector<std::vector<double>> rows;
    std::ifstream in(golden_file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream s(line);
        std::vector<double> row;
        double x;
        while (s >> x) row.push_back(x);
        rows.push_back(row);
    }
    return rows;
}

void write_golden(const std::vector<std::vector<double>>& rows)
{
    FILE* f = fopen(golden_file, "w");
    ASSERT_NE(f, nullptr);
    fprintf(f, "# The bundled trainer every 10 s of the scripted take-off and climbing turn\n#");
    for (const Quantity& q : quantities) fprintf(f, " %s", q.name);
    fprintf(f, "\n");
    for (const auto& row : rows) {
        for (size_t k = 0; k < row.size(); ++k) fprintf(f, "%s%.9g", k ? " " : "", row[k]);
        fprintf(f, "\n");
    }
    fclose(f);
}

class GoldenTrace : public FlightTest {
protected:
    void SetUp() override
    {
        FlightTest::SetUp();
        load_trainer();
    }
};
} // namespace

TEST_F(GoldenTrace, TakeOffAndClimbingTurnHoldTheirRecordedState)
{
    auto rows = fly_the_script();
    EXPECT_TRUE(flight_alerts.empty()) << alert_text(flight_alerts);
    if (std::getenv("KORVAN_RECORD_GOLDEN")) {
        write_golden(rows);
        GTEST_SKIP() << "recorded " << golden_file;
    }

    // The script does what it says: airborne, climbing and turning.
    EXPECT_EQ(flt.onground, 0);
    EXPECT_GT(flt.Y, 30);
    EXPECT_GT(fltwrap(flt.psi, -180, 180), 20);

    auto golden = read_golden();
    ASSERT_EQ(golden.size(), rows.size()) << golden_file;
    for (size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(golden[r].size(), (size_t)n_quantities);
        for (int k = 0; k < n_quantities; ++k) {
            double g = golden[r][k], got = rows[r][k];
            double tol = 1e-4 * std::max(std::fabs(g), quantities[k].floor);
            EXPECT_NEAR(got, g, tol) << quantities[k].name << " at " << (r + 1) * 10 << " s";
        }
    }
}
