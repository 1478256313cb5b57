// The bundled trainer with single fields changed: the input is a list of
// (float index, 4 raw bytes) pairs laid over the record's image. The aircraft
// is loaded and, when it loads, flown for a few frames on a flat world.
#include "fuzz_support.h"

#include "../flight/flight_fixture.h"

#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "flight/start_placement.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static planestruct trainer;
    static int have = 0;
    fuzz_start_run();
    if (!have) {
        fuzz_read([] { read_plane_file("Trainer.acf", PROGRAM_DIR "/Aircraft/Trainer.acf"); });
        trainer = pln;
        have = 1;
    }
    // The flat world catches alerts its own way: ours go in after it.
    clear_flight_world();
    fixture_world(0);
    fixture_atmosphere();
    fuzz_start_run();
    pln = trainer;
    const int floats = (int)(sizeof pln / 4);
    for (size_t k = 0; k + 8 <= size; k += 8) {
        uint32_t at;
        memcpy(&at, data + k, 4);
        memcpy((char*)&pln + 4 * (at % floats), data + k + 4, 4);
    }
    std::string path = fuzz_folder() + "Fuzz.acf";
    if (!write_plane_file(path.c_str())) return 0;
    copy_bounded(pln.C_file, "Fuzz.acf", 400);
    copy_bounded(pln.C_path, path.c_str(), 400);
    if (!fuzz_read(load_plane)) return 0;
    fuzz_read([] {
        set.cus_X = 60000, set.cus_Z = -80000, set.cus_Y = 0, set.cus_v = 0, set.cus_psi = 0;
        set_fltvars(10);
        for (int k = 0; k < 5 && !crashed(); ++k) fly_frames(1);
    });
    return 0;
}
