// Deck lines for quoting: split at line feeds as the loader does, a carriage return before
// the feed and trailing blanks dropped.
#include "entry/deck_text_lines.hpp"

#include <algorithm>
#include <memory>

#include "deck/deck_loader.hpp"
#include "deck/deck_words.hpp"
#include "deck/field_kinds.hpp"

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

std::string exchanger_letters(std::string_view deck_bytes) {
  auto s = std::make_unique<ConversionState>();
  deck::load_deck(*s, deck_bytes);
  Text40 word;
  deck::decode_text(*s, 19, word);
  const deck::TemaLetters t = deck::tema_letters(word);
  std::string letters;
  for (const char c : {t.front, t.shell, t.rear}) {
    if (c != ' ') letters += c;
  }
  return letters;
}

}  // namespace qalt2morv::page
