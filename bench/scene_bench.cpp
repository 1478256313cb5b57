// One whole scenery frame (update_scenery, glFinish) at 800 x 600 over the
// bundled world at KSBD: (a) parked in the cockpit view with the default
// weather, (b) at 5000 m above an overcast with the whole window in range,
// (c) on the carrier's catapult in the chase view at noon in clear air, the
// ships, the rig and the ten traffic aircraft drawn.
// Needs a display: run it under Xvfb (Mesa's software renderer), e.g.
//   xvfb-run -a -s "-screen 0 800x600x24" build/bench/scene_bench
// The "allocations" counter must stay 0: the frame allocates nothing.
#include "tests/support/allocations.h"
#include "tests/support/ksbd_world.h"

#include "cockpit/P_INIT.h"
#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "records/world_state.h"
#include "shell/scene_frame.h"
#include "world/world_services.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>


namespace {
void at_ksbd()
{
    static bool panel = false;
    start_at_ksbd();
    if (!panel) {
        panel = true;
        init_panel_layout();
        MACIBM_startwind(0);
        fill_ship_shapes();
        // The flight's first second tick loads the scenery's textures:
        // without it the terrain and the decks draw untextured.
        park_at_ksbd();
        msc.paused = 0;
        msc.prd = 0.05f;
        for (int k = 0; k < 30; k++) {
            mnw.time_elapsed += msc.prd;
            update_flight();
        }
    }
    park_at_ksbd();
    msc.prd = 0.02f;
}

void scene_frames(benchmark::State& state)
{
    // The first frames build the range box, and the GL driver compiles its
    // code for each new state (its own allocations, counted here too).
    for (int k = 0; k < 10; k++) {
        OGL_plot_background();
        update_scenery();
    }
    const long before = allocation_count();
    for (auto _ : state) {
        msc.elap_time += 0.02f;
        OGL_plot_background();
        update_scenery();
        glFinish();
    }
    state.counters["allocations"] = (double)(allocation_count() - before);
}

// (a) parked on the runway, cockpit view, default weather.
void BM_SceneParkedKSBD(benchmark::State& state)
{
    at_ksbd();
    scene_frames(state);
}

// (b) 5000 m over an overcast whose tops lie at 3000 m: the eye sees the
// longest way and the range takes in the whole window.
void BM_SceneAboveOvercast(benchmark::State& state)
{
    at_ksbd();
    atm.cld_type = 1;
    atm.baseMSL = 2000;
    atm.topsMSL = 3000;
    atm.vis_mult = 10;
    flt.Y = 5000;
    scene_frames(state);
}

// (c) on the carrier's catapult, chase view, noon, clear air: the vessels
// near by and every traffic aircraft in the picture.
void BM_SceneAtCarrier(benchmark::State& state)
{
    at_ksbd();
    atm.cld_type = 0;
    msc.locl_time = 12 * 3600;
    set_fltvars(21);
    set.view_type = 516;
    set.view_is_fullscreen = 1;
    // Three seconds of flight held on the catapult, as after any start: the
    // flight step gives the aircraft its flight path and the chase camera
    // glides out behind it from the aircraft; then the world stands still.
    con.VIEW_xyz[0] = (float)flt.X;
    con.VIEW_xyz[1] = (float)flt.Y;
    con.VIEW_xyz[2] = (float)flt.Z;
    msc.paused = 0;
    for (int k = 0; k < 150; k++) {
        mnw.time_elapsed += msc.prd;
        update_flight();
        update_scenery();
    }
    msc.paused = 1;
    scene_frames(state);
    state.counters["over_carrier"] = env.over_carr;
}
} // namespace

BENCHMARK(BM_SceneParkedKSBD)->Unit(benchmark::kMillisecond)->MinTime(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SceneAboveOvercast)->Unit(benchmark::kMillisecond)->MinTime(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SceneAtCarrier)->Unit(benchmark::kMillisecond)->MinTime(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
