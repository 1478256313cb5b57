// Platform start-up, the one-frame event loop and shut-down.
#include "HL_MNW.h"

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "plane_record.h"
#include "airfoil_record.h"
#include "platform/clock.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

namespace {
// Desktop mode remembered at the first MACIBM_setres call.
int desk_w = -1, desk_h = -1, desk_bpp = -1;
// Raw pixel position of the last mouse move, kept so that mx/my follow the
// open window's origin when it changes.
int raw_px = 0, raw_py = 0;
float last_origin_x = 0, last_origin_y = 0;
// Pixel offset of the drawing space inside the window: non-zero only when
// the desktop's own mode is used and black borders keep the aspect.
float view_x0 = 0, view_y0 = 0;
// The press now down went to an alert, the prompt, a chooser, a menu or a
// close box.
int press_taken = 0;

void set_paths()
{
    copy_bounded(app_path, plat_program_folder(), 400);
    copy_bounded(wrk_path, app_path, 400);
    prf_path[0] = 0;
    if (program_prefs_file[0]) {
        C_plus_C(plat_settings_folder(), "/", prf_path);
        app_C(prf_path, program_prefs_file);
    }
    C_plus_C(plat_settings_folder(), "/VidRes.prf", res_path);
}

const char* resolution_line(int xres)
{
    switch (xres) {
    case 640: return "Korvan wants to run in the following resolution right now:  640 by  480 (16-bit color, which is 65,536 colors).";
    case 800: return "Korvan wants to run in the following resolution right now:  800 by  600 (16-bit color, which is 65,536 colors).";
    case 832: return "Korvan wants to run in the following resolution right now:  832 by  624 (16-bit color, which is 65,536 colors).";
    case 1024: return "Korvan wants to run in the following resolution right now: 1024 by  768 (16-bit color, which is 65,536 colors).";
    case 1280: return "Korvan wants to run in the following resolution right now: 1280 by 1024 (16-bit color, which is 65,536 colors).";
    default: return "";
    }
}

void gl_defaults()
{
    GLfloat ambient[4] = {0, 0, 0, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DITHER);
    glDisable(GL_NORMALIZE);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_SCISSOR_TEST);
    glAlphaFunc(GL_GREATER, 0);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glHint(GL_FOG_HINT, GL_FASTEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glViewport((GLint)view_x0, (GLint)view_y0, (GLsizei)(800 * mnw.XRAT), (GLsizei)(600 * mnw.YRAT));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    OGL_setstate(0, 0, 0, 0);
}
} // namespace

// Programs without an ending of their own just stop.
__attribute__((weak)) void program_window_closed()
{
    gdone = 1;
}

void fill_constants()
{
    con.muearth = 3.98601184346112e14f;
    con.rearth = 6378145.0f;
    con.rhoSL = 1.225f;
    con.pSL = 10132.5f;
    con.muair = 1.7894e-5f;
    con.gammaairM1 = 0.4f;
    con.pi = 3.1415927f;
    con.pim2 = con.pi * 2.0f;
    con.pid2 = con.pi * 0.5f;
    con.R = 287.0f;
    con.e = 2.7182817f;
    con.g = con.muearth / (con.rearth * con.rearth);
    con.rho_h20 = 1000.0f;
    con.lbstokgs = 0.4535925f;
    con.kgstolbs = 1.0f / con.lbstokgs;
    con.fttomtrs = 0.3048f;
    con.mtrstoft = 1.0f / con.fttomtrs;
    con.hptowatt = 745.7f;
    con.watttohp = 1.0f / con.hptowatt;
    con.dgrtodgk = 0.5555556f;
    con.dgktodgr = 1.0f / con.dgrtodgk;
    con.radtodeg = 180.0f / con.pi;
    con.degtorad = 1.0f / con.radtodeg;
    con.ktstomsc = con.fttomtrs * 1.687809861111111f;
    con.msctokts = 1.0f / con.ktstomsc;
    con.rpmtorsc = con.degtorad * 6.0f;
    con.rsctorpm = 1.0f / con.rpmtorsc;
    con.fpmtomsc = con.fttomtrs / 60.0f;
    con.msctofpm = 1.0f / con.fpmtomsc;
    con.nmtomtrs = con.fttomtrs * 6076.1155f;
    con.mtrstonm = 1.0f / con.nmtomtrs;
    con.sftosmtr = con.fttomtrs * con.fttomtrs;
    con.smtrtosf = 1.0f / con.sftosmtr;
    con.lbstontn = con.lbstokgs * con.g;
    con.ntntolbs = 1.0f / con.lbstontn;
    con.ftlbtonm = con.lbstontn * con.fttomtrs;
    con.nmtoftlb = 1.0f / con.ftlbtonm;
    con.endtomed = (con.g * con.lbstokgs) / (con.fttomtrs * con.fttomtrs * con.fttomtrs * con.fttomtrs);
    con.medtoend = 1.0f / con.endtomed;
    con.enptomep = con.lbstontn * con.smtrtosf;
    con.meptoenp = 1.0f / con.enptomep;
    con.enItomtI = con.sftosmtr * con.lbstokgs;
    con.mtltoenl = 1.0f / con.enItomtI;
    con.nm_to_sm = 1.1507795f;
    con.sm_to_nm = 1.0f / con.nm_to_sm;
    con.mtrtoplt = 1.0f / 150.0f;
    con.plttomtr = 1.0f / con.mtrtoplt;
}

