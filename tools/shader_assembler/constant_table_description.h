// The description of a program's constant table, read from its own text file: the target profile and one
// line per constant or sampler the table lists, as the extension library's readers should report it.
//
//   target vs_2_0
//   constant LightDir c13 1 vector float 1x3 default 1 -1 1 0
//
// Fields: name, first register, register count, class, type, rows x columns, and optionally the default
// value as four floats per register.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "direct3d_shader_tokens.h"
#include "shader_program.h"
#include "source_text.h"

struct ConstantTableEntry {
  int line;
  std::string name;
  d3d::RegisterSet registerSet;
  std::uint16_t registerIndex;
  std::uint16_t registerCount;
  d3d::ParameterClass parameterClass;
  d3d::ParameterType parameterType;
  std::uint16_t rows;
  std::uint16_t columns;
  std::vector<float> defaultValue;  // four floats per register, or none
};

struct ConstantTableDescription {
  std::string target;
  std::vector<ConstantTableEntry> entries;
};

// Throws AssemblyError at the offending line.
ConstantTableDescription ParseConstantTableDescription(const SourceText& source, const ShaderModel& model);

// The table must describe the program: no entry on a register the program defines itself, no two entries
// on one register, and each sampler entry on a sampler the program declares with the same texture type.
void CheckConstantTableAgainstProgram(const ConstantTableDescription& table, const ShaderProgram& program,
                                      const std::string& path);
