// Reading the airfoil and flap tables of the aircraft being loaded. Both files
// are read by position and count, as the airfoil editor writes them.
#pragma once

// Resolves `name` (400 bytes) in place into the program's "airfoils" folder
// and reads it into afl[EN][RT][Re] and afl.trat[EN][RT]; *alpha gets the
// stall angle of its constants line. A missing, foreign or cut-short file is
// fatal.
void grabafoil(char* name, int EN, int RT, int Re, float* alpha);

// Resolves pln.flap_str in place into the "flaps" folder and reads its 51
// rows into pln.clflap, pln.cdflap, pln.cmflap. A missing, foreign or
// cut-short file is fatal. The caller reads it only when pln.flapEQ is set.
void read_flap_tables();

// One coefficient blended between the low- and high-Reynolds slots of a
// station by the element's Reynolds number (millions): clamped into the
// pair's range whichever slot holds the lower number; equal numbers give the
// low slot's value.
float re_blend(int EN, int RT, float lo_value, float hi_value, float Re_meg);
