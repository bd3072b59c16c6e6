// The keyword file reader: the shapes the record writer produces, read back line by line.
#include "qalt2morv/keyword_reader.hpp"

#include <cstddef>
#include <unordered_map>

#include "core/code_page.hpp"
#include "entry/record_spans.hpp"

namespace qalt2morv {
namespace {

// One line of the text: its content without the line end, and its full extent with it.
struct Line {
  std::string_view content;
  std::string_view whole;
};

// Takes the line starting at pos; the content drops "\n" and a "\r" before it (CRLF files).
Line take_line(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  const std::size_t feed = text.find('\n', start);
  const std::size_t end = feed == std::string_view::npos ? text.size() : feed + 1;
  pos = end;
  std::string_view content =
      text.substr(start, (feed == std::string_view::npos ? text.size() : feed) - start);
  if (feed != std::string_view::npos && !content.empty() && content.back() == '\r')
    content.remove_suffix(1);
  return {content, text.substr(start, end - start)};
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The numbers the writer prints: an optional minus, digits, optionally a point and digits.
bool is_number(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && s[i] == '-') ++i;
  const std::size_t digits_start = i;
  while (i < s.size() && is_digit(s[i])) ++i;
  if (i == digits_start) return false;
  if (i < s.size() && s[i] == '.') {
    ++i;
    const std::size_t fraction_start = i;
    while (i < s.size() && is_digit(s[i])) ++i;
    if (i == fraction_start) return false;
  }
  return i == s.size();
}

// The entry count of a list header's rest "0,N" (N >= 1), or 0 when rest is not one.
std::size_t list_entries(std::string_view rest) {
  if (rest.size() < 3 || rest.substr(0, 2) != "0," || rest.size() > 2 + 9) return 0;
  std::size_t n = 0;
  for (const char c : rest.substr(2)) {
    if (!is_digit(c)) return 0;
    n = n * 10 + static_cast<std::size_t>(c - '0');
  }
  return n;
}

bool is_quoted(std::string_view s) { return s.size() >= 2 && s.front() == '"' && s.back() == '"'; }

// An entry line: " , " is blank; "V, " is V; a quoted text loses its quotes; anything else
// (a tagged entry "V,T") stays as written.
std::string entry_value(std::string_view line) {
  if (line == " , ") return {};
  if (line.size() >= 2 && line.substr(line.size() - 2) == ", ") line.remove_suffix(2);
  if (is_quoted(line)) line = line.substr(1, line.size() - 2);
  return std::string(line);
}

// Reads the header of one record into r.
void read_header(std::string_view content, Record& r) {
  const std::size_t comma = content.find(',');
  if (comma == std::string_view::npos) {
    r.key = std::string(content);
    r.kind = RecordKind::text;
    return;
  }
  r.key = std::string(content.substr(0, comma));
  const std::string_view rest = content.substr(comma + 1);
  if (list_entries(rest) > 0) {
    r.kind = RecordKind::list;
    return;
  }
  const bool scalar = rest.size() >= 2 && rest.substr(rest.size() - 2) == ",0";
  const std::string_view field = scalar ? rest.substr(0, rest.size() - 2) : rest;
  if (scalar && is_number(field)) {
    r.kind = RecordKind::number;
    r.value = std::string(field);
  } else if (scalar && is_quoted(field)) {
    r.kind = RecordKind::text;
    r.value = std::string(field.substr(1, field.size() - 2));
  } else {
    r.kind = RecordKind::text;  // a message line, or a raw line
    r.value = std::string(field);
  }
}

}  // namespace

void split_record_spans(std::string_view text, std::vector<RecordSpan>& spans) {
  spans.clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const std::string_view header = take_line(text, pos).content;
    const std::size_t comma = header.find(',');
    std::size_t entries =
        comma == std::string_view::npos ? 0 : list_entries(header.substr(comma + 1));
    // A list whose file ends early keeps the entry lines there are.
    for (; entries > 0 && pos < text.size(); --entries) take_line(text, pos);
    spans.push_back({header.substr(0, comma), text.substr(start, pos - start)});
  }
}

std::vector<Record> read_keyword_text(std::string_view text) {
  std::vector<RecordSpan> spans;
  split_record_spans(text, spans);
  std::vector<Record> records;
  records.reserve(spans.size());
  std::unordered_map<std::string_view, int> seen;
  for (const RecordSpan& span : spans) {
    Record r;
    std::size_t pos = 0;
    read_header(take_line(span.text, pos).content, r);
    while (pos < span.text.size())
      r.values.push_back(entry_value(take_line(span.text, pos).content));
    r.text = std::string(span.text);
    r.occurrence = ++seen[span.key];
    records.push_back(std::move(r));
  }
  return records;
}

std::string keyword_text_as_utf8(std::string_view text) { return ansi_to_utf8(text); }

}  // namespace qalt2morv
