#include "gui_input.h"

#include "aircraft_editor/screen_table.h"
#include "platform/window.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstring>

void frames(int n)
{
    for (int k = 0; k < n; ++k) MACIBM_event_proc();
}

void click_at(float x, float y)
{
    plat_event move{PLAT_MOUSE_MOVE, 0, (int)(x * mnw.XRAT), (int)(mnw.YRES - y * mnw.YRAT)};
    plat_event down{PLAT_BUTTON_DOWN, 0, 0, 0};
    plat_event up{PLAT_BUTTON_UP, 0, 0, 0};
    plat_inject_event(&move);
    plat_inject_event(&down);
    plat_inject_event(&up);
}

void end_frame()
{
    plat_event none{PLAT_NONE, 0, 0, 0};
    plat_inject_event(&none);
}

void field_at(int id, size_t offset, float* x, float* y)
{
    using namespace fabrex;
    *x = *y = 0;
    const screen_entry* s = find_screen(id, 0);
    if (!s) return;
    for (int k = 0; k < screen_field_count; ++k) {
        const field_entry& f = screen_fields[k];
        if (strcmp(f.bitmap, s->bitmap) || f.offset + (f.per_part ? 400 * s->part : 0) != offset) continue;
        float lx;
        field_place(f, *s, &lx, x, y);
    }
}
