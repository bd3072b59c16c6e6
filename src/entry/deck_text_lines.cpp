// Deck lines for quoting: split at line feeds as the loader does, a carriage return before
// the feed and trailing blanks dropped.
#include "entry/deck_text_lines.hpp"

#include <algorithm>

namespace qalt2morv::page {
std::vector<std::string> deck_text_lines(std::string_view deck_bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < deck_bytes.size() && lines.size() < kLinesQuoted) {
    const std::size_t feed = deck_bytes.find('\n', start);
    const std::size_t end = feed == std::string_view::npos ? deck_bytes.size() : feed;
    std::string text(deck_bytes.substr(start, std::min(end - start, kColumnsQuoted)));
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.pop_back();
    lines.push_back(std::move(text));
    if (feed == std::string_view::npos) break;
    start = feed + 1;
  }
  return lines;
}

std::string_view deck_line_text(const std::vector<std::string>& lines, int line) {
  if (line < 1 || static_cast<std::size_t>(line) > lines.size()) return {};
  return lines[static_cast<std::size_t>(line) - 1];
}

std::string exchanger_letters(std::string_view line_19) {
  const auto column = [&](std::size_t c) { return c <= line_19.size() ? line_19[c - 1] : ' '; };
  const char rear = column(2) == 'J' ? column(5) : column(3);
  std::string letters;
  for (const char c : {column(1), column(2), rear}) {
    if (c != ' ') letters += c;
  }
  return letters;
}

}  // namespace qalt2morv::page
