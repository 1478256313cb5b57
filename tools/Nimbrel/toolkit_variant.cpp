// What the briefing tool supplies to the toolkit (toolkit/program_variant.h):
// alert kinds -100 to -97, its bitmap folder, the simulator's preferences
// file (read only), no check marks, textures from the program folder, no sound.
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TEXTURE.h"
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

void program_gl_ready() {}

void program_load_textures()
{
    OGL_texbmp(TEX_FROM_FOLDER, 15, TEX_COLOUR_KEY, "letters");
}

void program_finishup() {}

void program_tint(float* r, float* g, float* b)
{
    *r = *g = *b = 1;
}

int program_backdrop_layout()
{
    return 0;
}

int program_item_checked(int)
{
    return 0;
}

// Textures by name lie in the program folder itself.
void program_texture_path(int, const char* name, char* path)
{
    app_C(path, name);
}

