// Failures that end a conversion early. They never leave the library: the conversion run
// catches them and turns them into a status and a message.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace qalt2morv {

// A deck field that breaks its edit rule (letters in a number, a point in an integer, a
// real beyond single precision). Carries the deck line, the text found (bytes that do not
// print shown as \xNN), the cause, and where one character is at fault, that character and
// its column within the field.
class DeckFieldError : public std::exception {
 public:
  DeckFieldError(int line, std::string text, std::string cause, int column = 0,
                 std::string culprit = {})
      : line_(line),
        column_(column),
        text_(std::move(text)),
        cause_(std::move(cause)),
        culprit_(std::move(culprit)),
        message_(message(0)) {}
  int line() const noexcept { return line_; }
  int column() const noexcept { return column_; }
  const std::string& text() const noexcept { return text_; }
  const std::string& cause() const noexcept { return cause_; }
  const std::string& culprit() const noexcept { return culprit_; }
  const char* what() const noexcept override { return message_.c_str(); }

  // The message with the column counted in the deck file (a deck whose line 1 begins with
  // blanks has every line read shifted left by column_shift columns), and the line's field
  // named when one is given: line 41 (reserved_41, feeds no record): "N/A" is not a number.
  std::string message(int column_shift, std::string_view field = {}) const {
    std::string m = "line " + std::to_string(line_);
    if (!field.empty()) m += " (" + std::string(field) + ")";
    m += ": \"" + text_ + "\" " + cause_;
    if (column_ > 0) m += ": " + culprit_ + " in column " + std::to_string(column_ + column_shift);
    return m;
  }

 private:
  int line_;
  int column_;
  std::string text_;
  std::string cause_;
  std::string culprit_;
  std::string message_;
};

// A value that would reach the keyword file as nan or inf (deck values so large that a
// derived value overflows). Such a value is never written.
class NonFiniteValue : public std::exception {
 public:
  explicit NonFiniteValue(std::string key)
      : key_(std::move(key)),
        message_("record \"" + key_ + "\": value is not finite (deck values out of range)") {}
  const std::string& key() const noexcept { return key_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string key_;
  std::string message_;
};

// The deck file is missing, a directory, or cannot be read.
class DeckUnreadable : public std::exception {
 public:
  explicit DeckUnreadable(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace qalt2morv
