// Assembles one shader program from its assembly and its constant table description.
#pragma once

#include <cstdint>
#include <vector>

#include "shader_program.h"
#include "source_text.h"

// Parses the assembly and checks it against its shader model's rules. Throws AssemblyError.
ShaderProgram ReadCheckedProgram(const SourceText& assembly);

// The program's bytecode with its constant table. Throws AssemblyError, located in whichever source holds
// the fault.
std::vector<std::uint32_t> AssembleShader(const SourceText& assembly, const SourceText& constantTable);
