#include "settings_support.h"

#include "../support/toolkit_state.h"
#include "shell/startup.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstring>

std::vector<int> opened;
std::vector<int> placements;
int region_loads;
std::vector<int> sectors;

// The wrapped symbols are the mangled C++ names; these take their calls.
extern "C" void __wrap__Z16MACIBM_startwindi(int index)
{
    opened.push_back(index);
}
extern "C" void __wrap__Z11load_regionv()
{
    ++region_loads;
}
extern "C" void __wrap__Z11set_fltvarsi(int type)
{
    placements.push_back(type);
}
extern "C" void __wrap__Z14gen_wx_for_seci(int sector)
{
    sectors.push_back(sector);
}

void open_settings_window(int index)
{
    reset_full_screen_state();
    clear_global_state();
    mnw.topwin = index;
    to_array = 1;
    memset(rgb_array, 0, sizeof rgb_array);
    select_ind = 0;
    select_ctr = 0;
    slider_grabbed = 0;
    opened.clear();
    placements.clear();
    region_loads = 0;
    sectors.clear();
}

void mouse(float x, float y, int clicked, int drag)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = clicked;
    mnw.now_dragging = clicked || drag;
    mnw.delay_dragging = 0;
}

void next_frame()
{
    select_ctr = 0;
    mnw.mouse_clicked = 0;
    mnw.now_dragging = 0;
    mnw.delay_dragging = 0;
    mnw.mx = mnw.my = -100;
}

void SettingsWindow::TearDown()
{
    to_array = 0;
}

bool canvas_shows(int x, int y, int c)
{
    const unsigned char* p = rgb_array + (y * CANVAS_W + x) * 3;
    for (int k = 0; k < 3; ++k)
        if (p[k] != (unsigned char)round(fltlim(col_rgb[c][k], 0, 1) * 255)) return false;
    return true;
}

bool canvas_any(int x1, int y1, int x2, int y2, int c)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (canvas_shows(x, y, c)) return true;
    return false;
}
