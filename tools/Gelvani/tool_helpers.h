// The tools' own helpers and their own forms of two toolkit widgets.
#pragma once

#include "tools/tool_helpers.h"

namespace gelvani {

float isin(int a);   // whole degrees 0..360
float icos(int a);
int intpos(int in);      // 1 if in > 0
int fltpos(float in);    // 1 if in > 0
float fltsgn(float in);  // -1 below 0, else 1

using tools::instdbtn_range;
using tools::plot_name_list;
// The same over every value the digits can show, negative ones when sign is set.
int instdbtn(int color, float x, float y, float* var, int dig, int dec, int sign, const char* help);
// The same for whole units in an int, stored back truncated.
int instdbtn_int(int color, float x, float y, int* var, int dig, int sign, const char* help);

} // namespace gelvani
