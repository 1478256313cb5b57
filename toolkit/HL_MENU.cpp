// Menus drawn in the window: the bar titles, pull-downs with submenus,
// separators and check marks, help balloons, and the clicks that pick items
// and press the close boxes of menu windows.
#include "HL_MNW.h"

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_TEXT.h"

#include <cstring>

int m_x1, m_y1, m_x2, m_y2;

namespace {
const float BAR_Y1 = 583;
const float BAR_Y2 = 600;
// Items whose top would fall below this start a new column.
const float COLUMN_FLOOR = 50;

// Left edge of the next bar title.
float bar_x = 10;
// The item of its parent that each submenu opens from.
int parent_item[MENU_COUNT];

int menu_exists(int m)
{
    return mnw.menu_name[m][0] != 0;
}

int item_exists(int m, int i)
{
    return mnw.item_name[m][i][0] != 0;
}

int is_separator(int m, int i)
{
    return mnw.item_name[m][i][0] == '-';
}

int pickable(int m, int i)
{
    return item_exists(m, i) && !is_separator(m, i);
}

float text_width(const char* s)
{
    return 6.0f * (float)strlen(s);
}

void layout_items(int m);

// A submenu takes its parent item's box, as that box is now: later items can
// still widen the parent or move the item into another column.
void follow_parent_item(int k)
{
    const int p = mnw.menu_prnt[k], j = parent_item[k];
    mnw.menux1[k] = mnw.itemx1[p][j];
    mnw.menux2[k] = mnw.itemx2[p][j];
    mnw.menuy1[k] = mnw.itemy1[p][j];
    mnw.menuy2[k] = mnw.itemy2[p][j];
    layout_items(k);
}

void layout_items(int m)
{
    float w = 0;
    for (int i = 0; i < MENU_ITEMS; ++i)
        if (item_exists(m, i)) w = fltmax2(w, text_width(mnw.item_name[m][i]) + 25);

    int first = -1, prev = -1;
    for (int i = 0; i < MENU_ITEMS; ++i) {
        if (!item_exists(m, i)) continue;
        float h = is_separator(m, i) ? 2.0f : 12.0f;
        float x1, y1, y2;
        if (first < 0) {
            if (mnw.menu_prnt[m] == -1) {
                x1 = mnw.menux1[m];
                y1 = mnw.menuy1[m] - 12;
                y2 = mnw.menuy1[m];
            } else {
                x1 = mnw.menux2[m];
                y1 = mnw.menuy1[m];
                y2 = mnw.menuy2[m];
            }
            first = i;
        } else {
            x1 = mnw.itemx1[m][prev];
            y2 = mnw.itemy1[m][prev];
            y1 = y2 - h;
            if (y2 < COLUMN_FLOOR) {
                x1 += w;
                y1 = mnw.itemy1[m][first];
                y2 = mnw.itemy2[m][first];
            }
        }
        mnw.itemx1[m][i] = x1;
        mnw.itemx2[m][i] = x1 + w;
        mnw.itemy1[m][i] = y1;
        mnw.itemy2[m][i] = y2;
        prev = i;
    }
    for (int k = 0; k < MENU_COUNT; ++k)
        if (k != m && menu_exists(k) && mnw.menu_prnt[k] == m) follow_parent_item(k);
}

void pull_down(int m)
{
    mnw.menu_up = m;
    m_x1 = m_y1 = 999;
    m_x2 = m_y2 = 0;
    for (int i = 0; i < MENU_ITEMS; ++i) {
        if (!item_exists(m, i)) continue;
        m_x1 = intmin2(m_x1, (int)mnw.itemx1[m][i]);
        m_x2 = intmax2(m_x2, (int)mnw.itemx2[m][i]);
        m_y1 = intmin2(m_y1, (int)mnw.itemy1[m][i]);
        m_y2 = intmax2(m_y2, (int)mnw.itemy2[m][i]);
    }
}

// A bar menu, or a submenu of the menu that is down now.
int reachable(int k)
{
    if (!menu_exists(k)) return 0;
    return mnw.menu_prnt[k] == -1 || (mnw.menu_up != -1 && mnw.menu_prnt[k] == mnw.menu_up);
}

void draw_pressed_close_boxes()
{
    const float bxs[2] = {-1, mnw.dx - 10};
    for (float bx : bxs) {
        MACIBM_button(bx + 1, mnw.dy + 3, bx + 9, mnw.dy + 11, 0);
        MACIBM_button(bx + 2, mnw.dy + 4, bx + 8, mnw.dy + 10, 0);
    }
}

void draw_submenu_arrow(float x2, float y1)
{
    OGL_line(6, x2 - 11, y1 + 8, x2 - 10, y1 + 8);
    OGL_line(6, x2 - 11, y1 + 2, x2 - 10, y1 + 2);
    OGL_line(6, x2 - 11, y1 + 7, x2 - 8, y1 + 7);
    OGL_line(6, x2 - 11, y1 + 3, x2 - 8, y1 + 3);
    OGL_line(6, x2 - 11, y1 + 6, x2 - 6, y1 + 6);
    OGL_line(6, x2 - 11, y1 + 4, x2 - 6, y1 + 4);
    OGL_line(6, x2 - 11, y1 + 5, x2 - 4, y1 + 5);
    OGL_line(22, x2 - 11, y1 + 1, x2 - 4, y1 + 4);
}

void draw_check_mark(float x1, float y1)
{
    OGL_line(6, x1 + 5, y1 + 8, x1 + 7, y1 + 8);
    OGL_line(6, x1 + 5, y1 + 4, x1 + 7, y1 + 4);
    OGL_line(6, x1 + 4, y1 + 7, x1 + 8, y1 + 7);
    OGL_line(6, x1 + 4, y1 + 6, x1 + 8, y1 + 6);
    OGL_line(6, x1 + 4, y1 + 5, x1 + 8, y1 + 5);
}
} // namespace

