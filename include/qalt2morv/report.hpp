// A page per deck: one self-contained HTML5 file with the deck's heading, its notes, a drawing
// of the exchanger with its nozzles from the nozzle and dome tables, and every keyword record
// beside the deck lines behind it; and an index page over the pages of a batch.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "qalt2morv/convert.hpp"

namespace qalt2morv {

// What a page says about its deck at a glance; the index shows one row of it per deck.
struct ReportSummary {
  std::string deck_name;       // as given: "E-101.deck" (bytes of the file name)
  ConvertResult result;        // the conversion's status, error and notes
  std::string exchanger_type;  // the three letters of deck line 19 ("AES"), or empty
  std::string units;           // "US customary", "SI", "metric", or empty
};

struct ReportPage {
  ReportSummary summary;
  std::string html;  // the whole page, UTF-8
};

// Builds the page of deck bytes held in memory; deck_name heads the page. A deck that does
// not convert gives a page with the error (deck line, field, text found, cause) and no
// drawing; summary.result says so.
ReportPage build_report_page(std::string_view deck_bytes, std::string_view deck_name);

// The same for the deck file at deck_path, headed by its file name. A missing deck or a
// directory gives a page with the error.
ReportPage build_report_page_from_file(const std::string& deck_path);

// One row of the index: a deck's summary and the relative link to its page.
struct ReportIndexEntry {
  ReportSummary summary;
  std::string page_link;  // "E-101.html"; empty when the deck has no page
};

// The index page: one row per deck, in the order given (deck, status, exchanger type, units,
// number of notes, link), and how many decks failed.
std::string build_report_index(const std::vector<ReportIndexEntry>& entries);

// Writes a page (or the index) to path in one piece, as keyword files are written: under a
// temporary name beside it, renamed into place when complete, so the path never holds a
// partial page; a device such as /dev/null is written directly. Returns an empty string on
// success, else the cause.
std::string write_report_file(const std::string& path, std::string_view html);

// Escapes text for HTML after taking its bytes as code page 1252 (the code page of deck
// and keyword texts): the result is valid UTF-8 with &, <, >, " and ' escaped, and control
// characters other than tab and line ends shown as U+FFFD.
std::string html_text(std::string_view cp1252_bytes);

}  // namespace qalt2morv
