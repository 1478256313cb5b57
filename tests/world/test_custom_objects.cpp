// Built-in shapes and custom ".OBJ" objects.
#include "world_fixture.h"

#include "world/coordinates.h"
#include "toolkit/HL_TYPES.h"
#include "world/scenery_objects.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
class Objects : public WorldFolder {
protected:
    float x = 0, z = 0;
    void SetUp() override
    {
        WorldFolder::SetUp();
        static env_grid g;
        regular_square(&g, 34, -118, 100, 0);
        write_square(34, -118, g);
        env.lat_sou = 34;
        env.lon_wes = -118;
        load_region();
        x = X_with_latlon(34.5f, -117.5f);
        z = Z_with_lat(34.5f);
    }
    void object(const std::string& name, const std::string& text) const
    {
        put("objects/" + name + ".OBJ", text);
    }
};

std::string elements(int n, const char* tex)
{
    std::string s = "I\n";
    for (int k = 0; k < n; ++k) s += std::string("3 ") + tex + "\n0 0 0\n1 0 0\n0 1 0\n";
    return s + "99\n";
}
} // namespace

TEST_F(Objects, BuiltInShapesStandOnTheGroundAndTallOnesChangeForm)
{
    struct {
        int type;
        float h;
        int kind;
    } cases[] = {{1, 0, 1}, {5, 100, 5}, {90, 300, 94}, {91, 300, 95}, {92, 250, 92}, {93, 300, 93}, {97, 0, 97}};
    for (auto& c : cases) {
        make_an_obs(x, z, c.h, "", c.type, 700);
        EXPECT_EQ(obj_type[700], c.kind) << c.type;
        EXPECT_NEAR(obj_xyz[700][0][0][1], 100, 1e-3) << c.type;
    }
    make_an_obs(x, z, 100, "", 5, 700);
    EXPECT_NEAR(obj_xyz[700][0][0][0], x - 35, 1e-2);
    EXPECT_NEAR(obj_xyz[700][0][0][2], z + 35, 1e-2);
    EXPECT_NEAR(obj_xyz[700][3][2][1], 200, 1e-3);
}

TEST_F(Objects, CustomObjectFilesAsWritten)
{
    object("empty", "I\n99\n");
    make_an_obs(x, z, 0, "empty", 8, 701);
    EXPECT_EQ(obj_type[701], 100);

    object("line", "I\r\n2 90 50 5 a red line\r\n1 2 3\r\n4 5 6 rest\r\n99\r\n");
    make_an_obs(x, z, 0, "line", 8, 702);
    EXPECT_EQ(obj_type[702], 101);
    EXPECT_EQ(obj_texrgb[702][0], 905005);
    EXPECT_EQ(obj_poltyp[702][0], 2);
    EXPECT_NEAR(obj_xyz[702][0][1][1], 105, 1e-3);

    // Turned by 90 degrees the file's x runs south.
    object("turned", "I\n1 0 0 0\n10 0 0\n99\n");
    make_an_obs(x, z, 90, "turned", 8, 703);
    EXPECT_NEAR(obj_xyz[703][0][0][0], x, 1e-2);
    EXPECT_NEAR(obj_xyz[703][0][0][2], z + 10, 1e-2);

    // A missing file leaves the slot as it was.
    obj_type[704] = 5;
    make_an_obs(x, z, 0, "nothing", 8, 704);
    EXPECT_EQ(obj_type[704], 5);
}

TEST_F(Objects, TexturesAreSharedByNameForTheWholeRun)
{
    std::string long1(45, 'w'), long2 = std::string(44, 'w') + "x";
    object("a", elements(2, "brick"));
    object("b", "I\n3 brick\n0 0 0\n1 0 0\n0 1 0\n4 " + long1 + "\n0 0 0\n1 0 0\n1 1 0\n0 1 0\n4 " + long2 +
                    "\n0 0 0\n1 0 0\n1 1 0\n0 1 0\n99\n");
    make_an_obs(x, z, 0, "a", 8, 705);
    make_an_obs(x, z, 0, "b", 8, 706);
    EXPECT_EQ(obj_type[706], 103);
    EXPECT_EQ(obj_texrgb[705][0], 1000);
    EXPECT_EQ(obj_texrgb[706][0], 1000);
    EXPECT_EQ(obj_texrgb[706][1], 1001);
    EXPECT_EQ(obj_texrgb[706][2], 1001);
    EXPECT_EQ(current_tex_numb, 2);
    EXPECT_EQ(strlen(objtex_name[1]), 38u);
    EXPECT_EQ(texbmp_calls, 2);
    // The face's normal: the element lies in the x-y plane.
    EXPECT_NEAR(std::abs(obj_nrml[705][0][2]), 1, 1e-5);
}

TEST_F(Objects, FatalTexts)
{
    object("eln", "X\n99\n");
    EXPECT_EXIT(make_an_obs(x, z, 0, "eln", 8, 710), ::testing::ExitedWithCode(1),
                "Object files must start with an A or an I \\(Apple or IBM creator\\) and then a carriage return!");
    object("five", "I\n5 brick\n0 0 0\n0 0 0\n0 0 0\n0 0 0\n0 0 0\n99\n");
    EXPECT_EXIT(make_an_obs(x, z, 0, "five", 8, 710), ::testing::ExitedWithCode(1),
                "Must have 1, 2, 3, or 4 vertices in each element of the object!");
    object("fifty", elements(50, "brick"));
    make_an_obs(x, z, 0, "fifty", 8, 710);
    EXPECT_EQ(obj_type[710], 150);
    object("many", elements(51, "brick"));
    EXPECT_EXIT(make_an_obs(x, z, 0, "many", 8, 710), ::testing::ExitedWithCode(1), "Too many polys in the custom object!");
    // A hundred textures loaded: a known name still maps, a new one is the 101st.
    for (int k = 0; k < OBJ_TEX_CAP; ++k) snprintf(objtex_name[k], 40, "u%d", k);
    current_tex_numb = OBJ_TEX_CAP;
    object("known", elements(1, "u42"));
    make_an_obs(x, z, 0, "known", 8, 711);
    EXPECT_EQ(obj_texrgb[711][0], 1042);
    object("h1", elements(1, "fresh"));
    EXPECT_EXIT(make_an_obs(x, z, 0, "h1", 8, 712), ::testing::ExitedWithCode(1),
                "Too many textures in the custom objects!");
}

TEST_F(Objects, SquareRecordsAfterACustomObjectAreStillRead)
{
    object("mast", "I\n2 1 1 1\n0 0 0\n0 30 0\n99\n");
    static env_grid g;
    regular_square(&g, 35, -117, 200, 0);
    env_obstacle custom{}, tower{};
    custom.type = 8, custom.lat = 35.5f, custom.lon = -116.5f, custom.hddz = 45;
    strcpy(custom.name, "mast");
    tower.type = 4, tower.lat = 35.6f, tower.lon = -116.6f, tower.hddz = 100;
    write_square(35, -117, g, {custom, tower});
    obj_counter = OBJ_FIRST_SQUARE_SLOT;
    load_region();
    // Square 0 ends at once (slot 451); square 4 is the fifth read.
    EXPECT_EQ(obj_type[452], 101);
    EXPECT_NEAR(obj_xyz[452][0][1][1], 230, 1e-3);
    EXPECT_EQ(obj_type[453], 4);
    EXPECT_NEAR(obj_xyz[453][1][0][1], 200 + 100 * con.fttomtrs, 1e-3);
    EXPECT_NEAR(obj_xyz[453][0][0][2], Z_with_lat(35.6f), 0.5);
}
