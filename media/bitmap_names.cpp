#include "bitmap_names.h"

const char* const korvan_bitmap_names[] = {
    // The stock panel and the pieces laid over it.
    "PANL", "statbar", "radios", "gps", "b_gear", "ecam", "eng_in", "egt",
    "b_sbrka", "b_sbrkm", "b_trim", "b_swee", "b_vect",
    // Instrument faces.
    "pict_asi", "pict_ahz", "pict_alt", "pict_tsi", "pict_hsi", "pict_vvi", "pict_adf", "pict_tim",
    "pict_vor", "pict_str", "pict_arg", "pict_rlt", "pict_var", "pict_rad", "pict_efi",
    // Backdrops of the settings windows.
    "loc_id_", "loc_nam", "loc_nrt", "loc_wrl", "loc_lat", "loc_whr", "set_dat", "set_ser",
    "set_tim", "set_ogl", "set_spa", "set_atm", "set_gnd", "set_wat", "set_flt", "set_wgt",
    "set_rel", "set_ins", "set_eqp", "set_snd", "set_wrn", "out_grf", "out_plt", "fltplan",
};
const int korvan_bitmap_count = sizeof korvan_bitmap_names / sizeof korvan_bitmap_names[0];
