// The in-window file chooser: windows 998 ("OPEN") and 999 ("SAVE") list
// wrk_path, filtered by file type, and walk the folder tree by mouse.
#include "HL_MNW.h"

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_TEXT.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>

char g_name[CHOOSER_ROWS][256];
char g_path[CHOOSER_ROWS][400];
int g_is_folder[CHOOSER_ROWS];
int number_items;
int g_file_type;

namespace {
const int PATH_DIM = 400;
// Characters of a name that fit the list's 190 units at 6 units each.
const int SHOWN_CHARS = 31;

// Case-blind order, then plain order so that the listing never flickers.
int name_order(const char* a, const char* b)
{
    for (int i = 0;; ++i) {
        int ca = tolower((unsigned char)a[i]), cb = tolower((unsigned char)b[i]);
        if (ca != cb) return ca - cb;
        if (!ca) break;
    }
    return strcmp(a, b);
}

int joined_fits(const char* folder, const char* name, int extra)
{
    return strlen(folder) + strlen(name) + (size_t)extra < (size_t)PATH_DIM;
}

void keep_entry(int* kept, const char* name, int is_folder)
{
    int pos = *kept;
    while (pos > 0 && name_order(name, g_name[pos - 1]) < 0) --pos;
    if (pos >= CHOOSER_ROWS) return;
    int last = *kept < CHOOSER_ROWS ? *kept : CHOOSER_ROWS - 1;
    for (int i = last; i > pos; --i) {
        memcpy(g_name[i], g_name[i - 1], sizeof g_name[i]);
        memcpy(g_path[i], g_path[i - 1], sizeof g_path[i]);
        g_is_folder[i] = g_is_folder[i - 1];
    }
    copy_bounded(g_name[pos], name, sizeof g_name[pos]);
    // A path that would not fit is left empty: the entry shows but cannot be taken.
    if (joined_fits(wrk_path, name, 0))
        C_plus_C(wrk_path, name, g_path[pos]);
    else
        g_path[pos][0] = 0;
    g_is_folder[pos] = is_folder;
    if (*kept < CHOOSER_ROWS) ++*kept;
}

void go_up_a_level()
{
    // Cut back to the separator before the last; the top "/" stays.
    for (int i = (int)strlen(wrk_path) - 2; i >= 1 && wrk_path[i] != '/'; --i) wrk_path[i] = 0;
}

void enter_folder(int i)
{
    if (!g_path[i][0] || !joined_fits(wrk_path, g_name[i], 1)) return;
    app_C(wrk_path, g_name[i]);
    app_C(wrk_path, "/");
}

// One click in the chooser: "Go up a level", or a row of the list. 1 when a
// file was chosen (opening only).
int chooser_click(int opening, char* file, char* path)
{
    if (!mnw.mouse_clicked) return 0;
    const float mx = mnw.mx, my = mnw.my;
    if (fltbox(mx, my, 10, 544, 310, 558)) {
        go_up_a_level();
        return 0;
    }
    if (!fltbox(mx, my, 10, 34, 310, 534)) return 0;
    int i = (int)((532 - my) / 10);
    if (i < 0 || i >= number_items) return 0;
    if (g_is_folder[i]) {
        enter_folder(i);
        return 0;
    }
    if (!opening || !g_path[i][0]) return 0;
    copy_bounded(file, g_name[i], PATH_DIM);
    copy_bounded(path, g_path[i], PATH_DIM);
    return 1;
}

void draw_folder_symbol(float y)
{
    OGL_line(39, 15, y, 15, y + 5);
    OGL_line(39, 15, y + 5, 16, y + 5);
    OGL_line(39, 16, y + 5, 18, y + 7);
    OGL_line(39, 18, y + 7, 20, y + 7);
    OGL_line(39, 20, y + 7, 22, y + 5);
    OGL_line(39, 22, y + 5, 25, y + 5);
    OGL_line(39, 25, y + 5, 25, y);
    OGL_line(39, 25, y, 15, y);
}
} // namespace

