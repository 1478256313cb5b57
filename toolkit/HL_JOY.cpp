// Stand-in until the joystick layer lands: no stick, every call does nothing.
#include "HL_JOY.h"

void JOY_init()
{
}

void JOY_close()
{
}

void JOY_force(int, float, float, float)
{
}
