// What the tools that draw with the letters alone supply to the toolkit (the
// airfoil editor and the weather briefing): nothing to set up once the GL is
// ready, only the letters loaded at start-up, and named textures from the
// program folder itself.
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/program_variant.h"

void program_gl_ready() {}

void program_load_textures()
{
    OGL_texbmp(TEX_FROM_FOLDER, 15, TEX_COLOUR_KEY, "letters");
}

void program_texture_path(int, const char* name, char* path)
{
    app_C(path, name);
}
