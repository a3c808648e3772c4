#include "scratch_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

void EnterScratchFolder() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("plugin-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
}

void WriteTextFile(const std::string& relativePath, const std::string& content) {
  const std::filesystem::path path(relativePath);
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
  if (!file) throw std::runtime_error("cannot write " + relativePath);
}
