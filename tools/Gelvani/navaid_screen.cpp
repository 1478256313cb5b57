// The navaid screen: the world's navaid table by type, each type kept in
// consecutive slots.
#include "edit_screens.h"

#include "gelvani_program.h"
#include "gelvani_records.h"
#include "tool_helpers.h"

#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/program_variant.h"

#include <cstring>

namespace gelvani {

int selected_type = 2;

namespace {
void copy_navaid(int to, int from)
{
    nav_type[to] = nav_type[from];
    nav_f12[to] = nav_f12[from];
    nav_hdng[to] = nav_hdng[from];
    nav_inreg[to] = nav_inreg[from];
    nav_lat[to] = nav_lat[from];
    nav_lon[to] = nav_lon[from];
    nav_h[to] = nav_h[from];
    memcpy(nav_id[to], nav_id[from], sizeof nav_id[0]);
    memcpy(nav_name[to], nav_name[from], sizeof nav_name[0]);
}

void clear_navaid(int n)
{
    nav_type[n] = nav_f12[n] = nav_hdng[n] = nav_inreg[n] = 0;
    nav_lat[n] = nav_lon[n] = nav_h[n] = 0;
    memset(nav_id[n], 0, sizeof nav_id[0]);
    memset(nav_name[n], 0, sizeof nav_name[0]);
}

void type_buttons()
{
    const struct {
        int type;
        float y;
    } types[] = {{2, 304}, {3, 280}, {4, 256}, {6, 232}, {5, 208}, {7, 184}, {8, 160}, {9, 136}};
    for (const auto& t : types) inonebool(37, t.y, &selected_type, t.type);
}

void navaid_fields(int n)
{
    in4charbtn(7, 392, 321, nav_id[n]);
    nav_id[n][4] = 0;
    instdbtn(7, 402, 243, &nav_lat[n], 6, 4, 1, "This is the latitude of the NAVAID.");
    instdbtn(7, 392, 200, &nav_lon[n], 7, 4, 1, "This is the longitude of the NAVAID.");
    instdbtn(7, 392, 157, &nav_h[n], 5, 0, 1, "This is the elevation of the NAVAID in feet above mean sea level.");
    instdbtn_int(7, 392, 114, &nav_hdng[n], 3, 1, "This is the heading of the NAVAID, if any.");
    instdbtn_int(7, 392, 71, &nav_f12[n], 5, 0,
              "This is the frequency of the NAVAID. Use the right 3 digits for ADFs (the first 2 should be zero) and "
              "run the primary 3 and secondary 2 digits together into one big 5-digit number for ILS's and VOR's.");
}
} // namespace

int navaid_type_range(int type, int* first, int* last)
{
    *first = *last = 0;
    int found = 0;
    for (int n = 0; n < NAV_SLOTS; ++n) {
        if (nav_type[n] != type) continue;
        if (!found) *first = n;
        *last = n;
        found = 1;
    }
    return found;
}

void delete_navaid()
{
    int sel = msc.nav_index;
    if (sel < 0 || sel >= NAV_SLOTS || nav_type[sel] != selected_type) return;
    for (int n = sel; n < NAV_SLOTS - 1; ++n) copy_navaid(n, n + 1);
    clear_navaid(NAV_SLOTS - 1);
}

int new_navaid()
{
    if (nav_type[NAV_SLOTS - 1] != 0) {
        MACIBM_alert("The navaid table is full!", "No more navaids can be added.", "", "", ALERT_NOTICE);
        return 0;
    }
    int first, last;
    if (!navaid_type_range(selected_type, &first, &last)) {
        // None of this type yet: after the last slot in use.
        last = -1;
        for (int n = NAV_SLOTS - 1; n >= 0 && last < 0; --n)
            if (nav_type[n] != 0) last = n;
    }
    int at = last + 1;
    for (int n = NAV_SLOTS - 1; n > at; --n) copy_navaid(n, n - 1);
    clear_navaid(at);
    nav_type[at] = selected_type;
    copy_bounded(nav_id[at], "    ", sizeof nav_id[0]);
    copy_bounded(nav_name[at], "Untitled", NAME_DIM);
    msc.nav_index = at;
    return 1;
}

void handle_nav()
{
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 368, 375, 643, 395)) delete_navaid();
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 368, 350, 643, 370)) new_navaid();
    type_buttons();
    int first, last;
    // A type with no navaid shows nothing to edit.
    if (!navaid_type_range(selected_type, &first, &last)) return;
    plot_name_list(371, 477, &nav_name[0][0], &nav_id[0][0], &msc.nav_index, first, last);
    int n = msc.nav_index;
    copy_bounded(g_cs1, nav_name[n], NAME_DIM);
    if (nav_type[n] == selected_type) navaid_fields(n);
}

} // namespace gelvani
