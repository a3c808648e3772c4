#include "host_call_trace.h"

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

#include <cstring>
#include <iomanip>
#include <map>
#include <mutex>
#include <sstream>
#include <utility>

namespace {

std::mutex gTraceMutex;
std::vector<HostCall> gTrace;
std::vector<std::uint32_t> gResults;
std::map<HostFunction, HostBehaviour> gBehaviours;

// Light, material, matrix and constant records are short enough to show in full as 32-bit words.
std::string DataWords(const std::vector<std::uint8_t>& data) {
  constexpr std::size_t MostShown = sizeof(D3DLIGHT9);
  if (data.size() > MostShown || data.size() % sizeof(std::uint32_t) != 0) return {};
  std::ostringstream words;
  words << ':' << std::hex << std::setfill('0');
  for (std::size_t i = 0; i < data.size(); i += sizeof(std::uint32_t)) {
    std::uint32_t word;
    std::memcpy(&word, &data[i], sizeof word);
    words << ' ' << std::setw(8) << word;
  }
  return words.str();
}

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
  if (!call.data.empty()) out << " [" << call.data.size() << " bytes" << DataWords(call.data) << ']';
  return out;
}

std::vector<HostCall> HostCallTrace() {
  std::lock_guard<std::mutex> lock(gTraceMutex);
  return gTrace;
}

std::vector<std::uint32_t> HostCallResults() {
  std::lock_guard<std::mutex> lock(gTraceMutex);
  return gResults;
}

void ResetHostCallTrace() {
  std::lock_guard<std::mutex> lock(gTraceMutex);
  gTrace.clear();
  gResults.clear();
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
  std::size_t position;
  {
    std::lock_guard<std::mutex> lock(gTraceMutex);
    auto found = gBehaviours.find(call.function);
    if (found != gBehaviours.end()) behaviour = found->second;
    position = gTrace.size();
    gTrace.push_back(call);
    gResults.push_back(0);
  }
  const std::uint32_t result = behaviour ? behaviour(call) : 0;
  std::lock_guard<std::mutex> lock(gTraceMutex);
  // A behaviour that reset the trace has taken its own position with it.
  if (position < gResults.size()) gResults[position] = result;
  return result;
}
