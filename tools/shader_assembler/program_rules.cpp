#include "program_rules.h"

#include <algorithm>
#include <set>
#include <utility>

#include "assembly_error.h"

namespace {

using RegisterKey = std::pair<d3d::RegisterType, std::uint32_t>;

constexpr std::uint32_t MaskXyz = 0x7;

RegisterKey KeyOf(Register reg) {
  return {reg.type, reg.index};
}

// Without arbitrary swizzles a pixel shader may only replicate one component or rotate the first three.
bool IsSwizzleWithoutArbitrary(const std::array<std::uint32_t, 4>& swizzle) {
  const std::array<std::uint32_t, 4> allowed[] = {
      {0, 1, 2, 3}, {0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 2},
      {3, 3, 3, 3}, {1, 2, 0, 3}, {2, 0, 1, 3}, {3, 2, 1, 0},
  };
  return std::find(std::begin(allowed), std::end(allowed), swizzle) != std::end(allowed);
}

bool IsReplicateSwizzle(const std::array<std::uint32_t, 4>& swizzle) {
  return std::all_of(swizzle.begin(), swizzle.end(), [&](std::uint32_t c) { return c == swizzle[0]; });
}

struct InstructionCheck {
  const ShaderProgram& program;
  const std::set<RegisterKey>& declared;
  const Instruction& instruction;
  const std::string& path;

  [[noreturn]] void Fail(const std::string& problem) const {
    throw AssemblyError(path, instruction.line, problem);
  }

  std::string Name(Register reg) const { return RegisterName(*program.model, reg); }

  std::string Mnemonic() const { return instruction.info->mnemonic; }

  void CheckModel() const {
    const ShaderModel& model = *program.model;
    if (instruction.info->pixelShaderOnly && !model.pixelShader) {
      Fail(Mnemonic() + " is not a " + model.versionName + " instruction");
    }
    const DestinationOperand& destination = instruction.destination;
    if (!model.pixelShader && (destination.saturate || destination.partialPrecision)) {
      Fail(std::string(model.versionName) + " instructions take no modifiers");
    }
  }

  void CheckDestination() const {
    const DestinationOperand& destination = instruction.destination;
    if (!RegisterFileOf(*program.model, destination.reg.type).writable) {
      Fail(Mnemonic() + " cannot write " + Name(destination.reg));
    }
    const bool fullMask = destination.writeMask == d3d::FullWriteMask;
    if (destination.reg.type == d3d::RegisterType::ColorOut &&
        (instruction.info->opcode != d3d::Opcode::Mov || !fullMask)) {
      Fail(Name(destination.reg) + " is written by mov with all four components only");
    }
    if (instruction.info->opcode == d3d::Opcode::Texld &&
        (destination.reg.type != d3d::RegisterType::Temp || !fullMask)) {
      Fail("texld writes all four components of a temporary register");
    }
    if (instruction.info->opcode == d3d::Opcode::Nrm && destination.writeMask != MaskXyz && !fullMask) {
      Fail("nrm writes .xyz or all four components");
    }
  }

  void CheckSource(const SourceOperand& source, std::size_t position) const {
    const RegisterFile& file = RegisterFileOf(*program.model, source.reg.type);
    const bool samplerOperand = instruction.info->opcode == d3d::Opcode::Texld && position == 1;
    if (!file.readable || samplerOperand != (source.reg.type == d3d::RegisterType::Sampler)) {
      Fail(Mnemonic() + " cannot read " + Name(source.reg) + " as operand " + std::to_string(position + 2));
    }
    if (file.declared && declared.count(KeyOf(source.reg)) == 0) {
      Fail(Name(source.reg) + " is read but not declared");
    }
    if (!program.model->arbitrarySwizzle && !IsSwizzleWithoutArbitrary(source.swizzle)) {
      Fail("swizzle of " + Name(source.reg) + " needs arbitrary swizzles, which " +
           program.model->constantTableTarget + " lacks");
    }
    if (instruction.info->scalarSources && !IsReplicateSwizzle(source.swizzle)) {
      Fail(Mnemonic() + " reads one component: give " + Name(source.reg) + " a single-letter swizzle");
    }
  }

  void CheckTextureCoordinate() const {
    const SourceOperand& coordinate = instruction.sources[0];
    const bool plain = !coordinate.negate && coordinate.swizzle == std::array<std::uint32_t, 4>{0, 1, 2, 3};
    if (coordinate.reg.type != d3d::RegisterType::Temp && coordinate.reg.type != d3d::RegisterType::Texture) {
      Fail("texld takes its coordinate from a texture coordinate or temporary register");
    }
    if (!plain) {
      Fail("texld takes its coordinate without swizzle or modifier");
    }
  }

  void CheckReadPorts() const {
    for (const RegisterFile& file : program.model->registerFiles) {
      std::set<std::uint32_t> read;
      for (const SourceOperand& source : instruction.sources) {
        if (source.reg.type == file.type) {
          read.insert(source.reg.index);
        }
      }
      if (read.size() > file.readPorts) {
        Fail(Mnemonic() + " reads " + std::to_string(read.size()) + " different " + file.name +
             " registers; " + program.model->versionName + " allows " + std::to_string(file.readPorts));
      }
    }
  }

  void Check() const {
    CheckModel();
    CheckDestination();
    for (std::size_t i = 0; i < instruction.sources.size(); ++i) {
      CheckSource(instruction.sources[i], i);
    }
    if (instruction.info->opcode == d3d::Opcode::Texld) {
      CheckTextureCoordinate();
    }
    CheckReadPorts();
  }
};

std::set<RegisterKey> CheckDeclarations(const ShaderProgram& program, const std::string& path) {
  std::set<RegisterKey> declared;
  for (const Declaration& declaration : program.declarations) {
    if (!declared.insert(KeyOf(declaration.reg.reg)).second) {
      throw AssemblyError(path, declaration.line,
                          RegisterName(*program.model, declaration.reg.reg) + " is declared twice");
    }
  }
  return declared;
}

void CheckLiterals(const ShaderProgram& program, const std::string& path) {
  std::set<std::uint32_t> defined;
  for (const LiteralDefinition& literal : program.literals) {
    if (!defined.insert(literal.constantRegister).second) {
      throw AssemblyError(path, literal.line,
                          "c" + std::to_string(literal.constantRegister) + " is defined twice");
    }
  }
}

}  // namespace

void CheckProgramRules(const ShaderProgram& program, const std::string& path) {
  const std::set<RegisterKey> declared = CheckDeclarations(program, path);
  CheckLiterals(program, path);
  for (const Instruction& instruction : program.instructions) {
    InstructionCheck{program, declared, instruction, path}.Check();
  }
}
