// The game build the plug-ins are made for, reached only at fixed addresses: its functions (all cdecl,
// caller pops, results in eax except the x87 float of hostMaterialEffectCoefficient), its lighting and
// camera globals, and the call instructions the plug-ins redirect.
#pragma once

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

#include <cstdint>

// Game records the plug-ins only hold pointers to; their fields are read at fixed offsets where needed.
struct HostStream;
struct HostRaster;
struct HostTexture;
struct HostMaterial;
struct HostFrame;
struct HostCamera;
struct HostResourceEntry;
struct HostObject;

// Shaders, declarations and index buffers as the game hands them out.
using HostHandle = void*;

// The game's object render callback: resource entry, object, type, geometry flags.
using HostRenderCallback = void(__cdecl*)(HostResourceEntry* resourceEntry, HostObject* object,
                                          std::uint32_t type, std::uint32_t flags);

// Function addresses.
constexpr std::uintptr_t HostStreamOpenAddress = 0x7ECEF0;
constexpr std::uintptr_t HostReadRasterFromStreamAddress = 0x81F360;
constexpr std::uintptr_t HostStreamCloseAddress = 0x7ECE20;
constexpr std::uintptr_t HostTextureCreateAddress = 0x7F37C0;
constexpr std::uintptr_t HostCreateVertexShaderAddress = 0x7FAC60;
constexpr std::uintptr_t HostCreatePixelShaderAddress = 0x7FACC0;
constexpr std::uintptr_t HostCreateVertexDeclarationAddress = 0x7FAA30;
constexpr std::uintptr_t HostInstallRenderCallbackAddress = 0x7573E0;
constexpr std::uintptr_t HostSetTextureAddress = 0x7FDE70;
constexpr std::uintptr_t HostSetTextureStageStateAddress = 0x7FC340;
constexpr std::uintptr_t HostGetRenderStateAddress = 0x7FC320;
constexpr std::uintptr_t HostGetLightAddress = 0x7FA820;
constexpr std::uintptr_t HostSetLightAddress = 0x7FA660;
constexpr std::uintptr_t HostSetMaterialAddress = 0x7FC430;
constexpr std::uintptr_t HostSetVertexShaderAddress = 0x7F9FB0;
constexpr std::uintptr_t HostSetPixelShaderAddress = 0x7F9FF0;
constexpr std::uintptr_t HostSetVertexDeclarationAddress = 0x7F9F70;
constexpr std::uintptr_t HostSetIndicesAddress = 0x7FA1C0;
constexpr std::uintptr_t HostSetStreamsAddress = 0x7FA090;
constexpr std::uintptr_t HostSetVertexShaderConstantAddress = 0x7FACA0;
constexpr std::uintptr_t HostSetPixelShaderConstantAddress = 0x7FAD00;
constexpr std::uintptr_t HostDrawIndexedPrimitiveAddress = 0x7FA320;
constexpr std::uintptr_t HostDrawPrimitiveAddress = 0x7FA360;
constexpr std::uintptr_t HostFrameGetWorldMatrixAddress = 0x7F0990;
constexpr std::uintptr_t HostSetWorldMatrixAddress = 0x764650;
constexpr std::uintptr_t HostGetWorldViewProjAddress = 0x7646E0;
constexpr std::uintptr_t HostGetWorldITAddress = 0x7647B0;
constexpr std::uintptr_t HostGetTransformAddress = 0x7FA4F0;
constexpr std::uintptr_t HostMaterialEffectTypeAddress = 0x812140;
constexpr std::uintptr_t HostMaterialEffectTextureAddress = 0x812430;
constexpr std::uintptr_t HostMaterialEffectCoefficientAddress = 0x8127E0;
constexpr std::uintptr_t HostRasterCreateAddress = 0x7FB230;

// Data addresses (read only).
constexpr std::uintptr_t HostAmbientColourAddress = 0xB7C4A0;      // float r, g, b
constexpr std::uintptr_t HostDirectionalColourAddress = 0xB7C4AC;  // float r, g, b
constexpr std::uintptr_t HostLightVectorAddress = 0xB7CB14;        // float x, y, z
constexpr std::uintptr_t HostActiveCameraAddress = 0xC1703C;       // HostCamera*

// Call sites: the displacement field of each call instruction the plug-ins redirect.
constexpr std::uintptr_t HostPipelineSetupCallSite = 0x5D9FEA;
constexpr std::uintptr_t HostShadowRasterCallSites[] = {0x705B9B, 0x7068A5, 0x7068D5, 0x706915, 0x706944};

