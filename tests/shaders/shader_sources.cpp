#include "shader_sources.h"

// Wine resolves the tree's absolute path on the drive the tests run from, which maps the Unix root.
std::string ShaderSourcePath(const std::string& fileName) {
  return SHADER_SOURCE_DIR "/" + fileName;
}
