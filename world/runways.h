// Airports of the world window built from the navigation database: each
// runway's pavement quads, light point lists, windsocks and flashers, and the
// hangars and tower beside the longest runway.
//
// Point list of a runway (scn.rwayxyz[a][r], world metres once built):
//   0..rwaymax1, 50..rwaymax2    left and right edge lights
//   100..RCLSmax                 centre line
//   150..twaymax1, 200..twaymax2 taxiway edges (the outer row runs round the apron)
//   250..500                     the first end's approach, glide-slope (276..279),
//                                flasher start (280) and touchdown-zone lights
//   501..513, 514..526           threshold bars of the first and second end
//   527..550, 551..560           connector and apron edges
//   561..811                     the second end's lights (the first end's layout + 311)
//   812                          beacon and tower viewpoint, 27 m up
// A light cleared because it stands on other pavement has x = z = 0.
#pragma once

// A runway exists only with a length over 1 m and a width of at least 1 m;
// every loop over an airport's runways asks this first.
int rway_counts(int apt_wrl, int r);
// The first runway that counts (its point 812 is the airport's beacon), -1 for none.
int first_rway(int apt_wrl);

void build_apt(int apt_reg, int apt_wrl);
void setuprunway(int apt_reg, int r, float X, float Z, float Y, float l, float w, int hdng, int litecode);
void clear_region(int apt_reg, int blockee, int blocker, int m);
void sub_clear_region(int apt_reg, int rway, float corners[4][3], int i1, int i2);
// 1 when (x, z) lies 25 m or more inside runway r's paved outline (runway and
// taxiway side); r = -1: any runway of the airport.
int in_runway(int apt_reg, float x, float z, int r);

// Point-list builders in the runway's own frame.
void as_grnd_xy(int apt_reg, int r, int i, float x, float y, float z);
// The points strictly between i1 and i2, evenly between the two.
void as_interp(int apt_reg, int r, int i1, int i2);
// Points i0..i3 at the corners 0..3 of mark m, on the ground.
void as_edge(int apt_reg, int r, int m, int i0, int i1, int i2, int i3);
// Corners of mark m from fractions of the width across and of the length along:
// (x0, z0), (x1, z0), (x1, z1), (x0, z1).
void as_mark_xy(int apt_reg, int r, int m, float x0, float x1, float z0, float z1, float w, float l);
