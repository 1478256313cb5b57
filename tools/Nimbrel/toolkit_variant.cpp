// What the briefing tool supplies to the toolkit (toolkit/program_variant.h):
// alert kinds -100 to -97, its bitmap folder, the simulator's preferences
// file (read only), no check marks; the rest comes with the tools' shared
// defaults.
#include "toolkit/HL_TYPES.h"
#include "toolkit/program_variant.h"

const int ALERT_ABOUT = -100;
const int ALERT_NOTICE = -99;
const int ALERT_NUMBER = -98;
const int ALERT_FATAL = -97;

const char* const program_name = "Nimbrel";
const char* const program_prefs_file = "Korvan 4.prf";
const int program_keeps_larger_desktop = 1;

const char* about_lines[4] = {
    "Nimbrel",
    "The weather briefing: the real weather at your departure and near your destination,",
    "as a briefer would give it over the radio.",
    "",
};

int program_item_checked(int)
{
    return 0;
}
