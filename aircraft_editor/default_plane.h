// The fresh aircraft the editor starts from.
#pragma once

namespace fabrex {

// Replaces pln by the default aircraft named `name` at `path`, keeping
// pln.is_heli: round bodies, element counts, the bundled airfoils and flap,
// the round-dial panel, one piston engine and single-wheel gear; everything
// else zero. The aircraft counts as unsaved and unnamed. Then rebuilds the
// preview's geometry and textures.
void setup_baseplane(const char* name, const char* path);

// The record part of setup_baseplane alone, for callers without a preview
// (the build-time generator of the bundled aircraft).
void baseplane_record(const char* name, const char* path);

} // namespace fabrex