void fill_colours()
{
    static const struct { int i; float r, g, b; } table[] = {
        {0, 1, 1, 1}, {1, 0.2f, 1, 0.2f}, {2, 1, 0.2f, 0.2f}, {3, 1, 1, 0.2f},
        {4, 0.4f, 0.4f, 1}, {5, 0.92f, 0.87f, 0.67f}, {6, 0.8f, 0.8f, 0.8f}, {7, 0, 1, 0},
        {8, 1, 0, 0}, {9, 1, 1, 0}, {10, 0, 0, 1}, {11, 0.67f, 0.61f, 0.42f},
        {12, 0.6f, 0.6f, 0.6f}, {13, 0, 0.8f, 0}, {14, 0.8f, 0, 0}, {15, 0.6f, 0.6f, 0},
        {16, 0, 0, 0.6f}, {17, 0.49f, 0.43f, 0.24f}, {18, 0.4f, 0.4f, 0.4f}, {19, 0, 0.6f, 0},
        {20, 0.6f, 0, 0}, {21, 0.35f, 0.3f, 0.11f}, {22, 0.2f, 0.2f, 0.2f}, {23, 0, 0.4f, 0},
        {24, 0.4f, 0, 0}, {25, 0.17f, 0.12f, 0}, {26, 0.1f, 0.1f, 0.1f}, {27, 0, 0.2f, 0},
        {28, 0.2f, 0, 0}, {29, 0, 0, 0}, {30, 0, 0.1f, 0}, {31, 0.1f, 0, 0},
        {32, 1, 0.8f, 0.2f}, {33, 0.2f, 0.2f, 0.6f}, {34, 0.11f, 0.22f, 0.55f}, {35, 0.08f, 0.16f, 0.4f},
        {36, 0.66f, 0.44f, 0.22f}, {37, 0.48f, 0.32f, 0.16f}, {38, 1, 1, 1}, {39, 0.8f, 0.8f, 0.8f},
        {40, 0.3f, 0.3f, 0.3f}, {41, 1, 1, 0.2f}, {42, 0.4f, 0.4f, 1}, {43, 0.5f, 0.5f, 1},
        {44, 1, 0, 0}, {45, 1, 0.4f, 0.4f}, {46, 0.6f, 1, 0.6f}, {47, 0.2f, 1, 0.2f},
        {48, 0, 1, 0}, {49, 0, 0.6f, 0}, {50, 0, 0.4f, 0}, {51, 0, 0.2f, 0},
        {52, 0, 0.1f, 0}, {53, 0.11f, 0.22f, 0.55f}, {54, 0.66f, 0.44f, 0.22f}, {55, 0.2f, 0.2f, 0.4f},
        {61, 1, 1, 1}, {62, 1, 1, 0.6f}, {63, 0.6f, 0.6f, 1}, {64, 0.8f, 0.8f, 0.8f},
        {65, 1, 1, 0.2f}, {66, 0.2f, 0.2f, 1}, {67, 0.6f, 0.6f, 0.6f}, {68, 0.8f, 0.8f, 0},
        {69, 0, 0, 0.8f}, {70, 0, 0, 0}, {71, 0, 0.9f, 0}, {72, 0, 0.5f, 0},
        {73, 1, 1, 0}, {74, 1, 0, 0},
    };
    for (const auto& c : table) OGL_assigncolor(c.i, c.r, c.g, c.b);
}

