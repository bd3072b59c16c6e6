// Which deck lines stand behind each record of a keyword file, which lines would bring in a
// record the file lacks, and which lines can make the conversion fail.
//
// For every deck line L from 1 to min(line count, 499) the deck is converted twice more, once
// with line L empty and once with line L holding "7" (every other line, and the line count,
// unchanged). Line L is behind a record (key and occurrence) whose text differs or which is
// gone in a variant that converts; a record that only a variant writes is absent, and L
// would bring it in; a variant that fails puts L among the failing lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "qalt2morv/convert.hpp"

namespace qalt2morv {

struct ExplainedRecord {
  std::string key;
  int occurrence = 1;      // counted from 1 per key, in keyword-file order
  std::string text;        // header plus entry lines, with their line ends
  std::vector<int> lines;  // the deck lines behind it, ascending
};

struct AbsentRecord {
  std::string key;
  int occurrence = 1;
  std::vector<int> lines;  // the deck lines whose change would write it, ascending
};

struct Explanation {
  ConvertResult result;                  // the conversion of the deck as given
  std::string keyword_text;              // its keyword file (empty after a failure)
  int deck_lines = 0;                    // the deck's line count, as the loader counts
  std::vector<ExplainedRecord> records;  // in keyword-file order
  std::vector<AbsentRecord> absent;      // by key, then occurrence
  std::vector<int> failing_lines;        // ascending
};

// Explains deck bytes held in memory. After a failure of the deck as given, result says why
// and the lists are empty.
Explanation explain_text(std::string_view deck_bytes, const ConvertOptions& options = {});

// Explains the deck file at deck_path (read once; a missing deck or a directory fails as the
// conversion does).
Explanation explain_file(const std::string& deck_path, const ConvertOptions& options = {});

}  // namespace qalt2morv
