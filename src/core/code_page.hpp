// Conversion of quoted texts from the deck's OEM code page to the host's ANSI code page:
// on Windows the platform's own conversion, elsewhere the fixed table of 437 to 1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qalt2morv {

// One byte through the fixed table of code page 437 to code page 1252 (every platform).
unsigned char oem_to_ansi(unsigned char oem);

// length bytes in place. On Windows this is the platform's OEM-to-ANSI conversion, so texts
// follow the host's code pages (437 and 1252 on a Western host, where it agrees with the
// table); elsewhere it is the table.
void oem_to_ansi_in_place(char* text, std::size_t length);

// The Unicode code point of a code page 1252 byte (the keyword file's texts). The five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their C1 code points.
std::uint32_t ansi_code_point(unsigned char ansi);

// True for the five bytes code page 1252 leaves undefined.
bool undefined_in_ansi(unsigned char ansi);

// A code point (below U+10000) appended as UTF-8.
void append_utf8(std::string& out, std::uint32_t code_point);

// Code page 1252 bytes as UTF-8, byte for character.
std::string ansi_to_utf8(std::string_view ansi);

}  // namespace qalt2morv
