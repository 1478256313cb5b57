// Stand-in for the scenery update until the scene frame lands.
#include "world_services.h"

#include "cockpit/cockpit_records.h"
#include "cockpit/cockpit_services.h"
#include "flight/flight_records.h"
#include "shell/data_channels.h"
#include "toolkit/HL_TEXT.h"

// Until the scene frame draws them: the ATC menu while it is up, else the
// last controller phrase while its time on screen lasts.
void update_scenery()
{
    if (atc.menu_up) plot_atc_options(0);
    else if (atc.response_timeout > msc.elap_time) OGL_string(47, 6, 535, atc.response, 635, 6);
    draw_readout();
}