void MACIBM_create_menu(int m, int i, const char* C_string)
{
    if (m < 0 || m >= MENU_COUNT || (i >= 0 && i / 100 >= MENU_COUNT)) {
        MACIBM_alert("Menu index out of range in create_menu!", "", "", C_string, ALERT_FATAL);
        return;
    }
    if (i >= 0 && i - 100 * (i / 100) >= MENU_ITEMS) {
        MACIBM_alert("Item index out of range in create_menu!", "", "", C_string, ALERT_FATAL);
        return;
    }
    copy_bounded(mnw.menu_name[m], C_string, sizeof mnw.menu_name[m]);

    if (i < 0) {
        mnw.menu_prnt[m] = -1;
        if (m == 0) bar_x = 10;
        float w = text_width(mnw.menu_name[m]);
        mnw.menux1[m] = bar_x;
        mnw.menux2[m] = bar_x + w;
        mnw.menuy1[m] = BAR_Y1;
        mnw.menuy2[m] = BAR_Y2;
        bar_x += w + 10;
    } else {
        mnw.menu_prnt[m] = i / 100;
        parent_item[m] = i % 100;
        follow_parent_item(m);
    }
}

void MACIBM_append_menu(int m, int i, const char* C_string, const char* help)
{
    if (m < 0 || m >= MENU_COUNT) {
        MACIBM_alert("Menu index out of range in append_menu!", "", "", C_string, ALERT_FATAL);
        return;
    }
    int j = i - 100 * m;
    if (j < 0 || j >= MENU_ITEMS) {
        MACIBM_alert("Item index out of range in append_menu!", "", "", C_string, ALERT_FATAL);
        return;
    }
    copy_bounded(mnw.item_name[m][j], C_string, sizeof mnw.item_name[m][j]);
    if (m < MENU_HELP_COUNT) copy_bounded(mnw.item_help[m][j], help, sizeof mnw.item_help[m][j]);
    layout_items(m);
}

