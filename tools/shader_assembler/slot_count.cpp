#include "slot_count.h"

SlotCount CountInstructionSlots(const ShaderProgram& program) {
  SlotCount count{0, 0};
  for (const Instruction& instruction : program.instructions) {
    (instruction.info->slotKind == SlotKind::Texture ? count.texture : count.arithmetic) +=
        instruction.info->slots;
  }
  return count;
}
