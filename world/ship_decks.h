// What the ship drawers decide about the user's aircraft, apart from the drawing: whether it is
// over a deck, the arresting wires, the landing aid's ball and the carrier's beacons.
#pragma once

// A point on a deck's edge counts as over the deck: the outline tests take this margin, m.
const float DECK_EDGE_MARGIN = 0.001f;

// 1 when (x, z) lies inside the outline through the upper points ring[0..n-1] of shape, shifted
// by (xc, zc) and not turned. The edges run from each listed point to the next; close the
// outline by listing its first point again at the end. Outlines run clockwise seen from above.
int inside_deck(const float (*shape)[2][3], const int* ring, int n, float xc, float zc, float x, float z);

// The aircraft at (x, z) over the vessel whose reference point is (xc, zc).
int over_carr_deck(float xc, float zc, float x, float z);
int over_frig_deck(float xc, float zc, float x, float z);
int over_oilr_deck(float xc, float zc, float x, float z);

// The ship reference the flight model's next ground contact reads: the vessel's reference point
// and its pitch and roll (degrees); ships never turn.
void set_ship_reference(float xc, float yc, float zc, float the, float phi);

// Catches or releases the arresting wire of the carrier at (xc, zc).
void carr_wires(float xc, float zc);

// The landing aid's ball for an aircraft at d = aircraft - the aid's point: light 70 (lowest)
// to 74 (highest), and its colour.
int ball_light(const float* d);
int ball_colour(int light);

// The carrier's two beacons at the point (x, y, z), in the two navaid slots after the last read.
void carr_beacons(float x, float y, float z);

// Everything each vessel decides when it is drawn with its reference point at (xc, yc, zc).
void carr_contact(float xc, float yc, float zc);
void frig_contact(float xc, float yc, float zc);
void oilr_contact(float xc, float yc, float zc);
