// Backgrounds of the aircraft editor's screens: the window face with each
// field's label, its well and its unit where the editor places the field,
// and the body screens' station grids.
#include "media.h"
#include "media_font.h"

#include "aircraft_editor/screen_table.h"

#include <cstring>
#include <set>
#include <string>

namespace {
const colour FACE = {153, 153, 153};
const colour TEXT = {0, 0, 0};
const colour SOFT = {60, 60, 60};
const colour WELL = {0, 0, 0};
const colour LIGHT = {204, 204, 204};
const colour SHADE = {51, 51, 51};
const colour GRID = {120, 120, 120};

void well(picture& p, float x, float y, float w, float h)
{
    pic_rect(p, WELL, x, y, w, h);
    pic_bevel(p, x - 1, y - 1, w + 2, h + 2, 0, LIGHT, SHADE);
}

const fabrex::screen_entry* screen_of(const char* bitmap)
{
    for (const fabrex::screen_entry* list : {fabrex::plane_screens, fabrex::heli_screens})
        for (const fabrex::screen_entry* s = list; s->id; ++s)
            if (!strcmp(s->bitmap, bitmap)) return s;
    return nullptr;
}

// The station boxes of a body screen, the centre line at yref.
void body_grid(picture& p, int stations, float yref)
{
    for (int s = 0; s < stations; ++s) {
        float x = 66.0f * s + 10;
        pic_frame(p, GRID, x, yref - 63, 61, 126, 1);
        pic_line(p, GRID, x, yref, x + 61, yref, 1);
        pic_line(p, GRID, x + 1, yref - 63, x + 1, yref + 63, 1);
    }
    pic_text(p, SOFT, 10, yref - 95, "Click here to copy a station to the one beside it:", 1);
}
// The per-item columns of a count button: each engine's location, or each
// element's incidence and control boxes, with their row names on the left.
void count_columns(picture& p, const fabrex::screen_entry& s, const fabrex::field_entry& f)
{
    if (!f.per_part) {
        static const char* const rows[3] = {"Hub behind", "Hub beside", "Hub above"};
        for (int r = 0; r < 3; ++r) {
            pic_text(p, TEXT, 20, fabrex::engine_row_y[r], rows[r], 1);
            for (int e = 0; e < 4; ++e) well(p, fabrex::engine_column_x(e) - 5, fabrex::engine_row_y[r] - 2, 51, 11);
        }
        for (int e = 0; e < 4; ++e)
            pic_text(p, SOFT, fabrex::engine_column_x(e), fabrex::engine_row_y[0] + 18, ("Engine " + std::to_string(e + 1)).c_str(), 1);
        pic_text(p, SOFT, fabrex::engine_column_x(4) - 6, fabrex::engine_row_y[0], "ft", 1);
        return;
    }
    const char* const* names;
    const int rows = fabrex::element_rows(s.part, s.bitmap[0] == 'H', &names);
    if (!rows) return;
    pic_text(p, SOFT, 20, fabrex::element_row_y(s, 0) + 16, "Piece:", 1);
    for (int e = 0; e < 8; ++e)
        pic_text(p, SOFT, fabrex::element_column_x(e) + 12, fabrex::element_row_y(s, 0) + 16, std::to_string(e + 1).c_str(), 1);
    for (int r = 0; r < rows; ++r) {
        pic_text(p, TEXT, 20, fabrex::element_row_y(s, r), names[r], 1);
        for (int e = 0; e < 8 && r == 0; ++e) well(p, fabrex::element_column_x(e) - 5, fabrex::element_row_y(s, 0) - 2, 40, 11);
    }
}
} // namespace

const char* const* fabrex_bitmap_names(int* count)
{
    static std::set<std::string> names;
    static const char* list[64];
    static int n = 0;
    if (!n)
        for (const fabrex::screen_entry* l : {fabrex::plane_screens, fabrex::heli_screens})
            for (const fabrex::screen_entry* s = l; s->id; ++s)
                if (names.insert(s->bitmap).second) list[n++] = s->bitmap;
    *count = n;
    return list;
}

picture make_fabrex_bitmap(const char* name)
{
    const fabrex::screen_entry* s = screen_of(name);
    if (!s) return picture{};
    picture p = pic_new((int)s->dx, (int)s->dy, FACE);
    for (int k = 0; k < fabrex::screen_field_count; ++k) {
        const fabrex::field_entry& f = fabrex::screen_fields[k];
        if (strcmp(f.bitmap, name) != 0) continue;
        float lx, vx, y;
        fabrex::field_place(f, *s, &lx, &vx, &y);
        pic_text(p, TEXT, lx, fabrex::field_label_y(f, y), f.label, 1);
        const bool digits = f.kind == fabrex::F_NUMBER || f.kind == fabrex::F_COUNT;
        const float w = fabrex::value_width(f, *s);
        if (digits || f.kind == fabrex::F_FILE || f.kind == fabrex::F_TEXT)
            well(p, vx - (f.sign ? 5 : 0), y - 2, w + (f.sign ? 5 : 0), 11);
        if (f.kind == fabrex::F_FILE) pic_file_button(p, vx, y);
        if (f.kind == fabrex::F_COUNT) count_columns(p, *s, f);
        // The editor names the indicator's speed unit, which the aircraft sets.
        if (f.shown != fabrex::IN_ASI_UNITS) pic_text(p, SOFT, vx + w + fabrex::UNIT_GAP, y, f.unit, 1);
    }
    if (!strcmp(name, "A_PANL")) {
        // The eight instrument slots and the radio box.
        for (int c = 0; c < 8; ++c) {
            float x = 130.0f * (c % 4) + 20, y = c < 4 ? 234.0f : 104.0f;
            pic_frame(p, GRID, x, y - 24, 104, 94, 1);
            pic_text(p, TEXT, x + 4, y + 74, ("Slot " + std::to_string(c + 1)).c_str(), 1);
        }
        pic_frame(p, GRID, 527, 172, 135, 24, 1);
        pic_line(p, GRID, fabrex::SWAP_DIVIDER_X, 172, fabrex::SWAP_DIVIDER_X, 196, 1);
        pic_text(p, TEXT, 529, 200, "Click to swap sides:", 1);
    }
    if (!strcmp(name, "A_FUSE")) body_grid(p, 11, 159);
    if (!strcmp(name, "A_NACE") || !strcmp(name, "A_FAIR")) body_grid(p, 7, 129);
    if (!strcmp(name, "A_MISC")) body_grid(p, 7, 260);
    return p;
}
