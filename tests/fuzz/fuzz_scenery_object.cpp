// A custom scenery object file (".OBJ") as the simulator builds it into an
// object slot on a flat world. Accepted means finite: every vertex a number.
#include "fuzz_support.h"

#include "../flight/flight_fixture.h"

#include "world/scenery_objects.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    clear_flight_world();
    fixture_world(0);
    fuzz_start_run();
    std::filesystem::create_directories(fuzz_folder() + "additional nav data/objects");
    fuzz_put("additional nav data/objects/Fuzz.OBJ", data, size);
    const int slot = 500;
    if (!fuzz_read([] { make_an_obs(1000, -1000, 30, "Fuzz", 8, slot); })) return 0;
    int n = obj_type[slot] - 100;
    for (int p = 0; p < n && p < OBJ_ELEMENTS; ++p)
        for (int t = 0; t < obj_poltyp[slot][p]; ++t)
            for (int k = 0; k < 3; ++k)
                if (!std::isfinite(obj_xyz[slot][p][t][k])) abort();
    return 0;
}
