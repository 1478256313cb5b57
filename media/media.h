// The media generator: every texture, bitmap and sound the programs load by
// name, painted and synthesized by our own code at build time.
#pragma once

#include "media_image.h"

#include <string>
#include <vector>

// Terrain and water textures (mipmapped, square), by texture number and name.
picture make_terrain(int number, const char* name);
// Every other texture of the "textures" folder by name; w = 0 for a name
// this generator does not know. Runways, buildings and ships come from
// make_scenery_texture, which make_texture falls back on.
picture make_texture(const char* name);
picture make_scenery_texture(const char* name);

// The simulator's bitmaps of "bitmaps/Korvan" by name (w = 0 for a name
// not known), and the start-up picture of every program.
picture make_korvan_bitmap(const char* name);
picture make_startup_picture();
// The scenery editor's backdrops of "bitmaps/Gelvani", one per edit mode.
extern const char* const gelvani_bitmap_names[];
extern const int gelvani_bitmap_count;
picture make_gelvani_bitmap(const char* name);
// The instrument faces ("pict_...") and the settings windows' backdrops.
picture make_gauge_face(const char* name);
picture make_window_backdrop(const char* name);

// The aircraft editor's screen backgrounds of "bitmaps/Fabrex".
const char* const* fabrex_bitmap_names(int* count);
picture make_fabrex_bitmap(const char* name);
// The tools' main-screen pictures: "AFL" and "FLP" of Sectra, "NIMBREL" of Nimbrel.
picture make_tool_bitmap(const char* name);

// The raised button of a file name drawn at (x, y), where the toolkit's file
// button acts, with a folder on its face.
void pic_file_button(picture& p, float x, float y);

// Panel pieces shared by the bitmap painters.
colour panel_colour();
picture panel_plate(int w, int h, int seed);

// Sounds by file name ("engn.WAV" ...); empty for a name not known. The
// spoken ones need espeak-ng (its program path) and a scratch folder.
std::vector<float> make_sound(const char* name);
std::vector<float> make_speech(const char* name, const std::string& espeak, const std::string& scratch);
int is_spoken_sound(const char* name);
