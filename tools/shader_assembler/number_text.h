// Strict number parsing: the whole text must be the number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

std::optional<std::uint32_t> ParseUnsigned(const std::string& text);

std::optional<float> ParseFloat(const std::string& text);
