// The airfoils and the flap that ship in the program folder, from published
// wind-tunnel figures of the real sections.
#pragma once

namespace sectra {

// Section figures as the wind-tunnel reports give them, angles in degrees
// from the chord line.
struct published_section {
    const char* file;       // name in the "airfoils" folder
    float Re;               // Reynolds number of the test, millions
    float trat;             // thickness ratio
    float al_zl;            // zero-lift angle
    float a0;               // lift-curve slope, per degree
    float clmax, al_stall;  // maximum lift and the angle it is reached at
    float al_stall_neg;     // negative stall angle
    float cd_min, cl_cdmin; // least drag and the lift it is reached at
    float cd_10;            // drag at 10 degrees
    float cm_c4;            // quarter-chord moment over the attached-flow range
    // Post-stall shape, to the character of the measured stall.
    float Ldrop1, Ldrop2, Lpowstl;
    float Dpow;             // power of the drag polar through cd_min and cd_10
    float cm_neg20, cm_pos20;
};

// A trailing-edge flap's increments against deflection.
struct published_flap {
    const char* file;       // name in the "flaps" folder
    float full_deflection;  // degrees at x = 1
    float dcl_per_deg;      // lift effectiveness at small deflection
    float dcl_half, dcl_full;   // lift increment at half and full deflection
    float dcd_full;         // drag increment at full deflection (grows with its square)
    float dcm_per_dcl;      // moment increment per unit lift increment
};

extern const published_section bundled_airfoils[];
extern const int bundled_airfoil_count;
extern const published_flap bundled_flap;
extern const published_flap bundled_slotted_flap;
// Every flap that ships, the plain one first.
extern const published_flap* const bundled_flaps[];
extern const int bundled_flap_count;

// Puts a section's model constants into afl (device airfoil) and sweeps.
void load_bundled_airfoil(const published_section& s);
// Puts the flap's nine constants into afl (device flap) and sweeps.
void load_bundled_flap(const published_flap& f);

} // namespace sectra
