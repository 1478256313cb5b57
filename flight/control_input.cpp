// Control input: the pilot's stick, mouse and keyboard yoke and the
// autopilot become yoke commands; stability augmentation, trims and failures
// turn them into surface deflections, rotor pitch, thrust vectors and
// throttle requests.
#include "control_input.h"

#include "records/flight_state.h"
#include "records/cockpit_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// Full travel from centre in a quarter of a second.
const float YOKE_RATE = 4;
// Below this speed, m/s, the pitch channel divides by it instead: a climb
// rate asked of an aircraft at rest must not give an undefined pitch.
const float PITCH_V_MIN = 1;

int first_call = 1;
float thro_old;       // the joystick throttle when it last counted
int old_alt;          // a pitch mode was engaged last call
float initial_trim;   // elevator trim when the pitch modes engaged
float tune;           // pitch integrator, degrees
float o_speed, o_throt;
int old_as;           // the autothrottle was engaged last call
int old_onground;

float toward(float now, float target, float max_step)
{
    return now + fltlim(target - now, -max_step, max_step);
}

int any_autopilot_mode()
{
    return ott.HDSLCT || ott.NAV[0] || ott.NAV[1] || ott.ALHOLD || ott.VVHOLD || ott.GS2 || ott.ASHOLD;
}

void joystick_throttle(float thro)
{
    if (first_call) thro_old = thro;
    if (std::fabs(thro - thro_old) > 0.04f) set.thro_pot = 1;
    if (!set.thro_pot) return;
    thro_old = thro;
    float lever = fltlim(thro, 0, 1);
    if (pln.collectEQ) {
        flt.proppitch[0] = interp(1, pln.minpitch[0], 0, pln.maxpitch[0], lever);
        if (!pln.is_heli)
            for (int e = 1; e < 4; ++e) flt.proppitch[e] = flt.proppitch[0];
    } else {
        for (int e = 0; e < 4; ++e) flt.throrqst[e] = lever;
    }
}

// The receiver the lateral modes follow: NAV 1 or NAV 2.
int followed_receiver()
{
    return ott.NAV[0] ? 0 : 1;
}

// A receiver gives a glide path only from a glide-slope station; a VOR's code
// and a localizer alone are no glide angle.
int has_glide_slope(int w)
{
    return nav.goodnav[w] && nav.ilsgs[w] != 0 && nav.ilsgs[w] != 9;
}

float desired_heading()
{
    if (ott.HDSLCT) return (float)nav.hdsel;
    int w = followed_receiver();
    float course;
    if (w == 0 && pln.supptype != 1 && pln.supptype != 7)
        course = nav.gps_lock_crs;
    else if (nav.ilsgs[w] == 9)
        course = nav.obs[w] - env.mvar;
    else
        course = nav.ilscrs[w];
    float s = fallout(flt.vind, -1, 1);
    course += fltlim(nav.hdef[w] * 800 / s, -30, 30);
    return fltwrap(course, 0, 360);
}

void roll_channel(float inv)
{
    float e = fltwrap(desired_heading() - flt.psi, -180, 180);
    float standard_rate = std::atan(flt.v * con.pi / (con.g * 60)) * con.radtodeg;
    float bank = fltlim(fltlim(e, -standard_rate, standard_rate), -30, 30);
    set.YK_roll = ((bank - flt.phi) * 0.01f - flt.P * 0.001f - flt.Pdot * 0.0001f) * inv;
    set.YK_hdng = pln.is_heli ? (-0.05f * flt.Beta - 0.05f * flt.R) * inv : 0;
}

void pitch_channel(float inv)
{
    if (!old_alt) {
        old_alt = 1;
        initial_trim = flt.elv_trim;
        tune = 0;
    }
    float desired = 0;
    if (ott.VVHOLD) desired = ott.vv_hold;
    if (ott.ALHOLD) desired = fltlim((ott.al_hold - flt.hind) * 0.05f, -std::fabs(ott.vv_hold), std::fabs(ott.vv_hold));
    // Without a glide slope the mode holds what it has.
    int w = followed_receiver();
    if (ott.GS2 && has_glide_slope(w))
        desired = -flt.v * std::sin((nav.ilsgs[w] + 2 * nav.vdef[w]) * con.degtorad);

    tune += ((desired - (float)flt.vY) * 0.1f + (0 - flt.aY) * 0.2f) * msc.prd;
    float v = fltmax2(flt.v, PITCH_V_MIN);
    float pitch = std::asin(fltlim(desired / v, -0.99f, 0.99f)) * con.radtodeg + tune;
    float k = pln.is_heli ? 0.1f : 1;
    if (rel.sttrim) flt.elv_trim = ((pitch - flt.the) * k * 0.5f - flt.Q * 0.1f) * inv + initial_trim;
    if (std::fabs(flt.elv_trim) > 1) tune *= 0.95f;
    flt.elv_trim = fltlim(flt.elv_trim, -1, 1);
}

