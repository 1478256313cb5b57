// The pilot's side of the radio: a menu of calls drawn over the view, some of
// which open a pick list of airports or navaids. The same routine draws the
// menu each frame and acts on a pick.
#include "atc.h"
#include "records/cockpit_state.h"
#include "cockpit_services.h"

#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>

namespace {
const int ROWS = 19;
int stat[ROWS];
float omx = 0, omy = 0;

int valid_apt(int a)
{
    return a >= 0 && a <= intlim(env.aptmax, -1, APT_CAP - 1);
}

const char* apt_name_or_blank(int a)
{
    return valid_apt(a) ? apt_name[a] : "";
}

// Row j's text and its state: 0 hidden, 1 offered, 2 suggested.
int main_row(int j, char* text)
{
    const char* tail = pln.tailnum;
    const char* here = apt_name_or_blank(msc.loc_apt_wrl);
    const char* dest = apt_name_or_blank(atc.plan_index);
    int towered = flt.onground && valid_apt(msc.loc_apt_wrl) && apt_twr[msc.loc_apt_wrl];
    int airborne = !flt.onground;
    text[0] = 0;
    auto line = [&](const char* a, const char* b = "", const char* c = "", const char* d = "") {
        app_C(text, a);
        app_C(text, b);
        app_C(text, c);
        app_C(text, d);
    };
    switch (j) {
    case 0:
        line("File flight plan");
        return fpl.onfile ? 0 : 2;
    case 1:
        line("Amend flight plan");
        return fpl.onfile ? 1 : 0;
    case 2:
        line("Get ATIS...");
        return 1;
    case 4:
        line(tail, " would like to pick up my flight plan.");
        return fpl.onfile && !fpl.activated ? 2 : 0;
    case 5:
        line(tail, " would like to close my flight plan.");
        return fpl.onfile && fpl.activated ? 1 : 0;
    case 6:
        switch (atc.plan_phase) {
        case 4: line(here, " departure ", tail, " with you."); break;
        case 5: line("Center, ", tail, " with you."); break;
        case 6: line(dest, " approach ", tail, " with you inbound."); break;
        case 7: line(dest, " tower ", tail, " with you inbound."); break;
        case 9: line(dest, " ground ", tail, " clear active."); break;
        default: line(tail, " with you."); break;
        }
        if (!atc.waiting_new_frq) return 0;
        return fpl.onfile ? 2 : 1;
    case 7:
        line(tail, " say again please.");
        return atc.response[0] ? 1 : 0;
    case 9:
    case 10:
        line(tail, j == 9 ? " request taxi to active " : " request take off ", here);
        if (!towered) return 0;
        return fpl.onfile && atc.plan_phase == 3 ? 2 : 1;
    case 11: line(tail, " request vectors..."); return airborne;
    case 12: line(tail, " request landing..."); return airborne;
    case 13: line(tail, " request I L S..."); return airborne;
    case 14: line(tail, " request localizer..."); return airborne;
    case 16:
        line(tail, " DECLARING AN EMERGENCY, REQUEST VECTORS NEAREST FIELD!");
        return airborne;
    case 18:
        line(tail, " Wind check please!");
        return 1;
    default:
        return 0;
    }
}

void request(const char* words, const char* name)
{
    char req[400] = "";
    app_C(req, words);
    app_C(req, name);
    controller_respond(req);
}

void pick_main(int j)
{
    int here = msc.loc_apt_wrl;
    if (j != 2 && (j < 11 || j > 14)) atc.menu_up = 0;
    switch (j) {
    case 0:
        memset(fpl.dep_id_str, 0, sizeof fpl.dep_id_str);
        if (valid_apt(here)) memcpy(fpl.dep_id_str, apt_id[here], 4);
        MACIBM_startwind(25);
        break;
    case 1:
        MACIBM_startwind(25);
        break;
    case 2:
        atc.menu_level = 1;
        break;
    case 4:
        fpl.activated = 1;
        atc.plan_phase = 0;
        break;
    case 5: {
        fpl.onfile = fpl.activated = atc.ils_vec_in_progress = 0;
        char s[400] = "";
        app_C(s, pln.tailnum);
        app_C(s, " flight plan closed. Squawk 1 2 0 0. Good day.");
        speakstring(s);
        break;
    }
    case 6:
        atc.waiting_new_frq = 0;
        handle_plan(1);
        break;
    case 7: {
        char again[400];
        copy_bounded(again, atc.response, sizeof again);
        speakstring(again);
        break;
    }
    case 9:
    case 10: {
        char req[400] = "";
        app_C(req, j == 9 ? "request taxi " : "request takeoff ");
        app_C(req, apt_name_or_blank(here));
        app_C(req, ".");
        controller_respond(req);
        atc.ils_vec_in_progress = 0;
        break;
    }
    case 11:
    case 12:
    case 13:
    case 14:
        atc.menu_level = j - 7;
        atc.ils_vec_in_progress = 0;
        break;
    case 16:
        controller_respond("declaring an emergency");
        break;
    case 18:
        controller_respond("wind check");
        break;
    default:
        break;
    }
}

void main_list(int is_clicked)
{
    atc.sel_j = intlim(atc.sel_j, 0, ROWS - 1);
    char text[400];
    for (int j = 0; j < ROWS; ++j) stat[j] = main_row(j, text);
    if (is_clicked) {
        if (stat[atc.sel_j] == 0) atc.menu_up = 0;
        else pick_main(atc.sel_j);
        return;
    }
    for (int j = 0; j < ROWS; ++j) {
        if (stat[j] == 0) continue;
        main_row(j, text);
        OGL_string(stat[j] == 2 ? 56 : 47, 12, 540 - 10 * j, text, 776, 6);
    }
    OGL_framerect(stat[atc.sel_j] == 2 ? 56 : 47, 10, 538 - 10 * atc.sel_j, 400, 10);
}

void pick_item(int n)
{
    char s[400];
    switch (atc.menu_level) {
    case 1:
        get_ATIS(n, code_to_char(intrand(11, 36)), s, 1);
        speakstring(s);
        break;
    case 4: request("request vectors ", apt_name[n]); break;
    case 5: request("request landing ", apt_name[n]); break;
    case 6: request("request I L S ", nav_name[n]); break;
    case 7: request("request localizer ", nav_name[n]); break;
    default: break;
    }
}

void pick_list(int is_clicked)
{
    atc.sel_i = intlim(atc.sel_i, 0, 4);
    atc.sel_j = intlim(atc.sel_j, 0, 19);
    if (is_clicked) atc.menu_up = 0;
    else OGL_framerect(47, 17 + 150 * atc.sel_i, 538 - 10 * atc.sel_j, 148, 10);
    int navaids = atc.menu_level == 6 || atc.menu_level == 7;
    int last = navaids ? intlim(env.navmax, -1, NAV_CAP - 1) : intlim(env.aptmax, -1, APT_CAP - 1);
    int im = 0, jm = 0;
    for (int n = 0; n <= last; ++n) {
        if (!(navaids ? use_nav(n) : use_apt(n))) continue;
        if (is_clicked) {
            if (im == atc.sel_i && jm == atc.sel_j) {
                pick_item(n);
                return;
            }
        } else {
            char name[25];
            copy_bounded(name, navaids ? nav_name[n] : apt_name[n], sizeof name);
            OGL_string(47, 20 + 150 * im, 540 - 10 * jm, name, 999, 6);
        }
        if (++jm == 20) {
            jm = 0;
            ++im;
        }
    }
}
} // namespace

int use_apt(int n)
{
    if (!apt_inreg[n]) return 0;
    switch (atc.menu_level) {
    case 1: return apt_twr[n];
    case 4: return 1;
    case 5:
        return apt_twr[n] && pythag(apt_lat[n][0] - flt.lat, apt_lon[n][0] - flt.lon) < 0.3f * con.nmtomtrs;
    default: return 0;
    }
}

int use_nav(int n)
{
    if (!nav_inreg[n]) return 0;
    if (atc.menu_level == 6) return nav_type[n] == 4;
    if (atc.menu_level == 7) return nav_type[n] == 5;
    return 0;
}

void plot_atc_options(int is_clicked)
{
    if (std::fabs(mnw.mx - omx) > 0.5f || std::fabs(mnw.my - omy) > 0.5f) {
        atc.sel_i = (int)((mnw.mx - 17) / 150);
        atc.sel_j = (int)((547 - mnw.my) / 10);
        omx = mnw.mx;
        omy = mnw.my;
    }
    if (atc.menu_level == 0) main_list(is_clicked);
    else pick_list(is_clicked);
}
