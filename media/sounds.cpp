// The simulator's sounds. A frequency ratio of 1 plays a file at its own
// rate, 22050 Hz, so each engine note is made at the engine's reference
// speed and the flight model re-pitches it from there. Looping sounds are
// whole loops: every tone completes whole cycles in the loop, and noise is
// filtered round the loop and placed with wrap-around, so the end runs
// into the start without a click.
#include "media.h"
#include "media_files.h"
#include "media_noise.h"
#include "sound_synth.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {
const float PI = 3.14159265f;
const float TWO_PI = 2 * PI;

float t_of(size_t k)
{
    return (float)k / SOUND_RATE;
}

// A tone of whole-cycle frequency into a loop (amplitude a).
void add_tone(samples& s, float hz, float a, float phase = 0)
{
    for (size_t k = 0; k < s.size(); ++k) s[k] += a * std::sin(TWO_PI * hz * t_of(k) + phase);
}

// A damped burst: a resonance at `hz` with decay time `tau`, plus some
// noise, as one firing stroke or one blade slap.
samples burst(float hz, float tau, float noise, float length, unsigned seed)
{
    samples b = silence(length);
    dice d = dice_new(seed);
    for (size_t k = 0; k < b.size(); ++k) {
        float t = t_of(k), env = std::exp(-t / tau) * std::min(1.0f, t / 0.002f);
        b[k] = env * (std::sin(TWO_PI * hz * t) + noise * dice_signed(d));
    }
    return b;
}

// Periodic pulses round a loop: `per_second` a second (whole number per
// loop), with a repeating strength pattern.
void add_pulses(samples& s, float per_second, const samples& pulse, const float* pattern, int pattern_len, float gain)
{
    float loop = (float)s.size() / SOUND_RATE;
    int count = (int)std::lround(per_second * loop);
    for (int k = 0; k < count; ++k) {
        long at = (long)std::lround(k * (double)s.size() / count);
        mix_into(s, pulse, at, gain * pattern[k % pattern_len], true);
    }
}

samples looped_noise(float seconds, unsigned seed, const biquad& f, float gain)
{
    samples n = white_noise(seconds, seed);
    filter_circular(n, f);
    for (float& v : n) v *= gain;
    return n;
}

void add(samples& dst, const samples& src, float gain = 1)
{
    for (size_t k = 0; k < dst.size() && k < src.size(); ++k) dst[k] += src[k] * gain;
}

// --- engines, each at its reference speed -----------------------------

// Piston engine and propeller: six cylinders firing 96 times a second, the
// exhaust rumble under them, the propeller's beat.
samples piston_engine()
{
    samples s = silence(1);
    const float pattern[6] = {1, 0.8f, 0.95f, 0.82f, 0.9f, 0.76f};
    samples stroke = burst(210, 0.006f, 0.6f, 0.03f, 11);
    add_pulses(s, 96, stroke, pattern, 6, 1.0f);
    samples rumble = looped_noise(1, 13, lowpass(380, 0.9f), 1.6f);
    for (size_t k = 0; k < s.size(); ++k) {
        float beat = 0.75f + 0.25f * std::sin(TWO_PI * 84 * t_of(k));
        s[k] += rumble[k] * beat;
    }
    add_tone(s, 96, 0.25f);
    add_tone(s, 48, 0.18f);
    filter_circular(s, lowpass(2600));
    return s;
}

// Turboprop: the propeller's buzz at its blade rate, the turbine's whine
// and the rush of air.
samples turboprop_engine()
{
    samples s = silence(1);
    for (int h = 1; h <= 12; ++h) add_tone(s, 112.0f * h, 0.35f / h, 0.4f * h);
    add_tone(s, 1980, 0.05f);
    add_tone(s, 3960, 0.03f);
    add(s, looped_noise(1, 21, bandpass(900, 0.6f), 1.2f));
    add(s, looped_noise(1, 23, highpass(3000), 0.25f));
    return s;
}

// Jet: a deep roar, the fan's tone and a hiss on top.
samples jet_engine()
{
    samples s = silence(2);
    add(s, looped_noise(2, 31, lowpass(500, 0.8f), 2.2f));
    add(s, looped_noise(2, 33, bandpass(1800, 0.7f), 0.8f));
    add(s, looped_noise(2, 35, highpass(5000), 0.25f));
    add_tone(s, 3150, 0.06f);
    add_tone(s, 4725, 0.035f);
    for (size_t k = 0; k < s.size(); ++k) s[k] *= 0.9f + 0.1f * std::sin(TWO_PI * 1.5f * t_of(k));
    return s;
}

