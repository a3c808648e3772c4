// The resources as they lie in the source tree, which the release installs unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `relativePath` below the release's extra_resources folder, with forward slashes.
std::string ShippedResourcePath(const std::string& relativePath);

std::string ShippedTexturePath(const std::string& fileName);

std::vector<std::uint8_t> ReadShippedFile(const std::string& path);
