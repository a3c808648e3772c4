#include "game_renderer.h"

#include <d3dx9.h>

#include <cstring>

#include "game_textures.h"
#include "host_call_trace.h"
#include "stack_words.h"

namespace {

constexpr DWORD TextureStages = 3;
constexpr DWORD CubeMapStage = 2;

// What the game's device functions answer: Direct3D's D3D_OK.
constexpr std::uint32_t Done = D3D_OK;

IDirect3DBaseTexture9* TextureFromRaster(IDirect3DDevice9* device, const StandInRaster& raster) {
  const auto size = static_cast<UINT>(raster.file.size());
  if (raster.info.ResourceType == D3DRTYPE_CUBETEXTURE) {
    IDirect3DCubeTexture9* cube = nullptr;
    D3DXCreateCubeTextureFromFileInMemory(device, raster.file.data(), size, &cube);
    return cube;
  }
  IDirect3DTexture9* texture = nullptr;
  D3DXCreateTextureFromFileInMemoryEx(device, raster.file.data(), size, D3DX_DEFAULT, D3DX_DEFAULT,
                                      D3DX_DEFAULT, 0, D3DFMT_UNKNOWN, D3DPOOL_MANAGED, D3DX_FILTER_NONE,
                                      D3DX_FILTER_BOX, 0, nullptr, nullptr, &texture);
  return texture;
}

// Primitives in a run of vertices: the game's non-indexed draw is given a vertex count.
UINT PrimitivesOf(D3DPRIMITIVETYPE type, UINT vertexCount) {
  switch (type) {
    case D3DPT_POINTLIST:
      return vertexCount;
    case D3DPT_LINELIST:
      return vertexCount / 2;
    case D3DPT_LINESTRIP:
      return vertexCount > 0 ? vertexCount - 1 : 0;
    case D3DPT_TRIANGLELIST:
      return vertexCount / 3;
    default:
      return vertexCount > 2 ? vertexCount - 2 : 0;
  }
}

D3DMATRIX Transposed(const D3DMATRIX& matrix) {
  D3DXMATRIX transposed;
  D3DXMatrixTranspose(&transposed, static_cast<const D3DXMATRIX*>(&matrix));
  return transposed;
}

}  // namespace

GameRenderer::GameRenderer(UINT width, UINT height, D3DFORMAT targetFormat) : width_(width), height_(height) {
  windowed_ = CreateWindowedDevice("stand-in game", width, height);
  device_ = windowed_.device;
  if (!device_) return;
  // The frame goes to a target of its own rather than the window's back buffer, so that it can be read
  // back in any format the caller needs, unclamped floats included.
  if (FAILED(device_->CreateRenderTarget(width, height, targetFormat, D3DMULTISAMPLE_NONE, 0, FALSE, &target_,
                                         nullptr)) ||
      FAILED(device_->CreateDepthStencilSurface(width, height, D3DFMT_D24X8, D3DMULTISAMPLE_NONE, 0, TRUE,
                                                &depth_, nullptr))) {
    ReleaseWindowedDevice(windowed_);
    device_ = nullptr;
    return;
  }
  device_->SetRenderTarget(0, target_);
  device_->SetDepthStencilSurface(depth_);
  device_->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
  UseGameSampling();
}

GameRenderer::~GameRenderer() {
  for (auto& [record, texture] : textures_) {
    if (texture) texture->Release();
  }
  for (IUnknown* object : created_) object->Release();
  for (IUnknown* object : {static_cast<IUnknown*>(depth_), static_cast<IUnknown*>(target_)}) {
    if (object) object->Release();
  }
  ReleaseWindowedDevice(windowed_);
}

