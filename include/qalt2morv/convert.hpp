// qalt2morv C++ interface, for programs that link the library directly. No global state:
// conversions may run on several threads at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "qalt2morv/line_ending.hpp"

namespace qalt2morv {

enum class Status : std::int32_t {
  ok = 0,                  // converted
  deck_unreadable = 1500,  // the deck is missing, a directory, or cannot be read
  deck_malformed = 1501,   // a deck field breaks its edit rule, or a value overflows
  output_failed = 1502,    // the keyword file cannot be opened or written
  internal_error = 1503,   // out of memory or another internal failure
};

// The fixed sentence for a status.
const char* status_text(Status status);

// Something the deck held that the conversion did not recognise (a word, letter or code);
// it never changes the keyword file or the status, but says why a record is missing.
struct ConversionNote {
  int line = 0;          // deck line
  std::string found;     // the text found, trailing blanks dropped
  std::string expected;  // what the line may hold
};

// Names of the temporary files keyword files are written under before they are renamed
// into place: the prefix, the writing process's id in lower-case hex, '-', then more. A file
// of this name is never a keyword file; once the process named in it has ended (it was
// killed), a tool converting into the folder again may remove it.
inline constexpr const char* kTemporaryFilePrefix = ".qalt2morv-tmp-";

struct ConvertOptions {
  LineEnding line_ending = LineEnding::platform;
};

struct ConvertResult {
  Status status = Status::ok;
  std::string message;  // empty when converted; otherwise names the deck line and the cause
  int line = 0;         // deck line of a malformed field, 0 otherwise
  std::vector<ConversionNote> notes;
  bool ok() const { return status == Status::ok; }
};

// Converts deck bytes in memory into keyword text in memory. keyword_text is replaced; it is
// left empty after a failure.
ConvertResult convert_text(std::string_view deck_bytes, std::string& keyword_text,
                           const ConvertOptions& options = {});

// Converts the deck file at deck_path into keyword text in memory.
ConvertResult convert_file_to_text(const std::string& deck_path, std::string& keyword_text,
                                   const ConvertOptions& options = {});

// Converts deck bytes in memory into the keyword file at output_path, under the same rules
// as convert_file.
ConvertResult convert_text_to_file(std::string_view deck_bytes, const std::string& output_path,
                                   const ConvertOptions& options = {});

// Converts the deck file at deck_path into the keyword file at output_path. An existing
// keyword file is replaced; after a failure no keyword file is left behind. The new one is
// written beside it under a temporary name (kTemporaryFilePrefix) and renamed into place
// when complete, so the path holds no keyword file or a whole one, even after a kill; a
// device such as /dev/null is written directly.
ConvertResult convert_file(const std::string& deck_path, const std::string& output_path,
                           const ConvertOptions& options = {});

}  // namespace qalt2morv
