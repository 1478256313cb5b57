// Stand-in until the joystick window's frame carries its captions: plain
// captions drawn over it.
#include "settings_standins.h"

#include "shell_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"

void draw_joystick_captions()
{
    static const char* const buttons[22] = {
        "hat forward", "hat back",  "hat left",  "hat right", "button 1",  "button 2",  "button 3",  "button 4",
        "button 5",    "button 6",  "button 7",  "button 8",  "button 9",  "button 10", "button 11", "button 12",
        "button 13",   "button 14", "button 15", "button 16", "button 17", "button 18"};
    static const char* const functions[31] = {
        "nothing",          "trim (key ])",       "trim (key [)",       "key 9",
        "key 0",            "key 7",              "key 8",              "rudder left",
        "rudder right",     "look forward",       "look down (held)",   "look left (held)",
        "look right (held)", "previous view",     "next view",          "flaps up a notch",
        "flaps down a notch", "vector/sweep back", "vector/sweep ahead", "gear",
        "parking brake (held)", "speed brake",    "heading mode",       "thrust reverse",
        "jettison",         "free view 1",        "free view 2",        "free view 3",
        "free view 4",      "ATC (Return)",       "space bar"};
    for (int n = 0; n < 22; ++n) OGL_string(41, 201, 469 - 20.0f * n + 4, buttons[n], 999, 6);
    for (int k = 0; k < 31; ++k) OGL_string(41, 295, 474 - 15.0f * k + 1, functions[k], 999, 6);
}
