// The stand-in game's rendering mode: a hidden window and a Direct3D 9 device (Wine's d3d9), with the
// game's device functions forwarded to it. Every call is still recorded first; the behaviours installed
// here replace the answers of the plain stand-in for the functions that reach the device.
#pragma once

#include <windows.h>
// d3d9.h needs the Windows types declared first.
#include <d3d9.h>

#include <cstdint>
#include <map>
#include <vector>

#include "host_game.h"
#include "windowed_device.h"

// What the game keeps at a resource entry's stream descriptions (+0x28): the stand-in's own layout, one
// vertex stream, since the plug-in hands the address on without reading inside.
struct StandInVertexStream {
  IDirect3DVertexBuffer9* buffer;
  std::uint32_t offset;  // applied only when the game's use-offsets flag is set
  std::uint32_t stride;
};

class GameRenderer {
 public:
  // A device whose render target has the given size and format, with a depth buffer.
  GameRenderer(UINT width, UINT height, D3DFORMAT targetFormat);
  ~GameRenderer();
  GameRenderer(const GameRenderer&) = delete;
  GameRenderer& operator=(const GameRenderer&) = delete;

  // False when no device could be made; nothing else works then.
  bool Ready() const { return device_ != nullptr; }
  IDirect3DDevice9* Device() const { return device_; }
  IDirect3DSurface9* Target() const { return target_; }
  UINT Width() const { return width_; }
  UINT Height() const { return height_; }

  // Forwards the game's device functions to this device, as long as the renderer lives.
  void InstallBehaviours();

  // The device texture made from a texture record's raster, made on first use; null for none.
  IDirect3DBaseTexture9* DeviceTexture(HostTexture* texture);

  // While set, every pixel shader the plug-in binds is replaced by this one (0 still unbinds).
  void ReplacePixelShader(IDirect3DPixelShader9* shader) { replacementPixelShader_ = shader; }

  // The game's filtering: trilinear for the 2D stages, clamped linear for the cube map stage.
  void UseGameSampling();
  // Nearest texel of the top level everywhere, so that a sample can be predicted exactly.
  void UsePointSampling();

 private:
  std::uint32_t SetStreams(const void* streams, std::uint32_t useOffsets);
  std::uint32_t DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT vertexCount);
  std::uint32_t ComposeWorldTransforms(const D3DMATRIX& world);

  WindowedDevice windowed_;
  IDirect3DDevice9* device_ = nullptr;
  IDirect3DSurface9* target_ = nullptr;
  IDirect3DSurface9* depth_ = nullptr;
  UINT width_;
  UINT height_;
  std::map<HostTexture*, IDirect3DBaseTexture9*> textures_;
  std::vector<IUnknown*> created_;  // shaders and declarations the game handed out
  IDirect3DPixelShader9* replacementPixelShader_ = nullptr;
  D3DMATRIX worldViewProjColumns_{};  // what hostGetWorldViewProj answers
  D3DMATRIX worldITColumns_{};        // what hostGetWorldIT answers
};
