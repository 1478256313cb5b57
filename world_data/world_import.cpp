// The importer of the bundled world database.
#include "world_import.h"

#include "ils_build.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/nav_lines.h"
#include "world/INITNAV.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

const char* const FIRST_RUN_AIRPORT = "KSBD";

namespace {
const int DATA_VERSION = 354;
const double FT_PER_DEGREE = 60 * 6076.1155;   // feet per degree of latitude
const double DEFAULT_WIDTH_FT = 100;           // where the source gives none
const int NAME_KEPT = 38;                      // characters the reader takes back

typedef std::map<std::string, std::string> record;

const std::string& field(const record& r, const char* name)
{
    static const std::string none;
    auto it = r.find(name);
    return it == r.end() ? none : it->second;
}

int read_text(const std::string& path, std::string* out)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        fprintf(stderr, "world import: cannot read %s\n", path.c_str());
        return 0;
    }
    out->assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return 1;
}

// A number, or nothing for an empty or malformed field.
int number(const std::string& s, double* v)
{
    if (s.empty()) return 0;
    char* end = nullptr;
    double x = strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != 0 || !std::isfinite(x)) return 0;
    *v = x;
    return 1;
}

// Callers give values already in range; the limits keep it defined anyway.
int nearest(double x)
{
    if (!(x > -2e9 && x < 2e9)) return x > 0 ? 2000000000 : x < 0 ? -2000000000 : 0;
    return (int)(x < 0 ? x - 0.5 : x + 0.5);
}

double wrap360(double h)
{
    h = std::fmod(h, 360.0);
    return h < 0 ? h + 360 : h;
}

std::string upper(std::string s)
{
    for (char& c : s) c = (char)toupper((unsigned char)c);
    return s;
}

std::string trimmed(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// ---- CSV: commas, double quotes, doubled quotes inside them ----

int parse_csv(const std::string& text, std::vector<record>* out)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    int quoted = 0, any = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c != '"') cell += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') cell += text[++i];
            else quoted = 0;
        } else if (c == '"') {
            quoted = any = 1;
        } else if (c == ',') {
            row.push_back(cell);
            cell.clear();
            any = 1;
        } else if (c == '\n' || c == '\r') {
            if (any || !cell.empty()) {
                row.push_back(cell);
                rows.push_back(row);
            }
            row.clear();
            cell.clear();
            any = 0;
        } else {
            cell += c;
            any = 1;
        }
    }
    if (quoted) return 0;
    if (any || !cell.empty()) {
        row.push_back(cell);
        rows.push_back(row);
    }
    if (rows.empty()) return 0;
    const std::vector<std::string>& names = rows[0];
    for (size_t r = 1; r < rows.size(); ++r) {
        record rec;
        for (size_t k = 0; k < names.size() && k < rows[r].size(); ++k) rec[names[k]] = rows[r][k];
        out->push_back(rec);
    }
    return 1;
}

// ---- JSON: an array of objects; strings kept, other scalars as written ----

// Deeper nesting than any real record holds is refused: each level is a
// call of value(), and 20,000 of them overflow the stack.
const int JSON_MAX_DEPTH = 64;

struct json_reader {
    const std::string& s;
    size_t i = 0;
    int ok = 1;
    int depth = 0;

