// A preferences file and the same bytes as a situation file.
#include "fuzz_support.h"

#include "shell/prefs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    std::string path = fuzz_put("Fuzz.prf", data, size);
    fuzz_read([&] { grab_prefs(path.c_str(), 206, 0); });
    fuzz_start_run();
    fuzz_read([&] { grab_prefs(path.c_str(), 202, 1); });
    return 0;
}
