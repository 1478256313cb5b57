// A small world for the aerodynamics and propulsion: still air at sea level,
// airfoil tables made in memory, a small symmetric glider and a small
// propeller set up as the loader leaves an aircraft (SI, arms from the
// centre of gravity, derived values filled), and the bundled trainer.
#pragma once

#include <gtest/gtest.h>

class AeroTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// Clears every record the build-up reads; constants, sine and cosine tables,
// the sea-level standard atmosphere, a 0.02 s step.
void clear_aero_world();

// A symmetric airfoil in all four slots of a part, the same file name in all
// four: lift slope 0.1 per degree through clB, stall at 15 degrees, drag
// 0.008 + 1.2 sin^2(alpha), no moment. Reynolds slots 0 and 99.9.
void synthetic_foil(int part, float clB = 0);
// Lift at |alpha| of the synthetic airfoil's tables (10 degrees and beyond).
float synthetic_cl(float alpha_magnitude);
float synthetic_cd(float alpha_magnitude);

// A straight wing of 10 m span and 1.5 m chord at the centre of gravity, a
// tail 5 m behind it (stabiliser and one fin), a fuselage; 600 kg, no engine.
void fixture_glider(float dihedral = 0);

// A two-bladed 2 m propeller as engine 0 on the glider's nose: a 100 kW
// carburetted engine turning 60..250 rad/s, fixed pitch twisted for
// 30 m/s at full speed.
void fixture_propeller();

// Air data of the whole aircraft: true airspeed, angle of attack, sideslip;
// wings level on a level path heading north.
void set_air(float av, float alpha, float beta);
// Body rates in degrees per second.
void set_rates(float P, float Q, float R);

// Loads the bundled trainer from the program folder as the simulator does,
// with the load log going to a scratch file.
void load_trainer();
