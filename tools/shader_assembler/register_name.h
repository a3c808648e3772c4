// Registers as assembly names them ("r3", "c14", "oT2", "oPos"), resolved against a shader model.
#pragma once

#include <cstdint>
#include <string>

#include "direct3d_shader_tokens.h"
#include "shader_model.h"

struct Register {
  d3d::RegisterType type;
  std::uint32_t index;
};

// Throws AssemblyError at path:line for a name the model does not have or a number beyond its range.
Register ResolveRegister(const std::string& name, const ShaderModel& model, const std::string& path,
                         int line);

std::string RegisterName(const ShaderModel& model, Register reg);
