// The shipped textures load through d3dx9 as the kinds of texture the surface plug-in binds: a 2D normal
// map with its whole mip chain (stage 1) and a square cube map (stage 2), in a format every card samples.
#include <d3dx9tex.h>
#include <gtest/gtest.h>

#include "default_texture_files.h"
#include "shipped_resources.h"
#include "shipped_texture_fixture.h"

namespace {

D3DXIMAGE_INFO FileInfo(const char* fileName) {
  D3DXIMAGE_INFO info{};
  const std::string path = ShippedTexturePath(fileName);
  EXPECT_EQ(D3DXGetImageInfoFromFileA(path.c_str(), &info), D3D_OK) << path;
  return info;
}

UINT FullMipChainLength(UINT size) {
  UINT levels = 1;
  while (size > 1) {
    size /= 2;
    ++levels;
  }
  return levels;
}

bool IsPowerOfTwo(UINT size) {
  return size != 0 && (size & (size - 1)) == 0;
}

TEST_F(ShippedTextureTest, NormalMapIsASquare2dTextureWithItsWholeMipChain) {
  const D3DXIMAGE_INFO info = FileInfo(NormalMapFileName);
  EXPECT_EQ(info.ResourceType, D3DRTYPE_TEXTURE);
  EXPECT_EQ(info.ImageFileFormat, D3DXIFF_DDS);
  EXPECT_EQ(info.Format, D3DFMT_A8R8G8B8);
  EXPECT_EQ(info.Width, info.Height);
  EXPECT_TRUE(IsPowerOfTwo(info.Width)) << info.Width;
  EXPECT_EQ(info.MipLevels, FullMipChainLength(info.Width));

  IDirect3DTexture9* texture = NormalMap();
  ASSERT_NE(texture, nullptr);
  EXPECT_EQ(texture->GetType(), D3DRTYPE_TEXTURE);
  EXPECT_EQ(texture->GetLevelCount(), info.MipLevels);
  D3DSURFACE_DESC top{};
  ASSERT_EQ(texture->GetLevelDesc(0, &top), D3D_OK);
  EXPECT_EQ(top.Format, D3DFMT_A8R8G8B8);
  EXPECT_EQ(top.Width, info.Width);
  EXPECT_EQ(top.Height, info.Height);
}

TEST_F(ShippedTextureTest, CubeMapIsASquareCubeTextureWithAllSixFaces) {
  const D3DXIMAGE_INFO info = FileInfo(CubeMapFileName);
  EXPECT_EQ(info.ResourceType, D3DRTYPE_CUBETEXTURE);
  EXPECT_EQ(info.ImageFileFormat, D3DXIFF_DDS);
  EXPECT_EQ(info.Format, D3DFMT_A8R8G8B8);
  EXPECT_EQ(info.Width, info.Height);
  EXPECT_TRUE(IsPowerOfTwo(info.Width)) << info.Width;

  IDirect3DCubeTexture9* cubeMap = CubeMap();
  ASSERT_NE(cubeMap, nullptr);
  EXPECT_EQ(cubeMap->GetType(), D3DRTYPE_CUBETEXTURE);
  D3DSURFACE_DESC top{};
  ASSERT_EQ(cubeMap->GetLevelDesc(0, &top), D3D_OK);
  EXPECT_EQ(top.Format, D3DFMT_A8R8G8B8);
  EXPECT_EQ(top.Width, info.Width);
  EXPECT_EQ(top.Height, info.Height);
  for (D3DCUBEMAP_FACES face :
       {D3DCUBEMAP_FACE_POSITIVE_X, D3DCUBEMAP_FACE_NEGATIVE_X, D3DCUBEMAP_FACE_POSITIVE_Y,
        D3DCUBEMAP_FACE_NEGATIVE_Y, D3DCUBEMAP_FACE_POSITIVE_Z, D3DCUBEMAP_FACE_NEGATIVE_Z}) {
    IDirect3DSurface9* surface = nullptr;
    EXPECT_EQ(cubeMap->GetCubeMapSurface(face, 0, &surface), D3D_OK) << face;
    if (surface != nullptr) surface->Release();
  }
}

}  // namespace
