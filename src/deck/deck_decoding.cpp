// Phase 2 of a conversion: the deck's sections decoded in increasing line order. Each
// section's lines, field kinds and rules live in its own file.
#include "deck/deck_decoding.hpp"

namespace qalt2morv::deck {

void decode_deck(ConversionState& s, KeywordWriter& out) {
  decode_exchanger_lines(s, out);
  decode_process_conditions(s);
  decode_design_conditions(s);
  decode_belts_passes_and_units(s);
  decode_nozzle_counts_and_cuts(s);
}

}  // namespace qalt2morv::deck