void autothrottle()
{
    // Engaging takes over from the throttle and speed as they are, so that
    // nothing jumps on the first frame.
    if (!old_as) {
        old_as = 1;
        o_speed = flt.vind;
        o_throt = flt.throrqst[0];
    }
    float accel = msc.prd > 0 ? (flt.vind - o_speed) / msc.prd : 0;
    float t = (ott.as_hold - flt.vind) * 0.05f + 0.5f - accel * 0.25f;
    t = fltlim(t, o_throt - 0.1f * msc.prd, o_throt + 0.1f * msc.prd);
    t = fltlim(t, 0, 1);
    o_speed = flt.vind;
    o_throt = t;
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = t;
}

void stability_augmentation(float inv)
{
    float lo = fltlim(interp(pln.ASloV, 1, pln.AShiV, 0, flt.vind), 0, 1);
    float hi = fltlim(interp(pln.ASloV, 0, pln.AShiV, 1, flt.vind), 0, 1);
    float te = flt.elv_trim * 0.5f, tr = flt.rud_trim * 0.25f, ta = flt.ail_trim * 0.1f;
    float p1 = ((set.YK_ptch + te) * pln.ASmaxp1 - flt.Q) * pln.ASp1;
    float p2 = ((set.YK_ptch + te) * pln.ASmaxp2 - flt.Alpha) * pln.ASp2;
    float h1 = ((set.YK_hdng + tr) * pln.ASmaxh1 - flt.R) * pln.ASh1;
    float h2 = ((set.YK_hdng + tr) * pln.ASmaxh2 - flt.Beta - flt.R) * pln.ASh2;
    float r1 = ((set.YK_roll + ta) * pln.ASmaxr1 - flt.P) * pln.ASr1;
    float r2 = ((set.YK_roll + ta) * pln.ASmaxr2 - flt.P) * pln.ASr2;
    float g = rel.stbaug ? inv : 0;
    float g_yaw = rel.stbaug && !flt.onground ? inv : 0;
    set.FC_ptch = set.YK_ptch + g * (p1 * lo + p2 * hi);
    set.FC_hdng = set.YK_hdng + g_yaw * (h1 * lo + h2 * hi);
    set.FC_roll = set.YK_roll + g * (r1 * lo + r2 * hi);
}

// Failed runs and lost hydraulics take the pilot's command away; the trim
// tabs still work.
void failures_and_trims()
{
    set.FC_ptch = fltlim(set.FC_ptch * rel.hyd_rat * (rel.fc_elv ? 1 : 0), -1, 1);
    set.FC_hdng = fltlim(set.FC_hdng * rel.hyd_rat * (rel.fc_rud ? 1 : 0), -1, 1);
    set.FC_roll = fltlim(set.FC_roll * rel.hyd_rat * (rel.fc_ail ? 1 : 0), -1, 1);
    set.FC_ptch = fltlim(set.FC_ptch + flt.elv_trim * 0.5f, -1, 1);
    set.FC_hdng = fltlim(set.FC_hdng + flt.rud_trim * 0.25f, -1, 1);
    set.FC_roll = fltlim(set.FC_roll + flt.ail_trim * 0.1f, -1, 1);
}

