#include "shader_model.h"

#include <stdexcept>

namespace {

using d3d::RegisterType;

// vs_2_0: one constant and one input register per instruction.
const ShaderModel VertexShader20{
    "vs_2_0",
    d3d::VertexShaderVersion(2, 0),
    "vs_2_0",
    false,
    true,
    {
        {"r", RegisterType::Temp, 12, true, true, true, false, 3},
        {"v", RegisterType::Input, 16, true, true, false, true, 1},
        {"c", RegisterType::Const, 256, true, true, false, false, 1},
        {"oPos", RegisterType::RasterizerOut, 1, false, false, true, false, 0},
        {"oT", RegisterType::TextureCoordinateOut, 8, true, false, true, false, 0},
    },
};

// ps_2_x as the ps_2_b profile fixes it: 32 temporaries, no arbitrary swizzles, one texture coordinate
// register and two constant registers per instruction.
const ShaderModel PixelShader2x{
    "ps_2_x",
    d3d::PixelShaderVersion(2, 1),
    "ps_2_b",
    true,
    false,
    {
        {"r", RegisterType::Temp, 32, true, true, true, false, 3},
        {"t", RegisterType::Texture, 8, true, true, false, true, 1},
        {"c", RegisterType::Const, 32, true, true, false, false, 2},
        {"s", RegisterType::Sampler, 16, true, true, false, true, 1},
        {"oC", RegisterType::ColorOut, 4, true, false, true, false, 0},
    },
};

}  // namespace

const ShaderModel* FindShaderModel(const std::string& versionName) {
  for (const ShaderModel* model : {&VertexShader20, &PixelShader2x}) {
    if (versionName == model->versionName) {
      return model;
    }
  }
  return nullptr;
}

const RegisterFile* FindRegisterFile(const ShaderModel& model, const std::string& name) {
  for (const RegisterFile& file : model.registerFiles) {
    if (name == file.name) {
      return &file;
    }
  }
  return nullptr;
}

const RegisterFile& RegisterFileOf(const ShaderModel& model, d3d::RegisterType type) {
  for (const RegisterFile& file : model.registerFiles) {
    if (file.type == type) {
      return file;
    }
  }
  throw std::logic_error(std::string("register type missing from ") + model.versionName);
}
