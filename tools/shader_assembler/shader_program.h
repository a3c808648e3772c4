// A shader program as parsed from its assembly: version, declarations, literal registers and
// instructions, each operand already resolved to Direct3D register types.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "direct3d_shader_tokens.h"
#include "instruction_set.h"
#include "register_name.h"
#include "shader_model.h"

struct DestinationOperand {
  Register reg;
  std::uint32_t writeMask;  // bit 0 = x ... bit 3 = w
  bool saturate;
  bool partialPrecision;
};

struct SourceOperand {
  Register reg;
  std::array<std::uint32_t, 4> swizzle;  // component read for x, y, z, w
  bool negate;
};

// dcl: a vertex input with its usage, a texture coordinate input, or a sampler with its texture type.
struct Declaration {
  int line;
  DestinationOperand reg;
  d3d::DeclarationUsage usage;
  std::uint32_t usageIndex;
  d3d::SamplerTextureType samplerType;
};

// def: a constant register whose value the program itself defines.
struct LiteralDefinition {
  int line;
  std::uint32_t constantRegister;
  std::array<float, 4> value;
};

struct Instruction {
  int line;
  const InstructionInfo* info;
  DestinationOperand destination;
  std::vector<SourceOperand> sources;
};

struct ShaderProgram {
  const ShaderModel* model;
  std::vector<Declaration> declarations;
  std::vector<LiteralDefinition> literals;
  std::vector<Instruction> instructions;
};
