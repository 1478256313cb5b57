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

picture map_backdrop()
{
    picture p = face();
    map_frame(p);
    caption(p, 8, 526, "LAT");
    well(p, 55, 522, 30, 11);
    caption(p, 8, 481, "LON");
    well(p, 45, 477, 40, 11);
    button(p, 106, 537, 156, 553, "IN");
    button(p, 106, 520, 156, 536, "OUT");
    button(p, 122, 495, 141, 513, "N");
    button(p, 104, 476, 122, 495, "W");
    button(p, 141, 476, 159, 495, "E");
    button(p, 122, 458, 141, 476, "S");
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
} // namespace

picture make_gelvani_bitmap(const char* name)
{
    if (!strcmp(name, "WM_MAP")) return map_backdrop();
    if (!strcmp(name, "WM_OBS")) return titled("OBSTACLES", true);
    if (!strcmp(name, "WM_APT")) return titled("AIRPORTS", false);
    if (!strcmp(name, "WM_NAV")) return titled("NAVAIDS", false);
    return picture{};
}
