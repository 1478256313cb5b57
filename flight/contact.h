// Ground and water contact of the force build-up.
#pragma once

// Contact forces of every point that touches the ground, a deck or the water
// (run when the aircraft is within 50 m of the surface); sets flt.onground.
void contact_phase();
