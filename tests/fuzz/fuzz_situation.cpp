// A situation file ("Load Situation"): read as the File menu reads it and,
// when accepted, flown from its start position for a few seconds over a
// flat world. Accepted means flyable: the flight state stays finite.
#include "fuzz_support.h"

#include "../flight/flight_fixture.h"
#include "../support/trainer.h"

#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "shell/prefs.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstdlib>

namespace {
int flight_finite()
{
    const double v[] = {flt.X, flt.Y, flt.Z, flt.v, flt.vind, flt.P, flt.Q, flt.R, flt.the, flt.psi, flt.phi};
    for (double x : v)
        if (!std::isfinite(x)) return 0;
    return 1;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    clear_flight_world();
    fixture_world(0);
    fixture_atmosphere();
    fuzz_start_run();
    std::string path = fuzz_put("Fuzz.sit", data, size);
    int read = 0;
    fuzz_read([&] { read = grab_prefs(path.c_str(), 202, 1); });
    if (!read) return 0;
    // The situation's own aircraft is not ours to fly: the bundled trainer
    // is, loaded once and put back each run as the flight tests do.
    if (!fuzz_read(load_bundled_trainer)) return 0;
    fuzz_start_run();
    fuzz_read([] {
        cus_to_region();
        set_fltvars(10);
        for (int k = 0; k < 60 && !crashed(); ++k) fly_frames(1);
    });
    if (!flight_finite()) abort();
    return 0;
}
