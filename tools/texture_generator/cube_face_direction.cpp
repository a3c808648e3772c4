#include "cube_face_direction.h"

// Direct3D picks the face by the direction's largest component and reads the image at
// s = sc / |ma|, t = tc / |ma| with, per face, (sc, tc, ma): +X (-z, -y, x), -X (z, -y, x),
// +Y (x, z, y), -Y (x, -z, y), +Z (x, -y, z), -Z (-x, -y, z).
Vector3 CubeFaceDirection(D3DCUBEMAP_FACES face, double s, double t) {
  switch (face) {
    case D3DCUBEMAP_FACE_POSITIVE_X:
      return {1.0, -t, -s};
    case D3DCUBEMAP_FACE_NEGATIVE_X:
      return {-1.0, -t, s};
    case D3DCUBEMAP_FACE_POSITIVE_Y:
      return {s, 1.0, t};
    case D3DCUBEMAP_FACE_NEGATIVE_Y:
      return {s, -1.0, -t};
    case D3DCUBEMAP_FACE_POSITIVE_Z:
      return {s, -t, 1.0};
    case D3DCUBEMAP_FACE_NEGATIVE_Z:
    default:
      return {-s, -t, -1.0};
  }
}
