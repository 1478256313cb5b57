// A quicker atan2 for the force build-up, which takes one for every element
// and blade position twice a frame.
#pragma once

#include <cmath>

// The angle of (x, y) in radians, as std::atan2 gives it in single
// precision (within a part in a billion before the rounding to float): one
// division and a short polynomial in double precision instead of the
// library's call. Zeros, infinities and NaN go the library's way.
inline float atan2_fast(float y, float x)
{
    double ax = std::fabs((double)x), ay = std::fabs((double)y);
    if (!(ax > 0 && ay > 0 && ax < HUGE_VAL && ay < HUGE_VAL)) return std::atan2(y, x);
    const double PI = 3.14159265358979323846, TAN_PI_8 = 0.41421356237309503;
    double a = ax < ay ? ax : ay, b = ax < ay ? ay : ax;
    // atan(a/b) in 0..pi/4, from an argument within +-tan(pi/8).
    double r, base;
    if (a <= TAN_PI_8 * b) {
        r = a / b;
        base = 0;
    } else {
        r = (a - b) / (a + b);
        base = PI / 4;
    }
    double u = r * r, u2 = u * u;
    double p = (0.9999999997179554 - 0.33333312756751077 * u) + u2 * (0.19998406786707915 - 0.14242790692678434 * u) +
               u2 * u2 * (0.10589954252518413 - 0.06070752696065518 * u);
    double t = base + r * p;
    if (ay > ax) t = PI / 2 - t;
    if (x < 0) t = PI - t;
    return (float)(y < 0 ? -t : t);
}
