// The screens' buttons run headless, drawn into the canvas: the count
// buttons' columns, the propeller design point, the blade chord and the
// rotor disc tilt.
#include "fabrex_fixture.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "aircraft_editor/screen_table.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

using namespace fabrex;

// The texts the editor writes over its screens, and where.
struct written {
    float x, y;
    std::string text;
};
static std::vector<written> texts;
extern "C" void __real__Z10OGL_stringiffPKcff(int, float, float, const char*, float, float);
extern "C" void __wrap__Z10OGL_stringiffPKcff(int c, float x, float y, const char* s, float dx, float pitch)
{
    texts.push_back({x, y, s ? s : ""});
    __real__Z10OGL_stringiffPKcff(c, x, y, s, dx, pitch);
}

namespace {
class Screens : public Editor {
protected:
    void SetUp() override
    {
        Editor::SetUp();
        to_array = 1;
        setup_baseplane("Untitled.acf", "Untitled.acf");
    }
    void TearDown() override
    {
        to_array = 0;
        mnw.topwin = 0;
        mnw.mouse_clicked = 0;
        Editor::TearDown();
    }
};

// How wide a text of 6-unit letters is drawn.
float text_w(const char* s)
{
    return s && *s ? 6.0f * (float)strlen(s) - 1 : 0;
}

// One frame of screen id with the mouse at (x, y), clicked or not.
void frame(int id, float x, float y, int clicked = 1)
{
    mnw.topwin = id;
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = clicked;
    APPLICATION_update();
    mnw.mouse_clicked = 0;
    APPLICATION_update();
}

// Where the value of the field at `offset` stands on screen id.
void value_at(int id, size_t offset, float* x, float* y)
{
    const screen_entry* s = find_screen(id, pln.is_heli);
    ASSERT_NE(s, nullptr);
    for (int n = 0; n < screen_field_count; ++n) {
        const field_entry& f = screen_fields[n];
        if (f.offset != offset || std::string(f.bitmap) != s->bitmap) continue;
        float lx;
        field_place(f, *s, &lx, x, y);
        return;
    }
    FAIL() << "no field at offset " << offset << " on screen " << id;
}

// Where digit k of the number field at `offset` stands on screen id, raised
// (a click there steps it up) or lowered.
void digit_at(int id, size_t offset, int k, int up, float* x, float* y)
{
    value_at(id, offset, x, y);
    *x += 10 * k + 5;
    *y += up ? 10 : -5;
}

void click_digit(int id, size_t offset, int k, int up)
{
    float x, y;
    digit_at(id, offset, k, up, &x, &y);
    frame(id, x, y);
}
} // namespace

TEST_F(Screens, EngineCountShowsOneLocationColumnPerEngine)
{
    pln.numen = 2;
    // Engine 2's "behind" button, its units digit up; engine 3's is not there.
    frame(205, engine_column_x(1) + 25, engine_row_y[0] + 10);
    EXPECT_FLOAT_EQ(pln.Zarm[1], 1.0f);
    frame(205, engine_column_x(2) + 25, engine_row_y[0] + 10);
    EXPECT_FLOAT_EQ(pln.Zarm[2], 0.0f);
    frame(205, engine_column_x(0) + 25, engine_row_y[2] - 5);
    EXPECT_FLOAT_EQ(pln.Yarm[0], -1.0f);
    // The count itself, kept within 0..4.
    click_digit(205, offsetof(planestruct, numen), 0, 1);
    EXPECT_EQ(pln.numen, 3);
}

TEST_F(Screens, ElementColumnsEditIncidenceAndControls)
{
    const screen_entry* wing = find_screen(208, 0);
    ASSERT_EQ(pln.els[5], 6);
    frame(208, element_column_x(3) + 15, element_row_y(*wing, 0) + 10);
    EXPECT_FLOAT_EQ(pln.anginc[5][3], 1.0f);
    frame(208, element_column_x(2) + 12, element_row_y(*wing, 3) + 2);   // flap
    EXPECT_EQ(pln.flap[5][2], 1);
    EXPECT_EQ(pln.ailn[5][2], 0);
    // A column past the element count is not there.
    frame(208, element_column_x(6) + 12, element_row_y(*wing, 1) + 2);
    EXPECT_EQ(pln.ailn[5][6], 0);
    // The vertical stabiliser's only control is the rudder.
    const screen_entry* fin = find_screen(212, 0);
    frame(212, element_column_x(0) + 12, element_row_y(*fin, 1) + 2);
    EXPECT_EQ(pln.rudd[12][0], 1);
}

