// Every call a plug-in makes into the stand-in game, in order, with its arguments.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

enum class HostFunction {
  StreamOpen,
  ReadRasterFromStream,
  StreamClose,
  TextureCreate,
  CreateVertexShader,
  CreatePixelShader,
  CreateVertexDeclaration,
  InstallRenderCallback,
  SetTexture,
  SetTextureStageState,
  GetRenderState,
  GetLight,
  SetLight,
  SetMaterial,
  SetVertexShader,
  SetPixelShader,
  SetVertexDeclaration,
  SetIndices,
  SetStreams,
  SetVertexShaderConstant,
  SetPixelShaderConstant,
  DrawIndexedPrimitive,
  DrawPrimitive,
  FrameGetWorldMatrix,
  SetWorldMatrix,
  GetWorldViewProj,
  GetWorldIT,
  GetTransform,
  MaterialEffectType,
  MaterialEffectTexture,
  MaterialEffectCoefficient,
  RasterCreate,
  // The game's own pipeline set-up, which its call at the set-up site reaches until a plug-in takes over.
  PipelineSetup,
};

const char* HostFunctionName(HostFunction function);

struct HostCall {
  HostFunction function;
  std::vector<std::uint32_t> arguments;  // each argument as the 32-bit stack word the game received
  std::vector<std::uint8_t> data;        // the bytes a pointer argument handed to the game
  std::string text;                      // a file path argument
};

bool operator==(const HostCall& left, const HostCall& right);
std::ostream& operator<<(std::ostream& out, const HostCall& call);

std::vector<HostCall> HostCallTrace();
// What each call of the trace returned to the plug-in, by position (a float as its bit pattern).
std::vector<std::uint32_t> HostCallResults();
void ResetHostCallTrace();

// What the stand-in game does when called: gets the recorded call, returns the 32-bit result (a float
// result as its bit pattern). Out-parameters are written through the pointer arguments.
using HostBehaviour = std::function<std::uint32_t(const HostCall& call)>;

void SetHostBehaviour(HostFunction function, HostBehaviour behaviour);
void ResetHostBehaviours();

// Appends the call to the trace, then runs the function's behaviour (outside the trace's lock, so a
// behaviour may call back into the game).
std::uint32_t RecordHostCall(HostCall call);
