// Terrain and water: grass fields, snow, mountain rock, water and tropical
// water, and the border pieces between them. A border piece lies on the cell
// of its second kind and is turned by the terrain code so that its first
// kind faces the neighbour: a straight piece has the neighbour along its
// left edge, an inside corner along its left and top edges, an outside
// corner in its lower right corner (the neighbour diagonally across). The
// shore meets each edge at the same place in every piece, so pieces join.
#include "media.h"
#include "media_noise.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {
const int SIDE = 256;
const float SHORE = 0.42f;   // distance of the shore from the neighbour's edge
const float PI = 3.14159265f;

enum kind { GRASS, SNOW, ROCK, WATER, TROPIC };
enum shape { FULL, STRAIGHT, INSIDE, OUTSIDE };

float smoothstep(float a, float b, float x)
{
    float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

bool is_water(int k)
{
    return k == WATER || k == TROPIC;
}

// Field patchwork shared by grass and snow: the field a point lies in and
// the distance to its nearest field border, in texture units.
struct field {
    int id;
    float edge;
};

field field_at(float u, float v)
{
    const int cells = 5;
    float x = u * cells, y = v * cells;
    int i = (int)std::floor(x), j = (int)std::floor(y);
    float fx = x - i, fy = y - j;
    i = (i % cells + cells) % cells;
    j = (j % cells + cells) % cells;
    int strips = 1 + (int)(hash01(i, j, 11) * 3);
    bool across = hash01(i, j, 12) < 0.5f;
    float along = across ? fy : fx;
    int k = std::min(strips - 1, (int)(along * strips));
    float in_strip = along * strips - k;
    float e = std::min({fx, 1 - fx, fy, 1 - fy}) / cells;
    e = std::min(e, std::min(in_strip, 1 - in_strip) / (strips * cells));
    return field{(i * 7 + j * 13 + k * 3) * 977 + 1, e};
}

colour grass_at(float u, float v)
{
    static const colour palette[] = {
        {78, 112, 46}, {96, 124, 56}, {64, 98, 42}, {118, 126, 64}, {88, 108, 52}, {110, 96, 64}, {72, 104, 50},
    };
    field f = field_at(u, v);
    colour c = palette[hash3(f.id, 0, 5) % 7];
    float n = tile_fbm(u, v, 16, 4, 0.55f, 21);
    c = scaled(c, 0.85f + 0.3f * n);
    // Hedges along the field borders, and copses where the noise is high.
    if (f.edge < 0.006f) c = mix(c, rgb(40, 62, 30), 0.7f);
    float wood = tile_fbm(u, v, 8, 4, 0.5f, 23);
    if (wood > 0.68f) c = mix(c, rgb(34, 58, 28), smoothstep(0.68f, 0.72f, wood));
    return c;
}

colour snow_at(float u, float v)
{
    field f = field_at(u, v);
    float n = tile_fbm(u, v, 16, 4, 0.55f, 31);
    float tone = 222 + 20 * (n - 0.5f) + 6 * (hash3(f.id, 0, 7) % 3);
    colour c = rgb(tone, tone + 4, std::min(250.0f, tone + 14));
    if (f.edge < 0.006f) c = mix(c, rgb(150, 156, 160), 0.6f);
    float wood = tile_fbm(u, v, 8, 4, 0.5f, 23);
    if (wood > 0.68f) c = mix(c, rgb(70, 82, 74), smoothstep(0.68f, 0.72f, wood) * 0.8f);
    return c;
}

colour rock_at(float u, float v)
{
    float n = tile_fbm(u, v, 8, 5, 0.55f, 41);
    float ridge = 1 - std::fabs(2 * tile_fbm(u, v, 6, 4, 0.5f, 43) - 1);
    colour c = mix(rgb(104, 96, 84), rgb(162, 152, 136), n);
    c = mix(c, rgb(70, 64, 58), smoothstep(0.85f, 0.98f, ridge) * 0.55f);
    float scrub = tile_fbm(u, v, 10, 4, 0.5f, 47);
    if (scrub < 0.36f) c = mix(c, rgb(72, 84, 50), smoothstep(0.36f, 0.30f, scrub) * 0.7f);
    float grit = hash01((int)(u * SIDE), (int)(v * SIDE), 49);
    return scaled(c, 0.93f + 0.14f * grit);
}

colour water_at(float u, float v, bool tropic)
{
    float n = tile_fbm(u, v, 4, 4, 0.5f, tropic ? 51 : 53);
    float waves = 0.5f + 0.25f * std::sin(2 * PI * (9 * u + 4 * v) + 6 * n) + 0.25f * std::sin(2 * PI * (-5 * u + 11 * v));
    colour deep = tropic ? rgb(24, 118, 150) : rgb(26, 52, 98);
    colour light = tropic ? rgb(52, 160, 178) : rgb(44, 78, 124);
    return mix(mix(deep, light, n), rgb(tropic ? 90 : 70, tropic ? 185 : 104, tropic ? 196 : 146), 0.18f * waves);
}

colour kind_at(int k, float u, float v)
{
    switch (k) {
    case GRASS: return grass_at(u, v);
    case SNOW: return snow_at(u, v);
    case ROCK: return rock_at(u, v);
    case WATER: return water_at(u, v, false);
    default: return water_at(u, v, true);
    }
}

int kind_from(const std::string& token)
{
    if (token == "grs") return GRASS;
    if (token == "sno") return SNOW;
    if (token == "mnt") return ROCK;
    if (token == "car") return TROPIC;
    return WATER;
}

int shape_of(int number)
{
    switch (number) {
    case 16: case 20: case 24: return STRAIGHT;
    case 17: case 21: case 25: return INSIDE;
    case 18: case 22: case 26: return OUTSIDE;
    default: return FULL;
    }
}

// Signed distance to the shore, negative on the neighbour's side.
float shore_distance(int sh, float s, float t)
{
    switch (sh) {
    case STRAIGHT: return s - SHORE;
    case INSIDE: {
        const float r = 0.16f;
        float qa = r - (s - SHORE), qb = r - ((1 - SHORE) - t);
        float outside = std::hypot(std::max(qa, 0.0f), std::max(qb, 0.0f));
        return -(outside + std::min(std::max(qa, qb), 0.0f) - r);
    }
    case OUTSIDE: return std::hypot(s - 1, t) - SHORE;
    default: return 1;
    }
}

// The shore wanders within the cell but meets every edge at its set place.
float wander(float s, float t, int seed)
{
    float edge = std::min({s, 1 - s, t, 1 - t});
    float taper = smoothstep(0.0f, 0.15f, edge);
    return 0.07f * (tile_fbm(s, t, 4, 3, 0.5f, seed) - 0.5f) * 2 * taper;
}

// First kind (the neighbour) where d < 0, second kind where d > 0.
colour border_pixel(int first, int second, float d, float s, float t)
{
    colour a = kind_at(first, s, t), b = kind_at(second, s, t);
    bool wet_a = is_water(first), wet_b = is_water(second);
    if (wet_a == wet_b) {
        // Land against land: rock breaks through along a ragged band.
        float n = tile_fbm(s, t, 12, 3, 0.5f, 61) - 0.5f;
        return mix(a, b, smoothstep(-0.05f, 0.05f, d + 0.1f * n));
    }
    // Land against water: keep the land on the negative side.
    colour land = wet_a ? b : a, water = wet_a ? a : b;
    int water_kind = wet_a ? first : second;
    float dl = wet_a ? -d : d;   // > 0 in the water
    bool tropic = water_kind == TROPIC;
    colour beach = tropic ? rgb(222, 206, 160) : rgb(150, 138, 100);
    float beach_w = tropic ? 0.06f : 0.018f;
    colour c;
    if (dl < 0) {
        c = mix(land, beach, smoothstep(-beach_w - 0.01f, -beach_w + 0.004f, dl));
    } else {
        colour shallow = tropic ? rgb(96, 196, 196) : rgb(60, 92, 116);
        c = mix(shallow, water, smoothstep(0.0f, tropic ? 0.12f : 0.05f, dl));
        c = mix(beach, c, smoothstep(0.0f, 0.006f, dl));
    }
    return c;
}
} // namespace

