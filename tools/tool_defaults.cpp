// What the tools supply to the toolkit alike: no sound, textures at their own
// size, no part ever lost. Each tool compiles this beside its own variant.
#include "toolkit/program_variant.h"

int texture_divisor(int)
{
    return 1;
}

int program_sound_avail()
{
    return 0;
}

int program_sound_on()
{
    return 0;
}

int program_part_lost(int)
{
    return 0;
}
