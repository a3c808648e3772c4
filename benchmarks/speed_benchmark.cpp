// What the plug-ins cost the game: the surface render callback's own time per mesh, beyond the game
// functions it calls, and the size of each plug-in DLL. The program is the stand-in game; with every
// render-time game function a no-op, the rest of a callback's time is the plug-in's own.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "game_behaviours.h"
#include "host_call_trace.h"
#include "mesh_host_calls.h"
#include "no_op_game_functions.h"
#include "performance_timer.h"
#include "stand_in_host.h"

namespace {

// Objects of one mesh and of many: the difference in time, spread over the extra meshes, is the cost of
// one mesh without the per-object work.
constexpr int MeshCounts[] = {1, 8, 64};
constexpr int FewMeshes = MeshCounts[0];
constexpr int ManyMeshes = MeshCounts[2];
constexpr double ExtraMeshes = ManyMeshes - FewMeshes;

constexpr int Runs = 31;  // odd, so the median is one of the runs
constexpr int Repetitions = 10000;

// The geometry flag that makes the game's meshes textured.
constexpr std::uint32_t TexturedFlag = 0x04;
// An index buffer handle the no-op game never looks into.
const HostHandle IndexBuffer = reinterpret_cast<HostHandle>(0x1DB00000);

constexpr unsigned long SizeGoal = 64 * 1024;
constexpr double BytesPerKiB = 1024.0;
const char* const PluginFiles[] = {"surface_shader.dll", "shadow_resolution.dll"};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "speed benchmark: %s\n", what);
  std::exit(1);
}

StandInFrame gFrame{{{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}}};
StandInObject gObject{0, &gFrame};
StandInCamera gCamera{0, &gFrame};
StandInMaterial gMaterial{nullptr, 200, 150, 100, 255, NoOpMaterialEffectType, nullptr, 0.5f};

// Meshes of a box's worth of vertices and triangles each, all of the one material.
std::vector<std::uint8_t> ResourceEntryOf(int meshCount) {
  StandInGeometry geometry{IndexBuffer, D3DPT_TRIANGLELIST, 1, {}};
  geometry.meshes.assign(static_cast<std::size_t>(meshCount), StandInMesh{&gMaterial, 0, 24, 0, 12});
  return BuildResourceEntry(geometry);
}

// Loads the surface plug-in and runs the game's pipeline set-up, with the stand-in's recorders answering.
HostRenderCallback InstallSurfaceCallback() {
  InstallGameBehaviours();
  if (!LoadPlugin("surface_shader.dll")) Fail("cannot load surface_shader.dll");
  HostCallSite(HostPipelineSetupCallSite)(0, 0, 0, 0);
  HostRenderCallback callback = GameRenderCallback().callback;
  if (!callback) Fail("the pipeline set-up installed no render callback");
  return callback;
}

void Render(HostRenderCallback callback, std::vector<std::uint8_t>& resourceEntry) {
  callback(reinterpret_cast<HostResourceEntry*>(resourceEntry.data()),
           reinterpret_cast<HostObject*>(&gObject), 0, TexturedFlag);
}

std::size_t RecordedHostCalls(HostRenderCallback callback, std::vector<std::uint8_t>& resourceEntry) {
  ResetHostCallTrace();
  Render(callback, resourceEntry);
  return HostCallTrace().size();
}

double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2),
                   values.end());
  return values[values.size() / 2];
}

void ReportPluginSize(const char* fileName) {
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  if (!GetFileAttributesExA(ProgramFolderFile(fileName).c_str(), GetFileExInfoStandard, &attributes)) {
    Fail("a plug-in DLL is missing beside the benchmark");
  }
  const unsigned long size = attributes.nFileSizeLow;
  std::printf("  %-22s %6lu bytes  %5.1f KiB  %s\n", fileName, size, static_cast<double>(size) / BytesPerKiB,
              size < SizeGoal ? "under 64 KiB" : "OVER 64 KiB");
}

}  // namespace

int main() {
  StartStandInHost();
  const HostRenderCallback callback = InstallSurfaceCallback();
  SetActiveCamera(&gCamera);
  const float ambient[3] = {0.2f, 0.25f, 0.3f};
  const float directional[3] = {0.9f, 0.8f, 0.7f};
  const float lightVector[3] = {0.25f, -0.5f, 0.75f};
  SetGameLighting(ambient, directional, lightVector);
  GameDevice().lighting = 1;
  std::vector<std::vector<std::uint8_t>> resourceEntries;
  for (int meshCount : MeshCounts) resourceEntries.push_back(ResourceEntryOf(meshCount));
  std::vector<std::uint8_t>& few = resourceEntries.front();
  std::vector<std::uint8_t>& many = resourceEntries.back();

  // The recorders count the calls a mesh adds; the direct calls must be the same ones.
  const std::size_t addedCalls = RecordedHostCalls(callback, many) - RecordedHostCalls(callback, few);
  if (addedCalls != static_cast<std::size_t>(HostCallsPerMesh * (ManyMeshes - FewMeshes))) {
    Fail("the callback's host calls per mesh differ from the ones the benchmark makes directly");
  }

  MakeGameRenderFunctionsNoOps(&gFrame.world);
  for (std::vector<std::uint8_t>& entry : resourceEntries) {
    NanosecondsPerRun(Repetitions, [&] { Render(callback, entry); });
  }

  std::vector<std::vector<double>> perObject(std::size(MeshCounts));
  std::vector<double> hostCallsPerMesh;
  std::vector<double> ownPerMesh;
  for (int run = 0; run < Runs; ++run) {
    for (std::size_t i = 0; i < resourceEntries.size(); ++i) {
      perObject[i].push_back(NanosecondsPerRun(Repetitions, [&] { Render(callback, resourceEntries[i]); }));
    }
    const double callsFew = NanosecondsPerRun(
        Repetitions, [] { MakeMeshHostCalls(reinterpret_cast<HostMaterial*>(&gMaterial), FewMeshes); });
    const double callsMany = NanosecondsPerRun(
        Repetitions, [] { MakeMeshHostCalls(reinterpret_cast<HostMaterial*>(&gMaterial), ManyMeshes); });
    const double callbackPerMesh = (perObject.back().back() - perObject.front().back()) / ExtraMeshes;
    hostCallsPerMesh.push_back((callsMany - callsFew) / ExtraMeshes);
    ownPerMesh.push_back(callbackPerMesh - hostCallsPerMesh.back());
  }

  std::printf(
      "Surface render callback, every game function a no-op (medians of %d runs of %d calls;\n"
      "under Wine on a shared machine the figures are indicative only)\n",
      Runs, Repetitions);
  std::printf("  each mesh lit, textured, effect type %d, indexed: %d host calls\n", NoOpMaterialEffectType,
              HostCallsPerMesh);
  for (std::size_t i = 0; i < perObject.size(); ++i) {
    std::printf("  object of %2d meshes: %8.1f ns per callback\n", MeshCounts[i], Median(perObject[i]));
  }
  std::printf("  host calls alone: %.1f ns per mesh\n", Median(hostCallsPerMesh));
  std::printf("  callback's own cost beyond the host calls: %.1f ns per mesh (runs from %.1f to %.1f)\n",
              Median(ownPerMesh), *std::min_element(ownPerMesh.begin(), ownPerMesh.end()),
              *std::max_element(ownPerMesh.begin(), ownPerMesh.end()));
  std::printf("Plug-in sizes (goal: each under 64 KiB)\n");
  for (const char* fileName : PluginFiles) ReportPluginSize(fileName);
  return 0;
}
