// Deck and keyword texts are code page 1252 bytes; the page is UTF-8. Controls that HTML does
// not allow in text become U+FFFD, so any bytes a deck holds give a valid page.
#include "entry/page_text.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/code_page.hpp"
#include "qalt2morv/report.hpp"

namespace qalt2morv {
namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

// Controls that HTML does not allow in text, and the bytes code page 1252 leaves undefined,
// become U+FFFD.
std::uint32_t code_point(unsigned char b) {
  if (b == '\t' || b == '\n' || b == '\r') return b;
  if (b < 0x20 || b == 0x7F || undefined_in_ansi(b)) return kReplacement;
  return ansi_code_point(b);
}

}  // namespace

std::string html_text(std::string_view cp1252_bytes) {
  std::string out;
  out.reserve(cp1252_bytes.size() + cp1252_bytes.size() / 8);
  for (const char c : cp1252_bytes) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        append_utf8(out, code_point(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

namespace page {

std::string escaped(std::string_view cp1252_bytes) { return html_text(cp1252_bytes); }

namespace {

// Length of the UTF-8 sequence that starts at text[i] (shortest form, no surrogates, at most
// U+10FFFF), or 0 when it is not one.
std::size_t utf8_sequence(std::string_view text, std::size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (b < 0x80) return 1;
  std::size_t n = 0;
  std::uint32_t cp = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2, cp = b & 0x1Fu;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3, cp = b & 0x0Fu;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4, cp = b & 0x07u;
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3Fu);
  }
  const bool shortest = (n == 3 && cp >= 0x800) || (n == 4 && cp >= 0x10000) || n == 2;
  const bool scalar = cp < 0xD800 || (cp > 0xDFFF && cp <= 0x10FFFF);
  return shortest && scalar ? n : 0;
}

bool valid_utf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = utf8_sequence(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

}  // namespace

std::string escaped_name(std::string_view bytes) {
  if (!valid_utf8(bytes)) return escaped(bytes);
  // Only the ASCII bytes need escaping or replacing; the sequences above them pass as they are.
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = utf8_sequence(bytes, i);
    if (n == 1) {
      out += escaped(bytes.substr(i, 1));
    } else {
      out.append(bytes.substr(i, n));
    }
    i += n;
  }
  return out;
}

bool parse_number(std::string_view written, double& value) {
  if (written.empty() || written.size() > 64) return false;
  const std::string text(written);
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(value);
}

std::string short_number(std::string_view written) {
  double value = 0.0;
  if (!parse_number(written, value) || written.find('.') == std::string_view::npos)
    return std::string(written);
  // Five significant digits undo the single-precision noise of a converted size
  // (203.199997 is 203.2) and keep a spread location whole (3.3333).
  char text[32];
  std::snprintf(text, sizeof text, "%.5g", value);
  if (std::string_view(text).find('e') == std::string_view::npos) return text;
  std::string trimmed(written);
  while (trimmed.back() == '0') trimmed.pop_back();
  if (trimmed.back() == '.') trimmed.pop_back();
  return trimmed;
}

}  // namespace page
}  // namespace qalt2morv
