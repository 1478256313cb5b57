// What the airfoil editor supplies to the toolkit (toolkit/program_variant.h):
// alert kinds -100 to -97, its bitmap folder, no preferences file, check
// marks beside the edited device and the view. The toolkit's save-failure
// notice is its own; the rest comes with the tools' shared defaults.
#include "airfoil_model.h"

#include "toolkit/HL_TYPES.h"
#include "toolkit/program_variant.h"

const int ALERT_ABOUT = -100;
const int ALERT_NOTICE = -99;
const int ALERT_NUMBER = -98;
const int ALERT_FATAL = -97;

const char* const program_name = "Sectra";
const char* const program_prefs_file = "";
const int program_keeps_larger_desktop = 1;

const char* about_lines[4] = {
    "Sectra",
    "Version 4.64.",
    "The airfoil editor: the lift, drag and moment curves of airfoils and flaps,",
    "saved as the airfoil and flap files that Korvan and Fabrex read.",
};

int program_item_checked(int c)
{
    using sectra::msc;
    return ((c == 200 || c == 201) && c == msc.device) || ((c == 300 || c == 301) && c == msc.view);
}
