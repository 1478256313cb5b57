// A value outside these ranges (or NaN, or infinite) would reach the gauge
// scales' float-to-int conversions or turn the flight state into NaN; the
// ranges are wide enough for any real aircraft.
#include "plane_ranges.h"

#include "part_geometry.h"
#include "plane_record.h"

#include <cmath>
#include <cstdio>

namespace {
using FieldRange = plane_field_range;
using IntRange = plane_count_range;

#define FLOATS(x) (int)(sizeof(x) / sizeof(float))
#define FIELD(f, lo, hi) {#f, (const float*)&pln.f, FLOATS(pln.f), 0, 0, lo, hi, 0}
#define GRID(f, lo, hi) {#f, &pln.f[0][0], FLOATS(pln.f), FLOATS(pln.f[0]), 0, lo, hi, 0}
#define BODY(f, lo, hi) {#f, &pln.f[0][0][0], FLOATS(pln.f), FLOATS(pln.f[0][0]), FLOATS(pln.f[0]), lo, hi, 0}
#define SPEED(f) {#f, &pln.f, 1, 0, 0, 0, 5000, 1}
// Every speed is taken in proportion to Vne: below 10 kt the overspeed
// moments alone throw the aircraft off the world.
#define VNE(f) {#f, &pln.f, 1, 0, 0, 0, 5000, 10}
// A divisor of the flight: 0 (not given) or a size a real aircraft can have.
#define DIVISOR(f, lo, from, hi) {#f, (const float*)&pln.f, FLOATS(pln.f), 0, 0, lo, hi, from}

const float LEN = 10000;   // ft: positions and sizes
const float CHORD = 200;   // ft: a chord, a wing panel's span; beyond, the panel's forces overflow the flight
const float ANG = 360;     // deg
const float DEF = 180;     // deg: control travels and cants
const float BIG = 1e7f;    // lb, ft lb, gains: far beyond any aircraft

} // namespace

