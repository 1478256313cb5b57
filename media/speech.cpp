// The spoken warnings and height calls, synthesized with the espeak-ng
// program at build time and turned into the set's format: 22050 Hz mono,
// trimmed, band-limited like a cockpit speaker and levelled with the rest.
#include "media.h"
#include "media_files.h"
#include "sound_synth.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
struct phrase {
    const char* file;
    const char* words;
};

const phrase phrases[] = {
    {"sink.WAV", "sink rate"}, {"pull.WAV", "pull up"},    {"gwrn.WAV", "too low, gear"},
    {"glid.WAV", "glide slope"}, {"mini.WAV", "minimums"}, {"wshr.WAV", "wind shear"},
    {"caut.WAV", "caution"},     {"50ft.WAV", "fifty"},     {"25ft.WAV", "twenty five"},
    {"10ft.WAV", "ten"},
};

const phrase* find_phrase(const char* name)
{
    for (const phrase& p : phrases)
        if (strcmp(p.file, name) == 0) return &p;
    return nullptr;
}

// Any rate to ours, by linear interpolation.
samples resampled(const samples& in, int rate)
{
    if (rate == SOUND_RATE || in.empty()) return in;
    size_t n = (size_t)((double)in.size() * SOUND_RATE / rate);
    samples out(n);
    for (size_t k = 0; k < n; ++k) {
        double pos = (double)k * rate / SOUND_RATE;
        size_t i = (size_t)pos;
        float f = (float)(pos - i);
        float a = in[std::min(i, in.size() - 1)], b = in[std::min(i + 1, in.size() - 1)];
        out[k] = a + (b - a) * f;
    }
    return out;
}

// Drops the silence before and after the words, keeping 20 ms either side.
samples trimmed(const samples& in)
{
    float peak = 0;
    for (float v : in) peak = std::max(peak, std::fabs(v));
    float gate = peak * 0.02f;
    size_t a = 0, b = in.size();
    while (a < b && std::fabs(in[a]) < gate) ++a;
    while (b > a && std::fabs(in[b - 1]) < gate) --b;
    size_t pad = SOUND_RATE / 50;
    a = a > pad ? a - pad : 0;
    b = std::min(in.size(), b + pad);
    return samples(in.begin() + (long)a, in.begin() + (long)b);
}
} // namespace

int is_spoken_sound(const char* name)
{
    return find_phrase(name) != nullptr;
}

std::vector<float> make_speech(const char* name, const std::string& espeak, const std::string& scratch)
{
    const phrase* p = find_phrase(name);
    if (!p) return {};
    std::string out = scratch + name;
    // A clear, level female voice, a little quicker than conversation.
    std::string cmd = "\"" + espeak + "\" -v en-us+f3 -s 160 -p 55 -w \"" + out + "\" \"" + p->words + "\"";
    if (std::system(cmd.c_str()) != 0) return {};
    samples s;
    int rate = 0;
    if (!load_wav_mono(out, &s, &rate) || s.empty()) return {};
    s = trimmed(resampled(s, rate));
    filter(s, highpass(280));
    filter(s, lowpass(3800));
    fade_ends(s, 0.01f, 0.02f);
    set_level(s);
    return s;
}
