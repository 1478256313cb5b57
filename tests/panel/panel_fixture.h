// Shared set-up of the panel tests: the toolkit at 800 x 600, the bundled
// trainer loaded and laid out, every system working, a calm frame.
#pragma once

#include <gtest/gtest.h>

class PanelFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Lays the panel out again after a test changed pln's panel choices.
    static void relayout();
};