int takeit(const char* name, int file_type, int is_folder)
{
    if (!strcmp(name, ".") || !strcmp(name, "..")) return 0;
    const char* lower = nullptr;
    const char* upper = nullptr;
    switch (file_type) {
    case 200: lower = "afl"; upper = "AFL"; break;
    case 201: lower = "flp"; upper = "FLP"; break;
    case 202: lower = "sit"; upper = "SIT"; break;
    case 203: lower = "acf"; upper = "ACF"; break;
    default: break;
    }
    size_t n = strlen(name);
    if (lower && n >= 3 && (!strcmp(name + n - 3, lower) || !strcmp(name + n - 3, upper))) return 1;
    if (file_type == 206) return 1;
    return is_folder ? 1 : 0;
}

int GetDirItems(int file_type)
{
    namespace fs = std::filesystem;
    int kept = 0;
    std::error_code ec;
    fs::directory_iterator it(wrk_path, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code kind_ec;
        // Any directory is a folder, whatever else is set on it.
        int is_folder = it->is_directory(kind_ec) ? 1 : 0;
        const fs::path name = it->path().filename();
        if (!takeit(name.c_str(), file_type, is_folder)) continue;
        keep_entry(&kept, name.c_str(), is_folder);
    }
    return kept;
}

void OPENSAVE_update()
{
    static int blink = 0;
    static char shown[SHOWN_CHARS + 1];
    number_items = GetDirItems(g_file_type);
    for (int i = 0; i < number_items; ++i) {
        float y = 524.0f - 10.0f * i;
        copy_bounded(shown, g_name[i], sizeof shown);
        OGL_string(g_is_folder[i] ? 41 : 47, 30, y, shown, 190, 6);
        if (g_is_folder[i]) draw_folder_symbol(y);
    }
    if (mnw.topwin == 999) {
        OGL_string(47, 15, 14, g_cs1, 999, 6);
        float cx = 6.0f * (float)strlen(g_cs1) + 16;
        blink = !blink;
        OGL_line(blink ? 47 : 29, cx, 13, cx, 21);
    }
}

void chooser_start_folder(int file_type)
{
    const char* sub = file_type == 200 ? "airfoils/" : file_type == 201 ? "flaps/" : file_type == 203 ? "Aircraft/" : nullptr;
    if (!sub || !joined_fits(app_path, sub, 0)) return;
    char folder[PATH_DIM];
    C_plus_C(app_path, sub, folder);
    if (!strncmp(wrk_path, folder, strlen(folder))) return;
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) copy_bounded(wrk_path, folder, PATH_DIM);
}

namespace {
// A file button's own folder, and the shared one put aside while it browses.
char button_path[PATH_DIM];
char kept_wrk_path[PATH_DIM];
} // namespace

void file_button_folder_begin(int file_type)
{
    copy_bounded(kept_wrk_path, wrk_path, PATH_DIM);
    copy_bounded(wrk_path, button_path[0] ? button_path : app_path, PATH_DIM);
    chooser_start_folder(file_type);
}

void file_button_folder_end()
{
    copy_bounded(button_path, wrk_path, PATH_DIM);
    copy_bounded(wrk_path, kept_wrk_path, PATH_DIM);
}

int MACIBM_open(int file_type, char* file, char* path)
{
    g_file_type = file_type;
    const int previous = mnw.topwin;
    MACIBM_startwind(998);
    while (mnw.topwin == 998 && !gdone) {
        MACIBM_event_proc();
        number_items = GetDirItems(g_file_type);
        if (mnw.topwin != 998) break;
        if (chooser_click(1, file, path)) {
            MACIBM_startwind(previous);
            return 1;
        }
    }
    return 0;
}

int MACIBM_save(int file_type, char* file, char* path)
{
    return_hit = 0;
    copy_bounded(g_cs1, file, sizeof g_cs1);
    g_file_type = file_type;
    const int previous = mnw.topwin;
    MACIBM_startwind(999);
    while (mnw.topwin == 999 && !gdone) {
        MACIBM_event_proc();
        number_items = GetDirItems(g_file_type);
        if (mnw.topwin != 999) break;
        if (return_hit) {
            return_hit = 0;
            // No name, or one whose path would not fit: Enter does nothing.
            if (g_cs1[0] && joined_fits(wrk_path, g_cs1, 0)) {
                copy_bounded(file, g_cs1, PATH_DIM);
                C_plus_C(wrk_path, file, path);
                MACIBM_startwind(previous);
                return 1;
            }
        }
        chooser_click(0, file, path);
    }
    return 0;
}
