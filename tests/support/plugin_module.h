// Where a loaded plug-in lies in memory.
#pragma once

#include <windows.h>

#include <cstdint>

bool ModuleContains(HMODULE module, std::uintptr_t address);

// The module that holds `address` right now, or null.
HMODULE ModuleAt(std::uintptr_t address);
