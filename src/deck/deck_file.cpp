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

}  // namespace

// The deck goes through the system calls themselves: open, one look at its size and
// identity, read, close. A batch converts thousands of decks, so each call saved counts.
#if !defined(_WIN32)
OpenedDeck::OpenedDeck(const char* path) noexcept : path_(path) {
  if (path == nullptr) return;
  do {
    fd_ = ::open(path, O_RDONLY | O_CLOEXEC);
  } while (fd_ < 0 && errno == EINTR);
  if (fd_ < 0) {
    open_error_ = errno;
    return;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return;
  identity_ = {true, static_cast<unsigned long long>(st.st_dev),
               static_cast<unsigned long long>(st.st_ino)};
  // A regular file's size says where it ends, so no read is spent on finding the end. A
  // size of 0 is not trusted (files of /proc say 0 and still hold text).
  if (S_ISREG(st.st_mode) && st.st_size > 0) size_ = static_cast<unsigned long long>(st.st_size);
}

void OpenedDeck::close() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::size_t OpenedDeck::read_some(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) throw_read_error(path_, errno);
  }
}
#else
OpenedDeck::OpenedDeck(const char* path) noexcept : path_(path) {
  if (path == nullptr) return;
  file_ = std::fopen(path, "rb");
  if (file_ == nullptr) open_error_ = errno;
}

void OpenedDeck::close() noexcept {
  if (file_ != nullptr) std::fclose(static_cast<std::FILE*>(file_));
  file_ = nullptr;
}

std::size_t OpenedDeck::read_some(char* buffer, std::size_t size) {
  auto* f = static_cast<std::FILE*>(file_);
  const std::size_t n = std::fread(buffer, 1, size, f);
  if (n == 0 && std::ferror(f)) throw_read_error(path_, errno);
  return n;
}
#endif

OpenedDeck::~OpenedDeck() { close(); }

void OpenedDeck::read_into(ConversionState& s) {
  if (path_ == nullptr) throw DeckUnreadable("no deck path given");
  if (open_error_ != 0) throw_cannot_open(path_, open_error_);
  deck::LineSplitter splitter(s);
  char buffer[64 * 1024];
  unsigned long long total = 0;
  for (;;) {
    const std::size_t n = read_some(buffer, sizeof buffer);
    if (n == 0) break;
    if (!splitter.feed(buffer, n)) break;  // 1000 lines read: the rest is not needed
    total += n;
    if (size_ > 0 && total >= size_) break;  // the size the file had when it was opened
    if (total > kMaxDeckBytes) {
      throw DeckUnreadable(std::string(path_) +
                           ": no end of the 1000th line within the first 1 GiB");
    }
  }
  splitter.finish();
  close();
}

void read_deck_file(const char* path, ConversionState& s) { OpenedDeck(path).read_into(s); }

}  // namespace qalt2morv
