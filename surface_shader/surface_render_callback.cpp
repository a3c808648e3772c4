#include "surface_render_callback.h"

#include "host_records.h"
#include "surface_state.h"
#include "transform_constants.h"

namespace {

// Texture stages, as the surface pixel shader samples them.
constexpr int ColourStage = 0;
constexpr int NormalMapStage = 1;
constexpr int EnvironmentStage = 2;
// Direct3D's default for stage 1: texture coordinate set 1.
constexpr std::uint32_t NormalMapStageTexCoordIndex = 1;

// Geometry flags the game passes with each object.
constexpr std::uint32_t TexturedFlags = 0x04 | 0x80;
constexpr std::uint32_t ResetEnvironmentStageFlag = 0x40;

// Effect types of a game material that carry an environment coefficient; the bump-and-environment type
// also brings its own stage 1 texture.
constexpr int EnvironmentEffect = 2;
constexpr int BumpEnvironmentEffect = 3;

// The single-precision value nearest to 1/255 (bit pattern 0x3B808081), scaling 8-bit colour channels.
constexpr float ColourChannelScale = 0.0039215689f;
constexpr float SpecularPower = 90.0f;

// Pixel shader constant registers.
constexpr int LightColorRegister = 0;
constexpr int AmbiColorRegister = 1;
constexpr int SurfColorRegister = 2;
constexpr int SurfEmissiveRegister = 3;
constexpr int SpecExponRegister = 4;
constexpr int RefMulRegister = 5;

void RefreshSceneLight() {
  hostGetLight(0, &gSceneLight);
  const float* directional = hostDirectionalColour();
  const float* ambient = hostAmbientColour();
  const float* lightVector = hostLightVector();
  gSceneLight.Diffuse.r = directional[0];
  gSceneLight.Diffuse.g = directional[1];
  gSceneLight.Diffuse.b = directional[2];
  gSceneLight.Specular = gSceneLight.Diffuse;
  gSceneLight.Type = D3DLIGHT_DIRECTIONAL;
  gSceneLight.Ambient.r = ambient[0];
  gSceneLight.Ambient.g = ambient[1];
  gSceneLight.Ambient.b = ambient[2];
  // The game's light vector points towards the light; Direct3D's direction is the way the light travels.
  gSceneLight.Direction.x = -lightVector[0];
  gSceneLight.Direction.y = -lightVector[1];
  gSceneLight.Direction.z = -lightVector[2];
  hostSetLight(0, &gSceneLight);
}

void SetMaterialColour(const HostMaterial* material) {
  gSurfaceMaterial.Diffuse.r =
      ReadHostField<std::uint8_t>(material, HostMaterialRedOffset) * ColourChannelScale;
  gSurfaceMaterial.Diffuse.g =
      ReadHostField<std::uint8_t>(material, HostMaterialGreenOffset) * ColourChannelScale;
  gSurfaceMaterial.Diffuse.b =
      ReadHostField<std::uint8_t>(material, HostMaterialBlueOffset) * ColourChannelScale;
  gSurfaceMaterial.Diffuse.a = 1.0f;
  gSurfaceMaterial.Power = SpecularPower;
  hostSetMaterial(&gSurfaceMaterial);
}

// Binds the material's texture and answers how strongly the environment map is reflected.
float BindMaterialTextures(HostMaterial* material, int effect) {
  hostSetTexture(ReadHostField<HostTexture*>(material, HostMaterialTextureOffset), ColourStage);
  if (effect == BumpEnvironmentEffect) {
    hostSetTexture(hostMaterialEffectTexture(material), NormalMapStage);
    return hostMaterialEffectCoefficient(material);
  }
  if (effect == EnvironmentEffect) return hostMaterialEffectCoefficient(material);
  return 0.0f;
}

void UploadPixelShaderConstants(float refmul) {
  // The program reads only x of the exponent and of the environment weight.
  const float specExpon[4] = {gSurfaceMaterial.Power, 0.0f, 0.0f, 0.0f};
  const float refMul[4] = {refmul, 0.0f, 0.0f, 0.0f};
  hostSetPixelShaderConstant(LightColorRegister, &gSceneLight.Diffuse.r, 1);
  hostSetPixelShaderConstant(AmbiColorRegister, &gSceneLight.Ambient.r, 1);
  hostSetPixelShaderConstant(SurfColorRegister, &gSurfaceMaterial.Diffuse.r, 1);
  hostSetPixelShaderConstant(SurfEmissiveRegister, &gSurfaceMaterial.Emissive.r, 1);
  hostSetPixelShaderConstant(SpecExponRegister, specExpon, 1);
  hostSetPixelShaderConstant(RefMulRegister, refMul, 1);
}

void DrawMesh(const HostResourceEntry* resourceEntry, const std::uint8_t* mesh, bool indexed) {
  const int primitiveType = ReadHostField<int>(resourceEntry, HostResourcePrimitiveTypeOffset);
  const int baseVertex = ReadHostField<int>(mesh, HostMeshBaseVertexOffset);
  const int vertexCount = ReadHostField<int>(mesh, HostMeshVertexCountOffset);
  if (indexed) {
    hostDrawIndexedPrimitive(primitiveType, baseVertex, 0, vertexCount,
                             ReadHostField<int>(mesh, HostMeshStartIndexOffset),
                             ReadHostField<int>(mesh, HostMeshPrimitiveCountOffset));
  } else {
    // The game's non-indexed draw takes the vertex count where the indexed one takes primitives.
    hostDrawPrimitive(primitiveType, baseVertex, vertexCount);
  }
}

void DrawMeshes(HostResourceEntry* resourceEntry, bool lighting, bool textured) {
  const int meshCount = ReadHostField<int>(resourceEntry, HostResourceMeshCountOffset);
  const bool indexed = ReadHostField<HostHandle>(resourceEntry, HostResourceIndexBufferOffset) != nullptr;
  const auto* meshes =
      static_cast<const std::uint8_t*>(HostFieldAddress(resourceEntry, HostResourceFirstMeshOffset));
  for (int i = 0; i < meshCount; ++i) {
    const std::uint8_t* mesh = meshes + static_cast<std::size_t>(i) * HostResourceMeshStride;
    HostMaterial* material = ReadHostField<HostMaterial*>(mesh, HostMeshMaterialOffset);
    const int effect = hostMaterialEffectType(material);
    if (lighting) SetMaterialColour(material);
    // Untextured geometry keeps the game's stage 0 and reflects nothing.
    const float refmul = textured ? BindMaterialTextures(material, effect) : 0.0f;
    UploadPixelShaderConstants(refmul);
    hostSetPixelShader(gSurfacePixelShader);
    DrawMesh(resourceEntry, mesh, indexed);
  }
}

// Turns stage 1 off again for the game's fixed-function drawing that follows; stage 2 is turned off only
// for unlit geometry carrying flag 0x40.
void RestoreTextureStages(bool lighting, std::uint32_t flags) {
  hostSetPixelShader(nullptr);
  hostSetTexture(nullptr, NormalMapStage);
  hostSetTextureStageState(NormalMapStage, D3DTSS_COLOROP, D3DTOP_DISABLE);
  hostSetTextureStageState(NormalMapStage, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
  hostSetTextureStageState(NormalMapStage, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE);
  hostSetTextureStageState(NormalMapStage, D3DTSS_TEXCOORDINDEX, NormalMapStageTexCoordIndex);
  if (!lighting && (flags & ResetEnvironmentStageFlag)) {
    hostSetTextureStageState(EnvironmentStage, D3DTSS_COLOROP, D3DTOP_DISABLE);
    hostSetTextureStageState(EnvironmentStage, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
  }
}

}  // namespace

void __cdecl SurfaceRenderCallback(HostResourceEntry* resourceEntry, HostObject* object, std::uint32_t,
                                   std::uint32_t flags) {
  hostSetTexture(gNormalMapTexture, NormalMapStage);
  hostSetTexture(gCubeMapTexture, EnvironmentStage);

  // Uploads the light direction stored by the previous object, before this object refreshes light 0.
  UploadTransformConstants(hostFrameGetWorldMatrix(ReadHostField<HostFrame*>(object, HostObjectFrameOffset)));

  hostSetVertexShader(gSurfaceVertexShader);
  HostHandle indexBuffer = ReadHostField<HostHandle>(resourceEntry, HostResourceIndexBufferOffset);
  if (indexBuffer) hostSetIndices(indexBuffer);
  hostSetStreams(HostFieldAddress(resourceEntry, HostResourceStreamsOffset),
                 ReadHostField<std::uint32_t>(resourceEntry, HostResourceUseOffsetsOffset));
  hostSetVertexDeclaration(gSurfaceVertexDecl);

  std::uint32_t lighting = 0;
  hostGetRenderState(D3DRS_LIGHTING, &lighting);
  RefreshSceneLight();

  DrawMeshes(resourceEntry, lighting != 0, (flags & TexturedFlags) != 0);
  RestoreTextureStages(lighting != 0, flags);
}
