// The preview materials' own textures, handed to the plug-in as the game hands its textures: texture
// records whose rasters hold DDS files.
#pragma once

#include "argb_image.h"
#include "host_game.h"

// Light paint on metal panels: seams and worn spots are darker, and since the specular highlight is masked
// by the red channel, they are also duller.
ArgbImage PaintedPanelImage();

// A normal map of round rivets in rows, for a material whose effect texture replaces the default normal
// map: red and green carry the offsets along the tangent and binormal.
ArgbImage RivetNormalImage();

// A texture record, as the game's loader makes one, for the image with its mip levels. The record lives
// until the process ends, as the game's own do.
HostTexture* GameTextureOf(const ArgbImage& image);
