// The main-screen pictures of the airfoil editor ("AFL" while an airfoil is
// edited, "FLP" for a flap) and of the weather briefing ("NIMBREL"): a face
// with the captions of the widgets that draw themselves over it.
#include "media.h"
#include "media_font.h"

#include <cstring>

namespace {
const int W = 800, H = 583;
const colour FACE = {40, 52, 72};
const colour PANEL = {24, 30, 44};
const colour LABEL = {210, 220, 235};
const colour LIGHT = {90, 104, 130};
const colour SHADE = {10, 14, 22};

void inset(picture& p, float x, float y, float w, float h)
{
    pic_rect(p, PANEL, x, y, w, h);
    pic_bevel(p, x - 1, y - 1, w + 2, h + 2, 0, LIGHT, SHADE);
}

picture nimbrel_screen()
{
    picture p = pic_new(W, H, FACE);
    pic_text(p, LABEL, 78, 540, "Departure airport", 1);
    pic_text(p, LABEL, 408, 540, "Destination airport", 1);
    pic_text(p, LABEL, 20, 365, "Aircraft:", 1);
    pic_text(p, LABEL, 440, 377, "Altitude (feet):", 1);
    pic_text(p, LABEL, 79, 320, "Your briefing", 1);
    inset(p, 70, 60, 660, 255);
    return p;
}

picture sectra_screen(const char* what)
{
    picture p = pic_new(W, H, FACE);
    pic_text(p, LABEL, 20, 555, what, 1);
    inset(p, 20, 20, 760, 300);
    return p;
}
} // namespace


picture make_tool_bitmap(const char* name)
{
    if (!strcmp(name, "NIMBREL")) return nimbrel_screen();
    if (!strcmp(name, "AFL")) return sectra_screen("Airfoil");
    if (!strcmp(name, "FLP")) return sectra_screen("Flap");
    return picture{};
}
