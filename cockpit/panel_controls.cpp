// Panel clicks: a mouse position (or a key's or stick button's fixed point)
// becomes a control action. Every region is tested in order and every region
// that holds the point acts, so shared edges act twice.
//
// The shell calls this on the press frame and, after the button has been held
// for a second, on every frame while it stays down. Knobs, tuners, trims and
// levers repeat on those frames; switches and buttons act only on the press
// (or on a key or button call), so that holding one does not flicker it.
#include "records/cockpit_state.h"
#include "cockpit_services.h"

#include "flight/aircraft_sounds.h"
#include "records/flight_state.h"
#include "flight/timed_managers.h"
#include "panel_controls.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>

namespace {

const int SND_GEAR_HANDLE = 6;

// True on the press frame and on key and button calls; false on the frames
// that repeat a held click.
bool fresh;
// Knob step: 3 while held, 1 on a click.
int step;

void toggle(int* flag)
{
    *flag = *flag < 1 ? 1 : 0;
}

void toggle(float* flag)
{
    *flag = *flag < 1 ? 1.0f : 0.0f;
}

// A wrap that holds for any step, not only one span.
int wrap_any(int v, int lo, int hi)
{
    int span = hi - lo + 1;
    int r = (v - lo) % span;
    return lo + (r < 0 ? r + span : r);
}

bool round_dials()
{
    return pln.paneltype == 1;
}

bool glass()
{
    return pln.paneltype == 2;
}

bool own_nav0()
{
    return pln.supptype == 1 || pln.supptype == 7;
}

int engine_count()
{
    return pln.entype != 0 ? intlim(pln.numen, 0, 4) : 0;
}

void switches(float mx, float my)
{
    if (set.controls_type == -1 && !atc.menu_up && fresh && fltbox(mx, my, 300, 343, 500, 543))
        toggle(&msc.mouse_is_joy);
    if (atc.menu_up && fresh && fltbox(mx, my, 0, 360, 800, 550)) plot_atc_options(1);
    if (set.replay_mode != 0 && fltrange(my, 540, 560)) {
        const float lo[5] = {348, 372, 390, 409, 433};
        for (int b = 0; b < 5; ++b)
            if (fltrange(mx, lo[b], lo[b] + 20)) set.replay_mode = b + 1;
    }
    if (!fresh) return;
    if (pln.HUDtype != 1 && fltbox(mx, my, 26, 314, 66, 330)) toggle(&ins.HUD_on);
    if (pln.HUDtype == 3 && fltbox(mx, my, 72, 314, 112, 330)) toggle(&ins.HOOP_on);
    if (pln.HUDtype != 1 && fltbox(mx, my, 118, 314, 133, 330)) toggle(&ins.hud_brt);
    if (pln.arrestingEQ && fltbox(mx, my, 544, 314, 584, 330)) toggle(&ins.hook_down);
    if (pln.chuteEQ && fltbox(mx, my, 498, 314, 538, 330)) toggle(&ins.chute_on);
    if (pln.antiiceEQ && fltbox(mx, my, 590, 314, 630, 330)) toggle(&ins.antiice_on);
    if (pln.jatoEQ && fltbox(mx, my, 682, 314, 722, 330)) ins.jato_on = 1;
    if (pln.jettisonEQ && fltbox(mx, my, 636, 314, 676, 330)) {
        flt.m_jettison = 0;
        for (int f = 0; f < 10; ++f) {
            const float* p = scn.firexyz[f];
            if (pythag3(p[0] - (float)flt.X, p[1] - (float)flt.Y, p[2] - (float)flt.Z) <= 100) scn.fire_on[f] = 0;
        }
    }
    if (fltbox(mx, my, 730, 314, 790, 330)) {
        toggle(&msc.paused);
        if (msc.paused) {
            stop_engine_and_windrain();
            end_morse_id();
        } else {
            play_engine_and_windrain();
        }
    }
}

// Stored in SI, stepped in the units the pilot reads, rounded and limited.
float stepped_hold(float stored, float to_unit, float inc, float nearest, float lo, float hi)
{
    float v = fltnear(stored * to_unit + inc, nearest);
    return fltlim(v, lo, hi) / to_unit;
}

void autopilot_holds(float mx, float my)
{
    float sign = my > 315 ? 1.0f : -1.0f;
    if (fltbox(mx, my, 305, 305, 325, 325))
        ott.al_hold = stepped_hold(ott.al_hold, con.mtrstoft, 100 * sign, 100, 0, 90000);
    if (fltbox(mx, my, 390, 305, 410, 325))
        ott.vv_hold = stepped_hold(ott.vv_hold, con.msctofpm, 100 * sign, 100, -9000, 9000);
    if (fltbox(mx, my, 475, 305, 495, 325)) ott.as_hold = fltlim(fltnear(ott.as_hold + 5 * sign, 5), 0, 900);
}

void instrument_knobs(float mx, float my)
{
    const float* x = ins.x_loc;
    const float* y = ins.y_loc;
    float k = glass() ? -30.0f : 0.0f;
    if (round_dials() && fltbox(mx, my, x[2] + 40, y[2] - 70, x[2] + 70, y[2] - 40))
        set.ah_bar_adjust = fltlim(set.ah_bar_adjust + (my < y[2] - 55 ? -1 : 1), -10, 10);
    if (pln.supptype == 1 && fltbox(mx, my, x[4] - 48, y[4] - 50, x[4] - 8, y[4] - 30))
        nav.obs[0] = fltwrap(nav.obs[0] + (mx < x[4] - 28 ? step : -step), 0, 360);
    if (fltbox(mx, my, x[6] - 55, y[6] - 60 + k, x[6] - 20, y[6] - 40 + k))
        nav.obs[1] = fltwrap(nav.obs[1] + (mx < x[6] - 37 ? -step : step), 0, 360);
    if (ins.avail[8] && fltbox(mx, my, x[8] - 55, y[8] - 60, x[8] - 15, y[8] - 40))
        ins.adf_card = wrap_any(ins.adf_card + (mx < x[8] - 35 ? step : -step), 0, 359);
    if (fltbox(mx, my, x[6] + 30, y[6] - 60 + k, x[6] + 65, y[6] - 40 + k))
        nav.hdsel = wrap_any(nav.hdsel + (mx < x[6] + 47 ? -step : step), 0, 359);
    if (fltbox(mx, my, x[10] - 15, y[10] - 15, x[10] + 15, y[10] + 15)) {
        float d = round_dials() ? 0.003f : 0.01f;
        ins.baro = fltlim(ins.baro + (my > y[10] ? d : -d), 28, 32);
    }
    if (pln.supptype == 4 && fltbox(mx, my, x[4] - 55, y[4] - 50, x[4] - 25, y[4] - 30)) {
        float d = ins.radalt_ft < 600 ? 10.0f : 100.0f;
        ins.radalt_ft = fltlim(ins.radalt_ft + (my < y[4] - 40 ? d : -d), 0, 2500);
    }
}

void display_buttons(float mx, float my)
{
    if (!fresh) return;
    const float* x = ins.x_loc;
    const float* y = ins.y_loc;
    if (glass() && fltbox(mx, my, x[9] + 200, y[9] + 20, x[9] + 380, y[9] + 50)) {
        float s = mx - x[9];
        if (fltrange(s, 200, 230)) ins.map_range = fltlim(ins.map_range * 2, 7.5f, 30);
        if (fltrange(s, 230, 260)) ins.map_range = fltlim(ins.map_range / 2, 7.5f, 30);
        if (fltrange(s, 260, 290)) ins.map_mode = 1;
        if (fltrange(s, 290, 320)) ins.map_mode = 2;
        if (fltrange(s, 320, 350)) toggle(&ins.EFIS_wxr);
        if (fltrange(s, 350, 380)) toggle(&ins.EFIS_tcas);
    }
    if (pln.ecam && fltbox(mx, my, oseng + 644, 140, oseng + 800, 160)) {
        float s = mx - oseng;
        for (int page = 0; page < 5; ++page)
            if (fltrange(s, 645 + 30 * page, 675 + 30 * page)) ins.ecam_mode = 3 + page;
    }
    if (pln.supptype == 3 && fltbox(mx, my, x[4] + 30, y[4] - 40, x[4] + 45, y[4] + 37)) {
        if (my > y[4] + 22) ins.arg_mode = 0;
        else if (my > y[4] + 7) ins.arg_mode = 1;
        else if (my > y[4] - 8) ins.arg_mode = 2;
        else if (my > y[4] - 26) ins.arg_range = fltlim(ins.arg_range * 0.5f, 7.5f, 30);
        else ins.arg_range = fltlim(ins.arg_range * 2, 7.5f, 30);
    }
    if (pln.supptype == 6 && fltbox(mx, my, x[4] - 47, y[4] - 50, x[4] + 14, y[4] - 30))
        ins.rad_range = fltlim(ins.rad_range * (mx < x[4] - 2 ? 2.0f : 0.5f), 7.5f, 30);
    if (fltbox(mx, my, x[4] - 40, y[4] - 78, x[4] - 15, y[4] - 58)) {
        toggle(&msc.timer_running);
        if (msc.timer_running) msc.timr_time += 1;
    }
    if (fltbox(mx, my, x[4] - 15, y[4] - 78, x[4] + 10, y[4] - 58)) msc.timr_time = 0;
    if (fltbox(mx, my, osrad + 540, 285, osrad + 640, 300)) {
        if (mx < osrad + 560) nav.radout = 4;
        else if (mx < osrad + 580) nav.radout = 0;
        else if (mx < osrad + 600) nav.radout = 1;
        else if (mx < osrad + 620) nav.radout = 2;
        else nav.radout = 3;
    }
    if (own_nav0() && fltbox(mx, my, osrad + 600, 260, osrad + 640, 280)) nav.dmesel = mx < osrad + 620 ? 0 : 1;
}

// A radio's two tuning knobs: whole megahertz on the left, 50 kHz on the right.
void tuner(void (*inc)(int*, int), int* f, float left, float bottom, float mx, float my)
{
    int up = my > bottom + 12;
    if (fltbox(mx, my, left, bottom, left + 24, bottom + 24)) inc(f, up ? 1000 : -1000);
    if (fltbox(mx, my, left + 24, bottom, left + 48, bottom + 24)) inc(f, up ? 50 : -50);
}

void radios(float mx, float my)
{
    if (own_nav0()) tuner(NAVinc, &nav.nf[0], osrad + 590, 208, mx, my);
    tuner(NAVinc, &nav.nf[1], osrad + 590, 159, mx, my);
    if (own_nav0()) tuner(COMinc, &nav.cf[0], osrad + 522, 208, mx, my);
    tuner(COMinc, &nav.cf[1], osrad + 522, 159, mx, my);
    if (ins.avail[8]) {
        float left = ins.x_loc[8] - 25, bottom = ins.y_loc[8] - 95;
        const int digit[3] = {100, 10, 1};
        for (int b = 0; b < 3; ++b)
            if (fltbox(mx, my, left + 20 * b, bottom, left + 20 * b + 20, bottom + 24))
                ADFinc(&nav.adff, my > bottom + 12 ? digit[b] : -digit[b]);
    }
    int* code[4] = {&nav.tran1, &nav.tran2, &nav.tran3, &nav.tran4};
    for (int d = 0; d < 4; ++d) {
        float left = osrad + 561 + 20 * d;
        if (fltbox(mx, my, left, 120, left + 20, 140)) XPNinc(code[d], my > 130 ? 1 : -1);
    }
}

// ---- GPS ----

int gps_table_end()
{
    return nav.gps_index_mode == 1 ? intlim(env.aptmax, -1, APT_CAP - 1) : intlim(env.navmax, -1, NAV_CAP - 1);
}

const char* gps_target_id()
{
    return nav.gps_index_mode == 1 ? apt_id[nav.gps_index] : ::nav_id[nav.gps_index];
}

void gps_scroll(int inc)
{
    int last = gps_table_end();
    if (nav.gps_scroll_mode != 0) {
        int& c = nav.gps_id[intlim(nav.gps_scroll_mode - 1, 0, 3)];
        c = wrap_any(c + inc, 0, 36);
        return;
    }
    if (nav.gps_index_mode == 1) {
        nav.gps_index = wrap_any(nav.gps_index + inc, 0, last);
        return;
    }
    // Through the navaids to the next one of the mode's type; one full round
    // without one leaves the target where it was.
    int i = nav.gps_index;
    for (int tries = 0; tries <= last; ++tries) {
        i = wrap_any(i + inc, 0, last);
        if (nav_type[i] == nav.gps_index_mode) {
            nav.gps_index = i;
            return;
        }
    }
}

void gps_after_knob()
{
    if (nav.gps_scroll_mode == 0) {
        if (nav.gps_index < 0 || nav.gps_index > gps_table_end()) return;
        const char* id = gps_target_id();
        bool ended = false;
        for (int c = 0; c < 4; ++c) {
            ended = ended || id[c] == 0;
            nav.gps_id[c] = ended ? 0 : char_to_code(id[c]);
        }
    } else {
        // Blanks spell the padding of a short identifier.
        char id[5] = {0, 0, 0, 0, 0};
        for (int c = 0; c < 4; ++c) id[c] = nav.gps_id[c] == 0 ? 0 : code_to_char(nav.gps_id[c]);
        int found = nav.gps_index;
        if (get_index_from_id(id, nav.gps_index_mode == 1 ? 1 : nav.gps_index_mode, &found)) nav.gps_index = found;
    }
    if (nav.gps_index_mode == 1) nav.gps_apt_index = nav.gps_index;
    if (nav.gps_index_mode == 3) nav.gps_vor_index = nav.gps_index;
    if (nav.gps_index_mode == 2) nav.gps_ndb_index = nav.gps_index;
}

void gps(float mx, float my)
{
    if (own_nav0() || !fltbox(mx, my, osrad + 500, 210, osrad + 641, 280)) return;
    if (fresh && fltrange(mx, osrad + 621, osrad + 641)) {
        if (fltrange(my, 260, 280)) {
            nav.gps_index_mode = 1;
            nav.gps_index = nav.gps_apt_index;
        }
        if (fltrange(my, 240, 260)) {
            nav.gps_index_mode = 3;
            nav.gps_index = nav.gps_vor_index;
        }
        if (fltrange(my, 220, 240)) {
            nav.gps_index_mode = 2;
            nav.gps_index = nav.gps_ndb_index;
        }
    }
    if (gps_table_end() < 0) return;   // nothing loaded to choose from
    bool knob = false;
    if (fltbox(mx, my, osrad + 536, 210, osrad + 556, 230)) {
        int n = mnw.delay_dragging ? intlim(flt_to_int(msc.prd * 100), 1, 100) : 1;
        gps_scroll(my > 220 ? n : -n);
        knob = true;
    }
    if (fltbox(mx, my, osrad + 593, 210, osrad + 613, 230)) {
        nav.gps_scroll_mode = wrap_any(nav.gps_scroll_mode + (my > 220 ? -1 : 1), 0, 4);
        knob = true;
    }
    if (knob) gps_after_knob();
}

// ---- autopilot, transponder, brakes, trims, gear ----

void autopilot_buttons(float mx, float my)
{
    if (!fresh || !fltbox(mx, my, osrad + 493, 80, osrad + 640, 105)) return;
    int* lateral[3] = {&ott.HDSLCT, &ott.NAV[0], &ott.NAV[1]};
    float x = mx - osrad;
    if (x < 557) {
        int b = x < 517 ? 0 : x < 537 ? 1 : 2;
        toggle(lateral[b]);
        if (*lateral[b])
            for (int o = 0; o < 3; ++o)
                if (o != b) *lateral[o] = 0;
    } else if (x < 580) {
        toggle(&ott.ALHOLD);
        ott.GS2 = ott.VVHOLD = 0;
        if (std::fabs(ott.vv_hold * con.msctofpm) < 500) ott.vv_hold = 500 * con.fpmtomsc;
    } else if (x < 600) {
        toggle(&ott.VVHOLD);
        ott.GS2 = ott.ALHOLD = 0;
        ott.vv_hold = (float)flt.vY;
    } else if (x < 620) {
        toggle(&ott.GS2);
        ott.ALHOLD = ott.VVHOLD = 0;
    } else {
        toggle(&ott.ASHOLD);
    }
}

void stack_controls(float mx, float my)
{
    if (fresh && (fltbox(mx, my, osrad + 520, 125, osrad + 535, 140) ||
                  fltbox(mx, my, osrad + 535, 140, osrad + 550, 155))) {
        ins.reply_time1 = msc.elap_time;
        ins.reply_time2 = msc.elap_time + 5;
    }
    if (fresh && fltbox(mx, my, osrad + 494, 5, osrad + 564, 20)) {
        set.parkbrake = set.parkbrake < 0.01f ? 1.0f : 0.0f;
        if (flt.cat_stage == 3) flt.cat_stage = 4;
    }
    float trim = 0.1f * msc.prd;
    if (fltbox(mx, my, osrad + 566, 35, osrad + 606, 60))
        flt.ail_trim = fltlim(flt.ail_trim + (mx < osrad + 586 ? -trim : trim), -1, 1);
    if (fltbox(mx, my, osrad + 566, 5, osrad + 606, 30))
        flt.rud_trim = fltlim(flt.rud_trim + (mx < osrad + 586 ? -trim : trim), -1, 1);
    if (fresh && pln.gear_retract && fltbox(mx, my, osrad + 610, 0, osrad + 640, 60)) {
        toggle(&set.gear_handle);
        play_buffer(SND_GEAR_HANDLE, 0);
        for (int leg = 0; leg < 3; ++leg)
            set.gear_time[leg] = rel.lagear[leg] ? msc.elap_time + fltrand(3, 5) : 9.9e9f;
    }
}

// ---- throttle quadrant ----

void upper_quadrant(float mx, float my)
{
    if (!fltbox(mx, my, oseng + 645, 70, oseng + 797, 138)) return;
    float x = mx - oseng;
    if ((pln.flapEQ || pln.slatEQ) && fltrange(x, 650, 680))
        flt.flaprqst = fltnear(1 - util_get_handle(6, my - 4), 0.25f);
    if ((pln.sbrkEQ || pln.fbrkEQ) && fltrange(x, 698, 718)) {
        int s = flt_to_int(interp(120, -1, 96, 2, my - 2.5f));
        flt.sbrk = intlim(s, pln.autosbrkEQ ? -1 : 0, 2);
    }
    bool sweeps = pln.varsweepEQ[4] || pln.varsweepEQ[6] || pln.varsweepEQ[8] || pln.varsweepEQ[10];
    if (sweeps && !pln.autosweepEQ && fltrange(x, 737, 764)) flt.sweerqst = 1 - util_get_handle(9, my - 4.5f);
    if (pln.vectEQ && fltrange(x, 745, 772)) flt.vectrqst = round((1 - util_get_handle(10, my - 4.5f)) * 120);
    if (rel.sttrim && fltrange(x, 781, 799)) {
        float trim = 0.1f * msc.prd;
        flt.elv_trim = fltlim(flt.elv_trim + (my < 101.5f ? trim : -trim), -1, 1);
    }
}

// Engine e's lever strip or the all-engines strip holds x.
bool lever_selected(float x, float lever_x, float all_lo, float all_hi, float width)
{
    return fltrange(x, lever_x, lever_x + width) || fltrange(x, all_lo, all_hi);
}

void throttles(float x, float my, int engines)
{
    float y = my - 7;
    set.thro_pot = 0;
    // Reverse is reached by dragging down, never by a single click.
    if (pln.revthrustEQ && !mnw.delay_dragging && y < 16) y = 16;
    bool jet = pln.entype == 4 || pln.entype == 5;
    for (int e = 0; e < engines; ++e) {
        if (!lever_selected(x, thro_x[e], 670.5f, 679.5f, 13)) continue;
        float f = util_get_handle(11 + e, y);
        if (!pln.revthrustEQ) {
            flt.throrqst[e] = f;
            flt.revving_thrust[e] = 0;
            continue;
        }
        if (f >= 0.24f) {
            flt.throrqst[e] = (f - 0.24f) / 0.76f;
            flt.revving_thrust[e] = 0;
        } else {
            flt.throrqst[e] = jet ? (0.24f - f) / 0.24f : 0.05f;
            flt.revving_thrust[e] = 1;
        }
        if (!rel.revlok[e]) flt.revving_thrust[e] = 1;
    }
}

void lower_quadrant(float mx, float my)
{
    if (!fltbox(mx, my, oseng + 645, 1, oseng + 797, 69)) return;
    float x = mx - oseng;
    int engines = engine_count();
    if (pln.collectEQ) {
        if (fltrange(x, 662, 688)) {
            float f = util_get_handle(11, my - 7);
            flt.proppitch[0] = interp(1, pln.minpitch[0], 0, pln.maxpitch[0], f);
            if (!pln.is_heli)
                for (int e = 1; e < 4; ++e) flt.proppitch[e] = flt.proppitch[0];
        }
    } else if (engines > 0) {
        throttles(x, my, engines);
        if (pln.varpitchEQ && pln.entype <= 3)
            for (int e = 0; e < engines; ++e)
                if (lever_selected(x, prop_x[e], 721.5f, 726.5f, 9))
                    flt.prop[e] = interp(0, pln.omegamingreen, 1, pln.omegamax, util_get_handle(15 + e, my - 6.5f));
    }
    for (int e = 0; e < engines; ++e)
        if (lever_selected(x, mixt_x[e], 762.5f, 767.5f, 9)) flt.mixt[e] = util_get_handle(19 + e, my - 6.5f);
    if (pln.entype == 1 && fltrange(x, 786, 798)) flt.heat = 1 - util_get_handle(23, my + 6.5f);
}

} // namespace

void manage_das(float mx, float my)
{
    fresh = mnw.mouse_clicked || !mnw.delay_dragging;
    step = mnw.delay_dragging ? 3 : 1;
    switches(mx, my);
    autopilot_holds(mx, my);
    instrument_knobs(mx, my);
    display_buttons(mx, my);
    radios(mx, my);
    gps(mx, my);
    autopilot_buttons(mx, my);
    stack_controls(mx, my);
    upper_quadrant(mx, my);
    lower_quadrant(mx, my);
}

float util_get_handle(int p, float my)
{
    float lo = 0, hi = 0;
    if (p == 6) lo = 73, hi = 127;
    else if (p == 9) lo = 73, hi = 112;
    else if (p == 10) lo = 73, hi = 126;
    else if ((p >= 11 && p <= 14) || p == 23) lo = 4, hi = 52;
    else if (p >= 15 && p <= 22) lo = 4, hi = 39;
    else return 0;
    return fltlim(interp(lo, 0, hi, 1, my), 0, 1);
}
