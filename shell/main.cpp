// Korvan, the flight simulator.
#include "startup.h"

#include "platform/clock.h"

#include <unistd.h>

int main()
{
    // Data files and logs are found beside the program, wherever it was started from.
    if (chdir(plat_program_folder()) != 0) return 1;
    // A second launch while one runs does nothing.
    if (!plat_claim_single_instance("Korvan")) return 0;
    return korvan_main();
}
