// Menu-window pieces every program's window opener is built from, the modal
// alert and the save-changes prompt.
#include "HL_MNW.h"

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_TEXT.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// A button's two raised (or pressed) frames around (x, y) .. (x + w, y + h).
void button_frames(float x, float y, float w, float h, int convex)
{
    MACIBM_button(x, y, x + w, y + h, convex);
    MACIBM_button(x - 1, y - 1, x + w + 1, y + h + 1, convex);
}

void labelled_button(const char* label, float x, float y, float w, float label_dx)
{
    if (label) OGL_string(29, x + label_dx, y + 4, label, 999, 6);
    button_frames(x, y, w, 14, 1);
}

void show_alert(int type)
{
    if (type == ALERT_ABOUT) {
        copy_bounded(g_cs1, about_lines[0], 400);
        copy_bounded(g_cs2, about_lines[1], 400);
        copy_bounded(g_cs3, about_lines[2], 400);
        copy_bounded(g_cs4, about_lines[3], 400);
    }
    static char text[4 * 400 + 8];
    snprintf(text, sizeof text, "%s\n\n%s\n\n%s\n\n%s", g_cs1, g_cs2, g_cs3, g_cs4);
    // The in-window alert needs the window; without one (a program run
    // without a screen) only the message box can say it. Once the program is
    // ending (the desktop closed the window) nobody is left to answer.
    if (ogl_ready && plat_window_exists()) {
        fprintf(stderr, "Omnivar Message: %s\n", text);
        if (!gdone) MACIBM_startwind(996);
        while (mnw.topwin == 996 && !gdone) {
            MACIBM_event_proc();
            alert_take_input();
        }
    } else {
        plat_beep();
        plat_message_box("Omnivar Message", text);
    }
    if (type == ALERT_FATAL || type == ALERT_NUMBER) {
        gdone = 1;
        MACIBM_finishup();
        // A fatal alert is a failure: the process says so.
        exit(1);
    }
}
} // namespace

int toolkit_window(int index, const char** title, float* dx, float* dy)
{
    static const struct {
        int index;
        const char* title;
        float dx, dy;
    } table[] = {
        {0, "", 800, 600}, {996, "ALERT", 400, 195}, {997, "ALERT", 300, 100},
        {998, "OPEN", 320, 568}, {999, "SAVE", 320, 568},
    };
    for (const auto& w : table) {
        if (w.index != index) continue;
        *title = w.title;
        *dx = w.dx;
        *dy = w.dy;
        return 1;
    }
    return 0;
}

void open_window_begin(int index, float dx, float dy)
{
    // A repaint of the open window rebuilds it: nothing closes, no click is lost.
    const int repaint = index == mnw.topwin;
    const int pending_click = mnw.mouse_clicked;
    if (!repaint && mnw.topwin != 0 && index != 996) process_zap(mnw.topwin);
    mnw.dx = dx;
    mnw.dy = dy;
    mnw.menu_up = -1;
    mnw.topwin = index;
    mnw.x = (float)round((800 - dx) / 2);
    mnw.y = (float)round((600 - dy) / 2);
    select_ind = 0;
    to_array = 1;
    got_event = 1;
    mnw.mouse_clicked = repaint ? pending_click : 0;
    memset(rgb_array, 0, sizeof rgb_array);
}

void open_window_end()
{
    cut_backdrop_tiles();
    to_array = 0;
}

void draw_menu_bar()
{
    // Drawn in screen coordinates: window 0 has no offset.
    OGL_line(6, 0, 599, 799, 599);
    OGL_line(6, 0, 598, 799, 598);
    OGL_fillrect(18, 0, 585, 800, 13);
    OGL_line(22, 0, 584, 799, 584);
    OGL_line(22, 0, 583, 799, 583);
    OGL_fillrect(29, 0, 0, 800, 583);
}

void draw_window_frame(const char* title, float dx, float dy, int close_boxes)
{
    if (!title) title = "";
    OGL_fillrect(18, -5, -5, dx + 10, dy + 20);
    OGL_fillrect(12, 0, 0, dx, dy);
    MACIBM_button(-1, -1, dx, dy, 0);
    MACIBM_button(-5, -5, dx + 4, dy + 14, 1);
    MACIBM_button(-6, -6, dx + 5, dy + 15, 1);

    const int w = 6 * (int)strlen(title);
    const float c = dx / 2 - (w / 2);
    OGL_string(22, c + 1, dy + 3, title, dx - 6, 6);
    OGL_string(6, c, dy + 4, title, dx - 6, 6);
    // The engraved stripes stop 5 units short of the title on both sides.
    const float right = c + w + 4;
    if (c - 5 > 14 && dx - 15 > right) {
        for (int k = 1; k <= 3; ++k) {
            float y = dy + 3 * k;
            OGL_line(22, 14, y + 2, c - 5, y + 2);
            OGL_line(12, 14, y + 1, c - 5, y + 1);
            OGL_line(22, right, y + 2, dx - 15, y + 2);
            OGL_line(12, right, y + 1, dx - 15, y + 1);
        }
    }

    if (!close_boxes) return;
    const float boxes[2] = {-1, dx - 10};
    for (float bx : boxes) {
        OGL_framerect(29, bx, dy + 2, 10, 10);
        MACIBM_button(bx + 1, dy + 3, bx + 9, dy + 11, 1);
        MACIBM_button(bx + 2, dy + 4, bx + 8, dy + 10, 1);
    }
}

