// The simulator's keyboard commands. Keys that work a panel control pretend
// a click on it, so that the panel stays the one place that changes them.
#include "EVENT.h"

#include "records/settings_and_recordings.h"
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// The view rings of q and e: {from, to}; any other view goes to the ring's start.
const int ring_left[][2] = {{504, 506}, {506, 508}, {508, 511}, {511, 509}, {509, 507}, {507, 505}, {505, 500}};
const int ring_right[][2] = {{505, 507}, {507, 509}, {509, 511}, {511, 508}, {508, 506}, {506, 504}, {504, 500}};

template <int N>
int next_in_ring(const int (&ring)[N][2], int view, int otherwise)
{
    for (const auto& r : ring)
        if (r[0] == view) return r[1];
    return otherwise;
}

// Character keys that choose a view or a menu item.
const struct {
    char key;
    int item;
} menu_keys[] = {
    {'w', 500}, {'s', 501}, {'x', 502}, {'z', 511}, {'t', 513}, {'#', 514}, {'a', 516}, {'|', 517},
    {'@', 518}, {'_', 520}, {'+', 521}, {'=', 523}, {'-', 524}, {'d', 402},
};

int has_support_radios()
{
    return pln.supptype == 1 || pln.supptype == 7;
}

// Radio keys: {key, step}; the tuning function and the frequency they work on.
struct radio_key {
    char key;
    int step;
};
const radio_key com1_keys[] = {{'Q', -1000}, {'W', 1000}, {'E', -50}, {'R', 50}};
const radio_key nav1_keys[] = {{'T', -1000}, {'Y', 1000}, {'U', -50}, {'I', 50}};
const radio_key com2_keys[] = {{'A', -1000}, {'S', 1000}, {'D', -50}, {'F', 50}};
const radio_key nav2_keys[] = {{'G', -1000}, {'H', 1000}, {'J', -50}, {'K', 50}};
const radio_key adf_keys[] = {{'O', -100}, {'P', 100}, {'L', -10}, {':', 10}, {'>', -1}, {'?', 1}};

template <int N>
void tune(char key, const radio_key (&keys)[N], void (*inc)(int*, int), int* frequency)
{
    for (const radio_key& k : keys)
        if (k.key == key) inc(frequency, k.step);
}

void transponder(char key)
{
    int* digits[4] = {&nav.tran1, &nav.tran2, &nav.tran3, &nav.tran4};
    const char down[4] = {'Z', 'C', 'B', 'M'};
    const char up[4] = {'X', 'V', 'N', '<'};
    for (int d = 0; d < 4; ++d) {
        if (key == down[d]) XPNinc(digits[d], -1);
        if (key == up[d]) XPNinc(digits[d], 1);
    }
}

// Keys that are clicks at fixed panel points.
void panel_click(char key)
{
    switch (key) {
    // The autopilot buttons at their lamps' middles, clear of the shared edges.
    case '$': manage_das(osrad + 527, 90); break;
    case '%': manage_das(osrad + 547, 90); break;
    case '^': manage_das(osrad + 570, 90); break;
    case '&': manage_das(osrad + 590, 90); break;
    case '*': manage_das(osrad + 630, 90); break;
    case 'b': manage_das(osrad + 520, 10); break;
    case 'g': manage_das(osrad + 625, 30); break;
    case '7': manage_das(osrad + 580, 40); break;
    case '8': manage_das(osrad + 590, 40); break;
    case '9': manage_das(osrad + 580, 20); break;
    case '0': manage_das(osrad + 590, 20); break;
    case '[': manage_das(oseng + 787, 122); break;
    case ']': manage_das(oseng + 787, 81); break;
    case 'p': manage_das(760, 314); break;
    default: break;
    }

    // The HSI's course and heading knobs.
    float hsi_y = ins.y_loc[6] - (pln.paneltype == 2 ? 30 : 50);
    switch (key) {
    case 'n': manage_das(ins.x_loc[6] - 50, hsi_y); break;
    case 'm': manage_das(ins.x_loc[6] - 25, hsi_y); break;
    case 'y': manage_das(ins.x_loc[6] + 35, hsi_y); break;
    case 'u': manage_das(ins.x_loc[6] + 60, hsi_y); break;
    case 'i': manage_das(ins.x_loc[10], ins.y_loc[10] - 10); break;
    case 'o': manage_das(ins.x_loc[10], ins.y_loc[10] + 10); break;
    case 'h': manage_das(ins.x_loc[4] - 38, ins.y_loc[4] - 40); break;
    case 'j': manage_das(ins.x_loc[4] - 18, ins.y_loc[4] - 40); break;
    case 'k': manage_das(ins.x_loc[4] - 40, ins.y_loc[4] - 35); break;
    case 'l': manage_das(ins.x_loc[4] - 40, ins.y_loc[4] - 45); break;
    default: break;
    }
}

