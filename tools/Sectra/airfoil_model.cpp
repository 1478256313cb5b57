// Closed-form airfoil and flap coefficient curves.
#include "airfoil_model.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"

#include <cmath>

namespace sectra {

miscstruct msc;
float cl[541], cd[541], cm[541];
float cls, cds, cms;

namespace {
float power(float base, float exponent)
{
    return (float)std::pow((double)base, (double)exponent);
}

void derive_airfoil()
{
    afl.linlolift = afl.clB[0][0][0] - 10 * afl.clM[0][0][0];
    afl.linhilift = afl.clB[0][0][0] + 10 * afl.clM[0][0][0];
    afl.almintoend = afl.almin + 20;
    afl.almintolin = afl.almin + 10;
    afl.almaxtoend = afl.almax - 20;
    afl.almaxtolin = afl.almax - 10;
    afl.Llintostall = afl.Lstall - afl.linhilift;
    afl.LstallnegPLdrop1 = 2 * afl.clB[0][0][0] - afl.Lstall + afl.Ldrop1;
    afl.LstallposMLdrop1 = afl.Lstall - afl.Ldrop1;
    afl.alDmin = (afl.DminCL - afl.clB[0][0][0]) / afl.clM[0][0][0];
    afl.tenMalDmin = 10 - afl.alDmin;
    afl.delD = afl.Dal10 - afl.Dmin;
    afl.Blocalpha = (afl.Bloc - afl.clB[0][0][0]) / afl.clM[0][0][0];
    afl.Bwidth1 = afl.Bwidth / 2 / afl.clM[0][0][0];
    afl.Bwidth2 = afl.Bwidth / afl.clM[0][0][0];
    afl.Bpwr1 = afl.Bpower;
    afl.Bpwr2 = 1 / afl.Bpower;
    afl.Bdepth1 = 0.5f * afl.Bdepth;
    afl.Bdepth2 = afl.Bdepth;
}
} // namespace

float step_angle(int k)
{
    int c = k - 270;
    if (c < -200) return (float)(c + 180);
    if (c > 200) return (float)(c - 180);
    return (float)c / 10.0f;
}

float fcolift(float al)
{
    if (fltrange(al, -20, -10)) {
        if (al < afl.almin)
            return afl.LstallnegPLdrop1 + afl.Ldrop2 * power((afl.almin - al) / afl.almintoend, afl.Lpowstl);
        return afl.linlolift + afl.Llintostall * (power((afl.almin - al) / afl.almintolin, afl.Lpow) - 1);
    }
    if (fltrange(al, 10, 20)) {
        if (al < afl.almax)
            return afl.linhilift - afl.Llintostall * (power((afl.almax - al) / afl.almaxtolin, afl.Lpow) - 1);
        // With the stall at 20 degrees the post-stall run has no length: no
        // further loss yet (0/0 otherwise).
        float run = afl.almaxtoend != 0 ? (afl.almax - al) / afl.almaxtoend : 0;
        return afl.LstallposMLdrop1 - afl.Ldrop2 * power(run, afl.Lpowstl);
    }
    if (fltrange(al, -10, 10)) return afl.clB[0][0][0] + afl.clM[0][0][0] * al;
    float end = al < 0 ? -20.0f : 20.0f;
    return interp(20, fcolift(end), 90, 0, std::fabs(al));
}

float fcodrag(float al)
{
    if (fltrange(al, -20, 20)) {
        float cdv = afl.Dmin + afl.delD * power(std::fabs((al - afl.alDmin) / afl.tenMalDmin), afl.Dpow);
        if (afl.Bwidth > 0 && afl.Bdepth > 0 && afl.Bpower > 0) {
            float dist = std::fabs(al - afl.Blocalpha);
            if (fltrange(dist, afl.Bwidth1, afl.Bwidth2))
                cdv -= afl.Bdepth1 * power((dist - afl.Bwidth2) / (afl.Bwidth1 - afl.Bwidth2), afl.Bpwr1);
            if (dist < afl.Bwidth1)
                cdv -= afl.Bdepth1 + afl.Bdepth2 * power((afl.Bwidth1 - dist) / afl.Bwidth1, afl.Bpwr2);
        }
        return cdv;
    }
    float end = al < 0 ? -20.0f : 20.0f;
    return interp(20, fcodrag(end), 90, 1.28f, std::fabs(al));
}

float fcomomt(float al)
{
    const float cmal2 = afl.cmal2[0][0][0], cmal3 = afl.cmal3[0][0][0];
    const float cm1 = afl.cm1[0][0][0], cm2 = afl.cm2[0][0][0], cm3 = afl.cm3[0][0][0], cm4 = afl.cm4[0][0][0];
    if (al <= -20) return interp(-90, 0.32f, -20, cm1, al);
    if (fltrange(al, -20, cmal2)) return interp(-20, cm1, cmal2, cm2, al);
    if (fltrange(al, cmal2, cmal3)) return interp(cmal2, cm2, cmal3, cm3, al);
    if (fltrange(al, cmal3, 20)) return interp(cmal3, cm3, 20, cm4, al);
    return interp(20, cm4, 90, -0.32f, al);
}

void generate()
{
    if (msc.device == DEVICE_FLAP) {
        for (int c = 0; c <= 400; ++c) {
            float x = (float)c / 400.0f;
            float x2 = x * x, x3 = x2 * x;
            cl[c] = afl.FLPlco1 * x + afl.FLPlco2 * x2 + afl.FLPlco3 * x3;
            cd[c] = afl.FLPdco1 * x + afl.FLPdco2 * x2 + afl.FLPdco3 * x3;
            cm[c] = afl.FLPmco1 * x + afl.FLPmco2 * x2 + afl.FLPmco3 * x3;
        }
        cls = 0.5f;
        cds = 5;
        cms = 1;
        return;
    }
    derive_airfoil();
    for (int k = 0; k <= 540; ++k) {
        float al = step_angle(k);
        cl[k] = fcolift(al);
        cd[k] = fcodrag(al);
        cm[k] = fcomomt(al);
    }
    cls = 0.5f;
    cds = 50;
    cms = 1;
}

void reset_to_default(int type)
{
    afl.trat[0][0] = 0.1f;
    afl.Re[0][0][0] = 4.5f;
    afl.clB[0][0][0] = 0.25f;
    afl.clM[0][0][0] = 0.102f;
    afl.Lpow = 1.4f;
    afl.Lstall = 1.6f;
    afl.Ldrop1 = 0.1f;
    afl.Ldrop2 = 0.8f;
    afl.Lpowstl = 1.4f;
    afl.almin = -15;
    afl.almax = 15;
    afl.DminCL = 0.2f;
    afl.Dmin = 0.0065f;
    afl.Dal10 = 0.0114f;
    afl.Dpow = 2.3f;
    afl.Bwidth = 0;
    afl.Bdepth = 0;
    afl.Bpower = 2;
    afl.Bloc = 0;
    afl.cmal2[0][0][0] = -10;
    afl.cmal3[0][0][0] = 16;
    afl.cm1[0][0][0] = 0.05f;
    afl.cm2[0][0][0] = -0.05f;
    afl.cm3[0][0][0] = -0.025f;
    afl.cm4[0][0][0] = -0.075f;
    afl.FLPlco1 = 2;
    afl.FLPlco2 = 0;
    afl.FLPlco3 = -0.6f;
    afl.FLPdco1 = 0.04f;
    afl.FLPdco2 = 0.04f;
    afl.FLPdco3 = 0;
    afl.FLPmco1 = -0.6f;
    afl.FLPmco2 = -0.1f;
    afl.FLPmco3 = -0.1f;

    msc.device = type;
    msc.view = VIEW_ALPHA;
    msc.haveaname = 0;
    msc.devicemod = 0;
    C_to_C(type == DEVICE_FLAP ? "Untitled.flp" : "Untitled.afl", msc.C_file);
    generate();
}

} // namespace sectra
