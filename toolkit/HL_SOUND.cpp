// Stand-in until the sound layer lands: no device, so the simulator runs silently.
#include "HL_SOUND.h"

int init_sound()
{
    return 0;
}

void dispose_sound()
{
}
