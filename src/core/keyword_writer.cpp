// The record writer: formats every record shape of the keyword file into one buffer, which
// the entry point writes to the file with a single write.
#include "core/keyword_writer.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/code_page.hpp"
#include "core/conversion_error.hpp"

namespace qalt2morv {

LineEnding platform_line_end() {
#if defined(_WIN32)
  return LineEnding::crlf;
#else
  return LineEnding::lf;
#endif
}

namespace {

// The characters "%f" prints for a single-precision value widened to double: sign, integer
// digits, point, six decimals, never an exponent, rounded half to even from the exact binary
// value. Below 1e9 the value times 10^6 is exact in double (24 + 14 significant bits), so
// rounding it to a whole number gives the digits directly; larger values take
// std::to_chars, which rounds the same way. Either way the bytes are the same on every
// platform's C run time, whatever rounding mode the host has set.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

std::size_t format_fixed(char* buf, std::size_t size, float value) {
  const double magnitude = std::fabs(static_cast<double>(value));
  if (!(magnitude < 1e9)) {
    const auto r =
        std::to_chars(buf, buf + size, static_cast<double>(value), std::chars_format::fixed, 6);
    return static_cast<std::size_t>(r.ptr - buf);
  }
  const double scaled = magnitude * 1e6;
  auto units = static_cast<std::uint64_t>(scaled);  // below 10^15: the floor, exactly
  // Through int64 (units < 10^15): 32-bit x86 converts an unsigned 64-bit integer with an x87
  // addition, a signed one with an exact load only.
  const double rest = scaled - static_cast<double>(static_cast<std::int64_t>(units));
  if (rest > 0.5 || (rest == 0.5 && (units & 1U) != 0)) ++units;
  auto whole = static_cast<std::uint32_t>(units / 1000000);  // below 10^9
  auto fraction = static_cast<std::uint32_t>(units % 1000000);
  std::size_t len = 0;
  if (std::signbit(value)) buf[len++] = '-';
  // Integer digits written in place from the last one; then the six decimals, two at a time.
  std::size_t whole_digits = 1;
  for (std::uint32_t rest_of_whole = whole; rest_of_whole >= 10; rest_of_whole /= 10)
    ++whole_digits;
  len += whole_digits;
  for (std::size_t i = len; i-- > len - whole_digits;) {
    buf[i] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  }
  buf[len++] = '.';
  for (std::size_t i = 6; i > 0; i -= 2) {
    const char* pair = kDigitPairs + 2 * (fraction % 100);
    fraction /= 100;
    buf[len + i - 2] = pair[0];
    buf[len + i - 1] = pair[1];
  }
  len += 6;
  return len;
}

constexpr std::size_t kFixedBuffer = 64;  // 39 integer digits of FLT_MAX, sign, point, 6 decimals

// A text ends at its given length or at its first zero byte.
std::size_t text_length(const char* text, std::size_t length) {
  const void* nul = std::memchr(text, '\0', length);
  return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : length;
}

const char* severity_word(int severity) {
  switch (severity) {
    case 1:
      return "Warning";
    case 2:
      return "Limit";
    case 3:
      return "Error";
    case 4:
      return "Suggestion";
    case 5:
      return "Note";
    default:
      return nullptr;
  }
}

}  // namespace

KeywordWriter::KeywordWriter(LineEnding line_end)
    : line_end_(line_end == LineEnding::platform ? platform_line_end() : line_end) {
  out_.reserve(8192);
}

void KeywordWriter::end_line() {
  if (line_end_ == LineEnding::crlf) out_ += '\r';
  out_ += '\n';
}

void KeywordWriter::append_fixed(float value) {
  // A value that is not finite would reach the host as nan or inf; it is never written.
  if (!std::isfinite(value)) throw NonFiniteValue(std::string(current_key_));
  char buf[kFixedBuffer];
  out_.append(buf, format_fixed(buf, sizeof buf, value));
}

void KeywordWriter::append_int(std::int64_t value) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

namespace {

// The value, its tail and the line end with one append: most records end with this.
void append_fixed_line(std::string& out, LineEnding line_end, std::string_view key, float value,
                       std::string_view tail) {
  if (!std::isfinite(value)) throw NonFiniteValue(std::string(key));
  char buf[kFixedBuffer + 8];
  std::size_t n = format_fixed(buf, kFixedBuffer, value);
  for (const char c : tail) buf[n++] = c;
  if (line_end == LineEnding::crlf) buf[n++] = '\r';
  buf[n++] = '\n';
  out.append(buf, n);
}

}  // namespace

void KeywordWriter::append_real(std::string_view key, float value) {
  current_key_ = key;
  out_.append(key);
  out_ += ',';
  append_fixed_line(out_, line_end_, key, value, ",0");
}

void KeywordWriter::append_list_header(std::string_view key, std::int64_t entries) {
  current_key_ = key;
  out_.append(key);
  out_ += ",0,";
  append_int(entries);
  end_line();
}

void KeywordWriter::append_quoted(const char* text, std::size_t length) {
  // Inch marks become "in" so the quoted field cannot be broken by the text; then the text
  // goes from the deck's OEM code page to the host's ANSI one.
  std::string converted = replace_inch_marks(std::string_view(text, text_length(text, length)));
  oem_to_ansi_in_place(converted.data(), converted.size());
  out_ += '"';
  out_ += converted;
  out_ += '"';
}

void KeywordWriter::put_real(std::string_view key, float value) {
  if (value == 0.0f) return;
  append_real(key, value);
}

void KeywordWriter::put_real_always(std::string_view key, float value) { append_real(key, value); }

void KeywordWriter::put_int(std::string_view key, std::int32_t value) {
  if (value == 0) return;
  put_int_always(key, value);
}

void KeywordWriter::put_int_always(std::string_view key, std::int32_t value) {
  out_.append(key);
  out_ += ',';
  append_int(value);
  out_ += ",0";
  end_line();
}

void KeywordWriter::put_text(std::string_view key, const char* text, std::size_t length) {
  if (length == 0 || text[0] == ' ') return;
  out_.append(key);
  out_ += ',';
  append_quoted(text, length);
  out_ += ",0";
  end_line();
}

namespace {

// Number of entries up to and including the last present one (0 when none is present).
template <typename T>
std::size_t present_prefix(std::span<const T> values) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] != T{0}) n = i + 1;  // a NaN is present, -0 is not
  }
  return n;
}

}  // namespace

