// The constant table as the Direct3D 9 extension library reads it: a comment block tagged CTAB, placed
// right after the version token, holding a header, one constant info and one type info per entry, the
// default values and the strings.
#pragma once

#include <cstdint>
#include <vector>

#include "constant_table_description.h"

// The whole comment block, from its comment token on.
std::vector<std::uint32_t> BuildConstantTableComment(const ConstantTableDescription& table,
                                                     std::uint32_t versionToken);
