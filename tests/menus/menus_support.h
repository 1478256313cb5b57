// Shared set-up of the menu, key, chooser and widget tests: a clean toolkit
// state, what reached the program and the simulator's key handlers, injected
// input and scratch folders.
#pragma once

#include "toolkit/HL_MNW.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// One call that left the toolkit: which callback and its argument.
struct callback_call {
    char kind;   // 'm' handlemenu, 'k' handlekey, 'v' freeviews_keys, 'f' function_key, 'y' yoke_key
    int value;
    bool operator==(const callback_call& o) const { return kind == o.kind && value == o.value; }
};
std::ostream& operator<<(std::ostream& os, const callback_call& c);

// Calls to the program and the key handlers, oldest first; process_zap apart.
extern std::vector<callback_call> calls;
extern std::vector<int> zapped;

// Toolkit state as after start-up at 800 x 600 with no window open, no menus,
// Shift and Alt up, message boxes recorded instead of shown.
void reset_menus();
// The aircraft in the middle of the (empty) world window at noon: the scenery
// update draws its frame and slides nothing, so it reads no squares, whose
// progress display would take the injected events; and the panel light it
// sets leaves the backdrop untinted.
void daylight_world();

// Queued input, taken by the next frames. Positions are in the coordinates
// of a window whose origin is (ox, oy); press() is button down then up.
void inject_move(float ox, float oy, float x, float y);
void inject_press();
void inject_click(float ox, float oy, float x, float y);
void inject_key(int code);
// Ends the frame that takes it: later events go to the next frame.
void inject_frame_end();
// Drops whatever is still queued.
void drain_events();

// Canvas pixel and the canvas bytes of colour index c.
std::array<unsigned char, 3> pixel(int x, int y);
std::array<unsigned char, 3> colour_bytes(int c);

// A scratch folder, removed with everything in it; dir ends with "/".
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::string dir;
    void file(const std::string& relative) const;
    void folder(const std::string& relative) const;
};
