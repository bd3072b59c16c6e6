// Values the host needs that the deck does not state directly: baffle and nozzle
// orientation codes, tube-field distances, TEMA class, hot and cold fluid names, shell-side
// nozzle nominal sizes.
#pragma once

#include "core/conversion_state.hpp"

namespace qalt2morv::thermal {

// Phase 3 of a conversion.
void derive_after_decoding(ConversionState& s);

}  // namespace qalt2morv::thermal
