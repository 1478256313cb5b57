// The force accumulators of the build-up and small flight helpers.
#pragma once

#include "flight_records.h"

// Each adds one force (N) to its running total in flt and its moments, by
// the arms (m from the centre of gravity; X right, Y up, Z aft), to flt.L,
// flt.M, flt.N. Axial is positive forward, side right, normal up. Inline:
// the build-up calls them for every element and blade position.
// Propulsion, in aircraft axes:
inline void addFaprop(float faxil, float X, float Y)
{
    flt.faxilprop += faxil;
    flt.M -= faxil * Y;
    flt.N -= faxil * X;
}

inline void addFsprop(float fside, float Y, float Z)
{
    flt.fsideprop += fside;
    flt.L += fside * Y;
    flt.N -= fside * Z;
}

inline void addFnprop(float fnrml, float X, float Z)
{
    flt.fnrmlprop += fnrml;
    flt.L -= fnrml * X;
    flt.M -= fnrml * Z;
}

// Gear and contact, in heading axes:
inline void addFagear(float faxil, float X, float Y)
{
    flt.faxilgear += faxil;
    flt.M -= faxil * Y;
    flt.N -= faxil * X;
}

inline void addFsgear(float fside, float Y, float Z)
{
    flt.fsidegear += fside;
    flt.L += fside * Y;
    flt.N -= fside * Z;
}

inline void addFngear(float fnrml, float X, float Z)
{
    flt.fnrmlgear += fnrml;
    flt.L -= fnrml * X;
    flt.M -= fnrml * Z;
}

// Aerodynamics: the components are in flight-path axes; the totals stay in
// them, the moments are taken in aircraft axes.
inline void addFaero(float faxil_path, float fside_path, float fnrml_path, float X, float Y, float Z)
{
    flt.faxilaero += faxil_path;
    flt.fsideaero += fside_path;
    flt.fnrmlaero += fnrml_path;

    // Into aircraft axes: through the sideslip, then the angle of attack.
    float a1 = faxil_path * flt.cosbeta + fside_path * flt.sinbeta;
    float s1 = fside_path * flt.cosbeta - faxil_path * flt.sinbeta;
    float n1 = fnrml_path;
    float a = a1 * flt.cosalph + n1 * flt.sinalph;
    float n = n1 * flt.cosalph - a1 * flt.sinalph;
    float s = s1;

    flt.L += -n * X + s * Y;
    flt.M += -a * Y - n * Z;
    flt.N += -a * X - s * Z;
}

// 0..1 with a period of pi seconds of msc.elap_time, shifted by offset (s).
float pulse(float offset);

// Moves the wind and turbulence of atm toward new random targets; newpart
// (0..1) is the new targets' weight, 1 replacing the state outright.
void assign_wind_tbl(float newpart);

// Fuel flow of one engine, kg/s, at a power (W, propeller engines) or a
// thrust (N, jets): idle flow at no output, full flow at full output.
float burnin_fuel(float pow_thr);
