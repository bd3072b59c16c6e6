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
