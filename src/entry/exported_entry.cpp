// The one exported function the host calls. Nothing escapes it but a status.
#include "entry/convert_api.hpp"
#include "entry/host_services.hpp"
#include "qalt2morv/convert.hpp"
#include "qalt2morv/qalt2morv.h"

// The C statuses and the C++ ones are one list.
static_assert(QALT2MORV_OK == static_cast<int32_t>(qalt2morv::Status::ok));
static_assert(QALT2MORV_DECK_UNREADABLE ==
              static_cast<int32_t>(qalt2morv::Status::deck_unreadable));
static_assert(QALT2MORV_DECK_MALFORMED == static_cast<int32_t>(qalt2morv::Status::deck_malformed));
static_assert(QALT2MORV_OUTPUT_FAILED == static_cast<int32_t>(qalt2morv::Status::output_failed));
static_assert(QALT2MORV_INTERNAL_ERROR == static_cast<int32_t>(qalt2morv::Status::internal_error));

extern "C" QALT2MORV_EXPORT int32_t QALT2MORV_CALL QALT2MORV(const char* deck_path,
                                                             const char* output_path,
                                                             int32_t option) {
  (void)option;  // passed in by the host; the conversion does not use it
  try {
    const qalt2morv::ReportingHostServices services(deck_path);
    const qalt2morv::ConvertResult r = qalt2morv::convert_file_with(
        deck_path, output_path, qalt2morv::platform_line_end(), services);
    return static_cast<int32_t>(r.status);
  } catch (...) {
    return QALT2MORV_INTERNAL_ERROR;
  }
}
