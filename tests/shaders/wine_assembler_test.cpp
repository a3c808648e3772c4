// Wine's own assembler (D3DXAssembleShader) turns our sources into the same instruction tokens as ours.
// It writes no constant table, and it puts every dcl before any def, as ours does.
#include <d3dx9shader.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "bytecode_walk.h"
#include "shader_sources.h"
#include "surface_shader_code.h"

namespace {

struct Program {
  const char* assemblyFile;
  const DWORD* code;
};

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(WineAssembler, WritesOurInstructionTokens) {
  const Program programs[] = {
      {"surface_vertex_shader.asm", SurfaceVertexShaderCode},
      {"surface_pixel_shader.asm", SurfacePixelShaderCode},
  };
  for (const Program& program : programs) {
    SCOPED_TRACE(program.assemblyFile);
    const std::string source = ReadText(ShaderSourcePath(program.assemblyFile));
    ASSERT_FALSE(source.empty());
    ID3DXBuffer* wineCode = nullptr;
    ID3DXBuffer* messages = nullptr;
    const HRESULT result = D3DXAssembleShader(source.data(), static_cast<UINT>(source.size()), nullptr,
                                              nullptr, 0, &wineCode, &messages);
    ASSERT_EQ(result, D3D_OK) << (messages ? static_cast<const char*>(messages->GetBufferPointer()) : "");
    const auto* wine = static_cast<const DWORD*>(wineCode->GetBufferPointer());
    EXPECT_EQ(wine[0], program.code[0]);
    EXPECT_EQ(InstructionTokens(wine), InstructionTokens(program.code));
    wineCode->Release();
    if (messages != nullptr) {
      messages->Release();
    }
  }
}

}  // namespace
