// The editor's window opener, its screens' fields and the per-frame callback.
#include "editor.h"

#include "fabrex_records.h"
#include "screen_table.h"
#include "prop_design.h"
#include "smoothing.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cstddef>
#include <cstring>

namespace fabrex {

namespace {
char name_buffer[600];

const char* location_help(const char* lead, const char* description)
{
    C_plus_C(lead, description, name_buffer);
    app_C(name_buffer,
          " is. The reference point may be any point on the aircraft, but you have to use the SAME reference point "
          "for ALL the data you enter on the aircraft. The nose of the aircraft is a typical reference point.");
    return name_buffer;
}

const screen_entry* open_screen()
{
    return mnw.topwin ? find_screen(mnw.topwin, pln.is_heli) : nullptr;
}

int shows(const field_entry& f, const screen_entry& s)
{
    if (strcmp(f.bitmap, s.bitmap) != 0) return 0;
    return f.mode == BOTH || (f.mode == PLANE) == !pln.is_heli;
}

// The body grids: body, centre-line height.
void body_grid(const screen_entry& s)
{
    static const struct {
        int body;
        float yref;
    } grids[] = {{18, 159}, {19, 129}, {23, 260}, {25, 129}};
    for (const auto& g : grids)
        if (g.body == s.part) edit_body_grid(g.body, g.yref);
}

// Draws and runs one field: 1 when a number button changed its value.
int run_field(const field_entry& f, const screen_entry& s)
{
    int changed = 0;
    float lx, vx, y;
    field_place(f, s, &lx, &vx, &y);
    if (f.shown == IN_ASI_UNITS) OGL_string(22, vx + value_width(f, s) + UNIT_GAP, y, field_unit(f, pln.asi_units), 999, 6);
    char* base = (char*)&pln + f.offset;
    const int part = f.per_part ? (s.part < 0 ? 0 : s.part) : 0;
    float* fv = (float*)base + part;
    int* iv = (int*)base + part;
    const char* help = f.help;
    if (!help) {
        if (f.axis == 'x') help = x_name(f.place);
        else if (f.axis == 'y') help = y_name(f.place);
        else help = z_name(f.place);
    }
    switch (f.kind) {
    case F_RADIO:
        for (int k = 1; k <= f.dig; ++k) inonebool(vx + 14 * (k - 1), y, iv, k);
        if (fltbox(mnw.mx, mnw.my, vx, y - 2, vx + 14 * f.dig, y + 10)) copy_bounded(mnw.help_message, help, sizeof mnw.help_message);
        break;
    case F_COUNT:
        insecbtn(f.per_part ? s.part : 0, (int)vx, (int)y, iv, (int)f.lo, (int)f.hi);
        break;
    case F_TEXT:
        in6charbtn(0, vx, y, base);
        if (fltbox(mnw.mx, mnw.my, vx, y - 2, vx + 60, y + 10)) copy_bounded(mnw.help_message, help, sizeof mnw.help_message);
        break;
    case F_CHOICE:
        in2textbtn(vx, y, f.choice0, f.choice1, 70, iv);
        if (fltbox(mnw.mx, mnw.my, vx, y - 2, vx + 70, y + 10)) copy_bounded(mnw.help_message, help, sizeof mnw.help_message);
        break;
    case F_NOYES:
    case F_CHECK:
        inboolbtn(vx, y, iv, help);
        break;
    case F_FILE: {
        char* name = base + 400 * part;
        if (instringbtn(vx, y, name, (int)f.hi, help) && s.part >= 0 && s.part <= 17) {
            // A new root or tip airfoil brings its thickness.
            if (f.offset == offsetof(planestruct, Rafl0)) assign_foil_thickness(name, s.part, 0);
            if (f.offset == offsetof(planestruct, Tafl0)) assign_foil_thickness(name, s.part, 1);
        }
        break;
    }
    default:
        if (f.is_int) {
            float v = (float)*iv;
            changed = edit_number(vx, y, &v, f.dig, f.dec, f.lo, f.hi, help);
            if (changed) *iv = (int)v;
        } else if (f.shown == CHORD_INCHES) {
            // Blades have one chord, edited in inches: an edit sets root and tip.
            float v = *fv * 12;
            changed = edit_number(vx, y, &v, f.dig, f.dec, f.lo, f.hi, help);
            if (changed) *fv = pln.Ctip[part] = v / 12;
        } else if (f.shown == DISC_TILT) {
            float v = 90 - *fv;
            changed = edit_number(vx, y, &v, f.dig, f.dec, f.lo, f.hi, help);
            if (changed) *fv = 90 - v;
        } else {
            changed = edit_number(vx, y, fv, f.dig, f.dec, f.lo, f.hi, help);
        }
        break;
    }
    return changed;
}

// The propeller screen's design point: a change of the advance alone designs
// from it, any other from RPM and speed; the derived values show this frame.
void run_prop_screen(const screen_entry& s)
{
    const int i = s.part < 0 ? 0 : s.part;
    int adv = 0, other = 0;
    for (int k = 0; k < screen_field_count; ++k) {
        const field_entry& f = screen_fields[k];
        if (!shows(f, s)) continue;
        const int c = run_field(f, s);
        if (f.offset == offsetof(planestruct, des_adv)) adv |= c;
        if (f.offset == offsetof(planestruct, des_rpm) || f.offset == offsetof(planestruct, des_vel)) other |= c;
    }
    if (!mnw.mouse_clicked || !(adv || other)) return;
    design_prop(i, other ? 1 : 0);
    for (int k = 0; k < screen_field_count; ++k) {
        const field_entry& f = screen_fields[k];
        if (!shows(f, s) || f.kind != F_NUMBER) continue;
        const size_t o = f.offset;
        if (o != offsetof(planestruct, des_adv) && o != offsetof(planestruct, des_rpm) && o != offsetof(planestruct, des_vel) &&
            o != offsetof(planestruct, minpitch) && o != offsetof(planestruct, maxpitch))
            continue;
        float lx, vx, y;
        field_place(f, s, &lx, &vx, &y);
        OGL_fillrect(0, vx, y - 2, vx + 10 * f.dig + 6, y + 9);
        OGL_number(19, vx + 3, y, ((float*)((char*)&pln + o))[i], f.dig, f.dec, 10, f.sign);
    }
}
// The radio stack or the engine instruments on the left: a click in the box switches.
void radio_side()
{
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 529, 174, 660, 194)) pln.radiotype = pln.radiotype == 1 ? 2 : 1;
    const int one = pln.radiotype == 1;
    // The columns a letter and more apart, either side of the box's divider.
    OGL_string(one ? 19 : 0, 529, 186, "engine ins", 60, 6);
    OGL_string(one ? 0 : 19, 529, 176, "  radios  ", 60, 6);
    OGL_string(one ? 0 : 19, SWAP_RIGHT_X, 186, "engine ins", 60, 6);
    OGL_string(one ? 19 : 0, SWAP_RIGHT_X, 176, "  radios  ", 60, 6);
}

