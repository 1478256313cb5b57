// The decisions behind the scene's drawers, kept apart from the GL calls so
// that they run headless: which lights show which colour, which runway end is
// lit, how a runway is marked, star greys, meteor timing, fire frames, smoke
// puffs and the contact boxes.
#pragma once

// --- Contact -----------------------------------------------------------------

// 1 when (x, z) lies inside the convex quad c[0..3] (either winding; on an
// edge counts as inside).
int in_quad_xz(const float c[4][3], float x, float z);
// 1 when (x, z) lies in the axis-aligned box spanned by roof corners 1 and 3,
// whichever way round the roof is turned.
int in_roof_box(const float c1[3], const float c3[3], float x, float z);
// The aircraft is over a drawn surface of this type and height.
void mark_surface(int surf_type, float height);

// --- Runway markings -----------------------------------------------------------

// Size class 0..3: 0 for the special surfaces 29..31 (no markings), else by
// length (over 1200 m class 2, over 2400 m class 3).
int runway_class(int len_m, int surf);
// What a segment shows.
enum { MARK_PLAIN, MARK_ARROWS, MARK_THRESHOLD, MARK_NUMBERS, MARK_TOUCHDOWN, MARK_FIXED };
// The segments drawn for a class: class 3 reaches two segments beyond each end.
void runway_segments(int cls, int smax, int* s_first, int* s_last);
// The marking of segment s of smax, counted from the start end or mirrored
// from the far end (*far_end set then).
int segment_marking(int cls, int s, int smax, int* far_end);
// Texture of a segment that is not a number: arrows 49, threshold 50,
// touchdown 51, fixed distance 52; else the special surfaces 29..31, else 53.
int marking_texture(int marking, int surf);
// The number painted at an end: the far end shows num + 18 wrapped into 1..36.
int end_number(int num, int far_end);
// Textures of a number segment's halves on the corner-3 and corner-2 sides:
// tens 33 + d, units 37 + d, the halves swapped at the far end.
void number_textures(int num, int far_end, int* tex_c3, int* tex_c2);

// --- Runway lights ---------------------------------------------------------------

// The camera looks along the runway's own direction (its first end is lit).
int straight_in(float psi, int hdng);
// Glide-path angle seen from the eye, degrees; straight above the light 90.
float glide_path_angle(float dy, float dxz);
// Which of the four glide-slope lights 276..279 show red: code 2 two bars,
// code 3 four lights; other codes show none.
void glide_slope_reds(int code, float gs, int red[4]);
// The edge light at point i (0.. one row, 50.. the other) shows amber.
int edge_amber(int i, int straightin, int amber1, int amber2, int amber3, int amber4);
// Threshold point i (501..526) shows green: the near end's bar.
int threshold_green(int i, int straightin);
// Centre-line point i shows red.
int centreline_red(int i, int straightin, int altred1, int red1, int altred2, int red2);
// The beacon's intensity sign(s) s^4 at s = sin(phase); negative is green.
float beacon_intensity(float phase);

// Point size of the beacon at this intensity, 0 when it is below the least
// size the GL draws (a size of 0 is an error there): the beacon skips a frame.
float beacon_point_size(float intens, float least);

// Which light groups of a runway end are drawn this frame.
struct rway_light_plan {
    int glide_slope, taxiway, edge, threshold, threshold_bars, centreline, touchdown;
    int approach, approach_far, approach_red, strobe;
};
rway_light_plan plan_rway_lights(int lites_on, int tway, int lgt_rwy, int lgt_app, int lgt_gls);

// --- Obstacles ---------------------------------------------------------------------

// Points in a radio tower's column: 13 over 150 m, else 10.
int radtower_points(float dh);
// The obstruction flash of object obs is on this frame.
int flash_on(float rb_cycle, int obs);
// Rows of walls between rings imin and imax whose corner heights are hmin
// and hmax: none for a flat object, whose wall fractions would divide by zero.
int wall_rows(int imin, int imax, float hmin, float hmax);
// A colour code r * 10000 + g * 100 + b (parts 0..10) as a colour.
void code_rgb(int code, float rgb[3]);
// Per standard type: side texture (0: no walls), rings drawn, roof texture
// (0: none), window-light ring (-1: none) and its colour, helipad.
struct building_kind {
    int side_tex, imin, imax, roof_tex, window_ring;
    float window_rgb[3];
    int helipad, lit;
};
// 0 when t is not a standard building type.
const building_kind* building_of(int t);

// --- Sky ---------------------------------------------------------------------------

// The stars' grey: 1 minus the sky's brightness (doubled after noon).
float star_brat(float base_r, float base_g, float base_b, float hours);
// Stars show only while brat exceeds at least one base component.
int stars_visible(float brat, float base_r, float base_g, float base_b);
// Group g (0..4): stars s1..s2 and their grey as a share of brat.
void star_group(int g, int* s1, int* s2, float* share);
// Seconds between meteors for a meteorite code.
float meteor_interval(int meteorite_code);
// A meteor starts this frame (one draw of the toolkit's generator).
int meteor_starts(float interval, float prd);

// --- Fires and smoke ----------------------------------------------------------------

// The fire clock after a frame, wrapped into 66..77.
float advance_fire_clock(float ft, float prd);
// A fire's texture: round(ft) + phase wrapped into 66..77.
int fire_texture(float ft, int phase);

const int SMOKE_PUFFS = 50;
struct smoke_state {
    int first;                      // 1 until the puffs start
    float s_t[SMOKE_PUFFS];         // age, s
    float s_s[SMOKE_PUFFS];         // size, m
    float s_x[SMOKE_PUFFS], s_y[SMOKE_PUFFS], s_z[SMOKE_PUFFS];
    float s_d[SMOKE_PUFFS];         // drift direction, radians
    int live[SMOKE_PUFFS];          // born at a burning fire
};
extern smoke_state smoke;
// One frame of the puffs: ageing, rebirth 20 m above a burning fire every
// 100 s, drift with the wind and growth. Puffs are reborn only at burning
// fires, so without one there is no smoke.
void step_smoke(float prd, const int fire_on[10], const float firexyz[10][3], float wnddir, float mvar);
