#include "register_name.h"

#include <cctype>

#include "assembly_error.h"
#include "number_text.h"

Register ResolveRegister(const std::string& name, const ShaderModel& model, const std::string& path,
                         int line) {
  std::size_t digits = name.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) {
    --digits;
  }
  const std::string fileName = name.substr(0, digits);
  const RegisterFile* file = FindRegisterFile(model, fileName);
  if (file == nullptr || file->numbered != (digits < name.size())) {
    throw AssemblyError(path, line, "unknown register '" + name + "' in " + model.versionName);
  }
  if (!file->numbered) {
    return {file->type, 0};
  }
  const std::optional<std::uint32_t> index = ParseUnsigned(name.substr(digits));
  if (!index || *index >= file->count) {
    throw AssemblyError(path, line,
                        "register '" + name + "' is outside " + model.versionName + "'s range " + fileName +
                            "0-" + fileName + std::to_string(file->count - 1));
  }
  return {file->type, *index};
}

std::string RegisterName(const ShaderModel& model, Register reg) {
  const RegisterFile& file = RegisterFileOf(model, reg.type);
  return file.numbered ? file.name + std::to_string(reg.index) : file.name;
}