picture make_terrain(int number, const char* name)
{
    picture p = pic_new(SIDE, SIDE, grey(0));
    std::string n(name);
    std::string first = n.substr(0, 3);
    int sh = shape_of(number);
    if (sh == FULL) {
        int k = kind_from(first);
        for (int y = 0; y < SIDE; ++y)
            for (int x = 0; x < SIDE; ++x) pic_set(p, x, y, kind_at(k, (x + 0.5f) / SIDE, (y + 0.5f) / SIDE));
        return p;
    }
    std::string second = n.size() >= 7 ? n.substr(4, 3) : first;
    int a = kind_from(first), b = kind_from(second);
    // An outside corner lies on the first kind with the second in its corner.
    if (sh == OUTSIDE) std::swap(a, b);
    int seed = 71 + number;
    for (int y = 0; y < SIDE; ++y)
        for (int x = 0; x < SIDE; ++x) {
            // Four samples a pixel keep the shore line smooth.
            colour sum = rgb(0, 0, 0);
            for (int k = 0; k < 4; ++k) {
                float s = (x + 0.25f + 0.5f * (k & 1)) / SIDE, t = (y + 0.25f + 0.5f * (k >> 1)) / SIDE;
                float d = shore_distance(sh, s, t) + wander(s, t, seed);
                colour c = border_pixel(a, b, d, s, t);
                sum = rgb(sum.r + c.r / 4, sum.g + c.g / 4, sum.b + c.b / 4);
            }
            pic_set(p, x, y, sum);
        }
    return p;
}
