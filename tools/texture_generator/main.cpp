// Writes the default textures into a folder:
//   texture_generator FOLDER
#include <cstdio>
#include <fstream>
#include <string>

#include "default_texture_files.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    std::fprintf(stderr, "texture_generator: cannot write %s\n", path.c_str());
  }
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: texture_generator FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = WriteFile(folder + "/" + NormalMapFileName, NormalMapFile()) &&
                       WriteFile(folder + "/" + CubeMapFileName, CubeMapFile());
  return written ? 0 : 1;
}
