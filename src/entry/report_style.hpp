// The style sheet the report pages carry inline: screen and A4 landscape print, and the
// drawing's strokes and the two sides' colours.
#pragma once

#include <string_view>

namespace qalt2morv::page {

extern const std::string_view kReportStyle;

}  // namespace qalt2morv::page
