// Stand-ins for the edit screens until they are built: the obstacle,
// airport and navaid screens draw nothing and change nothing.
#include "gelvani_program.h"

namespace gelvani {

void handle_obs() {}
void handle_apt() {}
void handle_nav() {}

} // namespace gelvani
