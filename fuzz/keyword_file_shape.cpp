// Record shapes of the keyword file and the promises of one in-memory conversion, checked on
// whatever a deck produces.
#include "keyword_file_shape.hpp"

#include <cstddef>
#include <cstdint>
#include <qalt2morv/convert.hpp>
#include <qalt2morv/keyword_reader.hpp>
#include <string>
#include <string_view>

namespace qalt2morv::fuzz {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s) {
    if (!is_digit(c)) return false;
  }
  return true;
}

// -?[0-9]+\.[0-9]{6}: what "%f" prints for a finite value.
bool is_real(std::string_view s) {
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  const std::size_t point = s.find('.');
  if (point == std::string_view::npos) return false;
  return all_digits(s.substr(0, point)) && s.size() - point - 1 == 6 &&
         all_digits(s.substr(point + 1));
}

// A nonzero decimal integer without leading zeros: put_int never writes 0.
bool is_nonzero_int(std::string_view s) {
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  return all_digits(s) && s.front() != '0';
}

// The host's keys are words of letters, digits and hyphens (NozcylODA-O), starting with a letter.
bool is_key(std::string_view s) {
  if (s.empty() || s.size() > 255 || !is_letter(s.front())) return false;
  for (const char c : s) {
    if (!is_letter(c) && !is_digit(c) && c != '-' && c != '_') return false;
  }
  return true;
}

// A quoted text at the start of s: returns the length of "TEXT" with both quotes, 0 when s
// does not start with a well-formed quoted text.
std::size_t quoted_length(std::string_view s) {
  if (s.empty() || s.front() != '"') return 0;
  const std::size_t close = s.find('"', 1);
  if (close == std::string_view::npos) return 0;
  if (s.substr(1, close - 1).find('\0') != std::string_view::npos) return 0;
  return close + 1;
}

// Empty when a list entry line is well formed; *zero tells whether it was the zero entry.
std::string entry_error(std::string_view line, bool* zero) {
  *zero = line == " , ";
  if (*zero) return {};
  if (const std::size_t q = quoted_length(line); q > 0) {
    return line.substr(q) == ", " ? std::string() : "a text entry does not end with \", \"";
  }
  if (line.size() < 2 || line.substr(line.size() - 2) != ", ")
    return "an entry does not end with \", \"";
  const std::string_view value = line.substr(0, line.size() - 2);
  if (is_real(value) || is_nonzero_int(value)) return {};
  return "entry \"" + std::string(value) + "\" is neither a real with six decimals nor an integer";
}

// Empty when a record line is well formed; *entries is set to the list count of a header.
std::string record_error(std::string_view line, std::int64_t* entries) {
  *entries = 0;
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return "no comma after the key";
  const std::string_view key = line.substr(0, comma);
  if (!is_key(key)) return "\"" + std::string(key) + "\" is not a key";
  const std::string_view rest = line.substr(comma + 1);

  if (const std::size_t q = quoted_length(rest); q > 0) {
    return rest.substr(q) == ",0" ? std::string() : "a quoted text is not followed by \",0\"";
  }
  if (!rest.empty() && rest.front() == '"')
    return "an unterminated quoted text, or a zero byte in it";

  const std::size_t second = rest.find(',');
  if (second == std::string_view::npos) return "fewer than three fields";
  const std::string_view value = rest.substr(0, second);
  const std::string_view last = rest.substr(second + 1);

  if (value == "0") {  // a list header: KEY,0,N with N entry lines to follow
    if (!all_digits(last) || last.front() == '0' || last.size() > 9) {
      return "list header count \"" + std::string(last) + "\" is not a count of at least 1";
    }
    *entries = std::stoll(std::string(last));
    return {};
  }
  if (last != "0") return "the third field is \"" + std::string(last) + "\", not 0";
  if (is_real(value) || is_nonzero_int(value)) return {};
  return "value \"" + std::string(value) +
         "\" is neither a real with six decimals nor a nonzero integer";
}

}  // namespace

std::string keyword_file_shape_error(std::string_view keyword_text) {
  if (!keyword_text.empty() && keyword_text.back() != '\n')
    return "the keyword text does not end with a line end";
  std::int64_t pending = 0;  // entry lines still owed to the last list header
  bool last_zero = false;    // the last entry line read was the zero entry
  std::size_t number = 0;
  std::size_t start = 0;
  while (start < keyword_text.size()) {
    const std::size_t end = keyword_text.find('\n', start);
    const std::string_view line = keyword_text.substr(start, end - start);
    start = end + 1;
    ++number;
    std::string cause;
    if (pending > 0) {
      cause = entry_error(line, &last_zero);
      --pending;
      if (cause.empty() && pending == 0 && last_zero) cause = "a list ends with the zero entry";
    } else {
      cause = record_error(line, &pending);
    }
    if (!cause.empty()) return "keyword line " + std::to_string(number) + ": " + cause;
  }
  if (pending > 0)
    return "the keyword text ends " + std::to_string(pending) +
           " entry lines short of its last list";
  return {};
}