    void gap()
    {
        while (i < s.size() && isspace((unsigned char)s[i])) ++i;
    }
    int at(char c)
    {
        gap();
        return i < s.size() && s[i] == c;
    }
    int expect(char c)
    {
        if (at(c)) {
            ++i;
            return 1;
        }
        ok = 0;
        return 0;
    }
    static void put_utf8(std::string& out, unsigned cp)
    {
        if (cp < 0x80) {
            out += (char)cp;
        } else if (cp < 0x800) {
            out += (char)(0xC0 | (cp >> 6));
            out += (char)(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += (char)(0xE0 | (cp >> 12));
            out += (char)(0x80 | ((cp >> 6) & 0x3F));
            out += (char)(0x80 | (cp & 0x3F));
        } else {
            out += (char)(0xF0 | (cp >> 18));
            out += (char)(0x80 | ((cp >> 12) & 0x3F));
            out += (char)(0x80 | ((cp >> 6) & 0x3F));
            out += (char)(0x80 | (cp & 0x3F));
        }
    }
    unsigned hex4()
    {
        if (i + 4 > s.size()) {
            ok = 0;
            return 0;
        }
        unsigned v = (unsigned)strtoul(s.substr(i, 4).c_str(), nullptr, 16);
        i += 4;
        return v;
    }
    std::string string_value()
    {
        std::string out;
        if (!expect('"')) return out;
        while (ok && i < s.size() && s[i] != '"') {
            char c = s[i++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i >= s.size()) break;
            char e = s[i++];
            switch (e) {
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                unsigned cp = hex4();
                if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i] == '\\' && s[i + 1] == 'u') {
                    i += 2;
                    unsigned lo = hex4();
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
                }
                put_utf8(out, cp);
                break;
            }
            default: out += e; break;
            }
        }
        if (i >= s.size()) ok = 0;
        else ++i;
        return out;
    }
    // Any value; objects and arrays inside a record are skipped.
    std::string value()
    {
        gap();
        if (i >= s.size()) {
            ok = 0;
            return "";
        }
        if (s[i] == '"') return string_value();
        if (s[i] == '{' || s[i] == '[') {
            if (depth >= JSON_MAX_DEPTH) {
                ok = 0;
                return "";
            }
            char close = s[i] == '{' ? '}' : ']';
            ++i;
            ++depth;
            while (ok && !at(close)) {
                if (close == '}') {
                    string_value();
                    expect(':');
                }
                value();
                if (!at(close)) expect(',');
            }
            --depth;
            expect(close);
            return "";
        }
        size_t a = i;
        while (i < s.size() && !strchr(",}] \t\r\n", s[i])) ++i;
        std::string token = s.substr(a, i - a);
        if (token.empty()) ok = 0;
        return token == "null" ? "" : token;
    }
};

int parse_json_records(const std::string& text, std::vector<record>* out)
{
    json_reader j{text};
    if (!j.expect('[')) return 0;
    while (j.ok && !j.at(']')) {
        record rec;
        j.expect('{');
        while (j.ok && !j.at('}')) {
            std::string key = j.string_value();
            j.expect(':');
            rec[key] = j.value();
            if (!j.at('}')) j.expect(',');
        }
        j.expect('}');
        out->push_back(rec);
        if (!j.at(']')) j.expect(',');
    }
    j.expect(']');
    return j.ok;
}

// ---- Names: the simulator draws ASCII only ----

// U+00C0..U+00FF and U+0100..U+017F, each letter without its accent.
const char LATIN1[] = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
const char LATIN_EXT_A[] = "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

char ascii_of(unsigned cp)
{
    if (cp < 0x20 || cp == 0x7F) return ' ';
    if (cp < 0x80) return (char)cp;
    if (cp >= 0xC0 && cp < 0x100) return LATIN1[cp - 0xC0];
    if (cp >= 0x100 && cp < 0x180) return LATIN_EXT_A[cp - 0x100];
    switch (cp) {
    case 0xA0: return ' ';
    case 0x218: return 'S';
    case 0x219: return 's';
    case 0x21A: return 'T';
    case 0x21B: return 't';
    case 0xB4:
    case 0x2018:
    case 0x2019: return '\'';
    case 0x201C:
    case 0x201D: return '"';
    case 0x2013:
    case 0x2014: return '-';
    }
    return '?';
}

