#include "host_call_trace.h"

#include <iomanip>
#include <map>
#include <mutex>
#include <utility>

namespace {

std::mutex gTraceMutex;
std::vector<HostCall> gTrace;
std::map<HostFunction, HostBehaviour> gBehaviours;

}  // namespace

const char* HostFunctionName(HostFunction function) {
  switch (function) {
    case HostFunction::StreamOpen:
      return "hostStreamOpen";
    case HostFunction::ReadRasterFromStream:
      return "hostReadRasterFromStream";
    case HostFunction::StreamClose:
      return "hostStreamClose";
    case HostFunction::TextureCreate:
      return "hostTextureCreate";
    case HostFunction::CreateVertexShader:
      return "hostCreateVertexShader";
    case HostFunction::CreatePixelShader:
      return "hostCreatePixelShader";
    case HostFunction::CreateVertexDeclaration:
      return "hostCreateVertexDeclaration";
    case HostFunction::InstallRenderCallback:
      return "hostInstallRenderCallback";
    case HostFunction::SetTexture:
      return "hostSetTexture";
    case HostFunction::SetTextureStageState:
      return "hostSetTextureStageState";
    case HostFunction::GetRenderState:
      return "hostGetRenderState";
    case HostFunction::GetLight:
      return "hostGetLight";
    case HostFunction::SetLight:
      return "hostSetLight";
    case HostFunction::SetMaterial:
      return "hostSetMaterial";
    case HostFunction::SetVertexShader:
      return "hostSetVertexShader";
    case HostFunction::SetPixelShader:
      return "hostSetPixelShader";
    case HostFunction::SetVertexDeclaration:
      return "hostSetVertexDeclaration";
    case HostFunction::SetIndices:
      return "hostSetIndices";
    case HostFunction::SetStreams:
      return "hostSetStreams";
    case HostFunction::SetVertexShaderConstant:
      return "hostSetVertexShaderConstant";
    case HostFunction::SetPixelShaderConstant:
      return "hostSetPixelShaderConstant";
    case HostFunction::DrawIndexedPrimitive:
      return "hostDrawIndexedPrimitive";
    case HostFunction::DrawPrimitive:
      return "hostDrawPrimitive";
    case HostFunction::FrameGetWorldMatrix:
      return "hostFrameGetWorldMatrix";
    case HostFunction::SetWorldMatrix:
      return "hostSetWorldMatrix";
    case HostFunction::GetWorldViewProj:
      return "hostGetWorldViewProj";
    case HostFunction::GetWorldIT:
      return "hostGetWorldIT";
    case HostFunction::GetTransform:
      return "hostGetTransform";
    case HostFunction::MaterialEffectType:
      return "hostMaterialEffectType";
    case HostFunction::MaterialEffectTexture:
      return "hostMaterialEffectTexture";
    case HostFunction::MaterialEffectCoefficient:
      return "hostMaterialEffectCoefficient";
    case HostFunction::RasterCreate:
      return "hostRasterCreate";
    case HostFunction::PipelineSetup:
      return "game pipeline set-up";
  }
  return "unknown host function";
}

bool operator==(const HostCall& left, const HostCall& right) {
  return left.function == right.function && left.arguments == right.arguments && left.data == right.data &&
         left.text == right.text;
}

std::ostream& operator<<(std::ostream& out, const HostCall& call) {
  out << HostFunctionName(call.function) << '(';
  const char* separator = "";
  for (std::uint32_t argument : call.arguments) {
    out << separator << "0x" << std::hex << argument << std::dec;
    separator = ", ";
  }
  out << ')';
  if (!call.text.empty()) out << " \"" << call.text << '"';
  if (!call.data.empty()) out << " [" << call.data.size() << " bytes]";
  return out;
}

std::vector<HostCall> HostCallTrace() {
  std::lock_guard<std::mutex> lock(gTraceMutex);
  return gTrace;
}

void ResetHostCallTrace() {
  std::lock_guard<std::mutex> lock(gTraceMutex);
  gTrace.clear();
}

void SetHostBehaviour(HostFunction function, HostBehaviour behaviour) {
  std::lock_guard<std::mutex> lock(gTraceMutex);
  gBehaviours[function] = std::move(behaviour);
}

void ResetHostBehaviours() {
  std::lock_guard<std::mutex> lock(gTraceMutex);
  gBehaviours.clear();
}

std::uint32_t RecordHostCall(HostCall call) {
  HostBehaviour behaviour;
  {
    std::lock_guard<std::mutex> lock(gTraceMutex);
    auto found = gBehaviours.find(call.function);
    if (found != gBehaviours.end()) behaviour = found->second;
    gTrace.push_back(call);
  }
  return behaviour ? behaviour(call) : 0;
}
