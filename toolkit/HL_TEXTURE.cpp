// OGL_texbmp: 24-bit uncompressed BMP files into textures or into the canvas.
#include "HL_TEXTURE.h"

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <strings.h>

int ogl_res = 2;

const texture_entry texture_table[] = {
    {79, "letters", TEX_COLOUR_KEY}, {80, "cursor", TEX_COLOUR_KEY}, {81, "dg", TEX_COLOUR_KEY},
    {82, "hand", TEX_PLAIN}, {13, "tire", TEX_PLAIN}, {14, "metal", TEX_PLAIN},
    {15, "wat", TEX_MIPMAP}, {16, "grs_wat_h", TEX_MIPMAP}, {17, "grs_wat_c", TEX_MIPMAP},
    {18, "wat_grs_c", TEX_MIPMAP}, {19, "grs", TEX_MIPMAP}, {20, "grs_mnt_h", TEX_MIPMAP},
    {21, "grs_mnt_c", TEX_MIPMAP}, {22, "mnt_grs_c", TEX_MIPMAP}, {23, "mnt", TEX_MIPMAP},
    {24, "mnt_wat_h", TEX_MIPMAP}, {25, "mnt_wat_c", TEX_MIPMAP}, {26, "wat_mnt_c", TEX_MIPMAP},
    {29, "rway_gras", TEX_COLOUR_KEY}, {30, "rway_dirt", TEX_COLOUR_KEY}, {31, "rway_grav", TEX_COLOUR_KEY},
    {33, "rway_0L", TEX_PLAIN}, {34, "rway_1L", TEX_PLAIN}, {35, "rway_2L", TEX_PLAIN}, {36, "rway_3L", TEX_PLAIN},
    {37, "rway_0R", TEX_PLAIN}, {38, "rway_1R", TEX_PLAIN}, {39, "rway_2R", TEX_PLAIN}, {40, "rway_3R", TEX_PLAIN},
    {41, "rway_4R", TEX_PLAIN}, {42, "rway_5R", TEX_PLAIN}, {43, "rway_6R", TEX_PLAIN}, {44, "rway_7R", TEX_PLAIN},
    {45, "rway_8R", TEX_PLAIN}, {46, "rway_9R", TEX_PLAIN},
    {47, "rway_turn", TEX_PLAIN}, {48, "rway_pave", TEX_PLAIN}, {49, "rway_disp", TEX_PLAIN},
    {50, "rway_thld", TEX_PLAIN}, {51, "rway_tdzm", TEX_PLAIN}, {52, "rway_fdmk", TEX_PLAIN},
    {53, "rway_line", TEX_PLAIN}, {54, "deck", TEX_PLAIN}, {55, "dirty", TEX_PLAIN}, {56, "pad", TEX_PLAIN},
    {57, "tower", TEX_PLAIN}, {58, "hull", TEX_PLAIN}, {59, "bld_block", TEX_PLAIN},
    {60, "bld_nartop", TEX_PLAIN}, {61, "bld_tapered", TEX_PLAIN}, {62, "bld_narbot", TEX_PLAIN},
    {63, "bld_avon", TEX_PLAIN}, {64, "bld_contow", TEX_PLAIN}, {78, "windsock", TEX_PLAIN},
    {65, "smoke", TEX_LUMINANCE_ALPHA},
    {66, "fire1", TEX_COLOUR_KEY}, {67, "fire2", TEX_COLOUR_KEY}, {68, "fire3", TEX_COLOUR_KEY},
    {69, "fire4", TEX_COLOUR_KEY}, {70, "fire5", TEX_COLOUR_KEY}, {71, "fire6", TEX_COLOUR_KEY},
    {72, "fire7", TEX_COLOUR_KEY}, {73, "fire8", TEX_COLOUR_KEY}, {74, "fire9", TEX_COLOUR_KEY},
    {75, "fire10", TEX_COLOUR_KEY}, {76, "fire11", TEX_COLOUR_KEY}, {77, "fire12", TEX_COLOUR_KEY},
};
const int texture_table_count = sizeof texture_table / sizeof texture_table[0];