std::string ascii_name(const std::string& utf8)
{
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = (unsigned char)utf8[i];
        int more = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        unsigned cp = more == 0 ? c : more == 1 ? (c & 0x1F) : more == 2 ? (c & 0x0F) : (c & 0x07);
        ++i;
        for (int k = 0; k < more && i < utf8.size() && ((unsigned char)utf8[i] & 0xC0) == 0x80; ++k, ++i)
            cp = (cp << 6) | ((unsigned char)utf8[i] & 0x3F);
        out += more < 0 ? '?' : ascii_of(cp);
    }
    out = trimmed(out);
    // The reader takes back 38 characters: the file holds no more.
    if ((int)out.size() > NAME_KEPT) out = trimmed(out.substr(0, NAME_KEPT));
    return out;
}

// ---- Runways ----

struct designator {
    int num;   // 1..36, 0 when the ident says nothing usable
    char side; // 'L', 'C', 'R' or 'x'
};

int number_of_heading(double h)
{
    int n = nearest(wrap360(h) / 10) % 36;
    return n == 0 ? 36 : n;
}

designator parse_designator(const std::string& source)
{
    static const char* const points[16] = {"N",  "NNE", "NE", "ENE", "E",  "ESE", "SE", "SSE",
                                           "S",  "SSW", "SW", "WSW", "W",  "WNW", "NW", "NNW"};
    designator d = {0, 'x'};
    std::string id = upper(trimmed(source));
    for (int k = 0; k < 16; ++k)
        if (id == points[k]) {
            d.num = number_of_heading(k * 22.5);
            return d;
        }
    size_t k = 0;
    while (k < id.size() && isdigit((unsigned char)id[k])) ++k;
    if (k == 0 || k > 3) return d;
    int v = atoi(id.substr(0, k).c_str());
    if (k == 3) v = nearest(v / 10.0);   // three digits: a heading in degrees
    if (v > 36) return d;
    d.num = v == 0 ? 36 : v;
    if (k < id.size() && (id[k] == 'L' || id[k] == 'C' || id[k] == 'R')) d.side = id[k];
    return d;
}

// Light-code surface digit: 1 asphalt, 2 concrete, 3 grass, 4 dirt, 5 gravel;
// 0 for a water lane, which is no runway for a land aircraft. Anything else
// hard or unknown counts as asphalt.
int surface_digit(const std::string& source)
{
    static const struct {
        const char* prefix;
        int digit;
    } table[] = {{"WATER", 0},  {"GRASS", 3}, {"GRAVEL", 5}, {"GRADED", 5}, {"GRS", 3},     {"GRV", 5},
                 {"GVL", 5},    {"GRE", 4},   {"TURF", 3},   {"CRUSHED", 5}, {"COR", 5},    {"CON", 2},
                 {"DIRT", 4},   {"EARTH", 4}, {"CLA", 4},    {"SAN", 4},     {"LAT", 4},    {"SNO", 4},
                 {"ICE", 4},    {"UNPAVED", 4}};
    std::string s = upper(trimmed(source));
    for (const auto& t : table)
        if (s.compare(0, strlen(t.prefix), t.prefix) == 0) return t.digit;
    return 1;
}

struct runway {
    double length_ft, width_ft;
    double lat, lon;   // reference point, degrees
    int num;
    char side;
    int hdng;
    int lite;
    int lighted;
    double displaced_ft[2];   // landing thresholds of the first and second end
};

struct airport {
    std::string id, name;
    double lat, lon, elev_ft;
    int has_elev;
    double end_elev_sum;
    int end_elev_n;
    int tower;
    int size_rank;   // 0 large, 1 medium, 2 small, 3 other
    int order;       // place in the source
    std::vector<runway> runways;
};

struct end_point {
    designator des;
    double lat, lon, hdng, elev;
    int has_pos, has_hdng, has_elev;
};

end_point read_end(const record& r, const char* prefix)
{
    std::string p = prefix;
    end_point e = {};
    e.des = parse_designator(field(r, (p + "_ident").c_str()));
    e.has_pos = number(field(r, (p + "_latitude_deg").c_str()), &e.lat) &&
                number(field(r, (p + "_longitude_deg").c_str()), &e.lon);
    e.has_hdng = number(field(r, (p + "_heading_degT").c_str()), &e.hdng);
    e.has_elev = number(field(r, (p + "_elevation_ft").c_str()), &e.elev);
    return e;
}

