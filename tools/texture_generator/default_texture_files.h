// The two texture files the surface plug-in loads from the game folder, as bytes.
#pragma once

#include <cstdint>
#include <vector>

// Below the game folder, "extra_resources\textures\" holds both.
constexpr char NormalMapFileName[] = "nmap.dds";
constexpr char CubeMapFileName[] = "cubemap.dds";

std::vector<std::uint8_t> NormalMapFile();
std::vector<std::uint8_t> CubeMapFile();
