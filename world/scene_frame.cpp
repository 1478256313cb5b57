#include "scene_frame.h"

#include "weather_field.h"
#include "world_records.h"
#include "cockpit/P_UPDATE.h"
#include "cockpit/cockpit_records.h"
#include "cockpit/cockpit_services.h"
#include "flight/flight_records.h"
#include "shell/data_channels.h"
#include "shell/shell_records.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/plane_record.h"

#include <GL/gl.h>

void scene_overlays()
{
    // The overlays and the panel are drawn in the 800 x 600 space.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (atc.menu_up) plot_atc_options(0);
    else if (atc.response_timeout > msc.elap_time) OGL_string(47, 6, 535, atc.response, 635, 6);
    else draw_readout();
    if (flt.cat_stage == 3) OGL_string(56, 340, 480, "Release brakes to launch.", 635, 6);
}

void scene_catapult()
{
    if (!env.over_carr && flt.cat_stage == 4) flt.cat_stage = 5;
}

static void at_least(float r, float g, float b)
{
    if (ins.r_rat < r) ins.r_rat = r;
    if (ins.g_rat < g) ins.g_rat = g;
    if (ins.b_rat < b) ins.b_rat = b;
}

void scene_panel_light()
{
    ins.r_rat = ins.g_rat = ins.b_rat = ogl_brat_ter;
    if (!rel.clights) return;
    if (pln.paneltype == 1 && ogl_brat_ter < 0.5f) at_least(0.6f, 0.2f, 0.2f);
    else if (pln.paneltype == 2 && ogl_brat_ter < 0.6f) at_least(0.7f, 0.35f, 0.35f);   // a red panel light
}

void scn2(int typeshift)
{
    (void)typeshift;
    scene_overlays();
    if (!set.view_is_fullscreen) update_panel();
    scene_catapult();
    scene_panel_light();
}
