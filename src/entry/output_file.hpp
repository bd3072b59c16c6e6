// The keyword file on disk: replacing an old one, writing the new one in one piece, and
// leaving nothing behind after a failure or a kill.
#pragma once

#include <string>
#include <string_view>

namespace qalt2morv {

// Makes way for a new keyword file at output_path: removes what stands there when it is a
// regular file or a symbolic link (a directory, a device or a missing path is left alone).
// Returns false, removing nothing, when the path names the deck itself.
bool clear_output_path(const char* output_path, const char* deck_path) noexcept;

// Removes a regular file or symbolic link at path; anything else is left alone.
void remove_old_keyword_file(const char* path) noexcept;

// Writes text to path in one piece: into a temporary file of the same folder, renamed over
// path when complete (a device or anything else that is not a regular file or a link is
// written directly). Returns an empty string on success, else the cause; after a failure
// the temporary file is gone and path is as it was.
std::string write_keyword_file(const char* path, std::string_view text);

}  // namespace qalt2morv
