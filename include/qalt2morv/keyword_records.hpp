// Every record the conversion can write, in keyword-file order: its kind, what it holds, the
// condition under which it is written, and for a code the meaning of each value. Built from
// the conversion's own record tables and host codes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qalt2morv {

struct KeywordCodeMeaning {
  std::string code;  // as the keyword file writes it, without trailing zeros: "1", "2.5"
  std::string_view meaning;
};

struct KeywordRecordInfo {
  std::string_view key;
  std::string_view kind;   // "number", "text" or "list"
  std::string_view holds;  // the conversion state's field it writes, or a short phrase
  std::string when;        // the condition it is written under; empty when there is none
  std::string_view block;  // "mechanical", "nozzles", "domes", "air-cooled exchanger",
                           // "thermal"
  std::vector<KeywordCodeMeaning> codes;  // empty for a quantity
};

// The records in the order the conversion writes them. A key written under two conditions
// (as "PresDsgnHS" is) stands once per condition.
const std::vector<KeywordRecordInfo>& keyword_records();

// What every record obeys beside its own condition: a number of 0 is not written, a text
// that begins with a blank is not written, and a list ends at its last nonzero entry (a
// blank entry in it is 0), and is not written when all its entries are 0.
inline constexpr std::string_view kKeywordRecordRules =
    "A number of 0 is not written; a text that begins with a blank is not written; a list "
    "ends at its last nonzero entry (a blank entry is 0) and is not written when every "
    "entry is 0.";

}  // namespace qalt2morv