void MACIBM_draw_menubar()
{
    for (int k = 0; k < MENU_COUNT; ++k) {
        if (!menu_exists(k) || mnw.menu_prnt[k] != -1) continue;
        OGL_string(22, mnw.menux1[k] + 1, 587, mnw.menu_name[k], 999, 6);
        OGL_string(6, mnw.menux1[k], 588, mnw.menu_name[k], 999, 6);
    }
}

int on_menu_bar(float x, float y)
{
    return mnw.topwin == 0 && fltbox(x, y, 0, BAR_Y1, 800, BAR_Y2);
}

int MACIBM_handleclick()
{
    got_event = 1;
    const float mx = mnw.mx, my = mnw.my;

    if (mnw.topwin == 0) {
        for (int k = 0; k < MENU_COUNT; ++k) {
            if (!reachable(k)) continue;
            if (!fltbox(mx, my, mnw.menux1[k], mnw.menuy1[k], mnw.menux2[k], mnw.menuy2[k])) continue;
            if (mnw.menu_up == k)
                mnw.menu_up = -1;
            else
                pull_down(k);
            // A title's click is the menu's alone.
            mnw.mouse_clicked = 0;
            return 1;
        }
        int m = mnw.menu_up;
        if (m >= 0 && m < MENU_COUNT) {
            for (int i = 0; i < MENU_ITEMS; ++i) {
                if (!pickable(m, i)) continue;
                if (!fltbox(mx, my, mnw.itemx1[m][i], mnw.itemy1[m][i], mnw.itemx2[m][i], mnw.itemy2[m][i])) continue;
                APPLICATION_handlemenu(m * 100 + i);
                mnw.menu_up = -1;
                // The click is used up: the program's own click handling must not see it.
                mnw.mouse_clicked = 0;
                return 1;
            }
        }
    }

    if (mnw.topwin != 996 && mnw.topwin != 997 && mnw.topwin != 998) {
        const float dy = mnw.dy, dx = mnw.dx;
        if (fltbox(mx, my, -1, dy + 2, 9, dy + 12) || fltbox(mx, my, dx - 10, dy + 2, dx, dy + 12)) {
            draw_pressed_close_boxes();
            OGL_sbuf();
            MACIBM_startwind(0);
            return 1;
        }
    }

    mnw.menu_up = -1;
    return 0;
}

