# The address range the game build occupies, 0x401000 to 0xD01000: its code, call sites and globals.
# The linker script places this uninitialised section first, right after the image headers.
  .section .game,"bw"
  .globl _gameArea
_gameArea:
  .space 0x900000
