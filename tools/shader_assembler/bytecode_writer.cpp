#include "bytecode_writer.h"

#include <cstring>

namespace {

std::uint32_t RegisterBits(Register reg) {
  const auto type = static_cast<std::uint32_t>(reg.type);
  return d3d::ParameterTokenMarker | (reg.index & d3d::RegisterNumberMask) |
         (type & d3d::RegisterTypeLowMask) << d3d::RegisterTypeLowShift |
         (type & d3d::RegisterTypeHighMask) << d3d::RegisterTypeHighShift;
}

std::uint32_t DestinationToken(const DestinationOperand& destination) {
  return RegisterBits(destination.reg) | destination.writeMask << d3d::WriteMaskShift |
         (destination.saturate ? d3d::ResultModifierSaturate : 0) |
         (destination.partialPrecision ? d3d::ResultModifierPartialPrecision : 0);
}

std::uint32_t SourceToken(const SourceOperand& source) {
  std::uint32_t swizzle = 0;
  for (std::uint32_t i = 0; i < 4; ++i) {
    swizzle |= source.swizzle[i] << (2 * i);
  }
  return RegisterBits(source.reg) | swizzle << d3d::SwizzleShift |
         (source.negate ? d3d::SourceModifierNegate : 0);
}

std::uint32_t InstructionToken(d3d::Opcode opcode, std::size_t parameterTokens) {
  return static_cast<std::uint32_t>(opcode) | static_cast<std::uint32_t>(parameterTokens)
                                                  << d3d::InstructionLengthShift;
}

// Vertex inputs carry usage and usage index; samplers their texture type; texture coordinates nothing.
std::uint32_t DeclarationToken(const Declaration& declaration) {
  switch (declaration.reg.reg.type) {
    case d3d::RegisterType::Input:
      return d3d::ParameterTokenMarker | static_cast<std::uint32_t>(declaration.usage) |
             declaration.usageIndex << d3d::DeclarationUsageIndexShift;
    case d3d::RegisterType::Sampler:
      return d3d::ParameterTokenMarker | static_cast<std::uint32_t>(declaration.samplerType)
                                             << d3d::SamplerTextureTypeShift;
    default:
      return d3d::ParameterTokenMarker;
  }
}

std::uint32_t FloatBits(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

std::vector<std::uint32_t> WriteBytecode(const ShaderProgram& program,
                                         const std::vector<std::uint32_t>& constantTableComment) {
  std::vector<std::uint32_t> tokens{program.model->versionToken};
  tokens.insert(tokens.end(), constantTableComment.begin(), constantTableComment.end());
  for (const Declaration& declaration : program.declarations) {
    tokens.push_back(InstructionToken(d3d::Opcode::Dcl, 2));
    tokens.push_back(DeclarationToken(declaration));
    tokens.push_back(DestinationToken(declaration.reg));
  }
  for (const LiteralDefinition& literal : program.literals) {
    tokens.push_back(InstructionToken(d3d::Opcode::Def, 5));
    tokens.push_back(DestinationToken(
        {{d3d::RegisterType::Const, literal.constantRegister}, d3d::FullWriteMask, false, false}));
    for (const float value : literal.value) {
      tokens.push_back(FloatBits(value));
    }
  }
  for (const Instruction& instruction : program.instructions) {
    tokens.push_back(InstructionToken(instruction.info->opcode, 1 + instruction.sources.size()));
    tokens.push_back(DestinationToken(instruction.destination));
    for (const SourceOperand& source : instruction.sources) {
      tokens.push_back(SourceToken(source));
    }
  }
  tokens.push_back(static_cast<std::uint32_t>(d3d::Opcode::End));
  return tokens;
}
