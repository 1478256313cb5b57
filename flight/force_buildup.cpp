#include "force_buildup.h"

#include "angles.h"
#include "contact.h"
#include "element_coefficients.h"
#include "engines.h"
#include "records/flight_state.h"
#include "force_accumulators.h"
#include "force_dump.h"
#include "part_frames.h"
#include "records/cockpit_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// Which side's flaps keep working after an asymmetric-flap failure (28 the
// right, 29 the left); drawn once a run.
int sidefail = 0;

int is_left(int p)
{
    return p == 4 || p == 6 || p == 8 || p == 10;
}

int table_deg(int deg)
{
    return ((deg % 360) + 360) % 360;
}

// Share of an engine's wash on a surface by the wash's direction: none
// outside lo..hi, full at max, linear between.
float wash_share(float w, float lo, float max, float hi)
{
    if (w > hi || w < lo) return 0;
    if (w <= max) return max > lo ? (w - lo) / (max - lo) : 1;
    return hi > max ? (hi - w) / (hi - max) : 1;
}

int flaps_work(int p)
{
    if (rel.symflp == 1) return 1;
    return is_left(p) ? sidefail == 29 : sidefail == 28;
}

struct increments {
    float cl, cd, cm, induced;
};

template <bool TRACE>
void add_control(increments& inc, int p, int type, float rat, float def, const char* name, int induces)
{
    float cl, cd, cm;
    if (TRACE) set_con_eff(p, type, rat, def, cl, cd, cm, name);
    else control_effect(p, type, rat, def, cl, cd, cm);
    inc.cl += cl;
    inc.cd += cd;
    inc.cm += cm;
    if (induces) inc.induced += induce_alpha(cl, p);
}

template <bool TRACE>
increments control_increments(int p, int el)
{
    increments inc = {0, 0, 0, 0};
    int left = p == 4 || p == 6 || p == 8;
    if (pln.ailn[p][el])
        add_control<TRACE>(inc, p, 12, pln.ailn_crat, left ? flt.lailndef : flt.railndef, "AILERON", 1);
    if (pln.splr[p][el])
        add_control<TRACE>(inc, p, 13, pln.splr_crat, left ? flt.lsplrdef : flt.rsplrdef, "SPOILER", 0);
    if (pln.sbrk[p][el] && flt.sbrk > 0)
        add_control<TRACE>(inc, p, 14, pln.sbrk_crat, flt.sbrk * pln.sbrk_def * 0.5f, "SPEEDBRAKE", 0);
    if (pln.drud[p][el])
        add_control<TRACE>(inc, p, 15, pln.drud_crat, left ? flt.ldruddef : flt.rdruddef, "DRAG-RUDDER", 0);
    if (pln.elev[p][el] && pln.hstabtype == 0)
        add_control<TRACE>(inc, p, 12, pln.elev_crat, p == 10 ? flt.lhstbdef : flt.rhstbdef, "ELEVATOR", 1);
    if (pln.rudd[p][el]) add_control<TRACE>(inc, p, 12, pln.rudd_crat, flt.ruddef, "RUDDER", 1);
    if (pln.flap[p][el] && flt.flap > 0.01f && flaps_work(p)) {
        int row = intlim(round(flt.flap * 50), 0, 50);
        inc.cl += pln.clflap[row];
        inc.cd += pln.cdflap[row];
        inc.cm += pln.cmflap[row];
        inc.induced += induce_alpha(pln.clflap[row], p);
        if (TRACE) trace_flaps(pln.clflap[row], pln.cdflap[row], pln.cmflap[row]);
    }
    return inc;
}

// Direction of each propeller's wash, degrees in aircraft axes (0 level, 90
// straight up), and the sine and cosine of its cant.
struct wash {
    float dir, sin_cant, cos_cant;
};

