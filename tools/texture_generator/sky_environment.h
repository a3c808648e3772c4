// The default environment that painted and shiny surfaces reflect: a soft, slightly clouded sky over a
// hazy line of distant hills and a dark ground, so that a reflection shows a clear horizon.
#pragma once

#include "vector3.h"

// The cube map direction of the zenith. The surface shader looks the map up at (R.x, -R.y, R.z), which is
// (-M.x, M.y, -M.z) for the mirrored view ray M: a half turn about y, so a world with +y up, as Direct3D
// scenes and cube maps usually have it, sees the sky above and the ground below.
constexpr Vector3 SkyUp{0.0, 1.0, 0.0};

struct Colour {
  double red;
  double green;
  double blue;
};

// The colour seen along a direction of cube space (any length but zero).
Colour SkyEnvironment(const Vector3& direction);