void panel_slots()
{
    static const float xs[4] = {0, 130, 260, 390};
    for (int c = 1; c <= 8; ++c) fiddle_ins_loc(c, xs[(c - 1) % 4], c <= 4 ? 234.0f : 104.0f);
    radio_side();
}
} // namespace

void insecbtn(int EN, int x, int y, int* num, int mindim, int maxdim)
{
    static char els_help[300];
    if (!els_help[0])
        copy_bounded(els_help,
                     "This is the number of pieces that the wing is broken down into mathematically. The pieces are "
                     "evenly spaced from the root out to the tip.",
                     sizeof els_help);
    float v = (float)*num;
    if (edit_number(x, y, &v, 1, 0, (float)mindim, (float)maxdim, EN == 0 ? "This the number of engines on the aircraft." : els_help))
        *num = (int)v;
    if (EN == 0) {
        for (int e = 0; e < intlim(*num, 0, 4); ++e) {
            const float cx = engine_column_x(e);
            edit_number(cx, engine_row_y[0], &pln.Zarm[e], 4, 1, -999.9f, 999.9f, z_name("prop hub or engine thrust center"));
            edit_number(cx, engine_row_y[1], &pln.Xarm[e], 4, 1, -999.9f, 999.9f, x_name("prop hub or engine thrust center"));
            edit_number(cx, engine_row_y[2], &pln.Yarm[e], 4, 1, -999.9f, 999.9f, y_name("prop hub or engine thrust center"));
        }
        return;
    }
    const screen_entry* s = open_screen();
    if (!s) return;
    const char* const* names;
    const int rows = element_rows(EN, pln.is_heli, &names);
    for (int e = 0; e < intlim(*num, 0, 8); ++e) {
        const float cx = element_column_x(e);
        if (rows > 0)
            edit_number(cx, element_row_y(*s, 0), &pln.anginc[EN][e], INCIDENCE_DIGITS, 1, -99.9f, 99.9f, "The incidence of this piece, degrees.");
        int* wing[] = {pln.ailn[EN] + e, pln.splr[EN] + e, pln.flap[EN] + e, pln.slat[EN] + e, pln.sbrk[EN] + e, pln.drud[EN] + e};
        int* hstab[] = {pln.elev[EN] + e, pln.flap[EN] + e, pln.slat[EN] + e};
        int* vstab[] = {pln.rudd[EN] + e};
        int** controls = EN == 11 ? hstab : (EN == 12 || EN == 13) ? vstab : wing;
        for (int r = 1; r < rows; ++r)
            inboolbtn(cx + CONTROL_BOX_DX, element_row_y(*s, r), controls[r - 1], "This piece carries this control.");
    }
}

