// The one conversion state: every deck line, decoded value and derived value of one
// conversion. Created fresh (all numbers 0, all texts blank) for every call and dropped
// at its end; every phase reads and writes these named fields.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qalt2morv {

constexpr int kDeckColumns = 90;
constexpr int kDeckMaxLines = 1000;

// A fixed-length, blank-padded deck text.
template <std::size_t N>
struct FixedText {
  std::array<char, N> c;
  FixedText() { c.fill(' '); }
  static constexpr std::size_t size() { return N; }
  const char* data() const { return c.data(); }
  char* data() { return c.data(); }
  char operator[](std::size_t i) const { return c[i]; }
  char& operator[](std::size_t i) { return c[i]; }
};
using Text20 = FixedText<20>;
using Text40 = FixedText<40>;
using Text80 = FixedText<80>;

using DeckLine = std::array<char, kDeckColumns>;

// Something the deck held that the conversion did not recognise. Never an error: the code
// concerned keeps its value; the note tells the user why a record is missing.
struct Note {
  int line = 0;          // deck line
  std::string found;     // the text found (trailing blanks dropped)
  std::string expected;  // what the line may hold
};

// One slot of the fifteen-slot nozzle table (A to O).
struct NozzleSlot {
  float function = 0.0f;  // 0 empty, 1 inlet, 2 outlet, 5 separate outlet
  float diameter = 0.0f;  // nominal pipe size, deck length unit
  float location = 0.0f;  // axial location code 1 .. 9
  float angle = 0.0f;     // degrees: 0, 90, 180, 270, or 360 for an axial nozzle
};

// One slot of the vapour-belt dome table (A to C).
struct DomeSlot {
  float type = 0.0f;  // 4 vapour belt, 0 empty
  float cylinder_material = 0.0f;
  float material = 0.0f;
  float diameter = 0.0f;
  float location = 0.0f;
  float belt_width = 0.0f;
};

constexpr int kNozzleSlots = 15;
constexpr int kDomeSlots = 3;

struct ConversionState {
  // ---- Line store (deck loader) ----
  // Most deck lines are empty: only the lines that hold text are stored (blank padded), one
  // after another as they come. line_place[k - 1] is where deck line k stands in lines; 0,
  // a blank line, for an empty line and for every line beyond the line count. The loader
  // may write into the first free place before it knows whether a line holds text, so the
  // store has one place more than lines can take.
  std::array<DeckLine, kDeckMaxLines + 2> lines;
  std::array<std::uint16_t, kDeckMaxLines> line_place{};
  int places_used = 1;  // place 0 is the blank line
  int line_count = 0;
  int leading_blank_shift = 0;  // columns every line was moved left by (deck line 1 decides)
  FixedText<10> unit_letter_text;
  float unit_system = 0.0f;  // 1 US customary, 2 SI, 3 metric
  Text40 search_copy;        // columns 1-40 of the line last seen by a tolerant read

  // ---- Deck lines 1 to 132 ----
  Text80 reserved_2, reserved_3;
  Text40 program_mode_word;             // 13
  Text40 flow_arrangement_word;         // 14
  Text40 tube_type_word;                // 17
  Text40 exchanger_type_word;           // 19
  std::int64_t shells_in_parallel = 0;  // 20
  std::int64_t shells_in_series = 0;    // 21
  std::int64_t reserved_22 = 0;
  float reserved_23 = 0, reserved_24 = 0, reserved_25 = 0, reserved_26 = 0;
  Text40 impingement_word;  // 27
  float reserved_28 = 0, reserved_29 = 0, reserved_30 = 0;
  float baffle_cut = 0;                 // 31, replaced by the derived first cut
  float baffle_spacing = 0;             // 32 central spacing
  float inlet_baffle_spacing = 0;       // 33
  float outlet_baffle_spacing = 0;      // 34
  float baffle_cut_angle = 0;           // 35
  Text40 baffle_type_word;              // 36
  float baffle_thickness = 0;           // 37
  std::int64_t baffle_space_count = 0;  // 38
  std::int64_t tube_pass_count = 0;     // 39
  float tube_od = 0;                    // 40
  float reserved_41 = 0;
  float tube_layout_angle = 0;  // 42
  float tube_pitch = 0;         // 43
  float reserved_44 = 0;
  std::int64_t tube_material_index = 0;  // 45
  float tube_count = 0;                  // 46
  float reserved_47 = 0, reserved_48 = 0;
  float fin_density = 0;    // 49
  float fin_height = 0;     // 50
  float fin_thickness = 0;  // 51
  Text40 reserved_52;
  float tube_length = 0;                   // 53, tolerant form
  float tube_length_strict = 0;            // 53, real-field form
  float effective_tube_length = 0;         // 54, tolerant form
  float effective_tube_length_strict = 0;  // 54, real-field form
  float shell_inlet_nozzle_id = 0;         // 55
  float shell_outlet_nozzle_id = 0;        // 56
  float reserved_57 = 0;
  float tube_field_distance_1 = 0;  // 58
  float tube_field_distance_2 = 0;  // 59
  std::array<float, 3> reserved_60_to_62{};
  float shell_flow_rate = 0;       // 63
  float tube_flow_rate = 0;        // 64
  float shell_quantity_a_in = 0;   // 65
  float tube_quantity_a_in = 0;    // 66
  float shell_quantity_a_out = 0;  // 67
  float tube_quantity_a_out = 0;   // 68
  float shell_quantity_b_in = 0;   // 69
  float tube_quantity_b_in = 0;    // 70
  float shell_quantity_b_out = 0;  // 71
  float tube_quantity_b_out = 0;   // 72
  std::array<float, 36> reserved_97_to_132{};

