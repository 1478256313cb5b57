// Latitude and longitude (degrees) to and from the world window's local
// metres (x east, z south).
#pragma once

float X_with_latlon(float lat, float lon);
float Z_with_lat(float lat);
float lon_with_xz(float x, float z);
float lat_with_z(float z);
