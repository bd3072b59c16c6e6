// Values derived once the whole deck is decoded: the host wants orientation codes, hot and
// cold fluid names and nominal nozzle sizes where the deck gives angles, sides and diameters.
#include "thermal/post_decoding.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "core/host_codes.hpp"
#include "core/numeric_helpers.hpp"
#include "core/stream_sides.hpp"

namespace qalt2morv::thermal {
namespace {

constexpr float kEvenParity = 2.0f;

// A deck word matches when the whole field is the word followed by blanks only.
template <std::size_t N>
bool field_is_word(const FixedText<N>& field, std::string_view word) {
  if (word.size() > N) return false;
  for (std::size_t i = 0; i < N; ++i) {
    const char expected = i < word.size() ? word[i] : ' ';
    if (field[i] != expected) return false;
  }
  return true;
}

// Segmental, double- and triple-segmental and rod baffles have a cut orientation; other
// forms (and unbaffled shells) keep code 0. A missing baffle word (code 0) still counts.
void derive_baffle_orientation(ConversionState& s) {
  s.baffle_orientation_code = 0.0f;
  const float type = s.baffle_type_code;
  if (!(type <= baffle_type::kTripleSegmental || type == baffle_type::kRod)) return;
  const float angle = s.baffle_cut_angle;
  if (s.orientation_code == nozzle_arrangement::kInletOnTop ||
      s.orientation_code == nozzle_arrangement::kInletAtBottom) {
    if (angle == 90.0f)
      s.baffle_orientation_code = baffle_orientation::kHorizontalCut;
    else if (angle == 45.0f)
      s.baffle_orientation_code = baffle_orientation::kRotatedCut;
    else if (angle == 0.0f)
      s.baffle_orientation_code = baffle_orientation::kVerticalCut;
  } else if (s.orientation_code == nozzle_arrangement::kSideEntry) {
    if (angle == 0.0f)
      s.baffle_orientation_code = baffle_orientation::kHorizontalCut;
    else if (angle == 45.0f)
      s.baffle_orientation_code = baffle_orientation::kRotatedCut;
    else if (angle == 90.0f)
      s.baffle_orientation_code = baffle_orientation::kVerticalCut;
  }
}

// A baffle at the U-bend of a U-tube bundle adds one to the count whose parity decides on
// which side the shell outlet nozzle ends up.
void derive_baffle_parity(ConversionState& s) {
  s.u_bend_flag = 0.0f;
  if (field_is_word(s.u_bend_baffle, "YES") && s.rear_head_code == rear_head::kU)
    s.u_bend_flag = 1.0f;
  const float n = s.u_bend_flag + s.baffle_count;
  s.baffle_parity_code = 2.0f * std::trunc(n / 2.0f) == n ? 2.0f : 1.0f;
}

bool is_shell_type_f_to_x(float shell) {
  return shell >= shell_type::kF && shell <= shell_type::kX;
}

// Orientation 0: shell inlet on top; the tube field is measured down from the top.
void orient_nozzles_inlet_on_top(ConversionState& s, bool even) {
  const float shell = s.shell_type_code;
  s.shell_nozzle_orientations[0] = nozzle_orientation::kTop;
  if (shell == shell_type::kE) {
    s.shell_nozzle_orientations[1] = even ? nozzle_orientation::kBottom : nozzle_orientation::kTop;
  } else if (is_shell_type_f_to_x(shell)) {
    s.shell_nozzle_orientations[1] = nozzle_orientation::kBottom;
    if (shell == shell_type::kF || shell == shell_type::kJ) {
      s.tube_nozzle_orientations = {nozzle_orientation::kBottom, nozzle_orientation::kTop};
    }
  }
  s.dist_down_from_top = s.tube_field_distance_1;
  if (even) s.dist_up_from_bottom = s.tube_field_distance_2;
}

// Orientation 1: side-entry nozzles; no tube-field distance applies.
void orient_nozzles_side_entry(ConversionState& s) {
  s.shell_nozzle_orientations = {nozzle_orientation::kQuarter, nozzle_orientation::kThreeQuarters};
}

// Orientation 2: the mirror of orientation 0, shell inlet at the bottom. A J shell keeps its
// tube nozzles unset here, unlike in orientation 0.
void orient_nozzles_inlet_at_bottom(ConversionState& s, bool even) {
  const float shell = s.shell_type_code;
  s.shell_nozzle_orientations[0] = nozzle_orientation::kBottom;
  if (shell == shell_type::kE) {
    s.shell_nozzle_orientations[1] = even ? nozzle_orientation::kTop : nozzle_orientation::kBottom;
  } else if (is_shell_type_f_to_x(shell)) {
    s.shell_nozzle_orientations[1] = nozzle_orientation::kTop;
    if (shell == shell_type::kF)
      s.tube_nozzle_orientations = {nozzle_orientation::kTop, nozzle_orientation::kBottom};
  }
  s.dist_up_from_bottom = s.tube_field_distance_1;
  if (even) s.dist_down_from_top = s.tube_field_distance_2;
}

// Deck line 499 selects the arrangement; any other code leaves every orientation unset.
void derive_nozzle_orientations(ConversionState& s) {
  const bool even = s.baffle_parity_code == kEvenParity;
  if (s.orientation_code == nozzle_arrangement::kInletOnTop)
    orient_nozzles_inlet_on_top(s, even);
  else if (s.orientation_code == nozzle_arrangement::kSideEntry)
    orient_nozzles_side_entry(s);
  else if (s.orientation_code == nozzle_arrangement::kInletAtBottom)
    orient_nozzles_inlet_at_bottom(s, even);
}

// The host's fluid-name fields hold 20 characters; the deck's hold 40.
Text20 first_20_characters(const Text40& name) {
  Text20 result;
  std::copy_n(name.c.begin(), Text20::size(), result.c.begin());
  return result;
}

void derive_fluid_names(ConversionState& s) {
  const bool shell_hot = shell_inlet_hotter(s);
  s.hot_fluid_name = first_20_characters(shell_hot ? s.shell_fluid_name : s.tube_fluid_name);
  s.cold_fluid_name = first_20_characters(shell_hot ? s.tube_fluid_name : s.shell_fluid_name);
}

// Deck lines 276 and 277 hold the shell-side and tube-side fluid names, the only deck texts
// that reach quoted texts of the keyword file.
constexpr int kShellFluidNameLine = 276;
constexpr int kTubeFluidNameLine = 277;

// A control byte written into a quoted text stands as it is, but a reader in text mode on
// Windows takes 0x1A for the end of the file and drops every record after it: the user is
// told. Only what is written counts: a name led by a blank is not written, a zero byte ends
// it, and only its first 20 characters are written unless the air-cooler records (which take
// all 40) are.
void note_control_bytes(ConversionState& s, int line, const Text40& name) {
  if (line > s.line_count || name[0] == ' ') return;
  const std::size_t written = s.tube_rows > 0 ? Text40::size() : Text20::size();
  for (std::size_t i = 0; i < written && name[i] != '\0'; ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte >= 0x20) continue;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string expected = "a text without control bytes; column ";
    expected += std::to_string(i + 1) + " holds byte 0x";
    expected += kHex[byte >> 4];
    expected += kHex[byte & 0xF];
    std::size_t end = i;
    while (end < written && name[end] != '\0') ++end;
    while (end > 0 && name[end - 1] == ' ') --end;
    s.notes.push_back(Note{line, std::string(name.data(), end), std::move(expected)});
    return;
  }
}

}  // namespace

void derive_after_decoding(ConversionState& s) {
  derive_baffle_orientation(s);
  derive_baffle_parity(s);
  derive_nozzle_orientations(s);
  s.tema_class_code = 3.0f;
  derive_fluid_names(s);
  note_control_bytes(s, kShellFluidNameLine, s.shell_fluid_name);
  note_control_bytes(s, kTubeFluidNameLine, s.tube_fluid_name);
  s.shell_inlet_nozzle_nps = nominal_pipe_size(s.shell_inlet_nozzle_id, s.unit_system);
  s.shell_outlet_nozzle_nps = nominal_pipe_size(s.shell_outlet_nozzle_id, s.unit_system);
}

}  // namespace qalt2morv::thermal
