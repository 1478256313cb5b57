// Keyboard routing: virtual keys become characters with the Shift rules of a
// US keyboard, then go to the simulator's navigation handlers, the text field
// of the alert and the save chooser, the program, or the close box of the
// open program window.
#include "HL_MNW.h"

#include "HL_FUNCT.h"

#include <cstring>

// The simulator's view, command and keyboard-yoke handlers. The editors
// supply none; then their arrow, function and keypad keys reach the program
// as characters, as the navigation step does not exist for them.
void freeviews_keys(int code) __attribute__((weak));
void function_key(int code) __attribute__((weak));
void yoke_key(int code) __attribute__((weak));

namespace {
const int VK_BACK = 8;
const int VK_RETURN = 13;
const int VK_ALT = 18;
const int VK_F10 = 121;
// The text field takes at most this many characters.
const int FIELD_MAX = 32;

// Punctuation keys as their shifted characters; Shift up lowers them again.
const struct {
    int key;
    char shifted, plain;
} punctuation[] = {
    {189, '_', '-'}, {187, '+', '='}, {219, '{', '['}, {221, '}', ']'}, {186, ':', ';'},
    {188, '<', ','}, {190, '>', '.'}, {191, '?', '/'}, {192, '`', '`'}, {220, '\\', '\\'},
};

char key_char(int key, int shift)
{
    char c = (char)(key & 255);
    for (const auto& p : punctuation)
        if (key == p.key) c = p.shifted;

    if (shift) {
        static const char digits_shifted[] = ")!@#$%^&*(";
        if (c >= '0' && c <= '9') return digits_shifted[c - '0'];
        if (c == '`') return '~';
        if (c == '\\') return '|';
        return c;
    }
    if (c >= 'A' && c <= 'Z') return (char)(c - 'A' + 'a');
    static const char from[] = "_+{}:<>?~|";
    static const char to[] = "-=[];,./`\\";
    const char* hit = c ? strchr(from, c) : nullptr;
    return hit ? to[hit - from] : c;
}

// Keys that type a character: only these enter a text field. Arrows,
// function and keypad keys have codes in the printable range by accident.
int types_a_character(int key)
{
    if (key == ' ' || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return 1;
    for (const auto& p : punctuation)
        if (key == p.key) return 1;
    return 0;
}

// The simulator's navigation keys, by key code. 1 when the key was taken.
int navigation_key(int key, int shift)
{
    void (*views)(int) = freeviews_keys;
    void (*commands)(int) = function_key;
    void (*yoke)(int) = yoke_key;

    if (views) {
        switch (key) {
        case 38: views(27); return 1;
        case 37: views(25); return 1;
        case 40: views(28); return 1;
        case 39: views(26); return 1;
        default: break;
        }
    }
    if (commands) {
        if (key >= 112 && key <= 120) {
            commands((shift ? 40 : 28) + key - 112);
            return 1;
        }
        switch (key) {
        case VK_BACK: commands(shift ? 49 : 37); return 1;
        case 122: commands(shift ? 50 : 38); return 1;
        case 123: commands(shift ? 51 : 39); return 1;
        default: break;
        }
    }
    if (yoke) {
        static const int pad[7][2] = {{101, 0}, {98, 1}, {104, 2}, {100, 3}, {102, 4}, {97, 5}, {99, 6}};
        for (const auto& p : pad)
            if (key == p[0]) {
                yoke(p[1]);
                return 1;
            }
    }
    return 0;
}

void edit_text_field(int key, char c)
{
    int len = (int)strnlen(g_cs1, sizeof g_cs1 - 1);
    if (key == VK_BACK) {
        if (len > 0) g_cs1[len - 1] = 0;
        return;
    }
    if (key == VK_RETURN) {
        return_hit = 1;
        return;
    }
    if (!types_a_character(key) || c < 32 || c > 126) return;
    int n = intlim(len, 0, FIELD_MAX - 1);
    g_cs1[n] = c;
    g_cs1[n + 1] = 0;
}
} // namespace

void MACIBM_handlekey(int key)
{
    got_event = 1;
    // F10 and Alt combinations belong to the desktop: no handler sees them.
    if (key == VK_ALT || key == VK_F10 || plat_alt_down()) return;

    const int shift = plat_shift_down();
    const char c = key_char(key, shift);

    if (mnw.topwin == 0 && navigation_key(key, shift)) return;

    if (mnw.topwin == 996 || mnw.topwin == 999) edit_text_field(key, c);

    if (mnw.topwin == 0) {
        APPLICATION_handlekey(c);
        return;
    }
    if (mnw.topwin >= 996 && mnw.topwin <= 999) return;

    // Any key closes a program window, as a click on its left close box.
    mnw.mx = -1;
    mnw.my = mnw.dy + 2;
    MACIBM_handleclick();
    return_hit = 0;
}