void fiddle_ins_loc(int c, int x, int y)
{
    static const char* const kinds[9] = {"           NONE", "       airspeed", "artifcl horizon",
                                         "      altimeter", "  supplementary", "      turn-slip",
                                         "directional gyro", "  vertical speed", "         A.D.F."};
    for (int k = 0; k < 9; ++k) {
        const float lx = x + 24, ly = y - 20 + 10.0f * k;
        if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, lx, ly - 1, lx + 100, ly + 9)) {
            pln.ins_of_loc[c] = k;
            // Each instrument stands in one slot at most.
            for (int o = 1; o <= 8; ++o)
                if (o != c && k != 0 && pln.ins_of_loc[o] == k) pln.ins_of_loc[o] = 0;
        }
        OGL_string(pln.ins_of_loc[c] == k ? 0 : 19, lx, ly, kinds[k], 100, 6);
    }
}

int edit_number(float x, float y, float* var, int dig, int dec, float lo, float hi, const char* help)
{
    float v = *var;
    const int changed = instdbtn_range(0, x, y, &v, dig, dec, lo, hi, help);
    if (changed) *var = v;
    return changed;
}

const char* x_name(const char* d)
{
    return location_help("This is how far to the side of the reference point the ", d);
}

const char* y_name(const char* d)
{
    return location_help("This is how far above the reference point the ", d);
}

const char* z_name(const char* d)
{
    return location_help("This is how far behind the reference point the ", d);
}

} // namespace fabrex

void MACIBM_startwind(int index)
{
    using namespace fabrex;
    const char* title = "";
    float dx = 400, dy = 300;
    const screen_entry* s = nullptr;
    if (!toolkit_window(index, &title, &dx, &dy)) {
        s = find_screen(index, pln.is_heli);
        if (s) {
            title = s->title;
            dx = s->dx;
            dy = s->dy;
        }
    }
    open_window_begin(index, dx, dy);
    if (index == 0) {
        draw_menu_bar();
        // Behind the preview: the sky or black.
        OGL_fillrect(msc.bluesky ? 34 : 29, 0, 0, 800, 583);
        MACIBM_draw_menubar();
        if (!done_initing) {
            if (texbmp_exists(BMP_TO_CANVAS, 0, startup_picture)) OGL_texbmp(BMP_TO_CANVAS, 0, 0, startup_picture);
            MACIBM_showinit(0);
        }
    } else {
        draw_window_frame(title, dx, dy, index != 996 && index != 997 && index != 998);
        // The background carries the labels and units of the screen's fields.
        if (s) OGL_texbmp(BMP_TO_CANVAS, 0, 0, s->bitmap);
        draw_toolkit_window(index);
    }
    open_window_end();
}

void APPLICATION_update()
{
    using namespace fabrex;
    const screen_entry* s = open_screen();
    if (s && mnw.mouse_clicked) msc.planemod = 1;
    if (s) {
        if (!strcmp(s->bitmap, "A_PROP")) run_prop_screen(*s);
        else
            for (int k = 0; k < screen_field_count; ++k)
                if (shows(screen_fields[k], *s)) run_field(screen_fields[k], *s);
        body_grid(*s);
        if (!strcmp(s->bitmap, "A_PANL")) panel_slots();
        if (!strcmp(s->bitmap, "P_ENGN") || !strcmp(s->bitmap, "H_ENGN")) derive_engine_sfc();
    }
    if (!pln.is_heli)
        for (int e = 1; e < 4; ++e) pln.vertcant[e] = pln.vertcant[0];
    derive_fields();
    load_plane_geo(0, 0);
    // The preview needs the GL up.
    if (!mnw.topwin && ogl_ready) {
        msc.dis_to_plane = find_dis_to_plane();
        if (msc.rotate_code == 419 || msc.rotate_code == 420) spin_preview(msc.rotate_code);
        else manage_plot();
    }
}

void process_zap(int old_window)
{
}