double bearing(double lat1, double lon1, double lat2, double lon2)
{
    double dlon = wrap360(lon2 - lon1 + 180) - 180;
    double east = dlon * cos((lat1 + lat2) / 2 * M_PI / 180);
    return wrap360(atan2(east, lat2 - lat1) * 180 / M_PI);
}

double distance_ft(double lat1, double lon1, double lat2, double lon2)
{
    double dlon = wrap360(lon2 - lon1 + 180) - 180;
    double east = dlon * cos((lat1 + lat2) / 2 * M_PI / 180);
    return std::hypot(east, lat2 - lat1) * FT_PER_DEGREE;
}

const double RUNWAY_MAX_FT = 50000;

// One open runway of the source, flown from its low end ("le"): the number,
// side and true heading are those of that end. Returns 0 for what is no
// usable runway (closed, helipad, water lane, no heading or length).
int convert_runway(const record& r, const airport& apt, runway* out)
{
    if (field(r, "closed") == "1") return 0;
    std::string le_ident = upper(trimmed(field(r, "le_ident")));
    std::string he_ident = upper(trimmed(field(r, "he_ident")));
    if ((!le_ident.empty() && le_ident[0] == 'H') || (le_ident.empty() && !he_ident.empty() && he_ident[0] == 'H'))
        return 0;
    int surface = surface_digit(field(r, "surface"));
    if (surface == 0) return 0;

    end_point le = read_end(r, "le"), he = read_end(r, "he");
    double h;
    if (le.has_hdng) h = le.hdng;
    else if (le.has_pos && he.has_pos) h = bearing(le.lat, le.lon, he.lat, he.lon);
    else if (he.has_hdng) h = he.hdng + 180;
    else if (le.des.num) h = le.des.num * 10;
    else if (he.des.num) h = he.des.num * 10 + 180;
    else return 0;
    h = wrap360(h);

    double len;
    if (!number(field(r, "length_ft"), &len) || len <= 0) {
        if (!(le.has_pos && he.has_pos)) return 0;
        len = distance_ft(le.lat, le.lon, he.lat, he.lon);
    }
    double width;
    if (!number(field(r, "width_ft"), &width) || width <= 0) width = DEFAULT_WIDTH_FT;
    // No real runway is shorter or narrower than a foot or longer or wider
    // than 50,000 ft: such a record is damaged.
    if (len < 1 || len > RUNWAY_MAX_FT || width < 1 || width > RUNWAY_MAX_FT) return 0;

    runway w;
    w.length_ft = len;
    w.width_ft = width;
    w.hdng = nearest(h) % 360;
    if (le.des.num) {
        w.num = le.des.num;
        w.side = le.des.side;
    } else if (he.des.num) {
        // The reciprocal of the high end: opposite number, opposite side.
        w.num = (he.des.num + 17) % 36 + 1;
        w.side = he.des.side == 'L' ? 'R' : he.des.side == 'R' ? 'L' : he.des.side;
    } else {
        w.num = number_of_heading(h);
        w.side = 'x';
    }
    if (le.has_pos && he.has_pos) {
        w.lat = (le.lat + he.lat) / 2;
        w.lon = (le.lon + he.lon) / 2;
    } else if (le.has_pos) {
        w.lat = le.lat;
        w.lon = le.lon;
        move_along(&w.lat, &w.lon, h, len / 2);
    } else if (he.has_pos) {
        w.lat = he.lat;
        w.lon = he.lon;
        move_along(&w.lat, &w.lon, h, -len / 2);
    } else {
        w.lat = apt.lat;
        w.lon = apt.lon;
    }
    // Each end: no glide-slope or approach lights; runway edge lights when lit.
    w.lighted = field(r, "lighted") == "1";
    int end_lights = w.lighted ? 121 : 111;
    w.lite = surface * 1000000 + end_lights * 1000 + end_lights;
    // The first end is the low one, whichever end named the runway.
    for (int e = 0; e < 2; ++e) {
        double d = 0;
        int has = number(field(r, e == 0 ? "le_displaced_threshold_ft" : "he_displaced_threshold_ft"), &d);
        w.displaced_ft[e] = has && d > 0 && d < len / 2 ? d : 0;
    }
    *out = w;
    return 1;
}