void surfaces()
{
    const float roll = set.FC_roll, ptch = set.FC_ptch, hdng = set.FC_hdng;
    if (roll < 0) {
        flt.lailndef = -roll * pln.ailn_up;
        flt.railndef = roll * pln.ailn_dn;
    } else {
        flt.lailndef = -roll * pln.ailn_dn;
        flt.railndef = roll * pln.ailn_up;
    }
    float droop = pln.ailpitch * ptch - pln.ailflaps * flt.flap;
    flt.lailndef += droop;
    flt.railndef += droop;

    if (roll < 0) {
        flt.lsplrdef = -roll * pln.splr_def;
        flt.rsplrdef = 0;
    } else {
        flt.rsplrdef = roll * pln.splr_def;
        flt.lsplrdef = 0;
    }

    flt.ldruddef = fltmax2(-hdng * pln.drud_def, 0);
    flt.rdruddef = fltmax2(hdng * pln.drud_def, 0);

    // A canard works the other way round.
    float e;
    if (pln.Zarm[10] < 0)
        e = ptch > 0 ? -ptch * pln.elev_dn : -ptch * pln.elev_up;
    else
        e = ptch > 0 ? ptch * pln.elev_up : ptch * pln.elev_dn;
    flt.lhstbdef = e - roll * pln.stabroll + hdng * pln.stabhdng;
    flt.rhstbdef = e + roll * pln.stabroll - hdng * pln.stabhdng;

    flt.ruddef = -hdng * pln.rudd_def;
}

void rotors_and_cant()
{
    if (pln.is_heli) {
        if (pln.propdir[0] > 0)
            flt.proppitch[1] = interp(-1, pln.maxpitch[1], 1, pln.minpitch[1], set.FC_hdng);
        else
            flt.proppitch[1] = interp(-1, pln.minpitch[1], 1, pln.maxpitch[1], set.FC_hdng);
    }

    for (int e = 0; e < 4; ++e) {
        flt.vertcant[e] = pln.vertcant[e];
        flt.sidecant[e] = pln.sidecant[e];
    }
    float cyc_ptch = pln.elevcyclic * set.FC_ptch, cyc_roll = pln.ailncyclic * set.FC_roll;
    if (pln.is_heli) {
        flt.vertcant[0] += cyc_ptch;
        flt.sidecant[0] += cyc_roll;
    } else if (pln.vectEQ && pln.entype != 4 && pln.entype != 5) {
        for (int e = 0; e < 2; ++e) {
            flt.vertcant[e] += cyc_ptch;
            flt.sidecant[e] += cyc_roll;
        }
    }
}

void touch_down()
{
    if (flt.onground && !old_onground) {
        if (pln.autofbrkEQ) set.parkbrake = 1;
        if (pln.autosbrkEQ && flt.sbrk == -1) flt.sbrk = 2;
        if (any_autopilot_mode()) APPLICATION_handlekey('!');
    }
    old_onground = flt.onground;
}
} // namespace

void update_controls()
{
    if (msc.mouse_is_joy) {
        set.MK_ptch = (443 - mnw.my) * 0.01f;
        set.MK_roll = (mnw.mx - 400) * 0.01f;
    }

    float ptch, roll, hdng, thro;
    JOY_get(&ptch, &roll, &hdng, &thro, 1);

    const float max_step = YOKE_RATE * msc.prd;
    set.YK_ptch = toward(set.YK_ptch, ptch, max_step);
    set.YK_roll = toward(set.YK_roll, roll, max_step);
    set.YK_hdng = toward(set.YK_hdng, hdng, max_step);

    joystick_throttle(thro);
    first_call = 0;

    // Automatic inputs lose authority with the square of speed above the
    // stall. Without a stall-speed estimate they keep their full authority.
    float ratio = msc.est_Vs > 0 ? flt.vind * con.ktstomsc / msc.est_Vs : 1;
    float fac = pln.is_heli ? 1 : fltlim(ratio * ratio, 1, 100);
    float inv = 1 / fac;

    if (pln.is_heli && !set.eq_ped && !flt.onground) {
        float at_speed = fltlim(ratio, 0, 1);
        float b = at_speed * flt.Beta, r = (1 - at_speed) * flt.R;
        set.YK_hdng = -(0.02f * b + 0.02f * r) * inv;
    }

    if (rel.otto && (ott.HDSLCT || ott.NAV[0] || ott.NAV[1])) roll_channel(inv);

    if (rel.otto && (ott.ALHOLD || ott.VVHOLD || ott.GS2))
        pitch_channel(inv);
    else
        old_alt = 0;

    if (rel.otto && ott.ASHOLD)
        autothrottle();
    else
        old_as = 0;

    set.YK_ptch = fltlim(set.YK_ptch, -1, 1);
    set.YK_roll = fltlim(set.YK_roll, -1, 1);
    set.YK_hdng = fltlim(set.YK_hdng, -1, 1);

    stability_augmentation(inv);
    failures_and_trims();
    surfaces();
    rotors_and_cant();
    touch_down();
}
