// Keyword file handling: remove the old one, write the new one beside it under a temporary
// name and rename it into place, so that the path never holds a partial keyword file.
#include "entry/output_file.hpp"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>
#include <thread>

#include "core/system_message.hpp"
#include "qalt2morv/convert.hpp"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qalt2morv {

namespace {

#if defined(_WIN32)
bool removable(std::filesystem::file_type type) {
  return type == std::filesystem::file_type::regular || type == std::filesystem::file_type::symlink;
}
#endif

std::string system_cause(int err) { return system_message(err); }

// "cannot write keyword file: No space left on device"
std::string failed(const char* action, std::string_view what, int err) {
  return "cannot " + std::string(action) + " " + std::string(what) + ": " + system_cause(err);
}

#if defined(_WIN32)
int open_exclusive(const char* path) {
  return ::_open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int write_some(int fd, const char* p, std::size_t n) {
  return ::_write(fd, p, static_cast<unsigned>(n > 0x40000000u ? 0x40000000u : n));
}
int close_fd(int fd) { return ::_close(fd); }
unsigned long process_id() { return static_cast<unsigned long>(::_getpid()); }
#else
int open_exclusive(const char* path) {
  return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
ssize_t write_some(int fd, const char* p, std::size_t n) { return ::write(fd, p, n); }
int close_fd(int fd) { return ::close(fd); }
unsigned long process_id() { return static_cast<unsigned long>(::getpid()); }
#endif

// Writes all of text to an open descriptor; returns the cause of a failure, or "".
std::string write_all(int fd, std::string_view text, std::string_view what) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const auto n = write_some(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return failed("write", what, n < 0 ? errno : EIO);
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return {};
}

void append_hex(std::string& s, unsigned long long v) {
  char digits[16];
  int n = 0;
  do {
    digits[n++] = "0123456789abcdef"[v & 0xFu];
    v >>= 4;
  } while (v != 0 && n < 16);
  while (n > 0) s += digits[--n];
}

// The part of path up to and including its last separator: the folder a temporary file
// beside it goes in ("" for a bare file name, which is in the working folder).
std::string_view folder_prefix(std::string_view path) {
#if defined(_WIN32)
  const std::size_t last = path.find_last_of("/\\:");
#else
  const std::size_t last = path.rfind('/');
#endif
  return last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1);
}

// Opens a fresh temporary file in the folder of path. The name starts with a dot and the
// prefix, so no listing of keyword files takes it for one; process, thread and clock make
// it unique, and O_EXCL makes sure of it when two calls still meet. The process id comes
// right after the prefix: a batch that finds the file later removes it only when that
// process has ended (so it is asked each time, never kept across a fork).
int open_temporary(std::string_view path, std::string& temp_path) {
  const auto thread_hash = std::hash<std::thread::id>{}(std::this_thread::get_id());
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    temp_path = folder_prefix(path);
    temp_path += kTemporaryFilePrefix;
    append_hex(temp_path, process_id());
    temp_path += '-';
    append_hex(temp_path, static_cast<unsigned long long>(thread_hash));
    temp_path += '-';
    append_hex(temp_path, static_cast<unsigned long long>(tick));
    temp_path += '-';
    append_hex(temp_path, attempt);
    int fd;
    do {
      fd = open_exclusive(temp_path.c_str());
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Writes straight to path: a device, a pipe, or whatever is not a regular file.
std::string write_directly(const char* path, std::string_view text, std::string_view what) {
#if defined(_WIN32)
  std::FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return failed("create", what, errno);
  std::string cause;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f) != text.size()) {
    cause = failed("write", what, errno);
  }
  if (std::fclose(f) != 0 && cause.empty()) cause = failed("close", what, errno);
  return cause;
#else
  int fd;
  do {
    fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return failed("create", what, errno);
  std::string cause = write_all(fd, text, what);
  if (::close(fd) != 0 && cause.empty() && errno != EINTR) cause = failed("close", what, errno);
  return cause;
#endif
}

bool replace_file(const char* from, const char* to) {
#if defined(_WIN32)
  return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
#else
  return std::rename(from, to) == 0;
#endif
}

}  // namespace

#if !defined(_WIN32)
OutputPath::OutputPath(const char* path) noexcept : path_(path) {
  struct stat st {};
  if (::lstat(path, &st) != 0) return;  // nothing there (or nothing that can be looked at)
  regular_ = S_ISREG(st.st_mode);
  kind_ = regular_ || S_ISLNK(st.st_mode) ? Kind::replaceable : Kind::other;
  device_ = static_cast<unsigned long long>(st.st_dev);
  inode_ = static_cast<unsigned long long>(st.st_ino);
}

bool OutputPath::is_deck(const char* deck_path, const FileIdentity& opened) const noexcept {
  // Only a regular file can be the deck. (A symbolic link to the deck is only a link:
  // replacing it leaves the deck alone.)
  if (!regular_ || deck_path == nullptr) return false;
  if (opened.known) return opened.device == device_ && opened.inode == inode_;
  struct stat deck {};
  return ::stat(deck_path, &deck) == 0 && static_cast<unsigned long long>(deck.st_dev) == device_ &&
         static_cast<unsigned long long>(deck.st_ino) == inode_;
}

void OutputPath::remove_old() const noexcept {
  if (kind_ == Kind::replaceable) ::unlink(path_);
}
#else
OutputPath::OutputPath(const char* path) noexcept : path_(path) {
  try {
    std::error_code ec;
    const auto type = std::filesystem::symlink_status(path, ec).type();
    if (ec || type == std::filesystem::file_type::not_found) return;
    kind_ = removable(type) ? Kind::replaceable : Kind::other;
    regular_ = type == std::filesystem::file_type::regular;
  } catch (...) {
    // A path the platform cannot represent: nothing there that could be removed.
  }
}

bool OutputPath::is_deck(const char* deck_path, const FileIdentity&) const noexcept {
  if (!regular_ || deck_path == nullptr) return false;
  try {
    std::error_code ec;
    return std::filesystem::equivalent(deck_path, path_, ec) && !ec;
  } catch (...) {
    return false;
  }
}

void OutputPath::remove_old() const noexcept {
  if (kind_ != Kind::replaceable) return;
  try {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  } catch (...) {
  }
}
#endif

std::string OutputPath::write(std::string_view text, std::string_view what) const {
  if (kind_ == Kind::other) return write_directly(path_, text, what);

  std::string temp_path;
  const int fd = open_temporary(path_, temp_path);
  if (fd < 0) return failed("create", what, errno);
  std::string cause = write_all(fd, text, what);
  if (close_fd(fd) != 0 && cause.empty() && errno != EINTR) cause = failed("close", what, errno);
  // The old keyword file goes first: a rename over an existing file makes ext4 write the new
  // file's data out at once (its guard for programs that skip fsync), which costs a fifth of
  // a millisecond per keyword file. A kill between the two leaves no keyword file, never a
  // partial one.
  if (cause.empty()) remove_old();
  if (cause.empty() && !replace_file(temp_path.c_str(), path_)) {
#if defined(_WIN32)
    cause = "cannot rename the " + std::string(what) + " into place: error " +
            std::to_string(::GetLastError());
#else
    cause = "cannot rename the " + std::string(what) + " into place: " + system_cause(errno);
#endif
  }
  if (!cause.empty()) std::remove(temp_path.c_str());
  return cause;
}

std::string write_keyword_file(const char* path, std::string_view text) {
  return OutputPath(path).write(text);
}

std::string write_file_whole(const char* path, std::string_view text, std::string_view what) {
  return OutputPath(path).write(text, what);
}

}  // namespace qalt2morv
