#include "number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

std::optional<std::uint32_t> ParseUnsigned(const std::string& text) {
  if (text.empty() || text.size() > 9) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (const char digit : text) {
    if (!std::isdigit(static_cast<unsigned char>(digit))) {
      return std::nullopt;
    }
    value = value * 10 + static_cast<std::uint32_t>(digit - '0');
  }
  return value;
}

std::optional<float> ParseFloat(const std::string& text) {
  if (text.empty()) {
    return std::nullopt;
  }
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}
