#include "bytecode_walk.h"

std::vector<DecodedInstruction> DecodeInstructions(const DWORD* code) {
  std::vector<DecodedInstruction> instructions;
  for (const DWORD* token = code + 1; (*token & D3DSI_OPCODE_MASK) != D3DSIO_END;) {
    const auto opcode = static_cast<D3DSHADER_INSTRUCTION_OPCODE_TYPE>(*token & D3DSI_OPCODE_MASK);
    const DWORD length = opcode == D3DSIO_COMMENT
                             ? (*token & D3DSI_COMMENTSIZE_MASK) >> D3DSI_COMMENTSIZE_SHIFT
                             : (*token & D3DSI_INSTLENGTH_MASK) >> D3DSI_INSTLENGTH_SHIFT;
    if (opcode != D3DSIO_COMMENT) {
      instructions.push_back({opcode, *token, {token + 1, token + 1 + length}});
    }
    token += 1 + length;
  }
  return instructions;
}

std::vector<DWORD> InstructionTokens(const DWORD* code) {
  std::vector<DWORD> tokens;
  for (const DecodedInstruction& instruction : DecodeInstructions(code)) {
    tokens.push_back(instruction.token);
    tokens.insert(tokens.end(), instruction.parameters.begin(), instruction.parameters.end());
  }
  tokens.push_back(D3DSIO_END);
  return tokens;
}

std::vector<DWORD> FirstComment(const DWORD* code) {
  if ((code[1] & D3DSI_OPCODE_MASK) != D3DSIO_COMMENT) {
    return {};
  }
  const DWORD length = (code[1] & D3DSI_COMMENTSIZE_MASK) >> D3DSI_COMMENTSIZE_SHIFT;
  return {code + 2, code + 2 + length};
}

D3DSHADER_PARAM_REGISTER_TYPE RegisterTypeOf(DWORD parameter) {
  return static_cast<D3DSHADER_PARAM_REGISTER_TYPE>(
      ((parameter & D3DSP_REGTYPE_MASK) >> D3DSP_REGTYPE_SHIFT) |
      ((parameter & D3DSP_REGTYPE_MASK2) >> D3DSP_REGTYPE_SHIFT2));
}

DWORD RegisterNumberOf(DWORD parameter) {
  return parameter & D3DSP_REGNUM_MASK;
}

DWORD WriteMaskOf(DWORD parameter) {
  return (parameter & D3DSP_WRITEMASK_ALL) >> 16;
}
