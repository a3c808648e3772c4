#include "game_device.h"

#include <cstring>
#include <memory>
#include <mutex>

#include "game_records.h"
#include "host_call_trace.h"
#include "stack_words.h"

namespace {

std::mutex gDeviceMutex;
GameDeviceState gDevice;
InstalledRenderCallback gRenderCallback;

// Direct3D's D3D_OK, which the game passes on from a successful creation.
constexpr std::uint32_t CreatedResult = 0;

// A shader or declaration the game created: the copy of what it was given.
struct GameObject {
  std::vector<std::uint8_t> bytes;
};
std::vector<std::unique_ptr<GameObject>> gObjects;

std::uint32_t CreateObject(const HostCall& call) {
  std::lock_guard<std::mutex> lock(gDeviceMutex);
  gObjects.push_back(std::make_unique<GameObject>(GameObject{call.data}));
  HostHandle handle = gObjects.back().get();
  WriteOut(call.arguments[1], handle);
  return CreatedResult;
}

std::uint32_t InstallRenderCallback(const HostCall& call) {
  std::lock_guard<std::mutex> lock(gDeviceMutex);
  gRenderCallback = {AsPointer<void*>(call.arguments[0]), AsPointer<HostRenderCallback>(call.arguments[1])};
  return GameRenderCallbackInstalled;
}

std::uint32_t GetTransform(const HostCall& call) {
  const D3DMATRIX none{};
  WriteOut(call.arguments[1], call.arguments[0] == D3DTS_VIEW ? gDevice.view : none);
  return 0;
}

std::uint32_t GetLight(const HostCall& call) {
  const D3DLIGHT9 none{};
  WriteOut(call.arguments[1], call.arguments[0] == 0 ? gDevice.light0 : none);
  return 0;
}

std::uint32_t GetRenderState(const HostCall& call) {
  WriteOut(call.arguments[1], call.arguments[0] == D3DRS_LIGHTING ? gDevice.lighting : 0u);
  return 0;
}

std::uint32_t FrameWorldMatrix(const HostCall& call) {
  auto* frame = AsPointer<StandInFrame*>(call.arguments[0]);
  return Word(frame ? &frame->world : nullptr);
}

const StandInMaterial& Material(const HostCall& call) {
  return *AsPointer<const StandInMaterial*>(call.arguments[0]);
}

}  // namespace

GameDeviceState& GameDevice() {
  return gDevice;
}

InstalledRenderCallback GameRenderCallback() {
  std::lock_guard<std::mutex> lock(gDeviceMutex);
  return gRenderCallback;
}

std::vector<HostHandle> GameCreatedObjects() {
  std::lock_guard<std::mutex> lock(gDeviceMutex);
  std::vector<HostHandle> handles;
  for (const auto& object : gObjects) handles.push_back(object.get());
  return handles;
}

const std::vector<std::uint8_t>& GameObjectBytes(HostHandle handle) {
  return static_cast<const GameObject*>(handle)->bytes;
}

void InstallGameDeviceBehaviours() {
  SetHostBehaviour(HostFunction::CreateVertexShader, CreateObject);
  SetHostBehaviour(HostFunction::CreatePixelShader, CreateObject);
  SetHostBehaviour(HostFunction::CreateVertexDeclaration, CreateObject);
  SetHostBehaviour(HostFunction::InstallRenderCallback, InstallRenderCallback);
  SetHostBehaviour(HostFunction::GetWorldViewProj, [](const HostCall& call) {
    WriteOut(call.arguments[0], gDevice.worldViewProj);
    return 0u;
  });
  SetHostBehaviour(HostFunction::GetWorldIT, [](const HostCall& call) {
    WriteOut(call.arguments[0], gDevice.worldIT);
    return 0u;
  });
  SetHostBehaviour(HostFunction::GetTransform, GetTransform);
  SetHostBehaviour(HostFunction::GetLight, GetLight);
  SetHostBehaviour(HostFunction::GetRenderState, GetRenderState);
  SetHostBehaviour(HostFunction::FrameGetWorldMatrix, FrameWorldMatrix);
  SetHostBehaviour(HostFunction::MaterialEffectType,
                   [](const HostCall& call) { return Word(Material(call).effectType); });
  SetHostBehaviour(HostFunction::MaterialEffectTexture,
                   [](const HostCall& call) { return Word(Material(call).effectTexture); });
  SetHostBehaviour(HostFunction::MaterialEffectCoefficient,
                   [](const HostCall& call) { return Word(Material(call).effectCoefficient); });
}
