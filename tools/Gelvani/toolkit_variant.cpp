// What the scenery editor supplies to the toolkit (toolkit/program_variant.h):
// its alert kinds -82 to -79, its bitmap folder and preferences file, only
// the cursor and letters loaded at start-up, its colours 60-73 and drawing
// span, its check marks, terrain textures from "textures" and its own
// save-failure notice; the rest comes with the tools' shared defaults.
#include "gelvani_records.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/program_variant.h"

#include <GL/gl.h>

const int ALERT_ABOUT = -82;
const int ALERT_NOTICE = -81;
const int ALERT_NUMBER = -80;
const int ALERT_FATAL = -79;

const char* const program_name = "Gelvani";
const char* const program_prefs_file = "Gelvani.prf";
const int program_keeps_larger_desktop = 1;

const char* about_lines[4] = {
    "Gelvani",
    "Version 4.64.",
    "The scenery editor: terrain and obstacles of one square degree, and the airports and navaids of the world.",
    "",
};

// The fixed colours sit one lower than the simulator's, which keeps a pulsing
// colour below them; and the drawing space spans the window at its scale.
void program_gl_ready()
{
    for (int k = 60; k <= 73; ++k) OGL_assigncolor(k, col_rgb[k + 1][0], col_rgb[k + 1][1], col_rgb[k + 1][2]);
    GLint view[4];
    glGetIntegerv(GL_VIEWPORT, view);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, view[2] / mnw.XRAT, 0, view[3] / mnw.YRAT, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}

void program_load_textures()
{
    OGL_texbmp(TEX_FROM_FOLDER, 80, TEX_COLOUR_KEY, "cursor");
    OGL_texbmp(TEX_FROM_FOLDER, 79, TEX_COLOUR_KEY, "letters");
}

int program_item_checked(int c)
{
    using gelvani::msc;
    return (c >= 200 && c <= 203 && c == msc.edit_mode) || (c == 205 && msc.draw_tex == 1);
}

void program_texture_path(int number, const char* name, char* path)
{
    app_C(path, "textures/");
    app_C(path, name);
}

int program_save_notice(const char* path)
{
    MACIBM_alert("I could not save the file! Could the directory that the file sits in be missing?", path,
                 "It is recommended that you only use Gelvani to modify existing .env files, not create new ones.",
                 "Start from a terrain square file that exists and save it under its own name.", ALERT_NOTICE);
    return 1;
}
