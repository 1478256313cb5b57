// Process clock and the program's folders.
#pragma once

// Monotonic milliseconds since the process started.
long plat_clock_ms();

// The folder of the running executable, with a trailing "/".
const char* plat_program_folder();
// The per-user settings folder ("Windows folder"): $XDG_CONFIG_HOME/korvan,
// else ~/.config/korvan, created when missing; no trailing "/".
const char* plat_settings_folder();

// 1 when no other process holds the instance lock of this name; the lock is
// held until the process ends.
int plat_claim_single_instance(const char* name);