const texture_rename snow_names[] = {
    {19, "sno"}, {16, "sno_wat_h"}, {17, "sno_wat_c"}, {20, "sno_mnt_h"},
    {21, "sno_mnt_c"}, {18, "wat_sno_c"}, {22, "mnt_sno_c"},
};
const int snow_names_count = sizeof snow_names / sizeof snow_names[0];
const texture_rename tropic_names[] = {
    {15, "car"}, {17, "grs_car_c"}, {16, "grs_car_h"}, {25, "mnt_car_c"},
    {24, "mnt_car_h"}, {18, "car_grs_c"}, {26, "car_mnt_c"},
};
const int tropic_names_count = sizeof tropic_names / sizeof tropic_names[0];
const texture_rename snow_tropic_names[] = {
    {17, "sno_car_c"}, {16, "sno_car_h"}, {18, "car_sno_c"},
};
const int snow_tropic_names_count = sizeof snow_tropic_names / sizeof snow_tropic_names[0];

int terrain_snowy(float temp_SL)
{
    return temp_SL < 32;
}

int terrain_tropical(float lat)
{
    return std::fabs(lat) < 30;
}

const char* const startup_picture = "Omnivar";

namespace {
// The load buffer of textures: the largest image the header checks let
// through, with alpha. The canvas is never used for it.
unsigned char tex_buffer[BMP_MAX_SIDE * BMP_MAX_SIDE * 4];
unsigned char row_buffer[BMP_MAX_SIDE * 3 + 4];

// The file by its exact name, else a case-insensitive match in its folder.
FILE* open_any_case(const char* path)
{
    FILE* f = fopen(path, "rb");
    if (f) return f;
    const char* slash = strrchr(path, '/');
    char dir[400];
    const char* base = path;
    if (slash) {
        int n = (int)(slash - path);
        copy_bounded(dir, path, n + 1 < 400 ? n + 1 : 400);
        if (n == 0) copy_bounded(dir, "/", 400);
        base = slash + 1;
    } else {
        copy_bounded(dir, ".", 400);
    }
    DIR* d = opendir(dir);
    if (!d) return nullptr;
    char found[400] = "";
    while (dirent* e = readdir(d)) {
        if (strcasecmp(e->d_name, base) == 0) {
            copy_bounded(found, dir, 400);
            app_C(found, "/");
            app_C(found, e->d_name);
            break;
        }
    }
    closedir(d);
    return found[0] ? fopen(found, "rb") : nullptr;
}

struct field_reader {
    FILE* f;
    int fields_read;  // fields read in full, in file order
    int failed;
    long get(int bytes)
    {
        unsigned char b[4] = {};
        if (failed || fread(b, 1, bytes, f) != (size_t)bytes) {
            failed = 1;
            return 0;
        }
        ++fields_read;
        unsigned long v = 0;
        for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | b[k];
        // 4-byte fields are signed: a negative height is a top-down image.
        return bytes == 4 ? (long)(int)(unsigned int)v : (long)v;
    }
};

void fatal(const char* l1, const char* l2, const char* l3, const char* l4)
{
    MACIBM_alert(l1, l2, l3, l4, ALERT_FATAL);
}

void scanning_error(const char* path)
{
    fatal("File-scanning error!", "intscan", "file:", path);
}

int texture_comps(int option)
{
    return option == TEX_COLOUR_KEY || option == TEX_LUMINANCE_ALPHA ? 4 : 3;
}

void grey_substitute(int comps)
{
    for (int k = 0; k < 16; ++k) {
        unsigned char* p = tex_buffer + k * comps;
        p[0] = p[1] = p[2] = 200;
        if (comps == 4) p[3] = 255;
    }
}

// Each level from the one before by averaging 2 x 2 blocks, in place; a side
// of 1 stays 1 while the other still halves.
void upload_mipmaps(int w, int h, int comps, GLenum format)
{
    for (int level = 1; w > 1 || h > 1; ++level) {
        int mw = w > 1 ? w / 2 : 1, mh = h > 1 ? h / 2 : 1;
        for (int i = 0; i < mh; ++i) {
            int i0 = intmin2(2 * i, h - 1), i1 = intmin2(2 * i + 1, h - 1);
            for (int j = 0; j < mw; ++j) {
                int j0 = intmin2(2 * j, w - 1), j1 = intmin2(2 * j + 1, w - 1);
                for (int c = 0; c < comps; ++c) {
                    int sum = tex_buffer[(i0 * w + j0) * comps + c] + tex_buffer[(i0 * w + j1) * comps + c] +
                              tex_buffer[(i1 * w + j0) * comps + c] + tex_buffer[(i1 * w + j1) * comps + c];
                    tex_buffer[(i * mw + j) * comps + c] = (unsigned char)(sum * 0.25f);
                }
            }
        }
        w = mw;
        h = mh;
        glTexImage2D(GL_TEXTURE_2D, level, comps, w, h, 0, format, GL_UNSIGNED_BYTE, tex_buffer);
    }
}
} // namespace

