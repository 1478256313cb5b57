// A bitmap through the suite's one image reader, into the canvas (no GL
// context is needed on that path; textures share its header and row reader).
#include "fuzz_support.h"

#include "toolkit/HL_TEXTURE.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    fuzz_put("bitmaps/Korvan/Fuzz.BMP", data, size);
    fuzz_read([] { OGL_texbmp(BMP_TO_CANVAS, 0, 0, "Fuzz"); });
    return 0;
}
