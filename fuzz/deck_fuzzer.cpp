// libFuzzer target over the whole conversion: arbitrary deck bytes in, and every result must
// keep the interface's promises (status, message, record shapes, repeatability, CRLF).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "keyword_file_shape.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view deck(reinterpret_cast<const char*>(data), size);
  const std::string error = qalt2morv::fuzz::conversion_error(deck);
  if (!error.empty()) {
    std::fprintf(stderr, "deck_fuzzer: %s\n", error.c_str());
    std::abort();
  }
  return 0;
}