// ---- Airports ----

int is_code(const std::string& s)
{
    if (s.size() != 4) return 0;
    for (char c : s)
        if (!isalnum((unsigned char)c)) return 0;
    return 1;
}

// The 4-character identifier: the source's own code where it has one; else
// one made from its ident (first character and last three).
std::string airport_id(const record& a)
{
    for (const char* key : {"ident", "gps_code", "local_code"}) {
        std::string code = upper(trimmed(field(a, key)));
        if (is_code(code)) return code;
    }
    std::string an;
    for (char c : upper(field(a, "ident")))
        if (isalnum((unsigned char)c)) an += c;
    if (an.size() > 4) an = an.substr(0, 1) + an.substr(an.size() - 3);
    return an;
}

int size_rank(const std::string& type)
{
    if (type == "large_airport") return 0;
    if (type == "medium_airport") return 1;
    if (type == "small_airport") return 2;
    return 3;
}

int load_airports(const std::string& dir, std::vector<airport>* out)
{
    std::string text;
    std::vector<record> src;
    if (!read_text(dir + "/airports.json", &text)) return 0;
    if (!parse_json_records(text, &src)) {
        fprintf(stderr, "world import: airports.json is not a JSON array of objects\n");
        return 0;
    }
    std::map<std::string, size_t> by_ident;
    for (const record& a : src) {
        airport apt = {};
        if (!number(field(a, "latitude_deg"), &apt.lat) || !number(field(a, "longitude_deg"), &apt.lon)) continue;
        apt.id = airport_id(a);
        if (apt.id.empty()) continue;
        apt.name = ascii_name(field(a, "name"));
        apt.has_elev = number(field(a, "elevation_ft"), &apt.elev_ft);
        apt.size_rank = size_rank(field(a, "type"));
        apt.tower = apt.size_rank == 0 || field(a, "scheduled_service") == "yes";
        apt.order = (int)out->size();
        by_ident[field(a, "ident")] = out->size();
        out->push_back(apt);
    }

    if (!read_text(dir + "/runways.csv", &text)) return 0;
    src.clear();
    if (!parse_csv(text, &src)) {
        fprintf(stderr, "world import: runways.csv holds no table\n");
        return 0;
    }
    for (const record& r : src) {
        auto it = by_ident.find(field(r, "airport_ident"));
        if (it == by_ident.end()) continue;
        airport& apt = (*out)[it->second];
        runway w;
        if (!convert_runway(r, apt, &w)) continue;
        apt.runways.push_back(w);
        for (const char* key : {"le_elevation_ft", "he_elevation_ft"}) {
            double e;
            if (number(field(r, key), &e)) {
                apt.end_elev_sum += e;
                ++apt.end_elev_n;
            }
        }
    }

    // Up to three runways, the longest first; airports without any are dropped.
    std::vector<airport> kept;
    for (airport& apt : *out) {
        if (apt.runways.empty()) continue;
        std::stable_sort(apt.runways.begin(), apt.runways.end(),
                         [](const runway& a, const runway& b) { return a.length_ft > b.length_ft; });
        if (apt.runways.size() > 3) apt.runways.resize(3);
        if (!apt.has_elev) apt.elev_ft = apt.end_elev_n ? apt.end_elev_sum / apt.end_elev_n : 0;
        kept.push_back(apt);
    }
    out->swap(kept);
    return 1;
}

