// The instructions our shader programs use, with their operand shapes and their cost in instruction
// slots as the shader models count them.
#pragma once

#include <string>

#include "direct3d_shader_tokens.h"

enum class SlotKind { Arithmetic, Texture };

struct InstructionInfo {
  const char* mnemonic;
  d3d::Opcode opcode;
  int sourceCount;
  int slots;
  SlotKind slotKind;
  bool scalarSources;  // every source must select a single component
  bool pixelShaderOnly;
};

// Null for a mnemonic the assembler does not know.
const InstructionInfo* FindInstruction(const std::string& mnemonic);
