// Makes the stand-in answer like the game for everything the surface plug-in calls, recording still.
#pragma once

#include "game_device.h"
#include "game_records.h"
#include "game_textures.h"

inline void InstallGameBehaviours() {
  InstallGameTextureBehaviours();
  InstallGameDeviceBehaviours();
}
