// Reads a shader program's assembly text: the version statement, dcl and def statements and
// instructions, one per line. Checks the syntax and the register names and ranges; the shader model's
// rules for operands are checked by CheckProgramRules.
#pragma once

#include "shader_program.h"
#include "source_text.h"

// Throws AssemblyError at the offending line.
ShaderProgram ParseAssembly(const SourceText& source);
