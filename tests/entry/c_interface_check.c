/* The public header compiled as C: a host written in C converts the example deck. */
#include <stdio.h>

#include "qalt2morv/qalt2morv.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: c_interface_check DECK OUT\n");
    return 2;
  }
  int32_t status = QALT2MORV(argv[1], argv[2], 0);
  if (status != QALT2MORV_OK) {
    fprintf(stderr, "status %d\n", (int)status);
    return 1;
  }
  status = QALT2MORV("/no/such/deck", argv[2], 0);
  if (status != QALT2MORV_DECK_UNREADABLE) {
    fprintf(stderr, "missing deck gave status %d\n", (int)status);
    return 1;
  }
  printf("1 passed, 0 failed\n");
  return 0;
}
