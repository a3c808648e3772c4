#pragma once

#include <atomic>

// Width and height of the game's "pedshadows" shadow rasters. DllMain writes it on the loader's thread
// while game threads read it in the raster hook; a relaxed atomic keeps both a plain 32-bit access.
extern std::atomic<int> ShadowResolution;

// Reads "res" of section "pedshadows" from the game folder's ini file into ShadowResolution.
void LoadShadowSettings();