// Helicopter: the rotor's blade slap over its engine.
samples helicopter(bool turbine)
{
    samples s = silence(1);
    const float one[1] = {1};
    samples slap = burst(90, 0.025f, 1.2f, 0.09f, 41);
    filter(slap, lowpass(700));
    add_pulses(s, turbine ? 10 : 12, slap, one, 1, 2.2f);
    if (turbine) {
        add_tone(s, 2800, 0.05f);
        add_tone(s, 5600, 0.025f);
        add(s, looped_noise(1, 43, bandpass(1200, 0.6f), 0.6f));
    } else {
        const float pattern[4] = {1, 0.85f, 0.95f, 0.8f};
        samples stroke = burst(180, 0.006f, 0.6f, 0.03f, 45);
        add_pulses(s, 64, stroke, pattern, 4, 0.5f);
        add(s, looped_noise(1, 47, lowpass(400), 0.6f));
    }
    return s;
}

// --- environment ----------------------------------------------------------

samples wind()
{
    samples s = silence(4);
    add(s, looped_noise(4, 51, bandpass(650, 0.7f), 1.4f));
    add(s, looped_noise(4, 53, bandpass(2400, 1.2f), 0.35f));
    for (size_t k = 0; k < s.size(); ++k) {
        float t = t_of(k);
        s[k] *= 0.7f + 0.18f * std::sin(TWO_PI * 0.5f * t) + 0.12f * std::sin(TWO_PI * 1.25f * t + 1);
    }
    return s;
}

samples rain()
{
    samples s = silence(4);
    add(s, looped_noise(4, 61, highpass(2500), 0.25f));
    dice d = dice_new(63);
    for (int k = 0; k < 1800; ++k) {
        float hz = 2500 + 5000 * dice_01(d);
        samples drop = burst(hz, 0.002f + 0.004f * dice_01(d), 0.5f, 0.012f, 64 + k);
        mix_into(s, drop, (long)(dice_01(d) * s.size()), 0.15f + 0.35f * dice_01(d), true);
    }
    return s;
}

samples thunder()
{
    samples s = white_noise(6, 71);
    samples crack = s;
    filter(crack, highpass(800));
    filter(s, lowpass(140, 0.8f));
    filter(s, lowpass(220));
    dice d = dice_new(73);
    std::vector<float> bumps;
    for (int k = 0; k < 9; ++k) bumps.push_back(0.3f + 4.5f * dice_01(d));
    for (size_t k = 0; k < s.size(); ++k) {
        float t = t_of(k);
        float env = std::exp(-t / 2.2f);
        for (float b : bumps) env += 0.6f * std::exp(-std::pow((t - b) / 0.35f, 2.0f)) * std::exp(-t / 3);
        s[k] = s[k] * 6 * env + crack[k] * 0.9f * std::exp(-t / 0.08f);
    }
    fade_ends(s, 0.003f, 0.8f);
    return s;
}

// --- the aircraft's own noises -------------------------------------------

samples stall_horn()
{
    samples s = silence(0.5f);
    for (int h = 1; h <= 9; h += 2) add_tone(s, 880.0f * h, 0.5f / h);
    for (size_t k = 0; k < s.size(); ++k) s[k] *= 0.75f + 0.25f * std::sin(TWO_PI * 50 * t_of(k));
    filter_circular(s, lowpass(4000));
    return s;
}

samples flap_motor()
{
    samples s = silence(1);
    add_tone(s, 330, 0.4f);
    add_tone(s, 660, 0.2f);
    add_tone(s, 990, 0.1f);
    add_tone(s, 1650, 0.05f);
    samples grind = looped_noise(1, 81, bandpass(1400, 2), 0.5f);
    for (size_t k = 0; k < s.size(); ++k) s[k] = (s[k] + grind[k]) * (0.85f + 0.15f * std::sin(TWO_PI * 40 * t_of(k)));
    return s;
}

samples gear_motor()
{
    samples s = silence(3.6f);
    samples hiss = white_noise(3.6f, 91);
    filter(hiss, bandpass(700, 1.5f));
    float phase = 0;
    for (size_t k = 0; k < s.size(); ++k) {
        float t = t_of(k);
        float hz = 210 + 30 * std::min(t, 3.0f) / 3;
        phase += TWO_PI * hz / SOUND_RATE;
        float run = t < 3.1f ? 1 : std::exp(-(t - 3.1f) / 0.05f);
        s[k] = run * (0.4f * std::sin(phase) + 0.2f * std::sin(2 * phase) + 0.7f * hiss[k]);
    }
    samples clunk = burst(70, 0.06f, 0.8f, 0.4f, 93);
    samples ring = burst(1270, 0.03f, 0.1f, 0.3f, 95);
    mix_into(s, clunk, (long)(3.1f * SOUND_RATE), 1.6f, false);
    mix_into(s, ring, (long)(3.1f * SOUND_RATE), 0.3f, false);
    fade_ends(s, 0.08f, 0.1f);
    return s;
}

