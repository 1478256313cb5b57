// The aircraft file as it comes, loaded as the simulator loads it.
#include "fuzz_support.h"

#include "flight/INITPLN.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    std::string path = fuzz_put("Fuzz.acf", data, size);
    copy_bounded(pln.C_file, "Fuzz.acf", 400);
    copy_bounded(pln.C_path, path.c_str(), 400);
    fuzz_read(load_plane);
    return 0;
}
