#include "source_lines.h"

#include <sstream>

namespace {

const char* const Blanks = " \t\r";

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(Blanks);
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

}  // namespace

std::vector<SourceLine> SplitStatements(const SourceText& source) {
  std::vector<SourceLine> statements;
  std::istringstream lines(source.text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string statement = Trim(line.substr(0, line.find("//")));
    if (!statement.empty()) {
      statements.push_back({number, statement});
    }
  }
  return statements;
}

std::vector<std::string> SplitTrimmed(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    pieces.push_back(Trim(text.substr(start, end - start)));
    if (end == std::string::npos) {
      return pieces;
    }
    start = end + 1;
  }
}

std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream stream(text);
  std::string word;
  while (stream >> word) {
    words.push_back(word);
  }
  return words;
}
