// Stand-ins for drawers built elsewhere; weak so the real ones replace them.
#include "scene_frame.h"

__attribute__((weak)) void update_panel() {}
