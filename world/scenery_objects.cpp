#include "scenery_objects.h"

#include "terrain_grid.h"
#include "records/world_state.h"
#include "world_window.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/terrain_helpers.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
// Half-widths along x and z and heights of the four levels of a built-in shape.
struct shape {
    float dx[4], dz[4], h[4];
};

shape built_in(int type, float h)
{
    shape s{};
    switch (type) {
    case 1: {
        const float w[4] = {3, 3, 5, 3}, y[4] = {0, 19, 23, 24};
        for (int i = 0; i < 4; ++i) s.dx[i] = s.dz[i] = w[i], s.h[i] = y[i];
        break;
    }
    case 2: {
        float w = fltrand(0.2f, 0.4f) * h;
        s.dx[0] = s.dx[1] = s.dz[0] = s.dz[1] = w;
        s.h[1] = h;
        break;
    }
    case 3:
    case 4:
        s.h[1] = h;
        break;
    case 5: {
        const float w[4] = {0.35f, 0.25f, 0.2f, 0.25f}, y[4] = {0, 0.4f, 0.8f, 1};
        for (int i = 0; i < 4; ++i) s.dx[i] = s.dz[i] = w[i] * h, s.h[i] = y[i] * h;
        break;
    }
    case 6:
        s.dx[0] = s.dz[0] = 0.05f * h;
        s.dx[1] = s.dz[1] = 0.025f * h;
        s.h[1] = h;
        break;
    case 90:
    case 91:
    case 92: {
        float W = fltrand(30, 40);
        float N = type == 90 ? 0.9f * W : fltrand(20, 30);
        const float y90[4] = {0, 0.94f, 0.97f, 1}, y91[4] = {0, 0.1f, 0.9f, 1}, y92[4] = {0, 0.1f, 0.1f, 1};
        const float w90[4] = {W, W, N, N}, w91[4] = {N, W, W, N}, w92[4] = {N, N, W, W};
        const float* w = type == 90 ? w90 : type == 91 ? w91 : w92;
        const float* y = type == 90 ? y90 : type == 91 ? y91 : y92;
        for (int i = 0; i < 4; ++i) s.dx[i] = s.dz[i] = w[i], s.h[i] = y[i] * h;
        break;
    }
    case 93: {
        float W = fltrand(40, 50), N = fltrand(30, 40);
        const float dz[4] = {1, 0.6f, 0.4f, 0.4f}, y[4] = {0, 0.15f, 0.3f, 1};
        for (int i = 0; i < 4; ++i) s.dx[i] = W, s.dz[i] = dz[i] * N, s.h[i] = y[i] * h;
        break;
    }
    case 97: {
        const float dx[4] = {10, 10, 11, 1}, y[4] = {0, 5, 5.1f, 6};
        for (int i = 0; i < 4; ++i) s.dx[i] = dx[i], s.dz[i] = 20, s.h[i] = y[i];
        break;
    }
    default:
        break;
    }
    return s;
}

float ground_under(float x, float z)
{
    int i, j;
    cell_of_xz(x, z, &i, &j);
    return find_local_h(x, z, &i, &j, 0);
}

// How far a custom object's vertex may lie from its place (m).
const float OBJ_REACH = 10000;

void object_fatal(const char* text, const char* path)
{
    MACIBM_alert(text, path, "", "", ALERT_FATAL);
}

// Texture number of a custom element: shared by name for the whole run.
int object_texture(const char* name, const char* path)
{
    for (int k = 0; k < current_tex_numb; ++k)
        if (strncmp(objtex_name[k], name, 40) == 0) return 1000 + k;
    if (current_tex_numb >= OBJ_TEX_CAP) object_fatal("Too many textures in the custom objects!", path);
    int k = current_tex_numb;
    OGL_texbmp(TEX_FROM_FOLDER, 1000 + k, TEX_PLAIN, name);
    copy_bounded(objtex_name[k], name, 40);
    ++current_tex_numb;
    return 1000 + k;
}

