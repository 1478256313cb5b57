#include "element_coefficients.h"

#include "records/flight_state.h"
#include "force_dump.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>

// Per part, whether the tip low, root high, tip high (against tip low) and
// tip high (against root high) airfoils are files of their own.
int foil_share[28][4];

namespace {
// The tables run in 0.1 degree steps to 20 degrees, then in whole degrees to
// 90; the last usable position keeps HI within the table.
const float INDEX_CAP = 269.99f;

struct coeffs {
    float cl, cd, cm;
};

// 1/x for an x that seldom changes (a constant, a part's shape, the speed of
// sound): every element takes it, the division is made only when x changes.
struct reciprocal {
    float x = 0, r = INFINITY;
    float of(float v)
    {
        if (!(v == x)) x = v, r = 1 / v;
        return r;
    }
};
reciprocal per_viscosity, per_sound_speed, per_induced[28];

// An element's place along the span, (el + 0.5) / els, made once for
// every count a part can have.
struct span_places {
    float w[9][8];
    span_places()
    {
        for (int els = 1; els <= 8; ++els)
            for (int el = 0; el < 8; ++el) w[els][el] = (el + 0.5f) / els;
    }
};
const span_places span;

inline float span_place(int el, int els)
{
    return els >= 1 && els <= 8 && el >= 0 && el < 8 ? span.w[els][el] : (el + 0.5f) / els;
}

coeffs mix(const coeffs& a, const coeffs& b, float w)
{
    return {a.cl + (b.cl - a.cl) * w, a.cd + (b.cd - a.cd) * w, a.cm + (b.cm - a.cm) * w};
}

// Weight of a station's high-Reynolds slot: re_blend's rule (the number
// clamped into the pair's range, equal numbers giving the low slot), taken
// once for all three coefficients.
inline float re_weight(int en, int RT, float Re_meg)
{
    float lo = afl.Re[en][RT][0], hi = afl.Re[en][RT][1];
    if (lo == hi) return 0;
    float use = lo < hi ? (Re_meg < lo ? lo : Re_meg > hi ? hi : Re_meg) : (Re_meg < hi ? hi : Re_meg > lo ? lo : Re_meg);
    return (use - lo) / (hi - lo);
}

// The straight line through two points, in the element's own precision; two
// break angles that coincide give the first point's value.
inline float line(float x1, float y1, float x2, float y2, float x)
{
    return x2 != x1 ? y1 + (y2 - y1) / (x2 - x1) * (x - x1) : y1;
}

// The part-wide factors of a look-up: the finite-wing factor on the angle,
// the slat stretch, and the stall angle brought to the section's footing
// (the section's angle is compared with it, not the element's).
struct part_factors {
    float kal, s, stall_at;
    int slatted;
};

inline part_factors factors_of(int EN, int el)
{
    part_factors p;
    p.s = 1 + (pln.slat_effect[EN] - 1) * flt.slat;
    p.kal = pln.al_D_al0[EN];
    p.slatted = pln.slat[EN][el];
    p.stall_at = pln.alpha_max[EN] * pln.al_D_al0[EN] * p.s;
    return p;
}

// Where an element's angle falls on one slot's curves: the angle rotated
// about the slot's zero-lift angle, the table position and its weights,
// shared by lift, drag and moment (and by every slot of the same zero-lift
// angle).
struct foil_pos {
    float alpha, m;
    int LO;
    float wLO, wHI;
};

inline foil_pos position(float alpha, float al_zl, const part_factors& p)
{
    foil_pos q;
    float a = (alpha - al_zl) * p.kal;
    if (p.slatted) a = a / p.s;
    a = a + al_zl;
    q.alpha = a;
    q.m = std::fabs(a);
    float f = q.m <= 20 ? 10 * q.m : q.m - 20 + 200;
    // Written so that an angle that is not a number lands on the cap too.
    if (!(f < INDEX_CAP)) f = INDEX_CAP;
    q.LO = (int)f;
    int HI = q.LO + 1;
    q.wLO = HI - f;
    q.wHI = 1 - q.wLO;
    return q;
}

// The slot's coefficients at a table position; positive is the sign of the
// element's own angle, which picks the tables.
inline coeffs values(const foil_pos& q, int positive, int EN, int RT, int Re, const part_factors& p)
{
    float alpha = q.alpha;
    float l;
    if (q.m < 10) {
        l = afl.clM[EN][RT][Re] * alpha + afl.clB[EN][RT][Re];
    } else {
        const float* T = positive ? afl.clpos[EN][RT][Re] : afl.clneg[EN][RT][Re];
        int lo = q.LO < 100 ? 100 : q.LO;
        l = q.wLO * T[lo - 100] + q.wHI * T[lo + 1 - 100];
    }
    if (p.slatted) l = l * p.s;
    const float* D = positive ? afl.cdpos[EN][RT][Re] : afl.cdneg[EN][RT][Re];
    coeffs c;
    c.cd = q.wLO * D[q.LO] + q.wHI * D[q.LO + 1];
    c.cl = l;

    float cmal2 = afl.cmal2[EN][RT][Re], cmal3 = afl.cmal3[EN][RT][Re];
    float cm1 = afl.cm1[EN][RT][Re], cm2 = afl.cm2[EN][RT][Re];
    float cm3 = afl.cm3[EN][RT][Re], cm4 = afl.cm4[EN][RT][Re];
    if (cmal2 <= alpha && alpha <= cmal3) c.cm = line(cmal2, cm2, cmal3, cm3, alpha);
    else if (cmal3 <= alpha && alpha <= 20) c.cm = line(cmal3, cm3, 20, cm4, alpha);
    else if (-20 <= alpha && alpha <= cmal2) c.cm = line(-20, cm1, cmal2, cm2, alpha);
    else if (alpha >= 20) c.cm = line(20, cm4, 90, -0.32f, alpha);
    else c.cm = line(-90, 0.32f, -20, cm1, alpha);
    return c;
}

// The four slots of an element: each distinct airfoil looked up once, the
// table position found once per zero-lift angle, each look-up traced when the
// one-cycle dump asks. The stall flag is the last slot's, as slot by slot.
struct element_slots {
    coeffs rl, tl, rh, th;
};

template <bool TRACE>
inline element_slots look_up(float alpha, int en, int el)
{
    part_factors p = factors_of(en, el);
    int positive = alpha > 0;
    float zl = afl.al_zl[en][0][0];
    foil_pos q0 = position(alpha, zl, p);
    int stalled = 0;
    auto slot_at = [&](int RT, int Re) {
        float z = afl.al_zl[en][RT][Re];
        foil_pos q = z == zl ? q0 : position(alpha, z, p);
        stalled = q.alpha > p.stall_at;
        coeffs c = values(q, positive, en, RT, Re, p);
        if (TRACE) trace_anyfoil(RT, Re, p.slatted, p.s, z, q.alpha, c.cl, c.cd, c.cm);
        return c;
    };
    element_slots s;
    s.rl = slot_at(0, 0);
    s.tl = foil_share[en][0] ? slot_at(1, 0) : s.rl;
    s.rh = foil_share[en][1] ? slot_at(0, 1) : s.rl;
    s.th = !foil_share[en][2] ? s.tl : foil_share[en][3] ? slot_at(1, 1) : s.rh;
    flt.stalled[en] = stalled;
    return s;
}

} // namespace

