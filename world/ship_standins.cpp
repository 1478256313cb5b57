// Stand-ins until the ships land: vessels are not drawn and mark no deck.
#include "ships.h"

void draw_a_carr(float, float, float) {}
void draw_a_frig(float, float, float) {}
void draw_a_oilr(float, float, float) {}
