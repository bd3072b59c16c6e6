// The page of one deck: heading, error or notes, drawing, and the records by block with the
// deck lines behind each. Everything is inline, so the page is one file that needs nothing
// else to show or print.
#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "entry/deck_text_lines.hpp"
#include "entry/exchanger_drawing.hpp"
#include "entry/nozzle_table.hpp"
#include "entry/output_file.hpp"
#include "entry/page_text.hpp"
#include "entry/report_sections.hpp"
#include "entry/report_style.hpp"
#include "qalt2morv/deck_layout.hpp"
#include "qalt2morv/explain.hpp"
#include "qalt2morv/keyword_reader.hpp"
#include "qalt2morv/keyword_records.hpp"
#include "qalt2morv/report.hpp"

namespace qalt2morv {
namespace {

using page::escaped;

// The unit system by its meaning ("US customary"), from the record that carries it.
std::string units_of(const std::vector<Record>& records) {
  const std::string written = page::number_value(records, "QALTUoM");
  double code = 0.0;
  if (!page::parse_number(written, code)) return {};
  for (const KeywordRecordInfo& info : keyword_records()) {
    if (info.key != "QALTUoM") continue;
    for (const KeywordCodeMeaning& c : info.codes) {
      double value = 0.0;
      if (page::parse_number(c.code, value) && value == code) return std::string(c.meaning);
    }
  }
  return page::short_number(written);
}

std::string fact(std::string_view name, const std::string& escaped_value,
                 std::string_view css_class = {}) {
  std::string dd = css_class.empty() ? "<dd>" : "<dd class=\"" + std::string(css_class) + "\">";
  return "<dt>" + std::string(name) + "</dt>" + dd + escaped_value + "</dd>";
}

std::string heading(const ReportSummary& s, const std::vector<std::string>& lines) {
  const bool ok = s.result.ok();
  std::string h = "<header><h1>" + page::escaped_name(s.deck_name) + "</h1><dl class=\"facts\">";
  h += fact("Deck line 2", escaped(page::deck_line_text(lines, 2)));
  h += fact("Deck line 3", escaped(page::deck_line_text(lines, 3)));
  h += fact("Exchanger type", escaped(s.exchanger_type));
  h += fact("Units", escaped(s.units));
  h += fact("Status",
            ok ? std::string("converted")
               : escaped(std::string("failed: ") + status_text(s.result.status)),
            ok ? "status-ok" : "status-failed");
  h += fact("Notes", std::to_string(s.result.notes.size()));
  return h + "</dl></header>";
}

std::string error_section(const ConvertResult& r, const std::vector<std::string>& lines) {
  std::string e = "<section class=\"error\" id=\"error\"><h2>The deck did not convert</h2>";
  e += "<dl class=\"facts\">";
  if (r.line > 0) {
    e += fact("Deck line", std::to_string(r.line));
    e += fact("Field", escaped(deck_line_label(r.line)));
    e += fact("Text found", escaped(page::deck_line_text(lines, r.line)), "found");
  }
  e += fact("Cause", page::escaped_name(r.message));
  return e + "</dl><p>No keyword file was written, so there is no drawing.</p></section>";
}

std::string page_html(const ReportSummary& s, const std::string& body) {
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
         "<title>" +
         page::escaped_name(s.deck_name) + " - deck report</title><style>" +
         std::string(page::kReportStyle) + "</style></head><body data-status=\"" +
         (s.result.ok() ? "converted" : "failed") + "\">" + body + "</body></html>\n";
}

std::string file_name_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The deck's first lines for quoting, read apart from the conversion a chunk at a time: no
// more lines than the loader reads and no more of a line than the page quotes, so a huge
// deck costs the time to read it, not its size in memory.
std::string deck_head(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head;
  std::array<char, 1 << 16> chunk{};
  std::size_t lines = 0, column = 0;
  while (lines < page::kLinesQuoted) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) break;
    for (std::size_t i = 0; i < got && lines < page::kLinesQuoted; ++i) {
      if (chunk[i] == '\n') {
        head += '\n';
        ++lines;
        column = 0;
      } else if (column++ < page::kColumnsQuoted) {
        head += chunk[i];
      }
    }
  }
  return head;
}

// deck_bytes: the deck, or as much of it as the loader reads and the page quotes.
ReportPage build(const Explanation& e, std::string_view deck_bytes, std::string_view deck_name) {
  const std::vector<std::string> lines = page::deck_text_lines(deck_bytes);
  ReportPage p;
  p.summary.deck_name = std::string(deck_name);
  p.summary.result = e.result;
  p.summary.exchanger_type = page::exchanger_letters(deck_bytes);
  const std::vector<Record> records = read_keyword_text(e.keyword_text);
  p.summary.units = units_of(records);
  std::string body = heading(p.summary, lines);
  if (!e.result.ok()) {
    body += error_section(e.result, lines);
  } else {
    body += page::notes_section(e.result.notes, lines);
    const std::string title =
        page::escaped_name(p.summary.deck_name) + ": " +
        escaped(page::is_air_cooler(records) ? std::string("air-cooled exchanger")
                                             : p.summary.exchanger_type + " exchanger") +
        " with its nozzles";
    body += "<section id=\"drawing\"><h2>Drawing</h2><figure>" +
            page::exchanger_svg(records, title) + "</figure></section>";
    body += page::records_section(e, records, lines);
  }
  p.html = page_html(p.summary, body);
  return p;
}

}  // namespace

ReportPage build_report_page(std::string_view deck_bytes, std::string_view deck_name) {
  return build(explain_text(deck_bytes), deck_bytes, deck_name);
}

std::string write_report_file(const std::string& path, std::string_view html) {
  return write_file_whole(path.c_str(), html, "page");
}

ReportPage build_report_page_from_file(const std::string& deck_path) {
  const Explanation e = explain_file(deck_path);
  const std::string head =
      e.result.status != Status::deck_unreadable ? deck_head(deck_path) : std::string();
  return build(e, head, file_name_of(deck_path));
}

}  // namespace qalt2morv
