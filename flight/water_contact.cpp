#include "water_contact.h"

#include "contact.h"
#include "records/flight_state.h"
#include "force_accumulators.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
const double TWO_PI = 6.283185307179586;

void water_trace_header()
{
    std::streamsize old = trk.precision(3);
    trk << "\n";
    contact_banner("");
    contact_banner("FLOATS/FUEL TANKS FOR WATER CONTACT");
    contact_banner("");
    trk << "v   =" << flt.v << ".\n";
    trk << "h   =" << flt.Y << ".\n";
    trk << "vu  =" << flt.vY << ".\n";
    trk << "the =" << flt.the << ".\n";
    trk << "Qrad=" << flt.Qrad << ".\n";
    trk << "Prad=" << flt.Prad << ".\n";
    trk << "Rrad=" << flt.Rrad << ".\n";
    trk.precision(old);
}

void water_trace_part(int en)
{
    const char* title = en == 18 ? "FUSE WATER-CONTACT" : en == 23 ? "LEFT FLOAT WATER CONTACT"
                                                      : en == 24 ? "RIGHT FLOAT WATER CONTACT" : nullptr;
    if (!title) return;
    contact_banner("");
    contact_banner(title);
    contact_banner("");
}
} // namespace

float water_height(float x, float z)
{
    float h = env.localh_cg;
    if (!(atm.wave_length > 0)) return h;
    int dir = atm.wave_dir % 360;
    if (dir < 0) dir += 360;
    double sd = lookup_sin[dir], cd = lookup_cos[dir];
    double d = (double)atm.wave_speed * msc.elap_time;
    double north = -(double)z, east = x;
    double phase = ((north - d * cd) * cd - (east + d * sd) * sd) / atm.wave_length;
    return (float)(h + 0.5 * atm.wave_amp * std::sin(TWO_PI * phase));
}

int handle_float_point(int en, int s, int r, float x, float y, float z, float water_h)
{
    float depth = (float)(water_h - flt.Y) - y * flt.costhe * flt.cosphi + z * flt.sinthe + x * flt.sinphi;
    float vv = (float)flt.vY - z * flt.Qrad - x * flt.Prad;
    float va = flt.vaxial - x * flt.Rrad;
    float vs = -z * flt.Rrad;
    if (depth < 0) return 0;

    int s_dim = f_body_s_dim(en), r_dim = f_body_r_dim(en);
    int h = r_dim / 2;
    // The water rudder: the keel line aft of the centre of gravity.
    if (r == h && z > 0) vs += std::sin(10 * set.FC_hdng * con.degtorad) * flt.v;

    // The patch of hull this point stands for; end stations are their own
    // missing neighbour, so their patches are half as long.
    int sp = intmin2(s + 1, s_dim - 1), sm = intmax2(s - 1, 0);
    int rp = intmin2(r + 1, r_dim - 1), rm = intmax2(r - 1, 0);
    float dX = 0.5f * (pln.body_X[en][s][rm] - pln.body_X[en][s][rp]);
    float dY = 0.5f * (pln.body_Y[en][sp][r] - pln.body_Y[en][sm][r]);
    float dZ = 0.5f * (pln.body_Z[en][sp][r] - pln.body_Z[en][sm][r]);
    float dXf = dX;
    float dYf = dY * flt.costhe - dZ * flt.sinthe;
    float dZf = dZ * flt.costhe + dY * flt.sinthe;

    float wet_area = std::fabs(dZ * dX);
    float cap_area = std::fabs(dXf * dYf);
    float sid_area = std::fabs(dZf * dYf);
    float displacement = depth * wet_area;

    // A patch with no length along the body has no slope to plane on.
    float rise = dZf != 0 ? dYf / dZf : 0.0f;
    float slope = rise > 1 ? 0.0f : rise;

    float rho = con.rho_h20;
    float Q = rho * va * std::fabs(va);
    float Qside = rho * vs * std::fabs(vs);

    float nrmlforce_B = displacement * rho * con.g;
    float nrmlforce_D = -vv * std::fabs(vv) * wet_area * rho;
    float nrmlforce_M = -va * std::fabs(va) * slope * cap_area * rho;
    float axilforce_P = fltlim(rise, -0.05f, 0.05f) * nrmlforce_M;
    float axilforce_F = -0.00165f * Q * wet_area;
    float sideforce = -1.2f * Qside * sid_area;

    addFngear(nrmlforce_B, x, z);
    addFngear(nrmlforce_D, x, z);
    addFngear(nrmlforce_M, x, z);
    addFagear(axilforce_P, x, y);
    addFagear(axilforce_F, x, y);
    addFsgear(sideforce, y, z);

    if (set.cycout) {
        std::streamsize old = trk.precision(3);
        trk << "[" << en << "][" << s << "][" << r << "],  z =" << z << "  x =" << x << "  y =" << y << ".\n";
        trk << "dZf=" << dZf << " dXf=" << dXf << " dYf=" << dYf << ".\n";
        trk << "dZ =" << dZ << " dX =" << dX << " dY =" << dY << ".\n";
        trk << "depth=" << depth << ", vert_vel=" << vv << ".\n";
        trk << "axial_v=" << va << ", wet_area=" << wet_area << " cap_area=" << cap_area << " sid_area=" << sid_area
            << ".\n";
        trk << "displacement=" << displacement << ", Q=" << Q << ".\n";
        trk << "nrmlforce_B=" << nrmlforce_B << ".\n";
        trk << "nrmlforce_D=" << nrmlforce_D << ".\n";
        trk << "nrmlforce_M=" << nrmlforce_M << ".\n";
        trk << "axilforce_P=" << axilforce_P << ".\n";
        trk << "axilforce_F=" << axilforce_F << ".\n";
        trk << "sideforce  =" << sideforce << ".\n";
        trk.precision(old);
    }
    flt.onground = 1;
    return 1;
}

int water_contact()
{
    if (set.cycout) water_trace_header();
    int any = 0;
    for (int p = 18; p <= 24; ++p) {
        if (!have_this_part(p)) continue;
        if (set.cycout) water_trace_part(p);
        float xo = 0, yo = 0, zo = 0;
        get_body_os(p, &xo, &yo, &zo);
        int h = f_body_r_dim(p) / 2;
        for (int s = 0; s < f_body_s_dim(p); ++s) {
            for (int r = h - 1; r <= h + 1; ++r) {
                float x = pln.body_X[p][s][r] + xo;
                float y = pln.body_Y[p][s][r] + yo;
                float z = pln.body_Z[p][s][r] + zo;
                // The wave is sampled where the point really is.
                float gx, gz;
                contact_world_xz(x, z, &gx, &gz);
                if (handle_float_point(p, s, r, x, y, z, water_height(gx, gz))) any = 1;
            }
        }
    }
    return any;
}
