// Building blocks of the synthesized sounds: filters that run round a loop
// (so that a looping sound has no seam), envelopes, and the level rule that
// keeps every sound of the set equally loud.
#pragma once

#include <vector>

using samples = std::vector<float>;

struct biquad {
    float b0, b1, b2, a1, a2;
};
biquad lowpass(float hz, float q = 0.707f);
biquad highpass(float hz, float q = 0.707f);
biquad bandpass(float hz, float q);

// Filters in place. A circular pass runs the filter round the buffer twice
// and keeps the second turn, so the end leads into the start.
void filter(samples& s, const biquad& f);
void filter_circular(samples& s, const biquad& f);

samples silence(float seconds);
samples white_noise(float seconds, unsigned seed);
// Adds src into dst from sample `at`, wrapping past the end when `wrap`.
void mix_into(samples& dst, const samples& src, long at, float gain, bool wrap);

// Short linear fades at both ends (one-shot sounds).
void fade_ends(samples& s, float in_seconds, float out_seconds);

// Scales the sound so that its loud part (the 90th percentile of its
// 20 ms levels) has the set's common level, and rounds off any peak above
// the full scale.
void set_level(samples& s);
