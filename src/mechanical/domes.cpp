// Vapour belts in the three-slot dome table, over the shell-side nozzles they serve.
#include "core/numeric_helpers.hpp"
#include "mechanical/nozzle_placement.hpp"

namespace qalt2morv::mechanical {

namespace {

// Fills the dome table from slot A; a fourth belt has no slot in the host's records.
class DomeFiller {
 public:
  explicit DomeFiller(std::array<DomeSlot, kDomeSlots>& domes) : domes_(domes) {}

  void add(float belt_diameter, float belt_length, float nozzle_nps, float location) {
    if (next_ >= domes_.size()) return;
    DomeSlot& d = domes_[next_++];
    d.type = kVapourBeltDome;
    d.cylinder_material = kDefaultMaterial;
    d.material = kDefaultMaterial;
    d.location = location;
    d.diameter = round_to_step(belt_diameter, 0.0f, 2.0f);
    // A belt of no stated length is as wide as its nozzle plus four.
    d.belt_width = belt_length > 0.0f ? belt_length : 4.0f + nozzle_nps;
  }

 private:
  std::array<DomeSlot, kDomeSlots>& domes_;
  std::size_t next_ = 0;
};

}  // namespace

// Vapour belts sit over the first shell-side nozzle(s) and the second; a J shell with two
// inlets or two outlets gets a belt over each of them. A fourth belt (J shell with two of
// each and both belts) has no dome slot in the host's records and is dropped.
void place_domes(ConversionState& s) {
  DomeFiller domes(s.domes);
  const bool two_inlets = j_shell_with_two_inlets(s);
  if (s.layout_belt_diameter_1 > 0.0f) {
    domes.add(s.layout_belt_diameter_1, s.layout_belt_length_1, s.shell_inlet_nozzle_nps,
              s.nozzles[0].location);
    if (two_inlets) {
      domes.add(s.layout_belt_diameter_1, s.layout_belt_length_1, s.shell_inlet_nozzle_nps,
                s.nozzles[1].location);
    }
  }
  if (s.layout_belt_diameter_2 > 0.0f) {
    const float first_outlet = two_inlets ? s.nozzles[2].location : s.nozzles[1].location;
    domes.add(s.layout_belt_diameter_2, s.layout_belt_length_2, s.shell_outlet_nozzle_nps,
              first_outlet);
    if (j_shell(s) && s.shell_outlet_nozzle_count == 2.0f) {
      domes.add(s.layout_belt_diameter_2, s.layout_belt_length_2, s.shell_outlet_nozzle_nps,
                s.nozzles[2].location);
    }
  }
}

}  // namespace qalt2morv::mechanical
