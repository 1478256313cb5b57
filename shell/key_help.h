// The table of the simulator's keys as the pilot reads it, and the text of
// "Korvan Instructions.txt" made from it.
#pragma once

#include <ostream>

struct key_help_row {
    const char* section;   // heading the row is listed under
    const char* chars;     // the characters APPLICATION_handlekey acts on ("" for other keys)
    const char* keys;      // the keys as the file names them
    const char* what;
};

extern const key_help_row key_help[];
extern const int key_help_rows;

// The whole instructions text: the keys by section, the mouse yoke and the menus.
void write_instructions(std::ostream& out);