void draw_toolkit_window(int index)
{
    switch (index) {
    case 996: {
        const char* lines[4] = {g_cs1, g_cs2, g_cs3, g_cs4};
        for (int k = 0; k < 4; ++k) OGL_string(29, 10, 180.0f - 40 * k, lines[k], 380, 6);
        OGL_string(29, 195, 19, "O.K.", 999, 6);
        button_frames(20, 15, 360, 14, 1);
        break;
    }
    case 997:
        OGL_string(29, 20, 80, g_cs1, 260, 6);
        labelled_button("     Save", 20, 45, 100, 10);
        labelled_button("  Don't Save", 20, 15, 100, 10);
        labelled_button("    Cancel", 180, 15, 100, 10);
        break;
    case 998:
    case 999:
        labelled_button("Go up a level", 10, 544, 300, 90);
        button_frames(10, 34, 300, 500, 1);
        button_frames(10, 10, 300, 14, 1);
        OGL_fillrect(29, 11, 35, 299, 499);
        OGL_fillrect(29, 11, 11, 299, 13);
        break;
    default:
        break;
    }
}

void cut_backdrop_tiles()
{
    static unsigned char texels[128 * 128 * 3];
    for (int j = 0; j < 5; ++j) {
        for (int i = 0; i < 7; ++i) {
            // Texels beyond the canvas are never shown; black keeps them clean.
            memset(texels, 0, sizeof texels);
            const int x0 = 128 * i, y0 = 128 * j;
            const int cols = intmin2(128, CANVAS_W - x0);
            for (int r = 0; r < 128 && y0 + r < CANVAS_H; ++r)
                memcpy(texels + r * 128 * 3, rgb_array + ((y0 + r) * CANVAS_W + x0) * 3, cols * 3);
            OGL_bindtex(BACKDROP_TILE_BASE + i + 7 * j);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 128, 128, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        }
    }
}

void MACIBM_alert(const char* C_string1, const char* C_string2, const char* C_string3, const char* C_string4, int type)
{
    copy_bounded(g_cs1, C_string1, 400);
    copy_bounded(g_cs2, C_string2, 400);
    copy_bounded(g_cs3, C_string3, 400);
    // Kind 'V' takes its number through MACIBM_alert_number; here the fourth
    // line is text whatever the kind, never read as an int.
    copy_bounded(g_cs4, C_string4, 400);
    show_alert(type);
}

void MACIBM_alert_number(const char* C_string1, const char* C_string2, const char* C_string3, int number)
{
    copy_bounded(g_cs1, C_string1, 400);
    copy_bounded(g_cs2, C_string2, 400);
    copy_bounded(g_cs3, C_string3, 400);
    snprintf(g_cs4, 400, "%d", number);
    show_alert(ALERT_NUMBER);
}

void alert_take_input()
{
    if (mnw.topwin != 996) return;
    if (!return_hit && !(mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 20, 15, 380, 30))) return;
    MACIBM_button(20, 15, 380, 29, 0);
    MACIBM_button(19, 14, 381, 30, 0);
    OGL_sbuf();
    return_hit = 0;
    MACIBM_startwind(0);
}

int nuke_alert_take_input()
{
    if (mnw.topwin != 997) return 3;
    if (!mnw.mouse_clicked) return 0;
    static const struct {
        float x, y;
        int answer;
    } buttons[3] = {{20, 45, 1}, {20, 15, 2}, {180, 15, 3}};
    for (const auto& b : buttons) {
        if (!fltbox(mnw.mx, mnw.my, b.x, b.y, b.x + 100, b.y + 15)) continue;
        button_frames(b.x, b.y, 100, 14, 0);
        OGL_sbuf();
        MACIBM_startwind(0);
        return b.answer;
    }
    return 0;
}

int MACIBM_nuke_alert(const char* name)
{
    snprintf(g_cs1, 400, "Save changes to %s first?", name ? name : "");
    // Nobody can answer without a window: the safe answer is Cancel.
    if (!plat_window_exists() || gdone) return 3;
    MACIBM_startwind(997);
    while (mnw.topwin == 997 && !gdone) {
        MACIBM_event_proc();
        int answer = nuke_alert_take_input();
        if (answer) return answer;
    }
    return 3;
}
