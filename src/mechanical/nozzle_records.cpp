// The nozzle records: the nozzle and dome tables as the host's lists, and the short
// per-side summary of nozzle sizes and orientation codes.
#include "mechanical/nozzle_records.hpp"

#include <array>
#include <cstddef>
#include <span>

#include "core/host_codes.hpp"
#include "core/stream_sides.hpp"

namespace qalt2morv::mechanical {

namespace {

// The layout fills slots from A without gaps, so the used slots are the first n.
std::size_t used_nozzle_slots(const ConversionState& s) {
  std::size_t n = 0;
  for (const NozzleSlot& slot : s.nozzles) {
    if (slot.function != 0.0f) ++n;
  }
  return n;
}

std::size_t used_dome_slots(const ConversionState& s) {
  std::size_t m = 0;
  for (const DomeSlot& dome : s.domes) {
    if (dome.type != 0.0f) ++m;
  }
  return m;
}

// One column of a slot table, in slot order.
template <class Slot, std::size_t N>
std::array<float, N> column(const std::array<Slot, N>& slots, float Slot::*field) {
  std::array<float, N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = slots[i].*field;
  return values;
}

template <std::size_t N>
void put_first(KeywordWriter& out, std::string_view key, const std::array<float, N>& values,
               std::size_t count) {
  out.put_real_list(key, std::span<const float>(values.data(), count));
}

struct NozzleColumn {
  std::string_view key;
  float NozzleSlot::*field;
  std::string_view holds;
};

constexpr std::array<NozzleColumn, 4> kNozzleColumns = {{
    {"NozFunctionA-O", &NozzleSlot::function, "nozzles[A to O].function"},
    {"NozcylODA-O", &NozzleSlot::diameter, "nozzles[A to O].diameter"},
    {"NozLocA-O", &NozzleSlot::location, "nozzles[A to O].location"},
    {"NozOriAngA-O", &NozzleSlot::angle, "nozzles[A to O].angle"},
}};

// Per-dome scalars: the host names a record for each of the dome slots A to C.
struct DomeScalar {
  std::string_view key;
  std::size_t slot;
  float DomeSlot::*field;
  std::string_view holds;
};

constexpr std::array<DomeScalar, 6> kDomeScalars = {{
    {"NozDomCylMtlA", 0, &DomeSlot::cylinder_material, "domes[A].cylinder_material"},
    {"NozDomCylMtlB", 1, &DomeSlot::cylinder_material, "domes[B].cylinder_material"},
    {"NozDomCylMtlC", 2, &DomeSlot::cylinder_material, "domes[C].cylinder_material"},
    {"NozDomMtlA", 0, &DomeSlot::material, "domes[A].material"},
    {"NozDomMtlB", 1, &DomeSlot::material, "domes[B].material"},
    {"NozDomMtlC", 2, &DomeSlot::material, "domes[C].material"},
}};

struct DomeColumn {
  std::string_view key;
  float DomeSlot::*field;
  std::string_view holds;
};

constexpr DomeColumn kDomeTypeColumn = {"NozDomType", &DomeSlot::type, "domes[A to C].type"};

constexpr std::array<DomeColumn, 3> kDomeColumnsAfterScalars = {{
    {"NozDomDia", &DomeSlot::diameter, "domes[A to C].diameter"},
    {"NozDomLoc", &DomeSlot::location, "domes[A to C].location"},
    {"DistBeltCylWidth", &DomeSlot::belt_width, "domes[A to C].belt_width"},
}};

// The flag key names the stream that leaves through the separate outlet, not the side.
void put_separate_outlet_flag(KeywordWriter& out, bool hot_stream) {
  out.put_real(hot_stream ? "NozSepLVOutHS" : "NozSepLVOutCS", 1.0f);
}

// Sizes of one side: inlet, then separate outlet and outlet when the side has a separate
// liquid/vapour outlet on a single shell, else outlet alone.
std::array<float, 3> side_sizes(KeywordWriter& out, const ConversionState& s, float inlet,
                                float outlet, float separate_outlet, bool hot_stream) {
  if (separate_outlet > 0.0f && s.shells_in_series == 1) {
    put_separate_outlet_flag(out, hot_stream);
    return {inlet, separate_outlet, outlet};
  }
  return {inlet, outlet, 0.0f};
}

// Axial tube-side nozzles with no orientation of their own are reported as axial (code 5).
float tube_orientation(const ConversionState& s, float code) {
  return (code <= 0.0f && s.axial_nozzle_flag == kAxialNozzles) ? nozzle_orientation::kAxial : code;
}

}  // namespace

void write_nozzle_table(const ConversionState& s, KeywordWriter& out) {
  const std::size_t n = used_nozzle_slots(s);
  for (const NozzleColumn& c : kNozzleColumns) put_first(out, c.key, column(s.nozzles, c.field), n);
}

void write_domes(const ConversionState& s, KeywordWriter& out) {
  const std::size_t m = used_dome_slots(s);
  put_first(out, kDomeTypeColumn.key, column(s.domes, kDomeTypeColumn.field), m);
  for (const DomeScalar& d : kDomeScalars) out.put_real(d.key, s.domes[d.slot].*d.field);
  for (const DomeColumn& c : kDomeColumnsAfterScalars)
    put_first(out, c.key, column(s.domes, c.field), m);
}

void write_nozzle_summary(const ConversionState& s, KeywordWriter& out) {
  const std::array<float, 3> shell_sizes =
      side_sizes(out, s, s.shell_inlet_nozzle_nps, s.shell_outlet_nozzle_nps,
                 s.shell_split_outlet_nps, hot_side_declared_shell(s));
  out.put_real_list("NozNomDiamSS", shell_sizes);
  const std::array<float, 3> shell_orientations = {s.shell_nozzle_orientations[0],
                                                   s.shell_nozzle_orientations[1], 0.0f};
  out.put_real_list("NozOrientationSS", shell_orientations);

  const std::array<float, 3> tube_sizes =
      side_sizes(out, s, s.tube_inlet_nozzle_nps, s.tube_outlet_nozzle_nps, s.tube_split_outlet_nps,
                 hot_side_declared_tube(s));
  out.put_real_list("NozNomDiamTS", tube_sizes);
  const std::array<float, 3> tube_orientations = {
      tube_orientation(s, s.tube_nozzle_orientations[0]),
      tube_orientation(s, s.tube_nozzle_orientations[1]), 0.0f};
  out.put_real_list("NozOrientationTS", tube_orientations);
}

std::vector<RecordDescription> describe_nozzle_table() {
  std::vector<RecordDescription> d;
  for (const NozzleColumn& c : kNozzleColumns) d.push_back({c.key, "list", c.holds, {}});
  return d;
}

std::vector<RecordDescription> describe_domes() {
  std::vector<RecordDescription> d = {{kDomeTypeColumn.key, "list", kDomeTypeColumn.holds, {}}};
  for (const DomeScalar& c : kDomeScalars) d.push_back({c.key, "number", c.holds, {}});
  for (const DomeColumn& c : kDomeColumnsAfterScalars) d.push_back({c.key, "list", c.holds, {}});
  return d;
}

// As write_nozzle_summary runs: each side's flag names the stream (hot or cold) whose
// separate outlet it is, so either flag may lead either side.
std::vector<RecordDescription> describe_nozzle_summary() {
  constexpr std::string_view kSeparateOutlet =
      "separate_outlet on a single shell (deck lines 282, 283, 21)";
  return {
      {"NozSepLVOutHS", "number", "1: the hot stream has a separate outlet", kSeparateOutlet},
      {"NozSepLVOutCS", "number", "1: the cold stream has a separate outlet", kSeparateOutlet},
      {"NozNomDiamSS",
       "list",
       "shell_inlet_nozzle_nps, shell_split_outlet_nps, shell_outlet_nozzle_nps",
       {}},
      {"NozOrientationSS", "list", "shell_nozzle_orientations", {}},
      {"NozNomDiamTS",
       "list",
       "tube_inlet_nozzle_nps, tube_split_outlet_nps, tube_outlet_nozzle_nps",
       {}},
      {"NozOrientationTS", "list", "tube_nozzle_orientations (axial when none)", {}},
  };
}

}  // namespace qalt2morv::mechanical
