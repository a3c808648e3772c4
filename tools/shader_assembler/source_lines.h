// Splits a source into its statements: one per line, with // comments and surrounding blanks removed
// and empty lines dropped.
#pragma once

#include <string>
#include <vector>

#include "source_text.h"

struct SourceLine {
  int number;
  std::string text;
};

std::vector<SourceLine> SplitStatements(const SourceText& source);

// Splits at every separator, trimming blanks around each piece.
std::vector<std::string> SplitTrimmed(const std::string& text, char separator);

// Splits at runs of blanks.
std::vector<std::string> SplitWords(const std::string& text);