// An element's flow: its speed and angle (flt.v_el, flt.alpha, flt.deldir)
// from the aircraft's motion, the propellers' wash, the downwash and the
// stabiliser's setting. No element's flow hangs on another's forces.
template <bool TRACE>
void element_flow(int p, int el, const part_frame& f, float sin_di, float cos_di, float Vinplane, const wash* washes,
                  int washing)
{
    float X = f.X[el], Y = f.Y[el], Z = f.Z[el];
    float alpha0 = flt.Alpha * cos_di + pln.anginc[p][el] - flt.Beta * sin_di;
    flt.deldir[p][el] = -alpha0;

    float a0 = alpha0 * con.degtorad;
    float axial = std::cos(a0) * Vinplane - flt.Qrad * Y - flt.Rrad * X;
    float normal = std::sin(a0) * Vinplane + (flt.Qrad * Z + flt.Prad * X) * cos_di +
                   (flt.Prad * Y - flt.Rrad * Z) * sin_di;
    if (TRACE) trace_element(el, X, Y, Z, alpha0, Vinplane, axial, normal);

    for (int e = 0; e < washing; ++e) {
        if (!pln.in_propwash[p][e][el]) continue;
        float share = wash_share(washes[e].dir, pln.lo_washdir[p][e], pln.max_washdir[p][e], pln.hi_washdir[p][e]);
        if (share == 0) continue;
        float dv = share * flt.DVinc[e];
        // The fin stands in the wash whatever the engine's cant.
        axial += p == 12 || p == 13 ? dv : washes[e].cos_cant * dv;
        normal -= washes[e].sin_cant * dv;
        if (TRACE) trace_propwash(e, washes[e].dir, share, dv, axial, normal);
    }

    flt.v_el[p][el] = std::sqrt(axial * axial + normal * normal);
    flt.alpha[p][el] = atan2_fast(normal, axial) * con.radtodeg + flt.downwash[p][el];
    flt.deldir[p][el] += flt.alpha[p][el];
    if (TRACE) trace_downwash(p, el);

    if (p == 10 || p == 11) {
        float def_inc = 0, trim_inc = 0;
        if (pln.hstabtype == 1) {
            def_inc = -(p == 10 ? flt.lhstbdef : flt.rhstbdef);
            flt.alpha[p][el] += def_inc;
        }
        if (pln.hstbtrimmax > 0.01f) {
            trim_inc = flt.elv_trim * pln.hstbtrimmax * (pln.Zarm[10] < 0 ? 1.0f : -1.0f);
            flt.alpha[p][el] += trim_inc;
        }
        if (TRACE) trace_stab(def_inc, trim_inc, p, el);
    }
}

// An element's forces at its flow, with its control surfaces, into the sums;
// its lift sheds downwash. A control's effect hangs on the part's stall flag,
// which the part's previous element left.
template <bool TRACE>
void element_forces(int p, int el, const part_frame& f, float sin_di, float cos_di, float wash_per_cl,
                    float& stall_pulse, aero_sums& sums, float* downwash_from)
{
    increments inc = control_increments<TRACE>(p, el);
    flt.alpha[p][el] += inc.induced;
    if (TRACE) trace_induced(inc.induced, p, el);

    float lift, drag, momt;
    float cl = F_el_force(inc.cl, inc.cd, inc.cm, lift, drag, momt, p, el);
    add_aero(sums, -drag, -lift * sin_di, lift * cos_di, f.X[el], f.Y[el], f.Z[el]);
    sums.M += momt * cos_di;
    sums.N -= momt * sin_di;
    if (TRACE) {
        aero_sums_to_record(sums);
        aeroforcerep();
    }

    // A stalled surface sheds a pulsing wake.
    float k = 1;
    if (flt.stalled[p]) {
        if (stall_pulse < 0) stall_pulse = std::fabs(std::sin(2 * msc.elap_time));
        k = stall_pulse;
    }
    downwash_from[p] += k * wash_per_cl * cl / f.els;
}

// The traced copy serves the one-cycle dump, element by element; the
// untraced one has no trace call in its loops to keep its values around, and
// finds every element's flow first, so that the flows run back to back
// instead of each waiting on the look-up before it.
template <bool TRACE>
void lifting_parts(const wash* washes, int washing, float* downwash_from)
{
    float stall_pulse = -1;
    aero_sums sums = aero_sums_from_record();   // in locals over every element
    for (int p = 4; p <= 17; ++p) {
        if (!have_this_part(p)) continue;
        const part_frame& f = frame_of(p);
        if (TRACE) trace_part(p);
        float sin_di = is_left(p) ? -f.sin_dihed : f.sin_dihed;
        float cos_di = f.cos_dihed;

        float beta_sweep = flt.Beta * cos_di;
        float sweep = pln.sweepnow[p] + flt.Alpha * std::fabs(sin_di) + (is_left(p) ? -beta_sweep : beta_sweep);
        float Vinplane = std::fabs(std::cos(sweep * con.degtorad) * flt.av);
        // A swept surface sheds less downwash per unit of lift.
        float wash_per_cl = pln.spec_wash[p] * std::cos(pln.sweepnow[p] * con.degtorad);

        if (TRACE) {
            for (int el = 0; el < f.els; ++el) {
                element_flow<TRACE>(p, el, f, sin_di, cos_di, Vinplane, washes, washing);
                element_forces<TRACE>(p, el, f, sin_di, cos_di, wash_per_cl, stall_pulse, sums, downwash_from);
            }
        } else {
            for (int el = 0; el < f.els; ++el) element_flow<TRACE>(p, el, f, sin_di, cos_di, Vinplane, washes, washing);
            for (int el = 0; el < f.els; ++el)
                element_forces<TRACE>(p, el, f, sin_di, cos_di, wash_per_cl, stall_pulse, sums, downwash_from);
        }
    }
    aero_sums_to_record(sums);
}