// Over capacity, the larger airports stay (and always the first-run airport).
void limit_airports(std::vector<airport>* list)
{
    if ((int)list->size() <= APT_CAP) return;
    auto rank = [](const airport& a) { return a.id == FIRST_RUN_AIRPORT ? -1 : a.size_rank; };
    std::stable_sort(list->begin(), list->end(), [&](const airport& a, const airport& b) {
        if (rank(a) != rank(b)) return rank(a) < rank(b);
        return a.runways[0].length_ft > b.runways[0].length_ft;
    });
    list->resize(APT_CAP);
    std::sort(list->begin(), list->end(), [](const airport& a, const airport& b) { return a.order < b.order; });
}

int write_airports(const std::string& path, const std::vector<airport>& list)
{
    if (!ouf_open(path.c_str(), 206, DATA_VERSION)) return 0;
    ouf << DATA_VERSION << " version code 2\n";
    for (const airport& a : list) {
        // Unused runway slots as the scenery editor makes a new runway.
        float lat[3] = {0, 0, 0}, lon[3] = {0, 0, 0};
        int num[3] = {0, 0, 0}, hdng[3] = {0, 0, 0}, len[3] = {0, 0, 0}, width[3] = {0, 0, 0};
        int lite[3] = {1111111, 1111111, 1111111};
        char lr[3] = {'x', 'x', 'x'};
        for (size_t r = 0; r < a.runways.size(); ++r) {
            const runway& w = a.runways[r];
            lat[r] = (float)w.lat;
            lon[r] = (float)w.lon;
            num[r] = w.num;
            lr[r] = w.side;
            hdng[r] = w.hdng;
            len[r] = nearest(w.length_ft);
            width[r] = nearest(w.width_ft);
            lite[r] = w.lite;
        }
        dump_apt_line(lat, lon, num, lr, hdng, len, width, lite, (float)a.elev_ft, a.tower, a.id.c_str(),
                      a.name.c_str());
    }
    ouf << "99\n";
    return ouf_close();
}

// ---- Navaids ----

typedef navaid_line navaid;

// VORs (with or without DME or TACAN) and NDBs; the frequency in the units of
// the record line: VOR in 10 kHz, NDB in kHz.
int convert_navaid(const record& r, navaid* out)
{
    const std::string& type = field(r, "type");
    navaid n = {};
    if (type == "VOR" || type == "VOR-DME" || type == "VORTAC") n.type = 3;
    else if (type == "NDB" || type == "NDB-DME") n.type = 2;
    else return 0;
    double khz;
    if (!number(field(r, "frequency_khz"), &khz)) return 0;
    if (n.type == 3) {
        if (khz < 108000 || khz > 117950) return 0;
        n.f12 = nearest(khz / 10);
    } else {
        if (khz <= 0 || khz > 1750) return 0;
        n.f12 = nearest(khz);
    }
    if (!number(field(r, "latitude_deg"), &n.lat) || !number(field(r, "longitude_deg"), &n.lon)) return 0;
    if (!number(field(r, "elevation_ft"), &n.elev_ft)) n.elev_ft = 0;
    n.id = upper(trimmed(field(r, "ident")));
    if (n.id.empty() || n.id.size() > 4) return 0;
    for (char c : n.id)
        if (!isalnum((unsigned char)c)) return 0;
    n.name = ascii_name(field(r, "name"));
    *out = n;
    return 1;
}

int load_navaids(const std::string& dir, std::vector<navaid>* out)
{
    std::string text;
    std::vector<record> src;
    if (!read_text(dir + "/navaids.csv", &text)) return 0;
    if (!parse_csv(text, &src)) {
        fprintf(stderr, "world import: navaids.csv holds no table\n");
        return 0;
    }
    for (const record& r : src) {
        navaid n;
        if (convert_navaid(r, &n)) out->push_back(n);
    }
    // Over capacity the VORs stay first; then each type in consecutive
    // slots, as the scenery editor keeps them.
    if ((int)out->size() > NAV_READ_CAP) {
        std::stable_sort(out->begin(), out->end(), [](const navaid& a, const navaid& b) { return a.type > b.type; });
        out->resize(NAV_READ_CAP);
    }
    std::stable_sort(out->begin(), out->end(), [](const navaid& a, const navaid& b) { return a.type < b.type; });
    return 1;
}

