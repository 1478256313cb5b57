// What the four tools supply to the toolkit alike: nothing of their own to
// release at the end, untinted colours and the backdrop always whole. Each compiles this beside its own
// variant and tools/tool_defaults.cpp.
#include "toolkit/program_variant.h"

void program_finishup() {}

void program_tint(float* r, float* g, float* b)
{
    *r = *g = *b = 1;
}

int program_backdrop_layout()
{
    return 0;
}
