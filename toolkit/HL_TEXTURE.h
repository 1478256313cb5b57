// BMP textures and bitmaps: the suite's only image reader, and the texture
// numbers and names the programs load.
#pragma once

#include "toolkit/program_variant.h"

// Kinds of OGL_texbmp (its first argument).
enum {
    TEX_FROM_FOLDER = -100,  // "textures" + name (1000-1100: "additional nav data/objects")
    BMP_TO_CANVAS = -101,    // "bitmaps/<program_name>" + name ("Omnivar" from "bitmaps" itself)
    TEX_FROM_PATH = -102,    // name is a full path without ".BMP"
    PANEL_TO_CANVAS = -103   // name is a full path without ".BMP"; 800 x 333
};

// Texture options (the third argument of the texture kinds).
enum {
    TEX_PLAIN = 0,
    TEX_MIPMAP = -104,           // terrain and water; square
    TEX_COLOUR_KEY = -105,       // transparent where the file pixel is (1, 1, 1)
    TEX_LUMINANCE_ALPHA = -106   // black, alpha = (r + g + b) / 3
};

// The backdrop tiles cut from the canvas: 500 + i + 7 j, i = 0..6, j = 0..4.
const int BACKDROP_TILE_BASE = 500;
// Largest side a bitmap may have.
const int BMP_MAX_SIDE = 1024;

// Texture resolution setting, 1 (minimal) to 5; the simulator keeps it in
// its preferences. Values outside 1..5 are taken as the nearest end.
extern int ogl_res;

// The textures the programs load by number from the "textures" folder.
struct texture_entry {
    int number;
    const char* name;
    int option;
};
extern const texture_entry texture_table[];
extern const int texture_table_count;

// Seasonal and tropical names of the terrain textures, applied in this order
// (a later table overrides an earlier one for the same number): below 32 F
// at sea level, within 30 degrees of the equator, and both.
struct texture_rename {
    int number;
    const char* name;
};
extern const texture_rename snow_names[];
extern const int snow_names_count;
extern const texture_rename tropic_names[];
extern const int tropic_names_count;
extern const texture_rename snow_tropic_names[];
extern const int snow_tropic_names_count;
// The rule of those tables by the sea-level temperature (F) and the latitude;
// the simulator's reloading of the terrain textures goes by it too.
int terrain_snowy(float temp_SL);
int terrain_tropical(float lat);

// The bitmap the window opener shows while the program starts up.
extern const char* const startup_picture;

// Reads a 24-bit uncompressed BMP into texture p1 with option p2 (kinds
// -100, -102) or into the canvas at (p1, p2) plus the window offset (kinds
// -101, -103). 1 when an image was loaded (a missing texture loads as flat
// grey), 0 when an optional one is missing (kind -103, texture 82). Any other
// bad or missing file ends the program with a fatal alert.
int OGL_texbmp(int type, int p1, int p2, const char* name);

// The file OGL_texbmp reads for these arguments, into path[400].
void texbmp_path(int type, int number, const char* name, char* path);
// 1 when that file can be opened (by its exact name or a case-insensitive
// match in its folder).
int texbmp_exists(int type, int number, const char* name);
