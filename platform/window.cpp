#include "window.h"

#include <SDL2/SDL.h>
#include <cstdio>

namespace {
SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
int video_up = 0;
int want_w = 0, want_h = 0;
long swaps = 0;
plat_message_box_fn box_handler = nullptr;
plat_event injected[64];
int injected_head = 0, injected_count = 0;
int injected_shift = -1, injected_alt = -1;
// The desktop closes the last window with a window close followed at once by
// a quit: one request, reported once.
int closed_just_now = 0;
// The modifiers held when the last key went down: a slow frame pumps the
// key's release too, so the live state may no longer hold them.
SDL_Keymod key_mods = KMOD_NONE;

int video_init()
{
    if (!video_up) video_up = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    return video_up;
}

// The display mode of that size, at any colour depth (desktops seldom list 16 bits).
int find_mode(int w, int h, SDL_DisplayMode* out)
{
    int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) == 0 && m.w == w && m.h == h) {
            *out = m;
            return 1;
        }
    }
    return 0;
}

void apply_mode()
{
    SDL_DisplayMode m;
    if (!window || !find_mode(want_w, want_h, &m)) return;
    SDL_SetWindowDisplayMode(window, &m);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);
}
} // namespace

int plat_current_mode(plat_mode* out)
{
    SDL_DisplayMode m;
    if (!video_init() || SDL_GetCurrentDisplayMode(0, &m) != 0) return 0;
    out->w = m.w;
    out->h = m.h;
    out->bpp = SDL_BITSPERPIXEL(m.format);
    return 1;
}

int plat_mode_count()
{
    return video_init() ? SDL_GetNumDisplayModes(0) : 0;
}

int plat_mode_at(int index, plat_mode* out)
{
    SDL_DisplayMode m;
    if (!video_init() || SDL_GetDisplayMode(0, index, &m) != 0) return 0;
    out->w = m.w;
    out->h = m.h;
    out->bpp = SDL_BITSPERPIXEL(m.format);
    return 1;
}

int plat_set_mode(int w, int h)
{
    SDL_DisplayMode m;
    if (!video_init() || !find_mode(w, h, &m)) return 0;
    want_w = w;
    want_h = h;
    apply_mode();
    return 1;
}

int plat_create_window(const char* title, int w, int h)
{
    if (!video_init()) return 0;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    window = SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN | SDL_WINDOW_SHOWN);
    if (!window) return 0;
    if (want_w > 0) apply_mode();
    context = SDL_GL_CreateContext(window);
    if (!context) {
        SDL_DestroyWindow(window);
        window = nullptr;
        return 0;
    }
    SDL_GL_MakeCurrent(window, context);
    // Frame pacing is the swap's business, but a frame must never wait on it.
    SDL_GL_SetSwapInterval(0);
    return 1;
}

void plat_destroy_window()
{
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    context = nullptr;
    window = nullptr;
}

int plat_window_exists()
{
    return window != nullptr;
}

void plat_swap()
{
    if (window) SDL_GL_SwapWindow(window);
    ++swaps;
}

long plat_swap_count()
{
    return swaps;
}

int plat_vk_from_sdl(int key, int scan)
{
    switch (scan) {
    case SDL_SCANCODE_KP_0: return 96;
    case SDL_SCANCODE_KP_1: return 97;
    case SDL_SCANCODE_KP_2: return 98;
    case SDL_SCANCODE_KP_3: return 99;
    case SDL_SCANCODE_KP_4: return 100;
    case SDL_SCANCODE_KP_5: return 101;
    case SDL_SCANCODE_KP_6: return 102;
    case SDL_SCANCODE_KP_7: return 103;
    case SDL_SCANCODE_KP_8: return 104;
    case SDL_SCANCODE_KP_9: return 105;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_KP_ENTER: return 13;
    default: break;
    }
    if (key >= 'a' && key <= 'z') return key - 'a' + 'A';
    if (key >= '0' && key <= '9') return key;
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    switch (key) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: return 13;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: return 0;
    }
}

void plat_inject_event(const plat_event* ev)
{
    if (injected_count == 64) return;
    injected[(injected_head + injected_count) % 64] = *ev;
    ++injected_count;
}

int plat_poll_event(plat_event* ev)
{
    if (injected_count > 0) {
        *ev = injected[injected_head];
        injected_head = (injected_head + 1) % 64;
        --injected_count;
        return ev->kind != PLAT_NONE;
    }
    SDL_Event e;
    while (video_up && SDL_PollEvent(&e)) {
        ev->kind = PLAT_NONE;
        ev->code = ev->x = ev->y = 0;
        const int after_close = closed_just_now;
        closed_just_now = 0;
        switch (e.type) {
        case SDL_KEYDOWN:
            ev->code = plat_vk_from_sdl(e.key.keysym.sym, e.key.keysym.scancode);
            key_mods = (SDL_Keymod)e.key.keysym.mod;
            if (ev->code) ev->kind = PLAT_KEY_DOWN;
            break;
        case SDL_MOUSEMOTION:
            ev->kind = PLAT_MOUSE_MOVE;
            ev->x = e.motion.x;
            ev->y = e.motion.y;
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) ev->kind = PLAT_BUTTON_DOWN;
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT) ev->kind = PLAT_BUTTON_UP;
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SHOWN)
                ev->kind = PLAT_PAINT;
            else if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                ev->kind = PLAT_DESTROYED;
                closed_just_now = 1;
            }
            break;
        case SDL_QUIT:
            // Alone (a signal, the session ending) it is a close request of its own.
            if (!after_close) ev->kind = PLAT_DESTROYED;
            break;
        default:
            break;
        }
        if (ev->kind != PLAT_NONE) return 1;
    }
    return 0;
}

int plat_shift_down()
{
    if (injected_shift >= 0) return injected_shift;
    return (key_mods & KMOD_SHIFT) != 0;
}

int plat_alt_down()
{
    if (injected_alt >= 0) return injected_alt;
    return (key_mods & KMOD_ALT) != 0;
}

void plat_set_injected_keymods(int shift, int alt)
{
    injected_shift = shift < 0 ? -1 : shift != 0;
    injected_alt = alt < 0 ? -1 : alt != 0;
}

void plat_set_message_box_handler(plat_message_box_fn fn)
{
    box_handler = fn;
}

void plat_message_box(const char* title, const char* text)
{
    fprintf(stderr, "%s: %s\n", title, text);
    if (box_handler) {
        box_handler(title, text);
        return;
    }
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title, text, window);
}

void plat_beep()
{
    // No system beep on SDL; the message box itself is the signal.
}
