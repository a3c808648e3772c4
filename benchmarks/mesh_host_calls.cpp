#include "mesh_host_calls.h"

namespace {

constexpr int PixelShaderConstantRegisters = 6;
constexpr int EnvironmentCoefficientRegister = 5;

D3DMATERIAL9 gMaterial;
float gPixelShaderConstants[PixelShaderConstantRegisters][4];

}  // namespace

void MakeMeshHostCalls(HostMaterial* material, int meshCount) {
  for (int mesh = 0; mesh < meshCount; ++mesh) {
    hostMaterialEffectType(material);
    hostSetMaterial(&gMaterial);
    hostSetTexture(nullptr, 0);
    hostSetTexture(hostMaterialEffectTexture(material), 1);
    // Kept where the pixel shader constant is uploaded from, as the callback keeps it.
    gPixelShaderConstants[EnvironmentCoefficientRegister][0] = hostMaterialEffectCoefficient(material);
    for (int reg = 0; reg < PixelShaderConstantRegisters; ++reg) {
      hostSetPixelShaderConstant(reg, gPixelShaderConstants[reg], 1);
    }
    hostSetPixelShader(nullptr);
    hostDrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 3, 0, 1);
  }
}
