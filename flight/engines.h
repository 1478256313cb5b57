// Propellers, rotors and jet engines.
#pragma once

// Propellers and rotors of engine types 1 to 3, with their engines: torque,
// blade-element thrust, propwash, rotation speed and governors.
void props();
// Thrust of every jet engine (types 4 and 5).
void jets();

// Shaft torque of piston or turboprop engine eng and its reaction on the
// airframe.
void apropengine(int eng);
// Blade-element forces of propeller or rotor eng with its hub at (X, Y, Z).
void aprop(int eng, float X, float Y, float Z);
// One lag step of the induced speed increase far behind a disc or ring of
// area s (m^2) that makes thrust t (N) in the free stream vgeo (m/s) normal
// to it, from the increase dv_total_now.
float dv_total(float dv_total_now, float t, float s, float vgeo);
