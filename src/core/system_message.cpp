// strerror_r comes in two forms (XSI returns an int, GNU a pointer); overloads on the
// result take whichever the C library has. Windows has strerror_s.
#include "core/system_message.hpp"

#include <cstring>

namespace qalt2morv {

namespace {

[[maybe_unused]] const char* message_of(int result, const char* buffer) {
  return result == 0 ? buffer : nullptr;
}
[[maybe_unused]] const char* message_of(const char* result, const char*) { return result; }

}  // namespace

std::string system_message(int error_number) {
  char buffer[256] = {};
#ifdef _WIN32
  const char* text = strerror_s(buffer, sizeof buffer, error_number) == 0 ? buffer : nullptr;
#else
  const char* text = message_of(strerror_r(error_number, buffer, sizeof buffer), buffer);
#endif
  if (text == nullptr || *text == '\0') return "error " + std::to_string(error_number);
  return text;
}

}  // namespace qalt2morv
