// Control input without a screen: a stick whose axes the test sets, an
// aircraft with round-number control travels, and the bundled trainer
// flying over a flat fixture world for the autopilot.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The injected stick: axes 0..65535 (32767 centred).
extern unsigned stick_x, stick_y, stick_z, stick_r;
// Axis value that reads as `v` in -1..1 (pitch, roll, yaw), and the throttle
// axis value that reads as lever position `t`.
unsigned axis(float v);
unsigned lever(float t);

// Every notice, its lines joined by "|".
extern std::vector<std::string> control_notices;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // n calls of update_controls.
    void frames(int n);
};

// The trainer flying over flat ground at 300 m, with the airport "KTRN"
// (runway 27, 1200 m) in the middle of the window.
class TrainerFlight : public ::testing::Test {
protected:
    void SetUp() override;
    // Simulated seconds of flight, the clock keeping pace.
    void fly(float seconds);
    // In the air at height h (m) over the field's centre, heading psi, speed v (m/s).
    void start_in_air(float h, float psi, float v);
    // The bundled world database and terrain round airport `id`, and the
    // aircraft put where the location menu's runway item puts it: start type
    // `typestart` (7 take-off, 8 VFR final, 9 ILS final) at the runway end
    // numbered `num` with side letter `side` ('x' none). Returns the
    // airport's index with its runway in *rway, or -1.
    int start_at_bundled_runway(const char* id, int num, char side, int typestart, int* rway);
};
