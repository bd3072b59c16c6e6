// The record list, gathered once from the phases' record tables in the order a conversion
// runs them, with the host codes' meanings beside the keys that carry codes.
#include "qalt2morv/keyword_records.hpp"

#include <cstdio>

#include "core/host_code_meanings.hpp"
#include "deck/deck_decoding.hpp"
#include "mechanical/mechanical_records.hpp"
#include "thermal/air_cooler_records.hpp"
#include "thermal/thermal_records.hpp"

namespace qalt2morv {

namespace {

std::string code_text(float code) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(code));
  return text;
}

// A condition named by its function reads as words: "hot in tubes".
std::string words(std::string_view name) {
  std::string text(name);
  for (char& c : text) {
    if (c == '_') c = ' ';
  }
  return text;
}

void add_block(std::vector<KeywordRecordInfo>& records, std::string_view block,
               const std::vector<RecordDescription>& rows) {
  for (const RecordDescription& row : rows) {
    KeywordRecordInfo info{row.key, row.kind, row.holds, words(row.when), block, {}};
    for (const CodeMeaning& c : code_meanings(row.key))
      info.codes.push_back({code_text(c.code), c.meaning});
    records.push_back(std::move(info));
  }
}

std::vector<KeywordRecordInfo> gather_records() {
  std::vector<KeywordRecordInfo> records;
  const mechanical::MechanicalRecordList m = mechanical::describe_mechanical_records();
  add_block(records, "mechanical", deck::describe_records_while_decoding());
  add_block(records, "mechanical", m.construction);
  add_block(records, "nozzles", m.nozzle_table);
  add_block(records, "domes", m.domes);
  add_block(records, "mechanical", m.cylinders_and_supports);
  add_block(records, "nozzles", m.nozzle_summary);
  add_block(records, "air-cooled exchanger", thermal::describe_air_cooler_records());
  add_block(records, "thermal", thermal::describe_thermal_records());
  return records;
}

}  // namespace

const std::vector<KeywordRecordInfo>& keyword_records() {
  static const std::vector<KeywordRecordInfo> kRecords = gather_records();
  return kRecords;
}

}  // namespace qalt2morv
