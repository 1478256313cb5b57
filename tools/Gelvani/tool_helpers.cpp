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

} // namespace gelvani
