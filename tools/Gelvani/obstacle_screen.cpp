// The obstacle screen: erase, move, select and place obstacles on the map of
// the square, and edit the selected one's height or heading.
#include "edit_screens.h"

#include "gelvani_program.h"
#include "gelvani_records.h"
#include "map_view.h"
#include "tool_helpers.h"

#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>
#include <cstring>

namespace gelvani {

namespace {
const int OBJ_ERASE = 0, OBJ_MOVE = 99, OBJ_SELECT = 98;

int is_obstacle(int k)
{
    return k >= 0 && k < OBJ_SLOTS && obj_type[k] >= 1 && obj_type[k] <= 8;
}

int inside_square(int k)
{
    return obj_lat[k] >= msc.map_latfile && obj_lat[k] <= msc.map_latfile + 1 && obj_lon[k] >= msc.map_lonfile &&
           obj_lon[k] <= msc.map_lonfile + 1;
}

void tool_buttons()
{
    const struct {
        int mode;
        float y;
    } tools[] = {{OBJ_ERASE, 414}, {OBJ_MOVE, 399}, {OBJ_SELECT, 384}, {2, 354}, {3, 339},
                 {4, 324},         {5, 309},        {6, 294},          {8, 279}};
    for (const auto& t : tools) inonebool(10, t.y, &msc.obj_mode, t.mode);
}

// Height or heading of the selected obstacle; the square has changed when they do.
void selected_fields()
{
    int k = msc.obj_index;
    copy_bounded(g_cs1, obj_name[k], NAME_DIM);
    if (obj_type[k] >= 1 && obj_type[k] <= 6) {
        if (instdbtn(7, 114, 245, &obj_hddz[k], 4, 0, 0, "This is the HEIGHT of this obstacle, in feet."))
            msc.map_dirty = 1;
    } else if (obj_type[k] == 8) {
        if (instdbtn_range(7, 124, 204, &obj_hddz[k], 3, 0, 0, 360,
                           "This is the HEADING of this obstacle, in degrees. Enter zero to not rotate the custom "
                           "obstacle at all."))
            msc.map_dirty = 1;
        OGL_string(7, 14, 142, obj_name[k], 999, 6);
    }
}
} // namespace

int nearest_obstacle(float lat, float lon)
{
    int found = -1;
    float best = 0;
    for (int k = 0; k < OBJ_SLOTS; ++k) {
        if (!is_obstacle(k) || !inside_square(k)) continue;
        float d = std::sqrt((obj_lon[k] - lon) * (obj_lon[k] - lon) + (obj_lat[k] - lat) * (obj_lat[k] - lat));
        if (found < 0 || d < best) {
            found = k;
            best = d;
        }
    }
    return found;
}

int place_obstacle(int type, float lat, float lon)
{
    int k = 0;
    while (k < OBJ_SLOTS && obj_type[k] != 0) ++k;
    if (k == OBJ_SLOTS) return -1;
    float height = obj_hddz[intlim(msc.obj_index, 0, OBJ_SLOTS - 1)];
    obj_type[k] = type;
    obj_lat[k] = lat;
    obj_lon[k] = lon;
    if (type == 8) {
        memset(obj_name[k], 0, NAME_DIM);
        strcpy(obj_name[k], UNNAMED_OBSTACLE);
        obj_hddz[k] = 0;
    } else {
        obj_hddz[k] = height;
    }
    msc.obj_index = k;
    return k;
}

void handle_obs()
{
    map_view_buttons();
    tool_buttons();
    msc.obj_index = intlim(msc.obj_index, 0, OBJ_SLOTS - 1);
    float mx = mnw.mx, my = mnw.my;
    int in_map = in_map_area(mx, my);
    int picking = msc.obj_mode == OBJ_ERASE || msc.obj_mode == OBJ_MOVE || msc.obj_mode == OBJ_SELECT;
    int found = -1;
    if (mnw.mouse_clicked && in_map) {
        msc.map_dirty = 1;
        if (picking) {
            found = nearest_obstacle(ret_lat(my), ret_lon(mx));
            if (found >= 0) msc.obj_index = found;
        }
    }
    if ((mnw.now_dragging || mnw.mouse_clicked) && in_map && msc.obj_mode == OBJ_MOVE && is_obstacle(msc.obj_index)) {
        obj_lat[msc.obj_index] = ret_lat(my);
        obj_lon[msc.obj_index] = ret_lon(mx);
    }
    if (mnw.mouse_clicked && in_map) {
        if (msc.obj_mode == OBJ_ERASE && found >= 0) obj_type[found] = 0;
        int type = msc.obj_mode;
        if ((type >= 2 && type <= 6) || type == 8) place_obstacle(type, ret_lat(my), ret_lon(mx));
    }
    selected_fields();
}

} // namespace gelvani
