// The file formats the suite's readers take: 24-bit uncompressed BMP with
// the 54-byte header, and PCM WAV (16-bit mono at 22050 Hz, the rate that a
// frequency ratio of 1 plays at).
#pragma once

#include "media_image.h"

#include <string>
#include <vector>

const int SOUND_RATE = 22050;

// Writes the picture; colour-keyed pictures write their key pixels as
// (1, 1, 1) and keep every other pixel off that value and off pure white.
// Returns 1 on success.
int write_bmp(const std::string& path, const picture& p);

// Samples -1..1, clipped.
int write_wav(const std::string& path, const std::vector<float>& samples);

// Reads a PCM WAV of 8 or 16 bits, any channel count and rate, as mono
// samples -1..1 at its own rate; 0 when the file is not such a WAV.
int load_wav_mono(const std::string& path, std::vector<float>* samples, int* rate);
