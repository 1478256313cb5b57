// Aircraft loading and derivation.
#pragma once

void load_plane();
