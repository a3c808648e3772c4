#include "device_test.h"

#include <d3dx9shader.h>

#include <cstring>

void DeviceTest::SetUp() {
  windowed_ = CreateWindowedDevice("shader test", TargetSize, TargetSize);
  device_ = windowed_.device;
  ASSERT_NE(device_, nullptr) << "no Direct3D 9 device: is there an X display?";
  ASSERT_EQ(device_->CreateRenderTarget(TargetSize, TargetSize, D3DFMT_A32B32G32R32F, D3DMULTISAMPLE_NONE, 0,
                                        FALSE, &target_, nullptr),
            D3D_OK);
  ASSERT_EQ(device_->CreateOffscreenPlainSurface(TargetSize, TargetSize, D3DFMT_A32B32G32R32F,
                                                 D3DPOOL_SYSTEMMEM, &readback_, nullptr),
            D3D_OK);
  ASSERT_EQ(device_->SetRenderTarget(0, target_), D3D_OK);
  device_->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
  device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device_->SetRenderState(D3DRS_LIGHTING, FALSE);
  for (DWORD sampler = 0; sampler < 3; ++sampler) {
    device_->SetSamplerState(sampler, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    device_->SetSamplerState(sampler, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    device_->SetSamplerState(sampler, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
    device_->SetSamplerState(sampler, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    device_->SetSamplerState(sampler, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
  }
}

void DeviceTest::TearDown() {
  for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) {
    (*it)->Release();
  }
  for (IUnknown* object : {static_cast<IUnknown*>(readback_), static_cast<IUnknown*>(target_)}) {
    if (object != nullptr) {
      object->Release();
    }
  }
  ReleaseWindowedDevice(windowed_);
}

IDirect3DVertexShader9* DeviceTest::CreateVertexShader(const DWORD* code) {
  IDirect3DVertexShader9* shader = nullptr;
  EXPECT_EQ(device_->CreateVertexShader(code, &shader), D3D_OK);
  owned_.push_back(shader);
  return shader;
}

IDirect3DPixelShader9* DeviceTest::CreatePixelShader(const DWORD* code) {
  IDirect3DPixelShader9* shader = nullptr;
  EXPECT_EQ(device_->CreatePixelShader(code, &shader), D3D_OK);
  owned_.push_back(shader);
  return shader;
}

namespace {

// The tests' own helper shaders are assembled by Wine's d3dx9.
std::vector<DWORD> Assemble(const char* assembly) {
  ID3DXBuffer* code = nullptr;
  ID3DXBuffer* messages = nullptr;
  const HRESULT result = D3DXAssembleShader(assembly, static_cast<UINT>(std::strlen(assembly)), nullptr,
                                            nullptr, 0, &code, &messages);
  EXPECT_EQ(result, D3D_OK) << (messages ? static_cast<const char*>(messages->GetBufferPointer()) : "");
  std::vector<DWORD> tokens;
  if (code != nullptr) {
    const auto* first = static_cast<const DWORD*>(code->GetBufferPointer());
    tokens.assign(first, first + code->GetBufferSize() / sizeof(DWORD));
    code->Release();
  }
  if (messages != nullptr) {
    messages->Release();
  }
  return tokens;
}

}  // namespace

IDirect3DVertexShader9* DeviceTest::AssembleVertexShader(const char* assembly) {
  return CreateVertexShader(Assemble(assembly).data());
}

IDirect3DPixelShader9* DeviceTest::AssemblePixelShader(const char* assembly) {
  return CreatePixelShader(Assemble(assembly).data());
}

IDirect3DVertexDeclaration9* DeviceTest::CreateDeclaration(const D3DVERTEXELEMENT9* elements) {
  IDirect3DVertexDeclaration9* declaration = nullptr;
  EXPECT_EQ(device_->CreateVertexDeclaration(elements, &declaration), D3D_OK);
  owned_.push_back(declaration);
  return declaration;
}

std::vector<Float4> DeviceTest::DrawPoint(const void* vertex, UINT stride) {
  std::vector<Float4> pixels(TargetSize * TargetSize);
  EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3D_OK);
  EXPECT_EQ(device_->BeginScene(), D3D_OK);
  EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_POINTLIST, 1, vertex, stride), D3D_OK);
  EXPECT_EQ(device_->EndScene(), D3D_OK);
  EXPECT_EQ(device_->GetRenderTargetData(target_, readback_), D3D_OK);
  D3DLOCKED_RECT locked{};
  EXPECT_EQ(readback_->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
  for (UINT y = 0; y < TargetSize; ++y) {
    std::memcpy(&pixels[y * TargetSize], static_cast<const char*>(locked.pBits) + y * locked.Pitch,
                TargetSize * sizeof(Float4));
  }
  readback_->UnlockRect();
  return pixels;
}