// A click on the middle of a piece's control box turns that control on and a
// second one off; the piece's incidence, just above the box, stays as it was.
TEST_F(Screens, ControlBoxClicksLeaveTheIncidenceAboveAlone)
{
    APPLICATION_handlemenu(100);   // File > New
    const struct {
        int id;
        int part;
        int* box;
    } cases[] = {
        {208, 5, &pln.ailn[5][3]},    // Wing 1, piece 4's aileron
        {211, 11, &pln.elev[11][3]},  // the horizontal stabiliser's elevator
        {212, 12, &pln.rudd[12][3]},  // Vertical Stab 1's rudder
    };
    for (const auto& c : cases) {
        APPLICATION_handlemenu(c.id);
        const screen_entry* s = find_screen(c.id, 0);
        ASSERT_GE(pln.els[c.part], 4) << c.id;
        float x1, y1, x2, y2;
        check_button_box(element_column_x(3) + CONTROL_BOX_DX, element_row_y(*s, 1), &x1, &y1, &x2, &y2);
        for (int want : {1, 0}) {
            frame(c.id, (x1 + x2) / 2, (y1 + y2) / 2);
            EXPECT_EQ(*c.box, want) << c.id;
            EXPECT_FLOAT_EQ(pln.anginc[c.part][3], 0.0f) << c.id;
        }
    }
}

// The simulator reads the V-speeds in the airspeed indicator's units: the unit
// after each names them, and the background leaves its place blank.
TEST_F(Screens, VSpeedUnitsFollowTheIndicatorsUnits)
{
    const size_t speeds[] = {offsetof(planestruct, Vso), offsetof(planestruct, Vs), offsetof(planestruct, Vfe),
                             offsetof(planestruct, Vno), offsetof(planestruct, Vne)};
    for (int heli : {0, 1}) {
        pln.is_heli = heli;
        setup_baseplane("Untitled.acf", "Untitled.acf");
        const screen_entry* s = find_screen(200, heli);
        mnw.x = mnw.y = 0;
        OGL_texbmp(BMP_TO_CANVAS, 0, 0, s->bitmap);
        std::vector<written> units;   // each speed's unit place, and its label
        for (int k = 0; k < screen_field_count; ++k) {
            const field_entry& f = screen_fields[k];
            if (strcmp(f.bitmap, s->bitmap) || std::find(std::begin(speeds), std::end(speeds), f.offset) == std::end(speeds)) continue;
            float lx, vx, y;
            field_place(f, *s, &lx, &vx, &y);
            units.push_back({vx + value_width(f, *s) + UNIT_GAP, y, f.label});
        }
        EXPECT_EQ(units.size(), heli ? 1u : 5u);
        for (const written& u : units) {
            const unsigned char* face = &rgb_array[((size_t)u.y * CANVAS_W + (size_t)u.x) * 3];
            int marks = 0;
            for (int py = (int)u.y - 1; py < u.y + 9; ++py)
                for (int px = (int)u.x - 1; px < u.x + 19; ++px) marks += memcmp(&rgb_array[((size_t)py * CANVAS_W + px) * 3], face, 3) != 0;
            EXPECT_EQ(marks, 0) << s->bitmap << " \"" << u.text << "\" has a unit on its background";
        }
        for (const auto& c : {std::make_pair(1, "mph"), std::make_pair(2, "kts")}) {
            pln.asi_units = c.first;
            texts.clear();
            frame(200, 0, 0, 0);
            for (const written& u : units) {
                int named = 0;
                for (const written& t : texts)
                    if (t.x == u.x && t.y == u.y) {
                        EXPECT_EQ(t.text, c.second) << u.text;
                        ++named;
                    }
                EXPECT_GT(named, 0) << s->bitmap << " \"" << u.text << "\" has no unit with speed units " << c.first;
            }
        }
    }
}

