// One panel frame (backdrop, update_panel, glFinish) at 800 x 600, for the
// bundled trainer and a four-engine jet made from its panel fields. Needs a
// display: run it under Xvfb (Mesa's software renderer), e.g.
//   xvfb-run -a -s "-screen 0 800x600x24" build/bench/panel_bench
// The "allocations" counter must stay 0: the frame allocates nothing.
#include "tests/support/allocations.h"
#include "tests/support/trainer.h"

#include "cockpit/P_INIT.h"
#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "platform/window.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

namespace {
void start()
{
    static bool started = false;
    if (started) return;
    started = true;
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
}

void panel_for(bool jet)
{
    start();
    load_bundled_trainer();
    standard_day();
    atm.T = 288.15f;
    rel.vacuum = rel.ss_ahz = rel.ss_dgy = rel.esystem = rel.radios = rel.efis_1 = rel.efis_2 = 1;
    done_initing = 1;
    mnw.topwin = 0;
    msc.prd = 0.02f;
    ins.r_rat = ins.g_rat = ins.b_rat = 1;
    if (jet) {
        pln.numen = 4;
        pln.entype = 4;
        pln.tmax = 80000;
        for (int e = 0; e < 4; ++e) flt.n1_[e] = 60;
    }
    init_panel_layout();
    MACIBM_startwind(0);
}

void panel_frame(benchmark::State& state, bool jet)
{
    panel_for(jet);
    long before = allocation_count();
    for (auto _ : state) {
        msc.elap_time += 0.02f;
        OGL_plot_background();
        update_panel();
        glFinish();
    }
    state.counters["allocations"] = (double)(allocation_count() - before);
}

void BM_PanelTrainer(benchmark::State& state)
{
    panel_frame(state, false);
}

void BM_PanelJet(benchmark::State& state)
{
    panel_frame(state, true);
}
} // namespace

BENCHMARK(BM_PanelTrainer)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PanelJet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
