// qalt2morv command line: main only forwards to run().
#include <iostream>
#include <string>
#include <vector>

#include "cli_app.hpp"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
  // The keyword text carries its own line ends; a text-mode stdout would double the CRs.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  return qalt2morv::cli::run(args, std::cin, std::cout, std::cerr);
}
