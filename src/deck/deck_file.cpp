// Deck file reading for the file-to-file conversion.
#include "deck/deck_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/conversion_error.hpp"
#include "core/system_message.hpp"
#include "deck/deck_loader.hpp"

namespace qalt2morv {

namespace {

// A deck whose 1000th line has not ended after this many bytes is not a deck (a device that
// never ends, such as /dev/zero).
constexpr unsigned long long kMaxDeckBytes = 1ULL << 30;

[[noreturn]] void throw_cannot_open(const char* path, int open_error) {
  std::error_code ec;
  const auto type = std::filesystem::status(path, ec).type();
  if (type == std::filesystem::file_type::not_found)
    throw DeckUnreadable(std::string(path) + ": deck not found");
  if (type == std::filesystem::file_type::directory) {
    throw DeckUnreadable(std::string(path) + ": is a directory, not a deck");
  }
  throw DeckUnreadable(std::string(path) + ": cannot open deck: " + system_message(open_error));
}

[[noreturn]] void throw_read_error(const char* path, int read_error) {
  if (read_error == EISDIR)
    throw DeckUnreadable(std::string(path) + ": is a directory, not a deck");
  throw DeckUnreadable(std::string(path) + ": read error in deck: " + system_message(read_error));
}

#if !defined(_WIN32)
// The deck through the system calls themselves: open, one look at its size, read, close. A
// batch converts thousands of decks, so each call saved counts.
class DeckSource {
 public:
  explicit DeckSource(const char* path) : path_(path) {
    do {
      fd_ = ::open(path, O_RDONLY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) throw_cannot_open(path, errno);
    // A regular file's size says where it ends, so no read is spent on finding the end. A
    // size of 0 is not trusted (files of /proc say 0 and still hold text).
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
      size_ = static_cast<unsigned long long>(st.st_size);
  }
  ~DeckSource() { ::close(fd_); }
  DeckSource(const DeckSource&) = delete;
  DeckSource& operator=(const DeckSource&) = delete;
  // Bytes read into buffer; 0 at the end of the deck.
  std::size_t read(char* buffer, std::size_t size) {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, size);
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) throw_read_error(path_, errno);
    }
  }
  // True once `total` bytes reach the size the file had when it was opened.
  bool read_to_known_end(unsigned long long total) const { return size_ > 0 && total >= size_; }

 private:
  const char* path_;
  int fd_ = -1;
  unsigned long long size_ = 0;  // 0: not known, read until a read gives nothing
};
#else
class DeckSource {
 public:
  explicit DeckSource(const char* path) : path_(path), file_(std::fopen(path, "rb")) {
    if (file_ == nullptr) throw_cannot_open(path, errno);
  }
  ~DeckSource() { std::fclose(file_); }
  DeckSource(const DeckSource&) = delete;
  DeckSource& operator=(const DeckSource&) = delete;
  std::size_t read(char* buffer, std::size_t size) {
    const std::size_t n = std::fread(buffer, 1, size, file_);
    if (n == 0 && std::ferror(file_)) throw_read_error(path_, errno);
    return n;
  }
  bool read_to_known_end(unsigned long long) const { return false; }

 private:
  const char* path_;
  std::FILE* file_;
};
#endif

}  // namespace

void read_deck_file(const char* path, ConversionState& s) {
  if (path == nullptr) throw DeckUnreadable("no deck path given");
  DeckSource deck(path);
  deck::LineSplitter splitter(s);
  char buffer[64 * 1024];
  unsigned long long total = 0;
  for (;;) {
    const std::size_t n = deck.read(buffer, sizeof buffer);
    if (n == 0) break;
    if (!splitter.feed(buffer, n)) break;  // 1000 lines read: the rest is not needed
    total += n;
    if (deck.read_to_known_end(total)) break;
    if (total > kMaxDeckBytes) {
      throw DeckUnreadable(std::string(path) +
                           ": no end of the 1000th line within the first 1 GiB");
    }
  }
  splitter.finish();
}

}  // namespace qalt2morv
