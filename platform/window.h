// Window, OpenGL context, display modes, events and message boxes.
// The only code that talks to the windowing system; the toolkit sees
// window-procedure style events with Windows virtual-key numbers.
#pragma once

struct plat_mode {
    int w, h, bpp;
};

enum plat_event_kind {
    PLAT_NONE = 0,
    PLAT_KEY_DOWN,      // code: virtual-key number (auto-repeat included)
    PLAT_MOUSE_MOVE,    // x, y: pixels, y down from the top of the screen
    PLAT_BUTTON_DOWN,   // either button
    PLAT_BUTTON_UP,
    PLAT_PAINT,         // the window became visible or needs redrawing
    PLAT_DESTROYED      // the desktop closed the window
};

struct plat_event {
    int kind;
    int code;
    int x, y;
};

// Display modes of the first display.
int plat_current_mode(plat_mode* out);          // 1 on success
int plat_mode_count();
int plat_mode_at(int index, plat_mode* out);     // 1 on success
// Makes (w, h) the mode of the full-screen window; applied at once when the
// window exists, else when it is created. 1 on success.
int plat_set_mode(int w, int h);

// One full-screen window of w x h pixels with an RGBA, double-buffered,
// 16-bit-depth OpenGL context made current. 0 on failure.
int plat_create_window(const char* title, int w, int h);
void plat_destroy_window();
int plat_window_exists();
void plat_swap();
long plat_swap_count();                          // buffer swaps since start

// Takes one pending event without waiting; 0 when the queue is empty.
int plat_poll_event(plat_event* ev);
// Queues an event ahead of the system's (scripted runs and tests). An
// injected PLAT_NONE ends the polling of the frame that meets it, so that a
// script can spread its events over several frames.
void plat_inject_event(const plat_event* ev);
int plat_shift_down();
int plat_alt_down();
// Scripted runs and tests hold Shift and Alt: 1 down, 0 up, -1 the keyboard's.
void plat_set_injected_keymods(int shift, int alt);

// Blocks until the user answers; before the GL window exists.
void plat_message_box(const char* title, const char* text);
// Tests replace the message box so that nothing waits for a person.
typedef void (*plat_message_box_fn)(const char* title, const char* text);
void plat_set_message_box_handler(plat_message_box_fn fn);
void plat_beep();

// Virtual-key number for an SDL key (exposed for tests); 0 for none.
int plat_vk_from_sdl(int sdl_keycode, int sdl_scancode);
