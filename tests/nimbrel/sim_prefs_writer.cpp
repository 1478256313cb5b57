// Writes the simulator's preferences with the simulator's own writer: the
// aircraft file and path and the airport index given, the rest as a first
// run leaves it. Used by the briefing tool's tests, which must not link the
// simulator themselves.
#include "records/flight_state.h"
#include "records/world_state.h"
#include "shell/prefs.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 5) return 2;   // prefs-file aircraft-name aircraft-path airport-index
    fill_constants();
    env.aptmax = APT_CAP - 1;
    first_run_defaults();
    copy_bounded(pln.C_file, argv[2], 400);
    copy_bounded(pln.C_path, argv[3], 400);
    msc.loc_apt_wrl = std::atoi(argv[4]);
    // The loaded region: the quit that writes the file only ever has one.
    env.apt_list_max = 0;
    return dump_prefs(argv[1], 206) ? 0 : 1;
}
