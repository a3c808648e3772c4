// Smooth pseudo-random noise (gradient noise on an integer lattice), from a fixed integer hash, so every
// build writes the same textures. Values lie roughly in -1 to 1 and vary over about one lattice unit.
#pragma once

#include <cstdint>

#include "vector3.h"

// Noise over all of space.
double GradientNoise(const Vector3& point, std::uint32_t seed);

// Noise in the plane that repeats every `period` units along x and along y, for textures that tile.
double TileableGradientNoise(double x, double y, int period, std::uint32_t seed);
