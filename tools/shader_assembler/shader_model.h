// What a shader model offers: its version token, its register files with their sizes and read-port
// limits, and its swizzle rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "direct3d_shader_tokens.h"

struct RegisterFile {
  const char* name;  // as written in assembly: "r", "c", "oT", "oPos"
  d3d::RegisterType type;
  std::uint32_t count;
  bool numbered;  // false for a single register named without a number (oPos)
  bool readable;
  bool writable;
  bool declared;       // must be declared with dcl before it is read
  unsigned readPorts;  // different registers of this file one instruction may read
};

struct ShaderModel {
  const char* versionName;  // as the program's first statement writes it
  std::uint32_t versionToken;
  const char* constantTableTarget;
  bool pixelShader;
  bool arbitrarySwizzle;
  std::vector<RegisterFile> registerFiles;
};

// Null for a version the assembler does not support.
const ShaderModel* FindShaderModel(const std::string& versionName);

// Null when the model has no register file of that name.
const RegisterFile* FindRegisterFile(const ShaderModel& model, const std::string& name);

const RegisterFile& RegisterFileOf(const ShaderModel& model, d3d::RegisterType type);
