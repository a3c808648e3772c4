// What the game and the other program rely on beyond the arithmetic, read from the bytecode with the
// published token layout: inputs and their usages, literal registers, which outputs are written with
// which components, the precision hints, and that nothing branches, discards pixels or writes depth.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <set>
#include <utility>

#include "bytecode_walk.h"
#include "surface_shader_code.h"

namespace {

constexpr DWORD MaskXy = 0x3;
constexpr DWORD MaskXyz = 0x7;
constexpr DWORD MaskXyzw = 0xF;

using RegisterKey = std::pair<D3DSHADER_PARAM_REGISTER_TYPE, DWORD>;

RegisterKey KeyOf(DWORD parameter) {
  return {RegisterTypeOf(parameter), RegisterNumberOf(parameter)};
}

bool IsDeclarationOrLiteral(const DecodedInstruction& instruction) {
  return instruction.opcode == D3DSIO_DCL || instruction.opcode == D3DSIO_DEF;
}

// Write masks of all instructions, merged per destination register.
std::map<RegisterKey, DWORD> WrittenComponents(const DWORD* code) {
  std::map<RegisterKey, DWORD> written;
  for (const DecodedInstruction& instruction : DecodeInstructions(code)) {
    if (!IsDeclarationOrLiteral(instruction)) {
      written[KeyOf(instruction.parameters[0])] |= WriteMaskOf(instruction.parameters[0]);
    }
  }
  return written;
}

std::map<DWORD, std::array<float, 4>> Literals(const DWORD* code) {
  std::map<DWORD, std::array<float, 4>> literals;
  for (const DecodedInstruction& instruction : DecodeInstructions(code)) {
    if (instruction.opcode == D3DSIO_DEF) {
      std::array<float, 4> value{};
      std::memcpy(value.data(), &instruction.parameters[1], sizeof value);
      literals[RegisterNumberOf(instruction.parameters[0])] = value;
    }
  }
  return literals;
}

bool IsFlowControlOrDiscard(D3DSHADER_INSTRUCTION_OPCODE_TYPE opcode) {
  const std::set<D3DSHADER_INSTRUCTION_OPCODE_TYPE> forbidden = {
      D3DSIO_TEXKILL, D3DSIO_CALL,  D3DSIO_CALLNZ, D3DSIO_LOOP,   D3DSIO_RET,  D3DSIO_ENDLOOP,
      D3DSIO_LABEL,   D3DSIO_REP,   D3DSIO_ENDREP, D3DSIO_IF,     D3DSIO_IFC,  D3DSIO_ELSE,
      D3DSIO_ENDIF,   D3DSIO_BREAK, D3DSIO_BREAKC, D3DSIO_BREAKP, D3DSIO_SETP,
  };
  return forbidden.count(opcode) != 0;
}

TEST(VertexShaderStructure, DeclaresTheStreamInputsByUsage) {
  std::map<DWORD, std::pair<DWORD, DWORD>> usages;  // input register -> usage, usage index
  for (const DecodedInstruction& instruction : DecodeInstructions(SurfaceVertexShaderCode)) {
    if (instruction.opcode == D3DSIO_DCL) {
      const DWORD usage = instruction.parameters[0];
      const DWORD reg = instruction.parameters[1];
      ASSERT_EQ(RegisterTypeOf(reg), D3DSPR_INPUT);
      EXPECT_EQ(WriteMaskOf(reg), MaskXyzw);
      usages[RegisterNumberOf(reg)] = {(usage & D3DSP_DCL_USAGE_MASK) >> D3DSP_DCL_USAGE_SHIFT,
                                       (usage & D3DSP_DCL_USAGEINDEX_MASK) >> D3DSP_DCL_USAGEINDEX_SHIFT};
    }
  }
  const std::map<DWORD, std::pair<DWORD, DWORD>> expected = {
      {0, {D3DDECLUSAGE_POSITION, 0}}, {1, {D3DDECLUSAGE_TEXCOORD, 0}}, {2, {D3DDECLUSAGE_NORMAL, 0}},
      {3, {D3DDECLUSAGE_TANGENT, 0}},  {4, {D3DDECLUSAGE_BINORMAL, 0}},
  };
  EXPECT_EQ(usages, expected);
}

TEST(VertexShaderStructure, DefinesOnlyTheLiteralOneZeroZeroZeroInC14) {
  const std::map<DWORD, std::array<float, 4>> expected = {{14, {1.0f, 0.0f, 0.0f, 0.0f}}};
  EXPECT_EQ(Literals(SurfaceVertexShaderCode), expected);
}

TEST(VertexShaderStructure, WritesPositionAndSevenTextureCoordinateSetsOnly) {
  std::map<RegisterKey, DWORD> outputs;
  for (const auto& [reg, mask] : WrittenComponents(SurfaceVertexShaderCode)) {
    if (reg.first != D3DSPR_TEMP) {
      outputs[reg] = mask;
    }
  }
  const std::map<RegisterKey, DWORD> expected = {
      {{D3DSPR_RASTOUT, D3DSRO_POSITION}, MaskXyzw},
      {{D3DSPR_TEXCRDOUT, 0}, MaskXyzw},
      {{D3DSPR_TEXCRDOUT, 1}, MaskXyzw},
      {{D3DSPR_TEXCRDOUT, 2}, MaskXyz},
      {{D3DSPR_TEXCRDOUT, 3}, MaskXyz},
      {{D3DSPR_TEXCRDOUT, 4}, MaskXyz},
      {{D3DSPR_TEXCRDOUT, 5}, MaskXyz},
      {{D3DSPR_TEXCRDOUT, 6}, MaskXyz},
  };
  EXPECT_EQ(outputs, expected);
}

TEST(VertexShaderStructure, ReadsOnlyTheTranslationOfViewInv) {
  for (const DecodedInstruction& instruction : DecodeInstructions(SurfaceVertexShaderCode)) {
    if (IsDeclarationOrLiteral(instruction)) {
      continue;
    }
    for (std::size_t i = 1; i < instruction.parameters.size(); ++i) {
      const DWORD source = instruction.parameters[i];
      const DWORD number = RegisterNumberOf(source);
      if (RegisterTypeOf(source) == D3DSPR_CONST && number >= 10 && number <= 12) {
        EXPECT_EQ(source & D3DVS_SWIZZLE_MASK,
                  static_cast<DWORD>(D3DVS_X_W | D3DVS_Y_W | D3DVS_Z_W | D3DVS_W_W))
            << "c" << number;
      }
    }
  }
}

TEST(PixelShaderStructure, DeclaresSevenPartialPrecisionCoordinatesAndThreeSamplers) {
  std::map<RegisterKey, DWORD> declared;  // register -> write mask and modifiers, or texture type
  for (const DecodedInstruction& instruction : DecodeInstructions(SurfacePixelShaderCode)) {
    if (instruction.opcode == D3DSIO_DCL) {
      const DWORD reg = instruction.parameters[1];
      declared[KeyOf(reg)] = RegisterTypeOf(reg) == D3DSPR_SAMPLER
                                 ? instruction.parameters[0] & D3DSP_TEXTURETYPE_MASK
                                 : WriteMaskOf(reg) | (reg & D3DSP_DSTMOD_MASK);
    }
  }
  const DWORD partial = D3DSPDM_PARTIALPRECISION;
  const std::map<RegisterKey, DWORD> expected = {
      {{D3DSPR_TEXTURE, 0}, MaskXy | partial},  {{D3DSPR_TEXTURE, 1}, MaskXyzw | partial},
      {{D3DSPR_TEXTURE, 2}, MaskXyz | partial}, {{D3DSPR_TEXTURE, 3}, MaskXyz | partial},
      {{D3DSPR_TEXTURE, 4}, MaskXyz | partial}, {{D3DSPR_TEXTURE, 5}, MaskXyz | partial},
      {{D3DSPR_TEXTURE, 6}, MaskXyz | partial}, {{D3DSPR_SAMPLER, 0}, D3DSTT_2D},
      {{D3DSPR_SAMPLER, 1}, D3DSTT_2D},         {{D3DSPR_SAMPLER, 2}, D3DSTT_CUBE},
  };
  EXPECT_EQ(declared, expected);
}

TEST(PixelShaderStructure, DefinesOnlyTheLiteralMinusHalfInC6) {
  const std::map<DWORD, std::array<float, 4>> expected = {{6, {-0.5f, 0.0f, 0.0f, 0.0f}}};
  EXPECT_EQ(Literals(SurfacePixelShaderCode), expected);
}

TEST(PixelShaderStructure, PartialPrecisionEverywhereButTheNormalMapSample) {
  for (const DecodedInstruction& instruction : DecodeInstructions(SurfacePixelShaderCode)) {
    if (IsDeclarationOrLiteral(instruction)) {
      continue;
    }
    const bool partial = (instruction.parameters[0] & D3DSP_DSTMOD_MASK & D3DSPDM_PARTIALPRECISION) != 0;
    const bool normalMapSample =
        instruction.opcode == D3DSIO_TEX && RegisterNumberOf(instruction.parameters[2]) == 1;
    EXPECT_EQ(partial, !normalMapSample) << "instruction " << instruction.opcode;
  }
}

TEST(PixelShaderStructure, WritesAllOfColourZeroAndNoDepth) {
  std::map<RegisterKey, DWORD> outputs;
  for (const auto& [reg, mask] : WrittenComponents(SurfacePixelShaderCode)) {
    if (reg.first != D3DSPR_TEMP) {
      outputs[reg] = mask;
    }
  }
  const std::map<RegisterKey, DWORD> expected = {{{D3DSPR_COLOROUT, 0}, MaskXyzw}};
  EXPECT_EQ(outputs, expected);
}

TEST(SurfaceShaderStructure, NeitherProgramBranchesNorDiscards) {
  for (const DWORD* code : {SurfaceVertexShaderCode, SurfacePixelShaderCode}) {
    for (const DecodedInstruction& instruction : DecodeInstructions(code)) {
      EXPECT_FALSE(IsFlowControlOrDiscard(instruction.opcode)) << "instruction " << instruction.opcode;
    }
  }
}

}  // namespace
