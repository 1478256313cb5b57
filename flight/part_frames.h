// The fixed geometry of a lifting part in aircraft axes: its elements' arms,
// its tip's arms and its dihedral, kept until the part's geometry changes.
// The build-up and the contact phase run twice a frame over them; the
// geometry almost never changes.
#pragma once

struct part_frame {
    float key[6];
    int els;
    int valid;
    float X[8], Y[8], Z[8];       // each element's arms
    float tipX, tipY, tipZ;       // the tip's arms
    float sin_dihed, cos_dihed;
};

// Part p (4..17), made again when its arms, span, sweep, dihedral or element
// count have changed.
const part_frame& frame_of(int p);
