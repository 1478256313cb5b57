// One whole flight step (update_flight: controls, atmosphere, engines,
// traffic, ticks, two half-steps of force build-up and integration, the crash
// test) of the bundled trainer, parked on the runway and in cruise.
#include "world/world_services.h"
#include "tests/support/flat_window.h"

#include "tests/support/trainer.h"
#include "cockpit/cockpit_records.h"
#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "flight/flight_records.h"
#include "flight/start_placement.h"
#include "platform/window.h"
#include "shell/INITGEN.h"
#include "shell/shell_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/world_records.h"

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

// A flat window of ground at sea level, south-west corner at 34 N, 118 W,
// and a standard day.
void world_and_weather()
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    flat_window(0);
    env.i_aircraft = 89;
    env.j_aircraft = 79;

    standard_day();
}

void load_the_trainer()
{
    static int loaded = 0;
    if (loaded) return;
    plat_set_message_box_handler(count_alert);
    fill_constants();
    fill_trig_tables();
    load_bundled_trainer();
    if (alerts) {
        fprintf(stderr, "flight_bench: the bundled trainer did not load cleanly\n");
        std::exit(1);
    }
    world_and_weather();
    loaded = 1;
}

// The custom start at (60 km, y, -80 km), heading north at v.
void start(float y, float v)
{
    set.cus_X = 60000;
    set.cus_Z = -80000;
    set.cus_Y = y;
    set.cus_v = v;
    set.cus_psi = 0;
    set_fltvars(10);
    msc.prd = 0.05f;
}

// The real clock keeps pace with the simulated one, so the frame period
// holds at 0.05 s; every 2000 steps (100 s flown) the start is made again, so
// that every run times the same flight.
void fly(benchmark::State& state, float y, float v)
{
    load_the_trainer();
    start(y, v);
    long n = 0;
    for (auto _ : state) {
        mnw.time_elapsed += msc.prd;
        update_flight();
        if (++n % 2000 == 0) {
            state.PauseTiming();
            start(y, v);
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(flt.X);
    state.counters["crashes"] = alerts;
}

void BM_flight_step_parked(benchmark::State& state)
{
    fly(state, 0, 0);
}

void BM_flight_step_cruise(benchmark::State& state)
{
    load_the_trainer();
    fly(state, 1500, 1.5f * msc.est_Vs);
}
} // namespace

BENCHMARK(BM_flight_step_parked);
BENCHMARK(BM_flight_step_cruise);
BENCHMARK_MAIN();
