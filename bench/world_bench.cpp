// Speed of the world window: a whole load at KSBD and one slide east, over
// the bundled terrain in the program folder.
#include "world/scenery_update.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include "world/world_window.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {
void at_ksbd()
{
    static int loaded = 0;
    if (!loaded) {
        copy_bounded(app_path, PROGRAM_DIR "/", 400);
        fill_constants();
        fill_trig_tables();
        done_initing = 1;
        init_country_data();
        loaded = 1;
    }
    for (int a = 0; a <= env.aptmax; ++a) {
        if (strncmp(apt_id[a], "KSBD", 4) != 0) continue;
        env.lat_sou = round(apt_lat[a][0] - 1);
        env.lon_wes = round(apt_lon[a][0] - 1.5f);
    }
    flt.Y = 0;
}

void BM_load_region_KSBD(benchmark::State& state)
{
    at_ksbd();
    for (auto _ : state) load_region();
}
BENCHMARK(BM_load_region_KSBD)->Unit(benchmark::kMillisecond);

void BM_slide_east(benchmark::State& state)
{
    at_ksbd();
    for (auto _ : state) {
        state.PauseTiming();
        at_ksbd();
        load_region();
        state.ResumeTiming();
        slide_window(SHIFT_EAST);
    }
}
BENCHMARK(BM_slide_east)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
