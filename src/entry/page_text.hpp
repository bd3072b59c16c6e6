// Text for the report page: deck and keyword bytes (code page 1252) as escaped UTF-8, and a
// keyword number as a person reads it.
#pragma once

#include <string>
#include <string_view>

namespace qalt2morv::page {

// cp1252 bytes as UTF-8 text, escaped for HTML element content and attribute values.
std::string escaped(std::string_view cp1252_bytes);

// A file name or a message that may hold one, escaped as escaped() does: kept as UTF-8 when
// its bytes are UTF-8 (file names on Linux), read as cp1252 otherwise.
std::string escaped_name(std::string_view bytes);

// "8.000000" -> "8", "3.750000" -> "3.75", "203.199997" -> "203.2": a number as a person
// reads it, to five significant digits; text that is not such a number stays as it is.
std::string short_number(std::string_view written);

// The number a keyword entry holds; false for a blank entry or text.
bool parse_number(std::string_view written, double& value);

// A host code (single precision) as a double, for comparing with a number read back.
constexpr double code(float host_code) { return static_cast<double>(host_code); }

}  // namespace qalt2morv::page
