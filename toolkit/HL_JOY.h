// Joystick and force feedback. The toolkit holds the force commands and the
// close; the simulator finds and reads the stick (flight/stick_input.cpp).
#pragma once

// The stick as last read: axes 0..65535, buttons bit 0 = button 1, hat in
// hundredths of a degree (65535 centred).
struct joyinfostruct {
    unsigned dwSize, dwFlags;
    unsigned dwXpos, dwYpos, dwZpos, dwRpos;
    unsigned dwButtons;
    unsigned dwPOV;
};
extern joyinfostruct joyinfoex;

// Logical buttons of this frame and the last: 0..3 hat forward, back, left,
// right; 4..7 buttons 1..4 each pressed alone; 8..19 buttons 5..16.
const int JOY_BUTTONS = 22;
extern int n_button_pressed[JOY_BUTTONS];
extern int o_button_pressed[JOY_BUTTONS];

// The stick that controls_type names: 0 joystick 1, 1 joystick 2.
int JOY_stick_id();
// 1 when a joystick was found (its force feedback started); else 0 after a notice.
int JOY_init();
// Outputs pitch, roll, yaw and throttle, each -1..1. mouse_key 1 (the flight
// step) adds the mouse and keyboard yoke and runs the button actions; 0 (the
// joystick window) reads the axes only.
void JOY_get(float* joy_ptch, float* joy_roll, float* joy_hdng, float* joy_thro, int mouse_key);
// Removes the null zone nz from *dat (in place), then returns sign * |dat|^1.5.
float JOY_curve(float* dat, float nz);
// One force-feedback command, codes 19..27.
void JOY_force(int type, int a1, int a2, int a3);
void JOY_close();

// The simulator's view and keyboard-yoke handlers, which buttons reach too.
void freeviews_keys(int code);
void yoke_key(int code);
