// A flap file, read into the aircraft's flap tables.
#include "fuzz_support.h"

#include "flight/airfoil_tables.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    fuzz_put("flaps/Fuzz.flp", data, size);
    copy_bounded(pln.flap_str, "Fuzz.flp", 400);
    fuzz_read(read_flap_tables);
    return 0;
}
