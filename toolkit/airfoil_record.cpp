#include "airfoil_record.h"

airfoilstruct afl;
