// A real Direct3D 9 device for shader tests: Wine's d3d9 on Mesa's llvmpipe, on the X display the test
// set-up provides. It renders into a float render target (A32B32G32R32F) that reads back unclamped.
#pragma once

#include <d3d9.h>
#include <gtest/gtest.h>

#include <vector>

#include "vector_types.h"
#include "windowed_device.h"

class DeviceTest : public ::testing::Test {
 protected:
  static constexpr UINT TargetSize = 64;

  void SetUp() override;
  void TearDown() override;

  // Shaders live until the test ends.
  IDirect3DVertexShader9* CreateVertexShader(const DWORD* code);
  IDirect3DPixelShader9* CreatePixelShader(const DWORD* code);
  IDirect3DVertexShader9* AssembleVertexShader(const char* assembly);
  IDirect3DPixelShader9* AssemblePixelShader(const char* assembly);
  IDirect3DVertexDeclaration9* CreateDeclaration(const D3DVERTEXELEMENT9* elements);

  // Clears the target to zero, draws one point from the vertex and reads the whole target back.
  std::vector<Float4> DrawPoint(const void* vertex, UINT stride);

  static Float4 PixelAt(const std::vector<Float4>& target, UINT x, UINT y) {
    return target[y * TargetSize + x];
  }

  IDirect3DDevice9* device_ = nullptr;

 private:
  std::vector<IUnknown*> owned_;
  WindowedDevice windowed_;
  IDirect3DSurface9* target_ = nullptr;
  IDirect3DSurface9* readback_ = nullptr;
};
