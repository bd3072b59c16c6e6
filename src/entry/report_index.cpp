// The index over a batch's pages: one row per deck, failures marked, each with its link.
#include <string>
#include <vector>

#include "entry/page_text.hpp"
#include "entry/report_style.hpp"
#include "qalt2morv/report.hpp"

namespace qalt2morv {
namespace {

std::string status_cell(const ConvertResult& r) {
  if (r.ok()) return "<td class=\"status-ok\">converted</td>";
  return "<td class=\"status-failed\">failed: " + page::escaped_name(r.message) + "</td>";
}

// A link as an attribute: escaped like text, and spaces or percent signs made safe for a URL.
std::string link_attribute(const std::string& link) {
  std::string safe;
  for (const char c : link) {
    if (c == ' ') {
      safe += "%20";
    } else if (c == '%') {
      safe += "%25";
    } else if (c == '#') {
      safe += "%23";
    } else if (c == '?') {
      safe += "%3F";
    } else {
      safe += c;
    }
  }
  return page::escaped_name(safe);
}

std::string link_cell(const std::string& link) {
  if (link.empty()) return "<td>no page</td>";
  return "<td><a href=\"" + link_attribute(link) + "\">" + page::escaped_name(link) + "</a></td>";
}

std::string index_row(const ReportIndexEntry& e) {
  const ReportSummary& s = e.summary;
  return "<tr class=\"deck\" data-status=\"" + std::string(s.result.ok() ? "converted" : "failed") +
         "\"><td>" + page::escaped_name(s.deck_name) + "</td>" + status_cell(s.result) + "<td>" +
         page::escaped(s.exchanger_type) + "</td><td>" + page::escaped(s.units) + "</td><td>" +
         std::to_string(s.result.notes.size()) + "</td>" + link_cell(e.page_link) + "</tr>";
}

}  // namespace

std::string build_report_index(const std::vector<ReportIndexEntry>& entries) {
  std::size_t failed = 0, with_notes = 0;
  std::string rows;
  for (const ReportIndexEntry& e : entries) {
    if (!e.summary.result.ok()) ++failed;
    if (!e.summary.result.notes.empty()) ++with_notes;
    rows += index_row(e);
  }
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
         "<title>Deck reports</title><style>" +
         std::string(page::kReportStyle) + "</style></head><body><h1>Deck reports</h1><p>" +
         std::to_string(entries.size()) + " decks, " + std::to_string(failed) + " failed, " +
         std::to_string(with_notes) +
         " with notes.</p><table class=\"index\"><tr><th>Deck</th><th>Status</th>"
         "<th>Exchanger type</th><th>Units</th><th>Notes</th><th>Page</th></tr>" +
         rows + "</table></body></html>\n";
}

}  // namespace qalt2morv