namespace {

// The deck line a 1501 message names, or -1 when it names none ("line N: ...").
int named_line(std::string_view message) {
  constexpr std::string_view kPrefix = "line ";
  if (message.substr(0, kPrefix.size()) != kPrefix) return -1;
  // "line 41: ..." or, with the line's field named, "line 41 (reserved_41, ...): ..."
  const std::size_t end = message.find_first_of(" :", kPrefix.size());
  if (end == std::string_view::npos) return -1;
  const std::string_view digits = message.substr(kPrefix.size(), end - kPrefix.size());
  if (!all_digits(digits) || digits.size() > 4) return -1;
  return std::stoi(std::string(digits));
}

std::string with_crlf(std::string_view lf_text) {
  std::string out;
  out.reserve(lf_text.size() + lf_text.size() / 16);
  for (const char c : lf_text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

bool same_notes(const ConvertResult& a, const ConvertResult& b) {
  if (a.notes.size() != b.notes.size()) return false;
  for (std::size_t i = 0; i < a.notes.size(); ++i) {
    const ConversionNote& x = a.notes[i];
    const ConversionNote& y = b.notes[i];
    if (x.line != y.line || x.found != y.found || x.expected != y.expected) return false;
  }
  return true;
}

// The reader's records of keyword text, joined again, give the same bytes; a list has the
// entries its header announces.
std::string reader_round_trip_error(std::string_view keyword_text) {
  std::string joined;
  for (const Record& r : read_keyword_text(keyword_text)) {
    joined += r.text;
    if (r.kind == RecordKind::list && r.values.empty())
      return "the reader found a list without entries: " + r.key;
  }
  if (joined != keyword_text) return "the reader's record texts do not join into the keyword text";
  return {};
}

std::string status_name(Status status) { return std::to_string(static_cast<std::int32_t>(status)); }

}  // namespace

std::string conversion_error(std::string_view deck_bytes) {
  std::string keywords;
  const ConvertResult r = convert_text(deck_bytes, keywords, ConvertOptions{LineEnding::lf});

  if (r.status == Status::deck_malformed) {
    if (!keywords.empty()) return "status 1501 with keyword text left behind";
    if (r.message.empty()) return "status 1501 without a message";
    if (r.message.starts_with("record ")) {
      if (r.line != 0)
        return "a record message with deck line " + std::to_string(r.line) + ": " + r.message;
    } else {
      const int line = named_line(r.message);
      if (line < 1 || line > 1000) return "a 1501 message that names no deck line: " + r.message;
      if (line != r.line) {
        return "the message names line " + std::to_string(line) + " but the result line is " +
               std::to_string(r.line) + ": " + r.message;
      }
    }
  } else if (r.status == Status::ok) {
    if (!r.message.empty()) return "status 0 with a message: " + r.message;
    for (const ConversionNote& n : r.notes) {
      if (n.line < 1 || n.line > 1000) return "a note on deck line " + std::to_string(n.line);
    }
    std::string shape = keyword_file_shape_error(keywords);
    if (!shape.empty()) return shape;
    std::string read_back = reader_round_trip_error(keywords);
    if (!read_back.empty()) return read_back;
  } else {
    return "status " + status_name(r.status) + " from an in-memory conversion: " + r.message;
  }

  // The conversion has no state of its own between calls: the same bytes, the same result.
  std::string again;
  const ConvertResult r2 = convert_text(deck_bytes, again, ConvertOptions{LineEnding::lf});
  if (r2.status != r.status || r2.message != r.message || r2.line != r.line || again != keywords ||
      !same_notes(r, r2)) {
    return "converting the same deck twice gave different results";
  }

  // CRLF line ends change the line ends and nothing else.
  std::string crlf;
  const ConvertResult r3 = convert_text(deck_bytes, crlf, ConvertOptions{LineEnding::crlf});
  if (r3.status != r.status || r3.message != r.message) {
    return "CRLF line ends changed the status or message: " + status_name(r3.status) + " " +
           r3.message;
  }
  if (crlf != with_crlf(keywords)) return "CRLF keyword text is not the LF text with \"\\r\\n\"";
  return {};
}

}  // namespace qalt2morv::fuzz
