// A terrain square (".env") as the simulator reads it into the south-west
// quadrant of its world window. The input lands under the name of the square
// its first point lies in, so that the bundled squares seed it. Accepted
// means finite: every grid point of the quadrant is a number.
#include "fuzz_support.h"

#include "../flight/flight_fixture.h"

#include "records/flight_state.h"
#include "toolkit/codes.h"
#include "records/world_state.h"
#include "world/world_window.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {
// The square of the first grid point, read as its header's byte order says.
void first_square(const uint8_t* data, size_t size, int* lat, int* lon)
{
    *lat = 34, *lon = -118;
    if (size < 13) return;
    float v[2];
    for (int k = 0; k < 2; ++k) {
        unsigned char b[4];
        memcpy(b, data + 5 + 4 * k, 4);
        if (data[0] == 'a') std::swap(b[0], b[3]), std::swap(b[1], b[2]);
        memcpy(&v[k], b, 4);
    }
    if (!(v[0] > -89 && v[0] < 89 && v[1] > -179 && v[1] < 179)) return;
    *lat = (int)std::floor(v[0]);
    *lon = (int)std::floor(v[1]);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::string last;
    clear_flight_world();
    fixture_world(0);
    fuzz_start_run();
    int lat, lon;
    first_square(data, size, &lat, &lon);
    char name[40];
    return_latlon_str_ENV(lat, lon, name, 1);
    for (char* c = name; *c; ++c)
        if (*c == '\\') *c = '/';
    std::string rel = std::string("additional nav data/") + name;
    std::filesystem::create_directories(std::filesystem::path(fuzz_folder() + rel).parent_path());
    if (!last.empty() && last != rel) std::filesystem::remove(fuzz_folder() + last);
    last = rel;
    fuzz_put(rel, data, size);
    env.lat_sou = lat;
    env.lon_wes = lon;
    flt.Y = 0;
    if (!fuzz_read([&] { read_quadrant(lat, lon, 0); })) return 0;
    for (int i = 0; i <= STEPS_I; ++i)
        for (int j = 0; j <= STEPS_J; ++j)
            for (int k = 0; k < 3; ++k)
                if (!std::isfinite(planexyz[i][j][k])) abort();
    return 0;
}
