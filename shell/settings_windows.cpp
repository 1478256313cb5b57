// Stand-in until the settings windows land: an open window shows its frame
// and nothing more.
#include "settings_windows.h"

void manage_id_() {}
void manage_nam() {}
void manage_wrl() {}
void manage_lat() {}
void manage_whr() {}
void manage_dat() {}
void manage_ser() {}
void manage_tim() {}
void manage_ogl() {}
void manage_spa() {}
void manage_atm() {}
void manage_gnd() {}
void manage_wat() {}
void manage_flt() {}
void manage_wgt() {}
void manage_rel() {}
void manage_ins() {}
void manage_eqp() {}
void manage_snd() {}
void manage_wrn() {}
void manage_iso() {}
void manage_pln() {}
