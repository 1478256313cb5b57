#include "scene_frame.h"

#include "world/INITNAV.h"
#include "cockpit/hud.h"
#include "world/runways.h"
#include "world/scene_drawing.h"
#include "world/scene_light.h"
#include "world/scene_range.h"
#include "world/scenery_update.h"
#include "world/terrain_grid.h"
#include "world/weather_field.h"
#include "records/world_state.h"
#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "flight/data_channels.h"
#include "shell/prefs.h"
#include "records/settings_and_recordings.h"
#include "toolkit/DRPLANE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <GL/gl.h>
#include <cmath>

// Where the toolkit put the 800 x 600 space in the window (black borders on
// a screen of another shape): taken as the frame begins, given back after.
static GLint space_vp[4];

int is_external_view(int view)
{
    return view == 513 || view == 514 || view == 516 || view == 517 || view == 518;
}

static int is_forward_view(int view)
{
    return view == 500 || view == 501 || view == 502;
}

void scene_eye(float h_eye)
{
    con.PLAN_loc_X = (float)flt.X;
    con.PLAN_loc_Y = (float)flt.Y;
    con.PLAN_loc_Z = (float)flt.Z;
    con.sinPLANthe = flt.sinthe;
    con.cosPLANthe = flt.costhe;
    con.sinPLANpsi = flt.sinpsi;
    con.cosPLANpsi = flt.cospsi;
    con.sinPLANphi = flt.sinphi;
    con.cosPLANphi = flt.cosphi;

    float* eye = con.VIEW_xyz;
    if (is_external_view(set.view_type)) {
        if (eye[1] < h_eye + 2) eye[1] = h_eye + 2;
        const double dx = eye[0] - flt.X, dy = eye[1] - flt.Y, dz = eye[2] - flt.Z;
        scn.the = (float)(-std::atan2(dy, std::sqrt(dx * dx + dz * dz)) * 180 / M_PI);
        scn.psi = (float)(-std::atan2(dx, dz) * 180 / M_PI);
        scn.phi = 0;
        return;
    }
    const float st = flt.sinthe, ct = flt.costhe, sp = flt.sinpsi, cp = flt.cospsi, sf = flt.sinphi, cf = flt.cosphi;
    const float xr = pln.peX * cf + pln.peY * sf;
    const float yr = pln.peY * cf - pln.peX * sf;
    const float zp = pln.peZ * ct + yr * st;
    eye[0] = (float)(xr * cp - zp * sp + flt.X);
    eye[1] = (float)(yr * ct - pln.peZ * st + flt.Y);
    eye[2] = (float)(zp * cp + xr * sp + flt.Z);
}

void scene_contact_reset()
{
    env.over_carr = env.over_frig = env.over_obs = 0;
    env.surf_type = 32;
    atc.cardxyz[0] = atc.cardxyz[1] = atc.cardxyz[2] = 9.9e9f;
}

void deck_position(float y)
{
    scn.abovetops = atm.cld_type != 0 && y > atm.topsMSL;
    scn.belowbases = atm.cld_type != 0 && y < atm.baseMSL;
}

void lights_by_hour(float hours, float vis_rep, int* city, int* rway)
{
    const int day = hours >= 7 && hours <= 17;
    *city = !day;
    *rway = !(day && vis_rep >= 5 * 1852.0f);
}

void view_rectangle(int fullscreen, view_rect* r)
{
    if (fullscreen) *r = {0, 0, 800, 583, 100, 700, 41, 541, 400, 291};
    else *r = {0, 333, 800, 561, 200, 600, 334, 552, 400, 443};
}

float near_clip(float eye_agl)
{
    return fltlim(eye_agl * 0.5f, 0.1f, 10);
}

float far_clip(float vis_eff, float eye_y, int abovetops, float tops)
{
    const float horzclip = vis_eff + 3000;
    float vertclip = abovetops ? eye_y - tops : eye_y;
    vertclip = fltmax2(vertclip, 0.4f * horzclip);
    return fltmax2(1.01f * std::sqrt(horzclip * horzclip + vertclip * vertclip), 10 * 1852.0f);
}

