// A real device with the shipped textures loaded through d3dx9, the way the stand-in game loads them.
#pragma once

#include <d3d9.h>

#include "device_test.h"

class ShippedTextureTest : public DeviceTest {
 protected:
  void TearDown() override;

  // Loaded on first use and released when the test ends; null (and a failure) when d3dx9 refuses.
  IDirect3DTexture9* NormalMap();
  IDirect3DCubeTexture9* CubeMap();

 private:
  IDirect3DTexture9* normalMap_ = nullptr;
  IDirect3DCubeTexture9* cubeMap_ = nullptr;
};
