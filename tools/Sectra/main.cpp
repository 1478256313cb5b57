// Sectra, the airfoil editor.
#include "sectra_app.h"

#include "platform/clock.h"

#include <unistd.h>

int main()
{
    // Pictures are found beside the program, wherever it was started from.
    if (chdir(plat_program_folder()) != 0) return 1;
    if (!plat_claim_single_instance("Sectra")) return 0;
    return sectra::sectra_main();
}
