#include "texture_readback.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ArgbImage ReadSurface(IDirect3DSurface9* surface) {
  ArgbImage image;
  D3DSURFACE_DESC description{};
  EXPECT_EQ(surface->GetDesc(&description), D3D_OK);
  EXPECT_EQ(description.Format, D3DFMT_A8R8G8B8);
  EXPECT_EQ(description.Width, description.Height);
  D3DLOCKED_RECT locked{};
  if (surface->LockRect(&locked, nullptr, D3DLOCK_READONLY) != D3D_OK) {
    ADD_FAILURE() << "the surface does not lock";
    return image;
  }
  image.size = static_cast<int>(description.Width);
  image.texels.resize(description.Width * description.Height);
  for (UINT y = 0; y < description.Height; ++y) {
    std::memcpy(&image.texels[y * description.Width],
                static_cast<const char*>(locked.pBits) + y * locked.Pitch,
                description.Width * sizeof(std::uint32_t));
  }
  surface->UnlockRect();
  return image;
}

}  // namespace

ArgbImage ReadTextureLevel(IDirect3DTexture9* texture, UINT level) {
  IDirect3DSurface9* surface = nullptr;
  EXPECT_EQ(texture->GetSurfaceLevel(level, &surface), D3D_OK);
  if (surface == nullptr) return {};
  ArgbImage image = ReadSurface(surface);
  surface->Release();
  return image;
}

ArgbImage ReadCubeFace(IDirect3DCubeTexture9* texture, D3DCUBEMAP_FACES face, UINT level) {
  IDirect3DSurface9* surface = nullptr;
  EXPECT_EQ(texture->GetCubeMapSurface(face, level, &surface), D3D_OK);
  if (surface == nullptr) return {};
  ArgbImage image = ReadSurface(surface);
  surface->Release();
  return image;
}