void fill_trig_tables()
{
    for (int d = 0; d <= 360; ++d) {
        lookup_sin[d] = (float)std::sin(d * con.degtorad);
        lookup_cos[d] = (float)std::cos(d * con.degtorad);
    }
}

int match_display_mode(const plat_mode* modes, int count, int w, int h)
{
    for (int i = 0; i < count; ++i)
        if (modes[i].w == w && modes[i].h == h) return i;
    return -1;
}

void mouse_from_pixels(int px, int py)
{
    raw_px = px;
    raw_py = py;
    last_origin_x = mnw.x;
    last_origin_y = mnw.y;
    mnw.mx = (px - view_x0) / mnw.XRAT - mnw.x;
    mnw.my = (mnw.YRES - py - view_y0) / mnw.YRAT - mnw.y;
}

void fit_drawing_space(int w, int h)
{
    mnw.XRES = (float)w;
    mnw.YRES = (float)h;
    float scale = fltmin2(mnw.XRES / 800, mnw.YRES / 600);
    mnw.XRAT = mnw.YRAT = scale;
    view_x0 = std::floor((mnw.XRES - 800 * scale) / 2);
    view_y0 = std::floor((mnw.YRES - 600 * scale) / 2);
}

void read_resolution_file()
{
    mnw.XRES = 800;
    mnw.YRES = 600;
    // A damaged file must not stop every start: the user could never reach
    // the rendering window that writes it anew. It reads as a missing one.
    int saved_use = inf_use;
    inf_use = 1;
    scan_soft = 1;
    scan_failed = 0;
    float x = 0, y = 0;
    if (inf_open(res_path, 206, 1, 0)) {
        x = fltscan("res prefs");
        y = fltscan("res prefs");
    }
    int damaged = scan_failed;
    scan_soft = 0;
    scan_failed = 0;
    inf1.close();
    inf1.clear();
    inf_use = saved_use;
    if (damaged) return;
    // Anything a screen could not be gives the default rather than a division by zero.
    if (std::isfinite(x) && std::isfinite(y) && x >= 320 && y >= 200 && x <= 16384 && y <= 16384) {
        mnw.XRES = x;
        mnw.YRES = y;
    }
}

int MACIBM_setres(int init_call)
{
    plat_mode cur{};
    if (!plat_current_mode(&cur)) return init_call ? 0 : 1;
    if (desk_w < 0) desk_w = cur.w;
    if (desk_h < 0) desk_h = cur.h;
    if (desk_bpp < 0) desk_bpp = cur.bpp;
    int want_w = init_call ? (int)mnw.XRES : desk_w;
    int want_h = init_call ? (int)mnw.YRES : desk_h;
    if (init_call && program_keeps_larger_desktop) {
        // Never below the desktop's own size.
        if (want_w < cur.w) want_w = cur.w;
        if (want_h < cur.h) want_h = cur.h;
    }
    if (cur.w == want_w && cur.h == want_h) return 1;

    static plat_mode modes[512];
    int n = 0;
    for (int i = 0; i < plat_mode_count() && n < 512; ++i)
        if (plat_mode_at(i, &modes[n])) ++n;
    if (match_display_mode(modes, n, want_w, want_h) < 0) return init_call ? 0 : 1;
    if (!plat_set_mode(want_w, want_h) && init_call) return 0;
    return 1;
}

