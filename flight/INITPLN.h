// Aircraft loading and derivation.
#pragma once

// Loads the aircraft file named by pln.C_path / pln.C_file: a missing file
// sends the user to the file chooser (cancelling it ends the program). Then
// converts the record to SI and centre-of-gravity coordinates, lays out the
// panel, reads the airfoils, builds the elements, finite-wing factors and
// propeller discs, completes the aircraft (finishplane) and reloads the
// sounds. The derivation is logged to trk ("Korvan.out").
// A damaged file (short, of a wrong version, unreadable) or a design the
// flight model cannot fly is reported; at start-up the chooser then opens as
// for a missing file, while an aircraft is flying that aircraft stays loaded,
// its records and flight as they were, and plane_refused is set.
void load_plane();
// 1 when the last load_plane kept the loaded aircraft because the chosen
// file was damaged or unflyable; the caller then puts back the names it
// changed.
extern int plane_refused;
// The loader's notice that the aircraft being loaded cannot be flown; only
// the first reason of one load is told, and the load then fails.
void refuse_aircraft(const char* l1, const char* l2, const char* l3, const char* l4);

// A lifting part with the part whose root its tip meets, or whose tip meets
// its root (same dihedral within 30 degrees), taken as one wing: the part
// whose root is the wing's root, root and tip chords, semi-span and the
// span-weighted sweep. A part that meets none is a wing of its own. With
// `log` set, each join is noted in trk.
struct joined_wing {
    int root;
    float c_r, c_t, b, L;
};
joined_wing join_wing(int p, int log);

// Distance between the centres of the instruments in panel slots lo and hi.
int ret_ins_sep(int lo, int hi);

// Edges of the row at height *y of a circle of radius r centred on 0; then
// moves *y one row up.
void work_down_circle(float r, float* y, float* x1, float* x2);
