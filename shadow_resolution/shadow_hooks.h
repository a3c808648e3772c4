#pragma once

struct HostRaster;

// Stands in for the game's raster creation at the five shadow call sites: the size the game asks for is
// replaced by ShadowResolution, the other arguments and the result pass through unchanged.
HostRaster* ShadowRasterCreateHook(int width, int height, int third, int fourth);

// Redirects the five shadow raster creations to ShadowRasterCreateHook.
void InstallShadowHooks();
