#include "gradient_noise.h"

#include <cmath>

namespace {

// The 32-bit finaliser of the MurmurHash3 family: every input bit flips about half the output bits.
std::uint32_t Mix(std::uint32_t h) {
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

std::uint32_t LatticeHash(int x, int y, int z, std::uint32_t seed) {
  std::uint32_t h = Mix(seed ^ static_cast<std::uint32_t>(x));
  h = Mix(h ^ static_cast<std::uint32_t>(y));
  return Mix(h ^ static_cast<std::uint32_t>(z));
}

// A unit gradient, in the plane or in space, pointing equally likely in every direction: candidates from
// the hash are drawn until one falls inside the unit disc or ball, then lengthened to 1. Gradients from
// the whole square or cube would favour the diagonals and streak the noise.
Vector3 LatticeGradient(int x, int y, int z, bool planar, std::uint32_t seed) {
  std::uint32_t h = LatticeHash(x, y, z, seed);
  for (;;) {
    const auto component = [h](int byte) {
      return static_cast<double>((h >> (8 * byte)) & 0xFF) / 127.5 - 1.0;
    };
    const Vector3 candidate{component(0), component(1), planar ? 0.0 : component(2)};
    const double lengthSquared = Dot(candidate, candidate);
    if (lengthSquared > 0.01 && lengthSquared <= 1.0) {
      return (1.0 / std::sqrt(lengthSquared)) * candidate;
    }
    h = Mix(h + 1);
  }
}

// Quintic fade: the noise and its slope stay continuous across lattice cells.
double Fade(double t) {
  return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double Lerp(double a, double b, double t) {
  return a + t * (b - a);
}

int Wrap(int index, int period) {
  if (period <= 0) return index;
  const int wrapped = index % period;
  return wrapped < 0 ? wrapped + period : wrapped;
}

// How the lattice repeats: `period` 0 leaves it unbounded; otherwise x and y indices repeat with it.
// Planar noise has gradients in the plane z = 0, for points in that plane.
struct Lattice {
  int period;
  bool planar;
};

double LatticeNoise(const Vector3& point, Lattice lattice, std::uint32_t seed) {
  const double floorX = std::floor(point.x);
  const double floorY = std::floor(point.y);
  const double floorZ = std::floor(point.z);
  const Vector3 offset{point.x - floorX, point.y - floorY, point.z - floorZ};
  const int cellX = static_cast<int>(floorX);
  const int cellY = static_cast<int>(floorY);
  const int cellZ = static_cast<int>(floorZ);
  double corner[2][2][2];
  for (int dz = 0; dz < 2; ++dz) {
    for (int dy = 0; dy < 2; ++dy) {
      for (int dx = 0; dx < 2; ++dx) {
        const Vector3 gradient =
            LatticeGradient(Wrap(cellX + dx, lattice.period), Wrap(cellY + dy, lattice.period), cellZ + dz,
                            lattice.planar, seed);
        corner[dz][dy][dx] = Dot(gradient, offset - Vector3{double(dx), double(dy), double(dz)});
      }
    }
  }
  const double u = Fade(offset.x);
  const double v = Fade(offset.y);
  const double w = Fade(offset.z);
  const auto plane = [&](int dz) {
    return Lerp(Lerp(corner[dz][0][0], corner[dz][0][1], u), Lerp(corner[dz][1][0], corner[dz][1][1], u), v);
  };
  return Lerp(plane(0), plane(1), w);
}

}  // namespace

double GradientNoise(const Vector3& point, std::uint32_t seed) {
  return LatticeNoise(point, {0, false}, seed);
}

double TileableGradientNoise(double x, double y, int period, std::uint32_t seed) {
  return LatticeNoise({x, y, 0.0}, {period, true}, seed);
}
