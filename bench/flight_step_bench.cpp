// One whole flight step (update_flight: controls, atmosphere, engines,
// traffic, ticks, two half-steps of force build-up and integration, the crash
// test) of the bundled trainer, parked on the runway and in cruise, at 20 Hz
// and 60 Hz frame periods, and with cold caches.
#include "world/world_services.h"
#include "tests/support/flat_window.h"

#include "tests/support/trainer.h"
#include "records/cockpit_state.h"
#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "platform/window.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

// The custom start at (60 km, y, -80 km), heading north at v, flown at the
// frame period prd.
void start(float y, float v, float prd)
{
    set.cus_X = 60000;
    set.cus_Z = -80000;
    set.cus_Y = y;
    set.cus_v = v;
    set.cus_psi = 0;
    set_fltvars(10);
    msc.prd = prd;
}

// Larger than the last-level cache: walking it leaves the flight records,
// the aircraft and the tables cold, as a frame of the running simulator with
// its scenery and drawing finds them.
std::vector<char> cache_flusher(64 << 20, 1);

void flush_caches()
{
    long sum = 0;
    for (size_t k = 0; k < cache_flusher.size(); k += 64) sum += ++cache_flusher[k];
    benchmark::DoNotOptimize(sum);
}

// The real clock keeps pace with the simulated one, so the frame period
// holds at prd; every 100 s flown the start is made again, so that every run
// times the same flight.
void fly(benchmark::State& state, float y, float v, float prd, bool cold = false)
{
    load_the_trainer();
    start(y, v, prd);
    const long restart = std::lround(100 / prd);
    long n = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            flush_caches();
            state.ResumeTiming();
        }
        mnw.time_elapsed += msc.prd;
        update_flight();
        if (++n % restart == 0) {
            state.PauseTiming();
            start(y, v, prd);
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(flt.X);
    state.counters["crashes"] = alerts;
}

void BM_flight_step_parked(benchmark::State& state)
{
    fly(state, 0, 0, 0.05f);
}

void BM_flight_step_cruise(benchmark::State& state)
{
    load_the_trainer();
    fly(state, 1500, 1.5f * msc.est_Vs, 0.05f);
}

void BM_flight_step_parked_60Hz(benchmark::State& state)
{
    fly(state, 0, 0, 1 / 60.f);
}

void BM_flight_step_cruise_60Hz(benchmark::State& state)
{
    load_the_trainer();
    fly(state, 1500, 1.5f * msc.est_Vs, 1 / 60.f);
}

// Cold caches before every step, as in the running simulator.
void BM_flight_step_cruise_60Hz_cold(benchmark::State& state)
{
    load_the_trainer();
    fly(state, 1500, 1.5f * msc.est_Vs, 1 / 60.f, true);
}
} // namespace

BENCHMARK(BM_flight_step_parked);
BENCHMARK(BM_flight_step_cruise);
BENCHMARK(BM_flight_step_parked_60Hz);
BENCHMARK(BM_flight_step_cruise_60Hz);
BENCHMARK(BM_flight_step_cruise_60Hz_cold);
BENCHMARK_MAIN();
