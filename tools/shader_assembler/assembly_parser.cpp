#include "assembly_parser.h"

#include <cstring>

#include "assembly_error.h"
#include "number_text.h"
#include "source_lines.h"

namespace {

const std::string ComponentLetters = "xyzw";
constexpr std::array<std::uint32_t, 4> IdentitySwizzle{0, 1, 2, 3};

struct VertexInputUsage {
  const char* name;
  d3d::DeclarationUsage usage;
};

const VertexInputUsage VertexInputUsages[] = {
    {"position", d3d::DeclarationUsage::Position}, {"texcoord", d3d::DeclarationUsage::Texcoord},
    {"normal", d3d::DeclarationUsage::Normal},     {"tangent", d3d::DeclarationUsage::Tangent},
    {"binormal", d3d::DeclarationUsage::Binormal},
};

struct Statement {
  const std::string& path;
  int line;
  const ShaderModel& model;

  [[noreturn]] void Fail(const std::string& problem) const { throw AssemblyError(path, line, problem); }

  Register Resolve(const std::string& name) const { return ResolveRegister(name, model, path, line); }
};

std::uint32_t ParseWriteMask(const std::string& letters, const Statement& statement) {
  std::uint32_t mask = 0;
  std::size_t previous = 0;
  for (const char letter : letters) {
    const std::size_t component = ComponentLetters.find(letter);
    if (component == std::string::npos || (mask != 0 && component <= previous)) {
      statement.Fail("write mask '." + letters + "' is not a subset of xyzw in order");
    }
    mask |= 1u << component;
    previous = component;
  }
  if (mask == 0) {
    statement.Fail("empty write mask");
  }
  return mask;
}

// A swizzle of fewer than four letters repeats its last letter.
std::array<std::uint32_t, 4> ParseSwizzle(const std::string& letters, const Statement& statement) {
  if (letters.empty() || letters.size() > 4) {
    statement.Fail("swizzle '." + letters + "' must have one to four components");
  }
  std::array<std::uint32_t, 4> swizzle{};
  for (std::size_t i = 0; i < 4; ++i) {
    const char letter = letters[std::min(i, letters.size() - 1)];
    const std::size_t component = ComponentLetters.find(letter);
    if (component == std::string::npos) {
      statement.Fail("swizzle '." + letters + "' uses a component other than x, y, z, w");
    }
    swizzle[i] = static_cast<std::uint32_t>(component);
  }
  return swizzle;
}

DestinationOperand ParseDestination(const std::string& text, const Statement& statement) {
  const std::size_t dot = text.find('.');
  DestinationOperand destination{statement.Resolve(text.substr(0, dot)), d3d::FullWriteMask, false, false};
  if (dot != std::string::npos) {
    destination.writeMask = ParseWriteMask(text.substr(dot + 1), statement);
  }
  return destination;
}

SourceOperand ParseSource(const std::string& text, const Statement& statement) {
  const bool negate = !text.empty() && text[0] == '-';
  const std::string operand = negate ? text.substr(1) : text;
  const std::size_t dot = operand.find('.');
  SourceOperand source{statement.Resolve(operand.substr(0, dot)), IdentitySwizzle, negate};
  if (dot != std::string::npos) {
    source.swizzle = ParseSwizzle(operand.substr(dot + 1), statement);
  }
  return source;
}

void ExpectOperandCount(const std::vector<std::string>& operands, std::size_t count,
                        const std::string& mnemonic, const Statement& statement) {
  if (operands.size() != count) {
    statement.Fail(mnemonic + " takes " + std::to_string(count) + " operand(s), not " +
                   std::to_string(operands.size()));
  }
}

void ExpectRegisterType(const DestinationOperand& operand, d3d::RegisterType type, const std::string& what,
                        const Statement& statement) {
  if (operand.reg.type != type) {
    statement.Fail(what + " cannot declare " + RegisterName(statement.model, operand.reg));
  }
}

void ExpectFullMask(const DestinationOperand& operand, const std::string& what, const Statement& statement) {
  if (operand.writeMask != d3d::FullWriteMask) {
    statement.Fail(what + " takes no write mask");
  }
}

// Vertex shaders declare inputs by usage: dcl_texcoord v1, dcl_normal0 v2.
Declaration ParseVertexInputDeclaration(const std::string& suffix, const DestinationOperand& operand,
                                        const Statement& statement) {
  const std::string what = "dcl_" + suffix;
  std::size_t digits = suffix.find_first_of("0123456789");
  const std::string usageName = suffix.substr(0, digits);
  const std::optional<std::uint32_t> usageIndex =
      digits == std::string::npos ? 0 : ParseUnsigned(suffix.substr(digits));
  for (const VertexInputUsage& usage : VertexInputUsages) {
    if (usageName == usage.name && usageIndex) {
      ExpectRegisterType(operand, d3d::RegisterType::Input, what, statement);
      ExpectFullMask(operand, what, statement);
      return {statement.line, operand, usage.usage, *usageIndex, {}};
    }
  }
  statement.Fail("unknown declaration '" + what + "'");
}

// Pixel shaders declare texture coordinates (dcl, dcl_pp) and samplers (dcl_2d, dcl_cube).
Declaration ParsePixelInputDeclaration(const std::string& suffix, DestinationOperand operand,
                                       const Statement& statement) {
  const std::string what = suffix.empty() ? "dcl" : "dcl_" + suffix;
  if (suffix.empty() || suffix == "pp") {
    ExpectRegisterType(operand, d3d::RegisterType::Texture, what, statement);
    operand.partialPrecision = !suffix.empty();
    return {statement.line, operand, {}, 0, {}};
  }
  if (suffix == "2d" || suffix == "cube") {
    ExpectRegisterType(operand, d3d::RegisterType::Sampler, what, statement);
    ExpectFullMask(operand, what, statement);
    return {statement.line,
            operand,
            {},
            0,
            suffix == "2d" ? d3d::SamplerTextureType::Texture2D : d3d::SamplerTextureType::Cube};
  }
  statement.Fail("unknown declaration '" + what + "'");
}

Declaration ParseDeclaration(const std::string& suffix, const std::vector<std::string>& operands,
                             const Statement& statement) {
  ExpectOperandCount(operands, 1, "dcl", statement);
  const DestinationOperand operand = ParseDestination(operands[0], statement);
  if (statement.model.pixelShader) {
    return ParsePixelInputDeclaration(suffix, operand, statement);
  }
  if (suffix.empty()) {
    statement.Fail("dcl needs a usage in " + std::string(statement.model.versionName));
  }
  return ParseVertexInputDeclaration(suffix, operand, statement);
}

LiteralDefinition ParseDefinition(const std::vector<std::string>& operands, const Statement& statement) {
  ExpectOperandCount(operands, 5, "def", statement);
  const Register reg = statement.Resolve(operands[0]);
  if (reg.type != d3d::RegisterType::Const) {
    statement.Fail("def defines constant registers only, not " + operands[0]);
  }
  LiteralDefinition definition{statement.line, reg.index, {}};
  for (std::size_t i = 0; i < 4; ++i) {
    const std::optional<float> value = ParseFloat(operands[i + 1]);
    if (!value) {
      statement.Fail("'" + operands[i + 1] + "' is not a number");
    }
    definition.value[i] = *value;
  }
  return definition;
}

Instruction ParseInstruction(const std::vector<std::string>& mnemonicParts,
                             const std::vector<std::string>& operands, const Statement& statement) {
  const InstructionInfo* info = FindInstruction(mnemonicParts[0]);
  if (info == nullptr) {
    statement.Fail("unknown opcode '" + mnemonicParts[0] + "'");
  }
  ExpectOperandCount(operands, static_cast<std::size_t>(info->sourceCount) + 1, info->mnemonic, statement);
  Instruction instruction{statement.line, info, ParseDestination(operands[0], statement), {}};
  DestinationOperand& destination = instruction.destination;
  for (std::size_t i = 1; i < mnemonicParts.size(); ++i) {
    if (mnemonicParts[i] == "sat" && !destination.saturate) {
      destination.saturate = true;
    } else if (mnemonicParts[i] == "pp" && !destination.partialPrecision) {
      destination.partialPrecision = true;
    } else {
      statement.Fail("unknown or repeated instruction modifier '_" + mnemonicParts[i] + "'");
    }
  }
  for (std::size_t i = 1; i < operands.size(); ++i) {
    instruction.sources.push_back(ParseSource(operands[i], statement));
  }
  return instruction;
}

const ShaderModel& ParseVersion(const std::vector<SourceLine>& statements, const std::string& path) {
  const ShaderModel* model = statements.empty() ? nullptr : FindShaderModel(statements[0].text);
  if (model == nullptr) {
    throw AssemblyError(path, statements.empty() ? 1 : statements[0].number,
                        "a program starts with its version, vs_2_0 or ps_2_x");
  }
  return *model;
}

}  // namespace

