// The airport screen: the world's airport table, kept contiguous, with three
// runways per airport and each runway's lights and surface as its light code.
#include "edit_screens.h"

#include "gelvani_program.h"
#include "gelvani_records.h"
#include "tool_helpers.h"

#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/program_variant.h"

#include <cstring>

namespace gelvani {

namespace {
// The light code's surface digit 1..5 against the toolkit's surface numbers.
const int SURFACE_BASE = 26;

void copy_airport(int to, int from)
{
    for (int r = 0; r < 3; ++r) {
        apt_lat[to][r] = apt_lat[from][r];
        apt_lon[to][r] = apt_lon[from][r];
        apt_num[to][r] = apt_num[from][r];
        apt_hdng[to][r] = apt_hdng[from][r];
        apt_len[to][r] = apt_len[from][r];
        apt_width[to][r] = apt_width[from][r];
        apt_lite[to][r] = apt_lite[from][r];
        apt_lr[to][r] = apt_lr[from][r];
    }
    apt_h[to] = apt_h[from];
    apt_twr[to] = apt_twr[from];
    memcpy(apt_id[to], apt_id[from], sizeof apt_id[0]);
    memcpy(apt_name[to], apt_name[from], sizeof apt_name[0]);
}

int side_choice(char c)
{
    return c == 'L' ? 2 : c == 'R' ? 3 : 1;
}

void runway_fields(int a, int r)
{
    const float y1 = 253 - 90 * r, y2 = 208 - 90 * r;
    instdbtn(7, 77, y1, &apt_lat[a][r], 6, 4, 1, "This is the latitude of the center of the runway.");
    instdbtn(7, 159, y1, &apt_lon[a][r], 7, 4, 1, "This is the longitude of the center of the runway.");
    instdbtn_int(7, 253, y1, &apt_num[a][r], 2, 0, "This is the runway number at one end of the runway.");
    // A letter the screen cannot show stays as it is until the user picks one.
    int side = side_choice(apt_lr[a][r]);
    if (in3textbtn(286, y1, "x", "L", "R", -5, &side)) apt_lr[a][r] = "xLR"[side - 1];
    instdbtn_int(7, 318, y1, &apt_hdng[a][r], 3, 0,
              "This is the heading of the runway, when looking down it from the same end of the runway you used for "
              "the number above.");
    instdbtn_int(7, 400, y1, &apt_len[a][r], 5, 0, "This is the length of the runway, not including any over-runs.");
    instdbtn_int(7, 480, y1, &apt_width[a][r], 3, 0, "This is the width of the runway, not including any over-runs.");

    int typ, gls[2], rwy[2], app[2];
    code_to_lgts(&typ, gls, rwy, app, apt_lite[a][r]);
    int surface = typ - SURFACE_BASE;
    for (int e = 0; e < 2; ++e) {
        float y = e == 0 ? y1 : y2;
        in3textbtn(540, y, "none", "VASI", "PAPI", 16, &gls[e]);
        in5textbtn(598, y, "none", "MIRL", "REIL", "RCLS", "TDZL", 16, &rwy[e]);
        in6textbtn(654, y, "none             ", "SSALR short app 1", "SALS  short app 2", "ALSF1 full app 1 ",
                   "ALSF2 full app 2 ", "ODALS rabbit only", 57, &app[e]);
    }
    in5textbtn(273, y2, " asphault", " concrete", "  grass  ", "   dirt  ", "  gravel ", 20, &surface);
    apt_lite[a][r] = lgts_to_code(surface + SURFACE_BASE, gls, rwy, app);
}
} // namespace

void delete_airport()
{
    if (msc.aptmax < 0) return;
    int sel = intlim(msc.apt_index, 0, msc.aptmax);
    for (int a = sel; a < msc.aptmax; ++a) copy_airport(a, a + 1);
    --msc.aptmax;
    msc.apt_index = intlim(sel, 0, intmax2(msc.aptmax, 0));
}

int new_airport()
{
    if (msc.aptmax >= APT_SLOTS - 1) {
        MACIBM_alert("The airport table is full!", "No more airports can be added.", "", "", ALERT_NOTICE);
        return 0;
    }
    int a = ++msc.aptmax;
    for (int r = 0; r < 3; ++r) {
        apt_lat[a][r] = apt_lon[a][r] = 0;
        apt_num[a][r] = apt_hdng[a][r] = apt_len[a][r] = apt_width[a][r] = 0;
        apt_lr[a][r] = 'x';
        apt_lite[a][r] = 1111111;
    }
    apt_h[a] = 0;
    apt_twr[a] = 0;
    copy_bounded(apt_id[a], "    ", sizeof apt_id[0]);
    memset(apt_name[a], 0, NAME_DIM);
    copy_bounded(apt_name[a], "Untitled", NAME_DIM);
    msc.apt_index = a;
    return 1;
}

void handle_apt()
{
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 371, 375, 643, 395)) delete_airport();
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 371, 350, 643, 370)) new_airport();
    // With no airport left there is nothing to show until New.
    if (msc.aptmax < 0) return;
    plot_name_list(371, 477, &apt_name[0][0], &apt_id[0][0], &msc.apt_index, 0, msc.aptmax);
    int a = msc.apt_index;
    copy_bounded(g_cs1, apt_name[a], NAME_DIM);

    instdbtn(7, 115, 321, &apt_h[a], 5, 0, 1, "This is the airport elevation, in feet, above sea level.");
    in4charbtn(7, 276, 321, apt_id[a]);
    int tower = apt_twr[a] == 1;
    if (in2textbtn(481, 321, " no", "yes", 5, &tower)) apt_twr[a] = tower;
    for (int r = 0; r < 3; ++r) runway_fields(a, r);
}

} // namespace gelvani
