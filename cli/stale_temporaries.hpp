// Temporary files a killed run left in a folder a batch writes into.
#pragma once

#include <filesystem>
#include <set>
#include <string_view>

namespace qalt2morv::cli {

// True when name is a temporary keyword file whose writer has ended: the process named in it
// (prefix, process id in hex, '-') no longer runs, or the name does not say which process
// wrote it. A file another running conversion is still writing is not stale.
bool is_stale_temporary(std::string_view name);

// Removes the stale temporary files of the folders (regular files only).
void remove_stale_temporaries(const std::set<std::filesystem::path>& folders);

}  // namespace qalt2morv::cli
