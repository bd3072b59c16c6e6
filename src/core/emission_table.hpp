// Record tables as data: each row is a host key, the record operation, the value it carries
// and an optional condition, so an emitter reads like the host's record list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/conversion_state.hpp"
#include "core/keyword_writer.hpp"

namespace qalt2morv {

// The host's integer records are 32-bit; decoded integer fields are 64-bit and travel
// through their low 32 bits (two's complement wrap, well defined since C++20).
constexpr std::int32_t low_32_bits(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// A short list record carried by value: the air-cooler and belt lists have one or two entries.
struct ShortList {
  std::array<float, 2> entries{};
  std::size_t count = 0;
};

constexpr ShortList one_entry(float value) { return ShortList{{value, 0.0f}, 1}; }
constexpr ShortList two_entries(float first, float second) { return ShortList{{first, second}, 2}; }
constexpr ShortList two_entries(const std::array<float, 2>& values) { return ShortList{values, 2}; }

template <std::size_t N>
constexpr std::string_view whole_text(const FixedText<N>& text) {
  return std::string_view(text.data(), N);
}

// A value or a condition with its name, for the record list the command line shows:
// Row::real("TubeOD", NAMED(tube_od_value), NAMED(finned_tubes)).
#define NAMED(function) function, #function

template <class Source>
struct RecordRow {
  enum class Operation { real, integer, real_list, text };
  using Condition = bool (*)(const Source&);

  std::string_view key;
  Operation operation = Operation::real;
  float (*real_value)(const Source&) = nullptr;
  std::int32_t (*int_value)(const Source&) = nullptr;
  ShortList (*list_value)(const Source&) = nullptr;
  std::string_view (*text_value)(const Source&) = nullptr;
  Condition condition = nullptr;  // none: the writer's skip rule alone decides
  std::string_view holds;         // what the value is: a state field's name or a phrase
  std::string_view when;          // the condition's name; empty when there is none

  static constexpr RecordRow real(std::string_view key, float (*value)(const Source&),
                                  std::string_view holds, Condition when = nullptr,
                                  std::string_view when_name = {}) {
    RecordRow row;
    row.key = key;
    row.operation = Operation::real;
    row.real_value = value;
    row.condition = when;
    row.holds = holds;
    row.when = when_name;
    return row;
  }
  static constexpr RecordRow integer(std::string_view key, std::int32_t (*value)(const Source&),
                                     std::string_view holds, Condition when = nullptr,
                                     std::string_view when_name = {}) {
    RecordRow row;
    row.key = key;
    row.operation = Operation::integer;
    row.int_value = value;
    row.condition = when;
    row.holds = holds;
    row.when = when_name;
    return row;
  }
  static constexpr RecordRow real_list(std::string_view key, ShortList (*value)(const Source&),
                                       std::string_view holds) {
    RecordRow row;
    row.key = key;
    row.operation = Operation::real_list;
    row.list_value = value;
    row.holds = holds;
    return row;
  }
  static constexpr RecordRow text(std::string_view key, std::string_view (*value)(const Source&),
                                  std::string_view holds) {
    RecordRow row;
    row.key = key;
    row.operation = Operation::text;
    row.text_value = value;
    row.holds = holds;
    return row;
  }
};

// One record the conversion can write, as the record list describes it.
struct RecordDescription {
  std::string_view key;
  std::string_view kind;   // "number", "text" or "list"
  std::string_view holds;  // a state field's name, or a phrase
  std::string_view when;   // the condition's name; empty when there is none
};

template <class Source>
constexpr RecordDescription describe(const RecordRow<Source>& row) {
  using Operation = typename RecordRow<Source>::Operation;
  std::string_view kind = "number";
  if (row.operation == Operation::real_list) kind = "list";
  if (row.operation == Operation::text) kind = "text";
  return {row.key, kind, row.holds, row.when};
}

// Writes the rows in table order; a row whose condition fails writes nothing, and the
// writer's own skip rules (zero scalar, blank-led text, all-zero list) still apply.
template <class Source>
void write_records(std::span<const RecordRow<Source>> rows, const Source& source,
                   KeywordWriter& out) {
  using Operation = typename RecordRow<Source>::Operation;
  for (const RecordRow<Source>& row : rows) {
    if (row.condition != nullptr && !row.condition(source)) continue;
    switch (row.operation) {
      case Operation::real:
        out.put_real(row.key, row.real_value(source));
        break;
      case Operation::integer:
        out.put_int(row.key, row.int_value(source));
        break;
      case Operation::real_list: {
        const ShortList list = row.list_value(source);
        out.put_real_list(row.key, std::span<const float>(list.entries.data(), list.count));
        break;
      }
      case Operation::text: {
        const std::string_view text = row.text_value(source);
        out.put_text(row.key, text.data(), text.size());
        break;
      }
    }
  }
}

}  // namespace qalt2morv
