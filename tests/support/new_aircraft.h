// Test support: an aircraft begun with the editor's File › New, given what
// its screens ask for, saved as the editor saves it.
#pragma once

// Writes it to `path` (named "New.acf"); 1 when the file was written. Leaves
// pln as the editor had it before the save.
int save_new_aircraft(const char* path);
