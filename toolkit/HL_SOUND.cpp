// The 23 sound slots over the platform's sound device.
#include "HL_SOUND.h"

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "platform/sound.h"
#include "plane_record.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

const char* const sound_file_name[SOUND_SLOTS] = {
    "engn.WAV", "wind.WAV", "rain.WAV", "stal.WAV", "flap.WAV", "thun.WAV", "gear.WAV", "lrun.WAV",
    "loff.WAV", "lwat.WAV", "boom.WAV", "sink.WAV", "pull.WAV", "gwrn.WAV", "glid.WAV", "mini.WAV",
    "wshr.WAV", "caut.WAV", "50ft.WAV", "25ft.WAV", "10ft.WAV", "mdot.WAV", "mdas.WAV",
};

const char* const engine_sound_name[ENGINE_SOUNDS] = {"eng1.WAV", "eng2.WAV", "eng3.WAV", "eng4.WAV", "eng5.WAV"};

int buffers_filled;

namespace {
const char* const NO_FILE = "Cannot open sound file!";

int slot_ok(int slot)
{
    return slot >= 0 && slot < SOUND_SLOTS;
}

int sound_live()
{
    return buffers_filled && program_sound_avail();
}

uint32_t le32(const unsigned char* b)
{
    return (uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24;
}

uint16_t le16(const unsigned char* b)
{
    return (uint16_t)(b[0] | b[1] << 8);
}

int read_le32(uint32_t* v)
{
    unsigned char b[4];
    inf1.read((char*)b, 4);
    if (inf1.gcount() != 4) return 0;
    *v = le32(b);
    return 1;
}

// The chunks in their order; only the format record's length and the data
// length are interpreted.
const char* read_open_wav(wav_format* fmt, unsigned char** data, uint32_t* length)
{
    if (!find4('R', 'I', 'F', 'F')) return "This is not a RIFF file.";
    if (!find4('W', 'A', 'V', 'E')) return "This is not a WAVE file.";
    if (!find4('f', 'm', 't', ' ')) return "WAVE file has no fmt chunk.";
    uint32_t size = 0;
    if (!read_le32(&size)) return "Failed to read format size.";

    // The record holds 18 bytes; a longer (extended) format is read that far
    // and the rest of its chunk skipped.
    unsigned char rec[18] = {};
    uint32_t take = size < 18 ? size : 18;
    inf1.read((char*)rec, take);
    if ((uint32_t)inf1.gcount() != take) return "Failed to read format chunk opening sound.";
    if (size > 18) inf1.ignore((std::streamsize)(size - 18));
    fmt->wFormatTag = le16(rec);
    fmt->nChannels = le16(rec + 2);
    fmt->nSamplesPerSec = le32(rec + 4);
    fmt->nAvgBytesPerSec = le32(rec + 8);
    fmt->nBlockAlign = le16(rec + 12);
    fmt->wBitsPerSample = le16(rec + 14);
    fmt->cbSize = le16(rec + 16);
    if (fmt->wFormatTag != 1) return "The sound file is not a PCM file.";

    if (!find4('d', 'a', 't', 'a')) return "WAVE file has no data chunk.";
    uint32_t bytes = 0;
    if (!read_le32(&bytes)) return "Failed to read data size.";
    if (bytes == 0) return "The sound-file data chunk has no data.";
    // A length beyond the end of the file is refused before it is allocated.
    std::streamoff here = inf1.tellg();
    inf1.seekg(0, std::ios::end);
    std::streamoff end = inf1.tellg();
    inf1.seekg(here);
    if (here < 0 || end < here || (uint64_t)(end - here) < bytes) return "Failed to read data chunk opening sound.";
    unsigned char* samples = (unsigned char*)malloc(bytes);
    if (!samples) return "Out of memory opening sound.";
    inf1.read((char*)samples, bytes);
    if ((uint32_t)inf1.gcount() != bytes) {
        free(samples);
        return "Failed to read data chunk opening sound.";
    }
    *data = samples;
    *length = bytes;
    return nullptr;
}

// The aircraft's own file for a slot: "<aircraft file less extension> <name>",
// matched in the aircraft's folder without regard to case.
void aircraft_sound_path(int slot, char* path)
{
    char base[400];
    copy_bounded(base, pln.C_path, 400);
    int n = (int)strlen(base);
    base[n >= 4 ? n - 4 : 0] = 0;
    char* slash = strrchr(base, '/');
    if (!slash) {
        C_plus_C(base, " ", path);
        app_C(path, sound_file_name[slot]);
        return;
    }
    *slash = 0;
    char name[400];
    C_plus_C(slash + 1, " ", name);
    app_C(name, sound_file_name[slot]);
    find_data_file(base[0] ? base : "/", name, path, 400);
}

} // namespace

const char* engine_default_sound(int is_heli, int entype)
{
    if (is_heli) {
        if (entype == 1 || entype == 2) return engine_sound_name[3];
        if (entype == 3) return engine_sound_name[4];
        return engine_sound_name[0];
    }
    if (entype == 3) return engine_sound_name[1];
    if (entype == 4 || entype == 5) return engine_sound_name[2];
    return engine_sound_name[0];
}

int find4(char c1, char c2, char c3, char c4)
{
    char w[4] = {0, 0, 0, 0};
    int seen = 0;
    for (;;) {
        int c = inf1.get();
        if (c == EOF || !inf1.good()) return 0;
        w[0] = w[1];
        w[1] = w[2];
        w[2] = w[3];
        w[3] = (char)c;
        if (++seen >= 4 && w[0] == c1 && w[1] == c2 && w[2] == c3 && w[3] == c4) return 1;
    }
}

const char* read_wav(const char* path, wav_format* fmt, unsigned char** data, uint32_t* length)
{
    memset(fmt, 0, sizeof *fmt);
    *data = nullptr;
    *length = 0;
    inf1.clear();
    if (inf1.is_open()) inf1.close();
    inf1.clear();
    inf1.open(path, std::ios::in | std::ios::binary);
    if (!inf1.is_open() || !inf1.good()) {
        inf1.clear();
        return NO_FILE;
    }
    const char* problem = read_open_wav(fmt, data, length);
    inf1.close();
    inf1.clear();
    return problem;
}

int init_sound()
{
    return plat_sound_open();
}

void fill_buffer(int sound_en)
{
    buffers_filled = 1;
    if (!slot_ok(sound_en)) {
        MACIBM_alert_number("Requested sound out of range!", "", "", sound_en);
        return;
    }
    // No device: nothing to load into.
    if (!program_sound_avail()) return;

    char path[400];
    aircraft_sound_path(sound_en, path);
    wav_format fmt;
    unsigned char* samples = nullptr;
    uint32_t length = 0;
    const char* problem = read_wav(path, &fmt, &samples, &length);
    if (problem == NO_FILE) {
        C_to_C(sound_en == 0 ? engine_default_sound(pln.is_heli, pln.entype) : sound_file_name[sound_en], path);
        ap_dir("sounds", path);
        problem = read_wav(path, &fmt, &samples, &length);
    }
    if (problem) {
        MACIBM_alert(problem, path, "", "", ALERT_FATAL);
        return;
    }
    int ok = plat_sound_load(sound_en, samples, length, fmt.nChannels, fmt.wBitsPerSample, (int)fmt.nSamplesPerSec);
    free(samples);
    if (!ok) MACIBM_alert_number("Direct Sound Buffer Creation Failed", "", "", sound_en);
}

void play_buffer(int sound_en, int loop)
{
    if (!slot_ok(sound_en) || !sound_live() || !program_sound_on()) return;
    plat_sound_play(sound_en, loop);
    if (sound_en == 3 || sound_en == 4) set_frq_vol(1, 1, 0, 1, sound_en);
}

void stop_buffer(int sound_en)
{
    if (!slot_ok(sound_en) || !sound_live()) return;
    plat_sound_stop(sound_en);
}

void set_frq_vol(float frq_rat, float vol_rat, float lovol, float hivol, int index)
{
    if (!slot_ok(index) || !sound_live() || !program_sound_on()) return;
    // Scaled by 0.67 so that nothing plays at full level.
    float v = (lovol + (hivol - lovol) * vol_rat) * 0.67f;
    float hz = frq_rat * 22050.0f;
    int frequency = std::isfinite(hz) ? round(fltlim(hz, 100, 100000)) : 100;
    int volume = -5000;
    if (std::isfinite(v) && v > 0) volume = intlim((int)(-5000.0f + 5000.0f * std::sqrt(v)), -5000, 0);
    plat_sound_set_volume(index, volume);
    plat_sound_set_frequency(index, frequency);
}

void dispose_sound()
{
    if (program_sound_avail()) plat_sound_close();
}
