// The frame drawn so far (the back buffer) of an 800 x 600 screen, read into
// shot (rows from the bottom) and written as folder/name.ppm.
#pragma once

#include <vector>

void take_screenshot(const char* folder, const char* name, std::vector<unsigned char>& shot);
// An 800 x 600 frame already read (rows from the bottom) written as
// folder/name.ppm; 0 when the file could not be made.
int write_screenshot(const char* folder, const char* name, const std::vector<unsigned char>& shot);
