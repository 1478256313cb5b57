// Test support: the program's window under Xvfb.
#pragma once

// Opens the window and GL once per test program (MACIBM_init), with the
// platform's message boxes silenced so that no alert waits for a click.
void open_test_window();
