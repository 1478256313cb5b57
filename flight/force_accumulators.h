// The force accumulators of the build-up and small flight helpers.
#pragma once

// Each adds one force (N) to its running total in flt and its moments, by
// the arms (m from the centre of gravity; X right, Y up, Z aft), to flt.L,
// flt.M, flt.N. Axial is positive forward, side right, normal up.
// Propulsion, in aircraft axes:
void addFaprop(float faxil, float X, float Y);
void addFsprop(float fside, float Y, float Z);
void addFnprop(float fnrml, float X, float Z);
// Gear and contact, in heading axes:
void addFagear(float faxil, float X, float Y);
void addFsgear(float fside, float Y, float Z);
void addFngear(float fnrml, float X, float Z);
// Aerodynamics: the components are in flight-path axes; the totals stay in
// them, the moments are taken in aircraft axes.
void addFaero(float faxil_path, float fside_path, float fnrml_path, float X, float Y, float Z);

// 0..1 with a period of pi seconds of msc.elap_time, shifted by offset (s).
float pulse(float offset);

// Moves the wind and turbulence of atm toward new random targets; newpart
// (0..1) is the new targets' weight, 1 replacing the state outright.
void assign_wind_tbl(float newpart);

// Fuel flow of one engine, kg/s, at a power (W, propeller engines) or a
// thrust (N, jets): idle flow at no output, full flow at full output.
float burnin_fuel(float pow_thr);
