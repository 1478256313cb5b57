// Scripted use of the editor in a real window: frames, clicks and where a
// field stands on its screen.
#pragma once

#include <cstddef>

// n frames of the program's event loop.
void frames(int n);
// A click at a point of the 800 x 600 drawing space; the end of a frame's events.
void click_at(float x, float y);
void end_frame();
// Where the value of the field at `offset` (with its part's index for
// per-part fields) stands on airplane screen id, window units; 0, 0 when
// the screen shows no such field.
void field_at(int id, size_t offset, float* x, float* y);
