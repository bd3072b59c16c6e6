// Deck decoding: deck lines 2 to 499 decoded in increasing line order, each read under
// the line-count guard, with the rule that belongs to a line run right after it.
#pragma once

#include <vector>

#include "core/conversion_state.hpp"
#include "core/emission_table.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv::deck {

// Phase 2 of a conversion: all sections below, in order.
void decode_deck(ConversionState& s, KeywordWriter& out);

// Lines 1 to 132: case header, exchanger type, baffles, tubes, flows. Writes
// TubesInBafWindow when deck line 36 calls for it.
void decode_exchanger_lines(ConversionState& s, KeywordWriter& out);
// The records decoding writes, ahead of every other record.
std::vector<RecordDescription> describe_records_while_decoding();
// Lines 133 to 214: process conditions of both sides and the position code.
void decode_process_conditions(ConversionState& s);
// Lines 226 to 250: design conditions with their defaults, construction choices, hot side,
// shell and kettle diameters.
void decode_design_conditions(ConversionState& s);
// Lines 251 to 285: vapour belts, pass layout, fluid names, unit-system fallback and the
// unit scaling after it, tube-side and separate-outlet nozzle sizes.
void decode_belts_passes_and_units(ConversionState& s);
// Lines 451 to 499: nozzle counts, placement codes, air-cooler data, baffle cuts,
// orientation code.
void decode_nozzle_counts_and_cuts(ConversionState& s);

}  // namespace qalt2morv::deck
