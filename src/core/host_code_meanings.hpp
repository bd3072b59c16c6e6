// What each of the host's codes means, by the key whose value it is: the record list that
// the command line shows reads these, so a code and its meaning are named in one place.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/host_codes.hpp"

namespace qalt2morv {

struct CodeMeaning {
  float code;
  std::string_view meaning;
};

inline constexpr CodeMeaning kUnitSystemCodes[] = {{unit_system::kUsCustomary, "US customary"},
                                                   {unit_system::kSi, "SI"},
                                                   {unit_system::kMetric, "metric"}};
inline constexpr CodeMeaning kHotSideCodes[] = {{hot_side::kShell, "shell side"},
                                                {hot_side::kTube, "tube side"}};
inline constexpr CodeMeaning kPositionCodes[] = {{position::kHorizontal, "horizontal"},
                                                 {position::kVertical, "vertical"}};
inline constexpr CodeMeaning kFrontHeadCodes[] = {{front_head::kA, "A"},
                                                  {front_head::kB, "B"},
                                                  {front_head::kC, "C"},
                                                  {front_head::kN, "N"},
                                                  {front_head::kD, "D"}};
inline constexpr CodeMeaning kShellTypeCodes[] = {
    {shell_type::kE, "E or L"}, {shell_type::kF, "F"}, {shell_type::kG, "G"}, {shell_type::kH, "H"},
    {shell_type::kJ, "J"},      {shell_type::kK, "K"}, {shell_type::kX, "X"}};
inline constexpr CodeMeaning kRearHeadCodes[] = {
    {rear_head::kL, "L"}, {rear_head::kM, "M"}, {rear_head::kN, "N"}, {rear_head::kP, "P"},
    {rear_head::kS, "S"}, {rear_head::kT, "T"}, {rear_head::kU, "U"}, {rear_head::kW, "W"}};
inline constexpr CodeMeaning kBaffleTypeCodes[] = {
    {baffle_type::kSegmental, "segmental"},
    {baffle_type::kDoubleSegmental, "double segmental"},
    {baffle_type::kTripleSegmental, "triple segmental"},
    {baffle_type::kNone, "none"},
    {baffle_type::kRod, "rod"}};
inline constexpr CodeMeaning kHostBaffleTypeCodes[] = {
    {host_baffle_type::kSegmental, "segmental"},
    {host_baffle_type::kDoubleSegmental, "double segmental"},
    {host_baffle_type::kTripleSegmental, "triple segmental"},
    {host_baffle_type::kNoTubesInWindow, "segmental, no tubes in the window"},
    {host_baffle_type::kRod, "rod"},
    {host_baffle_type::kNone, "none"}};
inline constexpr CodeMeaning kBaffleOrientationCodes[] = {
    {baffle_orientation::kHorizontalCut, "horizontal cut"},
    {baffle_orientation::kVerticalCut, "vertical cut"},
    {baffle_orientation::kRotatedCut, "rotated cut"}};
inline constexpr CodeMeaning kTubeTypeCodes[] = {{tube_type::kPlain, "plain"},
                                                 {tube_type::kFinned, "finned"},
                                                 {tube_type::kHighFin, "high fin"},
                                                 {tube_type::kStudFinned, "stud finned"}};
inline constexpr CodeMeaning kProgramModeCodes[] = {{program_mode::kDesign, "design"},
                                                    {program_mode::kRating, "rating"},
                                                    {program_mode::kSimulation, "simulation"}};
inline constexpr CodeMeaning kFanDraftCodes[] = {{fan_draft::kForced, "forced draft"},
                                                 {fan_draft::kInduced, "induced draft"}};
inline constexpr CodeMeaning kChoiceCodes[] = {{choice::kNo, "no"}, {choice::kYes, "yes"}};
inline constexpr CodeMeaning kNozzleFunctionCodes[] = {
    {nozzle_function::kInlet, "inlet"},
    {nozzle_function::kOutlet, "outlet"},
    {nozzle_function::kSeparateOutlet, "separate outlet"}};
inline constexpr CodeMeaning kLocationCodes[] = {
    {location::kFrontHeadAxial, "axial on the front head"},
    {location::kFrontHeadCylinder, "on the front head cylinder"},
    {location::kShellStart, "start of the shell (2.5 to 7.5 along the shell in proportion)"},
    {location::kNearFrontTubesheet, "shell, near the front tubesheet"},
    {location::kMidShell, "middle of the shell"},
    {location::kNearRearTubesheet, "shell, near the rear tubesheet"},
    {location::kShellEnd, "end of the shell (over the U-bends of a U-tube bundle)"},
    {location::kRearEndCylinder, "on the rear end cylinder"},
    {location::kRearEndAxial, "axial at the rear end"}};
inline constexpr CodeMeaning kAngleCodes[] = {{angle::kTop, "on top"},
                                              {angle::kQuarter, "on the near side"},
                                              {angle::kBottom, "at the bottom"},
                                              {angle::kThreeQuarters, "on the far side"},
                                              {angle::kAxial, "axial, on a head cover"}};
inline constexpr CodeMeaning kNozzleOrientationCodes[] = {
    {nozzle_orientation::kTop, "0 degrees (top)"},
    {nozzle_orientation::kQuarter, "90 degrees"},
    {nozzle_orientation::kBottom, "180 degrees (bottom)"},
    {nozzle_orientation::kThreeQuarters, "270 degrees"},
    {nozzle_orientation::kAxial, "axial"}};
inline constexpr CodeMeaning kDomeTypeCodes[] = {{kVapourBeltDome, "vapour belt"}};
inline constexpr CodeMeaning kImpingementTypeCodes[] = {{kImpingementVapourBelt, "vapour belt"}};

struct KeyCodes {
  std::string_view key;
  std::span<const CodeMeaning> codes;
};

inline constexpr KeyCodes kCodesByKey[] = {
    {"QALTUoM", kUnitSystemCodes},
    {"LocFluidHS", kHotSideCodes},
    {"ExchPosi", kPositionCodes},
    {"HdFrType", kFrontHeadCodes},
    {"ShlType", kShellTypeCodes},
    {"HdReType", kRearHeadCodes},
    {"BafType", kBaffleTypeCodes},
    {"BafTypeQALT", kHostBaffleTypeCodes},
    {"BafOri", kBaffleOrientationCodes},
    {"TubeType", kTubeTypeCodes},
    {"TshType", kChoiceCodes},
    {"ImpProtType", kChoiceCodes},
    {"TubesInBafWindow", kChoiceCodes},
    {"HdFrCylInd", kChoiceCodes},
    {"HdReCylInd", kChoiceCodes},
    {"EJInd", kChoiceCodes},
    {"NozFunctionA-O", kNozzleFunctionCodes},
    {"NozLocA-O", kLocationCodes},
    {"NozOriAngA-O", kAngleCodes},
    {"NozDomType", kDomeTypeCodes},
    {"NozOrientationSS", kNozzleOrientationCodes},
    {"NozOrientationTS", kNozzleOrientationCodes},
    {"NozImpTypeSS", kImpingementTypeCodes},
    {"FenzProgMode", kProgramModeCodes},
    {"WurtProgMode", kProgramModeCodes},
    {"DraftType", kFanDraftCodes},
};

// The meanings of the codes a key carries; empty for a key whose value is a quantity.
constexpr std::span<const CodeMeaning> code_meanings(std::string_view key) {
  for (const KeyCodes& k : kCodesByKey) {
    if (k.key == key) return k.codes;
  }
  return {};
}

}  // namespace qalt2morv