int write_navaids(const std::string& path, const std::vector<navaid>& list)
{
    if (!ouf_open(path.c_str(), 206, DATA_VERSION)) return 0;
    ouf << DATA_VERSION << " version code 2\n";
    for (const navaid& n : list)
        dump_nav_line(n.type, (float)n.lat, (float)n.lon, (float)n.elev_ft, n.f12, n.hdng, n.id.c_str(),
                      n.name.c_str());
    ouf << "99\n";
    return ouf_close();
}

// No source of named fixes yet: the header and the end mark.
int write_fixes(const std::string& path)
{
    if (!ouf_open(path.c_str(), 206, DATA_VERSION)) return 0;
    ouf << DATA_VERSION << " version code 2\n";
    ouf << "99\n";
    return ouf_close();
}

// ---- Instrument landing systems ----

const double ILS_MIN_LENGTH_FT = 6000;

// Which airports get them: the large ones, and the medium ones inside a home
// region's squares.
int wants_ils(const airport& a, const std::set<std::pair<int, int>>& homes)
{
    if (a.size_rank == 0) return 1;
    return a.size_rank == 1 && homes.count({(int)std::floor(a.lat), (int)std::floor(a.lon)});
}

// Both ends of every paved runway of at least 6,000 ft at those airports, lit
// ones only at the medium airports: the source marks some large airports'
// runways unlit that are not. The large airports first, then the longer
// runways, so that where the channels run out the smaller fields go without.
// Each end that gets one is lit for it: edge lights, a four-light glide-slope
// indicator and approach lights.
// Returns the number of ends given one; *left_out counts those that wanted one
// and got none.
int add_ils(std::vector<airport>* airports, const std::set<std::pair<int, int>>& homes, std::vector<navaid>* navaids,
            int* left_out)
{
    struct wanted {
        ils_site site;
        size_t apt, rwy;
        int rank;
    };
    std::vector<wanted> list;
    for (size_t a = 0; a < airports->size(); ++a) {
        const airport& apt = (*airports)[a];
        if (!wants_ils(apt, homes)) continue;
        for (size_t r = 0; r < apt.runways.size(); ++r) {
            const runway& w = apt.runways[r];
            int surface = w.lite / 1000000;
            if ((!w.lighted && apt.size_rank != 0) || (surface != 1 && surface != 2) || w.length_ft < ILS_MIN_LENGTH_FT)
                continue;
            ils_runway ir = {w.lat, w.lon, w.hdng, (double)nearest(w.length_ft), w.num, w.side,
                             {w.displaced_ft[0], w.displaced_ft[1]}};
            for (int e = 0; e < 2; ++e)
                list.push_back({{apt.id, apt.name, (double)nearest(apt.elev_ft), ir, e}, a, r, apt.size_rank});
        }
    }
    std::stable_sort(list.begin(), list.end(), [](const wanted& x, const wanted& y) {
        if (x.rank != y.rank) return x.rank < y.rank;
        return x.site.runway.length_ft > y.site.runway.length_ft;
    });

    std::vector<ils_site> sites;
    for (const wanted& w : list) sites.push_back(w.site);
    std::set<std::string> ids, names;
    for (const navaid& n : *navaids) {
        ids.insert(n.id);
        names.insert(n.name);
    }
    std::vector<navaid> made_navaids;
    int room = NAV_READ_CAP - (int)navaids->size();
    std::vector<int> made = make_ils(sites, &ids, &names, room, &made_navaids);

    int count = 0;
    for (size_t k = 0; k < list.size(); ++k) {
        if (!made[k]) continue;
        int& lite = (*airports)[list[k].apt].runways[list[k].rwy].lite;
        int typ, gls[2], rwy[2], app[2];
        code_to_lgts(&typ, gls, rwy, app, lite);
        int e = list[k].site.end;
        gls[e] = 3;
        rwy[e] = std::max(rwy[e], 2);
        app[e] = 4;
        lite = lgts_to_code(typ, gls, rwy, app);
        ++count;
    }
    navaids->insert(navaids->end(), made_navaids.begin(), made_navaids.end());
    std::stable_sort(navaids->begin(), navaids->end(), [](const navaid& a, const navaid& b) { return a.type < b.type; });
    *left_out = (int)list.size() - count;
    return count;
}

