// qalt2morv command line: main only forwards to run().
#include <iostream>
#include <string>
#include <vector>

#include "cli_app.hpp"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return qalt2morv::cli::run(args, std::cout, std::cerr);
}
