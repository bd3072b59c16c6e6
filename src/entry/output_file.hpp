// The keyword file on disk: replacing an old one, writing the new one in one piece, and
// leaving nothing behind after a failure or a kill.
#pragma once

#include <string>
#include <string_view>

#include "deck/deck_file.hpp"

namespace qalt2morv {

// What stands at a keyword file's path, looked at once per conversion: nothing, an old keyword
// file (a regular file or a symbolic link, which the new one replaces), or anything else (a
// device such as /dev/null, a directory), which is written to directly or fails, and is never
// removed.
class OutputPath {
 public:
  explicit OutputPath(const char* path) noexcept;

  // True when the path is the deck's own file, which must be neither removed nor written over.
  // (A symbolic link to the deck is only a link: replacing it leaves the deck alone.) The
  // opened deck's identity answers it; without one the deck's path is looked at.
  bool is_deck(const char* deck_path, const FileIdentity& opened = {}) const noexcept;

  // After a failed conversion: an old keyword file at the path is removed; nothing else is.
  void remove_old() const noexcept;

  // Writes text in one piece: into a temporary file of the same folder, renamed into place
  // when complete (an old keyword file is removed just before); a device or anything else
  // that is not a file or a link is written directly. Returns an empty string on success,
  // else the cause; after a failure the temporary file is gone.
  // what names the file in a failure's cause.
  std::string write(std::string_view text, std::string_view what = "keyword file") const;

 private:
  enum class Kind { missing, replaceable, other };
  const char* path_;
  Kind kind_ = Kind::missing;
  bool regular_ = false;
  unsigned long long device_ = 0, inode_ = 0;  // of what lstat found (POSIX)
};

// OutputPath(path).write(text).
std::string write_keyword_file(const char* path, std::string_view text);

// Any other file written in one piece under the same rules (a report page, its index); what
// names it in a failure's cause.
std::string write_file_whole(const char* path, std::string_view text, std::string_view what);

}  // namespace qalt2morv
