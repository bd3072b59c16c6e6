// Converting a batch of decks into a folder on worker threads: the settings of a
// conversion and the messages the single and batch conversions share.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "qalt2morv/convert.hpp"

namespace qalt2morv::cli {

struct Settings {
  std::vector<std::string> decks;
  std::string output;
  std::string out_dir;
  std::string ext = ".kw";
  std::string glob;
  std::string report;
  unsigned jobs = 0;
  bool recursive = false;
  bool update = false;
  bool crlf = false;
  bool warnings = false;
  bool quiet = false;
};

// The command line writes the same bytes on every platform: "\n" line ends unless --crlf.
ConvertOptions options_for(const Settings& st);

// "pump.deck: line 148: ..." for a deck error; the message already names the deck when the
// deck itself could not be read.
std::string describe_failure(const std::string& deck, const ConvertResult& r);

void print_notes(std::ostream& err, const std::string& deck, const ConvertResult& r);

// Runs the batch; returns the exit status (0, 1, or 128 + the signal that stopped it).
int convert_batch(const Settings& st, std::ostream& err, bool err_is_terminal);

}  // namespace qalt2morv::cli
