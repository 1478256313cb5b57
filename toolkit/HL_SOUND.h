// The 23 sound slots.
#pragma once

int init_sound();
void dispose_sound();
