// The failure draw by mode, over seeded runs.
#include "manager_support.h"

#include "records/flight_state.h"
#include "flight/timed_managers.h"
#include "toolkit/HL_FUNCT.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

std::vector<int> played;
std::vector<float> played_at;
gl_record gl_calls;

extern "C" {
void __real__Z11play_bufferii(int, int);
void __wrap__Z11play_bufferii(int slot, int loop)
{
    played.push_back(slot);
    played_at.push_back(msc.elap_time);
    __real__Z11play_bufferii(slot, loop);
}

static GLenum gl_mode = 0, gl_front = GL_CW;
static GLfloat gl_normal[3] = {0, 0, 1};
static int gl_normal_given = 0;
void __wrap_glBegin(GLenum mode)
{
    ++gl_calls.begins;
    gl_mode = mode;
}
void __wrap_glEnd()
{
    ++gl_calls.ends;
}
void __wrap_glNormal3f(GLfloat x, GLfloat y, GLfloat z)
{
    gl_normal[0] = x;
    gl_normal[1] = y;
    gl_normal[2] = z;
    gl_normal_given = 1;
}
void __wrap_glFrontFace(GLenum mode)
{
    gl_front = mode;
}
// Face culling as the window sets it up: on.
static int gl_culling = 1;
void __real_glEnable(GLenum cap);
void __real_glDisable(GLenum cap);
void __wrap_glEnable(GLenum cap)
{
    if (cap == GL_CULL_FACE) gl_culling = 1;
    __real_glEnable(cap);
}
void __wrap_glDisable(GLenum cap)
{
    if (cap == GL_CULL_FACE) gl_culling = 0;
    __real_glDisable(cap);
}
void __wrap_glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    gl_calls.vertices.insert(gl_calls.vertices.end(), {x, y, z});
    gl_calls.normals.insert(gl_calls.normals.end(), {gl_normal[0], gl_normal[1], gl_normal[2]});
    gl_calls.quads.push_back(gl_mode == GL_QUADS);
    gl_calls.ccw.push_back(gl_front == GL_CCW);
    gl_calls.given.push_back(gl_normal_given);
    gl_calls.culled.push_back(gl_culling);
    gl_normal_given = 0;
}
void __wrap_glTexCoord2f(GLfloat s, GLfloat t)
{
    gl_calls.texcoords.insert(gl_calls.texcoords.end(), {s, t});
}
void __wrap_glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z)
{
    gl_calls.rotations.insert(gl_calls.rotations.end(), {a, x, y, z});
}
void __wrap_glTranslatef(GLfloat, GLfloat, GLfloat)
{
}
void __wrap_glPointSize(GLfloat s)
{
    gl_calls.point_sizes.push_back(s);
}
int gl_culling_now()
{
    return gl_culling;
}
}

namespace {

// Seconds until item 0 fails, drawing once a second.
int seconds_to_fail(int limit)
{
    for (int s = 1; s <= limit; ++s)
        if (failme(0)) return s;
    return limit + 1;
}

} // namespace

TEST(Failme, EachMode)
{
    toolkit_srand(1234);
    memset(&rel, 0, sizeof rel);
    rel.fail_type[0] = 3;
    EXPECT_EQ(seconds_to_fail(1), 1);   // inoperative: fails in the first second

    rel.fail_type[0] = 1;
    rel.total_fail_entry = 0;
    EXPECT_GT(seconds_to_fail(100000), 100000);   // random mode at level 0 never fails
    rel.total_fail_entry = 400;
    EXPECT_EQ(seconds_to_fail(1), 1);
    // Level 40: both draws below 40 of 400, one second in 100.
    rel.total_fail_entry = 40;
    int fails = 0;
    for (int s = 0; s < 100000; ++s) fails += failme(0);
    EXPECT_NEAR(fails, 1000, 150);

    EXPECT_EQ(failme(-1), 0);
    EXPECT_EQ(failme(32), 0);
}

TEST(Failme, MeanTimeToFailIsHonouredAtAnyLength)
{
    toolkit_srand(99);
    memset(&rel, 0, sizeof rel);
    rel.fail_type[0] = 2;
    // 0.1 hours: on average after 360 s.
    rel.fail_time_max[0] = 0.1f;
    double sum = 0;
    const int runs = 400;
    for (int k = 0; k < runs; ++k) sum += seconds_to_fail(100000);
    EXPECT_NEAR(sum / runs, 360, 45);

    // 50 hours over 1000 hours of draws: about 20 failures. A draw of 15 bits
    // could not go below 1 in 32768 a second (about 110 here).
    rel.fail_time_max[0] = 50;
    int fails = 0;
    for (int s = 0; s < 3600000; ++s) fails += failme(0);
    EXPECT_GE(fails, 8);
    EXPECT_LE(fails, 35);

    // Ten thousand hours: nothing in a thousand hours is the likely outcome.
    rel.fail_time_max[0] = 10000;
    fails = 0;
    for (int s = 0; s < 3600000; ++s) fails += failme(0);
    EXPECT_LE(fails, 2);
}
