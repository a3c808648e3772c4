#include "shader_assembler.h"

#include "assembly_parser.h"
#include "bytecode_writer.h"
#include "constant_table_block.h"
#include "constant_table_description.h"
#include "program_rules.h"

ShaderProgram ReadCheckedProgram(const SourceText& assembly) {
  ShaderProgram program = ParseAssembly(assembly);
  CheckProgramRules(program, assembly.path);
  return program;
}

std::vector<std::uint32_t> AssembleShader(const SourceText& assembly, const SourceText& constantTable) {
  const ShaderProgram program = ReadCheckedProgram(assembly);
  const ConstantTableDescription table = ParseConstantTableDescription(constantTable, *program.model);
  CheckConstantTableAgainstProgram(table, program, constantTable.path);
  return WriteBytecode(program, BuildConstantTableComment(table, program.model->versionToken));
}
