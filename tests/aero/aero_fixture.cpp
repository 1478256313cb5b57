#include "world/world_services.h"
#include "tests/support/flat_window.h"
#include "shell/startup.h"
#include "aero_fixture.h"

#include "records/cockpit_state.h"
#include "flight/INITPLN.h"
#include "flight/element_coefficients.h"
#include "records/flight_state.h"
#include "platform/window.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {
void catch_alert(const char*, const char* text)
{
    fprintf(stderr, "ALERT[%s]\n", text);
}

float table_angle(int k)
{
    return k <= 200 ? k * 0.1f : k - 200 + 20.0f;
}

void element_areas(int p)
{
    for (int e = 0; e < pln.els[p]; ++e) {
        float c1 = interp(0, pln.Croot[p], pln.els[p], pln.Ctip[p], e);
        float c2 = interp(0, pln.Croot[p], pln.els[p], pln.Ctip[p], e + 1);
        pln.s[p][e] = (c1 + c2) * pln.semilen[p] * 0.5f / pln.els[p];
        pln.mac[p][e] = (c1 + c2 - c1 * c2 / (c1 + c2)) * 2 / 3;
    }
}

void surface(int p, float X, float Y, float Z, float semilen, float chord, float dihed, int els)
{
    pln.Xarm[p] = X;
    pln.Yarm[p] = Y;
    pln.Zarm[p] = Z;
    pln.semilen[p] = semilen;
    pln.Croot[p] = pln.Ctip[p] = chord;
    pln.dihed[p] = dihed;
    pln.els[p] = els;
    element_areas(p);
    pln.AR[p] = 2 * semilen / chord;
    pln.e[p] = 0.8f;
    pln.al_D_al0[p] = pln.cl_D_cl0[p] = pln.cm_D_cm0[p] = 1;
    pln.alpha_max[p] = 15;
    synthetic_foil(p);
}
} // namespace

float synthetic_cl(float a)
{
    if (a <= 15) return 0.1f * a;
    if (a <= 20) return 1.5f - 0.12f * (a - 15);
    return interp(20, 0.9f, 90, 0, a);
}

float synthetic_cd(float a)
{
    float s = std::sin(a * 0.017453292f);
    return 0.008f + 1.2f * s * s;
}

void synthetic_foil(int part, float clB)
{
    for (int RT = 0; RT < 2; ++RT) {
        afl.trat[part][RT] = 0.12f;
        afl.Re[part][RT][0] = 0;
        afl.Re[part][RT][1] = 99.9f;
        for (int Re = 0; Re < 2; ++Re) {
            afl.clM[part][RT][Re] = 0.1f;
            afl.clB[part][RT][Re] = clB;
            afl.al_zl[part][RT][Re] = -clB / 0.1f;
            for (int k = 0; k <= 170; ++k) {
                float cl = synthetic_cl(table_angle(k + 100));
                afl.clpos[part][RT][Re][k] = cl + clB;
                afl.clneg[part][RT][Re][k] = -cl + clB;
            }
            for (int k = 0; k <= 270; ++k)
                afl.cdpos[part][RT][Re][k] = afl.cdneg[part][RT][Re][k] = synthetic_cd(table_angle(k));
            afl.cmal2[part][RT][Re] = -10;
            afl.cmal3[part][RT][Re] = 10;
            afl.cm1[part][RT][Re] = afl.cm2[part][RT][Re] = afl.cm3[part][RT][Re] = afl.cm4[part][RT][Re] = 0;
        }
    }
    for (auto* name : {pln.Rafl0[part], pln.Rafl1[part], pln.Tafl0[part], pln.Tafl1[part]})
        copy_bounded(name, "fixture.afl", 400);
    note_shared_foils();   // as the loader does
    pln.slat_effect[part] = 1;
}

// A flat 3 x 2-degree window at sea level with its south-west corner at
// 34 N, 118 W, so that every height query finds ground.
static void flat_world()
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    flat_window(0);
    env.i_aircraft = 89;
    env.j_aircraft = 79;
}

void clear_aero_world()
{
    fill_constants();
    fill_trig_tables();
    ogl_ready = 0;
    gdone = 0;
    plat_set_message_box_handler(catch_alert);
    clear_global_state();
    memset(&pln, 0, sizeof pln);
    memset(&afl, 0, sizeof afl);
    memset(on_water, 0, sizeof on_water);
    memset(carr_on_poly, 0, sizeof carr_on_poly);
    memset(frig_on_poly, 0, sizeof frig_on_poly);
    memset(oilr_on_poly, 0, sizeof oilr_on_poly);
    atm.rho = con.rhoSL;
    atm.crtsig = 1;
    atm.a = 340.3f;
    atm.g = 9.80665f;
    atm.baro = 29.92f;
    msc.prd = 0.02f;
    // Out of ground effect.
    for (int p = 0; p < 28; ++p) flt.CDIgrndeffect[p] = flt.CL_grndeffect[p] = 1;
    rel.symflp = rel.trotor = 1;
    rel.oil_rat = 1;
    for (int e = 0; e < 4; ++e) rel.oilpmp[e] = rel.thrgov[e] = 1;
    flat_world();
    flt.X = env.dx / 2;
    flt.Z = -env.dz / 2;
    flt.Y = 1000;
    set_air(0, 0, 0);
}