void MACIBM_draw_menu()
{
    const int m = mnw.menu_up;
    if (m < 0 || m >= MENU_COUNT) return;
    // A menu without items has no box to draw.
    if (m_x2 < m_x1 || m_y2 < m_y1) return;

    int sel = -1;
    for (int i = 0; i < MENU_ITEMS; ++i)
        if (pickable(m, i) &&
            fltbox(mnw.mx, mnw.my, mnw.itemx1[m][i], mnw.itemy1[m][i], mnw.itemx2[m][i], mnw.itemy2[m][i] - 1))
            sel = i;
    if (sel >= 0 && m < MENU_HELP_COUNT) {
        mnw.help_x1 = mnw.itemx1[m][sel];
        mnw.help_y2 = mnw.itemy1[m][sel] - 5;
        copy_bounded(mnw.help_message, mnw.item_help[m][sel], sizeof mnw.help_message);
    }

    const float x1 = (float)m_x1, y1 = (float)m_y1, x2 = (float)m_x2, y2 = (float)m_y2;
    OGL_fillrect(18, x1, y1, x2 - x1, y2 - y1);
    if (sel >= 0)
        OGL_fillrect(12, mnw.itemx1[m][sel], mnw.itemy1[m][sel], mnw.itemx2[m][sel] - mnw.itemx1[m][sel],
                     mnw.itemy2[m][sel] - mnw.itemy1[m][sel]);

    OGL_line(6, x1, y1 - 1, x1, y2);
    OGL_line(6, x1, y2, x2, y2);
    OGL_line(22, x2, y2, x2, y1 - 1);
    OGL_line(22, x2, y1 - 1, x1, y1 - 1);

    int prev = -1;
    for (int i = 0; i < MENU_ITEMS; ++i) {
        if (!item_exists(m, i)) continue;
        if (prev >= 0 && mnw.itemx1[m][i] != mnw.itemx1[m][prev]) {
            OGL_line(22, mnw.itemx1[m][i] - 1, y1 - 1, mnw.itemx1[m][i] - 1, y2);
            OGL_line(6, mnw.itemx1[m][i], y1 - 1, mnw.itemx1[m][i], y2);
        }
        prev = i;
    }

    for (int k = 0; k < MENU_COUNT; ++k)
        if (menu_exists(k) && mnw.menu_prnt[k] == m) draw_submenu_arrow(mnw.menux2[k], mnw.menuy1[k]);

    for (int i = 0; i < MENU_ITEMS; ++i) {
        if (!item_exists(m, i)) continue;
        const float ix1 = mnw.itemx1[m][i], iy1 = mnw.itemy1[m][i], ix2 = mnw.itemx2[m][i];
        if (is_separator(m, i)) {
            OGL_line(22, ix1, iy1 + 1, ix2 - 1, iy1 + 1);
            OGL_line(6, ix1, iy1, ix2 - 1, iy1);
            continue;
        }
        OGL_string(i == sel ? 29 : 22, ix1 + 13, iy1 + 2, mnw.item_name[m][i], 999, 6);
        OGL_string(i == sel ? 0 : 6, ix1 + 12, iy1 + 3, mnw.item_name[m][i], 999, 6);
    }

    for (int i = 0; i < MENU_ITEMS; ++i)
        if (pickable(m, i) && program_item_checked(m * 100 + i)) draw_check_mark(mnw.itemx1[m][i], mnw.itemy1[m][i]);
}

void MACIBM_draw_help()
{
    if (!mnw.help_message[0]) return;
    float hx2 = (float)(int)(mnw.help_x1 + 400);
    float hy1 = mnw.help_y2 - 10.0f * (float)((int)strlen(mnw.help_message) / 65) - 15;
    if (hx2 > 790 - mnw.x) {
        float shift = hx2 - 790 + mnw.x;
        mnw.help_x1 -= shift;
        hx2 -= shift;
    }
    if (hy1 < 10 - mnw.y) {
        float rise = 10 - mnw.y - hy1;
        hy1 += rise;
        mnw.help_y2 += rise;
    }
    const float hx1 = mnw.help_x1, hy2 = mnw.help_y2;
    OGL_fillrect(18, hx1 - 5, hy1 - 5, hx2 - hx1 + 10, hy2 - hy1 + 10);
    OGL_fillrect(29, hx1, hy1, hx2 - hx1, hy2 - hy1);
    MACIBM_button(hx1 - 1, hy1 - 1, hx2, hy2, 0);
    MACIBM_button(hx1 - 5, hy1 - 5, hx2 + 5, hy2 + 5, 1);
    MACIBM_button(hx1 - 6, hy1 - 6, hx2 + 4, hy2 + 4, 1);
    OGL_string(41, hx1 + 3, hy2 - 11, mnw.help_message, hx2 - hx1 - 6, 6);
}

void clear_menus()
{
    for (int m = 0; m < MENU_COUNT; ++m) {
        mnw.menu_name[m][0] = 0;
        mnw.menux1[m] = mnw.menuy1[m] = mnw.menux2[m] = mnw.menuy2[m] = -9999;
        for (int i = 0; i < MENU_ITEMS; ++i) {
            mnw.item_name[m][i][0] = 0;
            if (m < MENU_HELP_COUNT) mnw.item_help[m][i][0] = 0;
            mnw.itemx1[m][i] = mnw.itemy1[m][i] = mnw.itemx2[m][i] = mnw.itemy2[m][i] = -9999;
        }
    }
}
