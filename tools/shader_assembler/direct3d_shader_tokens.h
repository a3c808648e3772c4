// Numbers of the Direct3D 9 shader bytecode and of the extension library's constant table, each named
// once. Values are those the Direct3D 9 headers publish (D3DSIO_*, D3DSPR_*, D3DDECLUSAGE_*, D3DXRS_*,
// D3DXPC_*, D3DXPT_*).
#pragma once

#include <cstdint>

namespace d3d {

enum class Opcode : std::uint32_t {
  Mov = 1,
  Add = 2,
  Mad = 4,
  Mul = 5,
  Rsq = 7,
  Dp3 = 8,
  Dp4 = 9,
  Max = 11,
  Dcl = 31,
  Pow = 32,
  Nrm = 36,
  Texld = 66,
  Def = 81,
  Comment = 0xFFFE,
  End = 0xFFFF,
};

enum class RegisterType : std::uint32_t {
  Temp = 0,
  Input = 1,
  Const = 2,
  Texture = 3,
  RasterizerOut = 4,
  TextureCoordinateOut = 6,
  ColorOut = 8,
  Sampler = 10,
};

enum class DeclarationUsage : std::uint32_t {
  Position = 0,
  Normal = 3,
  Texcoord = 5,
  Tangent = 6,
  Binormal = 7,
};

enum class SamplerTextureType : std::uint32_t {
  Texture2D = 2,
  Cube = 3,
};

// Version tokens: shader type in the high word, major and minor version in the low word.
constexpr std::uint32_t VertexShaderVersion(std::uint32_t major, std::uint32_t minor) {
  return 0xFFFE0000 | major << 8 | minor;
}
constexpr std::uint32_t PixelShaderVersion(std::uint32_t major, std::uint32_t minor) {
  return 0xFFFF0000 | major << 8 | minor;
}

// Instruction token: opcode, then the count of tokens that follow it.
constexpr std::uint32_t InstructionLengthShift = 24;

// Comment token: the comment's length in tokens sits in the high word.
constexpr std::uint32_t CommentLengthShift = 16;

// Every parameter token has its top bit set.
constexpr std::uint32_t ParameterTokenMarker = 0x80000000;

// Register number and the two parts of the register type in a parameter token.
constexpr std::uint32_t RegisterNumberMask = 0x7FF;
constexpr std::uint32_t RegisterTypeLowShift = 28;
constexpr std::uint32_t RegisterTypeLowMask = 0x7;
constexpr std::uint32_t RegisterTypeHighShift = 8;  // bits 3-4 of the type land at bits 11-12
constexpr std::uint32_t RegisterTypeHighMask = 0x18;

// Destination parameter: write mask and result modifiers.
constexpr std::uint32_t WriteMaskShift = 16;
constexpr std::uint32_t FullWriteMask = 0xF;
constexpr std::uint32_t ResultModifierSaturate = 1u << 20;
constexpr std::uint32_t ResultModifierPartialPrecision = 2u << 20;

// Source parameter: swizzle (two bits per output component) and source modifier.
constexpr std::uint32_t SwizzleShift = 16;
constexpr std::uint32_t SourceModifierNegate = 1u << 24;

// Declaration token: usage and usage index for vertex inputs, texture type for samplers.
constexpr std::uint32_t DeclarationUsageIndexShift = 16;
constexpr std::uint32_t SamplerTextureTypeShift = 27;

// Constant table: the comment block that carries it, and its fixed values.
constexpr std::uint32_t ConstantTableTag = 0x42415443;     // "CTAB", little-endian
constexpr std::uint32_t ConstantTableNoPreshader = 0x100;  // D3DXSHADER_NO_PRESHADER

enum class RegisterSet : std::uint16_t {
  Float4 = 2,
  Sampler = 3,
};

enum class ParameterClass : std::uint16_t {
  Scalar = 0,
  Vector = 1,
  MatrixRows = 2,
  MatrixColumns = 3,
  Object = 4,
};

enum class ParameterType : std::uint16_t {
  Float = 3,
  Sampler2D = 12,
  SamplerCube = 14,
};

}  // namespace d3d