  float program_mode = 0;           // 1 design, 2 rating, 3 simulation
  float flow_arrangement_code = 0;  // 1 counter-current, 2 co-current
  float tube_type_code = 0;         // 1 plain, 2 finned, 3 high-fin, 4 stud-finned
  float front_head_code = 0;
  float shell_type_code = 0;
  float rear_head_code = 0;
  float impingement_protection_code = 0;
  float baffle_type_code = 0;
  float qalt_baffle_type_code = 0;
  float baffle_count = 0;
  float tube_passes = 0;
  float tube_material_code = 0;

  // ---- Process conditions, deck lines 133 to 214 ----
  float shell_inlet_pressure = 0;         // 133
  float tube_inlet_pressure = 0;          // 134
  float shell_allowed_pressure_drop = 0;  // 141
  float tube_allowed_pressure_drop = 0;   // 142
  float reserved_148 = 0, reserved_149 = 0;
  float shell_inlet_temperature = 0;   // 150
  float shell_outlet_temperature = 0;  // 151
  float tube_inlet_temperature = 0;    // 152
  float tube_outlet_temperature = 0;   // 153
  float reserved_154 = 0;
  float shell_metal_temperature = 0;  // 155
  float reserved_156 = 0;
  float tube_metal_temperature = 0;  // 157
  float reserved_159 = 0;
  float shell_film_coefficient = 0;    // 166
  float tube_film_coefficient = 0;     // 168
  float shell_fouling_resistance = 0;  // 171
  float tube_fouling_resistance = 0;   // 173
  float reserved_208 = 0;
  float orientation_angle = 0;  // 214
  float position_code = 0;      // 1 horizontal, 2 vertical, 0 otherwise

  // ---- Design conditions and shell construction, deck lines 226 to 250 ----
  std::int64_t fans_per_bay = 0;       // 226
  float fan_diameter = 0;              // 227
  float tube_wall_thickness = 0;       // 230
  float shell_design_pressure = 0;     // 231
  float tube_design_pressure = 0;      // 232
  float shell_design_temperature = 0;  // 233
  float tube_design_temperature = 0;   // 234
  Text40 tube_nozzle_form;             // 235
  float otl_diameter = 0;              // 236
  Text40 double_tubesheet;             // 237
  Text40 reserved_238;
  Text40 expansion_joint;  // 239
  float reserved_245 = 0;
  std::int64_t hot_fluid_side = 0;  // 247
  float shell_diameter = 0;         // 248
  std::int64_t reserved_249 = 0;
  float reserved_250 = 0;

  float tube_design_pressure_as_given = 0;
  float tube_design_temperature_as_given = 0;
  float axial_nozzle_flag = 0;
  float tubesheet_type_code = 0;
  float expansion_joint_code = 0;
  float hot_side_code = 0;
  float hot_phase_code = 0;
  float cold_phase_code = 0;
  float shell_cylinder_id = 0;
  float shell_cylinder_nps = 0;
  float kettle_id = 0;
  float kettle_nps = 0;