// The downwash each surface sheds reaches the next half-step's elements.
void downwash_map(const float* downwash_from)
{
    // Only the surfaces that shed any wash, in order: a zero adds nothing.
    int shedding[8], n = 0;
    for (int q = 4; q <= 11; ++q)
        if (downwash_from[q] != 0) shedding[n++] = q;
    for (int p = 4; p <= 11; ++p) {
        int els = intlim(pln.els[p], 0, 8);
        for (int el = 0; el < els; ++el) {
            float sum = 0;
            for (int k = 0; k < n; ++k)
                if (pln.in_downwash[p][shedding[k]][el]) sum += downwash_from[shedding[k]];
            flt.downwash[p][el] = -sum;
        }
    }
}

void fuselage()
{
    float v = pln.fusewash ? flt.av + flt.DVinc[0] : flt.av;
    float q = 0.5f * atm.rho * v * v;
    float lift = flt.sinalph * pln.fuse_s_top * q * 0.27f;
    float side = flt.sinbeta * pln.fuse_s_sid * q * 0.27f;
    float a = fltlim(flt.Alpha, -15, 15), b = fltlim(flt.Beta, -15, 15);
    float o = std::sqrt(a * a + b * b);
    float cd = interp(0, pln.fuse_cd, 90, 0.27f, o);
    float area = interp(0, pln.fuse_s_frn, 90, (pln.fuse_s_top + pln.fuse_s_sid) / 2, o);
    addFaero(-cd * area * q, side, lift, 0, pln.fuseYcent, pln.fuseZcent);
    if (set.cycout) trace_fuselage(v, lift, side, o, cd, area, cd * area * q);
}

void body_drag(int p, float cd, float area, float v)
{
    float drag = cd * area * 0.5f * atm.rho * v * v;
    addFaero(-drag, 0, 0, 0, 0, 0);
    if (set.cycout) trace_body(p, cd, area, v, drag);
}

void other_bodies()
{
    int jet = pln.entype == 4 || pln.entype == 5;
    for (int p = 19; p <= 27; ++p) {
        if (!have_this_part(p)) continue;
        if (p <= 22) {
            if (jet) continue;
            body_drag(p, pln.entype == 3 ? pln.fuse_cd : 2 * pln.fuse_cd, pln.nace_s, flt.av + flt.DVinc[p - 19]);
        } else if (p <= 24) {
            body_drag(p, pln.fuse_cd, pln.misc_s, flt.av);
        } else {
            body_drag(p, 0.05f, pln.fair_s, flt.av);
        }
    }

    if (pln.gear_type > 2) {
        float area = 1.6f * pln.wheelrad * pln.wheelrad * (pln.fair_eq ? 0.1f : 1.0f);
        for (int g = 0; g < 3; ++g)
            if (pln.gear_stat[g]) {
                addFaero(-0.25f * area * flt.Qstatic, 0, 0, 0, pln.mgearY, pln.mgearZ);
                if (set.cycout) trace_tyre(area, 0.25f * area * flt.Qstatic);
            }
    }
    if (pln.fbrkEQ && flt.sbrk > 0) {
        float drag = pln.brake_area * flt.Qstatic * (flt.sbrk * 0.5f) * 1.23f;
        addFaero(-drag, 0, 0, 0, 0, 0);
        if (set.cycout) trace_brakes(drag);
    }
    if (pln.chuteEQ && ins.chute_on) {
        float drag = pln.chute_area * flt.Qstatic * 1.42f;
        addFaero(-drag, 0, 0, 0, 0, 0);
        if (set.cycout) trace_chutes(drag);
    }
    if (set.cycout) aeroforcerep();
}

void contact()
{
    flt.onground = 0;
    if (flt.Y - env.localh_cg >= 50) return;
    contact_phase();
    if (flt.wired) addFagear(-flt.m_total * flt.trap_accel, 0, 0.2f * pln.mgearY);
}

void torque_reaction()
{
    if (pln.is_heli || pln.entype < 1 || pln.entype > 3 || pln.omegamax <= 0) return;
    if (pln.numen == 1 || pln.propdir[0] == pln.propdir[1])
        flt.L += 2 * flt.Qratio * pln.propdir[0] * 0.75f * pln.numen * pln.pmax / pln.omegamax;
}

