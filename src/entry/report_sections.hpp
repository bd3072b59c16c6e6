// The page's tables: the notes with their deck lines, and the records by block, one row per
// record with its values and the deck lines behind it.
#pragma once

#include <string>
#include <vector>

#include "qalt2morv/convert.hpp"
#include "qalt2morv/explain.hpp"
#include "qalt2morv/keyword_reader.hpp"

namespace qalt2morv::page {

std::string notes_section(const std::vector<ConversionNote>& notes,
                          const std::vector<std::string>& deck_lines);

// records: the explanation's keyword text read back, one to one with e.records.
std::string records_section(const Explanation& e, const std::vector<Record>& records,
                            const std::vector<std::string>& deck_lines);

}  // namespace qalt2morv::page
