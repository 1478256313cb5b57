// Stand-in until the simulator's menus land: no menus.
#include "toolkit/HL_MNW.h"

void APPLICATION_setupmenus()
{
}

void APPLICATION_handlemenu(int)
{
}