// A trimmed list: header with the entries up to the last present one, absent entries before
// it as the zero line, present ones as write_entry writes them.
template <typename T, typename WriteEntry>
void KeywordWriter::put_trimmed(std::string_view key, std::span<const T> values,
                                WriteEntry write_entry) {
  const std::size_t n = present_prefix(values);
  if (n == 0) return;
  append_list_header(key, static_cast<std::int64_t>(n));
  for (std::size_t i = 0; i < n; ++i) {
    if (values[i] == T{0}) {
      out_ += " , ";
    } else {
      write_entry(i);
    }
    end_line();
  }
}

void KeywordWriter::put_real_list(std::string_view key, std::span<const float> values) {
  put_trimmed(key, values, [&](std::size_t i) {
    append_fixed(values[i]);
    out_ += ", ";
  });
}

void KeywordWriter::put_real_tag_list(std::string_view key, std::span<const float> values,
                                      std::span<const char> tags) {
  put_trimmed(key, values, [&](std::size_t i) {
    append_fixed(values[i]);
    out_ += ',';
    out_ += i < tags.size() ? tags[i] : ' ';
  });
}

void KeywordWriter::put_long_list(std::string_view key, std::span<const std::int64_t> values) {
  put_trimmed(key, values, [&](std::size_t i) {
    append_int(values[i]);
    out_ += ", ";
  });
}

void KeywordWriter::put_text_list(std::string_view key, const char* texts, std::size_t width,
                                  int count) {
  std::size_t n = 0;
  for (int i = 0; i < count; ++i) {
    const char first = texts[static_cast<std::size_t>(i) * width];
    if (width > 0 && first != ' ' && first != '\0') n = static_cast<std::size_t>(i) + 1;
  }
  if (n == 0) return;
  append_list_header(key, static_cast<std::int64_t>(n));
  for (std::size_t i = 0; i < n; ++i) {
    append_quoted(texts + i * width, width);
    out_ += ", ";
    end_line();
  }
}

void KeywordWriter::put_real_array(std::string_view key, std::span<const float> values) {
  if (values.empty()) return;
  append_list_header(key, static_cast<std::int64_t>(values.size()));
  for (const float v : values) append_fixed_line(out_, line_end_, key, v, ", ");
}

void KeywordWriter::put_real_tag_array(std::string_view key, std::span<const float> values,
                                       std::span<const char> tags) {
  if (values.empty()) return;
  append_list_header(key, static_cast<std::int64_t>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) {
    append_fixed(values[i]);
    out_ += ',';
    out_ += i < tags.size() ? tags[i] : ' ';
    end_line();
  }
}

void KeywordWriter::put_int_array(std::string_view key, std::span<const std::int32_t> values) {
  if (values.empty()) return;
  append_list_header(key, static_cast<std::int64_t>(values.size()));
  for (const std::int32_t v : values) {
    append_int(v);
    out_ += ", ";
    end_line();
  }
}

void KeywordWriter::put_message(int number, int severity, float real_a, std::int32_t int_a,
                                float real_b, std::int32_t int_b, std::int32_t int_c) {
  char buf[kMessageBufferSize];
  const std::size_t n = format_message(buf, number, severity, real_a, int_a, real_b, int_b, int_c);
  if (n == 0) return;
  // format_message ends the line with "\n"; this file's line end replaces it.
  out_.append(buf, n - 1);
  end_line();
}

void KeywordWriter::put_raw(const char* text) {
  if (text != nullptr) out_.append(text);
}

std::string replace_inch_marks(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 8);
  for (const char c : text) {
    if (c == '"') {
      result += "in";
    } else {
      result += c;
    }
  }
  return result;
}

std::size_t format_message(char* buffer, int number, int severity, float real_a, std::int32_t int_a,
                           float real_b, std::int32_t int_b, std::int32_t int_c) {
  const char* word = severity_word(severity);
  if (word == nullptr) return 0;
  if (!std::isfinite(real_a) || !std::isfinite(real_b)) throw NonFiniteValue("Message");
  char a[kFixedBuffer];
  char b[kFixedBuffer];
  a[format_fixed(a, sizeof a - 1, real_a)] = '\0';
  b[format_fixed(b, sizeof b - 1, real_b)] = '\0';
  // Integer c, the last argument, is printed second.
  const int n = std::snprintf(buffer, kMessageBufferSize, "Message,%s;%4d;%2d;%s;%2d;%s;%2d,0\n",
                              word, number, static_cast<int>(int_c), a, static_cast<int>(int_a), b,
                              static_cast<int>(int_b));
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::size_t text_before_double_blank(char* result, std::string_view text, std::size_t n) {
  const std::size_t pair = text.find("  ");
  const std::size_t count = pair != std::string_view::npos ? pair : std::min(n, text.size());
  std::memcpy(result, text.data(), count);
  return count;
}

}  // namespace qalt2morv
