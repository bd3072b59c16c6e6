// The host's codes by name: exchanger types, baffles, units, nozzle functions, locations and
// angles, orientations, phases and stream sides. Every rule, table and test says the name;
// the host reads the number. Codes are single precision, as the conversion state holds them.
#pragma once

namespace qalt2morv {

// Front head, the first letter of deck line 19 ("HdFrType").
namespace front_head {
constexpr float kA = 1.0f;  // channel with a removable cover
constexpr float kB = 2.0f;  // bonnet
constexpr float kC = 3.0f;
constexpr float kN = 4.0f;
constexpr float kD = 5.0f;
}  // namespace front_head

// Shell, the second letter of deck line 19 ("ShlType"). L is taken for an E shell.
namespace shell_type {
constexpr float kE = 1.0f;  // one-pass shell (also L)
constexpr float kF = 2.0f;  // two-pass shell
constexpr float kG = 3.0f;  // split flow
constexpr float kH = 4.0f;  // double split flow
constexpr float kJ = 5.0f;  // divided flow
constexpr float kK = 6.0f;  // kettle reboiler
constexpr float kX = 7.0f;  // cross flow
}  // namespace shell_type

// Rear head, the third letter of deck line 19 ("HdReType"). L, M and N are fixed
// tubesheets with a rear channel; P to W have a shell cover instead.
namespace rear_head {
constexpr float kL = 1.0f;
constexpr float kM = 2.0f;
constexpr float kN = 3.0f;
constexpr float kP = 4.0f;  // outside-packed floating head
constexpr float kS = 5.0f;  // floating head with backing device
constexpr float kT = 6.0f;  // pull-through floating head
constexpr float kU = 7.0f;  // U-tube bundle
constexpr float kW = 8.0f;  // externally sealed floating tubesheet
// The last rear head with a rear channel (L, M, N): from P on, the rear end is a shell cover.
constexpr float kLastFixedChannel = kN;
}  // namespace rear_head

// Baffle type as the deck's baffle word decodes ("BafType").
namespace baffle_type {
constexpr float kSegmental = 1.0f;
constexpr float kDoubleSegmental = 2.0f;
constexpr float kTripleSegmental = 3.0f;
constexpr float kNone = 4.0f;
constexpr float kRod = 5.0f;
}  // namespace baffle_type

// Baffle type as the host codes it ("BafTypeQALT").
namespace host_baffle_type {
constexpr float kSegmental = 1.0f;
constexpr float kDoubleSegmental = 2.0f;
constexpr float kTripleSegmental = 3.0f;
constexpr float kNoTubesInWindow = 5.0f;
constexpr float kRod = 6.0f;
constexpr float kNone = 8.0f;
}  // namespace host_baffle_type

// Unit system, from the unit letter of deck line 1 ("QALTUoM").
namespace unit_system {
constexpr float kUsCustomary = 1.0f;
constexpr float kSi = 2.0f;
constexpr float kMetric = 3.0f;
}  // namespace unit_system

// What a slot of the nozzle table does ("NozFunctionA-O"), and a dome's type.
namespace nozzle_function {
constexpr float kInlet = 1.0f;
constexpr float kOutlet = 2.0f;
constexpr float kSeparateOutlet = 5.0f;
}  // namespace nozzle_function
constexpr float kVapourBeltDome = 4.0f;         // "NozDomType"
constexpr float kImpingementVapourBelt = 3.0f;  // impingement type of a belted nozzle

// Where a nozzle sits along the exchanger ("NozLocA-O"). 2.5 to 7.5 run along the shell in
// proportion; the named points are those the rules place nozzles at.
namespace location {
constexpr float kFrontHeadAxial = 1.0f;     // on the front head cover, along the axis
constexpr float kFrontHeadCylinder = 2.0f;  // radial, on the front head cylinder
constexpr float kShellStart = 2.5f;
constexpr float kNearFrontTubesheet = 3.0f;
constexpr float kMidShell = 5.0f;
constexpr float kNearRearTubesheet = 7.0f;
constexpr float kOverUBends = 7.5f;  // out over the U-bends of a U-tube bundle
constexpr float kShellEnd = 7.5f;
constexpr float kRearEndCylinder = 8.0f;  // radial, on the rear head or shell cover cylinder
constexpr float kRearEndAxial = 9.0f;     // on the rear end, along the axis
}  // namespace location

// The angle of a nozzle around the shell ("NozOriAngA-O"), seen from the front head.
namespace angle {
constexpr float kTop = 0.0f;
constexpr float kQuarter = 90.0f;  // on the side
constexpr float kBottom = 180.0f;
constexpr float kThreeQuarters = 270.0f;  // on the other side
constexpr float kAxial = 360.0f;          // along the axis, on a head cover
constexpr float kFullTurn = 360.0f;
}  // namespace angle

// The nozzle orientation codes derived after decoding: each stands for one angle; 0 leaves
// the layout's own angle.
namespace nozzle_orientation {
constexpr float kTop = 1.0f;
constexpr float kQuarter = 2.0f;
constexpr float kBottom = 3.0f;
constexpr float kThreeQuarters = 4.0f;
constexpr float kAxial = 5.0f;  // what the host is told for axial tube-side nozzles
}  // namespace nozzle_orientation

// The nozzle arrangement deck line 499 selects; any other value selects none.
namespace nozzle_arrangement {
constexpr float kInletOnTop = 0.0f;
constexpr float kSideEntry = 1.0f;
constexpr float kInletAtBottom = 2.0f;
}  // namespace nozzle_arrangement

// Placement settings from deck lines 478 and 488: a U-tube unit's rear nozzle out over the
// bends, and a vertical unit's nozzles at the other end (either of two settings).
constexpr float kUTubeNozzleOverBends = 2.0f;
constexpr float kNozzlesAtOtherEnd = 2.0f;
constexpr float kNozzlesAtOtherEndToo = 3.0f;

// Baffle cut orientation ("BafOri"): 0 none of these.
namespace baffle_orientation {
constexpr float kHorizontalCut = 1.0f;
constexpr float kVerticalCut = 2.0f;
constexpr float kRotatedCut = 3.0f;
}  // namespace baffle_orientation

// What a stream carries at its inlet, from flow quantities A and B (deck lines 65, 66, 69, 70).
namespace phase {
constexpr float kNoQuantityA = 1.0f;  // quantity A is 0 at the inlet
constexpr float kSomeQuantityA = 2.0f;
constexpr float kMostlyQuantityA =
    3.0f;  // quantity A exceeds quantity B: a condensing or boiling stream
}  // namespace phase

// Which side carries the hot fluid (deck line 247, "LocFluidHS").
namespace hot_side {
constexpr float kShell = 1.0f;
constexpr float kTube = 2.0f;
}  // namespace hot_side

// Exchanger position from its inclination (deck line 214, "ExchPosi"); 0 any other angle.
namespace position {
constexpr float kHorizontal = 1.0f;
constexpr float kVertical = 2.0f;
}  // namespace position

// Flow arrangement (deck line 14).
namespace flow_arrangement {
constexpr float kCounterCurrent = 1.0f;
constexpr float kCoCurrent = 2.0f;
}  // namespace flow_arrangement

// Tube type, from the tube word.
namespace tube_type {
constexpr float kPlain = 1.0f;
constexpr float kFinned = 2.0f;
constexpr float kHighFin = 3.0f;
constexpr float kStudFinned = 4.0f;
}  // namespace tube_type

// What the design program was run for (deck line 13); the thermal records take a deck
// without it as rated.
namespace program_mode {
constexpr float kDesign = 1.0f;
constexpr float kRating = 2.0f;
constexpr float kSimulation = 3.0f;
}  // namespace program_mode

// Fan draft of an air-cooled exchanger: fans below the bundle push, above it they pull.
namespace fan_draft {
constexpr float kForced = 1.0f;
constexpr float kInduced = 2.0f;
}  // namespace fan_draft

// A yes/no construction choice as the host codes it ("ImpProtType", "TshType", "EJInd").
namespace choice {
constexpr float kNo = 1.0f;
constexpr float kYes = 2.0f;
}  // namespace choice

// Axial tube-side nozzles (deck line 235): the flag is 1 when "AXIAL".
constexpr float kAxialNozzles = 1.0f;

// The default material code: the deck names no shell material.
constexpr float kDefaultMaterial = 1.0f;

}  // namespace qalt2morv