void anyfoil(float alpha, float& cl, float& cd, float& cm, int EN, int RT, int Re, int el)
{
    part_factors p = factors_of(EN, el);
    float al_zl = afl.al_zl[EN][RT][Re];
    foil_pos q = position(alpha, al_zl, p);
    flt.stalled[EN] = q.alpha > p.stall_at;
    coeffs c = values(q, alpha > 0, EN, RT, Re, p);
    cl = c.cl;
    cd = c.cd;
    cm = c.cm;
    if (set.cycout) trace_anyfoil(RT, Re, p.slatted, p.s, al_zl, q.alpha, cl, cd, cm);
}

void note_shared_foils()
{
    for (int en = 0; en < 28; ++en) {
        foil_share[en][0] = std::strcmp(pln.Tafl0[en], pln.Rafl0[en]) != 0;
        foil_share[en][1] = std::strcmp(pln.Rafl1[en], pln.Rafl0[en]) != 0;
        foil_share[en][2] = std::strcmp(pln.Tafl1[en], pln.Tafl0[en]) != 0;
        foil_share[en][3] = std::strcmp(pln.Tafl1[en], pln.Rafl1[en]) != 0;
    }
}

namespace {
// The element's coefficients; the traced copy serves the one-cycle dump, so
// that the untraced one has no call in it to keep its values around.
template <bool TRACE>
void subsonic(float modcl, float modcd, float modcm, float& cl, float& cd, float& cm, int en, int el)
{
    float alpha = flt.alpha[en][el];

    // Each distinct airfoil is looked up once (the tip's high-Reynolds file
    // is often the root's), and only distinct slots are blended.
    int root_high_own = foil_share[en][1];
    int tip_high_own = foil_share[en][2];
    element_slots s = look_up<TRACE>(alpha, en, el);
    const coeffs &rl = s.rl, &tl = s.tl, &rh = s.rh, &th = s.th;

    // The high slot's weight at each station by the element's Reynolds
    // number in millions.
    float v = flt.v_el[en][el];
    // Divisors that do not depend on the element's flow are inverted apart
    // from it, so that no division waits on the angle and speed.
    float Re_meg = v * atm.rho * pln.mac[en][el] * per_viscosity.of(con.muair * 1000000);
    coeffs root = root_high_own ? mix(rl, rh, re_weight(en, 0, Re_meg)) : rl;
    coeffs tip = tip_high_own ? mix(tl, th, re_weight(en, 1, Re_meg)) : tl;

    int els = pln.els[en] < 1 ? 1 : pln.els[en];
    coeffs c = mix(root, tip, span_place(el, els));
    if (TRACE) {
        // The Reynolds rows as the blend used them: a shared file stands in its slot.
        float r_lo[3] = {rl.cl, rl.cd, rl.cm}, t_lo[3] = {tl.cl, tl.cd, tl.cm};
        float r_hi[3] = {rh.cl, rh.cd, rh.cm}, t_hi[3] = {th.cl, th.cd, th.cm}, b[3] = {c.cl, c.cd, c.cm};
        trace_subsonic(en, el, Re_meg, r_lo, t_lo, r_hi, t_hi, b, modcl, modcd, modcm);
    }
    // Worked on in locals: the outputs could alias the records.
    float l = c.cl + modcl, d = c.cd + modcd, m = c.cm + modcm;

    l *= pln.cl_D_cl0[en];
    m *= pln.cm_D_cm0[en];

    // A part of no span or no efficiency sheds no induced drag.
    float eAR = pln.e[en] * pln.AR[en];
    float cdi = eAR > 0 ? l * l * per_induced[en].of(eAR * con.pi) : 0;
    int in_ground_effect = pln.is_heli ? en == 0 : en >= 4 && en <= 11;
    if (l > 0 && in_ground_effect) {
        cdi *= flt.CDIgrndeffect[en];
        l *= flt.CL_grndeffect[en];
    }
    d += cdi;

    float M = atm.a > 0 ? v * per_sound_speed.of(atm.a) : 0;
    float Mpg = M < 0 ? 0 : M > 0.8f ? 0.8f : M;
    float pg = 1 / std::sqrt(1 - Mpg * Mpg);
    l *= pg;
    m *= pg;
    float Mdd = 0.7f - 0.2f * l;
    if (M > Mdd) d += 2.5f * (Mpg - Mdd) * (Mpg - Mdd);

    m -= 0.25f * pln.delta_fac[en] * l;

    float ice = msc.frame_ice;
    if (ice > 0.001f) {
        l = l / (1 + 0.5f * ice);
        d = d * (1 + 4 * ice);
    }
    cl = l;
    cd = d;
    cm = m;
}
} // namespace

