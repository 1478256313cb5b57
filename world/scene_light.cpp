#include "scene_light.h"

#include <algorithm>
#include <cmath>

static float clampf(float v, float lo, float hi) { return std::min(std::max(v, lo), hi); }

// Linear through (x1, y1) and (x2, y2), not limited.
static float lin(float x, float x1, float y1, float x2, float y2) { return y1 + (y2 - y1) * (x - x1) / (x2 - x1); }

float vis_effective(int overcast_below, float vis_rep, float vis_mult, float agl)
{
    const float vis_rat = (1 + agl / 10000) * vis_mult;
    if (overcast_below) return clampf(vis_rat * 166680, 18520, 166680);
    return clampf(vis_rep * vis_rat, 185.2f, 37040);
}

void sun_light(float hours, float level, int cld_type, int abovetops, float* brat_ter, float* brat_lite)
{
    const float deg = clampf((hours - 12) * 90 / 8, -90, 90);
    const float c = std::fabs(std::cos(deg * 3.14159265f / 180));
    const float dim = 1 - level / 8;
    float b = c * dim;
    if (!cld_type) b = std::max(b, 0.01f);
    if (abovetops) b = std::max(b, 0.05f);
    *brat_ter = b;
    float l = std::pow(c, 0.67f) * dim;
    l = std::max(l, !cld_type || abovetops ? 0.1f : 0.05f);
    *brat_lite = l;
}

float tint_factor(float h, float sunset, float moon)
{
    float f = 1;
    if (h >= 0 && h <= 5.5f) f *= lin(h, 0, moon, 5.5f, 1);
    if (h >= 5.5f && h <= 6) f *= lin(h, 5.5f, 1, 6, sunset);
    if (h >= 6 && h <= 6.5f) f *= lin(h, 6, sunset, 6.5f, 1);
    if (h >= 17.5f && h <= 18) f *= lin(h, 17.5f, 1, 18, sunset);
    if (h >= 18 && h <= 18.5f) f *= lin(h, 18, sunset, 18.5f, 1);
    if (h >= 18.5f && h <= 24) f *= lin(h, 18.5f, 1, 24, moon);
    return f;
}
