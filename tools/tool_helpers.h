// What the tools share of their own forms of the toolkit's widgets.
#pragma once

namespace tools {

// dig digits (dec after the point), each stepped up by a click at or above
// y + 3 and down below it; the value stays in lo..hi. 1 if it changed.
int instdbtn_range(int color, float x, float y, float* var, int dig, int dec, float lo, float hi, const char* help);

} // namespace tools
