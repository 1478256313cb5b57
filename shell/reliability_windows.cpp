// The reliability windows: the overall failure level (17), the instruments
// (18) and the equipment (19). A page's slider sets every row of its page at
// once; each row can then be set on its own.
#include "settings_windows.h"

#include "records/flight_state.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"

void util_setfailsit(int c, int c_os, float x_os, float y_top, int reset, float frat)
{
    if (reset) {
        float minutes = interp(0.25f, 50, 1, 5, frat);
        rel.fail_time_max[c] = fltlim(fltrand(minutes, 2 * minutes), 0, 99);
        rel.fail_type[c] = frat < 0.01f ? 1 : 2;
    }
    float y = y_top - 39 * (c - c_os);
    in3textbtn(x_os + 151, y, "  always working  ", "mean time to fail>", "   inoperative    ", 54, &rel.fail_type[c]);
    instdbtn(47, x_os + 282, y, &rel.fail_time_max[c], 2, 0, 0,
             "This is the mean time between failures of this piece of equipment.");
}

void manage_rel()
{
    instdbtn(47, 166, 253, &rel.total_fail_entry, 1, 0, 0,
             "This is an indication of how likely the equipment on the aircraft is to fail. We are not going to tell "
             "you exactly HOW likely...");
}

void manage_ins()
{
    int moved = util_scale(21, 445, 0, 1, 0, &rel.ins_fail_rat);
    for (int c = 0; c <= 9; ++c) util_setfailsit(c, 0, 0, 378, moved, rel.ins_fail_rat);
}

void manage_eqp()
{
    int moved1 = util_scale(21, 485, 0, 1, 0, &rel.eq1_fail_rat);
    int moved2 = util_scale(353, 485, 0, 1, 0, &rel.eq2_fail_rat);
    for (int c = 10; c <= 20; ++c) util_setfailsit(c, 10, 0, 418, moved1, rel.eq1_fail_rat);
    for (int c = 21; c <= 31; ++c) util_setfailsit(c, 21, 332, 418, moved2, rel.eq2_fail_rat);
}
