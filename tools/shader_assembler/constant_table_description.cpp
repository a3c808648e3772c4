#include "constant_table_description.h"

#include <map>
#include <set>

#include "assembly_error.h"
#include "number_text.h"
#include "source_lines.h"

namespace {

constexpr std::size_t FloatsPerRegister = 4;

struct NamedClass {
  const char* name;
  d3d::ParameterClass value;
};

struct NamedType {
  const char* name;
  d3d::ParameterType value;
  d3d::RegisterSet registerSet;
};

const NamedClass Classes[] = {
    {"scalar", d3d::ParameterClass::Scalar},
    {"vector", d3d::ParameterClass::Vector},
    {"matrix_columns", d3d::ParameterClass::MatrixColumns},
    {"object", d3d::ParameterClass::Object},
};

const NamedType Types[] = {
    {"float", d3d::ParameterType::Float, d3d::RegisterSet::Float4},
    {"sampler2d", d3d::ParameterType::Sampler2D, d3d::RegisterSet::Sampler},
    {"samplercube", d3d::ParameterType::SamplerCube, d3d::RegisterSet::Sampler},
};

struct EntryLine {
  const std::string& path;
  int line;

  [[noreturn]] void Fail(const std::string& problem) const { throw AssemblyError(path, line, problem); }

  std::uint16_t Small(const std::string& text, const std::string& what) const {
    const std::optional<std::uint32_t> value = ParseUnsigned(text);
    if (!value || *value == 0 || *value > 0xFFFF) {
      Fail(what + " '" + text + "' is not a positive number");
    }
    return static_cast<std::uint16_t>(*value);
  }
};

d3d::ParameterClass ParseClass(const std::string& name, const EntryLine& entryLine) {
  for (const NamedClass& named : Classes) {
    if (name == named.name) {
      return named.value;
    }
  }
  entryLine.Fail("unknown class '" + name + "'");
}

const NamedType& ParseType(const std::string& name, const EntryLine& entryLine) {
  for (const NamedType& named : Types) {
    if (name == named.name) {
      return named;
    }
  }
  entryLine.Fail("unknown type '" + name + "'");
}

std::vector<float> ParseDefaultValue(const std::vector<std::string>& words, std::size_t first,
                                     std::uint16_t registerCount, const EntryLine& entryLine) {
  if (first == words.size()) {
    return {};
  }
  if (words[first] != "default" || words.size() - first - 1 != registerCount * FloatsPerRegister) {
    entryLine.Fail("a default gives 'default' and four numbers per register");
  }
  std::vector<float> value;
  for (std::size_t i = first + 1; i < words.size(); ++i) {
    const std::optional<float> number = ParseFloat(words[i]);
    if (!number) {
      entryLine.Fail("'" + words[i] + "' is not a number");
    }
    value.push_back(*number);
  }
  return value;
}

ConstantTableEntry ParseEntry(const std::vector<std::string>& words, const ShaderModel& model,
                              const EntryLine& entryLine) {
  if (words.size() < 7) {
    entryLine.Fail("constant needs name, register, count, class, type and rows x columns");
  }
  const Register first = ResolveRegister(words[2], model, entryLine.path, entryLine.line);
  const std::uint16_t count = entryLine.Small(words[3], "register count");
  const NamedType& type = ParseType(words[5], entryLine);
  const d3d::RegisterType registerType =
      type.registerSet == d3d::RegisterSet::Sampler ? d3d::RegisterType::Sampler : d3d::RegisterType::Const;
  if (first.type != registerType) {
    entryLine.Fail("type " + words[5] + " does not live in register " + words[2]);
  }
  if (first.index + count > RegisterFileOf(model, first.type).count) {
    entryLine.Fail(words[1] + " runs past the last register of " + model.versionName);
  }
  const std::size_t times = words[6].find('x');
  if (times == std::string::npos) {
    entryLine.Fail("dimensions '" + words[6] + "' are not rows x columns");
  }
  return {entryLine.line,
          words[1],
          type.registerSet,
          static_cast<std::uint16_t>(first.index),
          count,
          ParseClass(words[4], entryLine),
          type.value,
          entryLine.Small(words[6].substr(0, times), "rows"),
          entryLine.Small(words[6].substr(times + 1), "columns"),
          ParseDefaultValue(words, 7, count, entryLine)};
}

d3d::RegisterType RegisterTypeOf(const ConstantTableEntry& entry) {
  return entry.registerSet == d3d::RegisterSet::Sampler ? d3d::RegisterType::Sampler
                                                        : d3d::RegisterType::Const;
}

std::string RegisterRange(const ShaderModel& model, const ConstantTableEntry& entry) {
  const d3d::RegisterType type = RegisterTypeOf(entry);
  const std::string first = RegisterName(model, {type, entry.registerIndex});
  if (entry.registerCount == 1) {
    return first;
  }
  return first + "-" + RegisterName(model, {type, entry.registerIndex + entry.registerCount - 1u});
}

void CheckSamplerDeclared(const ConstantTableEntry& entry, const ShaderProgram& program,
                          const std::string& path) {
  const d3d::SamplerTextureType wanted = entry.parameterType == d3d::ParameterType::SamplerCube
                                             ? d3d::SamplerTextureType::Cube
                                             : d3d::SamplerTextureType::Texture2D;
  for (const Declaration& declaration : program.declarations) {
    if (declaration.reg.reg.type == d3d::RegisterType::Sampler &&
        declaration.reg.reg.index == entry.registerIndex) {
      if (declaration.samplerType != wanted) {
        throw AssemblyError(path, entry.line,
                            entry.name + " has a texture type other than its sampler's declaration");
      }
      return;
    }
  }
  throw AssemblyError(path, entry.line, entry.name + " names a sampler the program does not declare");
}

}  // namespace

