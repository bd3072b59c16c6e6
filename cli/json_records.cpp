// Keyword files as JSON documents, one record per object.
#include "json_records.hpp"

#include <cstdlib>

#include "qalt2morv/keyword_reader.hpp"

namespace qalt2morv::cli {
namespace {

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

std::string cp1252_to_utf8(std::string_view bytes) { return keyword_text_as_utf8(bytes); }

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
