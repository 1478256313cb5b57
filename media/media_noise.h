// Repeatable noise: the same seed gives the same picture and sound on every
// build. The 2-D noise is periodic over the unit square, so that textures
// made from it tile without seams.
#pragma once

#include <cstdint>

uint32_t hash3(int x, int y, int seed);
float hash01(int x, int y, int seed);          // 0..1
float hash_signed(int x, int y, int seed);     // -1..1

// Smooth value noise over the unit square with `cells` lattice cells per
// side, periodic in u and v with period 1; result 0..1.
float tile_noise(float u, float v, int cells, int seed);
// Sum of octaves from `cells` upward, each twice as fine and `gain` as strong;
// result about 0..1.
float tile_fbm(float u, float v, int cells, int octaves, float gain, int seed);

// A small repeatable generator for sound and placement.
struct dice {
    uint32_t s;
};
dice dice_new(uint32_t seed);
float dice_01(dice& d);            // 0..1
float dice_signed(dice& d);        // -1..1
int dice_int(dice& d, int lo, int hi);
