// The editor's six menus, its menu commands and its letter keys.
#include "editor.h"

#include "default_plane.h"
#include "fabrex_records.h"
#include "smoothing.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"

namespace fabrex {
namespace {
struct item {
    int id;
    const char* text;
    const char* help;
};

template <int N>
void append_all(int menu, const item (&items)[N])
{
    for (const item& it : items) MACIBM_append_menu(menu, it.id, it.text, it.help);
}

const item file_items[] = {
    {100, "New", "This will create a fresh starting point for a new aircraft."},
    {101, "Open", "This will open an existing aircraft."},
    {102, "Save", "This will save the currently open aircraft."},
    {103, "Save As", "This will save the currently open aircraft."},
    {104, "-", ""},
    {105, "Quit", ""},
};

const item plane_standard[] = {
    {200, "Viewpoint", "This sets the pilots eye viewpoint and V-speeds."},
    {201, "Panel", "This sets the instrument panel options."},
    {202, "-", ""},
    {203, "Force Feedback", "This sets the options that affect force-feedback joysticks."},
    {204, "-", ""},
    {205, "Engines", "This sets the engine parameters."},
    {206, "Props", "This sets the propeller (if any) parameters."},
    {207, "-", ""},
    {208, "Wing 1", ""},
    {209, "Wing 2", ""},
    {210, "Wing 3", ""},
    {211, "Horizontal Stabilizer", ""},
    {212, "Vertical Stabilizer 1", ""},
    {213, "Vertical Stabilizer 2", ""},
    {214, "-", ""},
    {215, "Control Geometry", "This sets the flight control geometry parameters."},
    {216, "-", ""},
    {217, "Fuselage", "This sets the fuselage parameters."},
    {218, "Engine Nacelles", "This sets the engine nacelle parameters."},
    {219, "Fuel Tanks or Floats", ""},
    {220, "Wheel Fairings", "This sets the whel fairing (if any) parameters."},
    {221, "Engine Pylons", "This sets the engine pylon parameters. Engine pylons normally support jet engines."},
    {222, "-", ""},
    {223, "Weight & Balance", "This sets the weight and center or gravity parameters."},
    {224, "-", ""},
    {225, "Landing Gear", "This sets the landing gear (if any) parameters."},
};

// Ids 210-220 keep the airplane's names where the helicopter has a screen there.
const item heli_standard[] = {
    {200, "Viewpoint", "This sets the pilots eye viewpoint and V-speeds."},
    {201, "Panel", "This sets the instrument panel options."},
    {202, "-", ""},
    {203, "Force Feedback", "This sets the options that affect force-feedback joysticks."},
    {204, "-", ""},
    {205, "Engine", "This sets the engine parameters."},
    {206, "Main Rotor", "This sets the main rotor parameters."},
    {207, "Tail Rotor", "This sets the tail rotor parameters."},
    {208, "Rotor System", "This sets rotor parameters parameters."},
    {209, "-", ""},
    {210, "Horizontal Stabilizer", ""},
    {211, "Vertical Stabilizer 1", ""},
    {212, "Vertical Stabilizer 2", ""},
    {213, "-", ""},
    {214, "Fuselage", "This sets the fuselage parameters."},
    {215, "Fuel Tanks or Floats", ""},
    {216, "Wheel Fairings", "This sets the wheel fairing (if any) parameters."},
    {217, "-", ""},
    {218, "Weight & Balance", "This sets the weight and center or gravity parameters."},
    {219, "-", ""},
    {220, "Landing Gear", "This sets the landing gear (if any) parameters."},
};

const item plane_expert[] = {
    {300, "Prop", "This sets the prop airfoils."},
    {301, "Wing 1", "This sets the wing 1 airfoils."},
    {302, "Wing 2", "This sets the wing 2 airfoils."},
    {303, "Wing 3", "This sets the wing 3 airfoils."},
    {304, "Horizontal Stabilizer", "This sets the horizontal stabilizer airfoils."},
    {305, "Vertical Stabilizer 1", "This sets the vertical stabilizer airfoils."},
    {306, "Vertical Stabilizer 2", "This sets the vertical stabilizer airfoils."},
    {307, "-", ""},
    {308, "Special Controls", "This sets the special control parameters."},
    {309, "VTOL Controls", ""},
    {310, "-", ""},
    {311, "Artificial Stability", ""},
};

const item heli_expert[] = {
    {300, "Main Rotor", "This sets the main rotor airfoils."},
    {301, "Tail Rotor", "This sets the tail rotor airfoils."},
    {302, "Horizontal Stabilizer", ""},
    {303, "-", ""},
    {304, "Stability-Augmentation", ""},
};

const item background_items[] = {
    {400, "Top", ""}, {401, "Bottom", ""}, {402, "Side", ""}, {403, "Front", ""}, {404, "Back", ""},
    {405, "-", ""}, {406, "[A] Adjust Heading", ""}, {407, "[D] Adjust Heading", ""},
    {408, "[W] Adjust Roll", ""}, {409, "[S] Adjust Roll", ""}, {410, "-", ""},
    {411, "[J] Move Left", ""}, {412, "[L] Move Right", ""}, {413, "[I] Move Up", ""},
    {414, "[K] Move Down", ""}, {415, "-", ""}, {416, "[X] Zoom in a Bit", ""},
    {417, "[Z] Zoom out a Bit", ""}, {418, "-", ""}, {419, "3-D Quick", ""}, {420, "3-D Long", ""},
};

const char* const ELLIPSE_HELP =
    "This smooths the body so that all of the cross-sections get pulled into a shape closer to an ellipse.";
const char* const TOTAL_HELP =
    "This smooths the body so that all of the cross-sections get pulled into a shape closer to an ellipse, and "
    "also smooths it so that each station more easily blends into the stations in front and behind, resulting in "
    "a 'smoother' plane.";

const item special_items[] = {
    {500, "[Low-f] Ellipse-Smooth Fuselage", ELLIPSE_HELP},
    {501, "[Low-n] Ellipse-Smooth Nacelles", ELLIPSE_HELP},
    {502, "[Low-t] Ellipse-Smooth Tanks or Floats", ELLIPSE_HELP},
    {503, "[Low-e] Ellipse-Smooth Wheel Fairings", ELLIPSE_HELP},
    {504, "-", ""},
    {505, "[Cap-F] Total-Smooth Fuselage", TOTAL_HELP},
    {506, "[Cap-N] Total-Smooth Nacelles", TOTAL_HELP},
    {507, "[Cap-T] Total-Smooth Tanks or Floats", TOTAL_HELP},
    {508, "[Cap-E] Total-Smooth Wheel Fairings", TOTAL_HELP},
    {509, "-", ""},
    {510, "Switch to AIRPLANE-MAKING mode", ""},
    {511, "Switch to HELICOPTER-MAKING mode", ""},
    {512, "-", ""},
    {513, "Show With Wireframe", ""},
    {514, "Show With Textures", ""},
    {515, "-", ""},
    {516, "Show With Still Controls", ""},
    {517, "Show With Moving Controls", ""},
    {518, "-", ""},
    {519, "Show With Black Background", ""},
    {520, "Show With Sky Background", ""},
    {521, "-", ""},
    {522, "[R] Reload Textures",
     "This will re-load the texture from the disk, which is useful if you have just altered them in a graphics "
     "program."},
    {523, "Output Texture-Map Starting Points",
     "This will output texture map starting points for you to use to texture this aircraft."},
};

const int SMOOTHED_BODY[4] = {18, 19, 23, 25};

void new_plane()
{
    setup_baseplane("Untitled.acf", "Untitled.acf");
    remember_engine_type();
    MACIBM_startwind(0);
}

void set_view(float the, float psi, float phi)
{
    msc.the = the;
    msc.psi = psi;
    msc.phi = phi;
}

int is_screen(int id)
{
    if (pln.is_heli) return (id >= 200 && id <= 220) || (id >= 300 && id <= 304);
    return (id >= 200 && id <= 225) || (id >= 300 && id <= 311);
}

void run_command(int id)
{
    if (id == 0) MACIBM_alert(about_lines[0], about_lines[1], about_lines[2], about_lines[3], ALERT_ABOUT);
    if (id == 100 && do_new_thing()) new_plane();
    if ((id == 510 || id == 511) && do_new_thing()) {
        pln.is_heli = id == 511;
        new_plane();
    }
    if (id == 101 && do_new_thing()) openplane();
    if (id == 102) {
        msc.planemod = !writeout(0);
        MACIBM_startwind(0);
    }
    if (id == 103) msc.planemod = !writeout(1);
    if (id == 105 && do_new_thing()) gdone = 1;
    if (is_screen(id)) MACIBM_startwind(id);
    switch (id) {
    case 400: set_view(0, 270, -90); break;
    case 401: set_view(0, 270, 90); break;
    case 402: set_view(0, 270, 0); break;
    case 403: set_view(0, 180, 0); break;
    case 404: set_view(0, 0, 0); break;
    case 406: msc.psi = fltwrap(msc.psi + 10, 0, 360); break;
    case 407: msc.psi = fltwrap(msc.psi - 10, 0, 360); break;
    case 408: msc.phi = fltwrap(msc.phi + 10, 0, 360); break;
    case 409: msc.phi = fltwrap(msc.phi - 10, 0, 360); break;
    case 411: msc.xos -= 0.05f; break;
    case 412: msc.xos += 0.05f; break;
    case 413: msc.yos += 0.05f; break;
    case 414: msc.yos -= 0.05f; break;
    case 416: msc.zoom /= 1.05f; break;
    case 417: msc.zoom *= 1.05f; break;
    case 419:
    case 420: msc.rotate_code = id; break;
    case 513: mnw.draw_wire = 1; break;
    case 514: mnw.draw_wire = 0; break;
    case 516: msc.movecons = 0; break;
    case 517: msc.movecons = 1; break;
    case 519:
    case 520:
        msc.bluesky = id == 520;
        MACIBM_startwind(0);
        break;
    case 522:
        load_plane_geo(1, 0);
        mnw.draw_wire = 0;
        break;
    case 523:
        MACIBM_alert("I shall now create a bitmap called 'start fuse.bmp', which will contain an outline of the "
                     "fuselage of this airplane.",
                     "I will do the same thing for all the other parts on this airplane. You may adjust the SIZES "
                     "of these bitmaps to any power of 2.",
                     "These bitmaps are good starting points for you to do your own textures for this airplane "
                     "with a graphics program.",
                     "Just remember, if you change the aircraft geometry, then you will need to change your "
                     "texture to fit the new shape of the plane!",
                     ALERT_NOTICE);
        load_plane_geo(0, 1);
        break;
    default: break;
    }
    if (id >= 500 && id <= 503) {
        smoothit(SMOOTHED_BODY[id - 500], 0);
        msc.planemod = 1;
    }
    if (id >= 505 && id <= 508) {
        smoothit(SMOOTHED_BODY[id - 505], 1);
        msc.planemod = 1;
    }
}
} // namespace
} // namespace fabrex

