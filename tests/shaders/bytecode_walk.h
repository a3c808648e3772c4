// Walks Direct3D 9 shader bytecode by the published token layout of d3d9types.h, independently of the
// assembler that wrote it.
#pragma once

#include <windows.h>

#include <d3d9types.h>

#include <vector>

struct DecodedInstruction {
  D3DSHADER_INSTRUCTION_OPCODE_TYPE opcode;
  DWORD token;
  std::vector<DWORD> parameters;
};

// Every instruction after the version token up to the end token, comments left out.
std::vector<DecodedInstruction> DecodeInstructions(const DWORD* code);

// The same instructions as a flat token list, as an assembler without constant tables writes them.
std::vector<DWORD> InstructionTokens(const DWORD* code);

// The contents of the comment block right after the version token, empty if there is none.
std::vector<DWORD> FirstComment(const DWORD* code);

D3DSHADER_PARAM_REGISTER_TYPE RegisterTypeOf(DWORD parameter);
DWORD RegisterNumberOf(DWORD parameter);
DWORD WriteMaskOf(DWORD parameter);  // bits 0-3 for x, y, z, w
