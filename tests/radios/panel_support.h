// The panel's click tests: the bundled trainer laid out, clicks as the frame
// delivers them, and the sounds they start.
#pragma once

#include "flight_fixture.h"

#include <vector>

// Every play_buffer call since the test began: slot numbers in order.
extern std::vector<int> sounds_started;

// How a call reaches the panel: the press frame, a frame repeating a click
// held for more than a second, or a key or stick button.
enum click_kind { PRESS, HELD, KEY };
void click(float x, float y, click_kind how);

struct Panel : FlightTest {
    void SetUp() override;
    // Lays the panel out again after the aircraft record changed.
    static void relayout();
    // The trainer turned into a twin jet with reversers on the glass panel.
    static void jet();
};
