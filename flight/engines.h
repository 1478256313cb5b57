// Propellers, rotors and jet engines.
#pragma once

// Propellers and rotors of engine types 1 to 3, with their engines.
void props();
// Thrust of every jet engine (types 4 and 5).
void jets();