ShaderProgram ParseAssembly(const SourceText& source) {
  const std::vector<SourceLine> statements = SplitStatements(source);
  const ShaderModel& model = ParseVersion(statements, source.path);
  ShaderProgram program{&model, {}, {}, {}};
  for (std::size_t i = 1; i < statements.size(); ++i) {
    const Statement statement{source.path, statements[i].number, model};
    const std::size_t mnemonicEnd = statements[i].text.find_first_of(" \t");
    const std::string mnemonic = statements[i].text.substr(0, mnemonicEnd);
    const std::vector<std::string> operands = mnemonicEnd == std::string::npos
                                                  ? std::vector<std::string>{}
                                                  : SplitTrimmed(statements[i].text.substr(mnemonicEnd), ',');
    const std::vector<std::string> mnemonicParts = SplitTrimmed(mnemonic, '_');
    if (mnemonicParts[0] == "dcl") {
      const std::size_t underscore = mnemonic.find('_');
      program.declarations.push_back(ParseDeclaration(
          underscore == std::string::npos ? "" : mnemonic.substr(underscore + 1), operands, statement));
    } else if (mnemonic == "def") {
      program.literals.push_back(ParseDefinition(operands, statement));
    } else {
      program.instructions.push_back(ParseInstruction(mnemonicParts, operands, statement));
    }
  }
  return program;
}
