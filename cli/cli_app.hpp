// The qalt2morv command: convert decks to keyword files.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace qalt2morv::cli {

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitConversionFailed = 1;  // at least one deck did not convert
constexpr int kExitUsage = 2;             // the command line was wrong

// Runs the command with its arguments (program name excluded). Keyword text goes to out,
// diagnostics to err.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The same, with the stream a deck named "-" is read from (standard input above).
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace qalt2morv::cli
