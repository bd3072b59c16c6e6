// Keyword files and deck texts as JSON: records with their values, texts as UTF-8.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace qalt2morv::cli {

// Code page 1252 bytes (the keyword file's) as UTF-8.
std::string cp1252_to_utf8(std::string_view bytes);

// {"records": [{"key", "occurrence", "kind", "value" | "values"}, ...]}: numbers as the
// digits written, a blank list entry null, texts as UTF-8 with their blanks kept.
nlohmann::ordered_json records_json(std::string_view keyword_text);

}  // namespace qalt2morv::cli
