// Test support: the simulator's start-up without a screen. The chooser
// answers with the bundled trainer, alerts are recorded, and the window,
// the joystick and speech are stood in for through the linker's --wrap.
#pragma once

#include <string>
#include <vector>

// The notices the program showed, their text lines joined.
extern std::vector<std::string> notices;
bool any_notice(const char* words);

// The preferences file of this test process.
std::string prefs_file();

// Starts the program: on no preferences at all (a first run) or on the file
// the last quit left.
void start_fresh();
void start_again();
