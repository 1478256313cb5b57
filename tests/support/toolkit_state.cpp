#include "toolkit_state.h"

#include "toolkit/HL_MNW.h"

#include <cstring>

void reset_full_screen_state()
{
    memset(&mnw, 0, sizeof mnw);
    mnw.menu_up = -1;
    mnw.dx = 800;
    mnw.dy = 600;
    mnw.XRES = 800;
    mnw.YRES = 600;
    mnw.XRAT = 1;
    mnw.YRAT = 1;
    fill_constants();
    fill_trig_tables();
    fill_colours();
}
