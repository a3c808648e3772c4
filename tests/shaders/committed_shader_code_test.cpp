// The arrays the plug-in links are generated and committed; they must be what the sources assemble to
// now, or someone changed a source without running `make shaders`.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shader_assembler.h"
#include "shader_sources.h"
#include "surface_shader_code.h"

namespace {

struct CommittedProgram {
  const char* sourceName;
  const DWORD* code;
  unsigned int sizeInBytes;
};

TEST(CommittedShaderCode, EqualsAFreshAssemblyOfTheSources) {
  const CommittedProgram programs[] = {
      {"surface_vertex_shader", SurfaceVertexShaderCode, SurfaceVertexShaderCodeSize},
      {"surface_pixel_shader", SurfacePixelShaderCode, SurfacePixelShaderCodeSize},
  };
  for (const CommittedProgram& program : programs) {
    SCOPED_TRACE(program.sourceName);
    const std::string name = program.sourceName;
    const std::vector<std::uint32_t> fresh =
        AssembleShader(ReadSourceFile(ShaderSourcePath(name + ".asm")),
                       ReadSourceFile(ShaderSourcePath(name + ".constants")));
    const std::vector<std::uint32_t> committed(program.code,
                                               program.code + program.sizeInBytes / sizeof(DWORD));
    EXPECT_EQ(fresh, committed) << "the committed arrays are stale: run make shaders";
  }
}

}  // namespace
