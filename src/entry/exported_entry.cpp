// The one exported function the host calls. Nothing escapes it but a status.
#include "qalt2morv/qalt2morv.h"

#include "entry/convert_api.hpp"

extern "C" QALT2MORV_EXPORT int32_t QALT2MORV_CALL QALT2MORV(const char* deck_path, const char* output_path,
                                                             int32_t option) {
  (void)option;  // passed in by the host; the conversion does not use it
  try {
    const qalt2morv::ConvertResult r = qalt2morv::convert_file_with(
        deck_path, output_path, qalt2morv::platform_line_end(), qalt2morv::reporting_host_services());
    return static_cast<int32_t>(r.status);
  } catch (...) {
    return QALT2MORV_INTERNAL_ERROR;
  }
}
