// Test and benchmark support: the bundled trainer on a standard day.
#pragma once

// Points the loader at the bundled trainer in the program folder (the
// PROGRAM_DIR of the build) and loads it the first time; later calls put back
// the aircraft record and stall speed of that load. 1 when it read the file,
// so that the caller checks for alerts then.
int load_bundled_trainer();
// The start-up's density table and a standard day at noon: 59 °F,
// 29.92 inHg, 7 nm visibility.
void standard_day();
// Failures as the start-up leaves them: every item in the random mode at
// level 0, so that none fails.
void startup_failures();
// The bundled world database and terrain round airport `id`, and the
// aircraft put where the location menu's runway item puts it: start type
// `typestart` (7 take-off, 8 VFR final, 9 ILS final) at the runway end
// numbered `num` with side letter `side` ('x' none). Returns the airport's
// index with its runway in *rway, or -1. Needs the trainer loaded.
int start_at_bundled_runway_of(const char* id, int num, char side, int typestart, int* rway);
