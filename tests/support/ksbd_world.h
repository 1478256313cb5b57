// Test and benchmark support: the simulator in its window at KSBD over the
// bundled world, as a first run leaves it.
#pragma once

// Once per program: the window, the trainer, the database, the region round
// KSBD and the scene's textures; settings go to a scratch folder.
void start_at_ksbd();
// The default weather, on the runway, paused, cockpit view.
void park_at_ksbd();
// The scene's textures (terrain, runway markings, buildings, windsock, fire
// and smoke) from the program folder through the toolkit's loader, as the
// flight's once-a-second reload leaves them; needs the GL window.
void load_scene_textures();
