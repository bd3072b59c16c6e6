// Deck file reading for the file-to-file conversion.
#include "entry/deck_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "deck/deck_loader.hpp"
#include "entry/conversion_error.hpp"

namespace qalt2morv {

namespace {

// A deck whose 1000th line has not ended after this many bytes is not a deck (a device that
// never ends, such as /dev/zero).
constexpr unsigned long long kMaxDeckBytes = 1ULL << 30;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

void read_deck_file(const char* path, ConversionState& s) {
  if (path == nullptr) throw DeckUnreadable("no deck path given");
  // The file is opened straight away; only a failure pays for finding out why.
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
  if (!file) {
    const int open_error = errno;
    std::error_code ec;
    const auto type = std::filesystem::status(path, ec).type();
    if (type == std::filesystem::file_type::not_found) throw DeckUnreadable(std::string(path) + ": deck not found");
    if (type == std::filesystem::file_type::directory) {
      throw DeckUnreadable(std::string(path) + ": is a directory, not a deck");
    }
    throw DeckUnreadable(std::string(path) + ": cannot open deck: " + std::strerror(open_error));
  }
  deck::LineSplitter splitter(s);
  char buffer[64 * 1024];
  unsigned long long total = 0;
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    if (n > 0 && !splitter.feed(buffer, n)) break;  // 1000 lines read: the rest is not needed
    total += n;
    if (n < sizeof buffer) {
      if (std::ferror(file.get())) {
        if (errno == EISDIR) throw DeckUnreadable(std::string(path) + ": is a directory, not a deck");
        throw DeckUnreadable(std::string(path) + ": read error in deck: " + std::strerror(errno));
      }
      break;
    }
    if (total > kMaxDeckBytes) {
      throw DeckUnreadable(std::string(path) + ": no end of the 1000th line within the first 1 GiB");
    }
  }
  splitter.finish();
}

}  // namespace qalt2morv
