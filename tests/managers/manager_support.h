// What the managers' tests watch: the sounds started and the GL drawing calls.
#pragma once

#include <vector>

// Every play_buffer call since the last clear: slot numbers in order.
extern std::vector<int> played;
// msc.elap_time at each of those calls.
extern std::vector<float> played_at;

// The drawing's calls: primitives begun, vertices and texture coordinates.
struct gl_record {
    int begins = 0, ends = 0;
    std::vector<float> vertices;    // x, y, z of each vertex
    std::vector<float> texcoords;   // s, t of each
    std::vector<float> rotations;   // angle, x, y, z of each rotation
    std::vector<float> point_sizes;
    std::vector<float> normals;   // the normal in force at each vertex
    std::vector<int> given;       // per vertex: 1 when its own normal was given
    std::vector<int> quads;       // per vertex: 1 inside a GL_QUADS begin
    std::vector<int> ccw;         // per vertex: 1 while front faces wind counter-clockwise
    std::vector<int> culled;      // per vertex: 1 while back faces are culled
};
extern gl_record gl_calls;
// 1 while back faces are culled.
extern "C" int gl_culling_now();