void GameRenderer::UseGameSampling() {
  for (DWORD stage = 0; stage < TextureStages; ++stage) {
    const DWORD address = stage == CubeMapStage ? D3DTADDRESS_CLAMP : D3DTADDRESS_WRAP;
    device_->SetSamplerState(stage, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(stage, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(stage, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(stage, D3DSAMP_ADDRESSU, address);
    device_->SetSamplerState(stage, D3DSAMP_ADDRESSV, address);
    device_->SetSamplerState(stage, D3DSAMP_ADDRESSW, address);
  }
}

void GameRenderer::UsePointSampling() {
  for (DWORD stage = 0; stage < TextureStages; ++stage) {
    device_->SetSamplerState(stage, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    device_->SetSamplerState(stage, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    device_->SetSamplerState(stage, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
  }
}

IDirect3DBaseTexture9* GameRenderer::DeviceTexture(HostTexture* texture) {
  if (!texture) return nullptr;
  auto found = textures_.find(texture);
  if (found != textures_.end()) return found->second;
  const StandInRaster* raster = reinterpret_cast<StandInTexture*>(texture)->raster;
  IDirect3DBaseTexture9* made = raster ? TextureFromRaster(device_, *raster) : nullptr;
  textures_[texture] = made;
  return made;
}

std::uint32_t GameRenderer::SetStreams(const void* streams, std::uint32_t useOffsets) {
  StandInVertexStream stream;
  std::memcpy(&stream, streams, sizeof stream);
  device_->SetStreamSource(0, stream.buffer, useOffsets ? stream.offset : 0, stream.stride);
  return Done;
}

std::uint32_t GameRenderer::DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT vertexCount) {
  device_->DrawPrimitive(type, startVertex, PrimitivesOf(type, vertexCount));
  return Done;
}

// The game composes the object's matrices for shader constants itself: world-view-projection and the
// inverse world, each transposed so that a vector's component j is its dot product with row j.
std::uint32_t GameRenderer::ComposeWorldTransforms(const D3DMATRIX& world) {
  device_->SetTransform(D3DTS_WORLD, &world);
  D3DXMATRIX view, projection;
  device_->GetTransform(D3DTS_VIEW, &view);
  device_->GetTransform(D3DTS_PROJECTION, &projection);
  const D3DXMATRIX worldMatrix(world);
  worldViewProjColumns_ = Transposed(worldMatrix * view * projection);
  // Normals go through the transpose of the inverse world, whose columns are the inverse's rows.
  D3DXMATRIX inverse;
  D3DXMatrixInverse(&inverse, nullptr, &worldMatrix);
  worldITColumns_ = inverse;
  return Done;
}

void GameRenderer::InstallBehaviours() {
  SetHostBehaviour(HostFunction::CreateVertexShader, [this](const HostCall& call) {
    IDirect3DVertexShader9* shader = nullptr;
    const HRESULT result = device_->CreateVertexShader(AsPointer<const DWORD*>(call.arguments[0]), &shader);
    if (shader) created_.push_back(shader);
    WriteOut(call.arguments[1], shader);
    return Word(result);
  });
  SetHostBehaviour(HostFunction::CreatePixelShader, [this](const HostCall& call) {
    IDirect3DPixelShader9* shader = nullptr;
    const HRESULT result = device_->CreatePixelShader(AsPointer<const DWORD*>(call.arguments[0]), &shader);
    if (shader) created_.push_back(shader);
    WriteOut(call.arguments[1], shader);
    return Word(result);
  });
  SetHostBehaviour(HostFunction::CreateVertexDeclaration, [this](const HostCall& call) {
    IDirect3DVertexDeclaration9* declaration = nullptr;
    const HRESULT result = device_->CreateVertexDeclaration(
        AsPointer<const D3DVERTEXELEMENT9*>(call.arguments[0]), &declaration);
    if (declaration) created_.push_back(declaration);
    WriteOut(call.arguments[1], declaration);
    return Word(result);
  });
  SetHostBehaviour(HostFunction::SetTexture, [this](const HostCall& call) {
    device_->SetTexture(call.arguments[1], DeviceTexture(AsPointer<HostTexture*>(call.arguments[0])));
    return Done;
  });
  SetHostBehaviour(HostFunction::SetTextureStageState, [this](const HostCall& call) {
    device_->SetTextureStageState(call.arguments[0], static_cast<D3DTEXTURESTAGESTATETYPE>(call.arguments[1]),
                                  call.arguments[2]);
    return Done;
  });
  SetHostBehaviour(HostFunction::GetRenderState, [this](const HostCall& call) {
    device_->GetRenderState(static_cast<D3DRENDERSTATETYPE>(call.arguments[0]),
                            AsPointer<DWORD*>(call.arguments[1]));
    return Done;
  });
  SetHostBehaviour(HostFunction::GetLight, [this](const HostCall& call) {
    device_->GetLight(call.arguments[0], AsPointer<D3DLIGHT9*>(call.arguments[1]));
    return Done;
  });
  SetHostBehaviour(HostFunction::SetLight, [this](const HostCall& call) {
    device_->SetLight(call.arguments[0], AsPointer<const D3DLIGHT9*>(call.arguments[1]));
    device_->LightEnable(call.arguments[0], TRUE);
    return Done;
  });
  SetHostBehaviour(HostFunction::SetMaterial, [this](const HostCall& call) {
    device_->SetMaterial(AsPointer<const D3DMATERIAL9*>(call.arguments[0]));
    return Done;
  });
  SetHostBehaviour(HostFunction::SetVertexShader, [this](const HostCall& call) {
    device_->SetVertexShader(AsPointer<IDirect3DVertexShader9*>(call.arguments[0]));
    return Done;
  });
  SetHostBehaviour(HostFunction::SetPixelShader, [this](const HostCall& call) {
    auto* shader = AsPointer<IDirect3DPixelShader9*>(call.arguments[0]);
    device_->SetPixelShader(shader && replacementPixelShader_ ? replacementPixelShader_ : shader);
    return Done;
  });
  SetHostBehaviour(HostFunction::SetVertexDeclaration, [this](const HostCall& call) {
    device_->SetVertexDeclaration(AsPointer<IDirect3DVertexDeclaration9*>(call.arguments[0]));
    return Done;
  });
  SetHostBehaviour(HostFunction::SetIndices, [this](const HostCall& call) {
    device_->SetIndices(AsPointer<IDirect3DIndexBuffer9*>(call.arguments[0]));
    return Done;
  });
  SetHostBehaviour(HostFunction::SetStreams, [this](const HostCall& call) {
    return SetStreams(AsPointer<const void*>(call.arguments[0]), call.arguments[1]);
  });
  SetHostBehaviour(HostFunction::SetVertexShaderConstant, [this](const HostCall& call) {
    device_->SetVertexShaderConstantF(call.arguments[0], AsPointer<const float*>(call.arguments[1]),
                                      call.arguments[2]);
    return Done;
  });
  SetHostBehaviour(HostFunction::SetPixelShaderConstant, [this](const HostCall& call) {
    device_->SetPixelShaderConstantF(call.arguments[0], AsPointer<const float*>(call.arguments[1]),
                                     call.arguments[2]);
    return Done;
  });
  SetHostBehaviour(HostFunction::DrawIndexedPrimitive, [this](const HostCall& call) {
    device_->DrawIndexedPrimitive(static_cast<D3DPRIMITIVETYPE>(call.arguments[0]),
                                  static_cast<INT>(call.arguments[1]), call.arguments[2], call.arguments[3],
                                  call.arguments[4], call.arguments[5]);
    return Done;
  });
  SetHostBehaviour(HostFunction::DrawPrimitive, [this](const HostCall& call) {
    return DrawPrimitive(static_cast<D3DPRIMITIVETYPE>(call.arguments[0]), call.arguments[1],
                         call.arguments[2]);
  });
  SetHostBehaviour(HostFunction::SetWorldMatrix, [this](const HostCall& call) {
    return ComposeWorldTransforms(*AsPointer<const D3DMATRIX*>(call.arguments[0]));
  });
  SetHostBehaviour(HostFunction::GetWorldViewProj, [this](const HostCall& call) {
    WriteOut(call.arguments[0], worldViewProjColumns_);
    return Done;
  });
  SetHostBehaviour(HostFunction::GetWorldIT, [this](const HostCall& call) {
    WriteOut(call.arguments[0], worldITColumns_);
    return Done;
  });
  SetHostBehaviour(HostFunction::GetTransform, [this](const HostCall& call) {
    device_->GetTransform(static_cast<D3DTRANSFORMSTATETYPE>(call.arguments[0]),
                          AsPointer<D3DMATRIX*>(call.arguments[1]));
    return Done;
  });
}
