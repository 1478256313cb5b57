// The simulator's keyboard commands: the toolkit hands it the arrow keys
// (views), the function keys and Backspace (commands) and the keypad (yoke).
#pragma once

// 25 left, 26 right, 27 up, 28 down.
void freeviews_keys(int code);
// F1-F9 28-36, Backspace 37, F11 38, F12 39; with Shift 40-48, 49, 50, 51.
void function_key(int code);
// Keypad 5, 2, 8, 4, 6, 1, 3 give 0 to 6.
void yoke_key(int code);
