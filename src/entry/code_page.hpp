// Conversion of quoted texts from the deck's OEM code page (437) to the host's ANSI code
// page (1252), the same on every platform.
#pragma once

#include <cstddef>

namespace qalt2morv {

unsigned char oem_to_ansi(unsigned char oem);
void oem_to_ansi_in_place(char* text, std::size_t length);

}  // namespace qalt2morv
