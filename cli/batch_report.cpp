// Writing the batch report: the same columns in CSV and in JSON Lines.
#include "batch_report.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>

namespace qalt2morv::cli {

namespace {

bool ends_with_blind(const std::string& s, const std::string& suffix) {
  if (s.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    char c = s[s.size() - suffix.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

// RFC 4180 quoting: a field with a comma, quote or line end is quoted, quotes doubled.
std::string csv_field(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

}  // namespace

ReportFormat report_format(const std::string& path) {
  if (ends_with_blind(path, ".csv")) return ReportFormat::csv;
  if (ends_with_blind(path, ".jsonl")) return ReportFormat::jsonl;
  return ReportFormat::none;
}

std::string write_report(const std::string& path, ReportFormat format,
                         const std::vector<ReportRow>& rows) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return std::string("cannot create the report: ") + std::strerror(errno);
  if (format == ReportFormat::csv) {
    out << "deck,keyword_file,status,line,field,message,notes\n";
    for (const auto& r : rows) {
      out << csv_field(r.deck) << ',' << csv_field(r.keyword_file) << ',' << csv_field(r.status)
          << ',' << (r.line > 0 ? std::to_string(r.line) : std::string()) << ','
          << csv_field(r.field) << ',' << csv_field(r.message) << ',' << r.notes << '\n';
    }
  } else {
    for (const auto& r : rows) {
      // Keys in the order of the CSV columns.
      nlohmann::ordered_json j;
      j["deck"] = r.deck;
      j["keyword_file"] = r.keyword_file;
      j["status"] = r.status;
      j["line"] = r.line > 0 ? nlohmann::ordered_json(r.line) : nlohmann::ordered_json();
      j["field"] = r.field;
      j["message"] = r.message;
      j["notes"] = r.notes;
      // Deck names from an old archive may hold bytes that are not UTF-8: replace, not throw.
      out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    }
  }
  out.flush();
  if (!out) return std::string("cannot write the report: ") + std::strerror(errno);
  return {};
}

}  // namespace qalt2morv::cli
