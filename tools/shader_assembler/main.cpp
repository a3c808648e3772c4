// Command line of the shader assembler.
//   shader_assembler generate OUTPUT HEADER {ARRAY ASSEMBLY CONSTANTS}...
//     assembles each program and writes the C++ source holding them as arrays named ARRAY
//   shader_assembler slots ASSEMBLY...
//     prints the instruction slots of each program, arithmetic and texture
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "array_source_writer.h"
#include "shader_assembler.h"
#include "slot_count.h"

namespace {

const char* const RegenerateCommand = "make shaders";

const char* const Usage =
    "usage: shader_assembler generate OUTPUT HEADER {ARRAY ASSEMBLY CONSTANTS}...\n"
    "       shader_assembler slots ASSEMBLY...\n";

std::string FileName(const std::string& path) {
  return path.substr(path.find_last_of("/\\") + 1);
}

int Generate(const std::vector<std::string>& arguments) {
  if (arguments.size() < 5 || (arguments.size() - 2) % 3 != 0) {
    std::cerr << Usage;
    return 2;
  }
  std::vector<NamedBytecode> programs;
  for (std::size_t i = 2; i < arguments.size(); i += 3) {
    const std::string& assembly = arguments[i + 1];
    const std::string& constants = arguments[i + 2];
    programs.push_back({arguments[i], FileName(assembly) + ", " + FileName(constants),
                        AssembleShader(ReadSourceFile(assembly), ReadSourceFile(constants))});
  }
  std::ofstream output(arguments[0], std::ios::binary);
  output << WriteArraySource(arguments[1], RegenerateCommand, programs);
  if (!output.flush()) {
    std::cerr << arguments[0] << ": cannot write\n";
    return 1;
  }
  return 0;
}

int PrintSlots(const std::vector<std::string>& arguments) {
  if (arguments.empty()) {
    std::cerr << Usage;
    return 2;
  }
  for (const std::string& path : arguments) {
    const ShaderProgram program = ReadCheckedProgram(ReadSourceFile(path));
    const SlotCount slots = CountInstructionSlots(program);
    std::printf("%s (%s): %d instruction slots, %d arithmetic, %d texture\n", FileName(path).c_str(),
                program.model->versionName, slots.arithmetic + slots.texture, slots.arithmetic,
                slots.texture);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  try {
    if (!arguments.empty() && arguments[0] == "generate") {
      return Generate({arguments.begin() + 1, arguments.end()});
    }
    if (!arguments.empty() && arguments[0] == "slots") {
      return PrintSlots({arguments.begin() + 1, arguments.end()});
    }
    std::cerr << Usage;
    return 2;
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
}
