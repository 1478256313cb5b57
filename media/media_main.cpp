// media_gen <program folder> <espeak-ng program> <scratch folder>
// Writes every texture, bitmap and sound the programs load by name into the
// program folder. The names come from the loaders' own tables, so a name
// that this generator cannot make stops the build.
#include "bitmap_names.h"
#include "media.h"
#include "media_files.h"

#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TEXTURE.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {
int failures = 0;

void fail(const std::string& what)
{
    fprintf(stderr, "media_gen: %s\n", what.c_str());
    ++failures;
}

void save_picture(const std::string& path, const picture& p)
{
    if (p.w == 0) fail("no painter for " + path);
    else if (!write_bmp(path, p)) fail("cannot write " + path);
}

void save_sound(const std::string& path, const std::vector<float>& s)
{
    if (s.empty()) fail("no sound for " + path);
    else if (!write_wav(path, s)) fail("cannot write " + path);
}

void make_textures(const std::string& folder)
{
    for (int k = 0; k < texture_table_count; ++k) {
        const texture_entry& e = texture_table[k];
        picture p = e.option == TEX_MIPMAP ? make_terrain(e.number, e.name) : make_texture(e.name);
        save_picture(folder + e.name + ".BMP", p);
    }
    const texture_rename* tables[] = {snow_names, tropic_names, snow_tropic_names};
    const int counts[] = {snow_names_count, tropic_names_count, snow_tropic_names_count};
    for (int t = 0; t < 3; ++t)
        for (int k = 0; k < counts[t]; ++k)
            save_picture(folder + tables[t][k].name + ".BMP", make_terrain(tables[t][k].number, tables[t][k].name));
}

// Each program keeps its bitmaps in a folder of its own under "bitmaps";
// an editor's backdrops are one more row here.
struct bitmap_folder {
    const char* folder;
    const char* const* names;
    int count;
    picture (*paint)(const char*);
};
const char* const sectra_bitmap_names[] = {"AFL", "FLP"};
const char* const nimbrel_bitmap_names[] = {"NIMBREL"};
const bitmap_folder bitmap_folders[] = {
    {"Korvan", korvan_bitmap_names, korvan_bitmap_count, make_korvan_bitmap},
    {"Sectra", sectra_bitmap_names, 2, make_tool_bitmap},
    {"Nimbrel", nimbrel_bitmap_names, 1, make_tool_bitmap},
    {"Gelvani", gelvani_bitmap_names, gelvani_bitmap_count, make_gelvani_bitmap},
};

void make_bitmaps(const std::string& bitmaps)
{
    save_picture(bitmaps + startup_picture + ".BMP", make_startup_picture());
    for (const bitmap_folder& f : bitmap_folders) {
        std::filesystem::create_directories(bitmaps + f.folder);
        for (int k = 0; k < f.count; ++k)
            save_picture(bitmaps + f.folder + "/" + f.names[k] + ".BMP", f.paint(f.names[k]));
    }
    int n = 0;
    const char* const* names = fabrex_bitmap_names(&n);
    std::filesystem::create_directories(bitmaps + "Fabrex");
    for (int k = 0; k < n; ++k) save_picture(bitmaps + "Fabrex/" + names[k] + ".BMP", make_fabrex_bitmap(names[k]));
}

void make_sounds(const std::string& folder, const std::string& espeak, const std::string& scratch)
{
    std::vector<const char*> names(sound_file_name, sound_file_name + SOUND_SLOTS);
    names.insert(names.end(), engine_sound_name, engine_sound_name + ENGINE_SOUNDS);
    for (const char* name : names) {
        std::vector<float> s = is_spoken_sound(name) ? make_speech(name, espeak, scratch) : make_sound(name);
        save_sound(folder + name, s);
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: media_gen <program folder> <espeak-ng program> <scratch folder>\n");
        return 2;
    }
    std::string dir = argv[1], scratch = argv[3];
    if (dir.empty() || dir.back() != '/') dir += '/';
    if (scratch.empty() || scratch.back() != '/') scratch += '/';
    for (const char* sub : {"textures", "bitmaps", "sounds"})
        std::filesystem::create_directories(dir + sub);
    std::filesystem::create_directories(scratch);

    make_textures(dir + "textures/");
    make_bitmaps(dir + "bitmaps/");
    make_sounds(dir + "sounds/", argv[2], scratch);

    std::filesystem::remove_all(scratch);
    if (failures) {
        fprintf(stderr, "media_gen: %d files not made\n", failures);
        return 1;
    }
    return 0;
}
