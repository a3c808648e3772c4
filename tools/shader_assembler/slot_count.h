// Instruction slots a program occupies, as the shader model counts them against its limits.
#pragma once

#include "shader_program.h"

struct SlotCount {
  int arithmetic;
  int texture;
};

SlotCount CountInstructionSlots(const ShaderProgram& program);
