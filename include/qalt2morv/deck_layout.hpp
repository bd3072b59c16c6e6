// The deck layout as the conversion reads it: for every deck line it reads, the field kind,
// the columns and the name of the field it fills. Built from the conversion's own steps.
#pragma once

#include <span>
#include <string_view>

namespace qalt2morv {

struct DeckLineField {
  int line = 0;
  std::string_view kind;         // "real", "integer", "text of 40 columns", "tolerant real", ...
  std::string_view columns;      // the columns read, "1-11"
  std::string_view name;         // the field the line fills, "shell_inlet_temperature"
  bool feeds_no_record = false;  // read (and checked), but no record carries it
  std::string_view also_fills;   // a second field read from the same line, or empty
};

// Every deck line the conversion reads, ascending, one entry per line.
std::span<const DeckLineField> deck_layout();

// The entry of deck line `line`, or nullptr for a line the conversion does not read.
const DeckLineField* deck_line_field(int line);

// "shell_inlet_temperature", or "reserved_41, feeds no record"; empty for a line not read.
std::string_view deck_line_label(int line);

}  // namespace qalt2morv