// zero_or_from: a speed of 1e-44 knots would divide the flight by almost zero.
const plane_field_range* plane_field_ranges(int* n)
{
    static const FieldRange table[] = {
        SPEED(Vso), SPEED(Vs), SPEED(Vfe), SPEED(Vno), VNE(Vne), FIELD(Mmo, 0, 10),
        FIELD(peX, -LEN, LEN), FIELD(peY, -LEN, LEN), FIELD(peZ, -LEN, LEN),
        // The engine turns the propeller through the gear ratio: a turbine
        // helicopter's is near 100, a direct drive's 1.
        FIELD(sfc, 0, 100), FIELD(pmax, 0, 1e5f), DIVISOR(gearrat, 0, 0.01f, 100), FIELD(critalt, 0, 2e5f),
        FIELD(mpmax, 0, 1000), FIELD(omegamin, 0, 1e5f), DIVISOR(omegamax, 0, 1, 1e5f), FIELD(omegamingreen, 0, 1e5f),
        FIELD(omegamaxgreen, 0, 1e5f), FIELD(tmax, 0, 1e6f), FIELD(burnerinc, 0, 1e6f), FIELD(facejet, 0, 1e4f),
        DIVISOR(spooltime, 0, 0.01f, 1000), FIELD(vectarm, -LEN, LEN), FIELD(pylondx, -LEN, LEN), FIELD(pylondz, -LEN, LEN),
        FIELD(trotor_rat, 0, 100), FIELD(numblades, 0, 20), FIELD(minpitch, -ANG, ANG), FIELD(maxpitch, -ANG, ANG),
        FIELD(sidecant, -ANG, ANG), FIELD(vertcant, -ANG, ANG), FIELD(des_adv, -BIG, BIG), FIELD(des_rpm, -BIG, BIG),
        FIELD(des_vel, -BIG, BIG),
        FIELD(Xarm, -LEN, LEN), FIELD(Yarm, -LEN, LEN), FIELD(Zarm, -LEN, LEN), DIVISOR(Croot, -CHORD, 0.01f, CHORD),
        DIVISOR(Ctip, -CHORD, 0.01f, CHORD), DIVISOR(semilen, -CHORD, 0.01f, CHORD), FIELD(sweep1, -ANG, ANG), FIELD(sweep2, -ANG, ANG),
        FIELD(dihed, -ANG, ANG), GRID(anginc, -ANG, ANG),
        FIELD(slat_inc, -DEF, DEF), FIELD(hstbtrimmax, -DEF, DEF),
        FIELD(ailn_crat, 0, 1), FIELD(ailn_up, -DEF, DEF), FIELD(ailn_dn, -DEF, DEF),
        FIELD(elev_crat, 0, 1), FIELD(elev_up, -DEF, DEF), FIELD(elev_dn, -DEF, DEF),
        FIELD(rudd_crat, 0, 1), FIELD(rudd_def, -DEF, DEF), FIELD(splr_crat, 0, 1), FIELD(splr_def, -DEF, DEF),
        FIELD(drud_crat, 0, 1), FIELD(drud_def, -DEF, DEF), FIELD(sbrk_crat, 0, 1), FIELD(sbrk_def, -DEF, DEF),
        FIELD(fuse_cd, 0, 100), FIELD(misc_X, -LEN, LEN), FIELD(misc_Y, -LEN, LEN), FIELD(misc_Z, -LEN, LEN),
        FIELD(body_r, -LEN, LEN), BODY(body_X, -LEN, LEN), BODY(body_Y, -LEN, LEN), BODY(body_Z, -LEN, LEN),
        FIELD(cgZ, -LEN, LEN), FIELD(cgY, -LEN, LEN),
        DIVISOR(m_empty, 0, 1, BIG), FIELD(m_max, 0, BIG), FIELD(m_fuel, 0, BIG), FIELD(m_jettison, 0, BIG),
        FIELD(nwsteer, -ANG, ANG),
        FIELD(skidX, -LEN, LEN), FIELD(skidY, -LEN, LEN), FIELD(skidZ, -LEN, LEN), FIELD(skidl, -LEN, LEN),
        FIELD(ngearZ, -LEN, LEN), FIELD(ngearY, -LEN, LEN), FIELD(mgearZ, -LEN, LEN), FIELD(mgearX, -LEN, LEN),
        FIELD(mgearY, -LEN, LEN), FIELD(ngearZ_att, -LEN, LEN), FIELD(ngearY_att, -LEN, LEN),
        FIELD(mgearZ_att, -LEN, LEN), FIELD(mgearX_att, -LEN, LEN), FIELD(mgearY_att, -LEN, LEN),
        DIVISOR(wheelrad, 0, 0.01f, 1000),
        FIELD(jatoZ, -LEN, LEN), FIELD(jatoY, -LEN, LEN), FIELD(jatotheta, -ANG, ANG), FIELD(jatothrust, 0, BIG),
        FIELD(jatodur, 0, 1e5f),
        FIELD(stabroll, -DEF, DEF), FIELD(stabhdng, -DEF, DEF), FIELD(ailpitch, -DEF, DEF), FIELD(ailflaps, -DEF, DEF),
        FIELD(brake_area, 0, 1e5f), FIELD(chute_area, 0, 1e5f), FIELD(elevcyclic, -DEF, DEF),
        FIELD(ailncyclic, -DEF, DEF), FIELD(puffL, -BIG, BIG), FIELD(puffM, -BIG, BIG), FIELD(puffN, -BIG, BIG),
        SPEED(AShiV), SPEED(ASloV),
        FIELD(ASmaxp1, -BIG, BIG), FIELD(ASp1, -BIG, BIG), FIELD(ASmaxp2, -BIG, BIG), FIELD(ASp2, -BIG, BIG),
        FIELD(ASmaxh1, -BIG, BIG), FIELD(ASh1, -BIG, BIG), FIELD(ASmaxh2, -BIG, BIG), FIELD(ASh2, -BIG, BIG),
        FIELD(ASmaxr1, -BIG, BIG), FIELD(ASr1, -BIG, BIG), FIELD(ASmaxr2, -BIG, BIG), FIELD(ASr2, -BIG, BIG),
    };
    *n = (int)(sizeof table / sizeof table[0]);
    return table;
}

#undef FLOATS
#undef FIELD
#undef GRID
#undef BODY
#undef SPEED
#undef VNE
#undef DIVISOR

// Counts and kinds: loop bounds and indexes of the flight and of the drawing.
const plane_count_range* plane_count_ranges(int* n)
{
    static const IntRange table[] = {
        {"is_heli", &pln.is_heli, 1, 0, 1},
        {"entype", &pln.entype, 1, 0, 5},
        {"gear_type", &pln.gear_type, 1, 0, 6},
    };
    *n = (int)(sizeof table / sizeof table[0]);
    return table;
}

