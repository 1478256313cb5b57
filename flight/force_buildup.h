// The force and moment build-up of one half-step.
#pragma once

// Every force and moment on the aircraft, turned into the accelerations
// flt.aX, aY, aZ and flt.Pdot, Qdot, Rdot that the integrator takes.
void set_a();

// One element's lift and drag (N, along and across the free stream after the
// element's flow-direction change flt.deldir) and pitching moment (N m), with
// the coefficient increments given; returns the element's cl before that
// rotation. Serves the wings and the propeller and rotor blades alike.
float F_el_force(float modcl, float modcd, float modcm, float& lift, float& drag, float& momt, int en, int el);

// The same with the sine and cosine of flt.deldir given: a blade's flow
// direction is the angle of its velocity components, whose ratios to the
// speed are its sine and cosine without a call.
float F_el_force_turned(float modcl, float modcd, float modcm, float sin_d, float cos_d, float& lift, float& drag,
                        float& momt, int en, int el);

// The force trace's running totals of the propulsive forces and the
// moments, written while the one-cycle dump is on (force_dump.cpp).
void propforcerep();
