// Fabrex, the aircraft editor: start-up, the frame loop and shut-down.
#include "default_plane.h"
#include "editor.h"
#include "fabrex_records.h"
#include "platform/clock.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstring>
#include <unistd.h>

int main()
{
    using namespace fabrex;
    // Pictures, airfoils and logs are found beside the program, wherever it was started from.
    if (chdir(plat_program_folder()) != 0) return 1;
    // One editor at a time.
    if (!plat_claim_single_instance("Fabrex")) return 0;
    memset(&msc, 0, sizeof msc);
    memset(&flt, 0, sizeof flt);
    MACIBM_init();
    for (int k = 0; k < 121; ++k) MACIBM_showinit(1);
    msc.zoom = 1;
    msc.bluesky = 0;
    mnw.draw_wire = 1;
    msc.the = 0;
    msc.psi = 250;
    msc.phi = -30;
    setup_baseplane("Untitled.acf", "Untitled.acf");
    remember_engine_type();
    done_initing = 1;
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
