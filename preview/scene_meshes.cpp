#include "scene_meshes.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "vector3.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

struct SurfacePoint {
  Vector3 position;
  Vector3 normal;
  Vector3 tangent;  // along increasing u, before it is made orthogonal to the normal
};

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void Store(float (&out)[3], const Vector3& v) {
  out[0] = static_cast<float>(v.x);
  out[1] = static_cast<float>(v.y);
  out[2] = static_cast<float>(v.z);
}

// A grid of (columns + 1) x (rows + 1) vertices over a parameter square; the texture repeats
// `uRepeat` and `vRepeat` times across it. Seams are duplicated so the texture coordinates stay
// continuous. The binormal is the normal crossed with the tangent, which on these surfaces points
// along increasing v.
void AddGrid(MeshData& mesh, int columns, int rows, double uRepeat, double vRepeat,
             const std::function<SurfacePoint(double u, double v)>& surface) {
  const auto first = static_cast<std::uint16_t>(mesh.vertices.size());
  for (int row = 0; row <= rows; ++row) {
    for (int column = 0; column <= columns; ++column) {
      const double u = static_cast<double>(column) / columns;
      const double v = static_cast<double>(row) / rows;
      const SurfacePoint point = surface(u, v);
      const Vector3 normal = Normalize(point.normal);
      const Vector3 tangent = Normalize(point.tangent - Dot(point.tangent, normal) * normal);
      SurfaceVertex vertex{};
      Store(vertex.position, point.position);
      Store(vertex.normal, normal);
      Store(vertex.texcoord, {u * uRepeat, v * vRepeat, 0.0});
      Store(vertex.tangent, tangent);
      Store(vertex.binormal, Cross(normal, tangent));
      mesh.vertices.push_back(vertex);
    }
  }
  const int stride = columns + 1;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const int corner = first + row * stride + column;
      for (int index :
           {corner, corner + 1, corner + stride, corner + 1, corner + stride + 1, corner + stride}) {
        mesh.indices.push_back(static_cast<std::uint16_t>(index));
      }
    }
  }
}

}  // namespace

MeshData Sphere(float radius) {
  MeshData mesh;
  AddGrid(mesh, 64, 32, 4.0, 2.0, [radius](double u, double v) {
    const double longitude = 2.0 * Pi * u;
    const double latitude = Pi * v;  // 0 at the north pole
    const Vector3 normal{std::sin(latitude) * std::cos(longitude), std::cos(latitude),
                         std::sin(latitude) * std::sin(longitude)};
    // At the poles the longitude's direction is still defined, so the frame does not collapse.
    const Vector3 tangent{-std::sin(longitude), 0.0, std::cos(longitude)};
    return SurfacePoint{radius * normal, normal, tangent};
  });
  return mesh;
}

MeshData Torus(float ringRadius, float tubeRadius) {
  MeshData mesh;
  AddGrid(mesh, 96, 32, 6.0, 2.0, [ringRadius, tubeRadius](double u, double v) {
    const double around = 2.0 * Pi * u;
    const double tube = 2.0 * Pi * v;
    const Vector3 outwards{std::cos(around), 0.0, std::sin(around)};
    // The tube angle runs downwards from the outer equator, the way v runs down the texture.
    const Vector3 normal = std::cos(tube) * outwards + Vector3{0.0, -std::sin(tube), 0.0};
    const Vector3 position = ringRadius * outwards + tubeRadius * normal;
    const Vector3 tangent{-std::sin(around), 0.0, std::cos(around)};
    return SurfacePoint{position, normal, tangent};
  });
  return mesh;
}

MeshData RoundedBox(float halfSize, float roundness) {
  MeshData mesh;
  const double inner = halfSize - roundness;
  // Each face is a grid on the cube of the box's outer size; a grid point is pulled onto the rounded
  // surface around the inner box, so the flat part stays flat and the edges turn smoothly.
  // Each face's u runs along `right`; v runs along the normal crossed with it, as the binormal does.
  struct Face {
    Vector3 normal, right;
  };
  const Face faces[] = {
      {{1, 0, 0}, {0, 0, 1}},  {{-1, 0, 0}, {0, 0, -1}}, {{0, 1, 0}, {1, 0, 0}},
      {{0, -1, 0}, {1, 0, 0}}, {{0, 0, 1}, {-1, 0, 0}},  {{0, 0, -1}, {1, 0, 0}},
  };
  for (const Face& face : faces) {
    const Vector3 down = Cross(face.normal, face.right);
    AddGrid(mesh, 24, 24, 1.0, 1.0, [&](double u, double v) {
      const Vector3 onCube = halfSize * (face.normal + (2.0 * u - 1.0) * face.right + (2.0 * v - 1.0) * down);
      const Vector3 core{std::clamp(onCube.x, -inner, inner), std::clamp(onCube.y, -inner, inner),
                         std::clamp(onCube.z, -inner, inner)};
      const Vector3 normal = Normalize(onCube - core);
      return SurfacePoint{core + roundness * normal, normal, face.right};
    });
  }
  return mesh;
}
