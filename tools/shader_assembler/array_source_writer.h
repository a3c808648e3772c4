// Writes the C++ source that holds assembled programs as constant DWORD arrays, with their sizes in bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct NamedBytecode {
  std::string arrayName;
  std::string sourceNames;  // the assembly and constant table it came from, for the reader
  std::vector<std::uint32_t> tokens;
};

std::string WriteArraySource(const std::string& header, const std::string& regenerateCommand,
                             const std::vector<NamedBytecode>& programs);
