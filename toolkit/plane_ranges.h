// The range every numeric field of the aircraft file can sensibly hold.
#pragma once

// Checks the aircraft record as read from its file (file units, before any
// derivation). Returns 0 when every value is a finite number in its range,
// else the reason the design is refused, naming the field and its value.
const char* plane_range_fault();

// One numeric field of the record and the values the check above accepts:
// a finite number from lo to hi, and when zero_or_from is above 0, either 0
// or at least that much in size.
struct plane_field_range {
    const char* name;
    const float* first;
    int count;
    int row, plane;   // floats per row and per plane of a 2-D or 3-D array, else 0
    float lo, hi;
    float zero_or_from;
};
const plane_field_range* plane_field_ranges(int* n);

// The counts and kinds, whole numbers from lo to hi.
struct plane_count_range {
    const char* name;
    const int* first;
    int count;
    int lo, hi;
};
const plane_count_range* plane_count_ranges(int* n);
