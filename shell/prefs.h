// The preferences file "Korvan 4.prf" and situation files.
#pragma once

int grab_prefs(const char* path, int ftype, int alert);
void hardprefs();