namespace {
// Limits of the propeller engines that hang on more than one field. The
// propeller's speed and torque are integrated frame by frame: a propeller
// much slower or faster than any real one, or a power far beyond the mass it
// pulls, makes them swing without bound within a second.
const float PROP_RPM_LO = 300, PROP_RPM_HI = 30000;   // propeller of an aeroplane
const float ROTOR_RADIUS_HI = 60, PROP_RADIUS_LO = 1;  // ft
const float BLADE_CHORD_HI = 10;                       // ft
const float HP_PER_LB = 0.5f;                          // all engines' power per pound of empty mass

const char* engine_fault()
{
    static char why[400];
    if (pln.entype < 1 || pln.entype > 3 || pln.numen < 1) return nullptr;
    // An empty mass of zero has a refusal of its own.
    if (pln.m_empty > 0 && pln.numen * pln.pmax > HP_PER_LB * pln.m_empty) {
        snprintf(why, sizeof why, "Its power of %g hp per engine is more than %g hp per pound of its empty mass.",
                 (double)pln.pmax, (double)HP_PER_LB);
        return why;
    }
    float rpm = pln.gearrat > 0 ? pln.omegamax / pln.gearrat : 0;
    if (!pln.is_heli && rpm != 0 && (rpm < PROP_RPM_LO || rpm > PROP_RPM_HI)) {
        snprintf(why, sizeof why, "Its propeller turns at %g rpm at full power, outside %g to %g.", (double)rpm,
                 (double)PROP_RPM_LO, (double)PROP_RPM_HI);
        return why;
    }
    for (int p = 0; p < pln.numen && p < 4; ++p) {
        float r = pln.semilen[p];
        if (r != 0 && (r < PROP_RADIUS_LO || r > ROTOR_RADIUS_HI)) {
            snprintf(why, sizeof why, "Its propeller %d has a radius of %g ft, outside %g to %g.", p + 1, (double)r,
                     (double)PROP_RADIUS_LO, (double)ROTOR_RADIUS_HI);
            return why;
        }
        if (std::fabs(pln.Croot[p]) > BLADE_CHORD_HI || std::fabs(pln.Ctip[p]) > BLADE_CHORD_HI) {
            snprintf(why, sizeof why, "Its propeller %d has a blade chord beyond %g ft.", p + 1, (double)BLADE_CHORD_HI);
            return why;
        }
    }
    return nullptr;
}

int in_range(const FieldRange& r, float v)
{
    if (!std::isfinite(v) || v < r.lo || v > r.hi) return 0;
    return r.zero_or_from <= 0 || v == 0 || std::fabs(v) >= r.zero_or_from;
}
} // namespace

const char* plane_range_fault()
{
    static char why[400];
    int n;
    const FieldRange* table = plane_field_ranges(&n);
    for (int i = 0; i < n; ++i) {
        const FieldRange& r = table[i];
        for (int k = 0; k < r.count; ++k) {
            float v = r.first[k];
            if (in_range(r, v)) continue;
            char name[80];
            if (r.plane)
                snprintf(name, sizeof name, "%s[%d][%d][%d]", r.name, k / r.plane, k % r.plane / r.row, k % r.row);
            else if (r.row)
                snprintf(name, sizeof name, "%s[%d][%d]", r.name, k / r.row, k % r.row);
            else if (r.count > 1)
                snprintf(name, sizeof name, "%s[%d]", r.name, k);
            else
                snprintf(name, sizeof name, "%s", r.name);
            if (r.zero_or_from > 0)
                snprintf(why, sizeof why, "Its %s of %g is neither 0 nor between %g and %g.", name, (double)v,
                         (double)r.zero_or_from, (double)r.hi);
            else
                snprintf(why, sizeof why, "Its %s of %g lies outside %g to %g.", name, (double)v, (double)r.lo,
                         (double)r.hi);
            return why;
        }
    }
    if (pln.numen < 0 || pln.numen > 4) return "It has a number of engines other than 0 to 4.";
    if (const char* why = engine_fault()) return why;
    // Propellers, wings, stabilisers and pylons are cut into elements; a part
    // it does not have may keep none.
    for (int p = 0; p < 18; ++p) {
        int lo = have_this_part(p) ? 1 : 0;
        if (pln.els[p] < lo || pln.els[p] > 8) {
            snprintf(why, sizeof why, "The %s must have 1 to 8 elements.", part_name(p));
            return why;
        }
    }
    const IntRange* counts = plane_count_ranges(&n);
    for (int i = 0; i < n; ++i) {
        const IntRange& r = counts[i];
        for (int k = 0; k < r.count; ++k) {
            int v = r.first[k];
            if (v >= r.lo && v <= r.hi) continue;
            if (r.count > 1)
                snprintf(why, sizeof why, "Its %s[%d] of %d lies outside %d to %d.", r.name, k, v, r.lo, r.hi);
            else
                snprintf(why, sizeof why, "Its %s of %d lies outside %d to %d.", r.name, v, r.lo, r.hi);
            return why;
        }
    }
    return nullptr;
}
