// Support shared by the fuzz targets: a scratch program folder with the
// bundled airfoils and flaps, alerts that end the one run instead of the
// process, and the input written where its reader looks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Thrown by the alert handler: the reader refused the input (or said
// something about it), which ends the run cleanly.
struct fuzz_refused {};

// The text of the alert that ended the last refused run.
const std::string& fuzz_last_alert();

// Once per process; then once per run: streams closed, scanners reset.
void fuzz_start_run();

// The scratch program folder, ending in "/".
const std::string& fuzz_folder();

// Writes the input as `name` inside the scratch program folder (a sub-folder
// may be part of the name); returns the full path.
std::string fuzz_put(const std::string& name, const uint8_t* data, size_t size);

// Runs a reader; an alert ends it. Returns 0 when it was refused.
template <class F> int fuzz_read(F reader)
{
    try {
        reader();
        return 1;
    } catch (const fuzz_refused&) {
        return 0;
    }
}
