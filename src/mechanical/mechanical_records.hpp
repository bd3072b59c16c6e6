// The construction records of a shell-and-tube exchanger, with the nozzle layout and the
// nozzle records in their place.
#pragma once

#include "core/conversion_state.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv::mechanical {

// Phase 4 of a conversion.
void write_mechanical_records(ConversionState& s, KeywordWriter& out);

}  // namespace qalt2morv::mechanical
