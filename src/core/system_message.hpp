// The system's own sentence for an error number, safe to call from several conversions at
// once (std::strerror may share one buffer between threads).
#pragma once

#include <string>

namespace qalt2morv {

std::string system_message(int error_number);

}  // namespace qalt2morv
