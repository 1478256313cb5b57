// Stand-in until the keyboard commands land.
#include "shell/EVENT.h"

#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"

void APPLICATION_handlekey(char)
{
}

void freeviews_keys(int)
{
}

void function_key(int)
{
}

void yoke_key(int)
{
}