void texbmp_path(int type, int number, const char* name, char* path)
{
    if (!name) name = "";
    path[0] = 0;
    switch (type) {
    case TEX_FROM_FOLDER:
        copy_bounded(path, app_path, 400);
        program_texture_path(number, name, path);
        break;
    case BMP_TO_CANVAS:
        copy_bounded(path, app_path, 400);
        app_C(path, "bitmaps/");
        if (strcmp(name, startup_picture) != 0) {
            app_C(path, program_name);
            app_C(path, "/");
        }
        app_C(path, name);
        break;
    default:
        copy_bounded(path, name, 400);
        break;
    }
    app_C(path, ".BMP");
}

int texbmp_exists(int type, int number, const char* name)
{
    char path[400];
    texbmp_path(type, number, name, path);
    FILE* f = open_any_case(path);
    if (f) fclose(f);
    return f != nullptr;
}

int OGL_texbmp(int type, int p1, int p2, const char* name)
{
    if (type != TEX_FROM_FOLDER && type != BMP_TO_CANVAS && type != TEX_FROM_PATH && type != PANEL_TO_CANVAS)
        return 0;
    if (type == TEX_FROM_FOLDER) MACIBM_showinit(1);
    const bool to_canvas = type == BMP_TO_CANVAS || type == PANEL_TO_CANVAS;
    const int option = to_canvas ? TEX_PLAIN : p2;
    const int comps = to_canvas ? 3 : texture_comps(option);
    char path[400];
    texbmp_path(type, p1, name, path);

    int w = 4, h = 4;
    FILE* f = open_any_case(path);
    if (!f) {
        if (type == PANEL_TO_CANVAS) return 0;
        if (!to_canvas && p1 == 82) return 0;
        if (type == BMP_TO_CANVAS) fatal("Can't open bitmap!", path, "", "");
        // A missing texture keeps the scene drawable: flat opaque grey.
        grey_substitute(comps);
    } else {
        field_reader r{f, 0, 0};
        long bfType = r.get(2);
        r.get(4);  // bfSize
        r.get(2);  // bfRes1
        r.get(2);  // bfRes2
        long bfOffBits = r.get(4);
        r.get(4);  // biSize
        long width = r.get(4);
        long height = r.get(4);
        r.get(2);  // biPlanes
        long bits = r.get(2);
        long comp = r.get(4);
        for (int k = 0; k < 5; ++k) r.get(4);  // biSizeIm .. biClrImp
        // Each check looks only at a field that was read; a short header is a scanning error.
        if (r.fields_read >= 1 && bfType != 0x4D42) fatal("Trying to read a texture bitmap that is not a bitmap", path, "", "");
        if (r.fields_read >= 7 && width > BMP_MAX_SIDE) fatal("Bitmap too wide! (max is 1024)", path, "", "");
        if (r.fields_read >= 8 && height > BMP_MAX_SIDE) fatal("Bitmap too tall! (max is 1024)", path, "", "");
        if (r.fields_read >= 10 && bits != 24) fatal("Wrong bitmap color depth for texture!", path, "We need 24-bit color.", "");
        if (r.fields_read >= 11 && comp != 0) fatal("Bitmap is compressed!", path, "", "");
        if (r.failed) scanning_error(path);
        if (width <= 0 || height <= 0)
            fatal("Bitmap has no size or is stored top-down!", path, "Width and height must be 1 to 1024, rows stored bottom first.", "");
        if (type == PANEL_TO_CANVAS && (width != 800 || height != 333))
            fatal("Custom cockpit bitmap is not 800x333 pixels!",
                  "To make custom cockpits, put the cockpit bitmap in the same folder as the airplane that uses it.",
                  "The filename should be the same as the airplane name but with (space)PANL.BMP at the end.",
                  "The cockpit bitmap must be 800x333 pixels, with 32 or 24 bit RGB color.");
        if (bfOffBits > 54 && fseek(f, bfOffBits, SEEK_SET) != 0) scanning_error(path);
        w = (int)width;
        h = (int)height;

        const int x0 = (int)(p1 + mnw.x), y0 = (int)(p2 + mnw.y);
        const int row_bytes = w * 3, padded = (row_bytes + 3) / 4 * 4;
        for (int i = 0; i < h; ++i) {
            // Every pixel the header promises must be there; only the
            // padding of the last row may be missing.
            if (fread(row_buffer, 1, padded, f) < (size_t)row_bytes) {
                fclose(f);
                scanning_error(path);
            }
            for (int j = 0; j < w; ++j) {
                const unsigned char* s = row_buffer + j * 3;
                unsigned char red = s[2], green = s[1], blue = s[0];
                if (to_canvas) {
                    int cx = x0 + j, cy = y0 + i;
                    if (cx < 0 || cx >= CANVAS_W || cy < 0 || cy >= CANVAS_H) continue;
                    unsigned char* d = rgb_array + (cy * CANVAS_W + cx) * 3;
                    d[0] = red;
                    d[1] = green;
                    d[2] = blue;
                    continue;
                }
                unsigned char* d = tex_buffer + (i * w + j) * comps;
                if (option == TEX_LUMINANCE_ALPHA) {
                    d[0] = d[1] = d[2] = 0;
                    d[3] = (unsigned char)((red + green + blue) / 3);
                } else {
                    d[0] = red;
                    d[1] = green;
                    d[2] = blue;
                    if (comps == 4) d[3] = red == 1 && green == 1 && blue == 1 ? 0 : 255;
                }
            }
        }
        fclose(f);
        if (to_canvas) return 1;
    }

    int div = texture_divisor(p1);
    GLint max_side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_side);
    while (max_side > 0 && (w / div > max_side || h / div > max_side)) div *= 2;
    if (div > 1) {
        const int nw = intmax2(1, w / div), nh = intmax2(1, h / div);
        for (int i = 0; i < nh; ++i)
            for (int j = 0; j < nw; ++j)
                memmove(tex_buffer + (i * nw + j) * comps, tex_buffer + ((i * div) * w + j * div) * comps, comps);
        w = nw;
        h = nh;
    }

    const GLenum format = comps == 4 ? GL_RGBA : GL_RGB;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    OGL_bindtex(p1);
    glTexImage2D(GL_TEXTURE_2D, 0, comps, w, h, 0, format, GL_UNSIGNED_BYTE, tex_buffer);
    if (option == TEX_MIPMAP) {
        if (w != h) {
            MACIBM_alert("WHOA!", "You have defined a NON-SQUARE texture for terrain!",
                         "NON-SQUARE textures are fine for everything but water and terrain files!", path, ALERT_NOTICE);
            // The notice ran frames that bound other textures.
            OGL_bindtex(p1);
        }
        upload_mipmaps(w, h, comps, format);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    } else {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return 1;
}