void fixture_glider(float dihedral)
{
    surface(4, -0.3f, 0, 0, 5, 1.5f, dihedral, 4);
    surface(5, 0.3f, 0, 0, 5, 1.5f, dihedral, 4);
    surface(10, -0.2f, 0.3f, 5, 1.5f, 0.8f, 0, 2);
    surface(11, 0.2f, 0.3f, 5, 1.5f, 0.8f, 0, 2);
    surface(12, 0, 0.3f, 5, 1.2f, 0.9f, 90, 2);
    pln.fuse_cd = 0.1f;
    pln.fuse_s_frn = 0.8f;
    pln.fuse_s_sid = pln.fuse_s_top = 4;
    pln.fuseZcent = 0.5f;
    pln.m_empty = 600;
    pln.Jxx_unitmass = 2.5f;
    pln.Jyy_unitmass = 3;
    pln.Jzz_unitmass = 2;
    pln.Vne = 160;
    flt.m_total = 600;
}

void fixture_propeller()
{
    pln.numen = 1;
    pln.entype = 1;
    pln.pmax = 100000;
    pln.omegamin = 60;
    pln.omegamax = 250;
    pln.omegamingreen = 200;
    pln.mpmax = 29;
    pln.propdir[0] = 1;
    pln.numblades[0] = 2;
    pln.Zarm[0] = -2;
    pln.semilen[0] = 1;
    pln.Croot[0] = pln.Ctip[0] = 0.15f;
    pln.els[0] = 5;
    element_areas(0);
    pln.AR[0] = 2 / 0.15f;
    pln.e[0] = 0.8f;
    pln.al_D_al0[0] = pln.cl_D_cl0[0] = pln.cm_D_cm0[0] = 1;
    pln.alpha_max[0] = 15;
    synthetic_foil(0);
    float R = pln.semilen[0], c = pln.Croot[0];
    for (int e = 0; e < pln.els[0]; ++e) {
        float r = get_wing_rarm(0, e);
        pln.anginc[0][e] = std::atan(30 / (250 * r)) * con.radtodeg + 4;
        pln.ringarea[0][e] = con.pi * (sqr((e + 1) * R / pln.els[0]) - sqr(e * R / pln.els[0]));
    }
    pln.discarea[0] = con.pi * R * R;
    pln.miprop[0] = pln.numblades[0] * 300 * 0.5f * R * c * 0.12f * c * sqr(0.7071f * R) * 1.5f;
    flt.eng_running[0] = 1;
    flt.mixt_powr_rat[0] = 1;
    flt.thro[0] = 1;
}

void set_air(float av, float alpha, float beta)
{
    flt.av = av;
    flt.Alpha = alpha;
    flt.Beta = beta;
    flt.sinalph = std::sin(alpha * con.degtorad);
    flt.cosalph = std::cos(alpha * con.degtorad);
    flt.sinbeta = std::sin(beta * con.degtorad);
    flt.cosbeta = std::cos(beta * con.degtorad);
    flt.vaxial = av * flt.cosalph * flt.cosbeta;
    flt.Qstatic = 0.5f * atm.rho * av * av;
    flt.machno = atm.a > 0 ? av / atm.a : 0;
    flt.the = alpha;
    flt.sinthe = flt.sinalph;
    flt.costhe = flt.cosalph;
    flt.cosphi = flt.cospsi = flt.cosphi_path = flt.cosavpath = flt.cosahpath = 1;
    flt.sinphi = flt.sinpsi = flt.sinphi_path = flt.sinavpath = flt.sinahpath = 0;
}

void set_rates(float P, float Q, float R)
{
    flt.P = P;
    flt.Q = Q;
    flt.R = R;
    flt.Prad = P * con.degtorad;
    flt.Qrad = Q * con.degtorad;
    flt.Rrad = R * con.degtorad;
}

void load_trainer()
{
    // The load log is not read; each test process writes its own.
    static std::string log =
        (std::filesystem::temp_directory_path() / ("korvan_aero_trainer_" + std::to_string(getpid()) + ".out")).string();
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    trk.close();
    trk.clear();
    trk.open(log, std::ios::out | std::ios::trunc);
    trk.setf(std::ios::fixed, std::ios::floatfield);
    copy_bounded(pln.C_file, "Trainer.acf", 400);
    copy_bounded(pln.C_path, PROGRAM_DIR "/Aircraft/Trainer.acf", 400);
    load_plane();
    trk.close();
    trk.clear();
    std::filesystem::remove(log);
}

void AeroTest::SetUp()
{
    clear_aero_world();
}
