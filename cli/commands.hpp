// The subcommands beside convert (explain, check): each registers its options on the
// application and runs when it was the one given.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace qalt2morv::cli {

struct Command {
  CLI::App* app = nullptr;
  std::function<int(std::ostream& out, std::ostream& err, bool err_is_terminal)> run;
};

std::vector<Command> add_commands(CLI::App& app);

// "line 19 (exchanger_type_word)": a deck line with the field it fills, for messages.
std::string line_and_field(int line);

// The name of the field deck line `line` fills; empty for a line the conversion does not read.
std::string field_name_of(int line);

// The records of keyword text as JSON for --format json of convert: one deck to out or to
// output, or each deck into out_dir as NAME.json. Returns the exit code.
int convert_to_json(const std::vector<std::string>& decks, const std::string& output,
                    const std::string& out_dir, std::ostream& out, std::ostream& err);

}  // namespace qalt2morv::cli
