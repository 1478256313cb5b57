// Control input: stick, mouse and keyboard yoke, trims and autopilot.
#pragma once

// The first step of every flight step: pilot and autopilot to control
// surfaces, throttle requests and thrust vectors.
void update_controls();
