#include "key_help.h"

#include <cstring>

// One row per key or pair of keys; the character column is what the
// keyboard command handler really acts on, so a test keeps them in step.
const key_help_row key_help[] = {
    {"FLYING", "", "Keypad 8 / 2", "yoke forward / back (nose down / up)"},
    {"FLYING", "", "Keypad 4 / 6", "yoke left / right (roll)"},
    {"FLYING", "", "Keypad 1 / 3", "rudder left / right"},
    {"FLYING", "", "Keypad 5", "centre the yoke's roll and the rudder"},
    {"FLYING", "", "F1 / F2", "throttle back / forward, all engines together"},
    {"FLYING", "", "F5 / F6", "propeller rpm down / up, all engines together"},
    {"FLYING", "", "F9 / Backspace", "mixture leaner / richer, all engines together"},
    {"FLYING", "", "F1 ... F4", "with separate engine levers: throttle of engine 1 to 4 back (Shift: forward)"},
    {"FLYING", "", "F5 ... F8", "with separate engine levers: propeller of engine 1 to 4 down (Shift: up)"},
    {"FLYING", "", "F9, Bksp, F11, F12", "with separate engine levers: mixture of engine 1 to 4 leaner (Shift: richer)"},
    {"FLYING", "12", "1 / 2", "flaps up / down a quarter"},
    {"FLYING", "56", "5 / 6", "speed brakes in / out a step (5 from in arms them where fitted)"},
    {"FLYING", "b", "b", "parking brake on / off"},
    {"FLYING", "g", "g", "landing gear up / down"},
    {"FLYING", "78", "7 / 8", "aileron trim left / right"},
    {"FLYING", "90", "9 / 0", "rudder trim left / right"},
    {"FLYING", "[]", "[ / ]", "elevator trim one way / the other"},
    {"FLYING", ".", ".", "thrust reversers on / off (where fitted)"},
    {"FLYING", "34", "3 / 4", "carburettor heat off / on"},
    {"FLYING", " ", "Space", "cut one engine at random (a practice engine failure)"},
    {"FLYING", "p", "p", "pause / resume"},
    {"AUTOPILOT", "!", "!", "autopilot off: every mode off"},
    {"AUTOPILOT", "$%", "$ / %", "follow NAV 1 / NAV 2"},
    {"AUTOPILOT", "^&", "^ / &", "altitude hold / vertical-speed hold"},
    {"AUTOPILOT", "*", "*", "airspeed hold"},
    {"AUTOPILOT", "yu", "y / u", "heading bug left / right"},
    {"VIEWS", "w", "w", "forwards"},
    {"VIEWS", "sx", "s / x", "down 4 / 8 degrees"},
    {"VIEWS", "qe", "q / e", "turn the view left / right 45 degrees at a time"},
    {"VIEWS", "z", "z", "backwards"},
    {"VIEWS", "t", "t", "from the control tower"},
    {"VIEWS", "#", "#", "from the runway"},
    {"VIEWS", "a", "a", "chase"},
    {"VIEWS", "|", "|", "follow: the arrow keys turn the view"},
    {"VIEWS", "@", "@", "spot: the arrow keys move the viewpoint"},
    {"VIEWS", "_+", "_ / +", "full screen with / without the head-up display"},
    {"VIEWS", "=-", "= / -", "zoom in / out"},
    {"VIEWS", "", "Arrow keys", "turn or move the follow and spot views; choose in the ATC menu"},
    {"VIEWS", "d", "d", "low enroute map"},
    {"INSTRUMENTS", "nm", "n / m", "HSI course left / right"},
    {"INSTRUMENTS", "io", "i / o", "barometric setting down / up"},
    {"INSTRUMENTS", "hj", "h / j", "course knob of the support instrument"},
    {"INSTRUMENTS", "kl", "k / l", "second knob of the support instrument (radar-altimeter bug)"},
    {"RADIOS", "QW", "Q / W", "COM 1 down / up 1 MHz"},
    {"RADIOS", "ER", "E / R", "COM 1 down / up 50 kHz"},
    {"RADIOS", "TY", "T / Y", "NAV 1 down / up 1 MHz"},
    {"RADIOS", "UI", "U / I", "NAV 1 down / up 50 kHz"},
    {"RADIOS", "AS", "A / S", "COM 2 down / up 1 MHz"},
    {"RADIOS", "DF", "D / F", "COM 2 down / up 50 kHz"},
    {"RADIOS", "GH", "G / H", "NAV 2 down / up 1 MHz"},
    {"RADIOS", "JK", "J / K", "NAV 2 down / up 50 kHz"},
    {"RADIOS", "OP", "O / P", "ADF down / up 100 kHz"},
    {"RADIOS", "L:", "L / :", "ADF down / up 10 kHz"},
    {"RADIOS", ">?", "> / ?", "ADF down / up 1 kHz"},
    {"RADIOS", "ZX", "Z / X", "transponder first digit down / up"},
    {"RADIOS", "CV", "C / V", "transponder second digit down / up"},
    {"RADIOS", "BN", "B / N", "transponder third digit down / up"},
    {"RADIOS", "M<", "M / <", "transponder fourth digit down / up"},
    {"AIR TRAFFIC CONTROL", "\r", "Enter", "open the ATC menu, then take the highlighted request"},
};
const int key_help_rows = sizeof key_help / sizeof key_help[0];

namespace {
const char* const mouse_text[] = {
    "Without a joystick, click the middle of the screen (the square above the panel) to fly with the mouse:",
    "the mouse is then the yoke, centred a little above the middle of the screen, and a frame and a cross",
    "show where the yoke is. Click the square again to let go of it.",
    "Every control on the panel also works with the mouse: click a knob's left or right half, or a switch.",
};

const char* const menu_text[] = {
    "File: open an aircraft, open or save a situation, quit.",
    "Location: start at an airport, on a runway, on approach, near a VOR or NDB, or on a carrier.",
    "Settings: weather, date and time, rendering, controls, weights, failures, sounds and warnings.",
    "Output: the data graph of a recorded flight and the maps with the flight path.",
    "View: the views listed above, the 3-D flight path and flight replay.",
    "Special: the one-cycle force dump, resetting the preferences, these instructions.",
};
} // namespace

void write_instructions(std::ostream& out)
{
    out << "KORVAN INSTRUCTIONS\n\nKEYBOARD EQUIVALENTS (letters are case-sensitive)\n";
    const char* section = "";
    for (int k = 0; k < key_help_rows; ++k) {
        const key_help_row& r = key_help[k];
        if (std::strcmp(r.section, section) != 0) {
            section = r.section;
            out << "\n" << section << "\n";
        }
        out << "  " << r.keys;
        for (int n = (int)std::strlen(r.keys); n < 20; ++n) out << ' ';
        out << r.what << "\n";
    }
    out << "\nMOUSE YOKE\n";
    for (const char* line : mouse_text) out << line << "\n";
    out << "\nMENUS\n";
    for (const char* line : menu_text) out << line << "\n";
}