void plan_scene(scene_plan* p)
{
    const int view = set.view_type;
    const int deck = atm.cld_type != 0;
    p->stars = !deck || scn.abovetops;
    p->clouds = scn.abovetops;
    p->city_lights = scn.city_lites_on;
    p->trees = ogl_trees != 0;
    p->lightning = msc.elap_time < atm.strike_stop_time;
    p->airports = !(deck && scn.abovetops);
    p->fires = 1;
    for (int t = 0; t < 10; t++) {
        const float y = traf_xyzvh[t][1];
        p->traffic[t] = !deck || (scn.abovetops && y > atm.topsMSL) || (scn.belowbases && y < atm.baseMSL);
    }
    p->own_aircraft = is_external_view(view);
    p->path = msc.show_path != 0;
    p->cool_hud = (is_forward_view(view) || view == 520) && pln.HUDtype == 3 && ins.HOOP_on;
    p->precip = atm.cld_type == 1 && !scn.abovetops;
    p->hud_frame = view == 520 || (is_forward_view(view) && pln.HUDtype != 1);
    p->nrml_hud = view == 520 || (is_forward_view(view) && pln.HUDtype != 1 && ins.HUD_on);
    p->sideslip = flt.v > 1 && view != 521 && (pln.entype == 0 || pln.is_heli || pln.vectEQ);
    p->mouse_box = msc.mouse_is_joy != 0;
    p->replay = set.replay_mode >= 1 && set.replay_mode <= 5;
    p->launch_prompt = flt.cat_stage == 3;
}

// ---------------------------------------------------------------------------
// Drawing

static void projection(const view_rect& r, float near, float far)
{
    const float w = r.x2 - r.x1, h = r.y2 - r.y1;
    const float zoom = scn.zoom > 0 ? scn.zoom : 1;
    const float dx = 0.75f * near / zoom, dy = 0.75f * near * (h / w) / zoom;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-dx, dx, -dy, dy, near, far);
    glViewport(space_vp[0] + (int)(r.x1 * mnw.XRAT), space_vp[1] + (int)(r.y1 * mnw.YRAT),
               (GLsizei)(int)(w * mnw.XRAT), (GLsizei)(int)(h * mnw.YRAT));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The sky behind everything, in the view's frame before its heading.
static void sky_strip(float horzclip)
{
    const float d = horzclip, s = 0.4f * horzclip;
    const float yz[9][2] = {{-s, -d}, {-d, s}, {-d, -s}, {-s, -d}, {0, -d}, {s, -d}, {d, -s}, {d, s}, {s, d}};
    const int band[9] = {0, 0, 0, 0, 0, 1, 2, 2, 1};
    OGL_setstate(0, 0, 0, 1);
    glDepthFunc(GL_ALWAYS);
    glBegin(GL_QUAD_STRIP);
    for (int k = 0; k < 9; k++) {
        const float f = sky_rat[band[k]];
        glColor3f(base_rgb[0] * f, base_rgb[1] * f, base_rgb[2] * f);
        // right end first: the strip faces the eye inside it
        glVertex3f(horzclip, yz[k][0], yz[k][1]);
        glVertex3f(-horzclip, yz[k][0], yz[k][1]);
    }
    glEnd();
    glDepthFunc(GL_LESS);
}

static void set_fog()
{
    float start, end;
    fog_range(atm.vis_eff, &start, &end);
    const GLfloat fog_colour[4] = {base_rgb[0], base_rgb[1], base_rgb[2], 1};
    glFogfv(GL_FOG_COLOR, fog_colour);
    glFogf(GL_FOG_START, start);
    glFogf(GL_FOG_END, end);
}

static void light0()
{
    float dir[4];
    light0_direction(msc.locl_time / 3600, dir);
    const GLfloat c[4] = {lite_r, lite_g, lite_b, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, c);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, c);
    glLightfv(GL_LIGHT0, GL_POSITION, dir);
}

