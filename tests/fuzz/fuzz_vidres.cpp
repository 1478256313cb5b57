// "VidRes.prf" in the settings folder.
#include "fuzz_support.h"

#include "toolkit/HL_MNW.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    fuzz_put("config/korvan/VidRes.prf", data, size);
    fuzz_read(read_resolution_file);
    return 0;
}
