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
