#include "shipped_resources.h"

#include <fstream>
#include <iterator>

// Wine resolves the tree's absolute path on the drive the tests run from, which maps the Unix root.
std::string ShippedResourcePath(const std::string& relativePath) {
  return RESOURCE_DIR "/" + relativePath;
}

std::string ShippedTexturePath(const std::string& fileName) {
  return ShippedResourcePath("textures/" + fileName);
}

std::vector<std::uint8_t> ReadShippedFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
