// The command line run in-process for its tests: the exit status and what it printed, and the
// files a command left in a folder.
#pragma once

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "cli_app.hpp"

namespace qalt2morv::cli {

struct CliRun {
  int code;
  std::string out, err;
};

// Runs `qalt2morv ARGS...` with stdin_bytes on standard input.
inline CliRun run_cli(const std::vector<std::string>& args, const std::string& stdin_bytes = "") {
  std::istringstream in(stdin_bytes);
  std::ostringstream out, err;
  const int code = run(args, in, out, err);
  return {code, out.str(), err.str()};
}

// The names of the files under a folder, relative to it, sorted.
inline std::vector<std::string> files_under(const std::filesystem::path& root) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::recursive_directory_iterator it(root, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->is_regular_file())
      names.push_back(it->path().lexically_relative(root).generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace qalt2morv::cli
