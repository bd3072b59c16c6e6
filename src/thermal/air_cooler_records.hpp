// The air-cooled exchanger block, written when deck line 485 gives tube rows.
#pragma once

#include <vector>

#include "core/conversion_state.hpp"
#include "core/emission_table.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv::thermal {

// Phase 5 of a conversion: writes nothing unless tube_rows > 0.
void write_air_cooler_records(const ConversionState& s, KeywordWriter& out);

// The records it can write, in their order.
std::vector<RecordDescription> describe_air_cooler_records();

}  // namespace qalt2morv::thermal
