#include "panel_support.h"

#include "cockpit/P_INIT.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "tests/support/trainer.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

std::vector<int> sounds_started;

extern "C" {
void __real__Z11play_bufferii(int slot, int loop);
void __wrap__Z11play_bufferii(int slot, int loop)
{
    sounds_started.push_back(slot);
    __real__Z11play_bufferii(slot, loop);
}
}

void click(float x, float y, click_kind how)
{
    mnw.mouse_clicked = how == PRESS;
    mnw.delay_dragging = how == HELD;
    manage_das(x, y);
    mnw.mouse_clicked = mnw.delay_dragging = 0;
}

void Panel::SetUp()
{
    FlightTest::SetUp();
    load_trainer();
    relayout();
    sounds_started.clear();
    msc.prd = 0.05f;
    msc.elap_time = 500;
    for (int& g : rel.lagear) g = 1;
    for (int& r : rel.revlok) r = 1;
    rel.sttrim = 1;
}

void Panel::relayout()
{
    init_panel_layout();
}

void Panel::jet()
{
    pln.entype = 4;
    pln.numen = 2;
    pln.revthrustEQ = 1;
    pln.paneltype = 2;
    pln.varpitchEQ = 0;
    pln.collectEQ = 0;
    relayout();
}
