// Keyboard routing: translation with Shift, the simulator's navigation keys,
// the keys the desktop keeps, the text field of the alert and the save
// chooser, and a key closing a program window.
#include "menus_support.h"

#include <cstring>
#include <string>

namespace {
class Keys : public ::testing::Test {
protected:
    void SetUp() override { reset_menus(); }
    void TearDown() override
    {
        plat_set_injected_keymods(0, 0);
        MACIBM_startwind(0);
    }
};

void press(int key, int shift = 0)
{
    plat_set_injected_keymods(shift, 0);
    MACIBM_handlekey(key);
    plat_set_injected_keymods(0, 0);
}

void type(const std::string& keys)
{
    for (char k : keys) press(k);
}
} // namespace

TEST_F(Keys, EachKeyReachesOneHandler)
{
    const std::vector<callback_call> none;
    const struct {
        int window, key, shift, alt;
        std::vector<callback_call> expect;
    } cases[] = {
        // Characters to the program, US Shift rules.
        {0, '2', 0, 0, {{'k', '2'}}},
        {0, '2', 1, 0, {{'k', '@'}}},
        {0, '0', 1, 0, {{'k', ')'}}},
        {0, 'A', 0, 0, {{'k', 'a'}}},
        {0, 'A', 1, 0, {{'k', 'A'}}},
        {0, 188, 0, 0, {{'k', ','}}},
        {0, 188, 1, 0, {{'k', '<'}}},
        {0, 189, 0, 0, {{'k', '-'}}},
        {0, 189, 1, 0, {{'k', '_'}}},
        {0, 187, 0, 0, {{'k', '='}}},
        {0, 186, 1, 0, {{'k', ':'}}},
        {0, 191, 0, 0, {{'k', '/'}}},
        {0, 192, 0, 0, {{'k', '`'}}},
        {0, 192, 1, 0, {{'k', '~'}}},
        {0, 220, 0, 0, {{'k', '\\'}}},
        {0, 220, 1, 0, {{'k', '|'}}},
        {0, 219, 0, 0, {{'k', '['}}},
        {0, 13, 0, 0, {{'k', 13}}},
        // The simulator's views, commands and keyboard yoke.
        {0, 38, 0, 0, {{'v', 27}}},
        {0, 37, 1, 0, {{'v', 25}}},
        {0, 40, 0, 0, {{'v', 28}}},
        {0, 39, 0, 0, {{'v', 26}}},
        {0, 112, 0, 0, {{'f', 28}}},
        {0, 120, 0, 0, {{'f', 36}}},
        {0, 112, 1, 0, {{'f', 40}}},
        {0, 120, 1, 0, {{'f', 48}}},
        {0, 8, 0, 0, {{'f', 37}}},
        {0, 8, 1, 0, {{'f', 49}}},
        {0, 122, 0, 0, {{'f', 38}}},
        {0, 122, 1, 0, {{'f', 50}}},
        {0, 123, 0, 0, {{'f', 39}}},
        {0, 123, 1, 0, {{'f', 51}}},
        {0, 101, 0, 0, {{'y', 0}}},
        {0, 98, 0, 0, {{'y', 1}}},
        {0, 104, 0, 0, {{'y', 2}}},
        {0, 100, 0, 0, {{'y', 3}}},
        {0, 102, 0, 0, {{'y', 4}}},
        {0, 97, 0, 0, {{'y', 5}}},
        {0, 99, 0, 0, {{'y', 6}}},
        // Keypad 0, 7 and 9 have no command: their codes reach the program.
        {0, 96, 0, 0, {{'k', '`'}}},
        {0, 103, 0, 0, {{'k', 'g'}}},
        {0, 105, 0, 0, {{'k', 'i'}}},
        // The desktop's keys: F10, Alt and anything typed with Alt.
        {0, 121, 0, 0, none},
        {0, 18, 0, 0, none},
        {0, 'A', 0, 1, none},
        {0, 38, 0, 1, none},
        {5, 'A', 0, 1, none},
        // The toolkit's windows keep every key.
        {996, 'A', 0, 0, none},
        {997, 'A', 0, 0, none},
        {998, 38, 0, 0, none},
        {999, 112, 0, 0, none},
    };
    for (const auto& c : cases) {
        reset_menus();
        mnw.topwin = c.window;
        plat_set_injected_keymods(c.shift, c.alt);
        got_event = 0;
        MACIBM_handlekey(c.key);
        plat_set_injected_keymods(0, 0);
        EXPECT_EQ(calls, c.expect) << "window " << c.window << " key " << c.key << " shift " << c.shift << " alt "
                                   << c.alt;
        EXPECT_EQ(got_event, 1);
        EXPECT_TRUE(zapped.empty());
    }
}

TEST_F(Keys, AnyKeyClosesAProgramWindowThroughItsCloseBox)
{
    for (int key : {38, (int)'A', 16, 13}) {
        reset_menus();
        MACIBM_startwind(5);
        return_hit = 1;
        MACIBM_handlekey(key);
        EXPECT_EQ(mnw.topwin, 0) << key;
        EXPECT_EQ(zapped, std::vector<int>{5}) << key;
        EXPECT_TRUE(calls.empty()) << key;
        EXPECT_EQ(return_hit, 0);
    }
}

TEST_F(Keys, TheSaveFieldTakesThirtyTwoTypedCharacters)
{
    mnw.topwin = 999;
    press(8);   // Backspace in an empty field
    EXPECT_STREQ(g_cs1, "");

    // 40 keys: the first 31, then each further key replaces the 32nd.
    type("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789WXYZ");
    EXPECT_STREQ(g_cs1, "abcdefghijklmnopqrstuvwxyz01234z");
    press(8);
    press(8);
    EXPECT_STREQ(g_cs1, "abcdefghijklmnopqrstuvwxyz0123");

    // Shift, Ctrl, Caps Lock, arrows, function and keypad keys type nothing;
    // Shift changes what the next key types.
    g_cs1[0] = 0;
    for (int key : {16, 17, 20, 27, 9, 37, 38, 46, 112, 123, 97, 107, 222}) press(key);
    EXPECT_STREQ(g_cs1, "");
    press('1', 1);
    press(' ');
    press(190);
    press('A', 1);
    press(191, 1);
    EXPECT_STREQ(g_cs1, "! .A?");
    EXPECT_TRUE(calls.empty());

    // Enter leaves the text and tells the chooser.
    press(13);
    EXPECT_EQ(return_hit, 1);
    EXPECT_STREQ(g_cs1, "! .A?");
}

TEST_F(Keys, TheAlertCollectsKeysAndEnterAnswersIt)
{
    mnw.topwin = 996;
    strcpy(g_cs1, "Note");
    type("OK");
    EXPECT_STREQ(g_cs1, "Noteok");
    press(13);
    EXPECT_EQ(return_hit, 1);
    // The save-changes prompt and the open chooser have no text field.
    for (int window : {997, 998}) {
        mnw.topwin = window;
        return_hit = 0;
        type("X");
        press(13);
        EXPECT_STREQ(g_cs1, "Noteok");
        EXPECT_EQ(return_hit, 0);
    }
}
