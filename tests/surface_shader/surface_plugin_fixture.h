// surface_shader.dll in the stand-in game: the game's texture files, its set-up call, and the handles the
// plug-in received, for tests that drive set-up and the render callback.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game_behaviours.h"
#include "host_call_trace.h"

constexpr char CubeMapFile[] = "extra_resources/textures/cubemap.dds";
constexpr char NormalMapFile[] = "extra_resources/textures/nmap.dds";
constexpr char CubeMapPath[] = "extra_resources\\textures\\cubemap.dds";
constexpr char NormalMapPath[] = "extra_resources\\textures\\nmap.dds";

// The argument the game passes at its pipeline set-up call.
constexpr std::uint32_t PipelineArgument = 0x00C0FFEE;

// What one set-up run handed the plug-in: the texture records (null where none) and the created objects.
struct SetupHandles {
  HostTexture* cubeMap;
  HostTexture* normalMap;
  HostHandle vertexShader;
  HostHandle pixelShader;
  HostHandle declaration;
};

// Calls that pass the address of the plug-in's own memory (a global, a local, its code) carry that
// address as 0, so a trace compares with one a test writes down; float data carries -0.0 as 0.0.
std::vector<HostCall> ComparableTrace(const std::vector<HostCall>& trace);

class SurfacePluginTest : public testing::Test {
 protected:
  void SetUp() override;

  static HMODULE LoadSurfacePlugin();
  static void WriteTextureFiles();

  // Executes the game's set-up call and returns what it returned to the game.
  static std::uint32_t RunSetup();

  // The handles of the latest set-up run, from the trace of that run.
  static SetupHandles HandlesOfSetup(const std::vector<HostCall>& trace,
                                     const std::vector<std::uint32_t>& results);

  // Set-up with both texture files present; fails the test unless a callback was installed.
  SetupHandles LoadAndSetUp();
};
