// The nozzle layout: the fifteen-slot nozzle table and the three-slot dome table, rebuilt
// from scratch for every conversion.
#pragma once

#include "core/conversion_state.hpp"

namespace qalt2morv::mechanical {

void lay_out_nozzles(ConversionState& s);

}  // namespace qalt2morv::mechanical
