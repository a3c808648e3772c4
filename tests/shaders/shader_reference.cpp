#include "shader_reference.h"

#include <algorithm>
#include <cmath>

namespace {

Float3 Xyz(const Float4& v) {
  return {v[0], v[1], v[2]};
}

Float4 Widen(const Float3& v) {
  return {v[0], v[1], v[2], 1.0f};
}

float Dot3(const Float3& a, const Float3& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

float Dot4(const Float4& a, const Float4& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
}

Float3 Add(const Float3& a, const Float3& b) {
  return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

Float3 Scale(const Float3& v, float s) {
  return {v[0] * s, v[1] * s, v[2] * s};
}

Float3 Normalize(const Float3& v) {
  return Scale(v, 1.0f / std::sqrt(Dot3(v, v)));
}

// Component j of the result is the dot product with register first + j.
Float4 Transform(const Float4& v, const VertexConstants& c, std::size_t first, std::size_t columns) {
  Float4 result{};
  for (std::size_t j = 0; j < columns; ++j) {
    result[j] = Dot4(v, c[first + j]);
  }
  return result;
}

}  // namespace

VertexOutputs ReferenceSurfaceVertex(const VertexConstants& c, const VertexInput& input) {
  const Float4 position{input.position[0], input.position[1], input.position[2], 1.0f};
  const Float3 worldPosition = Xyz(Transform(position, c, 7, 3));
  const Float3 camera{c[10][3], c[11][3], c[12][3]};
  const Float3 towardsLight = Normalize(Scale(Xyz(c[13]), -1.0f));
  const Float3 towardsCamera = Normalize(Add(camera, Scale(worldPosition, -1.0f)));
  const Float3 sum = Add(towardsCamera, towardsLight);

  VertexOutputs out{};
  out.position = Transform(position, c, 0, 4);
  out.texcoords[0] = Widen(input.texcoord);
  out.texcoords[1] = {sum[0], sum[1], sum[2], 1.0f};
  out.texcoords[2] = Transform(Widen(input.normal), c, 4, 3);
  out.texcoords[3] = Widen(worldPosition);
  out.texcoords[4] = Widen(camera);
  out.texcoords[5] = Transform(Widen(input.tangent), c, 4, 3);
  out.texcoords[6] = Transform(Widen(input.binormal), c, 4, 3);
  return out;
}

Float4 ReferenceSurfacePixel(const PixelConstants& c, const PixelInput& input,
                             const EnvironmentLookup& environment) {
  const std::array<Float4, 7>& t = input.texcoords;
  const float w = t[1][3];
  const float a = input.normalTexel[0] - 0.5f;
  const float b = input.normalTexel[1] - 0.5f;
  const Float3 tangent = Normalize(Xyz(t[5]));
  const Float3 binormal = Normalize(Xyz(t[6]));
  const Float3 normal = Normalize(Xyz(t[2]));
  const Float3 bumped = Normalize(Add(Add(normal, Scale(tangent, a)), Scale(binormal, b)));
  const Float3 view = Normalize(Add(Xyz(t[4]), Scale(Xyz(t[3]), -1.0f)));
  const Float3 half = Normalize(Xyz(t[1]));
  const Float3 half2 = Normalize(Add(view, half));
  const float diffuse = std::max(Dot3(half, bumped), 0.0f) * w;
  const float specular = std::pow(std::max(Dot3(half2, bumped), 0.0f), c[4][0]);
  const Float3 reflected = Add(view, Scale(bumped, -2.0f * Dot3(view, bumped)));
  const Float4 env = environment({reflected[0], -reflected[1], reflected[2]});
  const Float4& base = input.baseTexel;
  const float mask = std::clamp(base[0], 0.0f, 1.0f);
  const float highlight = specular * mask * diffuse;

  Float4 result{};
  for (std::size_t i = 0; i < 4; ++i) {
    const float light = w * (diffuse * c[0][i]) + c[1][i];
    const float surface = base[i] * c[2][i] * light + c[3][i];
    const float lit = w * (highlight * c[0][i]) + surface;
    result[i] = c[5][0] * env[i] + lit;
  }
  return result;
}
