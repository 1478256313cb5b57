// Every lever clicked where the panel draws it gives back the value it was
// drawn for: the clicks invert the frame driver's drawing.
#include "panel_support.h"

#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <functional>

namespace {

// A lever's request as the panel sees it, whatever its type.
struct field {
    std::function<void(float)> set;
    std::function<float()> get;
};

field of(float& f)
{
    return {[&f](float v) { f = v; }, [&f] { return f; }};
}

field of(int& i)
{
    return {[&i](float v) { i = (int)v; }, [&i] { return (float)i; }};
}

} // namespace

TEST_F(Panel, LeversClickedWhereDrawnGiveTheirValue)
{
    struct {
        const char* lever;
        std::function<void()> fit;
        int cell;
        std::function<float()> drawn_x;
        field value;
        std::function<float()> lo, hi;
        float grab;   // what the click takes off the mouse's y
        int steps;    // values lo + (hi - lo) * k / 4, k = 0 .. steps
        float tolerance;
    } levers[] = {
        {"flaps", [] { pln.flapEQ = 1; }, 12, [] { return oseng + 650; }, of(flt.flaprqst), [] { return 0.0f; },
         [] { return 1.0f; }, 4, 4, 1e-5f},
        {"speed brake", [] { pln.sbrkEQ = pln.autosbrkEQ = 1; }, 13, [] { return oseng + 698; }, of(flt.sbrk),
         [] { return -1.0f; }, [] { return 3.0f; }, 2.5f, 4, 0},
        {"sweep", [] { pln.varsweepEQ[4] = 1; }, 15, [] { return oseng + 737; }, of(flt.sweerqst),
         [] { return 0.0f; }, [] { return 1.0f; }, 4.5f, 4, 1e-5f},
        {"thrust vector", [] { pln.vectEQ = 1; }, 15, [] { return oseng + 745; }, of(flt.vectrqst),
         [] { return 0.0f; }, [] { return 120.0f; }, 4.5f, 4, 0},
        {"throttle", [] {}, 8, [] { return oseng + thro_x[0]; }, of(flt.throrqst[0]), [] { return 0.0f; },
         [] { return 1.0f; }, 7, 4, 1e-5f},
        // The reverser's idle detent at 0.24 of the slot is drawn at 0.25, so
        // forward values come back within 1.4 per cent.
        {"throttle with reverser", [] { Panel::jet(); }, 8, [] { return oseng + thro_x[0]; },
         of(flt.throrqst[0]), [] { return 0.0f; }, [] { return 1.0f; }, 7, 4, 0.014f},
        {"collective",
         [] {
             pln.collectEQ = 1;
             pln.is_heli = 1;
         },
         8, [] { return oseng + thro_x[0]; }, of(flt.proppitch[0]), [] { return pln.minpitch[0]; },
         [] { return pln.maxpitch[0]; }, 7, 4, 1e-4f},
        {"propeller", [] { pln.varpitchEQ = 1; }, 9, [] { return oseng + prop_x[0]; }, of(flt.prop[0]),
         [] { return pln.omegamingreen; }, [] { return pln.omegamax; }, 6.5f, 4, 1e-3f},
        {"mixture", [] {}, 10, [] { return oseng + mixt_x[0]; }, of(flt.mixt[0]), [] { return 0.0f; },
         [] { return 1.0f; }, 6.5f, 4, 1e-5f},
        // Full heat is grabbed below the quadrant's edge; the rest comes back.
        {"carburettor heat", [] { pln.entype = 1; }, 14, [] { return oseng + 786; }, of(flt.heat),
         [] { return 0.0f; }, [] { return 1.0f; }, -6.5f, 3, 1e-5f},
    };
    for (auto& l : levers) {
        Panel::SetUp();
        l.fit();
        float lo = l.lo(), hi = l.hi();
        for (int k = 0; k <= l.steps; ++k) {
            float v = lo + (hi - lo) * k / 4;
            if (l.cell == 13) v = std::round(v) > 2 ? 2 : std::round(v);   // speed brake -1, 0, 1, 2
            l.value.set(v);
            handle_quad q[MAX_HANDLES];
            int n = collect_handles(q), found = -1;
            for (int h = 0; h < n; ++h)
                if (q[h].cell == l.cell && q[h].x == l.drawn_x()) found = h;
            ASSERT_GE(found, 0) << l.lever;
            l.value.set(-99);
            click(q[found].x + q[found].dx / 2, q[found].y + l.grab, HELD);
            EXPECT_NEAR(l.value.get(), v, l.tolerance + 1e-6f * std::fabs(hi)) << l.lever << " at " << v;
        }
    }
}
