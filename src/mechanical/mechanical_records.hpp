// The construction records of a shell-and-tube exchanger, with the nozzle layout and the
// nozzle records in their place.
#pragma once

#include <vector>

#include "core/conversion_state.hpp"
#include "core/emission_table.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv::mechanical {

// Phase 4 of a conversion.
void write_mechanical_records(ConversionState& s, KeywordWriter& out);

// The records phase 4 can write, in the order it writes them, by block.
struct MechanicalRecordList {
  std::vector<RecordDescription> construction;
  std::vector<RecordDescription> nozzle_table;
  std::vector<RecordDescription> domes;
  std::vector<RecordDescription> cylinders_and_supports;
  std::vector<RecordDescription> nozzle_summary;
};
MechanicalRecordList describe_mechanical_records();

}  // namespace qalt2morv::mechanical
