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

DeckLine& stored_line(ConversionState& s, int index) {
  auto& place = s.line_place[static_cast<std::size_t>(index)];
  if (place == 0) {
    place = static_cast<std::uint16_t>(s.places_used++);
    s.lines[place].fill(' ');
  }
  return s.lines[place];
}

void LineSplitter::append(const char* text, std::size_t length) {
  if (length == 0) return;
  in_line_ = true;
  if (column_ < kDeckColumns) {
    DeckLine& line = stored_line(s_, s_.line_count);
    const std::size_t room = static_cast<std::size_t>(kDeckColumns - column_);
    const std::size_t n = length < room ? length : room;
    std::memcpy(line.data() + column_, text, n);
    column_ += static_cast<int>(n);
    if (n < length) column_ = kDeckColumns + 1;  // columns beyond 90 are skipped
  }
}

void LineSplitter::end_line() {
  // A stored line was blank-filled when it got its place; an empty line has none.
  ++s_.line_count;
  column_ = 0;
  in_line_ = false;
  pending_cr_ = false;
  if (s_.line_count == kDeckMaxLines) full_ = true;
}

namespace {

constexpr std::size_t kShortLine = 16;  // most deck lines of text are no longer
constexpr char kBlanks[kShortLine + 1] = "                ";

}  // namespace

const char* LineSplitter::store_whole_lines(const char* p, const char* end) {
  // The LFs of the piece first, with no jump per character; then every line between two
  // of them in the same few steps, empty or not, so that neither a line's length nor
  // whether it is empty costs a mispredicted jump.
  std::uint16_t ends[kLfBatch];
  while (p < end && s_.line_count < kDeckMaxLines) {
    const auto wanted = static_cast<std::size_t>(kDeckMaxLines - s_.line_count);
    const std::size_t room = wanted < kLfBatch ? wanted : kLfBatch;
    const std::size_t span =
        static_cast<std::size_t>(end - p) < kLfSpan ? static_cast<std::size_t>(end - p) : kLfSpan;
    std::size_t found = 0;
    std::size_t i = 0;
    for (; i < span && found < room; ++i) {
      ends[found] = static_cast<std::uint16_t>(i);
      found += p[i] == '\n';
    }
    if (found == 0) break;  // no whole line left in this piece
    int count = s_.line_count;
    int next = s_.places_used;
    const char* line = p;
    for (std::size_t j = 0; j < found; ++j) {
      const char* lf = p + ends[j];
      std::size_t length = static_cast<std::size_t>(lf - line);
      if (length > 0 && lf[-1] == '\r') --length;  // a CR before the LF is not part of it
      if (length <= kShortLine && line + kShortLine <= end) {
        // Written at the first free place whatever the line holds: an empty line leaves it
        // free for the next one.
        char* place = s_.lines[static_cast<std::size_t>(next)].data();
        std::memset(place, ' ', kDeckColumns);
        std::memcpy(place, line, kShortLine);
        std::memcpy(place + length, kBlanks, kShortLine);  // over what followed the line
        s_.line_place[static_cast<std::size_t>(count)] =
            static_cast<std::uint16_t>(length != 0 ? next : 0);
        next += length != 0 ? 1 : 0;
      } else if (length > 0) {
        s_.places_used = next;
        DeckLine& stored = stored_line(s_, count);
        std::memcpy(stored.data(), line, length < kDeckColumns ? length : kDeckColumns);
        next = s_.places_used;
      }
      ++count;
      line = lf + 1;
    }
    s_.line_count = count;
    s_.places_used = next;
    p = line;
  }
  if (s_.line_count == kDeckMaxLines) full_ = true;
  return p;
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
    if (!in_line_) {
      p = store_whole_lines(p, end);
      if (p == end || full_) break;
    }
    // A line begun in an earlier piece, or the last one of this piece, which may go on in
    // the next.
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
  // Deck line 1 is read and changed in place, so an empty one is stored blank.
  DeckLine& first = stored_line(s, 0);

  // Leading-blank shift: deck line 1 decides it, every line of the store takes it. Columns
  // 81 - shift to 80 keep their old characters, so the last ones appear twice.
  if (first[0] == ' ') {
    const int shift = first[1] == ' ' ? 2 : 1;
    s.leading_blank_shift = shift;
    // Empty lines and lines beyond the line count are blank whatever the shift.
    for (int place = 1; place < s.places_used; ++place) {
      DeckLine& line = s.lines[static_cast<std::size_t>(place)];
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
