// Notes on unrecognised deck content, showing the text as the deck holds it.
#include "deck/deck_notes.hpp"

#include "deck/field_kinds.hpp"

namespace qalt2morv::deck {

std::string shown_columns(const ConversionState& s, int k, std::size_t columns) {
  const DeckLine& line = line_of(s, k);
  std::size_t end = columns < line.size() ? columns : line.size();
  while (end > 0 && line[end - 1] == ' ') --end;
  return std::string(line.data(), end);
}

void note_line(ConversionState& s, int k, std::size_t columns, std::string_view expected) {
  if (!has_line(s, k)) return;
  s.notes.push_back(Note{k, shown_columns(s, k, columns), std::string(expected)});
}

}  // namespace qalt2morv::deck
