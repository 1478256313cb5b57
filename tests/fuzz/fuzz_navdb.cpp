// The navigation database: the input as each of "apt_dat", "nav_dat" and
// "fix_dat", read as the simulator reads them at start-up.
#include "fuzz_support.h"

#include "world/INITNAV.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    for (const char* name : {"apt_dat", "nav_dat", "fix_dat"})
        fuzz_put(std::string("additional nav data/") + name, data, size);
    fuzz_read(init_country_data);
    return 0;
}
