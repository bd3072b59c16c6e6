// Reading a keyword file back into its records: key, occurrence, kind and the values as
// written, with each record's own lines kept so that joining them gives the file again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qalt2morv {

enum class RecordKind { number, text, list };

struct Record {
  std::string key;
  int occurrence = 1;  // counted from 1 per key, in keyword-file order
  RecordKind kind = RecordKind::number;
  // A number or a text as written; a text without its quotes. Empty for a list.
  std::string value;
  // A list's entries as written ("1.000000"; a tagged entry "1.500000,F"; a text entry without
  // its quotes); a blank entry (" , ") is empty.
  std::vector<std::string> values;
  // The record's lines as written: header plus entry lines, with their line ends.
  std::string text;
};

// Splits keyword text into records. It never fails: a line of no known shape (a raw line, a
// message line) becomes a text record keyed by what stands before its first comma, so the
// records' texts joined in order always give back text byte for byte.
std::vector<Record> read_keyword_text(std::string_view text);

// A keyword file's text (code page 1252, as its texts are written) as UTF-8, byte for
// character; the five bytes the code page leaves undefined keep their C1 code points.
std::string keyword_text_as_utf8(std::string_view text);

}  // namespace qalt2morv
