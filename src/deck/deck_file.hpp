// Reading a deck file into the line store, a chunk at a time: only what the loader needs
// (at most 1000 lines) is read, however large the file.
#pragma once

#include "core/conversion_state.hpp"

namespace qalt2morv {

// The file a deck was read from (device and inode where the platform gives them), so that a
// keyword file path naming the deck itself can be refused without looking at the deck twice.
struct FileIdentity {
  bool known = false;
  unsigned long long device = 0;
  unsigned long long inode = 0;
};

// Fills the line store from the file at path, and identity (when given) with the file read.
// Throws DeckUnreadable when the file is missing, a directory, or cannot be read.
void read_deck_file(const char* path, ConversionState& s, FileIdentity* identity = nullptr);

}  // namespace qalt2morv
