// The one-cycle force dump to "Korvan.out".
#pragma once

// The dump's header with the flight condition before the dumped half-step.
void force_dump_header();
