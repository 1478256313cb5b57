// What the tools share of their own forms of the toolkit's widgets.
#pragma once

namespace tools {

// dig digits (dec after the point), each stepped up by a click at or above
// y + 3 and down below it; the value stays in lo..hi. 1 if it changed.
int instdbtn_range(int color, float x, float y, float* var, int dig, int dec, float lo, float hi, const char* help);
// Seven rows of names (40 each) and IDs (5 each) around *center_index,
// stepped by clicks or the delayed drag in bands above and below the centre,
// wrapping within ind1..ind2. Nothing drawn for an empty range.
void plot_name_list(float os_x, float os_y, const char* name, const char* id, int* center_index, int ind1, int ind2);

} // namespace tools