void Fco_subsonic(float modcl, float modcd, float modcm, float& cl, float& cd, float& cm, int en, int el)
{
    if (set.cycout) subsonic<true>(modcl, modcd, modcm, cl, cd, cm, en, el);
    else subsonic<false>(modcl, modcd, modcm, cl, cd, cm, en, el);
}

namespace {
template <bool TRACE>
float element_force(float modcl, float modcd, float modcm, float sd, float cdl, float& lift, float& drag, float& momt,
                    int en, int el)
{
    float cl, cd, cm;
    if (flt.machno < 1) subsonic<TRACE>(modcl, modcd, modcm, cl, cd, cm, en, el);
    else Fco_supersonic(modcl, modcd, modcm, cl, cd, cm, en, el);

    float cl_path = cl * cdl + cd * sd;
    float cd_path = cd * cdl - cl * sd;

    float v = flt.v_el[en][el];
    float q = 0.5f * atm.rho * v * v * pln.s[en][el];
    lift = cl_path * q;
    drag = cd_path * q;
    momt = cm * q * pln.mac[en][el];
    if (TRACE) trace_element_force(en, el, cl, cd, cm, cl_path, cd_path, lift, drag, momt);
    return cl;
}
} // namespace

float F_el_force(float modcl, float modcd, float modcm, float& lift, float& drag, float& momt, int en, int el)
{
    float d = flt.deldir[en][el] * con.degtorad;
    return F_el_force_turned(modcl, modcd, modcm, std::sin(d), std::cos(d), lift, drag, momt, en, el);
}

