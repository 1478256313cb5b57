// The aircraft file (".acf"): the binary header (type 203, version 46) and
// the raw image of `pln`.
#pragma once

// Reads the aircraft file at C_path into `pln` and puts C_file and C_path
// back over the stored copies (C_name becomes C_file less its extension).
// Returns 1 when read; 0 when the file cannot be opened; -1 when it is
// damaged (no aircraft header, a wrong version, a short file or an image
// whose byte order cannot be told), after a notice that names it. The image
// is read aside first: on 0 or -1 `pln` is untouched.
int read_plane_file(const char* C_file, const char* C_path);

// Writes the header and the image of `pln` to C_path, replacing any old file
// only once the new one is complete; 1 on success.
int write_plane_file(const char* C_path);

// Reverses the byte order of the stored numeric fields of `pln` in place;
// text and derived fields stay as they are. Twice is the identity.
void rev_pln_bytes();
