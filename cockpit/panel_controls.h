// The instrument panel's mouse handling.
#pragma once

// Lever position 0..1 of panel lever p from the mouse y.
float util_get_handle(int p, float my);
