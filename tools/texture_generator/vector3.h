// Directions and lattice points for the texture content.
#pragma once

#include <cmath>

struct Vector3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vector3 operator-(const Vector3& a, const Vector3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vector3 operator*(double s, const Vector3& v) {
  return {s * v.x, s * v.y, s * v.z};
}
inline double Dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double Length(const Vector3& v) {
  return std::sqrt(Dot(v, v));
}
inline Vector3 Normalize(const Vector3& v) {
  return (1.0 / Length(v)) * v;
}
