// Propeller design and airfoil thickness for the aircraft editor.
#pragma once

namespace fabrex {

// Twists every blade element of propeller `index` to meet the air at zero
// angle of attack at the design point, then fills in the other half of it:
// type 0 designs from the advance per turn (des_adv, inches) and derives the
// design speed; type 1 from the design rpm and speed and derives the
// advance. A variable-pitch propeller's angles become relative to its tip.
void design_prop(int index, int type);

// Sets afl.trat[part][rt] from the airfoil file `name` in the "airfoils"
// folder: 0 when it is missing, not an airfoil or of another version (the
// last two with a notice).
void assign_foil_thickness(const char* name, int part, int rt);

} // namespace fabrex
