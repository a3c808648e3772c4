// The stand-in for the game: owns the game's fixed addresses, records every call a plug-in makes into
// it, and lets a test drive the plug-ins as the game would.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Writes the game's functions and call sites into the game area, then makes the code pages execute-read,
// as a loaded game image has them. Call once, before loading any plug-in.
void StartStandInHost();

// The game code around a call site, as a function: calling it executes the call instruction whose
// displacement field lies at `site` with the four arguments given (extra ones are ignored by targets that
// take fewer), and returns the result the call produced.
using HostCallSiteFunction = std::uint32_t(__cdecl*)(std::uint32_t, std::uint32_t, std::uint32_t,
                                                     std::uint32_t);
HostCallSiteFunction HostCallSite(std::uintptr_t site);

// Loads a DLL from the folder of the running program, as a plug-in loader would.
HMODULE LoadPlugin(const char* fileName);

// Full path of a file in the folder of the running program.
std::string ProgramFolderFile(const char* fileName);
