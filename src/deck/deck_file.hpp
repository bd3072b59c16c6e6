// Reading a deck file into the line store, a chunk at a time: only what the loader needs
// (at most 1000 lines) is read, however large the file.
#pragma once

#include "core/conversion_state.hpp"

namespace qalt2morv {

// Fills the line store from the file at path. Throws DeckUnreadable when the file is
// missing, a directory, or cannot be read.
void read_deck_file(const char* path, ConversionState& s);

}  // namespace qalt2morv
