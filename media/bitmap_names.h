// The simulator's bitmaps in "bitmaps/Korvan", by the names that its panel
// build, instrument builders and window opener load them under.
#pragma once

extern const char* const korvan_bitmap_names[];
extern const int korvan_bitmap_count;
