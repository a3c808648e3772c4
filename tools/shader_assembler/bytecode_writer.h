// Encodes a checked program as Direct3D 9 shader tokens: version, constant table comment, declarations,
// literal definitions, instructions, end token.
#pragma once

#include <cstdint>
#include <vector>

#include "shader_program.h"

std::vector<std::uint32_t> WriteBytecode(const ShaderProgram& program,
                                         const std::vector<std::uint32_t>& constantTableComment);
