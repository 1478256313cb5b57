// The panel's frame driver: gyros, compass, status line, lamps, radios,
// instruments, engine gauges, marks and the switch and lever handles.
#include "P_UPDATE.h"

#include "records/cockpit_state.h"
#include "engine_gauges.h"
#include "panel_build.h"
#include "instrument_primitives.h"
#include "systems_pages.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <cmath>

float compass = 0;

namespace {
float wrap180(float d)
{
    if (!std::isfinite(d)) return 0;
    d = std::fmod(d, 360.0f);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

float wrap360(float d)
{
    if (!std::isfinite(d)) return 0;
    d = std::fmod(d, 360.0f);
    return d < 0 ? d + 360 : d;
}

bool is_dme_stack()
{
    return pln.supptype == 1 || pln.supptype == 7;
}

bool has_sweep()
{
    return pln.varsweepEQ[4] || pln.varsweepEQ[6] || pln.varsweepEQ[8] || pln.varsweepEQ[10];
}

void compass_strip()
{
    glEnable(GL_SCISSOR_TEST);
    glScissor((GLint)(343 * mnw.XRAT), (GLint)(566 * mnw.YRAT), (GLsizei)(61 * mnw.XRAT), (GLsizei)(17 * mnw.YRAT));
    float c10 = compass / 10;
    for (int p = (int)(c10 - 6); p <= c10 + 6; ++p) {
        float x = 373 + compass / 2 - 5.0f * p;
        int n = ((p - 1) % 36 + 36) % 36 + 1;
        bool big = n % 3 == 0;
        OGL_line(6, x, 566, x, big ? 571 : 569);
        if (big) OGL_number(6, x - (n < 10 ? 2 : 5), 573, (float)n, n < 10 ? 1 : 2, 0, 6, 0);
    }
    glDisable(GL_SCISSOR_TEST);
}

void status_line()
{
    float m = (set.joy_rat_ptch + set.joy_rat_hdng + set.joy_rat_roll) / 3;
    const char* ctl = m > 0.95f   ? "controls: 100%"
                      : m > 0.85f ? "controls:  90%"
                      : m > 0.75f ? "controls:  80%"
                      : m > 0.65f ? "controls:  70%"
                      : m > 0.55f ? "controls:  60%"
                                  : "controls:  50%";
    OGL_string(47, 10, 569, ctl, 999, 6);
    static const char* const modes[5] = {"mode: realistic    ", "mode: slightly easy", "mode: somewhat easy",
                                         "mode: quite easy   ", "mode: very easy    "};
    int mode = round(set.damp * 4);
    OGL_string(47, 130, 569, modes[mode >= 0 && mode <= 3 ? mode : 4], 999, 6);
    int slot = status_slot(msc.elap_time);
    bool carb = false, oil = false;
    for (int e = 0; e < 4; ++e) {
        if (msc.carb_ice[e] > 0.01f) carb = true;
        if (!rel.oilpmp[e]) oil = true;
    }
    const bool cond[6] = {set.grfout != 0, set.dskout != 0, msc.frame_ice > 0.001f, carb, oil, set.serout != 0};
    static const char* const msgs[6] = {"graphics data saving      ", "disk outfile saving       ",
                                        "airframe ice visible!     ", "carb ice suspected!       ",
                                        "oil pressure gone!        ", "outputting to serial port!"};
    if (cond[slot]) OGL_string(slot >= 2 ? 41 : 47, 430, 569, msgs[slot], 999, 6);
    else OGL_string(47, 430, 569, pln.C_name, 999, 6);
}

void temperature()
{
    OGL_string(6, 713, 566, pln.us_alt ? "F" : "C", 999, 6);
    float t = pln.us_alt ? atm.T * con.dgktodgr - 459.67f : atm.T - 273.15f;
    int x = temperature_pointer_x(t);
    OGL_fillrect(9, (float)x, 565, 2, 5);
}

void stall_lamp()
{
    if (!rel.esystem || !(flt.vind > 0.3f * msc.est_Vs * con.msctokts)) return;
    for (int p = 4; p <= 8; p += 2) {
        if (!have_this_part(p)) continue;
        for (int e = 0; e < 8; ++e) {
            if (flt.alpha[p][e] > pln.alpha_max[p] - 3) {
                OGL_fillrect(2, 7, 316, 10, 10);
                return;
            }
        }
    }
}

void autopilot_values()
{
    OGL_number(47, 270, 318, ott.al_hold * con.mtrstoft, 5, 0, 6, 0);
    OGL_number(47, 360, 318, ott.vv_hold * con.msctofpm, 4, 0, 6, 1);
    OGL_number(47, 444, 318, ott.as_hold, 4, 0, 6, 0);
}

void marker_lamps()
{
    int t = msc.cntr10;
    if (nav.overOM && t <= 4) plot_marker(osrad + 494, 292, 9);
    if (nav.overMM && (t <= 1 || (t >= 4 && t <= 8))) plot_marker(osrad + 510, 292, 11);
    if (nav.overIM && (t <= 1 || t == 3 || t == 4 || t == 6 || t == 7)) plot_marker(osrad + 526, 292, 13);
}

void clock_digits()
{
    if (!ins.avail[4]) return;
    int s = (int)fltmax2(msc.timr_time, 0);
    OGL_number(47, ins.x_loc[4] + 8, ins.y_loc[4] - 70, (float)(s / 60 % 100), 2, 0, 6, 0);
    OGL_number(47, ins.x_loc[4] + 22, ins.y_loc[4] - 70, (float)(s % 60), 2, 0, 6, 0);
}

void fuel_needle()
{
    int ref = (int)(osrad + 514);
    int x = ref;
    if (pln.m_fuel > 0.01f) x = ref + (int)fltlim(flt.m_fuel / pln.m_fuel * 31, -1000, 1000);
    for (int c = x - 1; c <= x + 1; ++c)
        if (c != ref && c != ref + 15 && c != ref + 30) OGL_line(9, (float)c, 42, (float)c, 46);
}

void brakes_and_gear()
{
    if (pln.gear_type > 2 && set.parkbrake > 0.01f) {
        OGL_fillrect(9, osrad + 496, 6, 66, 13);
        OGL_string(20, osrad + 512, 9, "brakes", 999, 6);
    }
    if (!pln.gear_retract) return;
    const float lx[3] = {622, 616, 628}, ly[3] = {18, 8, 8};
    for (int g = 0; g < 3; ++g) {
        int outer = 29, centre = 22;
        if (rel.esystem) {
            bool down = set.gear_handle != 0, leg = pln.gear_stat[g] != 0;
            if (down && leg) outer = 49, centre = 46;
            else if (down != leg) outer = 44, centre = 45;
        }
        OGL_fillrect(outer, osrad + lx[g], ly[g], 4, 4);
        OGL_fillrect(centre, osrad + lx[g] + 1, ly[g] + 1, 2, 2);
    }
}

void transponder()
{
    const int digits[4] = {nav.tran1, nav.tran2, nav.tran3, nav.tran4};
    for (int k = 0; k < 4; ++k) OGL_number(47, osrad + 565 + 20 * k, 145, (float)digits[k], 1, 0, 6, 0);
    float now = msc.elap_time;
    if (!(ins.reply_time2 > now)) return;
    auto within = [now](float t, float w) { return t - now >= 0 && t - now < w; };
    int c = 3;
    if (within(ins.reply_time1, 0.08f) || within(ins.reply_time2, 0.08f)) c = 15;
    else if (within(ins.reply_time1, 0.16f) || within(ins.reply_time2, 0.16f)) c = 9;
    OGL_fillrect(c, osrad + 499, 147, 3, 3);
}

void frequency(int f, float x_mhz, float x_khz, float x_point, float y)
{
    OGL_number(47, osrad + x_mhz, y, (float)(f / 100), 3, 0, 6, 0);
    OGL_number(47, osrad + x_khz, y, (float)(f % 100), 2, 0, 6, 0);
    OGL_string(47, osrad + x_point, y, ".", 999, 6);
}

void radios()
{
    if (is_dme_stack()) {
        frequency(nav.nf[0], 591, 614, 609, 240);
        frequency(nav.cf[0], 523, 546, 541, 240);
    }
    frequency(nav.nf[1], 591, 614, 609, 191);
    frequency(nav.cf[1], 523, 546, 541, 191);
}

void instruments()
{
    bool efis = pln.paneltype != 2 || rel.efis_1;
    if (ins.avail[1] && efis) update_airspeed();
    if (ins.avail[2] && efis) update_arthoriz();
    if (ins.avail[3] && efis) update_alt();
    if (ins.avail[5] && pln.paneltype != 2) update_turnslip();
    if (ins.avail[6] && efis) update_HSI(flt_to_int(5 * nav.hdef[1]), flt_to_int(-5 * nav.vdef[1]));
    if (ins.avail[7] && efis) update_vvi();
    if (ins.avail[8]) update_ADF();
    if (ins.avail[4]) {
        switch (pln.supptype) {
        case 1: update_VORandGS(flt_to_int(4 * nav.hdef[0]), flt_to_int(-5 * nav.vdef[0])); break;
        case 2: if (rel.esystem) update_stormscope(); break;
        case 3: if (rel.radios) update_glass(24); break;
        case 4: update_radalt(); break;
        case 5: update_vari(); break;
        case 6: if (rel.esystem) update_glass(25); break;
        case 7: update_RMI(); break;
        default: break;
        }
    }
    if (rel.radios) {
        if (is_dme_stack()) update_DME();
        else update_GPS();
    }
    if (pln.paneltype == 2 && rel.efis_2) update_glass(23);
    if (pln.ecam && ecam_page() != 3) update_ecam();
}

void engine_set(int e, int draw_e, int type)
{
    auto at = [](int row, int e2) { return en_x[row][e2] + oseng; };
    switch (pln.entype) {
    case 1:
    case 2:
        update_egt(draw_e, at(0, e), en_y[0]);
        if (!pln.is_heli) update_tac(draw_e, at(1, e), en_y[1], type);
        if (pln.varpitchEQ || pln.is_heli) update_mpr(draw_e, at(2, e), en_y[2], type);
        break;
    case 3:
        if (!pln.is_heli) update_tac(draw_e, at(1, e), en_y[1], type);
        update_trq(draw_e, at(2, e), en_y[2], type);
        break;
    case 4:
    case 5:
        update_n1_(draw_e, at(1, e), en_y[1], type);
        update_ff_(draw_e, at(2, e), en_y[2], type);
        break;
    default: break;
    }
}

void engine_gauges()
{
    if (pln.ecam && ecam_page() != 3) return;
    int n = intlim(pln.numen, 0, 4);
    if (pln.is_heli) {
        if (n > 0 && (pln.entype >= 1 && pln.entype <= 3)) update_tac(0, en_x[1][0] + oseng, en_y[1], 10);
        for (int e = 0; e < n; ++e) engine_set(0, e, e == 0 ? 10 : 11);
        return;
    }
    for (int e = 0; e < n; ++e) {
        engine_set(e, e, 10);
        if ((pln.entype == 4 || pln.entype == 5) && flt.after_burning[e]) {
            if (n <= 2) OGL_string(41, en_x[0][e] + oseng - 11, en_y[0] + 4, "BURN", 999, 6);
            else OGL_string(41, 651 + 40.0f * e + oseng, 283, "BURN", 999, 6);
        }
    }
}

void lever_marks()
{
    if (has_sweep()) {
        int y = round(interp(0, 112, 1, 73, flt.swee));
        OGL_line(9, oseng + 736, (float)(y + 1), oseng + 736, (float)(y + 7));
        OGL_line(9, oseng + 764, (float)(y + 1), oseng + 764, (float)(y + 7));
    }
    if (pln.vectEQ) {
        int y = round(interp(0, 126, 120, 73, pln.vertcant[0]));
        OGL_line(9, oseng + 744, (float)(y + 1), oseng + 744, (float)(y + 7));
        OGL_line(9, oseng + 773, (float)(y + 1), oseng + 773, (float)(y + 7));
    }
    if (pln.flapEQ || pln.slatEQ) {
        int y = round(interp(0, 127, 1, 73, flt.flap));
        OGL_line(0, oseng + 649, (float)(y + 1), oseng + 649, (float)(y + 6));
    }
    float xa = osrad + 586 + 14 * flt.ail_trim, xr = osrad + 586 + 14 * flt.rud_trim;
    const float marks[2][3] = {{xa, 52, 54}, {xr, 23, 25}};
    for (const auto& m : marks) {
        OGL_line(9, m[0] - 1, m[1], m[0] - 1, m[2]);
        OGL_line(9, m[0], m[1], m[0], m[2]);
        OGL_line(15, m[0] + 1, m[1], m[0] + 1, m[2]);
    }
}
} // namespace

int status_slot(float elap_time)
{
    if (!std::isfinite(elap_time) || elap_time < 0) return 0;
    return (int)std::fmod(std::trunc(elap_time * 0.3), 6.0);
}

int temperature_pointer_x(float temp)
{
    int t = std::isfinite(temp) ? round(fltlim(temp, -1000, 1000)) : 0;
    t = intlim(t, -50, 90);
    return 748 + t / 2;
}

float lever_y(float v, float v0, float y0, float v1, float y1)
{
    if (v0 == v1 || !std::isfinite(v)) return fltmin2(y0, y1);
    return interp(v0, y0, v1, y1, v);
}

void update_gyros()
{
    bool wobble = flt.onground && (pln.entype == 1 || pln.entype == 2) && msc.init_time < 4;
    if (!rel.vacuum || wobble) {
        float t = fltlim(msc.init_time - rel.vac_death_time, 0, 180);
        if (!std::isfinite(t)) t = 180;
        float e = t / 180, k = (1 - e) * (1 - e);
        float the_t = flt.the + rel.the_fail_err * e, phi_t = flt.phi + rel.phi_fail_err * e;
        ins.the180 = wrap180(ins.the180 + k * wrap180(the_t - ins.the180));
        ins.phi180 = wrap180(ins.phi180 + k * wrap180(phi_t - ins.phi180));
        ins.psimag = wrap360(ins.psimag + k * wrap180(flt.magpsi - ins.psimag));
    }
    if (wobble) {
        float w = 1 - msc.init_time / 4;
        ins.the180 = flt.the + 10 * w * std::sin(10 * msc.init_time);
        ins.phi180 = flt.phi + 10 * w * std::sin(20 * msc.init_time);
    } else if (rel.vacuum) {
        if (rel.ss_ahz) {
            ins.the180 = flt.the;
            ins.phi180 = flt.phi;
        }
        if (rel.ss_dgy) ins.psimag = flt.magpsi;
    }
}

float compass_error()
{
    float psi = wrap360(flt.psi);
    float d = psi < 180 ? 90 - std::fabs(psi - 90) : 90 - std::fabs(psi - 270);
    float a = -flt.aX * d / 5;
    float r = (45 - env.lat_sou / 2.0f) * flt.cospsi * flt.sinphi;
    return a + r;
}

void update_compass()
{
    float target = wrap360(flt.magpsi + compass_error());
    compass = wrap360(compass + wrap180(target - compass) * msc.prd);
}

int collect_handles(handle_quad* out)
{
    int n = 0;
    auto add = [&](float x, float y, float dx, float dy, int cell) {
        if (n < MAX_HANDLES) out[n++] = {x, y, dx, dy, cell};
    };
    if (pln.HUDtype != 1) add(38, 314, 18, 10, ins.HUD_on ? 7 : 6);
    if (pln.HUDtype == 3) add(84, 314, 18, 10, ins.HOOP_on ? 7 : 6);
    if (pln.arrestingEQ) add(556, 314, 18, 10, ins.hook_down ? 7 : 6);
    if (pln.chuteEQ) add(510, 314, 18, 10, ins.chute_on ? 7 : 6);
    if (pln.antiiceEQ) add(602, 314, 18, 10, ins.antiice_on ? 7 : 6);
    if (pln.jatoEQ) add(694, 314, 18, 10, flt.jatoleft - pln.jatodur >= 0.01f ? 7 : 6);
    if (pln.jettisonEQ) add(648, 314, 18, 10, flt.m_jettison <= 1 ? 7 : 6);
    if (pln.HUDtype != 1) add(123, 314, 10, 9, ins.hud_brt != 0 ? 1 : 0);
    const int audio_x[5] = {545, 565, 585, 605, 625}, audio_r[5] = {4, 0, 1, 2, 3};
    for (int k = 0; k < 5; ++k) add(osrad + audio_x[k], 290, 10, 9, nav.radout == audio_r[k] ? 1 : 0);
    if (pln.supptype == 1 || pln.supptype == 7) {
        add(osrad + 602, 270, 18, 10, nav.dmesel == 0 ? 7 : 6);
        add(osrad + 620, 270, 18, 10, nav.dmesel == 1 ? 7 : 6);
    } else {
        add(osrad + 621, 270, 18, 10, nav.gps_index_mode == 1 ? 7 : 6);
        add(osrad + 621, 248, 18, 10, nav.gps_index_mode == 3 ? 7 : 6);
        add(osrad + 621, 226, 18, 10, nav.gps_index_mode == 2 ? 7 : 6);
    }
    const int ap_x[7] = {497, 517, 537, 560, 580, 600, 620};
    const int ap_on[7] = {ott.HDSLCT, ott.NAV[0], ott.NAV[1], ott.ALHOLD, ott.VVHOLD, ott.GS2, ott.ASHOLD};
    for (int k = 0; k < 7; ++k) add(osrad + ap_x[k], 87, 20, 13, ap_on[k] ? 5 : 4);
    if (pln.gear_retract) add(osrad + 616, 30, 16, 24, set.gear_handle ? 3 : 2);
    if (has_sweep()) add(oseng + 737, lever_y(flt.sweerqst, 0, 112, 1, 73), 27, 9, 15);
    if (pln.vectEQ) add(oseng + 745, lever_y((float)flt.vectrqst, 0, 126, 120, 73), 27, 9, 15);
    if (pln.flapEQ || pln.slatEQ) add(oseng + 650, lever_y(flt.flaprqst, 0, 127, 1, 73), 30, 8, 12);
    if (pln.sbrkEQ || pln.fbrkEQ) add(oseng + 698, lever_y((float)flt.sbrk, -1, 123, 2, 93), 20, 5, 13);
    if (pln.entype == 1) add(oseng + 786, lever_y(flt.heat, 0, 52, 1, 4), 12, 13, 14);
    if (pln.entype != 0) {
        int engines = intlim(pln.numen, 0, 4);
        if (pln.collectEQ) {
            add(thro_x[0] + oseng, lever_y(flt.proppitch[0], pln.minpitch[0], 52, pln.maxpitch[0], 4), 13, 14, 8);
        } else {
            for (int e = 0; e < engines; ++e) {
                float y0 = flt.revving_thrust[e] ? 16.0f : (pln.revthrustEQ ? 16.0f : 4.0f);
                float y1 = flt.revving_thrust[e] ? 4.0f : 52.0f;
                add(thro_x[e] + oseng, lever_y(flt.throrqst[e], 0, y0, 1, y1), 13, 14, 8);
            }
            if (pln.varpitchEQ && pln.entype <= 3)
                for (int e = 0; e < engines; ++e)
                    add(prop_x[e] + oseng, lever_y(flt.prop[e], pln.omegamingreen, 4, pln.omegamax, 39), 9, 27, 9);
        }
        for (int e = 0; e < engines; ++e) add(mixt_x[e] + oseng, lever_y(flt.mixt[e], 0, 4, 1, 39), 9, 27, 10);
    }
    add(oseng + 787, lever_y(flt.elv_trim, 1, 81, -1, 122), 6, 4, 11);
    return n;
}

void update_panel()
{
    update_gyros();
    update_compass();
    compass_strip();
    status_line();
    if (msc.paused) OGL_string(41, 742, 318, "PAUSED", 999, 6);
    temperature();
    stall_lamp();
    autopilot_values();
    marker_lamps();
    clock_digits();
    fuel_needle();
    brakes_and_gear();
    if (pln.ecam)
        for (int k = 0; k < 5; ++k) plot_efis_light(oseng + 660 + 30.0f * k, 144, ecam_page() == 3 + k);
    transponder();
    radios();
    instruments();
    engine_gauges();
    lever_marks();

    if (!hand_texture_loaded) return;
    static handle_quad quads[MAX_HANDLES];
    int n = collect_handles(quads);
    glColor3f(ins.r_rat, ins.g_rat, ins.b_rat);
    OGL_setstate(o_fog, 1, o_lit, o_dep);
    OGL_bindtex(82);
    glBegin(GL_QUADS);
    for (int k = 0; k < n; ++k) plot_handle(quads[k].x, quads[k].y, quads[k].dx, quads[k].dy, quads[k].cell);
    glEnd();
    OGL_setstate(o_fog, 0, o_lit, o_dep);
}
