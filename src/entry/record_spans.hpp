// Record boundaries in keyword text without copying: what the explanation compares between
// thousands of conversions, and what the reader parses further.
#pragma once

#include <string_view>
#include <vector>

namespace qalt2morv {

struct RecordSpan {
  std::string_view key;   // the header before its first comma (the whole header without one)
  std::string_view text;  // header plus entry lines, with their line ends
};

// Replaces spans with the records of text in order; their texts joined give text again.
void split_record_spans(std::string_view text, std::vector<RecordSpan>& spans);

}  // namespace qalt2morv