int find_airport(const std::vector<airport>& list, const std::string& id)
{
    for (size_t a = 0; a < list.size(); ++a)
        if (list[a].id == id) return (int)a;
    return -1;
}
} // namespace

int read_home_regions(const char* path, std::vector<home_region>* out)
{
    std::ifstream f(path);
    if (!f) {
        fprintf(stderr, "cannot read the home regions %s\n", path);
        return 0;
    }
    out->clear();
    std::string line;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#') continue;
        char id[16];
        int margin;
        if (sscanf(line.c_str(), "%15s %d", id, &margin) == 2) out->push_back({id, margin});
    }
    return 1;
}

void home_squares(float lat, float lon, int margin, std::set<std::pair<int, int>>* squares)
{
    int lat_sou = round(lat - 1), lon_wes = round(lon - 1.5f);
    for (int la = lat_sou - margin; la <= lat_sou + 1 + margin; ++la)
        for (int lo = lon_wes - margin; lo <= lon_wes + 2 + margin; ++lo) squares->insert({la, lo});
}

void move_along(double* lat, double* lon, double h, double d)
{
    double rad = h * M_PI / 180;
    double dlat = cos(rad) * d / FT_PER_DEGREE;
    *lon += sin(rad) * d / (FT_PER_DEGREE * cos(*lat * M_PI / 180));
    *lat += dlat;
}

int import_world(const char* source_dir, const char* regions, const char* out_dir, import_counts* counts)
{
    import_counts c = {};
    std::vector<airport> airports;
    std::vector<navaid> navaids;
    if (!load_airports(source_dir, &airports) || !load_navaids(source_dir, &navaids)) return 0;
    limit_airports(&airports);
    c.vors = (int)std::count_if(navaids.begin(), navaids.end(), [](const navaid& n) { return n.type == 3; });
    c.ndbs = (int)std::count_if(navaids.begin(), navaids.end(), [](const navaid& n) { return n.type == 2; });

    std::set<std::pair<int, int>> homes;
    std::vector<home_region> home_list;
    if (regions && !read_home_regions(regions, &home_list)) return 0;
    for (const home_region& h : home_list) {
        int a = find_airport(airports, h.id);
        if (a >= 0) home_squares((float)airports[a].runways[0].lat, (float)airports[a].runways[0].lon, h.margin, &homes);
    }
    c.ils = add_ils(&airports, homes, &navaids, &c.ils_left_out);

    std::string out = out_dir;
    if (!write_airports(out + "/apt_dat", airports) || !write_navaids(out + "/nav_dat", navaids) ||
        !write_fixes(out + "/fix_dat")) {
        fprintf(stderr, "world import: cannot write the database files in %s\n", out_dir);
        return 0;
    }
    c.airports = (int)airports.size();
    c.navaids = (int)navaids.size();
    for (const airport& a : airports)
        if (a.id == FIRST_RUN_AIRPORT) c.first_run_airport_kept = 1;
    if (counts) *counts = c;
    return 1;
}

int read_runway_end_heights(const char* runways_csv, std::vector<runway_end_height>* out)
{
    std::string text;
    std::vector<record> rows;
    if (!read_text(runways_csv, &text)) return 0;
    if (!parse_csv(text, &rows)) {
        fprintf(stderr, "world import: cannot read the table %s\n", runways_csv);
        return 0;
    }
    out->clear();
    for (const record& r : rows) {
        if (field(r, "closed") == "1") continue;
        for (const char* prefix : {"le", "he"}) {
            end_point e = read_end(r, prefix);
            if (e.has_pos && e.has_elev) out->push_back({e.lat, e.lon, e.elev});
        }
    }
    return 1;
}
