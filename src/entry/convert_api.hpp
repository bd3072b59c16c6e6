// The file-to-file conversion shared by the exported function and the C++ interface; they
// differ only in how failures are reported.
#pragma once

#include "core/keyword_writer.hpp"
#include "entry/host_services.hpp"
#include "qalt2morv/convert.hpp"

namespace qalt2morv {

ConvertResult convert_file_with(const char* deck_path, const char* output_path, LineEnding line_end,
                                const HostServices& services);

}  // namespace qalt2morv
