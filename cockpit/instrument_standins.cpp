// Stand-ins for the flight, navigation and glass instruments until they are
// built: each draws nothing. Weak, so that the real drawers replace them.
#include "P_UPDATE.h"

__attribute__((weak)) void update_airspeed() {}
__attribute__((weak)) void update_arthoriz() {}
__attribute__((weak)) void update_alt() {}
__attribute__((weak)) void update_turnslip() {}
__attribute__((weak)) void update_HSI(int, int) {}
__attribute__((weak)) void update_vvi() {}
__attribute__((weak)) void update_ADF() {}
__attribute__((weak)) void update_VORandGS(int, int) {}
__attribute__((weak)) void update_stormscope() {}
__attribute__((weak)) void update_radalt() {}
__attribute__((weak)) void update_vari() {}
__attribute__((weak)) void update_RMI() {}
__attribute__((weak)) void update_GPS() {}
__attribute__((weak)) void update_DME() {}
__attribute__((weak)) void update_glass(int) {}
