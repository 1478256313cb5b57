// Queries over the aircraft's parts that the force build-up, the propeller
// model, the geometry builder and the drawing all ask the same way.
// Parts: 0..3 propellers (rotors), 4..9 wings (left even), 10/11 h-stab,
// 12/13 vertical stabilizers, 14..17 pylons, 18 fuselage, 19..22 nacelles,
// 23/24 misc bodies, 25..27 wheel fairings (skids 26, 27).
#pragma once

#include "plane_record.h"

// Side of a part: -1 left, +1 right or centre.
float latsign(int en);

// Spanwise distance of element el's centre from the part's root. Inline:
// the propeller model asks it for every ring twice a frame.
inline float get_wing_rarm(int en, int el)
{
    // A part saved with no elements still has one strip, not a division by zero.
    int els = pln.els[en] < 1 ? 1 : pln.els[en];
    return (el + 0.5f) / els * pln.semilen[en];
}

// Body-axis position of the point `len` along the span of a lifting part.
float get_wing_Xarm(int en, float len);
float get_wing_Yarm(int en, float len);
float get_wing_Zarm(int en, float len);

// Stations along, and points round, the part's drawn surface; 0 for an
// unknown index.
int f_body_s_dim(int en);
int f_body_r_dim(int en);

// 1 when the part exists on this aircraft.
int have_this_part(int en);

// The label of part EN in the log and alerts; empty for an unknown index.
const char* part_name(int EN);

// Origin of the part; outputs untouched for a part it has none for.
void get_body_os(int en, float* xos, float* yos, float* zos);
