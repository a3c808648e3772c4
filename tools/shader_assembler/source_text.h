// A source file's name, for messages, and its contents.
#pragma once

#include <string>

struct SourceText {
  std::string path;
  std::string text;
};

SourceText ReadSourceFile(const std::string& path);
