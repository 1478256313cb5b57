// The rendering options window (10): texture resolution, trees, the screen
// resolution for the next start ("VidRes.prf") and the GL driver's strings.
#include "settings_windows.h"

#include "prefs.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"

#include <GL/gl.h>

namespace {
const int res_w[5] = {640, 800, 832, 1024, 1280};
const int res_h[5] = {480, 600, 624, 768, 1024};

// A driver string in whole words, as many as `lines` lines of the driver's
// box hold (the extension list runs far longer); a driver without one (or no
// context at all) shows nothing.
void driver_string(GLenum name, int lines, char* out)
{
    const char* s = (const char*)glGetString(name);
    if (!s) s = "";
    copy_bounded(out, s, intmin2(OGL_string_fit(s, 440, 6, lines), 399) + 1);
}
} // namespace

void write_resolution_file(int xres, int yres)
{
    if (!ouf_open(res_path, 206, 1)) return;
    ouf << xres << "\n" << yres << "\n";
    ouf_close();
}

void manage_ogl()
{
    new_XRES = round(mnw.XRES);
    new_YRES = round(mnw.YRES);
    int choice = 0;
    for (int k = 1; k < 5; ++k)
        if (new_XRES == res_w[k]) choice = k;

    in5textbtn(434, 502, "   minimal  ", "   normal   ", "    high    ", "  very high ", "extreme res!", 30, &ogl_res);
    in2textbtn(434, 457, "no  (faster)", "yes (slower)", 30, &ogl_trees);
    // The button shows two of the five sizes: a larger one in force stays
    // until the button is stepped.
    int shown = intlim(choice, 0, 1);
    if (in2textbtn(434, 412, "  640 x 480 ", "  800 x 600 ", 30, &shown)) choice = shown;
    new_XRES = res_w[choice];
    new_YRES = res_h[choice];

    if (mnw.mouse_clicked) write_resolution_file(new_XRES, new_YRES);

    static const char* const labels[4] = {"Open-GL Vendor:    ", "Open-GL Renderer:  ", "Open-GL Version:   ",
                                           "Open-GL Extensions:"};
    static const GLenum names[4] = {GL_VENDOR, GL_RENDERER, GL_VERSION, GL_EXTENSIONS};
    static char text[400];
    for (int k = 0; k < 4; ++k) {
        int color = k % 2 ? 41 : 47;
        OGL_string(color, 25, 360 - 10.0f * k, labels[k], 999, 6);
        // The extensions take the lines down to the driver box's foot.
        driver_string(names[k], k == 3 ? 5 : 1, text);
        OGL_string(color, 150, 360 - 10.0f * k, text, 440, 6);
    }
    OGL_string(38, 25, 260, "It is critical that you use the right 3-D card and renderer to get hardware acceleration.",
               999, 6);
    OGL_string(38, 25, 250, "A 'Generic' renderer probably means that you are NOT getting hardware acceleration.", 999,
               6);
    OGL_string(38, 25, 240,
               "If this is the case, then you probably need an appropriate video card and drivers for it.", 999, 6);
    OGL_string(38, 25, 160,
               "Lowering texture resolution may help frame rate because it will allow all of the textures", 999, 6);
    OGL_string(38, 25, 150, "to be stored on the video card.", 999, 6);
}
