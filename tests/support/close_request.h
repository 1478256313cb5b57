// Test support: the desktop's close request as the toolkit receives it, and
// a press on one of the save prompt's buttons, queued for the frames to come.
#pragma once

// answer: 1 "Save", 2 "Don't Save", 3 "Cancel". The close goes to the next
// frame; the press to the frame after it, where the prompt it should bring
// waits for it.
void queue_close_and_answer(int answer);
