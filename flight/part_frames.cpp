#include "part_frames.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstring>

namespace {
part_frame frames[28];
}

const part_frame& frame_of(int p)
{
    part_frame& f = frames[p];
    float key[6] = {pln.Xarm[p], pln.Yarm[p], pln.Zarm[p], pln.semilen[p], pln.sweep1[p], pln.dihed[p]};
    int els = intlim(pln.els[p], 0, 8);
    if (f.valid && f.els == els && std::memcmp(f.key, key, sizeof key) == 0) return f;
    std::memcpy(f.key, key, sizeof key);
    f.els = els;
    f.valid = 1;
    for (int el = 0; el < els; ++el) {
        float r = get_wing_rarm(p, el);
        f.X[el] = get_wing_Xarm(p, r);
        f.Y[el] = get_wing_Yarm(p, r);
        f.Z[el] = get_wing_Zarm(p, r);
    }
    float len = pln.semilen[p];
    f.tipX = get_wing_Xarm(p, len);
    f.tipY = get_wing_Yarm(p, len);
    f.tipZ = get_wing_Zarm(p, len);
    f.sin_dihed = std::sin(pln.dihed[p] * con.degtorad);
    f.cos_dihed = std::cos(pln.dihed[p] * con.degtorad);
    return f;
}
