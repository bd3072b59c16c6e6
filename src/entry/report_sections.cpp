// Records are grouped by the block of the keyword file that writes them, in the order the
// blocks run; within a block they keep the file's order. A deck line is shown by number and
// field name, its text on hover.
#include "entry/report_sections.hpp"

#include <map>
#include <string_view>

#include "entry/deck_text_lines.hpp"
#include "entry/page_text.hpp"
#include "qalt2morv/deck_layout.hpp"
#include "qalt2morv/keyword_records.hpp"

namespace qalt2morv::page {
namespace {

constexpr std::string_view kBlocks[] = {"mechanical", "nozzles", "domes", "air-cooled exchanger",
                                        "thermal"};
// Lines the record tables do not know (a message line the conversion writes as it is).
constexpr std::string_view kOtherBlock = "other lines";

std::string_view block_of(const std::string& key) {
  for (const KeywordRecordInfo& info : keyword_records()) {
    if (info.key == key) return info.block;
  }
  return kOtherBlock;
}

std::string deck_line_reference(int line, const std::vector<std::string>& deck_lines) {
  std::string ref = "<span class=\"deck-line\" data-line=\"" + std::to_string(line) +
                    "\" title=\"" + escaped(deck_line_text(deck_lines, line)) + "\">" +
                    std::to_string(line);
  const std::string_view field = deck_line_label(line);
  if (!field.empty()) ref += " " + escaped(field);
  return ref + "</span>";
}

std::string values_of(const Record& r) {
  if (r.kind == RecordKind::number) return escaped(r.value);
  if (r.kind == RecordKind::text) return escaped("\"" + r.value + "\"");
  std::string s;
  for (std::size_t i = 0; i < r.values.size(); ++i)
    s += (i ? ", " : "") + (r.values[i].empty() ? std::string("(blank)") : escaped(r.values[i]));
  return s;
}

// A key ending in SS is of the shell side, one ending in TS of the tube side ("TempInSS",
// "NozNomDiamTS"): their rows are marked in the drawing's colours.
std::string side_class(const std::string& key) {
  const auto ends_with = [&](std::string_view end) {
    return key.size() > end.size() && key.compare(key.size() - end.size(), end.size(), end) == 0;
  };
  if (ends_with("SS")) return " class=\"shell-side\"";
  if (ends_with("TS")) return " class=\"tube-side\"";
  return {};
}

std::string record_row(const ExplainedRecord& e, const Record& r,
                       const std::vector<std::string>& deck_lines) {
  std::string name = escaped(r.key);
  if (r.occurrence > 1) name += " (" + std::to_string(r.occurrence) + ")";
  std::string lines;
  for (const int l : e.lines)
    lines += (lines.empty() ? "" : "<br>") + deck_line_reference(l, deck_lines);
  if (lines.empty()) lines = "none";
  return "<tr data-key=\"" + escaped(r.key) + "\"" + side_class(r.key) + "><td>" + name +
         "</td><td class=\"value\">" + values_of(r) + "</td><td>" + lines + "</td></tr>";
}

std::string block_table(std::string_view block, const std::string& rows) {
  return "<h3>" + escaped(block) + "</h3><table class=\"records\" data-block=\"" + escaped(block) +
         "\"><tr><th>Key</th><th>Value</th><th>Deck lines</th></tr>" + rows + "</table>";
}

}  // namespace

std::string notes_section(const std::vector<ConversionNote>& notes,
                          const std::vector<std::string>& deck_lines) {
  std::string s =
      "<section id=\"notes\"><h2>Notes: what the deck held that was not recognised</h2>";
  if (notes.empty())
    return s + "<p>None: every word, letter and code was recognised.</p></section>";
  s += "<table class=\"notes\"><tr><th>Deck line</th><th>Found</th><th>Expected</th></tr>";
  for (const ConversionNote& n : notes) {
    s += "<tr class=\"note\" data-line=\"" + std::to_string(n.line) + "\"><td>" +
         deck_line_reference(n.line, deck_lines) + "</td><td class=\"found\">" + escaped(n.found) +
         "</td><td>" + escaped(n.expected) + "</td></tr>";
  }
  return s + "</table></section>";
}

std::string records_section(const Explanation& e, const std::vector<Record>& records,
                            const std::vector<std::string>& deck_lines) {
  std::map<std::string_view, std::string> rows;
  for (std::size_t i = 0; i < e.records.size() && i < records.size(); ++i)
    rows[block_of(records[i].key)] += record_row(e.records[i], records[i], deck_lines);
  std::string s = "<section id=\"records\"><h2>Records, with the deck lines behind them</h2>";
  s += "<p>Hover over a deck line to see its text. Records of the <span class=\"shell-text\">shell "
       "side</span> and of the <span class=\"tube-text\">tube side</span> are marked in the "
       "drawing's colours.</p>";
  for (const std::string_view block : kBlocks) {
    if (rows.count(block) != 0) s += block_table(block, rows[block]);
  }
  if (rows.count(kOtherBlock) != 0) s += block_table(kOtherBlock, rows[kOtherBlock]);
  return s + "</section>";
}

}  // namespace qalt2morv::page
