#include "source_text.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

SourceText ReadSourceFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw std::runtime_error(path + ": cannot open");
  }
  std::ostringstream contents;
  contents << file.rdbuf();
  return {path, contents.str()};
}
