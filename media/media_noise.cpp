#include "media_noise.h"

#include <cmath>

uint32_t hash3(int x, int y, int seed)
{
    uint32_t h = (uint32_t)x * 0x8da6b343u ^ (uint32_t)y * 0xd8163841u ^ (uint32_t)seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    h *= 0x27d4eb2du;
    h ^= h >> 16;
    return h;
}

float hash01(int x, int y, int seed)
{
    return (hash3(x, y, seed) & 0xffffffu) / (float)0xffffff;
}

float hash_signed(int x, int y, int seed)
{
    return hash01(x, y, seed) * 2 - 1;
}

namespace {
float smooth(float t)
{
    return t * t * (3 - 2 * t);
}

int wrap(int i, int n)
{
    i %= n;
    return i < 0 ? i + n : i;
}
} // namespace

float tile_noise(float u, float v, int cells, int seed)
{
    float x = u * cells, y = v * cells;
    int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
    float fx = smooth(x - x0), fy = smooth(y - y0);
    int xa = wrap(x0, cells), xb = wrap(x0 + 1, cells);
    int ya = wrap(y0, cells), yb = wrap(y0 + 1, cells);
    float a = hash01(xa, ya, seed), b = hash01(xb, ya, seed);
    float c = hash01(xa, yb, seed), d = hash01(xb, yb, seed);
    float top = a + (b - a) * fx, bottom = c + (d - c) * fx;
    return top + (bottom - top) * fy;
}

float tile_fbm(float u, float v, int cells, int octaves, float gain, int seed)
{
    float sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += tile_noise(u, v, cells << o, seed + 101 * o) * weight;
        total += weight;
        weight *= gain;
    }
    return sum / total;
}

dice dice_new(uint32_t seed)
{
    return dice{seed * 2654435761u + 1u};
}

float dice_01(dice& d)
{
    d.s ^= d.s << 13;
    d.s ^= d.s >> 17;
    d.s ^= d.s << 5;
    return (d.s & 0xffffffu) / (float)0xffffff;
}

float dice_signed(dice& d)
{
    return dice_01(d) * 2 - 1;
}

int dice_int(dice& d, int lo, int hi)
{
    int v = lo + (int)(dice_01(d) * (hi - lo + 1));
    return v > hi ? hi : v;
}
