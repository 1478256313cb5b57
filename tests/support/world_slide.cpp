#include "world_slide.h"

#include "world/world_records.h"
#include "world/world_window.h"

void slide_window(int type)
{
    if (type == SHIFT_WEST) --env.lon_wes;
    if (type == SHIFT_EAST) ++env.lon_wes;
    if (type == SHIFT_NORTH) ++env.lat_sou;
    if (type == SHIFT_SOUTH) --env.lat_sou;
    drop_old_quadrants(type);
    const int west[] = {0, 3}, east[] = {2, 5}, south[] = {0, 1, 2}, north[] = {3, 4, 5};
    const int* q = type == SHIFT_WEST ? west : type == SHIFT_EAST ? east : type == SHIFT_SOUTH ? south : north;
    int n = type == SHIFT_WEST || type == SHIFT_EAST ? 2 : 3;
    for (int k = 0; k < n; ++k) read_quadrant(env.lat_sou + q[k] / SQ_COLS, env.lon_wes + q[k] % SQ_COLS, q[k]);
    finish_nav_readin();
}
