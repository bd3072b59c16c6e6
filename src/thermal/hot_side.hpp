// Which side carries the hot stream, by inlet temperature. The fluid names and the thermal
// stream values must agree on it, so both ask here.
#pragma once

#include "core/conversion_state.hpp"

namespace qalt2morv::thermal {

// Deck line 150 (shell inlet) against deck line 152 (tube inlet): the shell side is hot only
// when strictly hotter, so equal temperatures (two blank lines included) make the tube side hot.
inline bool shell_side_is_hot(const ConversionState& s) {
  return s.shell_inlet_temperature > s.tube_inlet_temperature;
}

}  // namespace qalt2morv::thermal
