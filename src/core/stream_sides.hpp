// The rules on which side carries the hot stream. They differ on purpose and each phase
// asks the one it needs: deck line 247 exactly, deck line 247 with a blank taken as the
// shell, or the inlet temperatures.
#pragma once

#include "core/conversion_state.hpp"
#include "core/host_codes.hpp"

namespace qalt2morv {

// Deck line 247 says exactly 1: the nozzle layout's and the separate outlets' rule.
inline bool hot_side_declared_shell(const ConversionState& s) {
  return s.hot_side_code == hot_side::kShell;
}

// Deck line 247 says exactly 2.
inline bool hot_side_declared_tube(const ConversionState& s) {
  return s.hot_side_code == hot_side::kTube;
}

// Deck line 247 says 1, or is blank or absent (0): the design conditions' and the fouling
// assignment's rule.
inline bool hot_side_shell_or_unstated(const ConversionState& s) {
  return s.hot_side_code <= hot_side::kShell;
}

// Deck line 150 (shell inlet) against deck line 152 (tube inlet): the shell side is hot only
// when strictly hotter, so equal temperatures (two blank lines included) make the tube side hot.
inline bool shell_inlet_hotter(const ConversionState& s) {
  return s.shell_inlet_temperature > s.tube_inlet_temperature;
}

}  // namespace qalt2morv
