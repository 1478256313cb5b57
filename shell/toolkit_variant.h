// The simulator's side of the toolkit seam (toolkit/program_variant.h).
#pragma once

// The name a kind -100 texture is read under now: the seasonal and tropical
// terrain names by the sea-level temperature atm.temp_SL and latitude flt.lat.
const char* texture_file_name(int number, const char* name);
