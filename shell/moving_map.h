// The moving map: charts, local map, weather radar and airport diagram.
#pragma once

// Per-frame handler of the map windows (3 place on map, 24 airport diagram).
void manage_map();
