// The editor's screens and the fields placed on them: plain data, shared by
// the editor and the media generator that paints the screens' backgrounds.
#pragma once

#include <cstddef>

namespace fabrex {

struct screen_entry {
    int id;
    const char* title;
    float dx, dy;
    const char* bitmap;
    int part;   // the part the screen edits, -1 none
};
// The screens of one mode, ending with id 0.
extern const screen_entry plane_screens[];
extern const screen_entry heli_screens[];
// The screen of id in the mode; nullptr when there is none.
const screen_entry* find_screen(int id, int is_heli);

// F_COUNT: insecbtn's count button with its per-item columns; F_TEXT the
// six-character text; F_CHOICE a two-way button between `choice0` and `choice1`.
enum field_kind { F_NUMBER, F_RADIO, F_NOYES, F_CHECK, F_FILE, F_COUNT, F_TEXT, F_CHOICE };
// Fields stored otherwise than shown: blade chord in feet shown in inches,
// the rotor's forward cant shown as the disc's tilt, 90 - vertcant[0]; and
// speeds in the units the airspeed indicator reads (asi_units), which the
// simulator reads them in, so their unit is not on the background.
enum field_shown { AS_STORED, CHORD_INCHES, DISC_TILT, IN_ASI_UNITS };
enum field_mode { BOTH, PLANE, HELI };
// A number field at (x, y) of a screen, bound by its offset in planestruct
// (for per-part fields the offset of element 0, indexed by the screen's part).
struct field_entry {
    const char* bitmap;     // the screens that show it
    int mode;               // field_mode
    const char* label;
    const char* unit;
    int col, row;           // place on the screen's grid (field_place)
    int kind;               // field_kind
    size_t offset;
    int per_part;           // 1: float[28] or int[28] indexed by the screen's part
    int is_int;
    int dig, dec, sign;     // number format; radio: dig boxes
    float lo, hi;
    const char* help;       // nullptr: the location help of `place`
    const char* place;      // x_name/y_name/z_name description, with `axis`
    char axis;              // 'x', 'y', 'z' or 0
    int shown = AS_STORED;  // field_shown
    const char* choice0 = nullptr;  // F_CHOICE texts for 0 and 1
    const char* choice1 = nullptr;
};
extern const field_entry screen_fields[];
extern const int screen_field_count;

// insecbtn's columns: engine e's location buttons (behind, beside, above)
// and element e's incidence and control boxes on a lifting-surface screen.
float engine_column_x(int e);
extern const float engine_row_y[3];
float element_column_x(int e);
// In an element's column: the incidence's digits, and how far right of the
// column the control boxes stand.
const int INCIDENCE_DIGITS = 3;
const float CONTROL_BOX_DX = 10;
// Row r of the element columns: 0 the incidence, then one per control box.
float element_row_y(const screen_entry& s, int r);
// The element columns' row names of part `part` in the mode; the count.
int element_rows(int part, int is_heli, const char* const** names);

// The Panel's swap box: engine instruments and radios in two columns, the
// left at x 529, the right at SWAP_RIGHT_X, a divider between them.
const float SWAP_RIGHT_X = 599;
const float SWAP_DIVIDER_X = 593;

// Where a field's label and value stand on a screen of height dy, window units.
void field_place(const field_entry& f, const screen_entry& s, float* label_x, float* value_x, float* y);
// The unit after a field's value: "mph" or "kts" for the indicator's speeds.
const char* field_unit(const field_entry& f, int asi_units);
// The height of a field's label on the row at y: file names have theirs above.
float field_label_y(const field_entry& f, float y);
// The width of a field's value: its digits, boxes, choice text or file name.
float value_width(const field_entry& f, const screen_entry& s);
// Between a file field's label and its name: the chooser's button.
const float FILE_BUTTON_ROOM = 24;
// Between a field's value and its unit.
const float UNIT_GAP = 6;

} // namespace fabrex
