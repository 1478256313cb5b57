// What the aircraft editor supplies to the toolkit (toolkit/program_variant.h):
// its alert kinds 20 to 23, its bitmap folder, no preferences file, never a
// screen below the desktop's size, untinted colours, the backdrop always
// whole, its check marks, textures by their given names, and no sound.
#include "fabrex_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "toolkit/program_variant.h"

const int ALERT_ABOUT = 20;
const int ALERT_NOTICE = 21;
const int ALERT_NUMBER = 22;
const int ALERT_FATAL = 23;

const char* const program_name = "Fabrex";
const char* const program_prefs_file = "";
const int program_keeps_larger_desktop = 1;

const char* about_lines[4] = {
    "Fabrex",
    "The aircraft editor: the geometry of every part, airfoils, engines and propellers, weights, gear and panel.",
    "It saves the aircraft files that Korvan flies.",
    "",
};

void program_gl_ready() {}

void program_load_textures()
{
    if (is_3dfx) OGL_texbmp(TEX_FROM_FOLDER, 16, TEX_COLOUR_KEY, "cursor");
    OGL_texbmp(TEX_FROM_FOLDER, 15, TEX_COLOUR_KEY, "letters");
}

int program_item_checked(int c)
{
    using fabrex::msc;
    return (c == 510 && !pln.is_heli) || (c == 511 && pln.is_heli) || (c == 513 && mnw.draw_wire) ||
           (c == 514 && !mnw.draw_wire) || (c == 516 && !msc.movecons) || (c == 517 && msc.movecons) ||
           (c == 519 && !msc.bluesky) || (c == 520 && msc.bluesky);
}

void program_texture_path(int number, const char* name, char* path)
{
    app_C(path, "textures/");
    app_C(path, name);
}

// The preview always shows the whole aircraft.
float program_view_range()
{
    return 1e30f;
}

float program_view_zoom()
{
    return 1;
}

float program_light_pulse()
{
    return 1;
}

// The preview shows no lights: in wireframe it marks the eye, the centre of
// gravity and the hubs instead.
int program_plane_lights()
{
    return 0;
}