void MACIBM_init()
{
    memset(&mnw, 0, sizeof mnw);
    memset(&con, 0, sizeof con);
    memset(&afl, 0, sizeof afl);
    memset(&pln, 0, sizeof pln);
    mnw.menu_up = -1;

    err.open("Error.out", std::ios::out | std::ios::trunc);
    err.setf(std::ios::fixed, std::ios::floatfield);
    inf_use = 1;

    set_paths();
    fill_constants();
    fill_trig_tables();
    fill_colours();
    read_resolution_file();

    int fitted = 0;
    if (!is_3dfx && !MACIBM_setres(1)) {
        int asked_default = mnw.XRES == 800 && mnw.YRES == 600;
        if (!asked_default) {
            MACIBM_alert(resolution_line((int)mnw.XRES),
                         "You computer is not set that way right now. I will therefore try to run Korvan in the default resolution.",
                         "If you want to run Korvan in that resolution, then set that resolution on your computer before you run Korvan.",
                         "If not, set the resolution of Korvan to 800 by 600 in the 'Rendering Options' window in the 'Settings' menu of Korvan.",
                         ALERT_NOTICE);
            mnw.XRES = 800;
            mnw.YRES = 600;
        }
        // Many screens offer no 800 x 600 at all: run at the desktop's own
        // mode and scale the drawing space into it.
        plat_mode desk{};
        if (!MACIBM_setres(1)) {
            if (!plat_current_mode(&desk))
                MACIBM_alert("I cannot set the resolution to the default of 800 by 600, 16-bit color.",
                             "Set your machine to 800 by 600, 16-bit color to run Korvan.", "", "", ALERT_FATAL);
            fit_drawing_space(desk.w, desk.h);
            fitted = 1;
        }
    }
    if (!fitted) {
        view_x0 = view_y0 = 0;
        mnw.XRAT = mnw.XRES / 800;
        mnw.YRAT = mnw.YRES / 600;
    }

    if (!plat_create_window("Omnivar", (int)mnw.XRES, (int)mnw.YRES))
        MACIBM_alert("Can't create window!", "", "", "", ALERT_FATAL);
    mnw.wind = (void*)1;

    const char* renderer = (const char*)glGetString(GL_RENDERER);
    if (renderer && strcmp(renderer, "GENERIC") == 0)
        MACIBM_alert("I can not find a 3-D accelerator card that can handle OpenGL that has correctly installed drivers.",
                     "I will still let you run the simulator, but the frame rate will NOT allow for a good simulation.",
                     "For you to fly realistically, you must use Korvan version Zandro, or get a 3-D accelerator card that can handle OpenGL.",
                     "See your graphics card maker's pages for drivers with OpenGL support.", ALERT_NOTICE);
    // SDL always shows the system cursor, so the toolkit never draws its own.
    is_3dfx = 0;

    gl_defaults();
    program_gl_ready();
    ogl_ready = 1;
    gdone = 0;

    APPLICATION_setupmenus();
    MACIBM_startwind(0);

    program_load_textures();
}

void MACIBM_showinit(int light)
{
    static int pos = 15;
    if (light) {
        if (done_initing) return;
        pos = intlim(pos + 5, 0, 600);
        float p = (float)pos;
        OGL_plot_background();
        OGL_fillrect(47, p, 20, 2, 5);
        OGL_line(46, p, 25, p + 2, 25);
        OGL_line(46, p, 20, p, 25);
        OGL_line(49, p, 20, p + 2, 20);
        OGL_line(49, p + 2, 20, p + 2, 25);
        OGL_sbuf();
        return;
    }
    for (int x = 20; x <= 600; x += 5) OGL_fillrect(29, (float)x, 20, 3, 6);
}

void MACIBM_button(float x1, float y1, float x2, float y2, int convex)
{
    int lit = convex ? 6 : 22;
    int dark = convex ? 22 : 6;
    OGL_line(lit, x1, y1, x1, y2);
    OGL_line(lit, x1, y2, x2, y2);
    OGL_line(dark, x2, y2, x2, y1);
    OGL_line(dark, x2, y1, x1, y1);
}

