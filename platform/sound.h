// Sound output over OpenAL Soft: one device, 23 playback slots and one
// stream that speech plays through.
#pragma once

const int PLAT_SOUND_SLOTS = 23;

// The default output device; 1 when it is ready.
int plat_sound_open();
// A device with no sound card behind it that mixes only when rendered
// (tests): mono 16-bit output at `rate` Hz.
int plat_sound_open_loopback(int rate);
// Mixes `frames` samples of the loopback device into `out`; 0 without one.
int plat_sound_render(short* out, int frames);
int plat_sound_ready();
// Ends speech first (it plays through the device), then releases everything.
void plat_sound_close();

// Replaces a slot's samples: PCM of 8 (unsigned) or 16 (signed) bits, 1 or
// 2 channels, at `rate` Hz. The slot plays at the file's own pitch and full
// level until told otherwise. 0 when the device refuses the format.
int plat_sound_load(int slot, const void* samples, unsigned bytes, int channels, int bits, int rate);
// Starts a slot, looping or once; a slot already playing only takes the new
// looping choice and carries on where it is.
void plat_sound_play(int slot, int loop);
// Halts a slot where it is; the next play carries on from there.
void plat_sound_stop(int slot);
// Playback rate in samples per second: the file's own rate is its natural pitch.
void plat_sound_set_frequency(int slot, int hz);
// Level in hundredths of a decibel below full (0 full, -5000 very faint).
void plat_sound_set_volume(int slot, int centibels);

// What the slot's source holds now: pitch factor, linear gain, playing.
float plat_sound_pitch(int slot);
float plat_sound_gain(int slot);
int plat_sound_playing(int slot);

// Speech stream: mono 16-bit samples, played after whatever is queued.
// Safe to call from the speech worker while the frame uses the slots.
int plat_sound_stream_queue(const short* samples, int count, int rate);
// 1 while queued speech is still playing.
int plat_sound_stream_playing();
