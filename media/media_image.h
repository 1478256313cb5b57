// Pictures of the media generator: float RGB pixels, origin at the lower
// left with y up (the row order of a BMP file and of the 800 x 600 panel
// space), and the few drawing operations the painters need. Shapes are
// drawn with 4 x 4 sub-samples so that their edges are smooth.
#pragma once

#include <functional>
#include <vector>

struct colour {
    float r, g, b;   // 0..255
};

struct picture {
    int w = 0, h = 0;
    std::vector<float> px;              // 3 per pixel, row 0 at the bottom
    std::vector<unsigned char> key;     // 1 where the pixel is the transparent key
    int keyed = 0;                      // written with the colour key (1, 1, 1)
};

colour rgb(float r, float g, float b);
colour grey(float v);
colour mix(colour a, colour b, float t);     // a at t = 0, b at t = 1
colour scaled(colour c, float f);

picture pic_new(int w, int h, colour fill);
colour pic_get(const picture& p, int x, int y);
void pic_set(picture& p, int x, int y, colour c);
// Blends c over pixel (x, y) with opacity a (0..1); outside the picture nothing.
void pic_blend(picture& p, int x, int y, colour c, float a);
void pic_set_key(picture& p, int x, int y);
void pic_fill(picture& p, colour c);

// Every pixel whose centre lies in the region: inside(x, y) in picture units,
// tested at 16 points of the pixel; the covered share sets the opacity.
using region = std::function<bool(float, float)>;
void pic_shape(picture& p, colour c, float alpha, float x1, float y1, float x2, float y2, const region& inside);

void pic_rect(picture& p, colour c, float x, float y, float dx, float dy);
void pic_frame(picture& p, colour c, float x, float y, float dx, float dy, float width);
void pic_line(picture& p, colour c, float x1, float y1, float x2, float y2, float width);
void pic_disc(picture& p, colour c, float cx, float cy, float r);
void pic_ring(picture& p, colour c, float cx, float cy, float r1, float r2);
// Band of a ring between two headings (degrees clockwise from straight up).
void pic_arc(picture& p, colour c, float cx, float cy, float r1, float r2, float d1, float d2);
// A radial stroke at a heading, from radius r1 to r2, of the given width.
void pic_tick(picture& p, colour c, float cx, float cy, float r1, float r2, float heading, float width);
void pic_polygon(picture& p, colour c, const std::vector<float>& xy);

// Lit, shadowed bevel around a rectangle (raised when convex).
void pic_bevel(picture& p, float x, float y, float dx, float dy, int convex, colour light, colour dark);
// A round knob with a grip ring, lit from the upper left.
void pic_knob(picture& p, float cx, float cy, float r);
// A screw head with a slot at the given heading.
void pic_screw(picture& p, float cx, float cy, float r, float heading);

// Copies src into dst with its lower left corner at (x, y).
void pic_paste(picture& dst, const picture& src, int x, int y);
