// Reads the nozzle table (four lists over slots A to O) and the dome lists back from the
// keyword records, keeping each entry's text as written.
#include "entry/nozzle_table.hpp"

#include <cstddef>

#include "core/host_codes.hpp"
#include "entry/page_text.hpp"

namespace qalt2morv::page {
namespace {

constexpr std::size_t kNozzleSlots = 15;
constexpr std::size_t kDomeSlots = 3;

// Entry i of a list, or "" when the list is absent or trimmed before it.
std::string entry(const std::vector<std::string>* list, std::size_t i) {
  return list != nullptr && i < list->size() ? (*list)[i] : std::string();
}

bool along_the_shell(const std::string& location) {
  double value = 0.0;
  return parse_number(location, value) && value >= code(location::kShellStart) &&
         value <= code(location::kShellEnd);
}

bool separate_outlet(const std::string& function) {
  double value = 0.0;
  return parse_number(function, value) && value == code(nozzle_function::kSeparateOutlet);
}

}  // namespace

const std::vector<std::string>* list_entries(const std::vector<Record>& records,
                                             std::string_view key) {
  for (const Record& r : records) {
    if (r.kind == RecordKind::list && r.key == key) return &r.values;
  }
  return nullptr;
}

std::string number_value(const std::vector<Record>& records, std::string_view key) {
  for (const Record& r : records) {
    if (r.kind == RecordKind::number && r.key == key) return r.value;
  }
  return {};
}

void assign_sides(std::vector<TableNozzle>& nozzles) {
  bool tube_side = false;
  for (TableNozzle& n : nozzles) {
    if (!tube_side && !along_the_shell(n.location) && !separate_outlet(n.function))
      tube_side = true;
    n.side = tube_side ? Side::tube : Side::shell;
  }
}

NozzleTables read_nozzle_tables(const std::vector<Record>& records) {
  NozzleTables tables;
  const auto* functions = list_entries(records, "NozFunctionA-O");
  const auto* diameters = list_entries(records, "NozcylODA-O");
  const auto* locations = list_entries(records, "NozLocA-O");
  const auto* angles = list_entries(records, "NozOriAngA-O");
  const std::size_t used = functions != nullptr ? functions->size() : 0;
  for (std::size_t i = 0; i < used && i < kNozzleSlots; ++i) {
    TableNozzle n;
    n.slot = static_cast<char>('A' + i);
    n.function = entry(functions, i);
    n.diameter = entry(diameters, i);
    n.location = entry(locations, i);
    n.angle = entry(angles, i);
    tables.nozzles.push_back(std::move(n));
  }
  assign_sides(tables.nozzles);

  const auto* types = list_entries(records, "NozDomType");
  const auto* dome_locations = list_entries(records, "NozDomLoc");
  const auto* dome_diameters = list_entries(records, "NozDomDia");
  const auto* widths = list_entries(records, "DistBeltCylWidth");
  const std::size_t domes = types != nullptr ? types->size() : 0;
  for (std::size_t i = 0; i < domes && i < kDomeSlots; ++i) {
    tables.domes.push_back({static_cast<char>('A' + i), entry(dome_locations, i),
                            entry(dome_diameters, i), entry(widths, i)});
  }
  return tables;
}

}  // namespace qalt2morv::page
