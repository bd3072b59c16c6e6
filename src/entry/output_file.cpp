// Keyword file handling: remove, write, clean up.
#include "entry/output_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace qalt2morv {

void remove_old_keyword_file(const char* path) noexcept {
  if (path == nullptr) return;
  try {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (ec) return;
    if (status.type() == std::filesystem::file_type::regular || status.type() == std::filesystem::file_type::symlink) {
      std::filesystem::remove(path, ec);
    }
  } catch (...) {
    // A path the platform cannot represent: nothing to remove.
  }
}

bool same_file(const char* a, const char* b) noexcept {
  if (a == nullptr || b == nullptr) return false;
  try {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
  } catch (...) {
    return false;
  }
}

std::string write_keyword_file(const char* path, std::string_view text) {
  std::FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return std::string("cannot create keyword file: ") + std::strerror(errno);
  std::string cause;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f) != text.size()) {
    cause = std::string("cannot write keyword file: ") + std::strerror(errno);
  }
  if (std::fflush(f) != 0 && cause.empty()) cause = std::string("cannot write keyword file: ") + std::strerror(errno);
  if (std::fclose(f) != 0 && cause.empty()) cause = std::string("cannot close keyword file: ") + std::strerror(errno);
  if (!cause.empty()) remove_old_keyword_file(path);
  return cause;
}

}  // namespace qalt2morv
