#include "tool_helpers.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>
#include <cstring>

namespace gelvani {

namespace {
int angle_index(int a)
{
    return a < 0 ? 0 : (a > 360 ? 360 : a);
}

// A true modulo: any distance outside the range lands inside it.
int wrap_into(int v, int lo, int hi)
{
    int n = hi - lo + 1;
    int r = (v - lo) % n;
    if (r < 0) r += n;
    return lo + r;
}

} // namespace

float isin(int a)
{
    return lookup_sin[angle_index(a)];
}

float icos(int a)
{
    return lookup_cos[angle_index(a)];
}

int intpos(int in)
{
    return in > 0 ? 1 : 0;
}

int fltpos(float in)
{
    return in > 0.0f ? 1 : 0;
}

float fltsgn(float in)
{
    return in < 0.0f ? -1.0f : 1.0f;
}

int instdbtn(int color, float x, float y, float* var, int dig, int dec, int sign, const char* help)
{
    dig = intlim(dig, 1, 7);
    float hi = (float)((std::pow(10.0, dig) - 1) / std::pow(10.0, dec));
    return instdbtn_range(color, x, y, var, dig, dec, sign ? -hi : 0, hi, help);
}

int instdbtn_int(int color, float x, float y, int* var, int dig, int sign, const char* help)
{
    float v = (float)*var;
    if (!instdbtn(color, x, y, &v, dig, 0, sign, help)) return 0;
    *var = (int)v;
    return 1;
}

void plot_name_list(float os_x, float os_y, const char* name, const char* id, int* center_index, int ind1, int ind2)
{
    if (ind2 < ind1) return;
    if (fltbox(mnw.mx, mnw.my, os_x, os_y - 62, os_x + 315, os_y + 68) && (mnw.mouse_clicked || mnw.delay_dragging)) {
        static const struct {
            float lo, hi;
            int step;
        } bands[] = {{38, 68, -10}, {28, 38, -3}, {18, 28, -2}, {8, 18, -1},
                     {-12, -2, 1}, {-22, -12, 2}, {-32, -22, 3}, {-62, -32, 10}};
        float dy = mnw.my - os_y;
        for (const auto& b : bands)
            if (dy >= b.lo && dy <= b.hi) {
                *center_index += b.step;
                break;
            }
    }
    *center_index = wrap_into(*center_index, ind1, ind2);
    for (int c = -3; c <= 3; ++c) {
        int k = wrap_into(*center_index + c, ind1, ind2);
        int colour = 46 + std::abs(c);
        float y = os_y - 10 * c;
        OGL_string(colour, os_x + 8, y, name + 40 * k, 228, 6);
        OGL_string(colour, os_x + 238, y, id + 5 * k, 40, 6);
    }
    OGL_framerect(46, os_x + 5, os_y - 2, 259, 10);
}

} // namespace gelvani