// Touch-down on a runway: a tyre squeal falling in pitch over a thump.
samples touchdown_runway()
{
    samples s = silence(0.6f);
    samples scuff = white_noise(0.6f, 101);
    filter(scuff, bandpass(1500, 3));
    float phase = 0;
    for (size_t k = 0; k < s.size(); ++k) {
        float t = t_of(k);
        float hz = 1250 - 500 * t;
        phase += TWO_PI * hz / SOUND_RATE;
        float env = std::min(1.0f, t / 0.01f) * std::exp(-t / 0.18f);
        s[k] = env * (0.5f * std::sin(phase) + 0.2f * std::sin(1.5f * phase) + 1.2f * scuff[k]);
    }
    mix_into(s, burst(75, 0.05f, 0.5f, 0.3f, 103), 0, 1.2f, false);
    fade_ends(s, 0.002f, 0.05f);
    return s;
}

// Touch-down on grass or dirt: a dull thud and the rustle after it.
samples touchdown_field()
{
    samples s = white_noise(0.7f, 111);
    filter(s, bandpass(1800, 0.8f));
    for (size_t k = 0; k < s.size(); ++k) s[k] *= 0.6f * std::exp(-t_of(k) / 0.2f);
    samples thud = burst(55, 0.07f, 1.0f, 0.4f, 113);
    filter(thud, lowpass(300));
    mix_into(s, thud, 0, 1.8f, false);
    fade_ends(s, 0.002f, 0.08f);
    return s;
}

samples splash()
{
    samples s = white_noise(1.6f, 121);
    samples low = s;
    filter(low, lowpass(600));
    biquad f = lowpass(4000);
    for (size_t k = 0; k < s.size(); ++k) {
        float t = t_of(k);
        s[k] = (s[k] * 0.5f * std::exp(-t / 0.15f) + low[k] * 1.5f * std::exp(-t / 0.5f)) * std::min(1.0f, t / 0.01f);
    }
    filter(s, f);
    dice d = dice_new(123);
    for (int k = 0; k < 30; ++k) {
        samples bubble = burst(300 + 900 * dice_01(d), 0.01f, 0, 0.04f, 124 + k);
        mix_into(s, bubble, (long)((0.2f + 1.1f * dice_01(d)) * SOUND_RATE), 0.15f, false);
    }
    fade_ends(s, 0.002f, 0.2f);
    return s;
}

// The crash: the blast, its low roll, and metal tearing.
samples crash()
{
    samples s = white_noise(3.2f, 131);
    samples roar = s;
    filter(roar, lowpass(160));
    filter(s, lowpass(2500));
    for (size_t k = 0; k < s.size(); ++k) {
        float t = t_of(k);
        s[k] = s[k] * 1.2f * std::exp(-t / 0.25f) + roar[k] * 5 * std::exp(-t / 1.1f);
    }
    mix_into(s, burst(45, 0.25f, 0.5f, 1.2f, 133), 0, 2.0f, false);
    dice d = dice_new(135);
    for (int k = 0; k < 14; ++k) {
        samples clang = burst(400 + 1800 * dice_01(d), 0.08f + 0.1f * dice_01(d), 0.3f, 0.5f, 136 + k);
        mix_into(s, clang, (long)(dice_01(d) * 1.2f * SOUND_RATE), 0.25f, false);
    }
    fade_ends(s, 0.001f, 0.4f);
    return s;
}

// Morse elements at one tone: a dot lasts a third of a dash.
samples morse(float seconds)
{
    samples s = silence(seconds);
    add_tone(s, 1020, 0.5f);
    fade_ends(s, 0.005f, 0.005f);
    return s;
}
} // namespace

std::vector<float> make_sound(const char* name)
{
    std::string n(name);
    samples s;
    if (n == "engn.WAV" || n == "eng1.WAV") s = piston_engine();
    else if (n == "eng2.WAV") s = turboprop_engine();
    else if (n == "eng3.WAV") s = jet_engine();
    else if (n == "eng4.WAV") s = helicopter(false);
    else if (n == "eng5.WAV") s = helicopter(true);
    else if (n == "wind.WAV") s = wind();
    else if (n == "rain.WAV") s = rain();
    else if (n == "stal.WAV") s = stall_horn();
    else if (n == "flap.WAV") s = flap_motor();
    else if (n == "thun.WAV") s = thunder();
    else if (n == "gear.WAV") s = gear_motor();
    else if (n == "lrun.WAV") s = touchdown_runway();
    else if (n == "loff.WAV") s = touchdown_field();
    else if (n == "lwat.WAV") s = splash();
    else if (n == "boom.WAV") s = crash();
    else if (n == "mdot.WAV") s = morse(0.1f);
    else if (n == "mdas.WAV") s = morse(0.3f);
    if (!s.empty()) set_level(s);
    return s;
}