// Function types, shared by the forwarding functions below and by anything that stands in for the game.
using HostStreamOpenFunction = HostStream*(__cdecl)(int mode, int access, const char* path);
using HostReadRasterFromStreamFunction = HostRaster*(__cdecl)(HostStream* stream);
using HostStreamCloseFunction = void(__cdecl)(HostStream* stream, int flags);
using HostTextureCreateFunction = HostTexture*(__cdecl)(HostRaster* raster);
using HostCreateShaderFunction = int(__cdecl)(const DWORD* bytecode, HostHandle* shader);
using HostCreateVertexDeclarationFunction = int(__cdecl)(const D3DVERTEXELEMENT9* elements,
                                                         HostHandle* declaration);
using HostInstallRenderCallbackFunction = std::uint32_t(__cdecl)(void* pipeline, HostRenderCallback callback);
using HostSetTextureFunction = void(__cdecl)(HostTexture* texture, int stage);
using HostSetTextureStageStateFunction = void(__cdecl)(int stage, int type, std::uint32_t value);
using HostGetRenderStateFunction = void(__cdecl)(int state, std::uint32_t* value);
using HostGetLightFunction = void(__cdecl)(int index, D3DLIGHT9* light);
using HostSetLightFunction = void(__cdecl)(int index, const D3DLIGHT9* light);
using HostSetMaterialFunction = void(__cdecl)(const D3DMATERIAL9* material);
using HostSetHandleFunction = void(__cdecl)(HostHandle handle);
using HostSetStreamsFunction = void(__cdecl)(const void* streams, std::uint32_t useOffsets);
using HostSetShaderConstantFunction = void(__cdecl)(int firstRegister, const float* data, int registerCount);
using HostDrawIndexedPrimitiveFunction = void(__cdecl)(int primitiveType, int baseVertex, int minIndex,
                                                       int vertexCount, int startIndex, int primitiveCount);
using HostDrawPrimitiveFunction = void(__cdecl)(int primitiveType, int startVertex, int count);
using HostFrameGetWorldMatrixFunction = D3DMATRIX*(__cdecl)(HostFrame* frame);
using HostSetWorldMatrixFunction = void(__cdecl)(const D3DMATRIX* world);
using HostGetMatrixFunction = void(__cdecl)(D3DMATRIX* matrix);
using HostGetTransformFunction = void(__cdecl)(int state, D3DMATRIX* matrix);
using HostMaterialEffectTypeFunction = int(__cdecl)(HostMaterial* material);
using HostMaterialEffectTextureFunction = HostTexture*(__cdecl)(HostMaterial* material);
using HostMaterialEffectCoefficientFunction = float(__cdecl)(HostMaterial* material);
using HostRasterCreateFunction = HostRaster*(__cdecl)(int width, int height, int third, int fourth);

template <typename Function>
Function* HostFunctionAt(std::uintptr_t address) {
  return reinterpret_cast<Function*>(address);
}

