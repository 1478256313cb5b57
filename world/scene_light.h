// How far the eye sees and how the scene is lit, from the clock and the deck.
#pragma once

// Visibility before the in-cloud factors, m: agl is the aircraft's height
// above the terrain; overcast_below: an overcast deck with the eye above its
// tops, which sees much further.
float vis_effective(int overcast_below, float vis_rep, float vis_mult, float agl);
// Terrain and panel brightness (ogl_brat_ter) and the light's brightness at
// the hour of the day; level 4 weather halves them.
void sun_light(float hours, float level, int cld_type, int abovetops, float* brat_ter, float* brat_lite);
// The factor by which dawn, dusk and night scale a colour component: sunset
// at 6 and 18 h, moonlight at midnight; both bands apply on their common hour.
float tint_factor(float hours, float sunset, float moon);

// The deck's bands, m: full visibility above fvis_top and below fvis_bot,
// none between zvis_bot and zvis_top; ragged edges in between.
struct cloud_bands {
    float fvis_top, zvis_top, zvis_bot, fvis_bot;
};
void cloud_band_heights(float baseMSL, float topsMSL, float baseAGL, cloud_bands* b);
// 1 while the eye height lies within the deck's full-visibility band.
int in_cloud_band(const cloud_bands& b, float eye_y);
// The deck's visibility factor at the eye height: 1 outside the band, 0 in
// its heart, squared ramps across the ragged edges.
float deck_visibility(const cloud_bands& b, float eye_y);

// A cloud puff being flown through; lasts across frames.
extern int cloudme;
extern float time_in_cloud, duration_cloud, coud_rat;
// One frame of the puffs inside the deck: r_start (0..2) starts one when
// below prd, r_len (0.5..3) and r_rat (0..1) size it. Gives the puff's
// visibility factor.
float cloud_puff(float prd, float av_kts, float r_start, float r_len, float r_rat);

// The light's colour and, for the rest of the frame, the sky and fog colour
// and the sky strip's band factors.
extern float lite_r, lite_g, lite_b;
extern float base_rgb[3];
extern float sky_rat[3];

// Sky colour and band factors by the hour, the eye height and the deck.
void sky_colour(float hours, float eye_y, float brat_ter, float level, int cld_type, int abovetops,
                const cloud_bands& b, float base[3], float rat[3]);
// Dawn, dusk and moonlight on the light and the sky; clear: no deck or the
// eye above its tops.
void tint_light_and_sky(float hours, int clear, float lite[3], float base[3]);
// A lightning flash d nm away whitens a colour component.
float flash(float c, float d);
// Linear fog: start and end, m; the end always beyond the start.
void fog_range(float vis_eff, float* start, float* end);
// Direction of light 0 (w = 0) by the hour.
void light0_direction(float hours, float dir[4]);

// The frame's visibility steps: cloud bands, atm.vis_eff and the in-cloud
// factors with their random puffs.
void scene_visibility(float eye_y);
// The frame's light steps: ogl_brat_ter, the light and the sky colour, the
// tints and the lightning flash.
void scene_light(float eye_y);

// 0..1 with a period of pi seconds of msc.elap_time, shifted by offset (s).
float pulse(float offset);
