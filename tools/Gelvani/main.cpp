// Gelvani, the scenery editor.
#include "gelvani_program.h"

#include "platform/clock.h"

#include <unistd.h>

int main()
{
    // Data files are found beside the program, wherever it was started from.
    if (chdir(plat_program_folder()) != 0) return 1;
    if (!plat_claim_single_instance("Gelvani")) return 0;
    return gelvani::gelvani_main();
}
