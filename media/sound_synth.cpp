#include "sound_synth.h"

#include "media_files.h"
#include "media_noise.h"

#include <algorithm>
#include <cmath>

namespace {
const float PI = 3.14159265f;
const float LEVEL = 0.16f;     // RMS of the loud part, about -16 dB of full scale

biquad normalised(float b0, float b1, float b2, float a0, float a1, float a2)
{
    return biquad{b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

struct biquad_state {
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

float step(const biquad& f, biquad_state& st, float x)
{
    float y = f.b0 * x + f.b1 * st.x1 + f.b2 * st.x2 - f.a1 * st.y1 - f.a2 * st.y2;
    st.x2 = st.x1;
    st.x1 = x;
    st.y2 = st.y1;
    st.y1 = y;
    return y;
}
} // namespace

biquad lowpass(float hz, float q)
{
    float w = 2 * PI * hz / SOUND_RATE, c = std::cos(w), a = std::sin(w) / (2 * q);
    return normalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

biquad highpass(float hz, float q)
{
    float w = 2 * PI * hz / SOUND_RATE, c = std::cos(w), a = std::sin(w) / (2 * q);
    return normalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

biquad bandpass(float hz, float q)
{
    float w = 2 * PI * hz / SOUND_RATE, c = std::cos(w), a = std::sin(w) / (2 * q);
    return normalised(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

void filter(samples& s, const biquad& f)
{
    biquad_state st;
    for (float& v : s) v = step(f, st, v);
}

void filter_circular(samples& s, const biquad& f)
{
    biquad_state st;
    for (float v : s) step(f, st, v);
    for (float& v : s) v = step(f, st, v);
}

samples silence(float seconds)
{
    return samples((size_t)std::lround(seconds * SOUND_RATE), 0.0f);
}

samples white_noise(float seconds, unsigned seed)
{
    samples s = silence(seconds);
    dice d = dice_new(seed);
    for (float& v : s) v = dice_signed(d);
    return s;
}

void mix_into(samples& dst, const samples& src, long at, float gain, bool wrap)
{
    long n = (long)dst.size();
    for (size_t k = 0; k < src.size(); ++k) {
        long i = at + (long)k;
        if (wrap) i = ((i % n) + n) % n;
        if (i >= 0 && i < n) dst[i] += src[k] * gain;
    }
}

void fade_ends(samples& s, float in_seconds, float out_seconds)
{
    size_t in = std::min(s.size(), (size_t)(in_seconds * SOUND_RATE));
    size_t out = std::min(s.size(), (size_t)(out_seconds * SOUND_RATE));
    for (size_t k = 0; k < in; ++k) s[k] *= (float)k / in;
    for (size_t k = 0; k < out; ++k) s[s.size() - 1 - k] *= (float)k / out;
}

void set_level(samples& s)
{
    const size_t win = SOUND_RATE / 50;
    std::vector<float> levels;
    for (size_t a = 0; a + win <= s.size(); a += win) {
        double sum = 0;
        for (size_t k = a; k < a + win; ++k) sum += (double)s[k] * s[k];
        levels.push_back((float)std::sqrt(sum / win));
    }
    if (levels.empty()) return;
    std::sort(levels.begin(), levels.end());
    float loud = levels[(size_t)(levels.size() * 0.9f)];
    if (loud <= 0) return;
    float gain = LEVEL / loud;
    for (float& v : s) {
        float x = v * gain;
        // Peaks beyond 0.7 bend smoothly toward 0.9 of full scale.
        float ax = std::fabs(x);
        if (ax > 0.7f) x = std::copysign(0.7f + 0.2f * std::tanh((ax - 0.7f) / 0.2f), x);
        v = x;
    }
}
