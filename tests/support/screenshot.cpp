#include "screenshot.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

void take_screenshot(const char* folder, const char* name, std::vector<unsigned char>& shot)
{
    shot.resize(800 * 600 * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, shot.data());
    write_screenshot(folder, name, shot);
}

int write_screenshot(const char* folder, const char* name, const std::vector<unsigned char>& shot)
{
    std::string path = std::string(folder) + "/" + name + ".ppm";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fprintf(f, "P6\n800 600\n255\n");
    for (int y = 599; y >= 0; --y) std::fwrite(shot.data() + y * 800 * 3, 1, 800 * 3, f);
    std::fclose(f);
    return 1;
}
