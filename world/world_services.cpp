// Stand-in for the scenery update until the scene frame lands: the 2-D
// overlays and the panel over a black scene.
#include "world_services.h"

#include "cockpit/P_UPDATE.h"
#include "cockpit/cockpit_records.h"
#include "cockpit/cockpit_services.h"
#include "flight/flight_records.h"
#include "shell/data_channels.h"
#include "shell/shell_records.h"
#include "toolkit/HL_TEXT.h"

#include <GL/gl.h>

void update_scenery()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The ATC menu while it is up, else the last controller phrase while its
    // time on screen lasts; the chosen data channels; then the panel.
    if (atc.menu_up) plot_atc_options(0);
    else if (atc.response_timeout > msc.elap_time) OGL_string(47, 6, 535, atc.response, 635, 6);
    draw_readout();
    if (!set.view_is_fullscreen) update_panel();
}
