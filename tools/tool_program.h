// The start-up end, frame loop and window opener that the tools share; each
// tool keeps its own start-up steps, window size and backdrop.
#pragma once

// Ends start-up, shows the main screen, runs frames until Quit and shuts
// down; returns the exit code.
int tool_run();
// MACIBM_startwind of a tool: window 0 is the menu bar over the start-up
// picture while starting, then over backdrop (a missing backdrop is fatal
// unless backdrop_optional); other windows are the toolkit's in their frames.
void tool_startwind(int index, float dx, float dy, const char* backdrop, int backdrop_optional);
