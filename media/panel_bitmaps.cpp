// The cockpit panel: the stock panel, status bar, radio stack, GPS, gear
// and systems-display housings, and the lever bitmaps of the throttle
// quadrant. Every position below is the panel position (800 x 600, y up)
// of what the panel build and the frame driver draw over the bitmap, less
// the bitmap's own corner, so that windows, scales and labels sit under
// the digits, needles and switches that the simulator draws.
#include "media.h"
#include "media_font.h"
#include "media_noise.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {
const colour LABEL = {214, 214, 206};
const colour DIM_LABEL = {150, 152, 150};
const colour WINDOW = {8, 10, 10};

// A black read-out window with a thin sunken rim.
void readout(picture& p, float x, float y, float w, float h)
{
    pic_rect(p, WINDOW, x, y, w, h);
    pic_bevel(p, x - 1, y - 1, w + 2, h + 2, 0, grey(120), grey(24));
}

// A small dark button housing with a raised rim.
void button_well(picture& p, float x, float y, float w, float h)
{
    pic_rect(p, grey(34), x, y, w, h);
    pic_bevel(p, x, y, w, h, 1, grey(110), grey(18));
}

picture stock_panel()
{
    picture p = panel_plate(800, 333, 701);
    // The switch and annunciator strip along the top edge, above the
    // exhaust-temperature strips (up to y 305) of the engine area.
    pic_rect(p, scaled(panel_colour(), 0.8f), 0, 305, 800, 28);
    pic_rect(p, grey(30), 0, 332, 800, 1);
    pic_rect(p, scaled(panel_colour(), 1.25f), 0, 305, 800, 1);
    struct sw {
        float x, w;
        const char* label;
    };
    const sw switches[] = {{27, 38, "HUD"}, {73, 38, "HOOP"}, {119, 14, "BRT"}, {499, 38, "CHUTE"}, {545, 38, "HOOK"},
                           {591, 38, "A-ICE"}, {637, 38, "JETT"}, {683, 38, "JATO"}};
    for (const sw& s : switches) {
        pic_rect(p, grey(40), s.x, 314, s.w, 15);
        pic_bevel(p, s.x, 314, s.w, 15, 0, grey(110), grey(20));
        pic_text_centred(p, LABEL, s.x + s.w / 2, 309.5f, s.label, 1);
    }
    // Stall lamp, tail-number plate, pause button.
    pic_rect(p, grey(20), 5, 314, 14, 14);
    pic_rect(p, rgb(60, 16, 14), 7, 316, 10, 10);
    pic_text_centred(p, LABEL, 15, 309.5f, "STALL", 1);
    pic_rect(p, grey(36), 168, 315, 60, 13);
    pic_bevel(p, 168, 315, 60, 13, 0, grey(100), grey(20));
    button_well(p, 730, 314, 60, 16);
    pic_text_centred(p, LABEL, 760, 309.5f, "PAUSE", 1);
    // Autopilot hold read-outs with their step knobs (upper half raises).
    const float holds[3][3] = {{268, 33, 315}, {352, 33, 400}, {442, 27, 485}};
    const char* hold_labels[3] = {"ALT HOLD", "V/S HOLD", "SPD HOLD"};
    for (int k = 0; k < 3; ++k) {
        readout(p, holds[k][0], 316, holds[k][1], 11);
        pic_text_centred(p, LABEL, holds[k][0] + holds[k][1] / 2 - 2, 309.5f, hold_labels[k], 1);
        pic_knob(p, holds[k][2], 317, 7);
    }
    // Screws along the lower edge and between the instrument rows.
    for (float x : {8.0f, 392.0f, 640.0f, 792.0f}) pic_screw(p, x, 6, 2.5f, 30);
    return p;
}

