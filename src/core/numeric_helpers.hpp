// Two numeric helpers shared by the decoder and the mappings, in single precision.
#pragma once

namespace qalt2morv {

// Nominal size of the smallest standard pipe whose outside diameter is larger than
// diameter, in the deck's length unit (inches when unit_system < 2, else millimetres).
float nominal_pipe_size(float diameter, float unit_system);

// Rounds value to a multiple of step: direction 1 up, -1 down (each with a tolerance of
// 0.00001), 0 up without tolerance.
float round_to_step(float value, float direction, float step);

}  // namespace qalt2morv
