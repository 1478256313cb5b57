// An airfoil file, read into the tables of one part.
#include "fuzz_support.h"

#include "flight/airfoil_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    fuzz_put("airfoils/Fuzz.afl", data, size);
    fuzz_read([] {
        char name[400] = "Fuzz.afl";
        float alpha = 0;
        grabafoil(name, 4, 0, 0, &alpha);
    });
    return 0;
}
