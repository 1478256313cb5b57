#include "scene_drawing_rules.h"

#include "records/world_state.h"
#include "toolkit/HL_FUNCT.h"

#include <cmath>

smoke_state smoke = {1, {}, {}, {}, {}, {}, {}, {}};

int in_quad_xz(const float c[4][3], float x, float z)
{
    int pos = 0, neg = 0;
    for (int e = 0; e < 4; ++e) {
        const float* a = c[e];
        const float* b = c[(e + 1) % 4];
        float cross = (b[0] - a[0]) * (z - a[2]) - (b[2] - a[2]) * (x - a[0]);
        if (cross > 0) ++pos;
        if (cross < 0) ++neg;
    }
    return pos == 0 || neg == 0;
}

int in_roof_box(const float c1[3], const float c3[3], float x, float z)
{
    return x >= fltmin2(c1[0], c3[0]) && x <= fltmax2(c1[0], c3[0]) && z >= fltmin2(c1[2], c3[2]) &&
           z <= fltmax2(c1[2], c3[2]);
}

void mark_surface(int surf_type, float height)
{
    env.over_obs = 1;
    env.surf_type = surf_type;
    env.obj_height = height;
}

int runway_class(int len_m, int surf)
{
    if (surf >= 29 && surf <= 31) return 0;
    if (len_m > 2400) return 3;
    if (len_m > 1200) return 2;
    return 1;
}

void runway_segments(int cls, int smax, int* s_first, int* s_last)
{
    *s_first = cls == 3 ? -2 : 0;
    *s_last = cls == 3 ? smax + 1 : smax - 1;
}

namespace {
// The marking counted from the start end.
int start_marking(int cls, int s)
{
    switch (cls) {
    case 1: return s == 0 ? MARK_NUMBERS : MARK_PLAIN;
    case 2: return s == 0 ? MARK_THRESHOLD : s == 1 ? MARK_NUMBERS : MARK_PLAIN;
    case 3:
        if (s == -2 || s == -1) return MARK_ARROWS;
        if (s == 0) return MARK_THRESHOLD;
        if (s == 1) return MARK_NUMBERS;
        if (s == 3 || s == 7 || s == 9) return MARK_TOUCHDOWN;
        if (s == 5) return MARK_FIXED;
        return MARK_PLAIN;
    default: return MARK_PLAIN;
    }
}
} // namespace

int segment_marking(int cls, int s, int smax, int* far_end)
{
    *far_end = 0;
    int m = start_marking(cls, s);
    if (m != MARK_PLAIN) return m;
    m = start_marking(cls, smax - 1 - s);
    if (m != MARK_PLAIN) *far_end = 1;
    return m;
}

int marking_texture(int marking, int surf)
{
    switch (marking) {
    case MARK_ARROWS: return 49;
    case MARK_THRESHOLD: return 50;
    case MARK_TOUCHDOWN: return 51;
    case MARK_FIXED: return 52;
    default: return surf >= 29 && surf <= 31 ? surf : 53;
    }
}

int end_number(int num, int far_end)
{
    return far_end ? intwrap(num + 18, 1, 36) : num;
}

void number_textures(int num, int far_end, int* tex_c3, int* tex_c2)
{
    int n = intlim(end_number(num, far_end), 0, 39);
    int tens = 33 + n / 10, units = 37 + n % 10;
    *tex_c3 = far_end ? units : tens;
    *tex_c2 = far_end ? tens : units;
}

int straight_in(float psi, int hdng)
{
    int d = intwrap(flt_to_int(psi - hdng) % 360, -179, 180);
    return std::abs(d) < 90;
}

float glide_path_angle(float dy, float dxz)
{
    return std::atan2(dy, dxz) * 57.29578f;
}

void glide_slope_reds(int code, float gs, int red[4])
{
    for (int k = 0; k < 4; ++k) red[k] = 0;
    if (code == 2) {
        red[0] = red[1] = gs < 3.5f;
        red[2] = red[3] = gs < 2.5f;
    } else if (code == 3) {
        const float limit[4] = {2.6f, 2.9f, 3.1f, 3.4f};
        for (int k = 0; k < 4; ++k) red[k] = gs < limit[k];
    }
}

int edge_amber(int i, int straightin, int amber1, int amber2, int amber3, int amber4)
{
    if (i < 50) return straightin ? i >= amber2 : i <= amber1;
    return straightin ? i >= amber3 : i <= amber4;
}

int threshold_green(int i, int straightin)
{
    return i <= 513 ? straightin : !straightin;
}

int centreline_red(int i, int straightin, int altred1, int red1, int altred2, int red2)
{
    if (straightin) {
        if (i >= red1) return 1;
        if (i >= altred1) return i % 2 == 0;
        return 0;
    }
    if (i >= altred2) return 0;
    if (i >= red2) return i % 2 == 0;
    return 1;
}

float beacon_intensity(float phase)
{
    float s = std::sin(phase);
    float s4 = s * s * s * s;
    return s < 0 ? -s4 : s4;
}

float beacon_point_size(float intens, float least)
{
    float size = 2 * std::fabs(intens);
    return size >= least && size > 0 ? size : 0;
}