picture status_bar()
{
    picture p = pic_new(800, 22, grey(22));
    pic_rect(p, grey(50), 0, 21, 800, 1);
    pic_rect(p, grey(10), 0, 0, 800, 1);
    // Compass strip window, with its lubber line above the marks.
    readout(p, 343, 4, 61, 17);
    pic_rect(p, rgb(250, 200, 60), 372.5f, 18, 1, 3);
    // Outside-air temperature: -50 to 90 along x 723..793, a tick every 10.
    for (int t = -50; t <= 90; t += 10) {
        float x = 748 + t / 2.0f;
        pic_rect(p, grey(200), x, 9, 1, t % 50 == 0 ? 4 : 2);
    }
    pic_text_centred(p, DIM_LABEL, 748.5f, 17.5f, "0", 1);
    pic_text_centred(p, DIM_LABEL, 728.5f, 17.5f, "-40", 1);
    pic_text_centred(p, DIM_LABEL, 773.5f, 17.5f, "50", 1);
    return p;
}

// Radio stack; its lower left corner is panel x 489 (radio offset 0).
picture radio_stack()
{
    const float X = 489;
    picture p = panel_plate(155, 304, 711);
    pic_rect(p, grey(30), 0, 0, 1, 304);
    pic_rect(p, grey(96), 154, 0, 1, 304);
    auto at = [&](float panel_x) { return panel_x - X; };
    // Marker lamps (drawn by the simulator) and the audio selector buttons.
    pic_text(p, DIM_LABEL, at(494), 283, "MKR", 1);
    // The GPS unit, when fitted, covers y 209 to 279 below these labels.
    const char* audio[5] = {"ADF", "NV1", "NV2", "CM1", "CM2"};
    for (int k = 0; k < 5; ++k) {
        float bx = at(545 + 20.0f * k);
        button_well(p, bx - 1, 289, 12, 11);
        pic_text_centred(p, LABEL, bx + 5, 284.5f, audio[k], 1);
    }
    // Distance read-out with its source switches (hidden under the GPS).
    readout(p, at(496), 267, 101, 13);
    pic_text(p, DIM_LABEL, at(496), 258, "DME", 1);
    pic_text_centred(p, LABEL, at(611), 263.5f, "N1", 1);
    pic_text_centred(p, LABEL, at(629), 263.5f, "N2", 1);
    // Frequencies: COM left, NAV right; receiver 1 at y 240, receiver 2 at 191.
    for (int row = 0; row < 2; ++row) {
        float y = row ? 191 : 240, knob_y = row ? 171 : 220;
        const char* com = row ? "COM 2" : "COM 1";
        const char* nav = row ? "NAV 2" : "NAV 1";
        readout(p, at(520), y - 3, 41, 13);
        readout(p, at(588), y - 3, 41, 13);
        pic_text_centred(p, LABEL, at(540), y + 16.5f, com, 1);
        pic_text_centred(p, LABEL, at(608), y + 16.5f, nav, 1);
        for (float kx : {534.0f, 558.0f, 602.0f, 626.0f}) pic_knob(p, at(kx), knob_y, 9);
    }
    // Transponder: code digits over their step knobs, reply lamp, ident.
    pic_text(p, LABEL, at(496), 158, "XPDR", 1);
    for (int k = 0; k < 4; ++k) {
        float dx = at(565 + 20.0f * k);
        readout(p, dx - 2, 143, 9, 11);
        pic_knob(p, dx + 2, 130, 7);
    }
    pic_rect(p, grey(20), at(497), 145, 7, 7);
    button_well(p, at(521), 127, 28, 12);
    pic_text_centred(p, LABEL, at(535), 133.5f, "IDT", 1);
    // Autopilot: seven mode buttons (the simulator draws their faces).
    pic_text(p, DIM_LABEL, at(497), 112, "AUTOPILOT", 1);
    const char* ap[7] = {"HDG", "NV1", "NV2", "ALT", "V/S", "G/S", "SPD"};
    const float ap_x[7] = {497, 517, 537, 560, 580, 600, 620};
    for (int k = 0; k < 7; ++k) {
        pic_rect(p, grey(18), at(ap_x[k]) - 1, 86, 22, 15);
        pic_text_centred(p, LABEL, at(ap_x[k]) + 10, 104.5f, ap[k], 1);
    }
    // Fuel quantity: the needle runs from E (x 514) to F (x 544).
    readout(p, at(509), 38, 41, 12);
    for (float mx : {514.0f, 529.0f, 544.0f}) pic_rect(p, grey(230), at(mx), 40, 1, 8);
    pic_text_centred(p, LABEL, at(514.5f), 32.5f, "E", 1);
    pic_text_centred(p, LABEL, at(544.5f), 32.5f, "F", 1);
    pic_text_centred(p, LABEL, at(529.5f), 55.5f, "FUEL", 1);
    // Trims: the index moves 14 either side of x 586.
    const float trim_y[2] = {52, 23};
    const char* trim_label[2] = {"AIL TRIM", "RUD TRIM"};
    for (int k = 0; k < 2; ++k) {
        float y = trim_y[k];
        readout(p, at(569), y - 2, 35, 7);
        for (float tx : {572.0f, 586.0f, 600.0f}) pic_rect(p, grey(160), at(tx), y - 2, 1, 1);
        pic_text_centred(p, LABEL, at(583), y + 9.5f, trim_label[k], 1);
    }
    // Parking brake (the simulator lights the box while it is set).
    button_well(p, at(495), 5, 68, 15);
    pic_text_centred(p, LABEL, at(529.5f), 12.5f, "PARK BRK", 1);
    return p;
}

