// The report of a batch, one row per deck: CSV with a header row for a spreadsheet, or
// JSON Lines for a program, chosen by the file's extension.
#pragma once

#include <string>
#include <vector>

namespace qalt2morv::cli {

struct ReportRow {
  std::string deck;
  std::string keyword_file;
  std::string status;  // converted, failed, up to date, not converted
  int line = 0;        // deck line of a malformed field, 0 when none
  std::string field;   // the field of that line, when known
  std::string message;
  std::size_t notes = 0;
};

enum class ReportFormat { none, csv, jsonl };

// csv for ".csv", jsonl for ".jsonl" (any letter case), none otherwise.
ReportFormat report_format(const std::string& path);

// Writes the rows; returns "" or the cause of a failure.
std::string write_report(const std::string& path, ReportFormat format,
                         const std::vector<ReportRow>& rows);

}  // namespace qalt2morv::cli
