// The airfoil record: the coefficient tables of every lifting part, read from
// the airfoil files at aircraft load. The airfoil editor keeps the one
// airfoil or flap it edits in the same record (the first element of the
// per-part arrays, and the curve constants below).
#pragma once

// Index order of the per-part arrays: part (28), station (0 root, 1 tip),
// Reynolds slot (0 low, 1 high).
struct airfoilstruct {
    // Flap curve constants: coefficients of x, x^2 and x^3 (editor only).
    float FLPlco1, FLPlco2, FLPlco3;
    float FLPdco1, FLPdco2, FLPdco3;
    float FLPmco1, FLPmco2, FLPmco3;

    // Airfoil curve constants (editor only).
    float Lpow, Lstall, Ldrop1, Ldrop2, Lpowstl, almin, almax;
    float DminCL, Dmin, Dal10, Dpow;
    float Bwidth, Bdepth, Bpower, Bloc;

    // Values derived from the constants before every sweep (editor only).
    float Llintostall, linlolift, linhilift, LstallnegPLdrop1, LstallposMLdrop1;
    float alDmin, tenMalDmin, delD;
    float Blocalpha, Bwidth1, Bwidth2, Bpwr1, Bpwr2, Bdepth1, Bdepth2;
    float almintoend, almintolin, almaxtoend, almaxtolin;

    float trat[28][2];          // thickness ratio; the later of the two slot reads wins
    float Re[28][2][2];         // Reynolds number of the table, millions
    float al_zl[28][2][2];      // zero-lift angle, degrees

    // Lift for |alpha| 10 to 20 by 0.1 (k 0..100), then 21 to 90 by 1 (k 101..170).
    float clpos[28][2][2][171];
    float clneg[28][2][2][171];
    // Drag for |alpha| 0 to 20 by 0.1 (k 0..200), then 21 to 90 by 1 (k 201..270).
    float cdpos[28][2][2][271];
    float cdneg[28][2][2][271];

    // Straight lift line between -10 and 10 degrees: cl = clB + clM * alpha.
    float clM[28][2][2], clB[28][2][2];
    // Moment curve through (-90, 0.32), (-20, cm1), (cmal2, cm2), (cmal3, cm3),
    // (20, cm4), (90, -0.32).
    float cmal2[28][2][2], cmal3[28][2][2];
    float cm1[28][2][2], cm2[28][2][2], cm3[28][2][2], cm4[28][2][2];
};

extern airfoilstruct afl;
