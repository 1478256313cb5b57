// An aircraft file opened in Fabrex ("Open" in its File menu): read, checked
// and built into the preview's geometry; a refused file leaves the edited
// aircraft as it was.
#include "fuzz_support.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "toolkit/plane_record.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static planestruct fresh;
    static int have = 0;
    fuzz_start_run();
    if (!have) {
        fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
        fresh = pln;
        have = 1;
    }
    pln = fresh;
    std::string path = fuzz_put("Fuzz.acf", data, size);
    int opened = 0;
    fuzz_read([&] { opened = fabrex::open_plane_file("Fuzz.acf", path.c_str()); });
    // Refused by the reader or the range check: the edited aircraft stays.
    // (A notice after the aircraft was taken, on a missing airfoil, is not a refusal.)
    const std::string& why = fuzz_last_alert();
    int refused = why.rfind("This aircraft has an unflyable design!", 0) == 0 ||
                  why.rfind("An error occurred during read-in", 0) == 0 || why.rfind("The following file is the wrong version", 0) == 0;
    if (!opened && refused && memcmp(&pln, &fresh, sizeof pln) != 0) abort();
    return 0;
}
