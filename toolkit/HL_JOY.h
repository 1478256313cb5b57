// Joystick and force feedback.
#pragma once

void JOY_init();
void JOY_close();
void JOY_force(int code, float a, float b, float c);