// One frame's force components into north, east and up, by that frame's
// pitch, heading and roll.
void to_world(float Fa, float Fs, float Fn, float st, float ct, float sp, float cp, float sf, float cf, float* north,
              float* east, float* up)
{
    *north += ct * cp * Fa + (sf * st * cp - cf * sp) * Fs - (sf * sp + cf * st * cp) * Fn;
    *east += ct * sp * Fa + (cf * cp + sf * st * sp) * Fs - (cf * st * sp - sf * cp) * Fn;
    *up += st * Fa - sf * ct * Fs + cf * ct * Fn;
}

void accelerations()
{
    float north = 0, east = 0, up = 0;
    to_world(flt.faxilprop, flt.fsideprop, flt.fnrmlprop, flt.sinthe, flt.costhe, flt.sinpsi, flt.cospsi, flt.sinphi,
             flt.cosphi, &north, &east, &up);
    to_world(flt.faxilaero, flt.fsideaero, flt.fnrmlaero, flt.sinavpath, flt.cosavpath, flt.sinahpath, flt.cosahpath,
             flt.sinphi_path, flt.cosphi_path, &north, &east, &up);
    north += flt.faxilgear * flt.cospsi - flt.fsidegear * flt.sinpsi;
    east += flt.faxilgear * flt.sinpsi + flt.fsidegear * flt.cospsi;
    up += flt.fnrmlgear;

    // Ice adds mass, and adds it far out on the surfaces.
    float k = 1 + msc.frame_ice;
    float m = flt.m_total * k;
    if (m > 0) {
        flt.aX = east / m;
        flt.aY = up / m - atm.g;
        flt.aZ = -north / m;
    } else {
        flt.aX = flt.aZ = 0;
        flt.aY = -atm.g;
    }
    float mk2 = flt.m_total * k * k;
    float Jroll = pln.Jzz_unitmass * mk2, Jpitch = pln.Jxx_unitmass * mk2, Jyaw = pln.Jyy_unitmass * mk2;
    flt.Pdot = Jroll > 0 ? flt.L / Jroll * con.radtodeg : 0;
    flt.Qdot = Jpitch > 0 ? flt.M / Jpitch * con.radtodeg : 0;
    flt.Rdot = Jyaw > 0 ? flt.N / Jyaw * con.radtodeg : 0;
    if (set.cycout) trace_totals(north, east, up, m, Jroll, Jpitch, Jyaw);
}
} // namespace

void set_a()
{
    if (!sidefail) sidefail = intrand(28, 29);

    flt.L = flt.M = flt.N = 0;
    flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0;
    flt.faxilaero = flt.fsideaero = flt.fnrmlaero = 0;
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0;

    if (atm.rho > 0) {
        if (pln.entype >= 1 && pln.entype <= 3) props();
        if (pln.entype == 4 || pln.entype == 5) jets();
    }

    if (ins.jato_on) {
        int h = table_deg((int)pln.jatotheta);
        addFaprop(pln.jatothrust * lookup_cos[h], 0, pln.jatoY);
        addFnprop(pln.jatothrust * lookup_sin[h], 0, pln.jatoZ);
        flt.jatoleft -= msc.prd;
        if (flt.jatoleft < 0) ins.jato_on = 0;
    }
    if (set.cycout) {
        trace_text("After JATO:\n");
        propforcerep();
    }

    if (pln.puffEQ) {
        flt.L += pln.puffL * set.FC_roll;
        flt.M += pln.puffM * set.FC_ptch;
        flt.N += pln.puffN * set.FC_hdng;
    }
    if (set.cycout) {
        trace_text("After puffers:\n");
        propforcerep();
    }

    // Only propellers wash the surfaces; the wash direction is the engine's,
    // whatever surface it meets.
    wash washes[4];
    int washing = 0;
    if (pln.entype >= 1 && pln.entype <= 3) {
        washing = intlim(pln.numen, 0, 4);
        for (int e = 0; e < washing; ++e) {
            float c = flt.vertcant[e] * con.degtorad;
            washes[e].sin_cant = std::sin(c);
            washes[e].cos_cant = std::cos(c);
            washes[e].dir = atan2_fast(flt.av * flt.sinalph - washes[e].sin_cant * flt.DVinc[e],
                                       flt.av * flt.cosalph + washes[e].cos_cant * flt.DVinc[e]) *
                            con.radtodeg;
        }
    }

    float downwash_from[28] = {0};
    if (set.cycout) lifting_parts<true>(washes, washing, downwash_from);
    else lifting_parts<false>(washes, washing, downwash_from);
    downwash_map(downwash_from);

    fuselage();
    other_bodies();

    contact();
    torque_reaction();
    accelerations();
}