void reverse_thrust()
{
    if (!pln.revthrustEQ) return;
    set.thro_pot = 0;
    for (int e = 0; e < 4; ++e) {
        if (flt.revving_thrust[e]) {
            flt.throrqst[e] = 0.01f;
            flt.revving_thrust[e] = 0;
        } else {
            flt.throrqst[e] = 1;
            flt.revving_thrust[e] = 1;
        }
    }
}

void autopilot_off()
{
    // The heading-select button toggles, and a held mouse button may keep the
    // click from counting: pressed first, so that every mode ends off either way.
    manage_das(osrad + 494, 90);
    ott.HDSLCT = 0;
    ott.NAV[0] = ott.NAV[1] = 0;
    ott.ALHOLD = ott.VVHOLD = ott.GS2 = ott.ASHOLD = 0;
    if (pln.bitchinbettyEQ && msc.warn_bb) play_buffer(17, 0);
}

// A random engine quits; an aircraft without engines has none to cut.
void cut_random_engine()
{
    int n = intlim(pln.numen, 0, 4);
    if (n < 1) return;
    flt.mixt[intlim(intrand(0, n - 1), 0, n - 1)] = 0;
}

void atc_key()
{
    if (!atc.menu_up) {
        atc.menu_up = 1;
        atc.menu_level = 0;
    } else {
        plot_atc_options(1);
    }
}

void engine_levers_limits()
{
    for (int e = 0; e < 4; ++e) {
        flt.throrqst[e] = fltlim(flt.throrqst[e], 0, 1);
        flt.prop[e] = fltlim(flt.prop[e], pln.omegamingreen, pln.omegamax);
        flt.mixt[e] = fltlim(flt.mixt[e], 0, 1);
    }
}
} // namespace

void APPLICATION_handlekey(char key)
{
    msc.key_pressed = key;

    if (key == 13) atc_key();
    if (key == 'q') APPLICATION_handlemenu(next_in_ring(ring_left, set.view_type, 504));
    if (key == 'e') APPLICATION_handlemenu(next_in_ring(ring_right, set.view_type, 505));
    for (const auto& k : menu_keys)
        if (key == k.key) APPLICATION_handlemenu(k.item);

    if (key == '.') reverse_thrust();
    if (key == '1') flt.flaprqst = fltlim(flt.flaprqst - 0.25f, 0, 1);
    if (key == '2') flt.flaprqst = fltlim(flt.flaprqst + 0.25f, 0, 1);
    if (key == '3') flt.heat = 0;
    if (key == '4') flt.heat = 1;
    if (key == '5' || key == '6') {
        int lowest = pln.autosbrkEQ ? -1 : 0;
        flt.sbrk = intlim(flt.sbrk + (key == '5' ? -1 : 1), lowest, 2);
    }
    if (key == ' ') cut_random_engine();
    if (key == '!') autopilot_off();
    panel_click(key);

    if (has_support_radios()) {
        tune(key, com1_keys, COMinc, &nav.cf[0]);
        tune(key, nav1_keys, NAVinc, &nav.nf[0]);
    }
    tune(key, com2_keys, COMinc, &nav.cf[1]);
    tune(key, nav2_keys, NAVinc, &nav.nf[1]);
    tune(key, adf_keys, ADFinc, &nav.adff);
    transponder(key);
}