rway_light_plan plan_rway_lights(int lites_on, int tway, int lgt_rwy, int lgt_app, int lgt_gls)
{
    rway_light_plan p = {};
    p.glide_slope = lgt_gls == 2 || lgt_gls == 3;
    if (!lites_on) return p;
    int app = lgt_app >= 2 && lgt_app <= 5;
    p.taxiway = tway && lgt_rwy >= 2;
    p.edge = lgt_rwy >= 2;
    p.threshold = lgt_rwy >= 3 || app;
    p.threshold_bars = app;
    p.centreline = lgt_rwy >= 4;
    p.touchdown = lgt_rwy >= 5;
    p.approach = app;
    p.approach_far = lgt_app >= 4 && lgt_app <= 5;
    p.approach_red = lgt_app == 5;
    p.strobe = lgt_app >= 3 && lgt_app <= 6;
    return p;
}

int radtower_points(float dh)
{
    return dh > 150 ? 13 : 10;
}

int wall_rows(int imin, int imax, float hmin, float hmax)
{
    return hmax > hmin ? intmax2(imax - imin, 0) : 0;
}

int flash_on(float rb_cycle, int obs)
{
    return (round(10 * rb_cycle) + obs) % 30 == 0;
}

void code_rgb(int code, float rgb[3])
{
    rgb[0] = (code / 10000) * 0.1f;
    rgb[1] = (code / 100 % 100) * 0.1f;
    rgb[2] = (code % 100) * 0.1f;
}

const building_kind* building_of(int t)
{
    static const struct {
        int t;
        building_kind k;
    } kinds[] = {
        {1, {64, 0, 3, 48, -1, {0, 0, 0}, 0, 1}},        {2, {59, 0, 1, 48, -1, {0, 0, 0}, 0, 1}},
        {5, {14, 0, 3, 48, -1, {0, 0, 0}, 0, 1}},        {6, {14, 0, 1, 0, -1, {0, 0, 0}, 0, 1}},
        {90, {60, 0, 3, 48, 0, {1, 1, 1}, 0, 1}},        {91, {61, 0, 3, 48, 1, {1, 0.85f, 0}, 0, 1}},
        {92, {62, 0, 3, 48, 2, {0.4f, 1, 0.6f}, 0, 1}},  {93, {63, 0, 3, 48, 1, {1, 0.85f, 0}, 0, 0}},
        {94, {60, 0, 3, 56, 0, {1, 1, 1}, 1, 1}},        {95, {61, 0, 3, 56, 1, {1, 1, 0}, 1, 1}},
        {96, {62, 0, 3, 56, 2, {0.4f, 1, 0.6f}, 1, 1}},  {97, {14, 0, 3, 48, -1, {0, 0, 0}, 0, 0}},
    };
    for (const auto& k : kinds)
        if (k.t == t) return &k.k;
    return nullptr;
}

float star_brat(float base_r, float base_g, float base_b, float hours)
{
    return 1 - (base_r + base_g + base_b) * (hours > 12 ? 1.6f : 0.8f);
}

int stars_visible(float brat, float base_r, float base_g, float base_b)
{
    return brat > base_r || brat > base_g || brat > base_b;
}

void star_group(int g, int* s1, int* s2, float* share)
{
    static const int a = 1, b = 200, c = 400, d = 800, e = 1400, f = 1999;
    const int lo[5] = {a, b + 1, c + 1, d + 1, e + 1};
    const int hi[5] = {b, c, d, e, f};
    g = intlim(g, 0, 4);
    *s1 = lo[g];
    *s2 = hi[g];
    *share = 1 - 0.2f * g;
}

float meteor_interval(int meteorite_code)
{
    switch (meteorite_code) {
    case 1: return 600;
    case 2: return 300;
    case 3: return 150;
    case 4: return 30;
    default: return 300;
    }
}

int meteor_starts(float interval, float prd)
{
    if (prd <= 0) return 0;
    return fltrand(0, interval / prd) < 1;
}

float advance_fire_clock(float ft, float prd)
{
    return fltwrap(ft + 10 * prd, 66, 77);
}

int fire_texture(float ft, int phase)
{
    return intwrap(round(ft) + phase, 66, 77);
}

void step_smoke(float prd, const int fire_on[10], const float firexyz[10][3], float wnddir, float mvar)
{
    if (smoke.first) {
        for (int s = 0; s < SMOKE_PUFFS; ++s) {
            smoke.s_t[s] = 2.0f * s;
            smoke.s_s[s] = smoke.s_x[s] = smoke.s_y[s] = smoke.s_z[s] = smoke.s_d[s] = 0;
            smoke.live[s] = 0;
        }
        smoke.first = 0;
    }
    for (int s = 0; s < SMOKE_PUFFS; ++s) {
        if (smoke.s_t[s] > 100) {
            smoke.s_t[s] -= 100;
            // A burning fire from a random start; without one the puff waits.
            int start = intrand(0, 9), fs = -1;
            for (int k = 0; k < 10 && fs < 0; ++k)
                if (fire_on[(start + k) % 10]) fs = (start + k) % 10;
            smoke.live[s] = fs >= 0;
            if (fs >= 0) {
                smoke.s_s[s] = 25;
                smoke.s_x[s] = firexyz[fs][0];
                smoke.s_y[s] = firexyz[fs][1] + 20;
                smoke.s_z[s] = firexyz[fs][2];
                smoke.s_d[s] = (wnddir - mvar + 15 - 3 * fs) * 0.0174533f;
            }
        }
        smoke.s_t[s] += prd;
        smoke.s_s[s] += 1.5f * prd;
        smoke.s_x[s] -= std::sin(smoke.s_d[s]) * smoke.s_s[s] * prd * 0.25f;
        smoke.s_y[s] += smoke.s_s[s] * prd * 0.03f;
        smoke.s_z[s] += std::cos(smoke.s_d[s]) * smoke.s_s[s] * prd * 0.25f;
    }
}
