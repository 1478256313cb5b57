// The force accumulators of the build-up and small flight helpers.
#pragma once

#include "records/flight_state.h"

// Each adds one force (N) to its running total and its moments, by the arms
// (m from the centre of gravity; X right, Y up, Z aft), to L, M, N. Axial is
// positive forward, side right, normal up. The sums can run in locals over
// many elements and blade positions and go back to flt when done.
struct force_sums {
    float fa, fs, fn, L, M, N;
};

inline void add_axial(force_sums& t, float faxil, float X, float Y)
{
    t.fa += faxil;
    t.M -= faxil * Y;
    t.N -= faxil * X;
}

inline void add_side(force_sums& t, float fside, float Y, float Z)
{
    t.fs += fside;
    t.L += fside * Y;
    t.N -= fside * Z;
}

inline void add_normal(force_sums& t, float fnrml, float X, float Z)
{
    t.fn += fnrml;
    t.L -= fnrml * X;
    t.M -= fnrml * Z;
}

// Propulsion, in aircraft axes.
inline force_sums prop_sums_from_record()
{
    return {flt.faxilprop, flt.fsideprop, flt.fnrmlprop, flt.L, flt.M, flt.N};
}

inline void prop_sums_to_record(const force_sums& t)
{
    flt.faxilprop = t.fa, flt.fsideprop = t.fs, flt.fnrmlprop = t.fn;
    flt.L = t.L, flt.M = t.M, flt.N = t.N;
}

// Gear and contact, in heading axes.
inline force_sums gear_sums_from_record()
{
    return {flt.faxilgear, flt.fsidegear, flt.fnrmlgear, flt.L, flt.M, flt.N};
}

inline void gear_sums_to_record(const force_sums& t)
{
    flt.faxilgear = t.fa, flt.fsidegear = t.fs, flt.fnrmlgear = t.fn;
    flt.L = t.L, flt.M = t.M, flt.N = t.N;
}

// One force straight into the record.
inline void addFaprop(float faxil, float X, float Y)
{
    force_sums t = prop_sums_from_record();
    add_axial(t, faxil, X, Y);
    prop_sums_to_record(t);
}

inline void addFsprop(float fside, float Y, float Z)
{
    force_sums t = prop_sums_from_record();
    add_side(t, fside, Y, Z);
    prop_sums_to_record(t);
}

inline void addFnprop(float fnrml, float X, float Z)
{
    force_sums t = prop_sums_from_record();
    add_normal(t, fnrml, X, Z);
    prop_sums_to_record(t);
}

inline void addFagear(float faxil, float X, float Y)
{
    force_sums t = gear_sums_from_record();
    add_axial(t, faxil, X, Y);
    gear_sums_to_record(t);
}

inline void addFsgear(float fside, float Y, float Z)
{
    force_sums t = gear_sums_from_record();
    add_side(t, fside, Y, Z);
    gear_sums_to_record(t);
}

inline void addFngear(float fnrml, float X, float Z)
{
    force_sums t = gear_sums_from_record();
    add_normal(t, fnrml, X, Z);
    gear_sums_to_record(t);
}

// Aerodynamics: the components are in flight-path axes; the totals stay in
// them, the moments are taken in aircraft axes. The sums can run in locals
// over many elements (aero_sums) and go back to flt when done.
struct aero_sums {
    float fa, fs, fn, L, M, N;
    float cosbeta, sinbeta, cosalph, sinalph;
};

inline aero_sums aero_sums_from_record()
{
    return {flt.faxilaero, flt.fsideaero, flt.fnrmlaero, flt.L,       flt.M,
            flt.N,         flt.cosbeta,   flt.sinbeta,   flt.cosalph, flt.sinalph};
}

inline void aero_sums_to_record(const aero_sums& t)
{
    flt.faxilaero = t.fa, flt.fsideaero = t.fs, flt.fnrmlaero = t.fn;
    flt.L = t.L, flt.M = t.M, flt.N = t.N;
}

inline void add_aero(aero_sums& t, float faxil_path, float fside_path, float fnrml_path, float X, float Y, float Z)
{
    t.fa += faxil_path;
    t.fs += fside_path;
    t.fn += fnrml_path;

    // Into aircraft axes: through the sideslip, then the angle of attack.
    float a1 = faxil_path * t.cosbeta + fside_path * t.sinbeta;
    float s1 = fside_path * t.cosbeta - faxil_path * t.sinbeta;
    float n1 = fnrml_path;
    float a = a1 * t.cosalph + n1 * t.sinalph;
    float n = n1 * t.cosalph - a1 * t.sinalph;
    float s = s1;

    t.L += -n * X + s * Y;
    t.M += -a * Y - n * Z;
    t.N += -a * X - s * Z;
}

inline void addFaero(float faxil_path, float fside_path, float fnrml_path, float X, float Y, float Z)
{
    aero_sums t = aero_sums_from_record();
    add_aero(t, faxil_path, fside_path, fnrml_path, X, Y, Z);
    aero_sums_to_record(t);
}

// Moves the wind and turbulence of atm toward new random targets; newpart
// (0..1) is the new targets' weight, 1 replacing the state outright.
void assign_wind_tbl(float newpart);

// Fuel flow of one engine, kg/s, at a power (W, propeller engines) or a
// thrust (N, jets): idle flow at no output, full flow at full output.
float burnin_fuel(float pow_thr);
