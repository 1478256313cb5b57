// Stand-in until the keyboard commands land.
#include "toolkit/HL_MNW.h"

void APPLICATION_handlekey(char)
{
}
