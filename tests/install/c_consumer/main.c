/* Converts a deck with the installed shared library's C function: c_consumer DECK OUT. */
#include <qalt2morv/qalt2morv.h>
#include <stdio.h>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  int32_t status = QALT2MORV(argv[1], argv[2], 0);
  if (status != QALT2MORV_OK) fprintf(stderr, "status %d\n", (int)status);
  return status == QALT2MORV_OK ? 0 : 1;
}