// Each engine's sense of rotation has its button beside its label on the
// airplane's Propellers screen and on both rotor screens of a helicopter.
TEST_F(Screens, EveryTurnsLabelHasItsButton)
{
    for (int heli : {0, 1}) {
        pln.is_heli = heli;
        setup_baseplane("Untitled.acf", "Untitled.acf");
        for (int id : heli ? std::vector<int>{206, 207} : std::vector<int>{206}) {
            const screen_entry* s = find_screen(id, heli);
            for (int e = 0; e < 4; ++e) {
                const std::string label = "Turns, eng. " + std::to_string(e + 1);
                const field_entry* f = nullptr;
                for (int k = 0; k < screen_field_count; ++k)
                    if (!strcmp(screen_fields[k].bitmap, s->bitmap) && label == screen_fields[k].label) f = &screen_fields[k];
                ASSERT_NE(f, nullptr) << label;
                float lx, vx, y, x1, y1, x2, y2;
                field_place(*f, *s, &lx, &vx, &y);
                choice_button_box(vx, y, value_width(*f, *s), &x1, &y1, &x2, &y2);
                const int was = pln.propdir[e];
                frame(id, (x1 + x2) / 2, y2 - 2);
                EXPECT_NE(pln.propdir[e], was) << s->title << " " << label;
            }
        }
    }
}

// The swap box's two columns stand apart: each "engine ins" clear of the other.
TEST_F(Screens, SwapBoxColumnsStandApart)
{
    texts.clear();
    frame(201, 0, 0, 0);
    std::vector<float> xs;
    for (const written& t : texts)
        if (t.text == "engine ins") xs.push_back(t.x);
    ASSERT_EQ(xs.size(), 4u);   // two frames of two columns
    std::sort(xs.begin(), xs.end());
    EXPECT_GE(xs[2] - (xs[0] + text_w("engine ins")), 6.0f);
}

TEST_F(Screens, PropellerDesignFollowsTheButtonThatChanged)
{
    pln.semilen[0] = 3;
    pln.els[0] = 8;
    pln.des_rpm[0] = 2400;
    pln.des_adv[0] = 59;
    // The advance's units digit up: 60 inches a turn, designed from it.
    click_digit(206, offsetof(planestruct, des_adv), 2, 1);
    EXPECT_FLOAT_EQ(pln.des_adv[0], 60);
    EXPECT_NEAR(pln.anginc[0][0], 76.7f, 0.1f);
    EXPECT_NEAR(pln.anginc[0][7], 15.8f, 0.1f);
    EXPECT_NEAR(pln.des_vel[0], 118.5f, 0.2f);
    // A new RPM designs from RPM and speed: the advance follows.
    const float vel = pln.des_vel[0];
    click_digit(206, offsetof(planestruct, des_rpm), 1, 1);
    EXPECT_FLOAT_EQ(pln.des_rpm[0], 3400);
    EXPECT_NEAR(pln.des_adv[0], 60.0f * 2400 / 3400 * vel / 118.5f, 0.5f);
}

TEST_F(Screens, BladeChordInInchesAndDiscTilt)
{
    pln.Croot[0] = 0.5f;
    pln.Ctip[0] = 0.2f;
    frame(206, 0, 0, 0);
    EXPECT_FLOAT_EQ(pln.Croot[0], 0.5f);   // only shown: the taper stays
    EXPECT_FLOAT_EQ(pln.Ctip[0], 0.2f);
    click_digit(206, offsetof(planestruct, Croot), 1, 1);   // 6.0 in to 7.0 in
    EXPECT_NEAR(pln.Croot[0], 7.0f / 12, 1e-5f);
    EXPECT_FLOAT_EQ(pln.Ctip[0], pln.Croot[0]);   // one chord per blade

    pln.is_heli = 1;
    setup_baseplane("Untitled.acf", "Untitled.acf");
    ASSERT_FLOAT_EQ(pln.vertcant[0], 90);
    click_digit(208, offsetof(planestruct, vertcant), 0, 1);   // tilt 0.0 to 1.0 forward
    EXPECT_NEAR(pln.vertcant[0], 89.0f, 1e-4f);
}

