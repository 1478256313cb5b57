// The cockpit's work that the flight step starts at fixed points of its own
// order: the panel laid out while an aircraft loads, the controllers'
// dialogue forgotten when a flight is set up, their replies on the second
// tick, and a stick button that presses a panel point. The flight step names
// here what it needs and the cockpit defines it (the simulator links its
// layers as one group), so the flight layer includes nothing above itself.
#pragma once

// cockpit/P_INIT.cpp: places the instruments, gauges and glide-slope box from
// the converted aircraft record.
void init_panel_layout();
// cockpit/DO_ATC.cpp: forgets the dialogue's timers and memories.
void reset_atc_dialogue();
// cockpit/DO_ATC.cpp: the flight-plan phase machine (ack 1: the pilot checked
// in) and the controller's reply to a request.
void handle_plan(int ack);
void controller_respond(const char* request);
// cockpit/traffic_calls.cpp: the carrier's landing signal officer.
void LSO_respond();
// cockpit/panel_controls.cpp: a click on the panel at (x, y).
void manage_das(float x, float y);
