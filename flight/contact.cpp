// Stand-in until ground and water contact land: the gear is one spring and
// damper under the centre of gravity that holds the aircraft at its resting
// height over any surface, with rolling drag that slowly brings it to rest.
#include "contact.h"

#include "flight_records.h"
#include "toolkit/plane_record.h"
#include "world/world_records.h"

#include <cmath>

void contact_phase()
{
    const float sag = 0.1f;        // m, the spring's deflection under the weight
    const float roll_time = 4.0f;  // s, time constant of the rolling drag
    float m = flt.m_total, g = atm.g;
    float squeeze = (float)(env.localh_cg + pln.h_eqlbm + sag - flt.Y);
    if (squeeze <= 0 || m <= 0 || g <= 0) return;

    float k = m * g / sag;
    float c = 1.4f * std::sqrt(k * m);
    float up = k * squeeze - c * (float)flt.vY;
    if (up > 0) flt.fnrmlgear += up;
    float forward = (float)(flt.vX * flt.sinpsi - flt.vZ * flt.cospsi);
    float right = (float)(flt.vX * flt.cospsi + flt.vZ * flt.sinpsi);
    flt.faxilgear -= m * forward / roll_time;
    flt.fsidegear -= m * right / roll_time;
    flt.onground = 1;
}
