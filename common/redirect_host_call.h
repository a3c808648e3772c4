#pragma once

#include <cstdint>

// Makes the game's relative call whose 4-byte displacement field starts at `site` reach `hook` instead,
// by storing hook - (site + 4). Does nothing unless the byte before the site is a call opcode in readable,
// committed memory, so a process that is not the expected game build is left untouched. Once a call is
// redirected, the module holding the hook is pinned: the game may call it until the process ends.
void RedirectHostCall(std::uintptr_t site, const void* hook);
