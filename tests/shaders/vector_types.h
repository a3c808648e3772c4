// Plain float vectors for the tests' CPU reference and for texels and registers.
#pragma once

#include <array>

using Float3 = std::array<float, 3>;
using Float4 = std::array<float, 4>;
