// New, Open, Save, Save As, Quit and the device switch of the airfoil
// editor, with the save-changes question that guards unsaved work.
#pragma once

namespace sectra {

enum { DO_NEW = 0, DO_OPEN = 1, DO_QUIT = 2, DO_SWITCH = 3 };

// The toolkit's save-changes question and file choosers; tests answer them.
extern int (*ask_save_changes)(const char* name);
extern int (*choose_open_file)(int file_type, char* file, char* path);
extern int (*choose_save_file)(int file_type, char* file, char* path);

// Asks for a name and writes the part there; nonzero only when a name was
// chosen and the file written.
int saveasproc();
// Save: under the part's name when it has one, else as Save As; nonzero
// when written.
int saveproc();
// The file action without asking: DO_NEW and DO_SWITCH reset to the
// defaults of newdevice, DO_OPEN reads a chosen file (one that cannot be
// read leaves the part and its name as they were), DO_QUIT ends the run.
void dothing(int request, int newdevice);
// dothing, after asking to save a changed part; Cancel, or a save that did
// not happen, keeps the part and drops the action. Reopens the main screen.
void donewdeal(int request, int newdevice);

} // namespace sectra
