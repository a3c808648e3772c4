// A fresh working directory per test: the plug-ins read their files relative to the game's working
// directory, and tests run in parallel.
#pragma once

#include <string>

// Creates an empty folder under the temporary folder and makes it the working directory.
void EnterScratchFolder();

// Writes `content` to `relativePath` below the working directory, creating folders on the way.
void WriteTextFile(const std::string& relativePath, const std::string& content);
