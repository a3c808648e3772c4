#include "x86_code.h"

#include <cstring>

namespace {

void WriteBytes(std::uintptr_t at, const unsigned char* bytes, std::size_t size) {
  std::memcpy(reinterpret_cast<void*>(at), bytes, size);
}

void WriteRel32(std::uintptr_t field, std::uintptr_t target) {
  const std::uint32_t displacement = Rel32Displacement(field, target);
  std::memcpy(reinterpret_cast<void*>(field), &displacement, sizeof displacement);
}

}  // namespace

std::uint32_t Rel32Displacement(std::uintptr_t field, std::uintptr_t target) {
  return static_cast<std::uint32_t>(target - (field + Rel32Size));
}

void WriteJump(std::uintptr_t at, std::uintptr_t target) {
  WriteBytes(at, &JmpRel32Opcode, 1);
  WriteRel32(at + 1, target);
}

void WriteCallSiteThunk(std::uintptr_t site, std::uintptr_t target) {
  const unsigned char prologue[] = {
      0x55,  // push ebp
      0x89,
      0xE5,  // mov ebp, esp
      0xFF,
      0x75,
      0x14,  // push dword [ebp+20]   fourth argument
      0xFF,
      0x75,
      0x10,  // push dword [ebp+16]   third
      0xFF,
      0x75,
      0x0C,  // push dword [ebp+12]   second
      0xFF,
      0x75,
      0x08,             // push dword [ebp+8]    first
      CallRel32Opcode,  // call rel32, its displacement field at the site
  };
  const unsigned char epilogue[] = {
      0xC9,  // leave
      0xC3,  // ret
  };
  static_assert(sizeof prologue == CallSiteThunkLead);
  WriteBytes(site - CallSiteThunkLead, prologue, sizeof prologue);
  WriteRel32(site, target);
  WriteBytes(site + Rel32Size, epilogue, sizeof epilogue);
}
