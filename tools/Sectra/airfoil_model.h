// The airfoil editor's coefficient model: lift, drag and moment tables of an
// airfoil from its shape constants, or a flap's increments from its nine
// constants. The constants and derived values live in the shared record `afl`
// (first element of the per-part arrays).
//
// Sectra's own names sit in namespace sectra: its `msc` record is not the
// simulator's, and tests and the build-time generator link both.
#pragma once

namespace sectra {

enum { DEVICE_AIRFOIL = 200, DEVICE_FLAP = 201 };
enum { VIEW_ALPHA = 300, VIEW_POLAR = 301 };

// The editor's run state.
struct miscstruct {
    int device;        // 200 airfoil, 201 flap
    int view;          // 300 curves against alpha, 301 against lift
    int haveaname;     // 1 once the part has a file to save into
    int devicemod;     // 1 when changed since last read, written or reset
    char C_file[400];  // name shown to the user
    char C_path[400];  // full path read and written
};
extern miscstruct msc;

// Tables of the edited part. Airfoil: entry k is step c = k - 270, at c/10
// degrees within +-20 and c -+ 180 degrees beyond. Flap: entry c (0..400)
// is the increment at c/400 of full deflection.
extern float cl[541], cd[541], cm[541];
extern float cls, cds, cms;   // plot scales

// Angle of attack of table entry k of an airfoil.
float step_angle(int k);

// Coefficients at the angle al (degrees) from the current constants and the
// derived values of the last generate().
float fcolift(float al);
float fcodrag(float al);
float fcomomt(float al);

// Fills cl, cd, cm and the plot scales for msc.device; for an airfoil it
// first recomputes the derived values.
void generate();

// Every default of both devices, then device = type, view 300, no name, not
// modified, "Untitled.afl" or "Untitled.flp", and a fresh sweep. C_path stays.
void reset_to_default(int type);

} // namespace sectra
