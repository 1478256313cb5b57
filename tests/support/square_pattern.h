// The square that the scenery editor saves and the simulator then loads, in
// the test of the file the two programs share: 33 N 119 W, heights and water
// in a pattern that no flat or regular square gives, and one obstacle.
#pragma once

const int PATTERN_LAT = 33, PATTERN_LON = -119;

// Point (i, j) of the square, i east, j north; metres.
inline float pattern_height(int i, int j)
{
    return 150 + 3.0f * (float)i - 2.0f * (float)j + 0.5f * (float)(i * j % 97);
}

inline int pattern_water(int i, int j)
{
    return (i + 2 * j) % 7 == 0;
}

const int PATTERN_OBSTACLE_TYPE = 3;
const float PATTERN_OBSTACLE_LAT = 33.4f, PATTERN_OBSTACLE_LON = -118.7f, PATTERN_OBSTACLE_FEET = 800;