ConstantTableDescription ParseConstantTableDescription(const SourceText& source, const ShaderModel& model) {
  ConstantTableDescription table;
  std::set<std::string> names;
  for (const SourceLine& line : SplitStatements(source)) {
    const EntryLine entryLine{source.path, line.number};
    const std::vector<std::string> words = SplitWords(line.text);
    if (words[0] == "target" && words.size() == 2 && table.target.empty()) {
      if (words[1] != model.constantTableTarget) {
        entryLine.Fail("target '" + words[1] + "' does not fit " + model.versionName + "; expected " +
                       model.constantTableTarget);
      }
      table.target = words[1];
    } else if (words[0] == "constant" && !table.target.empty()) {
      table.entries.push_back(ParseEntry(words, model, entryLine));
      if (!names.insert(table.entries.back().name).second) {
        entryLine.Fail(table.entries.back().name + " is listed twice");
      }
    } else {
      entryLine.Fail("expected 'target' once, then 'constant' lines");
    }
  }
  if (table.target.empty()) {
    throw AssemblyError(source.path, 1, "no target");
  }
  return table;
}

void CheckConstantTableAgainstProgram(const ConstantTableDescription& table, const ShaderProgram& program,
                                      const std::string& path) {
  std::map<std::pair<d3d::RegisterType, std::uint32_t>, std::string> owners;
  for (const LiteralDefinition& literal : program.literals) {
    owners[{d3d::RegisterType::Const, literal.constantRegister}] = "the literal register";
  }
  for (const ConstantTableEntry& entry : table.entries) {
    for (std::uint32_t i = 0; i < entry.registerCount; ++i) {
      const Register reg{RegisterTypeOf(entry), entry.registerIndex + i};
      const auto [owner, fresh] = owners.insert({{reg.type, reg.index}, entry.name});
      if (!fresh) {
        throw AssemblyError(path, entry.line,
                            entry.name + " (" + RegisterRange(*program.model, entry) + ") overlaps " +
                                owner->second + " " + RegisterName(*program.model, reg));
      }
    }
    if (entry.registerSet == d3d::RegisterSet::Sampler) {
      CheckSamplerDeclared(entry, program, path);
    }
  }
}
