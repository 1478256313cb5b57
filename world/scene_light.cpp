#include "scene_light.h"

#include "weather_field.h"
#include "records/world_state.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"

#include <algorithm>
#include <cmath>

int cloudme;
float time_in_cloud, duration_cloud, coud_rat;
float lite_r = 1, lite_g = 1, lite_b = 1;
float base_rgb[3];
float sky_rat[3];

static float clampf(float v, float lo, float hi) { return std::min(std::max(v, lo), hi); }

// Linear through (x1, y1) and (x2, y2), not limited; equal ends give a step to y2.
static float lin(float x, float x1, float y1, float x2, float y2)
{
    if (x2 == x1) return y2;
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

static void mix3(const float a[3], const float b[3], float t, float out[3])
{
    for (int k = 0; k < 3; k++) out[k] = a[k] + (b[k] - a[k]) * t;
}

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

void cloud_band_heights(float baseMSL, float topsMSL, float baseAGL, cloud_bands* b)
{
    const float ragged = clampf(baseAGL * 0.5f, 0, 300);
    b->fvis_top = topsMSL + 600;
    b->zvis_top = topsMSL;
    b->zvis_bot = baseMSL + ragged;
    b->fvis_bot = baseMSL - ragged;
}

int in_cloud_band(const cloud_bands& b, float y)
{
    return y >= b.fvis_bot && y <= b.fvis_top;
}

float deck_visibility(const cloud_bands& b, float y)
{
    if (!in_cloud_band(b, y)) return 1;
    if (y < b.zvis_bot) return sqr(lin(y, b.fvis_bot, 1, b.zvis_bot, 0));
    if (y <= b.zvis_top) return 0;   // the tops themselves are still in the cloud
    return sqr(lin(y, b.zvis_top, 0, b.fvis_top, 1));
}

float cloud_puff(float prd, float av_kts, float r_start, float r_len, float r_rat)
{
    if (!cloudme && r_start < prd) {
        cloudme = 1;
        time_in_cloud = 0;
        duration_cloud = r_len / (av_kts / 90 + 0.0001f);
        coud_rat = r_rat;
    }
    if (!cloudme) return 1;
    time_in_cloud += prd;
    const float t = time_in_cloud, d = duration_cloud;
    float r = t < 0.5f * d ? lin(t, 0, 1, 0.2f * d, coud_rat) : lin(t, 0.8f * d, coud_rat, d, 1);
    r = clampf(r, coud_rat, 1);
    if (t > d) cloudme = 0;
    return r;
}

void sky_colour(float hours, float y, float brat, float level, int cld_type, int above, const cloud_bands& b,
                float base[3], float rat[3])
{
    float clear[3] = {0.4f * brat, 0.6f * brat, 1.0f * brat};
    const float top[3] = {0.8f * brat, 0.8f * brat, 0.8f * brat};
    const float bottom[3] = {0.5f * brat, 0.5f * brat, 0.5f * brat};
    const float s = clampf(1 - y * 3.2808399f / 260000, 0, 1);
    for (int k = 0; k < 3; k++) clear[k] *= s * s;
    for (int k = 0; k < 3; k++) base[k] = clear[k];

    rat[0] = 1;
    rat[1] = rat[2] = 0.6f - 0.075f * level;
    if (!cld_type || above) {
        rat[1] = above ? 0.4f : 0.6f;
        rat[2] = above ? 0.3f : 0.4f;
        float f = 1;
        if (hours >= 5.5f && hours <= 6.5f) f = std::fabs(hours - 6) + 0.5f;
        else if (hours >= 17.5f && hours <= 18.5f) f = std::fabs(hours - 18) + 0.5f;
        rat[1] *= f;
        rat[2] *= f;
    }
    if (cld_type != 1) return;
    if (y < b.fvis_bot) {
        for (int k = 0; k < 3; k++) base[k] = bottom[k];
    } else if (y < b.zvis_bot) {
        for (int k = 0; k < 3; k++) base[k] = bottom[k];
        for (int k = 1; k < 3; k++) rat[k] = lin(y, b.fvis_bot, rat[k], b.zvis_bot, 1);
    } else if (y < b.zvis_top) {
        mix3(bottom, top, lin(y, b.zvis_bot, 0, b.zvis_top, 1), base);
        rat[0] = rat[1] = rat[2] = 1;
    } else if (y < b.fvis_top) {
        mix3(top, clear, lin(y, b.zvis_top, 0, b.fvis_top, 1), base);
        for (int k = 1; k < 3; k++) rat[k] = lin(y, b.zvis_top, 1, b.fvis_top, rat[k]);
    }
}

void tint_light_and_sky(float hours, int clear, float lite[3], float base[3])
{
    const float moon[3] = {0.9f, 0.9f, 1.2f};
    const float sun_lite[3] = {1.4f, 0.8f, 0.8f};
    const float sun_clear[3] = {2.4f, 0.6f, 0.3f};
    for (int k = 0; k < 3; k++) {
        lite[k] *= tint_factor(hours, sun_lite[k], moon[k]);
        base[k] *= tint_factor(hours, clear ? sun_clear[k] : sun_lite[k], moon[k]);
    }
}

float flash(float c, float d)
{
    return c + (1 - c) * (30 - d) / 30;
}

void fog_range(float vis_eff, float* start, float* end)
{
    *start = 0.2f * vis_eff;
    // zero visibility inside the deck would make a fog of no depth
    *end = std::max(vis_eff, *start + 1);
}

void light0_direction(float hours, float dir[4])
{
    float g = (12 - hours) * 90 / 6;
    if (g < -90) g = -180 - g;
    else if (g > 90) g = 180 - g;
    const float rad = 3.14159265f / 180;
    dir[0] = std::sin(g * rad);
    dir[1] = std::cos(clampf(g, 30, 90) * rad);
    dir[2] = 0;
    dir[3] = 0;
}

void scene_visibility(float eye_y)
{
    cloud_bands b;
    cloud_band_heights(atm.baseMSL, atm.topsMSL, atm.baseAGL, &b);
    atm.vis_eff = vis_effective(atm.cld_type && scn.abovetops, atm.vis_rep, atm.vis_mult, (float)flt.Y - env.localh_cg);
    if (atm.cld_type != 1) return;
    float rat2 = 1;
    if (in_cloud_band(b, eye_y)) {
        const float r1 = fltrand(0, 2), r2 = fltrand(0.5f, 3), r3 = fltrand(0, 1);
        rat2 = cloud_puff(msc.prd, flt.av * con.msctokts, r1, r2, r3);
    }
    atm.vis_eff *= deck_visibility(b, eye_y) * rat2 / (atm.level + 1);
}

void scene_light(float eye_y)
{
    const float hours = msc.locl_time / 3600;
    cloud_bands b;
    cloud_band_heights(atm.baseMSL, atm.topsMSL, atm.baseAGL, &b);
    const int above = atm.cld_type && scn.abovetops;
    float brat_lite;
    sun_light(hours, atm.level, atm.cld_type, above, &ogl_brat_ter, &brat_lite);
    sky_colour(hours, eye_y, ogl_brat_ter, atm.level, atm.cld_type, above, b, base_rgb, sky_rat);
    float lite[3] = {brat_lite, brat_lite, brat_lite};
    tint_light_and_sky(hours, !atm.cld_type || above, lite, base_rgb);
    if (!above && msc.elap_time < atm.strike_stop_time && msc.cntr10 % 2 == 0) {
        for (int k = 0; k < 3; k++) {
            lite[k] = flash(lite[k], atm.strike_distance);
            base_rgb[k] = flash(base_rgb[k], atm.strike_distance);
        }
    }
    lite_r = lite[0];
    lite_g = lite[1];
    lite_b = lite[2];
}

float pulse(float offset)
{
    return 0.5f + 0.5f * std::sin(2 * (msc.elap_time + offset));
}