namespace {
// What a field draws, or where it answers clicks.
struct rect {
    float x1, y1, x2, y2;
    std::string what;
    char kind;   // 'd' drawn, 'c' clicked
};

bool overlap(const rect& a, const rect& b)
{
    return a.kind == b.kind && a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2;
}

// Where a button acts, from the toolkit's own zone of that button.
using zone_of = void (*)(float, float, float*, float*, float*, float*);
rect zone(zone_of box, float x, float y, const std::string& what)
{
    rect r{0, 0, 0, 0, what, 'c'};
    box(x, y, &r.x1, &r.y1, &r.x2, &r.y2);
    return r;
}

rect digits_zone(float x, float y, int dig, const std::string& what)
{
    rect r{0, 0, 0, 0, what, 'c'};
    number_button_box(x, y, dig, &r.x1, &r.y1, &r.x2, &r.y2);
    return r;
}

// What a field draws on its screen (its label, value and unit) and where its
// widget answers clicks (the toolkit's zones); a count button's columns too.
std::vector<rect> extent(const field_entry& f, const screen_entry& s, int is_heli)
{
    float lx, vx, y;
    field_place(f, s, &lx, &vx, &y);
    const std::string name = std::string(s.title) + " \"" + f.label + "\"";
    const float w = value_width(f, s);
    std::vector<rect> r;
    const float ly = field_label_y(f, y);
    if (*f.label) r.push_back({lx, ly, lx + text_w(f.label), ly + 7, name + " label", 'd'});
    if (*f.unit) r.push_back({vx + w + UNIT_GAP, y, vx + w + UNIT_GAP + text_w(f.unit), y + 7, name + " unit", 'd'});
    switch (f.kind) {
    case F_NUMBER:
    case F_COUNT:
        r.push_back({vx - (f.sign ? 5.0f : 0.0f), y - 2, vx + w, y + 9, name, 'd'});
        r.push_back(digits_zone(vx, y, f.dig, name + " digits"));
        break;
    case F_TEXT: {
        r.push_back({vx, y - 2, vx + w, y + 9, name, 'd'});
        rect c{0, 0, 0, 0, name + " letters", 'c'};
        char_button_box(vx, y, 6, &c.x1, &c.y1, &c.x2, &c.y2);
        r.push_back(c);
        break;
    }
    case F_RADIO:
        r.push_back({vx, y, vx + w, y + 10, name, 'd'});
        for (int k = 0; k < f.dig; ++k) r.push_back(zone(radio_button_box, vx + 14.0f * k, y, name + " box " + std::to_string(k + 1)));
        break;
    case F_CHOICE: {
        r.push_back({vx, y - 2, vx + w, y + 9, name, 'd'});
        rect c{0, 0, 0, 0, name + " arrows", 'c'};
        choice_button_box(vx, y, w, &c.x1, &c.y1, &c.x2, &c.y2);
        r.push_back(c);
        break;
    }
    case F_FILE:
        r.push_back({vx - 20, y - 7, vx + w, y + 13, name, 'd'});
        r.push_back(zone(file_button_box, vx, y, name + " button"));
        break;
    default:
        r.push_back({vx - 2, y - 2, vx + 9, y + 9, name, 'd'});
        r.push_back(zone(check_button_box, vx, y, name + " box"));
        break;
    }
    if (f.kind == F_COUNT && !f.per_part) {
        r.push_back({20, engine_row_y[2] - 2, engine_column_x(4) + 6, engine_row_y[0] + 25, name + " engine columns", 'd'});
        for (int e = 0; e < 4; ++e)
            for (int k = 0; k < 3; ++k)
                r.push_back(digits_zone(engine_column_x(e), engine_row_y[k], 4, name + " engine " + std::to_string(e + 1) + " row " + std::to_string(k + 1)));
    }
    const char* const* rows;
    const int n = f.kind == F_COUNT && f.per_part ? element_rows(s.part, is_heli, &rows) : 0;
    if (n) {
        r.push_back({20, element_row_y(s, n - 1) - 2, element_column_x(8), element_row_y(s, 0) + 23, name + " element columns", 'd'});
        // Every piece the count allows: its incidence and its control boxes.
        for (int e = 0; e < (int)f.hi; ++e) {
            const std::string piece = name + " piece " + std::to_string(e + 1) + " ";
            r.push_back(digits_zone(element_column_x(e), element_row_y(s, 0), INCIDENCE_DIGITS, piece + rows[0]));
            for (int k = 1; k < n; ++k)
                r.push_back(zone(check_button_box, element_column_x(e) + CONTROL_BOX_DX, element_row_y(s, k), piece + rows[k] + " box"));
        }
    }
    return r;
}
} // namespace