// Reads the custom object on the second stream as text; the square file on
// the first stream, binary, goes on afterwards as it was.
void custom_object(float x, float z, float hddh, const char* name, int o)
{
    static char path[400];
    snprintf(path, sizeof path, "%s.OBJ", name);
    ap_dir("additional nav data/objects", path);
    inf2.close();
    inf2.clear();
    inf2.open(path, std::ios::in | std::ios::binary);
    if (!inf2.good()) {
        inf2.close();
        inf2.clear();
        return;
    }
    int saved_bin = inf_is_bin, saved_rev = rev_inf_bin, saved_use = inf_use;
    char saved_eln = x_eln;
    inf_use = 2;
    inf_is_bin = 0;
    int first = inf2.get();
    if (first != 'A' && first != 'I')
        object_fatal("Object files must start with an A or an I (Apple or IBM creator) and then a carriage return!",
                     path);
    int term = inf2.get();
    x_eln = (char)term;
    if (term == '\r' && inf2.peek() == '\n') inf2.get();

    float y = ground_under(x, z);
    float H = hddh * con.degtorad;
    float ch = std::cos(H), sh = std::sin(H);
    int p = 0;
    for (;;) {
        int n = intscanNOSN(path);
        if (n == 99) break;
        if (n < 1 || n > 4) object_fatal("Must have 1, 2, 3, or 4 vertices in each element of the object!", path);
        if (p >= OBJ_ELEMENTS) object_fatal("Too many polys in the custom object!", path);
        int line_goes_on = 1;
        if (n >= 3) {
            // A text word keeps 38 characters, as every text scanner does.
            char tex[40];
            line_goes_on = idscan(tex, path, 39);
            obj_texrgb[o][p] = object_texture(tex, path);
        } else {
            int r = intscanNOSN(path), g = intscanNOSN(path), b = intscanNOSN(path);
            // Each takes two decimal digits of the packed code.
            if (r < 0 || r > 99 || g < 0 || g > 99 || b < 0 || b > 99)
                object_fatal("The colour of a point or line of the object must be three numbers from 0 to 99!", path);
            obj_texrgb[o][p] = r * 10000 + g * 100 + b;
        }
        if (line_goes_on) rln(path);
        obj_poltyp[o][p] = n;
        for (int t = 0; t < n; ++t) {
            float xs = fltscanNOSN(path), ys = fltscanNOSN(path), zs = fltscanNOSN(path);
            if (!(std::fabs(xs) <= OBJ_REACH && std::fabs(ys) <= OBJ_REACH && std::fabs(zs) <= OBJ_REACH))
                object_fatal("Every vertex of the object must lie within 10 km of its place!", path);
            rln(path);
            float* v = obj_xyz[o][p][t];
            v[0] = x + xs * ch - zs * sh;
            v[1] = y + ys;
            v[2] = z + xs * sh + zs * ch;
        }
        // Points and lines have no face to light.
        if (n >= 3) {
            float a[3], b[3];
            for (int k = 0; k < 3; ++k) {
                a[k] = obj_xyz[o][p][2][k] - obj_xyz[o][p][1][k];
                b[k] = obj_xyz[o][p][1][k] - obj_xyz[o][p][0][k];
            }
            find_normal_vects(a, b, obj_nrml[o][p]);
        }
        ++p;
    }
    inf2.close();
    inf2.clear();
    inf_use = saved_use;
    inf_is_bin = saved_bin;
    rev_inf_bin = saved_rev;
    x_eln = saved_eln;
    obj_type[o] = 100 + p;
}
} // namespace

void make_an_obs(float x, float z, float hddh, const char* name, int type, int o)
{
    if (o < 0 || o >= OBJ_CAP) return;
    if (type == 8) {
        custom_object(x, z, hddh, name, o);
        return;
    }
    // The tallest buildings take the high-rise forms of the same proportions.
    int kind = type;
    if (hddh > 250 && type >= 90 && type <= 92) kind = type + 4;
    shape s = built_in(type, hddh);
    float y = ground_under(x, z);
    obj_type[o] = kind;
    for (int i = 0; i < 4; ++i) {
        const float cx[4] = {-1, -1, 1, 1}, cz[4] = {1, -1, -1, 1};
        for (int c = 0; c < 4; ++c) {
            float* v = obj_xyz[o][i][c];
            v[0] = x + cx[c] * s.dx[i];
            v[1] = y + s.h[i];
            v[2] = z + cz[c] * s.dz[i];
        }
    }
}
