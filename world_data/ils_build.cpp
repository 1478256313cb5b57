// Instrument landing systems made from the runway geometry.
#include "ils_build.h"

#include "world_import.h"

#include <cctype>
#include <cmath>

namespace {
const double FT_PER_NM = 6076.1155;
const double EARTH_NM = 3440.065;   // mean radius
const int MARKER_F12 = 7500;        // every marker beacon sends on 75 MHz

int wrap360(int h)
{
    h %= 360;
    return h < 0 ? h + 360 : h;
}

double great_circle_nm(double lat1, double lon1, double lat2, double lon2)
{
    double p1 = lat1 * M_PI / 180, p2 = lat2 * M_PI / 180;
    double dp = p2 - p1, dl = (lon2 - lon1) * M_PI / 180;
    double a = std::sin(dp / 2) * std::sin(dp / 2) + std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * EARTH_NM * std::asin(std::sqrt(std::fmin(1.0, a)));
}

// The airport's own letters: a four-character code without its region letter.
std::string airport_letters(const std::string& id)
{
    std::string from = id.size() == 4 ? id.substr(1) : id, out;
    for (char c : from)
        if (isalpha((unsigned char)c)) out += (char)toupper((unsigned char)c);
    return out;
}

// The end's letter: its side, else the quarter its course points into.
char end_letter(const ils_runway& r, int end, int course)
{
    char side = r.side;
    if (end == 1) side = side == 'L' ? 'R' : side == 'R' ? 'L' : side;
    if (side == 'L' || side == 'C' || side == 'R') return side;
    return "NESW"[wrap360(course + 45) / 90];
}

// "I" and three letters: the airport's own first, then with the end's letter,
// then any free one.
std::string identifier(const std::string& apt_id, char end, const std::set<std::string>& taken)
{
    std::string a = airport_letters(apt_id);
    std::vector<std::string> tries;
    if (a.size() >= 3) tries.push_back(a.substr(0, 3));
    if (a.size() >= 2) {
        tries.push_back(a.substr(0, 2) + end);
        if (a.size() >= 3) {
            tries.push_back(std::string() + a[0] + a[2] + end);
            tries.push_back(a.substr(1, 2) + end);
        }
    }
    for (const std::string& t : tries)
        if (!taken.count("I" + t)) return "I" + t;
    std::string first = a.empty() ? std::string(1, end) : a.substr(0, 1);
    for (char x = 'A'; x <= 'Z'; ++x)
        for (char y = 'A'; y <= 'Z'; ++y) {
            std::string id = "I" + first + x + y;
            if (!taken.count(id)) return id;
        }
    for (char f = 'A'; f <= 'Z'; ++f)
        for (char x = 'A'; x <= 'Z'; ++x)
            for (char y = 'A'; y <= 'Z'; ++y) {
                std::string id = std::string("I") + f + x + y;
                if (!taken.count(id)) return id;
            }
    return "";
}

// The reader takes back 38 characters of a name.
std::string cut(const std::string& s, size_t n)
{
    std::string out = s.substr(0, n);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}
} // namespace

ils_geometry ils_end_geometry(const ils_runway& r, int end)
{
    ils_geometry g;
    g.course = wrap360(r.hdng + (end ? 180 : 0));
    double c = g.course, half = r.length_ft / 2;
    g.loc_lat = r.lat, g.loc_lon = r.lon;
    move_along(&g.loc_lat, &g.loc_lon, c, half + LOC_BEYOND_FT);
    double t_lat = r.lat, t_lon = r.lon;
    move_along(&t_lat, &t_lon, c, -(half - r.displaced_ft[end]));
    g.gs_lat = t_lat, g.gs_lon = t_lon;
    move_along(&g.gs_lat, &g.gs_lon, c, GS_PAST_FT);
    move_along(&g.gs_lat, &g.gs_lon, c - 90, GS_ASIDE_FT);
    g.om_lat = t_lat, g.om_lon = t_lon;
    move_along(&g.om_lat, &g.om_lon, c, -OM_BEFORE_NM * FT_PER_NM);
    g.mm_lat = t_lat, g.mm_lon = t_lon;
    move_along(&g.mm_lat, &g.mm_lon, c, -MM_BEFORE_FT);
    return g;
}

std::string ils_end_name(const ils_runway& r, int end)
{
    int num = end ? (r.num + 17) % 36 + 1 : r.num;
    char side = r.side;
    if (end == 1) side = side == 'L' ? 'R' : side == 'R' ? 'L' : side;
    std::string s = std::to_string(num / 10) + std::to_string(num % 10);
    if (side == 'L' || side == 'C' || side == 'R') s += side;
    return s;
}

std::vector<int> ils_channels()
{
    std::vector<int> f;
    for (int mhz = 108; mhz <= 111; ++mhz)
        for (int tenth = 1; tenth <= 9; tenth += 2) {
            f.push_back(mhz * 100 + tenth * 10);
            f.push_back(mhz * 100 + tenth * 10 + 5);
        }
    return f;
}

std::vector<int> make_ils(const std::vector<ils_site>& sites, std::set<std::string>* taken_ids,
                          std::set<std::string>* taken_names, int room, std::vector<navaid_line>* out)
{
    const std::vector<int> channels = ils_channels();
    struct placed {
        double lat, lon;
        int f12;
    };
    std::vector<placed> localizers;
    std::vector<int> made(sites.size(), 0);
    for (size_t s = 0; s < sites.size(); ++s) {
        if (room < 4) break;
        const ils_site& site = sites[s];
        ils_geometry g = ils_end_geometry(site.runway, site.end);

        std::vector<char> used(channels.size(), 0);
        for (const placed& p : localizers)
            if (great_circle_nm(p.lat, p.lon, g.loc_lat, g.loc_lon) < LOC_SEPARATION_NM)
                for (size_t k = 0; k < channels.size(); ++k)
                    if (channels[k] == p.f12) used[k] = 1;
        int f12 = 0;
        for (size_t k = 0; k < channels.size() && !f12; ++k)
            if (!used[k]) f12 = channels[k];
        if (!f12) continue;

        std::string id = identifier(site.apt_id, end_letter(site.runway, site.end, g.course), *taken_ids);
        std::string rwy = "Rwy " + ils_end_name(site.runway, site.end) + " ";
        std::string name = cut(rwy + site.apt_name, 38);
        if (taken_names->count(name)) name = cut(rwy + site.apt_id + " " + site.apt_name, 38);
        if (id.empty() || taken_names->count(name)) continue;
        taken_ids->insert(id);
        taken_names->insert(name);

        std::string base = cut(rwy + site.apt_name, 35);
        double h = site.elev_ft;
        out->push_back({4, g.loc_lat, g.loc_lon, h, f12, g.course, id, name});
        out->push_back({6, g.gs_lat, g.gs_lon, h, f12, g.course, id, base + " GS"});
        out->push_back({7, g.om_lat, g.om_lon, h, MARKER_F12, g.course, id, base + " OM"});
        out->push_back({8, g.mm_lat, g.mm_lon, h, MARKER_F12, g.course, id, base + " MM"});
        room -= 4;
        localizers.push_back({g.loc_lat, g.loc_lon, f12});
        made[s] = 1;
    }
    return made;
}
