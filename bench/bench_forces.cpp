// One whole flight step of the bundled trainer with every force source live:
// rolling for take-off at full throttle, so that the propeller, its wash, the
// wings and tail, the bodies and the wheels on the ground all work in the
// same step. The "allocations" counter must stay 0: the step allocates nothing.
#include "world/world_services.h"
#include "tests/support/flat_window.h"

#include "tests/support/allocations.h"
#include "tests/support/trainer.h"
#include "records/cockpit_state.h"
#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "platform/window.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
int alerts;

void count_alert(const char*, const char*)
{
    ++alerts;
}

// Flat ground at sea level round (34 N, 118 W) on a standard day; the
// trainer from the program folder.
void trainer_on_flat_ground()
{
    plat_set_message_box_handler(count_alert);
    fill_constants();
    fill_trig_tables();
    load_bundled_trainer();
    if (alerts) {
        fprintf(stderr, "forces_bench: the bundled trainer did not load cleanly\n");
        std::exit(1);
    }

    env.lat_sou = 34;
    env.lon_wes = -118;
    flat_window(0);
    env.i_aircraft = 89;
    env.j_aircraft = 79;
    standard_day();
}

// On the ground at 20 m/s heading north, full throttle, engine running.
void roll(float prd)
{
    set.cus_X = 60000;
    set.cus_Z = -80000;
    set.cus_Y = 0;
    set.cus_v = 20;
    set.cus_psi = 0;
    set_fltvars(10);
    set.parkbrake = 0;
    flt.throrqst[0] = flt.thro[0] = 1;
    flt.eng_running[0] = 1;
    flt.mixt_powr_rat[0] = 1;
    msc.prd = prd;
}

// The real clock keeps pace, so the period holds at prd; every 5 s, before
// the lift-off, the roll starts again.
void roll_for_takeoff(benchmark::State& state, float prd)
{
    trainer_on_flat_ground();
    roll(prd);
    const long restart = std::lround(5 / prd);
    long n = 0, allocated = 0;
    int airborne = 0;
    for (auto _ : state) {
        mnw.time_elapsed += msc.prd;
        long before = allocation_count();
        update_flight();
        allocated += allocation_count() - before;
        if (++n % restart == 0) {
            state.PauseTiming();
            airborne += !flt.onground;
            roll(prd);
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(flt.X);
    state.counters["thrust_N"] = flt.thrust[0];
    state.counters["lifted_off"] = airborne;
    state.counters["alerts"] = alerts;
    state.counters["allocations"] = allocated;
}

void BM_flight_step_takeoff_roll(benchmark::State& state)
{
    roll_for_takeoff(state, 0.05f);
}

void BM_flight_step_takeoff_roll_60Hz(benchmark::State& state)
{
    roll_for_takeoff(state, 1 / 60.f);
}
} // namespace

BENCHMARK(BM_flight_step_takeoff_roll);
BENCHMARK(BM_flight_step_takeoff_roll_60Hz);
BENCHMARK_MAIN();
