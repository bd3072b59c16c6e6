/* qalt2morv: converts a heat-exchanger design deck into the host's keyword file.
 *
 * Conventions of this C interface:
 *  1. One function, QALT2MORV, with the C calling convention; it returns a 32-bit status.
 *  2. Paths are zero-terminated 8-bit texts, passed to the C run time unchanged.
 *  3. The option argument is accepted for the host's sake and has no effect.
 *  4. Status 0 means the keyword file was written completely. After any other status no
 *     keyword file is left at the output path.
 *  5. An existing keyword file at the output path is replaced, never appended to. Only a
 *     regular file or a symbolic link is ever removed; a directory or a device is left alone.
 *  6. The function keeps no state between calls and may run on several threads at once.
 *  7. No exception or signal of the library's own crosses this interface.
 */
#ifndef QALT2MORV_QALT2MORV_H
#define QALT2MORV_QALT2MORV_H

#include <stdint.h>

#if defined(_WIN32)
#define QALT2MORV_CALL __cdecl
#else
#define QALT2MORV_CALL
#endif

#if defined(_WIN32) && defined(QALT2MORV_BUILDING_LIBRARY)
#define QALT2MORV_EXPORT __declspec(dllexport)
#elif defined(__GNUC__) && defined(QALT2MORV_BUILDING_LIBRARY)
#define QALT2MORV_EXPORT __attribute__((visibility("default")))
#else
#define QALT2MORV_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Statuses:
   0     converted
   1500  the deck is missing, a directory, or unreadable
   1501  a deck field breaks its edit rule, or a value overflows
   1502  the keyword file cannot be opened or written
   1503  out of memory or another internal failure */
#define QALT2MORV_OK 0
#define QALT2MORV_DECK_UNREADABLE 1500
#define QALT2MORV_DECK_MALFORMED 1501
#define QALT2MORV_OUTPUT_FAILED 1502
#define QALT2MORV_INTERNAL_ERROR 1503

/* Converts the deck at deck_path into the keyword file at output_path. */
QALT2MORV_EXPORT int32_t QALT2MORV_CALL QALT2MORV(const char* deck_path, const char* output_path,
                                                  int32_t option);

#ifdef __cplusplus
}
#endif

#endif /* QALT2MORV_QALT2MORV_H */
