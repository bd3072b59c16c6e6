// Keyword file handling: remove, write, clean up.
#include "entry/output_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qalt2morv {

namespace {

bool removable(std::filesystem::file_type type) {
  return type == std::filesystem::file_type::regular || type == std::filesystem::file_type::symlink;
}

}  // namespace

void remove_old_keyword_file(const char* path) noexcept {
  if (path == nullptr) return;
  try {
    std::error_code ec;
    if (removable(std::filesystem::symlink_status(path, ec).type()) && !ec) std::filesystem::remove(path, ec);
  } catch (...) {
    // A path the platform cannot represent: nothing to remove.
  }
}

bool clear_output_path(const char* output_path, const char* deck_path) noexcept {
#if !defined(_WIN32)
  // Two system calls in the common case; this runs once per keyword file.
  struct stat out_st {};
  if (::lstat(output_path, &out_st) != 0) return true;  // nothing there
  if (S_ISREG(out_st.st_mode) && deck_path != nullptr) {
    // Writing over the deck would destroy it before it is read. (A symbolic link to the
    // deck is only a link: removing it leaves the deck alone.)
    struct stat deck_st {};
    if (::stat(deck_path, &deck_st) == 0 && deck_st.st_dev == out_st.st_dev && deck_st.st_ino == out_st.st_ino) return false;
  }
  if (S_ISREG(out_st.st_mode) || S_ISLNK(out_st.st_mode)) ::unlink(output_path);
  return true;
#else
  try {
    std::error_code ec;
    const auto type = std::filesystem::symlink_status(output_path, ec).type();
    if (ec || type == std::filesystem::file_type::not_found) return true;
    if (type == std::filesystem::file_type::regular && deck_path != nullptr &&
        std::filesystem::equivalent(deck_path, output_path, ec) && !ec) {
      return false;
    }
    if (removable(type)) std::filesystem::remove(output_path, ec);
    return true;
  } catch (...) {
    return true;
  }
#endif
}

std::string write_keyword_file(const char* path, std::string_view text) {
  std::string cause;
#if !defined(_WIN32)
  // One open, one write (more only for a device that takes less), one close.
  int fd;
  do {
    fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return std::string("cannot create keyword file: ") + std::strerror(errno);
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      cause = std::string("cannot write keyword file: ") + std::strerror(n < 0 ? errno : EIO);
      break;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0 && cause.empty() && errno != EINTR) {
    cause = std::string("cannot close keyword file: ") + std::strerror(errno);
  }
#else
  std::FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return std::string("cannot create keyword file: ") + std::strerror(errno);
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f) != text.size()) {
    cause = std::string("cannot write keyword file: ") + std::strerror(errno);
  }
  if (std::fflush(f) != 0 && cause.empty()) cause = std::string("cannot write keyword file: ") + std::strerror(errno);
  if (std::fclose(f) != 0 && cause.empty()) cause = std::string("cannot close keyword file: ") + std::strerror(errno);
#endif
  if (!cause.empty()) remove_old_keyword_file(path);
  return cause;
}

}  // namespace qalt2morv
