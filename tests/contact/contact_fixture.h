// A flat world and a small tricycle aircraft already in SI, as after
// loading, for driving contact points one at a time; a sound device with no
// card behind it, so that touch-down sounds can be heard.
#pragma once

#include <gtest/gtest.h>

#include <vector>

// Slots the touch-down effects use: wheels 7 and 8, water 9, hard touches 10.
const int TOUCH_SLOTS[] = {7, 8, 9, 10};

class ContactTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Centre of the world window, where the aircraft stands.
    double x0 = 0, z0 = 0;

    // The aircraft at rest, level, heading north, its centre of gravity h
    // metres above the ground.
    void place(double h);
    // Zero force totals and moments, as the build-up does each half-step.
    void clear_forces();
    // Slots of the touch-down sounds stopped and ready to play again.
    void quiet();
    // The touch-down slots playing now.
    std::vector<int> sounding();
};

// Every record the contact phase reads, cleared; constants and tables filled.
void clear_contact_world();
// The 3 x 2-degree window at (34 N, 118 W), all at height h; `water` marks
// every cell as water.
void flat_world(float h, int water = 0);
// Tricycle: nose wheel 1.5 m ahead and mains 0.5 m behind the centre of
// gravity, 1.2 m either side, all 1 m below it; 40 kN/m springs, 4 kN s/m
// dampers, 0.3 m wheels, 10 degrees of nose-wheel steering, 1000 kg.
void tricycle();
