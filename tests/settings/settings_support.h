// Shared set-up of the settings-window tests: a clean toolkit and records,
// one frame's mouse, and what the handlers asked of the other modules.
#pragma once

#include <gtest/gtest.h>

#include <vector>

// Windows opened, start placements asked for, region loads and weather
// sectors regenerated since the last reset.
extern std::vector<int> opened;
extern std::vector<int> placements;
extern int region_loads;
extern std::vector<int> sectors;

// Full-screen toolkit with window `index` open at the screen's corner,
// drawing into the canvas, records cleared.
void open_settings_window(int index);

// The mouse of one frame at (x, y) in window units; clicked: pressed this
// frame (and held), else held (dragging) or, with drag 0, up.
void mouse(float x, float y, int clicked, int drag);
// A new frame: numeric fields counted afresh, mouse up.
void next_frame();

class SettingsWindow : public ::testing::Test {
protected:
    void TearDown() override;
};

// Canvas pixel (x, y) is colour index c; any pixel of c in the rectangle.
bool canvas_shows(int x, int y, int c);
bool canvas_any(int x1, int y1, int x2, int y2, int c);
