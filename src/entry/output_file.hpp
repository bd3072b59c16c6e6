// The keyword file on disk: replacing an old one, writing the new one in one piece, and
// leaving nothing behind after a failure.
#pragma once

#include <string>
#include <string_view>

namespace qalt2morv {

// Removes the file at path when it is a regular file or a symbolic link; a directory, a
// device or a missing path is left alone. Failures are ignored.
void remove_old_keyword_file(const char* path) noexcept;

// True when both paths name the same existing file.
bool same_file(const char* a, const char* b) noexcept;

// Writes text to path (created or truncated). Returns an empty string on success, else the
// cause; a partly written regular file is removed again.
std::string write_keyword_file(const char* path, std::string_view text);

}  // namespace qalt2morv
