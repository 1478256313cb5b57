// A sound file through the media generator's WAV reader.
#include "fuzz_support.h"

#include "media/media_files.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    std::string path = fuzz_put("Fuzz.wav", data, size);
    std::vector<float> samples;
    int rate = 0;
    load_wav_mono(path, &samples, &rate);
    return 0;
}
