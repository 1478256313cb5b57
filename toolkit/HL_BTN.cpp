// Input widgets: check and radio boxes, multiple-choice texts, identifier
// and numeric fields, the file-name button and the scrolling name list.
#include "HL_BTN.h"

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "HL_TEXT.h"

#include <cstring>

float select_val;
int slider_grabbed;

namespace {
int mouse_in(float x1, float y1, float x2, float y2)
{
    return fltbox(mnw.mx, mnw.my, x1, y1, x2, y2);
}

int clicked_in(float x1, float y1, float x2, float y2)
{
    return mnw.mouse_clicked && mouse_in(x1, y1, x2, y2);
}

void set_help(float x, float y, const char* help)
{
    mnw.help_x1 = x;
    mnw.help_y2 = y - 20;
    copy_bounded(mnw.help_message, help, sizeof mnw.help_message);
}

// Into lo..hi however far outside it the value was left.
int wrap_into(int v, int lo, int hi)
{
    int n = hi - lo + 1;
    int r = (v - lo) % n;
    if (r < 0) r += n;
    return lo + r;
}

int choice_button(float x, float y, const char* const* texts, int count, int lo, float dx, int* var)
{
    int stepped = 0;
    float x1, y1, x2, y2;
    choice_button_box(x, y, dx, &x1, &y1, &x2, &y2);
    if (clicked_in(x1, y1, x2, y + 3)) {
        --*var;
        stepped = 1;
    }
    if (clicked_in(x1, y + 3, x2, y2)) {
        ++*var;
        stepped = 1;
    }
    *var = wrap_into(*var, lo, lo + count - 1);
    OGL_string(47, x, y, texts[*var - lo], 999, 6);
    return stepped;
}

// The identifier alphabet: 0 blank, 1-10 "0"-"9", 11-36 "A"-"Z"; any other
// character reads as "0".
int id_code(char c)
{
    if (c == ' ') return 0;
    if (c >= '0' && c <= '9') return 1 + c - '0';
    if (c >= 'A' && c <= 'Z') return 11 + c - 'A';
    return 1;
}

char id_char(int code)
{
    if (code == 0) return ' ';
    if (code >= 1 && code <= 10) return (char)('0' + code - 1);
    if (code >= 11 && code <= 36) return (char)('A' + code - 11);
    return '0';
}

int char_button(int color, float x, float y, char* string, int count)
{
    int stepped = 0;
    if (mnw.mouse_clicked) {
        // One column per click: a click on the line between two takes the left one.
        float x1, y1, x2, y2;
        char_button_box(x, y, count, &x1, &y1, &x2, &y2);
        int hit = -1;
        for (int k = 0; k < count && hit < 0; ++k)
            if (mouse_in(x1 + 10 * k, y1, x1 + 10 * (k + 1), y2)) hit = k;
        if (hit >= 0) {
            int codes[6];
            for (int k = 0; k < count; ++k) codes[k] = id_code(string[k]);
            codes[hit] = intlim(codes[hit] + (mnw.my < y + 3 ? 1 : -1), 0, 36);
            for (int k = 0; k < count; ++k) string[k] = id_char(codes[k]);
            string[count] = 0;
            stepped = 1;
        }
    }
    OGL_string(color, x + 3, y, string, 999, 10);
    return stepped;
}

double ten_to(int n)
{
    double p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    for (int i = 0; i > n; --i) p /= 10;
    return p;
}

void draw_knob(float x, float y)
{
    OGL_fillrect(48, x, y, 14, 14);
    OGL_line(46, x, y, x, y + 14);
    OGL_line(46, x, y + 14, x + 14, y + 14);
    OGL_line(50, x + 14, y + 14, x + 14, y);
    OGL_line(50, x + 14, y, x, y);
}
} // namespace

void block(float x, float y, int on)
{
    const int light = on ? 46 : 50, face = on ? 49 : 51, dark = on ? 50 : 52;
    OGL_line(light, x, y, x + 7, y);
    OGL_line(light, x, y + 1, x + 6, y + 1);
    OGL_line(light, x, y + 2, x, y + 7);
    OGL_line(light, x + 1, y + 2, x + 1, y + 6);
    OGL_fillrect(face, x + 2, y + 2, 5, 5);
    OGL_line(dark, x + 7, y + 1, x + 7, y + 8);
    OGL_line(dark, x + 8, y, x + 8, y + 8);
    OGL_line(dark, x + 1, y + 7, x + 6, y + 7);
    OGL_line(dark, x, y + 8, x + 8, y + 8);
}