  // ---- Vapour belts, pass layout, nozzles and units, deck lines 251 to 285 ----
  std::int64_t belt_nozzles = 0;          // 251
  float belt_clearance_1 = 0;             // 252
  float belt_length_1 = 0;                // 253
  float belt_slot_area_1 = 0;             // 254
  float belt_slot_area_2 = 0;             // 255
  std::int64_t pass_layout_style = 0;     // 256
  std::int64_t pass_layout_variant = 0;   // 257
  float pass_lane_1 = 0;                  // 258
  float pass_lane_2 = 0;                  // 259
  std::int64_t third_cut_count = 0;       // 261
  std::int64_t support_count = 0;         // 272
  Text40 shell_fluid_name;                // 276
  Text40 tube_fluid_name;                 // 277
  std::int64_t unit_system_fallback = 0;  // 278
  float tube_inlet_nozzle_id = 0;         // 279
  float tube_outlet_nozzle_id = 0;        // 280
  float reserved_281 = 0;
  float tube_split_outlet_id = 0;   // 282
  float shell_split_outlet_id = 0;  // 283
  float belt_clearance_2 = 0;       // 284
  float belt_length_2 = 0;          // 285

  std::array<float, 2> belt_impingement_types{};
  std::array<float, 2> belt_slot_areas{};
  std::array<float, 2> belt_diametral_clearances{};
  std::array<float, 2> belt_lengths{};
  float layout_belt_length_1 = 0, layout_belt_diameter_1 = 0;
  float layout_belt_length_2 = 0, layout_belt_diameter_2 = 0;
  float pass_layout_type = 0;
  float tube_length_scaled = 0;
  float effective_tube_length_scaled = 0;
  std::array<float, 2> tube_nozzle_ids{};
  float tube_inlet_nozzle_nps = 0, tube_outlet_nozzle_nps = 0;
  float tube_split_outlet_nps = 0, shell_split_outlet_nps = 0;

  // ---- Nozzle counts, air-cooler data and baffle cuts, deck lines 451 to 499 ----
  std::int64_t shell_inlet_nozzle_count_int = 0;   // 451
  std::int64_t shell_outlet_nozzle_count_int = 0;  // 452
  std::int64_t tube_inlet_nozzle_count_int = 0;    // 453
  std::int64_t tube_outlet_nozzle_count_int = 0;   // 454
  std::int64_t u_tube_nozzle_code = 0;             // 478
  Text40 reserved_479;
  Text40 fan_draft;  // 480
  float reserved_483 = 0, reserved_484 = 0;
  std::int64_t tube_rows = 0;            // 485
  std::int64_t odd_row_tubes = 0;        // 486
  std::int64_t even_row_tubes = 0;       // 487
  std::int64_t nozzle_end_code = 0;      // 488
  std::int64_t bundles_in_parallel = 0;  // 489
  std::int64_t bays_in_parallel = 0;     // 490
  Text40 reserved_491, reserved_492, reserved_493;
  float cut_distance_1 = 0;  // 494
  float cut_distance_2 = 0;  // 495
  float cut_distance_3 = 0;  // 496
  Text40 u_bend_baffle;      // 497
  Text40 reserved_498;
  float orientation_code = 0;  // 499

  float shell_inlet_nozzle_count = 0;
  float shell_outlet_nozzle_count = 0;
  float tube_inlet_nozzle_count = 0;
  float tube_outlet_nozzle_count = 0;
  float u_tube_nozzle_setting = 0;
  std::int64_t draft_type_code = 0;
  float nozzle_end_setting = 0;
  float second_baffle_cut = 0;
  float third_baffle_cut = 0;

  // ---- Post-decoding derivations ----
  float baffle_orientation_code = 0;
  float u_bend_flag = 0;
  float baffle_parity_code = 0;
  std::array<float, 2> shell_nozzle_orientations{};  // inlet, outlet
  std::array<float, 2> tube_nozzle_orientations{};   // inlet, outlet
  float dist_down_from_top = 0;
  float dist_up_from_bottom = 0;
  float tema_class_code = 0;
  Text20 hot_fluid_name;
  Text20 cold_fluid_name;
  float shell_inlet_nozzle_nps = 0;
  float shell_outlet_nozzle_nps = 0;

  // ---- Mechanical emitter and nozzle layout ----
  float front_cylinder_material = 0;
  float rear_cylinder_material = 0;
  float shell_cover_cylinder_material = 0;
  float min_u_bend_diameter = 0;
  std::array<NozzleSlot, kNozzleSlots> nozzles{};
  std::array<DomeSlot, kDomeSlots> domes{};

  // ---- Stream allocation ----
  float hot_appl_type = 0;
  float cold_appl_type = 0;

  // ---- What the deck left unrecognised ----
  std::vector<Note> notes;

  // The line store is not cleared: the loader blank-pads every line of text it stores, and
  // an empty line or one beyond the line count reads the blank place 0.
  ConversionState() { lines[0].fill(' '); }
};

}  // namespace qalt2morv
