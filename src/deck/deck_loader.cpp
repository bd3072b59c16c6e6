// The deck loader: lines into the store, then the normalisation that deck line 1 decides
// (leading-blank shift, star prefix) and its unit letter.
#include "deck/deck_loader.hpp"

#include <algorithm>
#include <cstring>

namespace qalt2morv::deck {

namespace {
constexpr int kShiftedColumns = 80;  // the leading-blank shift moves columns 1 to 80 only
constexpr int kUnitLetterWidth = 8;
}  // namespace

void LineSplitter::append(const char* text, std::size_t length) {
  if (length == 0) return;
  in_line_ = true;
  if (column_ < kDeckColumns) {
    const auto k = static_cast<std::size_t>(s_.line_count);
    s_.line_has_text[k] = true;
    const std::size_t room = static_cast<std::size_t>(kDeckColumns - column_);
    const std::size_t n = length < room ? length : room;
    std::memcpy(s_.lines[k].data() + column_, text, n);
    column_ += static_cast<int>(n);
    if (n < length) column_ = kDeckColumns + 1;  // columns beyond 90 are skipped
  }
}

void LineSplitter::end_line() {
  // A line of text is padded with blanks; an empty line is never written (it reads blank).
  const auto k = static_cast<std::size_t>(s_.line_count);
  if (s_.line_has_text[k] && column_ < kDeckColumns) {
    std::memset(s_.lines[k].data() + column_, ' ',
                static_cast<std::size_t>(kDeckColumns - column_));
  }
  ++s_.line_count;
  column_ = 0;
  in_line_ = false;
  pending_cr_ = false;
  if (s_.line_count == kDeckMaxLines) full_ = true;
}

bool LineSplitter::feed(const char* data, std::size_t size) {
  const char* p = data;
  const char* const end = data + size;
  while (p < end && !full_) {
    if (pending_cr_) {
      // A CR that ended the previous piece: dropped when an LF follows, data otherwise.
      pending_cr_ = false;
      if (*p == '\n') {
        end_line();
        ++p;
        continue;
      }
      append("\r", 1);
    }
    // Most deck lines are empty: they end here and need no text copied.
    if (*p == '\n') {
      end_line();
      ++p;
      continue;
    }
    // Deck lines are short: a plain scan for the LF beats a library call per line.
    const char* stop = p;
    while (stop < end && *stop != '\n') ++stop;
    const bool found = stop < end;
    const char* text_end = stop;
    // A CR directly before the LF is not part of the line; one at the end of this piece
    // waits for the next byte.
    if (text_end > p && text_end[-1] == '\r') {
      --text_end;
      if (!found) {
        pending_cr_ = true;
        in_line_ = true;
      }
    }
    append(p, static_cast<std::size_t>(text_end - p));
    if (!found) break;
    end_line();
    p = stop + 1;
  }
  return !full_;
}

void LineSplitter::finish() {
  if (full_) return;
  // A CR at the very end of the deck is not part of a line; a last line without a newline
  // counts when it holds anything else.
  if (in_line_ && (column_ > 0)) end_line();
  pending_cr_ = false;
}

void normalise_and_read_unit_letter(ConversionState& s) {
  s.leading_blank_shift = 0;
  if (s.line_count == 0) return;  // no deck line 1: nothing to shift, no unit letter
  // Deck line 1 is read and changed in place, so an empty one is written out blank.
  if (!s.line_has_text[0]) {
    s.lines[0].fill(' ');
    s.line_has_text[0] = true;
  }
  DeckLine& first = s.lines[0];

  // Leading-blank shift: deck line 1 decides it, every line of the store takes it. Columns
  // 81 - shift to 80 keep their old characters, so the last ones appear twice.
  if (first[0] == ' ') {
    const int shift = first[1] == ' ' ? 2 : 1;
    s.leading_blank_shift = shift;
    // Empty lines and lines beyond the line count are blank whatever the shift.
    for (int k = 0; k < s.line_count; ++k) {
      if (!s.line_has_text[static_cast<std::size_t>(k)]) continue;
      DeckLine& line = s.lines[static_cast<std::size_t>(k)];
      std::copy(line.begin() + shift, line.begin() + kShiftedColumns, line.begin());
    }
  }

  // Star prefix: the asterisks at the start of deck line 1 become blanks; the unit letter
  // stands right after them.
  std::size_t p = 0;
  if (first[0] == '*') {
    while (p < first.size() && first[p] == '*') first[p++] = ' ';
  }

  // The unit letter text: 8 columns from p (blank beyond column 90).
  for (std::size_t i = 0; i < kUnitLetterWidth; ++i) {
    s.unit_letter_text[i] = p + i < first.size() ? first[p + i] : ' ';
  }
  switch (s.unit_letter_text[0]) {
    case 'U':
      s.unit_system = 1.0f;
      break;
    case 'S':
      s.unit_system = 2.0f;
      break;
    case 'M':
      s.unit_system = 3.0f;
      break;
    default:
      break;  // no code: deck line 278 may supply one later
  }
}

void load_deck(ConversionState& s, std::string_view deck_bytes) {
  LineSplitter splitter(s);
  splitter.feed(deck_bytes.data(), deck_bytes.size());
  splitter.finish();
  normalise_and_read_unit_letter(s);
}

}  // namespace qalt2morv::deck
