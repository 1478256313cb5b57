// The scenery editor's backdrops in "bitmaps/Gelvani", one per edit mode,
// 800 x 583 below the menu strip: the map area's frame and, on the left, the
// captions of the square entries, view buttons, tools and resolutions whose
// buttons draw no labels of their own.
#include "media.h"
#include "media_font.h"

#include <cstring>

const char* const gelvani_bitmap_names[] = {"WM_MAP", "WM_OBS", "WM_APT", "WM_NAV"};
const int gelvani_bitmap_count = 4;

namespace {
const colour FACE = {153, 153, 153};
const colour TEXT = {0, 0, 0};
const colour LIGHT = {204, 204, 204};
const colour SHADE = {51, 51, 51};
const colour MAP = {20, 20, 30};

void caption(picture& p, float x, float y, const char* s)
{
    pic_text(p, TEXT, x, y, s, 1);
}

void well(picture& p, float x, float y, float w, float h)
{
    pic_rect(p, {0, 0, 0}, x, y, w, h);
    pic_bevel(p, x - 1, y - 1, w + 2, h + 2, 0, LIGHT, SHADE);
}

void button(picture& p, float x1, float y1, float x2, float y2, const char* s)
{
    pic_bevel(p, x1, y1, x2 - x1, y2 - y1, 1, LIGHT, SHADE);
    pic_text_centred(p, TEXT, (x1 + x2) / 2, (y1 + y2) / 2, s, 1);
}

picture face()
{
    picture p = pic_new(800, 583, FACE);
    pic_bevel(p, 0, 0, 800, 583, 1, LIGHT, SHADE);
    return p;
}

// The map area and the pointer's latitude and longitude read-outs.
void map_frame(picture& p)
{
    pic_rect(p, MAP, 168, 5, 627, 550);
    pic_bevel(p, 167, 4, 629, 552, 0, LIGHT, SHADE);
    caption(p, 8, 40, "LAT");
    caption(p, 8, 18, "LON");
    well(p, 50, 36, 70, 11);
    well(p, 50, 14, 70, 11);
}

// The map's zoom and pan buttons, answered on both map screens.
void view_buttons(picture& p)
{
    button(p, 106, 537, 156, 553, "IN");
    button(p, 106, 520, 156, 536, "OUT");
    button(p, 122, 495, 141, 513, "N");
    button(p, 104, 476, 122, 495, "W");
    button(p, 141, 476, 159, 495, "E");
    button(p, 122, 458, 141, 476, "S");
}

picture map_backdrop()
{
    picture p = face();
    map_frame(p);
    caption(p, 8, 526, "LAT");
    well(p, 55, 522, 30, 11);
    caption(p, 8, 481, "LON");
    well(p, 45, 477, 40, 11);
    view_buttons(p);
    caption(p, 24, 437, "MOVE POINTS");
    caption(p, 24, 368, "CONTROL POINT");
    caption(p, 8, 312, "ELEV");
    well(p, 50, 308, 60, 11);
    caption(p, 24, 276, "WATER OR LAND");
    caption(p, 8, 145, "RESOLUTION");
    const char* res[] = {"4 X 4", "5 X 5", "16 X 16", "32 X 32", "SINGLE POINTS"};
    for (int k = 0; k < 5; ++k) caption(p, 24, 130 - 15 * k, res[k]);
    return p;
}

picture titled(const char* title, bool map)
{
    picture p = face();
    if (map) map_frame(p);
    caption(p, 8, 560, title);
    return p;
}

// The tools' radio buttons stand at x 10; their names beside them.
picture obstacle_backdrop()
{
    picture p = titled("OBSTACLES", true);
    view_buttons(p);
    caption(p, 10, 432, "TOOL");
    const struct {
        float y;
        const char* name;
    } tools[] = {{414, "ERASE"},       {399, "MOVE"},          {384, "SELECT"},
                 {354, "BUILDING"},    {339, "RADIO TOWER"},   {324, "POWER-LINE TOWER"},
                 {309, "TAPERED BLDG"}, {294, "SLENDER BLDG"}, {279, "CUSTOM OBJECT"}};
    for (const auto& t : tools) caption(p, 24, t.y, t.name);
    caption(p, 10, 369, "PLACE:");
    caption(p, 14, 245, "HEIGHT (FT)");
    caption(p, 14, 204, "HEADING (DEG)");
    caption(p, 14, 160, "CUSTOM OBJECT FILE:");
    return p;
}

// The list's Delete and New buttons, the same on both table screens.
void list_buttons(picture& p, float x1)
{
    button(p, x1, 375, 643, 395, "DELETE");
    button(p, x1, 350, 643, 370, "NEW");
}

picture airport_backdrop()
{
    picture p = titled("AIRPORTS", false);
    list_buttons(p, 371);
    caption(p, 20, 321, "ELEVATION (FT)");
    caption(p, 240, 321, "ID");
    caption(p, 440, 321, "TOWER");
    // Each runway's two lines at y 253 - 90 r and 208 - 90 r, the column
    // names over the first.
    const struct {
        float x;
        const char* name;
    } columns[] = {{77, "LAT"},     {159, "LON"},     {253, "NUM"}, {286, "SIDE"},   {318, "HDG"},
                   {400, "LENGTH"}, {480, "WIDTH"},   {540, "GS"},  {598, "LIGHTS"}, {654, "APPROACH"}};
    const char* runway[3] = {"RWY 1", "RWY 2", "RWY 3"};
    for (int r = 0; r < 3; ++r) {
        const float y1 = 253 - 90.0f * r, y2 = 208 - 90.0f * r;
        for (const auto& c : columns) caption(p, c.x, y1 + 16, c.name);
        caption(p, 8, y1, runway[r]);
        caption(p, 8, y1 - 12, "END 1");
        caption(p, 214, y2, "SURFACE");
        caption(p, 490, y2, "END 2");
    }
    return p;
}

picture navaid_backdrop()
{
    picture p = titled("NAVAIDS", false);
    list_buttons(p, 368);
    caption(p, 37, 324, "TYPE");
    const struct {
        float y;
        const char* name;
    } types[] = {{304, "NDB"},         {280, "VOR"},          {256, "ILS LOCALIZER"}, {232, "GLIDE SLOPE"},
                 {208, "LOCALIZER"},   {184, "OUTER MARKER"}, {160, "MIDDLE MARKER"}, {136, "INNER MARKER"}};
    for (const auto& t : types) caption(p, 52, t.y, t.name);
    const struct {
        float y;
        const char* name;
    } fields[] = {{321, "ID"},        {243, "LATITUDE"}, {200, "LONGITUDE"},
                  {157, "ELEV (FT)"}, {114, "HEADING"},  {71, "FREQUENCY"}};
    for (const auto& f : fields) caption(p, 300, f.y, f.name);
    return p;
}
} // namespace

picture make_gelvani_bitmap(const char* name)
{
    if (!strcmp(name, "WM_MAP")) return map_backdrop();
    if (!strcmp(name, "WM_OBS")) return obstacle_backdrop();
    if (!strcmp(name, "WM_APT")) return airport_backdrop();
    if (!strcmp(name, "WM_NAV")) return navaid_backdrop();
    return picture{};
}