static void draw_airports()
{
    glNormal3f(0, 1, 0);
    OGL_setstate(1, 1, 1, 0);
    for (int a = 0; a < apt_listed && a < APT_REG_CAP; a++) {
        if (!apt_inrange[a]) continue;
        const int w = apt_to_index[a];
        for (int r = intmin2(env.rwaymax[a], 2); r >= 0; r--) {
            if (!env.tway[a][r] || !rway_counts(w, r)) continue;
            const float ar = (float)(apt_len[w][r] / apt_width[w][r]);
            plot_pavement(a, r, 1, ar, 48);
            plot_pavement(a, r, 5, 3.0f, 48);
            plot_pavement(a, r, 2, 1.0f, 47);
            plot_pavement(a, r, 3, 1.0f, 47);
            plot_pavement(a, r, 4, 1.0f, 47);
        }
        for (int r = intmin2(env.rwaymax[a], 2); r >= 0; r--)
            if (rway_counts(w, r)) plot_runway(a, w, r, (float)(apt_len[w][r] / apt_width[w][r]));
    }
    OGL_setstate(1, 1, 1, 1);
    glDisable(GL_CULL_FACE);
    for (int a = 0; a < apt_listed && a < APT_REG_CAP; a++) {
        if (!apt_inrange[a]) continue;
        for (int r = intmin2(env.rwaymax[a], 2); r >= 0; r--) {
            if (scn.sockinit[a][r][0] != 0) plot_windsock(a, r, 0);
            if (scn.sockinit[a][r][1] != 0) plot_windsock(a, r, 1);
        }
    }
    glEnable(GL_CULL_FACE);
    OGL_setstate(1, 0, 0, 0);
    plot_rway_lights();
    plot_obstacles();
}

static void draw_path()
{
    OGL_setstate(1, 0, 0, 1);
    glBegin(GL_LINES);
    for (int c = 0; c < PATH_SAMPLES - 1; c++) {
        if (!pat.inited[c] || !pat.inited[c + 1]) continue;
        glColor3fv(col_rgb[c % 3 == 0 ? 26 : 20]);
        glVertex3fv(pat.xyztppt[c]);
        glVertex3fv(pat.xyztppt[c + 1]);
    }
    glEnd();
}

static void draw_3d(const scene_plan& p, const view_rect& r)
{
    if (p.stars) {
        OGL_setstate(0, 0, 0, 0);
        plot_stars(base_rgb[0], base_rgb[1], base_rgb[2], r.x1, r.y1, r.x2, r.y2);
    }
    if (p.clouds) {
        OGL_setstate(1, 0, 0, 1);
        plot_clouds();
    }
    OGL_setstate(1, 1, 1, 1);
    plot_terrain();
    if (p.city_lights) {
        OGL_setstate(1, 0, 0, 0);
        plot_city_lights();
    }
    if (p.trees) {
        OGL_setstate(1, 0, 0, 1);
        plot_trees();
    }
    if (p.lightning) {
        OGL_setstate(0, 0, 0, 1);
        plot_lightning();
    }
    if (p.airports) draw_airports();
    plot_fires();
    for (int t = 0; t < 10; t++)
        if (p.traffic[t]) plot_plane(traf_xyzvh[t][0], traf_xyzvh[t][1], traf_xyzvh[t][2], 0, traf_xyzvh[t][4], 0);
    if (p.own_aircraft) plot_plane(con.PLAN_loc_X, con.PLAN_loc_Y, con.PLAN_loc_Z, flt.the, flt.psi, flt.phi);
    if (p.path) draw_path();
    OGL_setstate(0, 0, 0, 0);
    if (p.cool_hud) plot_cool_hud();
}

static void triangle(int colour, float xa, float xb, float y)
{
    // a transport arrow 10 high from its blunt end xa to its tip xb, wound
    // clockwise either way
    const float lo = xb > xa ? y : y + 10, hi = xb > xa ? y + 10 : y;
    OGL_setcolor(colour);
    glBegin(GL_TRIANGLES);
    glVertex2f(xa + mnw.x, lo + mnw.y);
    glVertex2f(xa + mnw.x, hi + mnw.y);
    glVertex2f(xb + mnw.x, y + 5 + mnw.y);
    glEnd();
}

static void replay_symbols()
{
    const float y = 550;
    auto col = [](int mode) { return set.replay_mode == mode ? 46 : 48; };
    triangle(col(1), 358, 348, y);
    triangle(col(1), 368, 358, y);
    triangle(col(2), 387, 377, y);
    OGL_fillrect(col(3), 395, y, 4, 10);
    OGL_fillrect(col(3), 401, y, 4, 10);
    triangle(col(4), 414, 424, y);
    triangle(col(5), 433, 443, y);
    triangle(col(5), 443, 453, y);
    const float t = pat.time_play;
    const int minutes = flt_to_int(t / 60);
    OGL_number(48, 383, 533, (float)minutes, 2, 0, 6, 0);
    OGL_string(48, 395, 533, ":", 635, 6);
    OGL_number(48, 401, 533, t - 60.0f * minutes, 4, 2, 6, 0);
}

