#include "no_op_game_functions.h"

#include <cstdint>
#include <vector>

#include "game_code.h"
#include "host_game.h"

namespace {

constexpr std::uint8_t Ret = 0xC3;

// mov eax, word; ret
std::vector<std::uint8_t> ReturnWord(std::uint32_t word) {
  return {0xB8,
          static_cast<std::uint8_t>(word),
          static_cast<std::uint8_t>(word >> 8),
          static_cast<std::uint8_t>(word >> 16),
          static_cast<std::uint8_t>(word >> 24),
          Ret};
}

// fldz; ret: a float result of 0 comes back on the x87 stack.
const std::vector<std::uint8_t> ReturnFloatZero = {0xD9, 0xEE, Ret};

// mov eax, [esp+8]; mov dword [eax], 1; ret: the render state asked for reads as on.
const std::vector<std::uint8_t> AnswerStateOn = {0x8B, 0x44, 0x24, 0x08, 0xC7, 0x00,
                                                 0x01, 0x00, 0x00, 0x00, Ret};

const std::uintptr_t ReturningFunctions[] = {
    HostSetTextureAddress,
    HostSetTextureStageStateAddress,
    HostGetLightAddress,
    HostSetLightAddress,
    HostSetMaterialAddress,
    HostSetVertexShaderAddress,
    HostSetPixelShaderAddress,
    HostSetVertexDeclarationAddress,
    HostSetIndicesAddress,
    HostSetStreamsAddress,
    HostSetVertexShaderConstantAddress,
    HostSetPixelShaderConstantAddress,
    HostDrawIndexedPrimitiveAddress,
    HostDrawPrimitiveAddress,
    HostSetWorldMatrixAddress,
    HostGetWorldViewProjAddress,
    HostGetWorldITAddress,
    HostGetTransformAddress,
    HostMaterialEffectTextureAddress,
};

}  // namespace

void MakeGameRenderFunctionsNoOps(const D3DMATRIX* frameWorldMatrix) {
  for (std::uintptr_t function : ReturningFunctions) PatchGameCode(function, {Ret});
  PatchGameCode(HostGetRenderStateAddress, AnswerStateOn);
  PatchGameCode(HostFrameGetWorldMatrixAddress,
                ReturnWord(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(frameWorldMatrix))));
  PatchGameCode(HostMaterialEffectTypeAddress, ReturnWord(NoOpMaterialEffectType));
  PatchGameCode(HostMaterialEffectCoefficientAddress, ReturnFloatZero);
}