// Every field of every screen has a place of its own inside the screen: no
// two fields overprint, no two buttons, a count's columns among them, share a
// click, and no field stands twice.
TEST(ScreenTable, EveryFieldHasItsOwnPlaceInsideItsScreen)
{
    for (int is_heli : {0, 1})
        for (const screen_entry* s = is_heli ? heli_screens : plane_screens; s->id; ++s) {
            std::vector<rect> taken;
            std::vector<size_t> offsets;
            for (int k = 0; k < screen_field_count; ++k) {
                const field_entry& f = screen_fields[k];
                if (strcmp(f.bitmap, s->bitmap) || (f.mode != BOTH && (f.mode == HELI) != (is_heli == 1))) continue;
                for (size_t o : offsets) EXPECT_NE(o, f.offset) << s->title << " shows \"" << f.label << "\" twice";
                offsets.push_back(f.offset);
                const std::vector<rect> mine = extent(f, *s, is_heli);
                for (const rect& r : mine) {
                    EXPECT_TRUE(r.x1 >= 0 && r.y1 >= 0 && r.x2 <= s->dx && r.y2 <= s->dy)
                        << r.what << " reaches outside its screen: " << r.x1 << " " << r.y1 << " " << r.x2 << " " << r.y2;
                    for (const rect& t : taken) EXPECT_FALSE(overlap(r, t)) << r.what << " meets " << t.what;
                }
                for (size_t a = 0; a < mine.size(); ++a)
                    for (size_t b = a + 1; b < mine.size(); ++b) EXPECT_FALSE(overlap(mine[a], mine[b])) << mine[a].what << " meets " << mine[b].what;
                taken.insert(taken.end(), mine.begin(), mine.end());
            }
        }
}

// The flight model reads whether the fuselage sits in the propwash and where
// the gear struts are attached: the fuselage and gear screens edit them.
TEST_F(Screens, PropwashAndStrutAttachmentsAreEditedOnTheirScreens)
{
    float x, y;
    value_at(217, offsetof(planestruct, fusewash), &x, &y);
    frame(217, x + 3, y + 3);
    EXPECT_EQ(pln.fusewash, 1);
    const struct {
        size_t offset;
        int up;
        float* field;
        float want;
    } struts[] = {
        {offsetof(planestruct, ngearZ_att), 1, &pln.ngearZ_att, 1},  {offsetof(planestruct, ngearY_att), 0, &pln.ngearY_att, -1},
        {offsetof(planestruct, mgearZ_att), 1, &pln.mgearZ_att, 1},  {offsetof(planestruct, mgearX_att), 1, &pln.mgearX_att, 1},
        {offsetof(planestruct, mgearY_att), 0, &pln.mgearY_att, -1},
    };
    for (const auto& c : struts) {
        click_digit(225, c.offset, 2, c.up);
        EXPECT_FLOAT_EQ(*c.field, c.want) << c.offset;
    }
}

// A file field's chooser opens from its button, the strip left of the name,
// in the folder its files belong in, and leaves the aircraft's folder where
// it was; a click on the name opens nothing.
TEST_F(Screens, FileButtonsOpenTheChooserInTheFilesFolder)
{
    const struct {
        int id;
        size_t offset;
        const char* folder;
        const char* name;
    } cases[] = {
        {301, offsetof(planestruct, Rafl0[5]), "airfoils/", pln.Rafl0[5]},
        {304, offsetof(planestruct, Tafl1[11]), "airfoils/", pln.Tafl1[11]},
        {215, offsetof(planestruct, flap_str), "flaps/", pln.flap_str},
    };
    for (const auto& c : cases) {
        const screen_entry* s = find_screen(c.id, 0);
        float x = 0, y = 0;
        for (int k = 0; k < screen_field_count; ++k) {
            const field_entry& f = screen_fields[k];
            if (strcmp(f.bitmap, s->bitmap) || f.offset + (f.per_part ? 400 * s->part : 0) != c.offset) continue;
            float lx;
            field_place(f, *s, &lx, &x, &y);
        }
        ASSERT_GT(x, 0) << c.id;
        copy_bounded(wrk_path, app_path, 400);
        calls.clear();
        frame(c.id, x + 30, y + 3);   // on the name
        EXPECT_TRUE(calls.empty()) << c.id;
        float x1, y1, x2, y2;
        file_button_box(x, y, &x1, &y1, &x2, &y2);
        frame(c.id, (x1 + x2) / 2, (y1 + y2) / 2);
        EXPECT_EQ(calls, std::vector<char>{'o'}) << c.id;
        EXPECT_EQ(chooser_folder, std::string(PROGRAM_DIR "/") + c.folder) << c.id;
        EXPECT_STREQ(wrk_path, app_path) << c.id;   // where Open and Save As start
        EXPECT_STREQ(c.name, chooser_file.c_str()) << c.id;
    }
}