picture gps_unit()
{
    const float X = 490, Y = 209;
    picture p = panel_plate(152, 71, 721);
    readout(p, 495 - X, 235 - Y, 121, 44);
    pic_knob(p, 546 - X, 220 - Y, 9);
    pic_knob(p, 603 - X, 220 - Y, 9);
    pic_text(p, DIM_LABEL, 500 - X, 216 - Y, "SCR", 1);
    pic_text(p, DIM_LABEL, 558 - X, 216 - Y, "SEL", 1);
    // Mode switches at x 621: airports, VORs, NDBs, labelled below each.
    const char* modes[3] = {"APT", "VOR", "NDB"};
    const float mode_y[3] = {270, 248, 226};
    for (int k = 0; k < 3; ++k) {
        pic_rect(p, grey(26), 621 - X, mode_y[k] - Y, 18, 10);
        pic_text_centred(p, LABEL, 630 - X, mode_y[k] - Y - 5.5f, modes[k], 1);
    }
    pic_text(p, DIM_LABEL, 586 - X, 226 - Y, "GPS", 1);
    return p;
}

// Gear handle housing at panel (608, 4): the handle (616, 30) and the
// three leg lights (622, 18), (616, 8), (628, 8).
picture gear_housing()
{
    picture p = panel_plate(32, 58, 731);
    pic_rect(p, grey(22), 6, 24, 20, 30);
    pic_bevel(p, 6, 24, 20, 30, 0, grey(100), grey(16));
    for (float lx : {14.0f, 8.0f, 20.0f}) {
        float ly = lx == 14 ? 14 : 4;
        pic_rect(p, grey(16), lx - 1, ly - 1, 6, 6);
    }
    return p;
}

// Systems display at panel (644, 140): five page buttons under the screen,
// which stops below the switch strip's labels.
picture systems_display()
{
    picture p = panel_plate(156, 165, 741);
    readout(p, 4, 27, 149, 137);
    for (int k = 0; k < 5; ++k) {
        float bx = 1 + 30.0f * k;
        pic_rect(p, grey(30), bx + 1, 1, 28, 22);
        pic_bevel(p, bx + 1, 1, 28, 22, 1, grey(96), grey(14));
    }
    return p;
}

// Engine gauge face: a round dial of radius 36 around (38, 38).
picture engine_dial()
{
    picture p = panel_plate(76, 76, 751);
    pic_disc(p, grey(26), 38, 38, 37.5f);
    pic_ring(p, grey(70), 38, 38, 34, 36);
    pic_disc(p, grey(10), 38, 38, 34);
    pic_disc(p, grey(60), 38, 38, 3);
    return p;
}

// Exhaust temperature strip at (x - 28, y): the index runs from x - 8
// (cold) to x + 22 (hot) between rows y + 8 and y + 12; the strip ends
// there, under the labels of the switch strip.
picture egt_strip()
{
    picture p = panel_plate(56, 13, 761);
    readout(p, 19, 6, 33, 6);
    for (int k = 0; k < 31; ++k) {
        float f = k / 30.0f;
        colour c = f < 0.5f ? mix(rgb(40, 90, 200), rgb(40, 180, 60), f * 2) : mix(rgb(40, 180, 60), rgb(210, 50, 30), f * 2 - 1);
        pic_rect(p, scaled(c, 0.6f), 20.0f + k, 7, 1, 1);
    }
    for (float tx : {20.0f, 35.0f, 50.0f}) pic_rect(p, grey(200), tx, 11, 1, 1);
    pic_text(p, LABEL, 1, 5, "EGT", 1);
    return p;
}

