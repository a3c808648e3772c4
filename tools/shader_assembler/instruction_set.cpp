#include "instruction_set.h"

#include <iterator>

namespace {

// nrm and pow are macros of three slots each in vs_2_0 and ps_2_x alike.
const InstructionInfo Instructions[] = {
    {"mov", d3d::Opcode::Mov, 1, 1, SlotKind::Arithmetic, false, false},
    {"add", d3d::Opcode::Add, 2, 1, SlotKind::Arithmetic, false, false},
    {"mul", d3d::Opcode::Mul, 2, 1, SlotKind::Arithmetic, false, false},
    {"mad", d3d::Opcode::Mad, 3, 1, SlotKind::Arithmetic, false, false},
    {"dp3", d3d::Opcode::Dp3, 2, 1, SlotKind::Arithmetic, false, false},
    {"dp4", d3d::Opcode::Dp4, 2, 1, SlotKind::Arithmetic, false, false},
    {"max", d3d::Opcode::Max, 2, 1, SlotKind::Arithmetic, false, false},
    {"rsq", d3d::Opcode::Rsq, 1, 1, SlotKind::Arithmetic, true, false},
    {"pow", d3d::Opcode::Pow, 2, 3, SlotKind::Arithmetic, true, false},
    {"nrm", d3d::Opcode::Nrm, 1, 3, SlotKind::Arithmetic, false, false},
    {"texld", d3d::Opcode::Texld, 2, 1, SlotKind::Texture, false, true},
};

}  // namespace

const InstructionInfo* FindInstruction(const std::string& mnemonic) {
  for (const InstructionInfo& info : Instructions) {
    if (mnemonic == info.mnemonic) {
      return &info;
    }
  }
  return nullptr;
}
