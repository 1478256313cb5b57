// Input widgets of the menu windows. Immediate-mode: a window's handler calls
// each one every frame with its position (window units, y up) and the
// variable it edits; the widget reads this frame's mouse, changes the
// variable, draws what changes and sets the help balloon while the mouse is
// over it.
#pragma once

// The numeric field being edited: fields are told apart by their order in
// the frame (select_ctr counts them, select_ind is the edited one's ordinal,
// 0 none), so a window draws its numeric fields in the same order every frame.
extern float select_val;
// 1 while the name list's slider is dragged.
extern int slider_grabbed;

// A bevelled 9 x 9 check box, lit when on.
void block(float x, float y, int on);
// Check box: a click toggles *var (0 to 1, anything else to 0); 1 if toggled.
int inboolbtn(float x, float y, int* var, const char* help);
// The same, shown on only when *var is exactly 1.
void inintbtn(float x, float y, int* var, const char* help);
// One box of a radio group: a click sets *var to boxnum.
void inonebool(float x, float y, int* var, int boxnum);

// Multiple-choice texts stepped by the arrows at x + dx: in2textbtn holds
// 0..1, the others 1..n. A value outside the range is brought into it.
// 1 if stepped.
int in2textbtn(float x, float y, const char* C1, const char* C2, float dx, int* var);
int in3textbtn(float x, float y, const char* C1, const char* C2, const char* C3, float dx, int* var);
int in4textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, float dx,
               int* var);
int in5textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, const char* C5,
               float dx, int* var);
int in6textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, const char* C5,
               const char* C6, float dx, int* var);
int in8textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, const char* C5,
               const char* C6, const char* C7, const char* C8, float dx, int* var);

// Identifier fields of 4 (string of 5) and 6 (string of 7) characters from
// blank, "0"-"9", "A"-"Z": a click below y + 3 steps the character up, at or
// above it down, without wrapping. 1 if a character was stepped.
int in4charbtn(int color, float x, float y, char* string);
int in6charbtn(int color, float x, float y, char* string);

// Numeric field of dig digits (1 to 7), dec of them decimals: clicks above or
// below a digit add or take its place value; the value stays in lo..hi.
// 1 if a digit was clicked.
int instdbtn_range(int color, float x, float y, float* var, int dig, int dec, float lo, float hi, const char* help);
// The same over the whole range the digits can show, signed when sign is set.
int instdbtn(int color, float x, float y, float* var, int dig, int dec, int sign, const char* help);

// Where each button drawn at (x, y) acts, as file_button_box below: screens
// that place buttons keep these zones apart. A check box (inboolbtn,
// inintbtn); one radio box (inonebool); the step arrows of a multiple-choice
// text at x + dx; an identifier field of count characters; a numeric field of
// dig digits, stepped above and below its digits.
void check_button_box(float x, float y, float* x1, float* y1, float* x2, float* y2);
void radio_button_box(float x, float y, float* x1, float* y1, float* x2, float* y2);
void choice_button_box(float x, float y, float dx, float* x1, float* y1, float* x2, float* y2);
void char_button_box(float x, float y, int count, float* x1, float* y1, float* x2, float* y2);
void number_button_box(float x, float y, int dig, float* x1, float* y1, float* x2, float* y2);

// File-name button: a click opens the Open chooser for file_type, in the
// program folder's folder of that type, which fills C_file (400 characters)
// and the shared path C_s; the folder where Open and Save As start stays
// where it was. 1 if clicked.
int instringbtn(float x, float y, char* C_file, int file_type, const char* help);
// Where the button of a file name drawn at (x, y) acts: the strip left of the
// name. Backdrops draw the button there.
void file_button_box(float x, float y, float* x1, float* y1, float* x2, float* y2);

// Scrolling list of entries ind1..ind2 (names of 40 characters at
// name + 40 i, identifiers of 5 at id + 5 i), entry *center_index on the
// centre row at os_y, with arrows and a slider on the right.
void plot_name_list(float os_x, float os_y, const char* name, const char* id, int* center_index, int ind1, int ind2);
