// The cockpit read-out of the data channels as it lands on the canvas.
#include "drawing_support.h"

#include "flight/data_channels.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/plane_record.h"

#include <string>
#include <vector>

namespace {
struct placed {
    char c;
    float x;
};

// The canvas rows of the first slot's values (y 522 to 528), where neither
// the names above nor the units below reach.
std::vector<unsigned char> value_band()
{
    std::vector<unsigned char> band;
    for (int y = 522; y <= 528; ++y)
        for (int x = 0; x < 160; ++x) {
            auto p = pixel(x, y);
            band.insert(band.end(), p.begin(), p.end());
        }
    return band;
}
} // namespace

TEST(Readout, ValuesPastTheirDecimalsShowAsNumbers)
{
    reset_toolkit();
    to_array = 1;
    const struct {
        int channel;
        void (*setup)();
        std::vector<placed> want;   // in the first slot's row, y 522
    } cases[] = {
        // Full throttle is 1.005: three digits keep two decimals, "1.00".
        {8, [] { flt.thro[0] = 1; }, {{'1', 10}, {'0', 16}, {'0', 22}, {'.', 13}}},
        {8, [] { flt.thro[0] = 0.5f; }, {{'5', 10}, {'0', 16}, {'5', 22}, {'.', 7}}},
        // A lift-to-drag ratio of 150 in four digits with two decimals: "150.0".
        {40, [] { flt.fnrmlaero = 1500; flt.faxilaero = -10; }, {{'1', 10}, {'5', 16}, {'0', 22}, {'0', 28}, {'.', 25}}},
    };
    for (const auto& c : cases) {
        memset(&flt, 0, sizeof flt);
        memset(&set, 0, sizeof set);
        pln.numen = 1;
        pln.is_heli = 0;
        c.setup();
        clear_canvas();
        OGL_setcolor(47);
        for (const auto& p : c.want) OGL_char(p.x, 522, p.c);
        auto expected = value_band();

        clear_canvas();
        set.rltout = 1;
        for (int k = 0; k < 10; ++k) set.rltsel[k] = -1;
        set.rltsel[0] = c.channel;
        draw_readout();
        EXPECT_EQ(value_band(), expected) << "channel " << c.channel;
    }
    to_array = 0;
}