inline HostStream* hostStreamOpen(int mode, int access, const char* path) {
  return HostFunctionAt<HostStreamOpenFunction>(HostStreamOpenAddress)(mode, access, path);
}
inline HostRaster* hostReadRasterFromStream(HostStream* stream) {
  return HostFunctionAt<HostReadRasterFromStreamFunction>(HostReadRasterFromStreamAddress)(stream);
}
inline void hostStreamClose(HostStream* stream, int flags) {
  HostFunctionAt<HostStreamCloseFunction>(HostStreamCloseAddress)(stream, flags);
}
inline HostTexture* hostTextureCreate(HostRaster* raster) {
  return HostFunctionAt<HostTextureCreateFunction>(HostTextureCreateAddress)(raster);
}
inline int hostCreateVertexShader(const DWORD* bytecode, HostHandle* shader) {
  return HostFunctionAt<HostCreateShaderFunction>(HostCreateVertexShaderAddress)(bytecode, shader);
}
inline int hostCreatePixelShader(const DWORD* bytecode, HostHandle* shader) {
  return HostFunctionAt<HostCreateShaderFunction>(HostCreatePixelShaderAddress)(bytecode, shader);
}
inline int hostCreateVertexDeclaration(const D3DVERTEXELEMENT9* elements, HostHandle* declaration) {
  return HostFunctionAt<HostCreateVertexDeclarationFunction>(HostCreateVertexDeclarationAddress)(elements,
                                                                                                 declaration);
}
inline std::uint32_t hostInstallRenderCallback(void* pipeline, HostRenderCallback callback) {
  return HostFunctionAt<HostInstallRenderCallbackFunction>(HostInstallRenderCallbackAddress)(pipeline,
                                                                                             callback);
}
inline void hostSetTexture(HostTexture* texture, int stage) {
  HostFunctionAt<HostSetTextureFunction>(HostSetTextureAddress)(texture, stage);
}
inline void hostSetTextureStageState(int stage, int type, std::uint32_t value) {
  HostFunctionAt<HostSetTextureStageStateFunction>(HostSetTextureStageStateAddress)(stage, type, value);
}
inline void hostGetRenderState(int state, std::uint32_t* value) {
  HostFunctionAt<HostGetRenderStateFunction>(HostGetRenderStateAddress)(state, value);
}
inline void hostGetLight(int index, D3DLIGHT9* light) {
  HostFunctionAt<HostGetLightFunction>(HostGetLightAddress)(index, light);
}
inline void hostSetLight(int index, const D3DLIGHT9* light) {
  HostFunctionAt<HostSetLightFunction>(HostSetLightAddress)(index, light);
}
inline void hostSetMaterial(const D3DMATERIAL9* material) {
  HostFunctionAt<HostSetMaterialFunction>(HostSetMaterialAddress)(material);
}
inline void hostSetVertexShader(HostHandle shader) {
  HostFunctionAt<HostSetHandleFunction>(HostSetVertexShaderAddress)(shader);
}
inline void hostSetPixelShader(HostHandle shader) {
  HostFunctionAt<HostSetHandleFunction>(HostSetPixelShaderAddress)(shader);
}
inline void hostSetVertexDeclaration(HostHandle declaration) {
  HostFunctionAt<HostSetHandleFunction>(HostSetVertexDeclarationAddress)(declaration);
}
inline void hostSetIndices(HostHandle indexBuffer) {
  HostFunctionAt<HostSetHandleFunction>(HostSetIndicesAddress)(indexBuffer);
}
inline void hostSetStreams(const void* streams, std::uint32_t useOffsets) {
  HostFunctionAt<HostSetStreamsFunction>(HostSetStreamsAddress)(streams, useOffsets);
}
inline void hostSetVertexShaderConstant(int firstRegister, const float* data, int registerCount) {
  HostFunctionAt<HostSetShaderConstantFunction>(HostSetVertexShaderConstantAddress)(firstRegister, data,
                                                                                    registerCount);
}
inline void hostSetPixelShaderConstant(int firstRegister, const float* data, int registerCount) {
  HostFunctionAt<HostSetShaderConstantFunction>(HostSetPixelShaderConstantAddress)(firstRegister, data,
                                                                                   registerCount);
}
inline void hostDrawIndexedPrimitive(int primitiveType, int baseVertex, int minIndex, int vertexCount,
                                     int startIndex, int primitiveCount) {
  HostFunctionAt<HostDrawIndexedPrimitiveFunction>(HostDrawIndexedPrimitiveAddress)(
      primitiveType, baseVertex, minIndex, vertexCount, startIndex, primitiveCount);
}
inline void hostDrawPrimitive(int primitiveType, int startVertex, int count) {
  HostFunctionAt<HostDrawPrimitiveFunction>(HostDrawPrimitiveAddress)(primitiveType, startVertex, count);
}
inline D3DMATRIX* hostFrameGetWorldMatrix(HostFrame* frame) {
  return HostFunctionAt<HostFrameGetWorldMatrixFunction>(HostFrameGetWorldMatrixAddress)(frame);
}
inline void hostSetWorldMatrix(const D3DMATRIX* world) {
  HostFunctionAt<HostSetWorldMatrixFunction>(HostSetWorldMatrixAddress)(world);
}
inline void hostGetWorldViewProj(D3DMATRIX* matrix) {
  HostFunctionAt<HostGetMatrixFunction>(HostGetWorldViewProjAddress)(matrix);
}
inline void hostGetWorldIT(D3DMATRIX* matrix) {
  HostFunctionAt<HostGetMatrixFunction>(HostGetWorldITAddress)(matrix);
}
inline void hostGetTransform(int state, D3DMATRIX* matrix) {
  HostFunctionAt<HostGetTransformFunction>(HostGetTransformAddress)(state, matrix);
}
inline int hostMaterialEffectType(HostMaterial* material) {
  return HostFunctionAt<HostMaterialEffectTypeFunction>(HostMaterialEffectTypeAddress)(material);
}
inline HostTexture* hostMaterialEffectTexture(HostMaterial* material) {
  return HostFunctionAt<HostMaterialEffectTextureFunction>(HostMaterialEffectTextureAddress)(material);
}
inline float hostMaterialEffectCoefficient(HostMaterial* material) {
  return HostFunctionAt<HostMaterialEffectCoefficientFunction>(HostMaterialEffectCoefficientAddress)(
      material);
}
inline HostRaster* hostRasterCreate(int width, int height, int third, int fourth) {
  return HostFunctionAt<HostRasterCreateFunction>(HostRasterCreateAddress)(width, height, third, fourth);
}

inline const float* hostAmbientColour() {
  return reinterpret_cast<const float*>(HostAmbientColourAddress);
}
inline const float* hostDirectionalColour() {
  return reinterpret_cast<const float*>(HostDirectionalColourAddress);
}
inline const float* hostLightVector() {
  return reinterpret_cast<const float*>(HostLightVectorAddress);
}
inline HostCamera* hostActiveCamera() {
  return *reinterpret_cast<HostCamera* const*>(HostActiveCameraAddress);
}