void scene_overlays()
{
    scene_plan p;
    plan_scene(&p);
    view_rect r;
    view_rectangle(set.view_is_fullscreen, &r);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(r.x1, r.x2, r.y1, r.y2, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    OGL_setstate(0, 0, 0, 0);
    if (p.precip) do_window_precip(r.x1, r.y1, r.x2, r.y2);
    if (p.nrml_hud) plot_nrml_hud();
    if (p.hud_frame) OGL_framerect(18, con.HUD_lft, con.HUD_bot, con.HUD_rgt - con.HUD_lft, con.HUD_top - con.HUD_bot);
    if (p.sideslip)
        OGL_line(18, con.cntrx, r.y1, con.cntrx + round(50 * flt.sinbeta), r.y1 + round(50 * flt.cosbeta));
    if (p.mouse_box) {
        OGL_framerect(0, 300, 343, 200, 200);
        OGL_line(0, 397, 443, 403, 443);
        OGL_line(0, 400, 440, 400, 446);
    }
    if (p.replay) replay_symbols();
    if (atc.menu_up) plot_atc_options(0);
    else if (atc.response_timeout > msc.elap_time) OGL_string(47, 6, 535, atc.response, 635, 6);
    else draw_readout();
    if (p.launch_prompt) OGL_string(56, 340, 480, "Release brakes to launch.", 635, 6);
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
    glGetIntegerv(GL_VIEWPORT, space_vp);
    // Ground under the eye as it stands (last frame's for the pilot's eye).
    int i = env.i_viewpoint, j = env.j_viewpoint;
    const float h_eye = find_local_h(con.VIEW_xyz[0], con.VIEW_xyz[2], &i, &j, 1);
    env.i_viewpoint = i;
    env.j_viewpoint = j;
    scene_eye(h_eye);
    const float ex = con.VIEW_xyz[0], ey = con.VIEW_xyz[1], ez = con.VIEW_xyz[2];

    scene_contact_reset();
    deck_position(ey);
    const int oct = view_octant(octant_heading(set.view_type, flt.psi, scn.psi));
    lights_by_hour(msc.locl_time / 3600, atm.vis_rep, &scn.city_lites_on, &scn.rway_lites_on);
    scene_visibility(ey);

    const int vis_nm = round(atm.vis_eff * con.mtrstonm);
    if (range_rebuild_due(env.i_viewpoint, env.j_viewpoint, vis_nm, oct, typeshift)) rebuild_range(ex, ez, atm.vis_eff, oct);
    old_i_view = env.i_viewpoint;
    old_j_view = env.j_viewpoint;
    old_vis_nm = vis_nm;
    old_view_oct = oct;
    set_wedge(ex, ez, scn.psi, atm.vis_eff);
    wedge_ranges(scn.the, scn.abovetops, atm.topsMSL);

    scene_light(ey);

    // Fog, projection, the sky, the camera.
    set_fog();
    view_rect r;
    view_rectangle(set.view_is_fullscreen, &r);
    con.HUD_lft = r.hud_lft;
    con.HUD_rgt = r.hud_rgt;
    con.HUD_bot = r.hud_bot;
    con.HUD_top = r.hud_top;
    con.cntrx = r.cntrx;
    con.cntry = r.cntry;
    projection(r, near_clip(ey - h_eye), far_clip(atm.vis_eff, ey, scn.abovetops, atm.topsMSL));
    glRotatef(scn.phi, 0, 0, 1);
    glRotatef(scn.the, -1, 0, 0);
    sky_strip(atm.vis_eff + 3000);
    glRotatef(scn.psi, 0, 1, 0);
    glTranslatef(-ex, -ey, -ez);
    light0();

    scene_plan p;
    plan_scene(&p);
    draw_3d(p, r);
    scene_overlays();

    // The panel in the whole window.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glViewport(space_vp[0], space_vp[1], space_vp[2], space_vp[3]);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (!set.view_is_fullscreen) update_panel();
    scene_catapult();
    scene_panel_light();
}

void update_scenery()
{
    const int typeshift = slide_type(flt.lat, flt.lon, env.lat_sou, env.lon_wes);
    slide_window(typeshift);

    eye_angles(set.view_type, flt.the, flt.psi, flt.phi, &scn.the, &scn.psi, &scn.phi);
    float target[3];
    if (camera_target(set.view_type, target))
        for (int k = 0; k < 3; k++) con.VIEW_xyz[k] = closer_assymp(con.VIEW_xyz[k], target[k], msc.prd);

    scn2(typeshift);
}
