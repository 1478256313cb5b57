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
    pic_file_button(p, 97, 362);
    pic_text(p, LABEL, 440, 377, "Altitude (feet):", 1);
    pic_text(p, LABEL, 79, 320, "Your briefing", 1);
    inset(p, 70, 60, 660, 255);
    return p;
}

// A caption over the digit button at (x, y) of the airfoil editor's screen;
// the buttons stand 61 apart, so a caption holds at most nine letters.
struct button_label {
    float x, y;
    const char* text;
};

// The airfoil's buttons: lift, drag, the laminar bucket, the moment curve's
// break angles and its moments at them, the stall angles.
const button_label airfoil_labels[] = {
    {9, 454, "CL AT 0"},  {70, 454, "CL SLOPE"}, {131, 454, "CURVE POW"}, {192, 454, "CL MAX"},
    {9, 401, "SHARPNESS"}, {70, 401, "STALL POW"},  {131, 401, "LIFT LOSS"},
    {9, 348, "CD MIN"},     {70, 348, "CL@CD MIN"}, {131, 348, "CD AT 10"},  {192, 348, "DRAG POW"},
    {9, 295, "BUCKET CL"},  {70, 295, "BKT WIDTH"},  {131, 295, "BKT DEPTH"}, {192, 295, "BKT POWER"},
    {9, 242, "AOA 1"},      {70, 242, "AOA 2"},      {131, 242, "AOA 3"},     {192, 242, "AOA 4"},
    {9, 189, "CM @AOA1"}, {70, 189, "CM @AOA2"}, {131, 189, "CM @AOA3"}, {192, 189, "CM @AOA4"},
    {70, 136, "STALL NEG"}, {131, 136, "STALL POS"},
};
const button_label flap_labels[] = {
    {9, 454, "CL COEF 1"}, {70, 454, "CL COEF 2"}, {131, 454, "CL COEF 3"},
    {9, 401, "CD COEF 1"}, {70, 401, "CD COEF 2"}, {131, 401, "CD COEF 3"},
    {9, 348, "CM COEF 1"}, {70, 348, "CM COEF 2"}, {131, 348, "CM COEF 3"},
};

template <size_t N>
void label_buttons(picture& p, const button_label (&labels)[N])
{
    for (const button_label& b : labels) pic_text(p, LABEL, b.x, b.y + 14, b.text, 1);
}

// The plot box the curves are drawn in, x 250-650 and y 140-540, framed
// just outside its edges; the cursor read-outs at x 33 named on their left.
picture sectra_screen(bool airfoil)
{
    picture p = pic_new(W, H, FACE);
    pic_rect(p, PANEL, 250, 140, 401, 401);
    pic_bevel(p, 248, 138, 405, 405, 0, LIGHT, SHADE);
    pic_text(p, LABEL, 250, 552, airfoil ? "AIRFOIL" : "FLAP", 1);
    pic_text(p, LABEL, 6, 545, airfoil ? "AOA" : "DEF", 1);
    pic_text(p, LABEL, 6, 530, "CL", 1);
    pic_text(p, LABEL, 6, 515, "CD", 1);
    pic_text(p, LABEL, 6, 500, "CM", 1);
    if (airfoil) {
        pic_text(p, LABEL, 100, 540, "RE (M)", 1);
        pic_text(p, LABEL, 118, 502, "THICK", 1);
        label_buttons(p, airfoil_labels);
    } else {
        label_buttons(p, flap_labels);
    }
    return p;
}
} // namespace


picture make_tool_bitmap(const char* name)
{
    if (!strcmp(name, "NIMBREL")) return nimbrel_screen();
    if (!strcmp(name, "AFL")) return sectra_screen(true);
    if (!strcmp(name, "FLP")) return sectra_screen(false);
    return picture{};
}
