#include "media_files.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace {
void put16(std::vector<unsigned char>& b, unsigned v)
{
    b.push_back(v & 0xff);
    b.push_back((v >> 8) & 0xff);
}

void put32(std::vector<unsigned char>& b, uint32_t v)
{
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

void put_text(std::vector<unsigned char>& b, const char* s)
{
    while (*s) b.push_back((unsigned char)*s++);
}

int save(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return 0;
    f.write((const char*)bytes.data(), (std::streamsize)bytes.size());
    return f.good() ? 1 : 0;
}

unsigned char to_byte(float v)
{
    int i = (int)std::lround(v);
    return (unsigned char)(i < 0 ? 0 : (i > 255 ? 255 : i));
}

uint32_t get32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24);
}

unsigned get16(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}
} // namespace

int write_bmp(const std::string& path, const picture& p)
{
    int row = (p.w * 3 + 3) & ~3;
    std::vector<unsigned char> b;
    b.reserve(54 + (size_t)row * p.h);
    put_text(b, "BM");
    put32(b, 54 + (uint32_t)row * p.h);
    put16(b, 0);
    put16(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, p.w);
    put32(b, p.h);
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, (uint32_t)row * p.h);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = 0; y < p.h; ++y) {
        for (int x = 0; x < p.w; ++x) {
            size_t i = (size_t)y * p.w + x;
            unsigned char r = to_byte(p.px[i * 3]), g = to_byte(p.px[i * 3 + 1]), bl = to_byte(p.px[i * 3 + 2]);
            if (p.keyed) {
                if (p.key[i]) {
                    r = g = bl = 1;
                } else {
                    // The loader keys on exactly (1, 1, 1); some readers of the
                    // format key on white, so neither stands for a drawn pixel.
                    if (r == 1 && g == 1 && bl == 1) r = g = bl = 2;
                    if (r > 250) r = 250;
                    if (g > 250) g = 250;
                    if (bl > 250) bl = 250;
                }
            }
            b.push_back(bl);
            b.push_back(g);
            b.push_back(r);
        }
        for (int k = p.w * 3; k < row; ++k) b.push_back(0);
    }
    return save(path, b);
}

int write_wav(const std::string& path, const std::vector<float>& samples)
{
    uint32_t data = (uint32_t)samples.size() * 2;
    std::vector<unsigned char> b;
    b.reserve(44 + data);
    put_text(b, "RIFF");
    put32(b, 36 + data);
    put_text(b, "WAVE");
    put_text(b, "fmt ");
    put32(b, 16);
    put16(b, 1);                 // PCM
    put16(b, 1);                 // mono
    put32(b, SOUND_RATE);
    put32(b, SOUND_RATE * 2);
    put16(b, 2);
    put16(b, 16);
    put_text(b, "data");
    put32(b, data);
    for (float s : samples) {
        float c = s < -1 ? -1 : (s > 1 ? 1 : s);
        int v = (int)std::lround(c * 32767);
        put16(b, (unsigned)(v & 0xffff));
    }
    return save(path, b);
}

int load_wav_mono(const std::string& path, std::vector<float>* samples, int* rate)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) return 0;
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || memcmp(b.data(), "RIFF", 4) != 0 || memcmp(b.data() + 8, "WAVE", 4) != 0) return 0;
    int channels = 0, bits = 0;
    size_t pos = 12;
    while (pos + 8 <= b.size()) {
        uint32_t len = get32(&b[pos + 4]);
        const unsigned char* body = b.data() + pos + 8;
        if (memcmp(&b[pos], "fmt ", 4) == 0 && len >= 16 && pos + 8 + 16 <= b.size()) {
            if (get16(body) != 1) return 0;
            channels = (int)get16(body + 2);
            *rate = (int)get32(body + 4);
            bits = (int)get16(body + 14);
        } else if (memcmp(&b[pos], "data", 4) == 0) {
            if (channels < 1 || (bits != 8 && bits != 16)) return 0;
            // A writer that streamed its output may leave the length unset:
            // the samples then run to the end of the file.
            size_t avail = b.size() - (pos + 8);
            size_t n = (len == 0 || len > avail) ? avail : len;
            int frame = channels * bits / 8;
            samples->clear();
            for (size_t k = 0; k + frame <= n; k += frame) {
                float sum = 0;
                for (int c = 0; c < channels; ++c) {
                    if (bits == 16) sum += (int16_t)get16(body + k + 2 * c) / 32768.0f;
                    else sum += (body[k + c] - 128) / 128.0f;
                }
                samples->push_back(sum / channels);
            }
            return 1;
        }
        // In 64 bits: a length near 4 GB must not wrap back onto this chunk.
        pos += (uint64_t)8 + len + (len & 1);
    }
    return 0;
}
