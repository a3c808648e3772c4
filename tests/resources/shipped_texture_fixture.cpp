#include "shipped_texture_fixture.h"

#include <d3dx9tex.h>

#include "default_texture_files.h"
#include "shipped_resources.h"

void ShippedTextureTest::TearDown() {
  if (normalMap_ != nullptr) normalMap_->Release();
  if (cubeMap_ != nullptr) cubeMap_->Release();
  DeviceTest::TearDown();
}

IDirect3DTexture9* ShippedTextureTest::NormalMap() {
  if (normalMap_ == nullptr) {
    const std::string path = ShippedTexturePath(NormalMapFileName);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device_, path.c_str(), &normalMap_), D3D_OK) << path;
  }
  return normalMap_;
}

IDirect3DCubeTexture9* ShippedTextureTest::CubeMap() {
  if (cubeMap_ == nullptr) {
    const std::string path = ShippedTexturePath(CubeMapFileName);
    EXPECT_EQ(D3DXCreateCubeTextureFromFileA(device_, path.c_str(), &cubeMap_), D3D_OK) << path;
  }
  return cubeMap_;
}
