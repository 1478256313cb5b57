// Stand-in until the menus land: no menu bar to click or draw.
#include "HL_MNW.h"

void MACIBM_handleclick()
{
}

void MACIBM_draw_menu()
{
}

void MACIBM_draw_help()
{
}
