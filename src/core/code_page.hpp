// Conversion of quoted texts from the deck's OEM code page to the host's ANSI code page:
// on Windows the platform's own conversion, elsewhere the fixed table of 437 to 1252.
#pragma once

#include <cstddef>

namespace qalt2morv {

// One byte through the fixed table of code page 437 to code page 1252 (every platform).
unsigned char oem_to_ansi(unsigned char oem);

// length bytes in place. On Windows this is the platform's OEM-to-ANSI conversion, so texts
// follow the host's code pages (437 and 1252 on a Western host, where it agrees with the
// table); elsewhere it is the table.
void oem_to_ansi_in_place(char* text, std::size_t length);

}  // namespace qalt2morv
