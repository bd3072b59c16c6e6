// Keyword files as JSON documents, one record per object.
#include "json_records.hpp"

#include <cstdint>
#include <cstdlib>

#include "qalt2morv/keyword_reader.hpp"

namespace qalt2morv::cli {
namespace {

// Code page 1252 at 0x80 to 0x9F; the five holes of the code page stay as their C1 code points.
constexpr std::uint16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// A number as written: an integer when it has no point, else the double of its digits.
nlohmann::ordered_json number(const std::string& digits) {
  if (digits.find('.') == std::string::npos) return std::strtoll(digits.c_str(), nullptr, 10);
  return std::strtod(digits.c_str(), nullptr);
}

const char* kind_name(RecordKind kind) {
  switch (kind) {
    case RecordKind::number:
      return "number";
    case RecordKind::text:
      return "text";
    case RecordKind::list:
      return "list";
  }
  return "text";
}

bool is_number(const std::string& s) {
  if (s.empty()) return false;
  char* end = nullptr;
  std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size();
}

}  // namespace

std::string cp1252_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    append_utf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b);
  }
  return out;
}

nlohmann::ordered_json records_json(std::string_view keyword_text) {
  nlohmann::ordered_json records = nlohmann::ordered_json::array();
  for (const Record& r : read_keyword_text(keyword_text)) {
    nlohmann::ordered_json j = {
        {"key", cp1252_to_utf8(r.key)}, {"occurrence", r.occurrence}, {"kind", kind_name(r.kind)}};
    if (r.kind == RecordKind::number) {
      j["value"] = number(r.value);
    } else if (r.kind == RecordKind::text) {
      j["value"] = cp1252_to_utf8(r.value);
    } else {
      nlohmann::ordered_json values = nlohmann::ordered_json::array();
      for (const std::string& v : r.values) {
        if (v.empty()) {
          values.push_back(nullptr);
        } else if (is_number(v)) {
          values.push_back(number(v));
        } else {
          values.push_back(cp1252_to_utf8(v));  // a text entry, or a tagged one as written
        }
      }
      j["values"] = std::move(values);
    }
    records.push_back(std::move(j));
  }
  return {{"records", std::move(records)}};
}

}  // namespace qalt2morv::cli
