// The force and moment build-up of one half-step.
#pragma once

// Every force and moment on the aircraft, turned into the accelerations
// flt.aX, aY, aZ and flt.Pdot, Qdot, Rdot that the integrator takes.
void set_a();

// The force trace's running totals of the propulsive forces and the
// moments, written while the one-cycle dump is on (force_dump.cpp).
void propforcerep();
