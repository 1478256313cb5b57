// Build-time generator: writes the bundled airfoils and flap, made by the
// airfoil editor's model from published section figures, into the program
// folder's "airfoils" and "flaps".
#include "airfoil_files.h"
#include "airfoil_model.h"
#include "bundled_sections.h"
#include "platform/window.h"
#include "toolkit/HL_FUNCT.h"

#include <cstdio>
#include <sys/stat.h>

namespace {
// No one is there to answer a message box during a build.
void print_only(const char*, const char*)
{
}

int write_part(const char* folder, const char* name)
{
    C_plus_C(folder, name, sectra::msc.C_path);
    if (!sectra::writeoutpart()) {
        fprintf(stderr, "make_airfoils: could not write %s\n", sectra::msc.C_path);
        return 0;
    }
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: make_airfoils <program folder>\n");
        return 2;
    }
    plat_set_message_box_handler(print_only);
    char airfoils[400], flaps[400];
    C_plus_C(argv[1], "/airfoils/", airfoils);
    C_plus_C(argv[1], "/flaps/", flaps);
    mkdir(airfoils, 0755);
    mkdir(flaps, 0755);

    for (int i = 0; i < sectra::bundled_airfoil_count; ++i) {
        sectra::load_bundled_airfoil(sectra::bundled_airfoils[i]);
        if (!write_part(airfoils, sectra::bundled_airfoils[i].file)) return 1;
    }
    for (int i = 0; i < sectra::bundled_flap_count; ++i) {
        sectra::load_bundled_flap(*sectra::bundled_flaps[i]);
        if (!write_part(flaps, sectra::bundled_flaps[i]->file)) return 1;
    }
    return 0;
}
