// The record writer: the only path by which anything reaches the keyword file. It owns the
// output text of one conversion and formats every record the host's import reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/conversion_state.hpp"
#include "qalt2morv/line_ending.hpp"

namespace qalt2morv {

// The line end of a keyword file written on this platform ("\r\n" on Windows, where the host
// reads the file in text mode): lf or crlf, never platform.
LineEnding platform_line_end();

class KeywordWriter {
 public:
  explicit KeywordWriter(LineEnding line_end = LineEnding::lf);

  // Scalars. put_real and put_int skip a value of 0; the _always forms write it.
  void put_real(std::string_view key, float value);
  void put_real_always(std::string_view key, float value);
  void put_int(std::string_view key, std::int32_t value);
  void put_int_always(std::string_view key, std::int32_t value);

  // A quoted text, skipped when its first character is a blank. The text ends at its length
  // or at its first zero byte; inch marks become "in" and the code page is converted.
  void put_text(std::string_view key, const char* text, std::size_t length);
  template <std::size_t N>
  void put_text(std::string_view key, const FixedText<N>& text) {
    put_text(key, text.data(), N);
  }

  // Trimmed lists: written up to the last present entry; nothing when none is present.
  void put_real_list(std::string_view key, std::span<const float> values);
  void put_real_tag_list(std::string_view key, std::span<const float> values,
                         std::span<const char> tags);
  void put_long_list(std::string_view key, std::span<const std::int64_t> values);
  // count texts of width characters each, stored one after another.
  void put_text_list(std::string_view key, const char* texts, std::size_t width, int count);

  // Untrimmed arrays: every entry written, zeros included; nothing when empty.
  void put_real_array(std::string_view key, std::span<const float> values);
  void put_real_tag_array(std::string_view key, std::span<const float> values,
                          std::span<const char> tags);
  void put_int_array(std::string_view key, std::span<const std::int32_t> values);

  // A message line; nothing when the severity is not 1 to 5.
  void put_message(int number, int severity, float real_a, std::int32_t int_a, float real_b,
                   std::int32_t int_b, std::int32_t int_c);

  // Text written unchanged, up to its terminating zero byte, with no line end added.
  void put_raw(const char* text);

  const std::string& text() const { return out_; }
  std::string take() { return std::move(out_); }

 private:
  void end_line();
  void append_real(std::string_view key, float value);
  void append_fixed(float value);
  void append_int(std::int64_t value);
  void append_list_header(std::string_view key, std::int64_t entries);
  void append_quoted(const char* text, std::size_t length);
  template <typename T, typename WriteEntry>
  void put_trimmed(std::string_view key, std::span<const T> values, WriteEntry write_entry);

  std::string out_;
  LineEnding line_end_;
  std::string_view current_key_;
};

// Every double-quote character becomes the two letters "in" (3/4" becomes 3/4in).
std::string replace_inch_marks(std::string_view text);

// Writes the line put_message would write (line end "\n" included, zero-terminated) into
// buffer; returns the number of characters, or 0 (buffer untouched) for a severity outside
// 1 to 5. The buffer must hold at least kMessageBufferSize characters.
constexpr std::size_t kMessageBufferSize = 256;
std::size_t format_message(char* buffer, int number, int severity, float real_a, std::int32_t int_a,
                           float real_b, std::int32_t int_b, std::int32_t int_c);

// Copies into result the characters of text before its first pair of adjacent blanks, or its
// first n characters when it holds no such pair. No terminator is added; returns the count.
std::size_t text_before_double_blank(char* result, std::string_view text, std::size_t n);

}  // namespace qalt2morv
