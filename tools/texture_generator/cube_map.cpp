#include "cube_map.h"

#include "cube_face_direction.h"
#include "sky_environment.h"

namespace {

// Each texel shows the environment at its centre.
ArgbImage Face(D3DCUBEMAP_FACES face) {
  ArgbImage image;
  image.size = CubeMapFaceSize;
  image.texels.reserve(CubeMapFaceSize * CubeMapFaceSize);
  const auto centre = [](int i) { return (2.0 * i + 1.0) / CubeMapFaceSize - 1.0; };
  for (int y = 0; y < CubeMapFaceSize; ++y) {
    for (int x = 0; x < CubeMapFaceSize; ++x) {
      const Colour colour = SkyEnvironment(CubeFaceDirection(face, centre(x), centre(y)));
      image.texels.push_back(
          PackTexel(0xFF, ChannelLevel(colour.red), ChannelLevel(colour.green), ChannelLevel(colour.blue)));
    }
  }
  return image;
}

}  // namespace

std::array<ArgbImage, 6> CubeMapFaces() {
  return {Face(D3DCUBEMAP_FACE_POSITIVE_X), Face(D3DCUBEMAP_FACE_NEGATIVE_X),
          Face(D3DCUBEMAP_FACE_POSITIVE_Y), Face(D3DCUBEMAP_FACE_NEGATIVE_Y),
          Face(D3DCUBEMAP_FACE_POSITIVE_Z), Face(D3DCUBEMAP_FACE_NEGATIVE_Z)};
}
