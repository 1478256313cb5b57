// Build-time generator: designs the bundled trainer on top of the default
// aircraft, writes it into the program folder's "Aircraft" folder, then loads
// it as the simulator does. Any alert on that load (a failed design check or
// the resting-attitude remark) fails the build.
#include "trainer_design.h"
#include "platform/window.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "flight/INITPLN.h"

#include <cstdio>
#include <sys/stat.h>

namespace {
int alerts;

// No one is there to answer a message box during a build.
void report(const char*, const char* text)
{
    ++alerts;
    fprintf(stderr, "make_trainer: the trainer does not load cleanly:\n%s\n", text);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: make_trainer <program folder>\n");
        return 2;
    }
    plat_set_message_box_handler(report);
    fill_constants();
    C_plus_C(argv[1], "/", app_path);
    char folder[400], path[400];
    C_plus_C(argv[1], "/Aircraft", folder);
    mkdir(folder, 0755);
    C_plus_C(folder, "/", path);
    app_C(path, fabrex::TRAINER_FILE);

    fabrex::build_trainer(path);
    if (!write_plane_file(path)) {
        fprintf(stderr, "make_trainer: could not write %s\n", path);
        return 1;
    }

    // Its load log stays in the build folder for inspection.
    trk.open("Trainer load.out", std::ios::out | std::ios::trunc);
    load_plane();
    trk.close();
    if (alerts) {
        std::remove(path);
        return 1;
    }
    return 0;
}
