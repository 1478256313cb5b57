// Shared set-up of the drawing tests: a clean toolkit state, canvas look-ups,
// a scratch program folder with BMP files made to order, and the windows the
// program's process_zap was handed.
#pragma once

#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// Windows handed to process_zap, oldest first, and the message boxes shown.
extern std::vector<int> zapped;
extern std::vector<std::string> boxes;

// Toolkit state as after start-up at 800 x 600, no window open, start-up
// finished, drawing to the GL, message boxes recorded instead of shown.
void reset_toolkit();

// Canvas pixel (x, y) and the canvas bytes of colour index c.
std::array<unsigned char, 3> pixel(int x, int y);
std::array<unsigned char, 3> colour_bytes(int c);
bool lit(int x, int y);
int count_lit();
std::vector<unsigned char> snapshot();
void clear_canvas();

// Queues a mouse move to (x, y) in the coordinates of a window whose origin
// is (ox, oy), then a button press there.
void inject_click(float ox, float oy, float x, float y);
void inject_key(int code);

// A BMP file made to order: every field of the header can be wrong.
struct bmp_layout {
    int w = 2, h = 2;
    int bits = 24;
    int comp = 0;
    unsigned off = 54;       // where the header says the pixels start
    bool fill_to_off = true; // false: pixels follow the header whatever off says
    const char* magic = "BM";
    int header_bytes = 54;   // fewer cut the header short
    int pixel_rows = -1;     // rows actually written; -1 all
    // Pixel (j, i), row i from the bottom, as red, green, blue.
    std::array<unsigned char, 3> (*colour)(int j, int i) = nullptr;
};
void write_bmp(const std::string& path, const bmp_layout& layout);

// A scratch program folder with "textures", "bitmaps/Korvan" and
// "additional nav data/objects"; app_path points at it while it lives.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    std::string dir;   // with a trailing "/"
    std::string path(const std::string& relative) const { return dir + relative; }
};
