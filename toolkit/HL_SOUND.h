// The simulator's sound: 23 slots loaded from PCM WAV files, started,
// stopped and re-pitched by the flight model and the cockpit
// (flight/aircraft_sounds.h keeps the engine, wind and rain in step).
#pragma once

#include <cstdint>

const int SOUND_SLOTS = 23;

// File of each slot: "<aircraft> <name>" beside the aircraft file first,
// else <name> in the program's "sounds" folder.
extern const char* const sound_file_name[SOUND_SLOTS];

// Engine sounds in the "sounds" folder for slot 0 when the aircraft has
// none of its own: eng1 piston (and helicopters with jets), eng2 turboprop,
// eng3 jet, eng4 piston helicopter, eng5 turbine helicopter.
const int ENGINE_SOUNDS = 5;
extern const char* const engine_sound_name[ENGINE_SOUNDS];
const char* engine_default_sound(int is_heli, int entype);

// Set as soon as any slot starts loading.
extern int buffers_filled;

int init_sound();
void fill_buffer(int sound_en);
void play_buffer(int sound_en, int loop);
void stop_buffer(int sound_en);
void set_frq_vol(float frq_rat, float vol_rat, float lovol, float hivol, int index);
void dispose_sound();

// Advances inf1 to just past the next occurrence of the four bytes; 0 when
// the file ends first.
int find4(char c1, char c2, char c3, char c4);

// The format record of a WAV file (its first 18 bytes of "fmt ").
struct wav_format {
    uint16_t wFormatTag;
    uint16_t nChannels;
    uint32_t nSamplesPerSec;
    uint32_t nAvgBytesPerSec;
    uint16_t nBlockAlign;
    uint16_t wBitsPerSample;
    uint16_t cbSize;
};

// Reads a PCM WAV file through inf1. On success returns nullptr with the
// record in *fmt and the samples in *data (malloc'd, the caller frees them).
// On failure returns the message the loader shows; nothing is left allocated.
const char* read_wav(const char* path, wav_format* fmt, unsigned char** data, uint32_t* length);
