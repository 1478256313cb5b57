// The panel's frame driver: everything on the panel that moves, drawn once a
// frame over the backdrop, with the gyros, the magnetic compass and the
// panel's lamps and timing.
#pragma once

void update_panel();

// Pieces of the frame, in the order update_panel runs them.
void update_gyros();
// Acceleration plus turning error of the magnetic compass, degrees.
float compass_error();
void update_compass();
extern float compass;

// The rotating status message's slot, 0..5, each 3.33 s.
int status_slot(float elap_time);
// x of the outside-air temperature pointer for a temperature in the display unit.
int temperature_pointer_x(float temp);
// Lever travel: y0 at v0, y1 at v1; equal ends put it at the lower of y0, y1.
float lever_y(float v, float v0, float y0, float v1, float y1);

// The switch and lever handles of this frame, drawn as one quad batch.
struct handle_quad {
    float x, y, dx, dy;
    int cell;
};
const int MAX_HANDLES = 48;
int collect_handles(handle_quad* out);

// The instrument drawers, by kind.
void update_airspeed();
void update_arthoriz();
void update_alt();
void update_turnslip();
void update_HSI(int hdef, int vdef);
void update_vvi();
void update_ADF();
void update_VORandGS(int hdef, int vdef);
void update_stormscope();
void update_radalt();
void update_vari();
void update_RMI();
void update_GPS();
void update_DME();
void update_glass(int kind);
