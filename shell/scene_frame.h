// The scene frame: draws one frame of the world for the current view.
#pragma once

// The top of the simulator's frame, after the flight step: slides the world
// window, sets the camera of the current view, then draws the scene, the
// head-up displays and overlays and the panel, in that order.
void update_scenery();
void scn2(int typeshift);

// The frame's decisions, each on its own so it runs headless.

// The aircraft slots of con, and the eye: external views stay 2 m above the
// ground under them (h_eye) and look at the aircraft; the others sit at the
// pilot's eye point.
void scene_eye(float h_eye);
int is_external_view(int view);
// The contact record the frame's drawing fills in again.
void scene_contact_reset();
// scn.abovetops and scn.belowbases for an eye at height y.
void deck_position(float y);
// City and runway lights by the hour and the reported visibility.
void lights_by_hour(float hours, float vis_rep, int* city, int* rway);

// The 3-D view's rectangle in the 800 x 600 space, with its head-up-display
// box and centre.
struct view_rect {
    float x1, y1, x2, y2;
    float hud_lft, hud_rgt, hud_bot, hud_top;
    float cntrx, cntry;
};
void view_rectangle(int fullscreen, view_rect* r);
// Near and far clipping, m.
float near_clip(float eye_agl);
float far_clip(float vis_eff, float eye_y, int abovetops, float tops);

// What the frame draws this time.
struct scene_plan {
    int stars, clouds, city_lights, trees, lightning, airports, fires;
    int traffic[10];
    int own_aircraft, path, cool_hud;
    int precip, nrml_hud, hud_frame, sideslip, mouse_box, replay, launch_prompt;
};
void plan_scene(scene_plan* p);

// The frame's closing steps.
void scene_overlays();     // the 2-D overlays over the view
void scene_catapult();     // the launch ends once off the deck
void scene_panel_light();  // panel tint from the scene light and the cockpit lights