void yoke_key(int code)
{
    switch (code) {
    case 0: set.MK_roll = set.MK_hdng = 0; break;
    case 1: set.MK_ptch += 0.05f; break;
    case 2: set.MK_ptch -= 0.05f; break;
    case 3: set.MK_roll -= 0.1f; break;
    case 4: set.MK_roll += 0.1f; break;
    case 5: set.MK_hdng -= 0.1f; break;
    case 6: set.MK_hdng += 0.1f; break;
    default: break;
    }
    set.MK_ptch = fltlim(set.MK_ptch, -1, 1);
    set.MK_roll = fltlim(set.MK_roll, -1, 1);
    set.MK_hdng = fltlim(set.MK_hdng, -1, 1);
}

void freeviews_keys(int code)
{
    if (code < 25 || code > 28) return;
    const float step = 100;
    const float prd = msc.prd;
    const float psi = scn.psi * con.degtorad, the = scn.the * con.degtorad;
    const float cpsi = std::cos(psi), spsi = std::sin(psi), cthe = std::cos(the), sthe = std::sin(the);

    // The follow view turns, the spot view's point moves, and the ATC menu's
    // highlight moves while that menu is up.
    switch (code) {
    case 25:
        msc.freeviewXZ = fltwrap(msc.freeviewXZ + prd, 0, con.pim2);
        msc.spotview_X -= step * cpsi;
        msc.spotview_Z -= step * spsi;
        break;
    case 26:
        msc.freeviewXZ = fltwrap(msc.freeviewXZ - prd, 0, con.pim2);
        msc.spotview_X += step * cpsi;
        msc.spotview_Z += step * spsi;
        break;
    case 27:
        msc.freeviewY = fltlim(msc.freeviewY + prd, -con.pid2, con.pid2);
        msc.spotview_X += step * spsi * cthe;
        msc.spotview_Z -= step * cpsi * cthe;
        msc.spotview_Y += step * sthe;
        break;
    case 28:
        msc.freeviewY = fltlim(msc.freeviewY - prd, -con.pid2, con.pid2);
        msc.spotview_X -= step * spsi * cthe;
        msc.spotview_Z += step * cpsi * cthe;
        msc.spotview_Y -= step * sthe;
        break;
    default: break;
    }

    if (atc.menu_up) {
        if (code == 25) --atc.sel_i;
        if (code == 26) ++atc.sel_i;
        if (code == 27) --atc.sel_j;
        if (code == 28) ++atc.sel_j;
        atc.sel_i = intlim(atc.sel_i, 0, 4);
        atc.sel_j = intlim(atc.sel_j, 0, atc.menu_level == 0 ? 18 : 19);
    }
}

void function_key(int code)
{
    const float step = 0.05f;
    const float prop_step = step * (pln.omegamax - pln.omegamingreen);
    if (set.eq_thr) {
        // Separate levers: F1-F4 throttles, F5-F8 propellers, F9 and on mixtures.
        if (code >= 28 && code <= 31) {
            flt.throrqst[code - 28] -= step;
            set.thro_pot = 0;
        }
        if (code >= 40 && code <= 43) {
            flt.throrqst[code - 40] += step;
            set.thro_pot = 0;
        }
        if (code >= 32 && code <= 35) flt.prop[code - 32] -= prop_step;
        if (code >= 44 && code <= 47) flt.prop[code - 44] += prop_step;
        if (code >= 36 && code <= 39) flt.mixt[code - 36] -= step;
        if (code >= 48 && code <= 51) flt.mixt[code - 48] += step;
    } else {
        // One set of levers for all engines.
        if (code == 28 || code == 29) {
            flt.throrqst[0] = fltlim(flt.throrqst[0] + (code == 28 ? -step : step), 0, 1);
            for (int e = 1; e < 4; ++e) flt.throrqst[e] = flt.throrqst[0];
            set.thro_pot = 0;
        }
        for (int e = 0; e < 4; ++e) {
            if (code == 32) flt.prop[e] -= prop_step;
            if (code == 33) flt.prop[e] += prop_step;
            if (code == 36) flt.mixt[e] -= step;
            if (code == 37) flt.mixt[e] += step;
        }
    }
    engine_levers_limits();
}
