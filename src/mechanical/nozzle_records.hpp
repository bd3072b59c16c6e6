// The nozzle table as lists over slots A to O, the vapour-belt domes, and the per-side
// nozzle summary with the separate liquid/vapour outlet flags.
#pragma once

#include <vector>

#include "core/conversion_state.hpp"
#include "core/emission_table.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv::mechanical {

// NozFunctionA-O, NozcylODA-O, NozLocA-O and NozOriAngA-O over the used slots.
void write_nozzle_table(const ConversionState& s, KeywordWriter& out);

// NozDomType to DistBeltCylWidth over the used dome slots.
void write_domes(const ConversionState& s, KeywordWriter& out);

// Nominal sizes and orientation codes of each side, each led by its separate-outlet flag
// when the side has one. The axial default of the tube-side codes is applied to the
// record only; the conversion state keeps the derived codes.
void write_nozzle_summary(const ConversionState& s, KeywordWriter& out);

// The records each of the writers above can write, in their order.
std::vector<RecordDescription> describe_nozzle_table();
std::vector<RecordDescription> describe_domes();
std::vector<RecordDescription> describe_nozzle_summary();

}  // namespace qalt2morv::mechanical
