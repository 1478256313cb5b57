// Placing the aircraft for a start type (9 to 22).
#pragma once

void set_fltvars(int type);