int inboolbtn(float x, float y, int* var, const char* help)
{
    int toggled = 0;
    float x1, y1, x2, y2;
    check_button_box(x, y, &x1, &y1, &x2, &y2);
    if (clicked_in(x1, y1, x2, y2)) {
        *var = *var == 0 ? 1 : 0;
        toggled = 1;
    }
    block(x, y, *var);
    if (mouse_in(x1, y1, x2, y2)) set_help(x, y, help);
    return toggled;
}

void inintbtn(float x, float y, int* var, const char* help)
{
    float x1, y1, x2, y2;
    check_button_box(x, y, &x1, &y1, &x2, &y2);
    if (clicked_in(x1, y1, x2, y2)) *var = *var == 0 ? 1 : 0;
    block(x, y, *var == 1);
    if (mouse_in(x1, y1, x2, y2)) set_help(x, y, help);
}

void inonebool(float x, float y, int* var, int boxnum)
{
    float x1, y1, x2, y2;
    radio_button_box(x, y, &x1, &y1, &x2, &y2);
    if (clicked_in(x1, y1, x2, y2)) *var = boxnum;
    block(x, y, *var == boxnum);
}

int in2textbtn(float x, float y, const char* C1, const char* C2, float dx, int* var)
{
    const char* texts[] = {C1, C2};
    return choice_button(x, y, texts, 2, 0, dx, var);
}

int in3textbtn(float x, float y, const char* C1, const char* C2, const char* C3, float dx, int* var)
{
    const char* texts[] = {C1, C2, C3};
    return choice_button(x, y, texts, 3, 1, dx, var);
}

int in4textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, float dx, int* var)
{
    const char* texts[] = {C1, C2, C3, C4};
    return choice_button(x, y, texts, 4, 1, dx, var);
}

int in5textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, const char* C5,
               float dx, int* var)
{
    const char* texts[] = {C1, C2, C3, C4, C5};
    return choice_button(x, y, texts, 5, 1, dx, var);
}

int in6textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, const char* C5,
               const char* C6, float dx, int* var)
{
    const char* texts[] = {C1, C2, C3, C4, C5, C6};
    return choice_button(x, y, texts, 6, 1, dx, var);
}

int in8textbtn(float x, float y, const char* C1, const char* C2, const char* C3, const char* C4, const char* C5,
               const char* C6, const char* C7, const char* C8, float dx, int* var)
{
    const char* texts[] = {C1, C2, C3, C4, C5, C6, C7, C8};
    return choice_button(x, y, texts, 8, 1, dx, var);
}

int in4charbtn(int color, float x, float y, char* string)
{
    return char_button(color, x, y, string, 4);
}

int in6charbtn(int color, float x, float y, char* string)
{
    return char_button(color, x, y, string, 6);
}

int instdbtn_range(int color, float x, float y, float* var, int dig, int dec, float lo, float hi, const char* help)
{
    dig = intlim(dig, 1, 7);
    const int ordinal = ++select_ctr;
    int clicked = 0;
    float x1, y1, x2, y2;
    number_button_box(x, y, dig, &x1, &y1, &x2, &y2);

    if (clicked_in(x1, y1, x2, y2)) {
        select_ind = ordinal;
        select_val = *var;
    }
    // The edited value holds even if the handler recomputes the variable each frame.
    if (select_ind == ordinal) *var = select_val;

    if (mnw.mouse_clicked) {
        const double p1 = ten_to(dig - 1) / ten_to(dec);
        for (int k = 0; k < dig; ++k) {
            const float cx1 = x1 + 10 * k, cx2 = x1 + 10 * (k + 1);
            if (!mouse_in(cx1, y1, cx2, y - 4) && !mouse_in(cx1, y + 10, cx2, y2)) continue;
            const double place = p1 / ten_to(k);
            *var = (float)((double)*var + (mnw.my < y + 3 ? -place : place));
            select_val = *var;
            clicked = 1;
            // One digit per click: a click on the line between two takes the left one.
            break;
        }
    }

    *var = fltlim(*var, lo, hi);
    // The edit goes on from the value shown, not from beyond the range.
    if (select_ind == ordinal) select_val = *var;
    OGL_number(color, x + 3, y, *var, dig, dec, 10, lo < 0);
    if (mouse_in(x, y - 14, x + 10 * (dig + 1), y + 20)) set_help(x, y, help);
    return clicked;
}

