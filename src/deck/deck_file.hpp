// Reading a deck file into the line store, a chunk at a time: only what the loader needs
// (at most 1000 lines) is read, however large the file.
#pragma once

#include "core/conversion_state.hpp"

namespace qalt2morv {

// What the system knows an opened file by; known is false where the platform's reading of the
// deck does not say (the caller then asks by path).
struct FileIdentity {
  bool known = false;
  unsigned long long device = 0;
  unsigned long long inode = 0;
};

// A deck file, opened once: its identity is known before it is read, so a keyword file path
// that names the deck is refused without another look at the deck's path.
class OpenedDeck {
 public:
  // Opens the deck; a failure is kept and reported by read_into.
  explicit OpenedDeck(const char* path) noexcept;
  ~OpenedDeck();
  OpenedDeck(const OpenedDeck&) = delete;
  OpenedDeck& operator=(const OpenedDeck&) = delete;

  const FileIdentity& identity() const noexcept { return identity_; }

  // Fills the line store and closes the deck. Throws DeckUnreadable when the file is
  // missing, a directory, or cannot be read.
  void read_into(ConversionState& s);

 private:
  std::size_t read_some(char* buffer, std::size_t size);
  void close() noexcept;

  const char* path_;
  FileIdentity identity_;
  int open_error_ = 0;
  unsigned long long size_ = 0;  // 0: not known, read until a read gives nothing
#if defined(_WIN32)
  void* file_ = nullptr;  // std::FILE*
#else
  int fd_ = -1;
#endif
};

// OpenedDeck(path).read_into(s).
void read_deck_file(const char* path, ConversionState& s);

}  // namespace qalt2morv
