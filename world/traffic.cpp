#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cmath>

void make_a_plane(int t, int initial)
{
    if (t < 0 || t > 9) return;
    int b = intrand(0, 359);
    float dist = initial ? fltrand(0, 60000) : 60000.0f;
    float* p = traf_xyzvh[t];
    p[0] = fltlim((float)(flt.X + lookup_sin[b] * dist), env.lox, env.hix);
    p[2] = fltlim((float)(flt.Z - lookup_cos[b] * dist), env.loz, env.hiz);
    p[1] = fltrand(0, 20000) * con.fttomtrs;
    p[3] = 1.7f * msc.est_Vs;
    p[4] = (float)intwrap(b + 180 + intrand(-45, 45), 0, 359);
}
