// Nimbrel, the weather briefing.
#include "nimbrel_app.h"
#include "platform/clock.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <unistd.h>

int main()
{
    if (chdir(plat_program_folder()) != 0) return 1;
    if (!plat_claim_single_instance("Nimbrel")) return 0;
    MACIBM_init();
    if (nimbrel::nimbrel_start()) {
        done_initing = 1;
        while (!gdone) MACIBM_event_proc();
    }
    MACIBM_finishup();
    return 0;
}