int instdbtn(int color, float x, float y, float* var, int dig, int dec, int sign, const char* help)
{
    static const double nines[7] = {9, 9.9, 9.99, 9.999, 9.9999, 9.99999, 9.999999};
    dig = intlim(dig, 1, 7);
    const float hi = (float)(ten_to(dig - 1) / ten_to(dec) * nines[dig - 1]);
    const float lo = sign ? -hi : 0;
    return instdbtn_range(color, x, y, var, dig, dec, lo, hi, help);
}

void check_button_box(float x, float y, float* x1, float* y1, float* x2, float* y2)
{
    *x1 = x - 2;
    *y1 = y - 2;
    *x2 = x + 9;
    *y2 = y + 9;
}

void radio_button_box(float x, float y, float* x1, float* y1, float* x2, float* y2)
{
    *x1 = x;
    *y1 = y;
    *x2 = x + 10;
    *y2 = y + 10;
}

void choice_button_box(float x, float y, float dx, float* x1, float* y1, float* x2, float* y2)
{
    *x1 = x + dx;
    *y1 = y - 17;
    *x2 = x + dx + 15;
    *y2 = y + 23;
}


// The digits' columns, 10 wide: the strip from 14 below to 4 below the line
// takes away, from 10 above to 20 above adds; between them a click only
// selects the field.
void number_button_box(float x, float y, int dig, float* x1, float* y1, float* x2, float* y2)
{
    *x1 = x;
    *y1 = y - 14;
    *x2 = x + 10.0f * dig;
    *y2 = y + 20;
}

// The characters' columns are laid out as a number's digits.
void char_button_box(float x, float y, int count, float* x1, float* y1, float* x2, float* y2)
{
    number_button_box(x, y, count, x1, y1, x2, y2);
}

void file_button_box(float x, float y, float* x1, float* y1, float* x2, float* y2)
{
    *x1 = x - 20;
    *y1 = y - 7;
    *x2 = x;
    *y2 = y + 13;
}

int instringbtn(float x, float y, char* C_file, int file_type, const char* help)
{
    int clicked = 0;
    float x1, y1, x2, y2;
    file_button_box(x, y, &x1, &y1, &x2, &y2);
    if (clicked_in(x1, y1, x2, y2)) {
        file_button_folder_begin(file_type);
        MACIBM_open(file_type, C_file, C_s);
        file_button_folder_end();
        clicked = 1;
    }
    OGL_string(47, x, y, C_file, 999, 6);
    if (mouse_in(x1, y1, x2, y2)) set_help(x, y, help);
    return clicked;
}

void plot_name_list(float os_x, float os_y, const char* name, const char* id, int* center_index, int ind1, int ind2)
{
    if (!mnw.now_dragging) slider_grabbed = 0;
    // An empty list has nothing to scroll or show.
    if (ind2 < ind1) {
        OGL_framerect(46, os_x + 5, os_y - 2, 259, 10);
        return;
    }

    const float my = mnw.my;
    if (!slider_grabbed && (mnw.mouse_clicked || mnw.delay_dragging)) {
        if (mouse_in(os_x + 278, os_y + 57, os_x + 295, os_y + 71)) --*center_index;
        if (mouse_in(os_x + 278, os_y - 64, os_x + 295, os_y - 50)) ++*center_index;
    }
    if (clicked_in(os_x, os_y - 64, os_x + 270, os_y + 71))
        *center_index = (int)((float)*center_index - (my - os_y - 5) / 10);
    if ((mnw.now_dragging || slider_grabbed) && mouse_in(os_x + 278, os_y - 49, os_x + 295, os_y + 56)) {
        slider_grabbed = 1;
        *center_index = (int)fltlim(interp(os_y + 49, (float)ind1, os_y - 42, (float)ind2, my), (float)ind1,
                                    (float)ind2);
    }
    *center_index = intlim(*center_index, ind1, ind2);

    // A list of one entry keeps its knob at the top.
    float knob_y = ind2 > ind1 ? interp((float)ind1, os_y + 49, (float)ind2, os_y - 42, (float)*center_index)
                               : os_y + 49;
    draw_knob(os_x + 280, knob_y - 7);

    static char row_name[41];
    static char row_id[6];
    for (int c = -6; c <= 6; ++c) {
        const int e = *center_index + c;
        if (e < ind1 || e > ind2) continue;
        const float y = os_y - 10.0f * c;
        memcpy(row_name, name + 40 * e, 40);
        row_name[40] = 0;
        memcpy(row_id, id + 5 * e, 5);
        row_id[5] = 0;
        OGL_string(47, os_x + 8, y, row_name, 228, 6);
        OGL_string(47, os_x + 238, y, row_id, 999, 6);
    }
    OGL_framerect(46, os_x + 5, os_y - 2, 259, 10);
}
