// The aircraft editor's own run state. Its names live in namespace fabrex:
// the editor's `msc` is not the simulator's, and the build-time trainer
// generator and the tests link both.
#pragma once

namespace fabrex {

struct miscstruct {
    float zoom;          // preview distance factor
    int bluesky;         // 0 black, 1 sky background
    int movecons;        // 1 moving control surfaces in the preview
    int planemod;        // 1 while the aircraft has unsaved changes
    int planenamed;      // 1 once the aircraft has a file name
    int rotate_code;     // 0, or 419/420 while a 3-D spin is requested
    float dis_to_plane;  // preview camera distance, ft
    float the, psi, phi; // preview pitch, heading and roll, degrees
    float xos, yos;      // preview shift across and up
};
extern miscstruct msc;

// The preview's animated control deflections, degrees; only the preview
// writes them.
struct flightstruct {
    float lailndef, railndef, lhstbdef, rhstbdef, ruddef;
    int flap;
    float elv_trim;
};
extern flightstruct flt;

} // namespace fabrex