float F_el_force_turned(float modcl, float modcd, float modcm, float sd, float cdl, float& lift, float& drag,
                        float& momt, int en, int el)
{
    if (set.cycout) return element_force<true>(modcl, modcd, modcm, sd, cdl, lift, drag, momt, en, el);
    return element_force<false>(modcl, modcd, modcm, sd, cdl, lift, drag, momt, en, el);
}

void Fco_supersonic(float modcl, float modcd, float modcm, float& cl, float& cd, float& cm, int en, int el)
{
    cl = cd = 0;
    float ang = std::atan(afl.trat[en][0] + afl.trat[en][1]) * con.radtodeg / 2;
    float M = fltlim(flt.machno, 1.1f, 3.0f);
    float alpha = flt.alpha[en][el];
    supersonic_flatplate(alpha - ang, cl, cd, M, 0.5f);
    supersonic_flatplate(alpha + ang, cl, cd, M, 0.5f);
    supersonic_flatplate(alpha + ang, cl, cd, M, 0.5f);
    supersonic_flatplate(alpha - ang, cl, cd, M, 0.5f);
    cd += 0.0046f;
    cm = -0.25f * cl;
    cl += modcl;
    cd += modcd;
    cm += modcm;
    if (set.cycout) trace_supersonic(alpha, M, cl, cd, cm, modcl, modcd, modcm);
}

void supersonic_flatplate(float alpha, float& cl, float& cd, float machno, float foil_rat)
{
    float a = alpha * con.degtorad;
    float Cp = 2 * a / std::sqrt(machno * machno - 1);
    cl += std::cos(a) * Cp * foil_rat;
    cd += std::sin(a) * Cp * foil_rat;
}

void set_con_eff(int en, int con_type, float rat, float def, float& cl, float& cd, float& cm, const char* str)
{
    control_effect(en, con_type, rat, def, cl, cd, cm);
    if (set.cycout) trace_control(str, rat, def, cl, cd, cm);
}
