// The aircraft's engine, wind and rain sounds, kept in step with the flight.
#pragma once

void maintain_windrain_sound();
void maintain_engine_sound();
void play_engine_and_windrain();
void stop_engine_and_windrain();
