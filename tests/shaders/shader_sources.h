// The surface shader programs' sources in the source tree, for tests that assemble them again.
#pragma once

#include <string>

std::string ShaderSourcePath(const std::string& fileName);
