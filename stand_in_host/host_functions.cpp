#include "host_functions.h"

#include <cstring>

#include "host_call_trace.h"
#include "host_game.h"
#include "stack_words.h"
#include "x86_code.h"

namespace {

std::vector<std::uint8_t> Bytes(const void* data, std::size_t size) {
  if (!data) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return {bytes, bytes + size};
}

std::uint32_t Record(HostFunction function, std::vector<std::uint32_t> arguments,
                     std::vector<std::uint8_t> data = {}) {
  return RecordHostCall({function, std::move(arguments), std::move(data), {}});
}

// Shader bytecode runs from the version token to the end token; comment blocks (the constant table) and
// instructions carry their own lengths, so a data word is never mistaken for the end.
std::size_t ShaderBytecodeSize(const DWORD* code) {
  constexpr DWORD EndToken = 0x0000FFFF;
  constexpr DWORD CommentOpcode = 0xFFFE;
  std::size_t index = 1;
  while (code[index] != EndToken) {
    const DWORD token = code[index];
    if ((token & 0xFFFF) == CommentOpcode) {
      index += 1 + (token >> 16);
    } else {
      index += 1 + ((token >> 24) & 0x0F);
    }
  }
  return (index + 1) * sizeof(DWORD);
}

std::size_t VertexDeclarationSize(const D3DVERTEXELEMENT9* elements) {
  constexpr WORD EndStream = 0xFF;
  std::size_t count = 1;
  while (elements[count - 1].Stream != EndStream) ++count;
  return count * sizeof(D3DVERTEXELEMENT9);
}

constexpr std::size_t ShaderRegisterSize = 4 * sizeof(float);

HostStream* __cdecl RecordStreamOpen(int mode, int access, const char* path) {
  HostCall call{HostFunction::StreamOpen, {Word(mode), Word(access), Word(path)}, {}, path ? path : ""};
  return AsPointer<HostStream*>(RecordHostCall(std::move(call)));
}
HostRaster* __cdecl RecordReadRasterFromStream(HostStream* stream) {
  return AsPointer<HostRaster*>(Record(HostFunction::ReadRasterFromStream, {Word(stream)}));
}
void __cdecl RecordStreamClose(HostStream* stream, int flags) {
  Record(HostFunction::StreamClose, {Word(stream), Word(flags)});
}
HostTexture* __cdecl RecordTextureCreate(HostRaster* raster) {
  return AsPointer<HostTexture*>(Record(HostFunction::TextureCreate, {Word(raster)}));
}
int __cdecl RecordCreateVertexShader(const DWORD* bytecode, HostHandle* shader) {
  return static_cast<int>(Record(HostFunction::CreateVertexShader, {Word(bytecode), Word(shader)},
                                 Bytes(bytecode, ShaderBytecodeSize(bytecode))));
}
int __cdecl RecordCreatePixelShader(const DWORD* bytecode, HostHandle* shader) {
  return static_cast<int>(Record(HostFunction::CreatePixelShader, {Word(bytecode), Word(shader)},
                                 Bytes(bytecode, ShaderBytecodeSize(bytecode))));
}
int __cdecl RecordCreateVertexDeclaration(const D3DVERTEXELEMENT9* elements, HostHandle* declaration) {
  return static_cast<int>(Record(HostFunction::CreateVertexDeclaration, {Word(elements), Word(declaration)},
                                 Bytes(elements, VertexDeclarationSize(elements))));
}
std::uint32_t __cdecl RecordInstallRenderCallback(void* pipeline, HostRenderCallback callback) {
  return Record(HostFunction::InstallRenderCallback, {Word(pipeline), Word(callback)});
}
void __cdecl RecordSetTexture(HostTexture* texture, int stage) {
  Record(HostFunction::SetTexture, {Word(texture), Word(stage)});
}
void __cdecl RecordSetTextureStageState(int stage, int type, std::uint32_t value) {
  Record(HostFunction::SetTextureStageState, {Word(stage), Word(type), value});
}
void __cdecl RecordGetRenderState(int state, std::uint32_t* value) {
  Record(HostFunction::GetRenderState, {Word(state), Word(value)});
}
void __cdecl RecordGetLight(int index, D3DLIGHT9* light) {
  Record(HostFunction::GetLight, {Word(index), Word(light)});
}
void __cdecl RecordSetLight(int index, const D3DLIGHT9* light) {
  Record(HostFunction::SetLight, {Word(index), Word(light)}, Bytes(light, sizeof(D3DLIGHT9)));
}
void __cdecl RecordSetMaterial(const D3DMATERIAL9* material) {
  Record(HostFunction::SetMaterial, {Word(material)}, Bytes(material, sizeof(D3DMATERIAL9)));
}
void __cdecl RecordSetVertexShader(HostHandle shader) {
  Record(HostFunction::SetVertexShader, {Word(shader)});
}
void __cdecl RecordSetPixelShader(HostHandle shader) {
  Record(HostFunction::SetPixelShader, {Word(shader)});
}
void __cdecl RecordSetVertexDeclaration(HostHandle declaration) {
  Record(HostFunction::SetVertexDeclaration, {Word(declaration)});
}
void __cdecl RecordSetIndices(HostHandle indexBuffer) {
  Record(HostFunction::SetIndices, {Word(indexBuffer)});
}
void __cdecl RecordSetStreams(const void* streams, std::uint32_t useOffsets) {
  Record(HostFunction::SetStreams, {Word(streams), useOffsets});
}
void __cdecl RecordSetVertexShaderConstant(int firstRegister, const float* data, int registerCount) {
  Record(HostFunction::SetVertexShaderConstant, {Word(firstRegister), Word(data), Word(registerCount)},
         Bytes(data, static_cast<std::size_t>(registerCount) * ShaderRegisterSize));
}
void __cdecl RecordSetPixelShaderConstant(int firstRegister, const float* data, int registerCount) {
  Record(HostFunction::SetPixelShaderConstant, {Word(firstRegister), Word(data), Word(registerCount)},
         Bytes(data, static_cast<std::size_t>(registerCount) * ShaderRegisterSize));
}
void __cdecl RecordDrawIndexedPrimitive(int primitiveType, int baseVertex, int minIndex, int vertexCount,
                                        int startIndex, int primitiveCount) {
  Record(HostFunction::DrawIndexedPrimitive, {Word(primitiveType), Word(baseVertex), Word(minIndex),
                                              Word(vertexCount), Word(startIndex), Word(primitiveCount)});
}
void __cdecl RecordDrawPrimitive(int primitiveType, int startVertex, int count) {
  Record(HostFunction::DrawPrimitive, {Word(primitiveType), Word(startVertex), Word(count)});
}
D3DMATRIX* __cdecl RecordFrameGetWorldMatrix(HostFrame* frame) {
  return AsPointer<D3DMATRIX*>(Record(HostFunction::FrameGetWorldMatrix, {Word(frame)}));
}
void __cdecl RecordSetWorldMatrix(const D3DMATRIX* world) {
  Record(HostFunction::SetWorldMatrix, {Word(world)}, Bytes(world, sizeof(D3DMATRIX)));
}
void __cdecl RecordGetWorldViewProj(D3DMATRIX* matrix) {
  Record(HostFunction::GetWorldViewProj, {Word(matrix)});
}
void __cdecl RecordGetWorldIT(D3DMATRIX* matrix) {
  Record(HostFunction::GetWorldIT, {Word(matrix)});
}
void __cdecl RecordGetTransform(int state, D3DMATRIX* matrix) {
  Record(HostFunction::GetTransform, {Word(state), Word(matrix)});
}
int __cdecl RecordMaterialEffectType(HostMaterial* material) {
  return static_cast<int>(Record(HostFunction::MaterialEffectType, {Word(material)}));
}
HostTexture* __cdecl RecordMaterialEffectTexture(HostMaterial* material) {
  return AsPointer<HostTexture*>(Record(HostFunction::MaterialEffectTexture, {Word(material)}));
}
float __cdecl RecordMaterialEffectCoefficient(HostMaterial* material) {
  const std::uint32_t bits = Record(HostFunction::MaterialEffectCoefficient, {Word(material)});
  float coefficient;
  std::memcpy(&coefficient, &bits, sizeof coefficient);
  return coefficient;
}
HostRaster* __cdecl RecordRasterCreate(int width, int height, int third, int fourth) {
  return AsPointer<HostRaster*>(
      Record(HostFunction::RasterCreate, {Word(width), Word(height), Word(third), Word(fourth)}));
}

// Each recorder's signature is the game's, checked against the types the plug-ins call through.
struct HostFunctionEntry {
  std::uintptr_t address;
  const void* recorder;
};

template <typename Function>
constexpr HostFunctionEntry Entry(std::uintptr_t address, Function* recorder) {
  return {address, reinterpret_cast<const void*>(recorder)};
}

const HostFunctionEntry HostFunctionTable[] = {
    Entry<HostStreamOpenFunction>(HostStreamOpenAddress, RecordStreamOpen),
    Entry<HostReadRasterFromStreamFunction>(HostReadRasterFromStreamAddress, RecordReadRasterFromStream),
    Entry<HostStreamCloseFunction>(HostStreamCloseAddress, RecordStreamClose),
    Entry<HostTextureCreateFunction>(HostTextureCreateAddress, RecordTextureCreate),
    Entry<HostCreateShaderFunction>(HostCreateVertexShaderAddress, RecordCreateVertexShader),
    Entry<HostCreateShaderFunction>(HostCreatePixelShaderAddress, RecordCreatePixelShader),
    Entry<HostCreateVertexDeclarationFunction>(HostCreateVertexDeclarationAddress,
                                               RecordCreateVertexDeclaration),
    Entry<HostInstallRenderCallbackFunction>(HostInstallRenderCallbackAddress, RecordInstallRenderCallback),
    Entry<HostSetTextureFunction>(HostSetTextureAddress, RecordSetTexture),
    Entry<HostSetTextureStageStateFunction>(HostSetTextureStageStateAddress, RecordSetTextureStageState),
    Entry<HostGetRenderStateFunction>(HostGetRenderStateAddress, RecordGetRenderState),
    Entry<HostGetLightFunction>(HostGetLightAddress, RecordGetLight),
    Entry<HostSetLightFunction>(HostSetLightAddress, RecordSetLight),
    Entry<HostSetMaterialFunction>(HostSetMaterialAddress, RecordSetMaterial),
    Entry<HostSetHandleFunction>(HostSetVertexShaderAddress, RecordSetVertexShader),
    Entry<HostSetHandleFunction>(HostSetPixelShaderAddress, RecordSetPixelShader),
    Entry<HostSetHandleFunction>(HostSetVertexDeclarationAddress, RecordSetVertexDeclaration),
    Entry<HostSetHandleFunction>(HostSetIndicesAddress, RecordSetIndices),
    Entry<HostSetStreamsFunction>(HostSetStreamsAddress, RecordSetStreams),
    Entry<HostSetShaderConstantFunction>(HostSetVertexShaderConstantAddress, RecordSetVertexShaderConstant),
    Entry<HostSetShaderConstantFunction>(HostSetPixelShaderConstantAddress, RecordSetPixelShaderConstant),
    Entry<HostDrawIndexedPrimitiveFunction>(HostDrawIndexedPrimitiveAddress, RecordDrawIndexedPrimitive),
    Entry<HostDrawPrimitiveFunction>(HostDrawPrimitiveAddress, RecordDrawPrimitive),
    Entry<HostFrameGetWorldMatrixFunction>(HostFrameGetWorldMatrixAddress, RecordFrameGetWorldMatrix),
    Entry<HostSetWorldMatrixFunction>(HostSetWorldMatrixAddress, RecordSetWorldMatrix),
    Entry<HostGetMatrixFunction>(HostGetWorldViewProjAddress, RecordGetWorldViewProj),
    Entry<HostGetMatrixFunction>(HostGetWorldITAddress, RecordGetWorldIT),
    Entry<HostGetTransformFunction>(HostGetTransformAddress, RecordGetTransform),
    Entry<HostMaterialEffectTypeFunction>(HostMaterialEffectTypeAddress, RecordMaterialEffectType),
    Entry<HostMaterialEffectTextureFunction>(HostMaterialEffectTextureAddress, RecordMaterialEffectTexture),
    Entry<HostMaterialEffectCoefficientFunction>(HostMaterialEffectCoefficientAddress,
                                                 RecordMaterialEffectCoefficient),
    Entry<HostRasterCreateFunction>(HostRasterCreateAddress, RecordRasterCreate),
};

}  // namespace

void InstallHostFunctions() {
  for (const HostFunctionEntry& entry : HostFunctionTable) {
    WriteJump(entry.address, reinterpret_cast<std::uintptr_t>(entry.recorder));
  }
}

std::uint32_t __cdecl GamePipelineSetup(void* pipeline) {
  return Record(HostFunction::PipelineSetup, {Word(pipeline)});
}
