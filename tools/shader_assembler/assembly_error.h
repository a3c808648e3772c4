// A fault in an assembly or constant table source, located by file and line.
#pragma once

#include <stdexcept>
#include <string>

struct AssemblyError : std::runtime_error {
  AssemblyError(const std::string& file, int line, const std::string& problem)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + problem) {}
};
