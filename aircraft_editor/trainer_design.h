// The trainer that ships in the program folder's "Aircraft" folder: a
// four-seat, high-wing, single-engine trainer of 160 hp with a fixed-pitch
// two-blade propeller and tricycle gear.
#pragma once

namespace fabrex {

// Its file name in the "Aircraft" folder.
extern const char* const TRAINER_FILE;

// Builds the trainer into pln on top of the default aircraft, named
// TRAINER_FILE at `path`. Stored units: feet, pounds, hp, knots, degrees.
void build_trainer(const char* path);

} // namespace fabrex