void IBM_handlewin(const plat_event* ev)
{
    switch (ev->kind) {
    case PLAT_KEY_DOWN:
        MACIBM_handlekey(ev->code);
        break;
    case PLAT_DESTROYED: {
        // Closed from the desktop: close any menu window, then the program's
        // own ending, as its Quit. A second close while that ending waits on
        // an alert or the save prompt only closes it (the prompt's Cancel).
        static int closing = 0;
        MACIBM_startwind(0);
        if (closing) break;
        closing = 1;
        program_window_closed();
        closing = 0;
        break;
    }
    case PLAT_MOUSE_MOVE:
        mouse_from_pixels(ev->x, ev->y);
        break;
    case PLAT_BUTTON_DOWN: {
        // A press on an alert, the save prompt or a chooser, or one that a
        // menu or a close box takes, is theirs to its release: whatever lies
        // beneath once they close sees neither a drag nor the lift.
        const int on_toolkit_window = mnw.topwin >= 996 && mnw.topwin <= 999;
        mnw.mouse_clicked = 1;
        mnw.now_dragging = 1;
        press_taken = MACIBM_handleclick() || on_toolkit_window;
        if (press_taken) mnw.now_dragging = 0;
        break;
    }
    case PLAT_BUTTON_UP:
        if (!press_taken) mnw.mouse_lifted = 1;
        press_taken = 0;
        mnw.now_dragging = 0;
        mnw.delay_dragging = 0;
        break;
    case PLAT_PAINT:
        got_event = 1;
        up_handled = 1;
        MACIBM_startwind(mnw.topwin);
        break;
    default:
        break;
    }
}

void MACIBM_event_proc()
{
    static int first_frame = 1;
    static long clock_at_first = 0;
    static float last_move_time = 0, last_down_time = 0;
    static float prev_mx = 0, prev_my = 0;

    mnw.mouse_clicked = 0;
    mnw.mouse_lifted = 0;

    plat_event ev;
    while (plat_poll_event(&ev)) IBM_handlewin(&ev);
    if (mnw.x != last_origin_x || mnw.y != last_origin_y) mouse_from_pixels(raw_px, raw_py);

    long now = plat_clock_ms();
    if (first_frame) {
        clock_at_first = now;
        first_frame = 0;
    }
    mnw.time_elapsed = (float)(now - clock_at_first) / 1000.0f;

    if (std::fabs(mnw.mx - prev_mx) > 1 || std::fabs(mnw.my - prev_my) > 1 || mnw.mouse_clicked)
        last_move_time = mnw.time_elapsed;
    if (mnw.mouse_clicked) last_down_time = mnw.time_elapsed;
    prev_mx = mnw.mx;
    prev_my = mnw.my;
    mnw.help_message[0] = 0;
    if (mnw.now_dragging) mnw.delay_dragging = mnw.time_elapsed - last_down_time > 1.0f;

    float rat1 = (float)(std::sin(5.0 * mnw.time_elapsed) * 0.4 + 0.6);
    float rat2 = (float)(std::sin(25.0 * mnw.time_elapsed) * 0.3 + 0.7);
    OGL_assigncolor(56, 0.2f * rat1, rat1, 0.2f * rat1);
    OGL_assigncolor(57, 0.2f * rat2, rat2, 0.2f * rat2);

    if (!up_handled) return;

    got_event = 0;
    OGL_plot_background();
    select_ctr = 0;

    switch (mnw.topwin) {
    case 996:
    case 997:
        break;
    case 998:
    case 999:
        OPENSAVE_update();
        break;
    default:
        APPLICATION_update();
        break;
    }

    if (mnw.menu_up != -1) MACIBM_draw_menu();
    if (mnw.help_message[0] && mnw.time_elapsed - last_move_time > 1.0f) MACIBM_draw_help();
    OGL_sbuf();
}

void MACIBM_finishup()
{
    MACIBM_setres(0);
    program_finishup();
    plat_destroy_window();
    mnw.wind = nullptr;
    if (ouf.is_open()) ouf.close();
    if (err.is_open()) err.close();
    if (trk.is_open()) trk.close();
}
