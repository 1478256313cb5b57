// Writes the bundled world database into the program folder at build time:
//   world_import <source folder> <home regions file> <"additional nav data" folder>
#include "world_import.h"

#include "platform/window.h"

#include <cstdio>

namespace {
// Notices go to stderr only: a build has no one to click them away.
void quiet_box(const char*, const char*)
{
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: world_import <source folder> <home regions file> <output folder>\n");
        return 2;
    }
    plat_set_message_box_handler(quiet_box);
    import_counts counts;
    if (!import_world(argv[1], argv[2], argv[3], &counts)) return 1;
    if (!counts.first_run_airport_kept) {
        fprintf(stderr, "world import: the first-run airport %s is missing from the database\n", FIRST_RUN_AIRPORT);
        return 1;
    }
    printf("World database: %d airports, %d navaids (%d VORs, %d NDBs, ILS at %d runway ends, %d left without)\n",
           counts.airports, counts.navaids, counts.vors, counts.ndbs, counts.ils, counts.ils_left_out);
    return 0;
}
