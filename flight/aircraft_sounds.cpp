// The aircraft's engine, wind and rain sounds over the toolkit's sound slots.
#include "aircraft_sounds.h"

#include "records/flight_state.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// Engine speed that plays at the file's own pitch, in the units of flt.tac
// (flt.n1_ in per cent for jets).
float reference_engine_speed()
{
    if (pln.is_heli) return (pln.entype == 3 ? 400.0f : 500.0f) * con.rpmtorsc;
    if (pln.entype == 4 || pln.entype == 5) return 100.0f;
    if (pln.entype == 3) return (pln.vectEQ ? 500.0f : 1900.0f) * con.rpmtorsc;
    return (pln.pmax < 10.0f * con.hptowatt ? 7000.0f : 2500.0f) * con.rpmtorsc;
}
} // namespace

void maintain_windrain_sound()
{
    // An aircraft without a never-exceed speed hears the wind as at rest.
    float r = pln.Vne > 0 ? flt.vind / pln.Vne : 0.0f;
    set_frq_vol(r, r * r, 0, 1, 1);
    float q = (0.5f + 1.5f * r) * atm.prec_rat;
    set_frq_vol(q, q, 0, 1, 2);
}

void maintain_engine_sound()
{
    int engines = pln.is_heli ? 1 : pln.numen;
    if (engines < 1) return;
    if (engines > 4) engines = 4;
    int jet = pln.entype == 4 || pln.entype == 5;
    float omega_max = reference_engine_speed();
    float t = 0, w = 0;
    for (int e = 0; e < engines; ++e) {
        t += flt.thro[e] * flt.mixt_powr_rat[e];
        w += jet ? flt.n1_[e] : flt.tac[e] * pln.gearrat;
    }
    t /= engines;
    w = w / engines / omega_max;

    if (pln.is_heli) {
        if (pln.entype >= 1 && pln.entype <= 3) set_frq_vol(w, 0.1f * t + 0.9f * w, 0.5f, 1, 0);
        return;
    }
    if (pln.entype == 1 || pln.entype == 2) set_frq_vol(w, 0.5f * t + 0.5f * w, 0.5f, 1, 0);
    else if (pln.entype == 3) set_frq_vol(w, 0.5f * t + 0.5f * w, 0.8f, 1, 0);
    else if (jet) set_frq_vol(std::sqrt(w > 0 ? w : 0), 0.5f * t + 0.5f * w, 0.9f, 1, 0);
}

void play_engine_and_windrain()
{
    if (pln.numen >= 1) play_buffer(0, 1);
    play_buffer(1, 1);
    if (scn.abovetops == 0 && atm.temp_SL > 32 && atm.rain_tstm > 1) play_buffer(2, 1);
}

void stop_engine_and_windrain()
{
    stop_buffer(0);
    stop_buffer(1);
    stop_buffer(2);
}
