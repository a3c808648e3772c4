// The shader model's rules for a parsed program, as the Direct3D 9 runtime's validator applies them
// when the game creates the shader: which registers an instruction may read and write, how many of one
// kind it may read, which swizzles and write masks it may use, and that inputs are declared.
#pragma once

#include <string>

#include "shader_program.h"

// Throws AssemblyError at the first line that breaks a rule.
void CheckProgramRules(const ShaderProgram& program, const std::string& path);
