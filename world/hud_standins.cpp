// Stand-ins until the cockpit's head-up displays land: no display is drawn.
// Weak, so that the cockpit's own drawers take their place at link time.
#include "hud_standins.h"

__attribute__((weak)) void plot_nrml_hud() {}
__attribute__((weak)) void plot_cool_hud() {}