// Lever housings of the quadrant, on its black box.
picture lever_bitmap(const char* kind)
{
    std::string k(kind);
    if (k == "b_sbrka" || k == "b_sbrkm") {
        // Speed brake at (692, 78): handle x 698..718, y 93 (extended) to 123.
        picture p = pic_new(34, 56, grey(0));
        pic_rect(p, grey(22), 14, 12, 2, 40);
        pic_rect(p, grey(60), 16, 12, 1, 40);
        if (k == "b_sbrka") pic_text(p, LABEL, 0, 46, "ARM", 1);
        pic_text(p, LABEL, 0, 36, "RET", 1);
        pic_text(p, LABEL, 0, 16, "EXT", 1);
        pic_text_centred(p, DIM_LABEL, 17, 3.5f, "SPD BRK", 1);
        return p;
    }
    if (k == "b_trim") {
        // Trim wheel at (782, 72): the index (x 787) runs from 81 to 122.
        picture p = pic_new(18, 62, grey(0));
        pic_rect(p, grey(50), 1, 8, 5, 46);
        for (int r = 0; r < 23; ++r) pic_rect(p, grey(r % 2 ? 30 : 110), 1, 8 + 2.0f * r, 5, 1);
        for (float ty : {9.0f, 29.5f, 50.0f}) pic_rect(p, grey(200), 12, ty, 4, 1);
        pic_text(p, DIM_LABEL, 0, 55, "NU", 1);
        pic_text(p, DIM_LABEL, 0, 0, "ND", 1);
        return p;
    }
    if (k == "b_swee") {
        // Wing sweep at (736, 72): lever x 737..764, y 112 (forward) to 73 (aft).
        picture p = pic_new(30, 52, grey(0));
        pic_rect(p, grey(22), 13, 3, 2, 44);
        pic_rect(p, grey(60), 15, 3, 1, 44);
        pic_text_centred(p, LABEL, 15, 47.5f, "FWD", 1);
        return p;
    }
    if (k == "b_vect") {
        // Thrust vector at (730, 72): lever x 745..772, y 126 (0) to 73 (120 deg).
        picture p = pic_new(46, 64, grey(0));
        pic_rect(p, grey(22), 28, 3, 2, 56);
        pic_rect(p, grey(60), 30, 3, 1, 56);
        pic_text(p, LABEL, 0, 52, "0", 1);
        pic_text(p, LABEL, 0, 26, "60", 1);
        pic_text(p, LABEL, 0, 2, "120", 1);
        return p;
    }
    return picture{};
}

} // namespace

colour panel_colour()
{
    return rgb(72, 76, 80);
}

// Panel metal: a faint brushed grain over the panel colour.
picture panel_plate(int w, int h, int seed)
{
    colour base = panel_colour();
    picture p = pic_new(w, h, base);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float n = tile_noise((x + 0.5f) / 512, (y + 0.5f) / 64, 64, seed);
            float g = hash01(x, y, seed + 1);
            pic_set(p, x, y, scaled(base, 0.95f + 0.06f * n + 0.03f * g));
        }
    return p;
}

// Every bitmap of the simulator by name; w = 0 for a name not known.
picture make_korvan_bitmap(const char* name)
{
    struct painter {
        const char* name;
        picture (*paint)();
    };
    static const painter panel[] = {
        {"PANL", stock_panel}, {"statbar", status_bar}, {"radios", radio_stack}, {"gps", gps_unit},
        {"b_gear", gear_housing}, {"ecam", systems_display}, {"eng_in", engine_dial}, {"egt", egt_strip},
    };
    for (const painter& p : panel)
        if (strcmp(p.name, name) == 0) return p.paint();
    if (strncmp(name, "b_", 2) == 0) return lever_bitmap(name);
    if (strncmp(name, "pict_", 5) == 0) return make_gauge_face(name);
    return make_window_backdrop(name);
}
