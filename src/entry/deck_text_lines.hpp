// A deck's lines as the loader counts them, each without its line end and trailing blanks:
// the texts the page quotes beside deck line numbers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qalt2morv::page {

// The loader reads no more than 1000 lines of 90 columns; a page quotes no more of a deck.
inline constexpr std::size_t kLinesQuoted = 1000;
inline constexpr std::size_t kColumnsQuoted = 256;

// The first kLinesQuoted lines, each cut after kColumnsQuoted bytes.
std::vector<std::string> deck_text_lines(std::string_view deck_bytes);

// The text of deck line `line` (from 1), or empty when the deck is shorter.
std::string_view deck_line_text(const std::vector<std::string>& lines, int line);

// The TEMA letters of deck line 19 as the conversion reads them, after the leading-blank
// shift that deck line 1 decides: columns 1, 2 and 3, or 1, 2 and 5 after a J (AJ21S);
// blanks dropped, so a line without letters gives "".
std::string exchanger_letters(std::string_view deck_bytes);

}  // namespace qalt2morv::page
