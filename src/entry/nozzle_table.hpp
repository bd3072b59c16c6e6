// The nozzle and dome tables as the keyword file writes them: one entry per used slot, its
// values as written, and the side of the exchanger each nozzle belongs to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "qalt2morv/keyword_reader.hpp"

namespace qalt2morv::page {

enum class Side { shell, tube };

struct TableNozzle {
  char slot = 'A';  // 'A' to 'O'
  // As the lists "NozFunctionA-O", "NozcylODA-O", "NozLocA-O" and "NozOriAngA-O" write
  // them: "2.000000"; empty for a blank entry or one a trimmed list does not reach.
  std::string function;
  std::string diameter;
  std::string location;
  std::string angle;
  Side side = Side::shell;
};

struct TableDome {
  char slot = 'A';       // 'A' to 'C'
  std::string location;  // as "NozDomLoc" writes it
  std::string diameter;  // as "NozDomDia" writes it
  std::string width;     // as "DistBeltCylWidth" writes it
};

struct NozzleTables {
  std::vector<TableNozzle> nozzles;  // the entries of "NozFunctionA-O", slot A first
  std::vector<TableDome> domes;      // the entries of "NozDomType", slot A first
};

NozzleTables read_nozzle_tables(const std::vector<Record>& records);

// The layout fills the slots in this order: the shell-side nozzles, which all sit along the
// shell (2.5 to 7.5); the shell-side separate outlets, which may also sit on the rear end
// (8 or 9, a kettle or a vertical unit); then the tube side, starting with its inlet, which
// is always on a head (1, 2, 8 or 9). So the tube side begins at the first slot that is
// neither along the shell nor a separate outlet, and runs to the last slot.
void assign_sides(std::vector<TableNozzle>& nozzles);

// The entries of the first list record keyed `key`, or nullptr when the file has none.
const std::vector<std::string>* list_entries(const std::vector<Record>& records,
                                             std::string_view key);

// The value of the first number record keyed `key`, as written; empty when there is none.
std::string number_value(const std::vector<Record>& records, std::string_view key);

}  // namespace qalt2morv::page
