#include "sky_environment.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "gradient_noise.h"

namespace {

// Colours as the screen shows them. The reflection is added on top of the lit paint, so the sky stays
// below white and the ground dark.
constexpr Colour Zenith{0.30, 0.46, 0.74};
constexpr Colour HorizonHaze{0.78, 0.82, 0.87};
constexpr Colour Cloud{0.90, 0.91, 0.93};
constexpr Colour CloudShade{0.62, 0.66, 0.72};
constexpr Colour HillsNear{0.24, 0.29, 0.30};
constexpr Colour HillsHazy{0.50, 0.56, 0.62};
constexpr Colour GroundAtHorizon{0.34, 0.33, 0.31};
constexpr Colour GroundBelow{0.09, 0.09, 0.085};

constexpr std::uint32_t CloudSeed = 0x5EED0002;
constexpr std::uint32_t SkylineSeed = 0x5EED0003;
constexpr std::uint32_t GroundSeed = 0x5EED0004;

// Elevations as the sine of the angle above the horizon.
constexpr double SkylineMean = 0.06;
constexpr double SkylineSwing = 0.08;
constexpr double HorizonSoftness = 0.006;

Colour Mix(const Colour& a, const Colour& b, double t) {
  return {a.red + t * (b.red - a.red), a.green + t * (b.green - a.green), a.blue + t * (b.blue - a.blue)};
}

double SmoothStep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

double Fractal(const Vector3& point, std::uint32_t seed, int octaves) {
  double sum = 0.0;
  double amplitude = 1.0;
  double frequency = 1.0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += amplitude * GradientNoise(frequency * point, seed + static_cast<std::uint32_t>(octave));
    amplitude *= 0.5;
    frequency *= 2.03;
  }
  return sum;
}

Colour Sky(const Vector3& direction, double elevation) {
  const Colour clear = Mix(HorizonHaze, Zenith, std::sqrt(elevation));
  // Clouds thin out towards the horizon, where they would hide the skyline.
  const double density = Fractal(2.2 * direction, CloudSeed, 4);
  const double cover = SmoothStep(0.05, 0.5, density) * SmoothStep(0.04, 0.3, elevation);
  const Colour cloud = Mix(Cloud, CloudShade, SmoothStep(0.3, 0.8, density));
  return Mix(clear, cloud, 0.85 * cover);
}

// Height of the hills' silhouette towards the direction's compass bearing.
double SkylineElevation(const Vector3& level) {
  const double length = Length(level);
  if (length == 0.0) return 0.0;
  return SkylineMean + SkylineSwing * Fractal((2.0 / length) * level, SkylineSeed, 3);
}

Colour Ground(const Vector3& direction, double depression) {
  const double mottle = 0.05 * Fractal(6.0 * direction, GroundSeed, 2);
  return Mix(GroundAtHorizon, GroundBelow, std::clamp(depression + mottle, 0.0, 1.0));
}

}  // namespace

Colour SkyEnvironment(const Vector3& direction) {
  const Vector3 unit = Normalize(direction);
  const double elevation = Dot(unit, SkyUp);
  const Vector3 level = unit - elevation * SkyUp;
  const Colour below = Ground(unit, std::max(-elevation, 0.0));
  const double skyline = SkylineElevation(level);
  const Colour hills = Mix(HillsNear, HillsHazy, SmoothStep(0.0, SkylineMean + SkylineSwing, elevation));
  const Colour land = Mix(below, hills, SmoothStep(-HorizonSoftness, HorizonSoftness, elevation));
  const Colour sky = Sky(unit, std::max(elevation, 0.0));
  return Mix(land, sky, SmoothStep(skyline - HorizonSoftness, skyline + HorizonSoftness, elevation));
}