void APPLICATION_setupmenus()
{
    using namespace fabrex;
    clear_menus();
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, 0, "About", "");
    MACIBM_create_menu(1, -1, "File");
    append_all(1, file_items);
    MACIBM_create_menu(2, -1, "Standard");
    if (pln.is_heli) append_all(2, heli_standard);
    else append_all(2, plane_standard);
    MACIBM_create_menu(3, -1, "Expert");
    if (pln.is_heli) append_all(3, heli_expert);
    else append_all(3, plane_expert);
    MACIBM_create_menu(4, -1, "Background");
    append_all(4, background_items);
    MACIBM_create_menu(5, -1, "Special");
    append_all(5, special_items);
}

void APPLICATION_handlemenu(int choice)
{
    fabrex::run_command(choice);
    APPLICATION_update();
    APPLICATION_setupmenus();
}

// Closing the window from the desktop is Quit, with its save question.
void program_window_closed()
{
    APPLICATION_handlemenu(105);
}

void APPLICATION_handlekey(char key)
{
    static const struct {
        char key;
        int id;
    } keys[] = {
        {'a', 406}, {'A', 406}, {'d', 407}, {'D', 407}, {'w', 408}, {'W', 408}, {'s', 409}, {'S', 409},
        {'j', 411}, {'J', 411}, {'l', 412}, {'L', 412}, {'i', 413}, {'I', 413}, {'k', 414}, {'K', 414},
        {'x', 416}, {'X', 416}, {'z', 417}, {'Z', 417}, {'r', 522}, {'R', 522}, {'f', 500}, {'n', 501},
        {'t', 502}, {'e', 503}, {'F', 505}, {'N', 506}, {'T', 507}, {'E', 508},
    };
    for (const auto& k : keys)
        if (k.key == key) {
            APPLICATION_handlemenu(k.id);
            return;
        }
}
