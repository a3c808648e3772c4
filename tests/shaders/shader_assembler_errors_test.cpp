// The assembler refuses what the shader model or the constant table format does not allow, and says
// where: file and line, and what is wrong.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "assembly_error.h"
#include "shader_assembler.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const char* const VertexTable = "target vs_2_0\n";
const char* const PixelTable = "target ps_2_b\n";

struct BadInput {
  const char* fault;
  const char* assembly;
  const char* constantTable;
  const char* location;
  const char* problem;
};

const BadInput BadInputs[] = {
    {"unknown opcode", "vs_2_0\nfrc r0, c0\n", VertexTable, "program.asm:2:", "unknown opcode 'frc'"},
    {"unknown register", "vs_2_0\nmov oD0, c0\n", VertexTable, "program.asm:2:", "unknown register 'oD0'"},
    {"register outside the model's range", "vs_2_0\nmov r12, c0\n", VertexTable,
     "program.asm:2:", "outside vs_2_0's range r0-r11"},
    {"write mask the model does not allow", "ps_2_x\ndcl t0.xy\ndcl_2d s0\ntexld r0.xy, t0, s0\n", PixelTable,
     "program.asm:4:", "texld writes all four components"},
    {"swizzle the model does not allow", "ps_2_x\ndcl t0\n\nmov r0, t0.xzyw\n", PixelTable,
     "program.asm:4:", "needs arbitrary swizzles"},
    {"constant table entry on a literal register", "vs_2_0\ndef c14, 1, 0, 0, 0\nmov oPos, c13\n",
     "target vs_2_0\nconstant LightDir c13 2 vector float 1x3\n",
     "program.constants:2:", "overlaps the literal register c14"},
    {"two texture coordinate registers in one instruction", "ps_2_x\ndcl t3\ndcl t4\nadd r0, t4, -t3\n",
     PixelTable, "program.asm:4:", "reads 2 different t registers"},
    {"input read without declaration", "vs_2_0\nmov oPos, v0\n", VertexTable,
     "program.asm:2:", "v0 is read but not declared"},
};

TEST(ShaderAssemblerErrors, NameFileLineAndFault) {
  for (const BadInput& input : BadInputs) {
    SCOPED_TRACE(input.fault);
    try {
      AssembleShader({"program.asm", input.assembly}, {"program.constants", input.constantTable});
      ADD_FAILURE() << "accepted";
    } catch (const AssemblyError& error) {
      EXPECT_THAT(error.what(), StartsWith(input.location));
      EXPECT_THAT(error.what(), HasSubstr(input.problem));
    }
  }
}

}  // namespace
