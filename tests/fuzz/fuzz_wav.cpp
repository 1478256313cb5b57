// A sound file through the simulator's WAV reader.
#include "fuzz_support.h"

#include "toolkit/HL_SOUND.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    std::string path = fuzz_put("Fuzz.wav", data, size);
    wav_format fmt;
    unsigned char* samples = nullptr;
    uint32_t length = 0;
    read_wav(path.c_str(), &fmt, &samples, &length);
    free(samples);
    return 0;
}
