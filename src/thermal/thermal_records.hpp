// Stream allocation (shell and tube side to hot and cold stream) and the thermal records,
// the last records of every keyword file.
#pragma once

#include <vector>

#include "core/conversion_state.hpp"
#include "core/emission_table.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv::thermal {

// Phase 6 of a conversion.
void write_thermal_records(ConversionState& s, KeywordWriter& out);

// The records it can write, in their order.
std::vector<RecordDescription> describe_thermal_records();

}  // namespace qalt2morv::thermal
